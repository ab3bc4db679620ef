#include "files/DiaFile.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "common/WriteNotationReader.h"
#include "common/WriteNotationWriter.h"
#include "workspace/KindRegistry.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int FieldsPerRecord = 11;
using Field = WriteNotationReader::Field;

// The record tag a kind writes (its second one, `which` = 1, for a picture slot the file
// keeps empty).
QString fileTag(const KindRegistry& kinds, ElementKind kind, int which = 0) {
    const KindDescriptor* d = kinds.find(kind);
    return d ? d->fileTags.value(which) : QString();
}

// ---- writing ----

// The file's bytes on their way to the sink, handed over a block at a time: a large
// diagram is never held whole. Once the sink refuses a block, nothing more is handed over.
class Output {
public:
    // What room() always has.
    static constexpr std::size_t Slack = 128;

    explicit Output(const DiaFile::Sink& sink) : m_sink(sink), m_buffer(Block) {}

    void append(const char* data, std::size_t size) {
        if (size > Block - m_used)
            flush();
        if (size > Block) {
            // Larger than a block (a long text): handed on as it is.
            m_ok = m_ok && m_sink(data, qsizetype(size));
            return;
        }
        std::memcpy(m_buffer.data() + m_used, data, size);
        m_used += size;
    }
    void append(const QByteArray& bytes) { append(bytes.constData(), std::size_t(bytes.size())); }
    // At least Slack bytes to write into; what was written is kept by commit(), which is given
    // the end of it.
    char* room() {
        if (Block - m_used < Slack)
            flush();
        return m_buffer.data() + m_used;
    }
    void commit(const char* end) { m_used = std::size_t(end - m_buffer.data()); }
    bool flush() {
        if (m_ok && m_used > 0)
            m_ok = m_sink(m_buffer.data(), qsizetype(m_used));
        m_used = 0;
        return m_ok;
    }
    bool ok() const { return m_ok; }

private:
    static constexpr std::size_t Block = 256 * 1024;
    const DiaFile::Sink& m_sink;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    bool m_ok = true;
};

// One record: the tag and its fields, padded with empty strings to eleven values.
class Record {
public:
    explicit Record(const QString& tag) { string(tag); }
    Record& string(const QString& text) {
        m_writer.writeString(text);
        ++m_count;
        return *this;
    }
    Record& integer(qint64 value) {
        m_writer.writeInteger(value);
        ++m_count;
        return *this;
    }
    Record& number(double value) {
        m_writer.writeNumber(value);
        ++m_count;
        return *this;
    }
    Record& boolean(bool value) {
        m_writer.writeBool(value);
        ++m_count;
        return *this;
    }
    void appendTo(Output& out) {
        while (m_count < FieldsPerRecord)
            string(QString());
        m_writer.endRecord();
        out.append(m_writer.bytes());
    }

private:
    WriteNotationWriter m_writer;
    int m_count = 0;
};

// The decimal text of the columns of a picture, made once: the runs of every row name them.
class ColumnTexts {
public:
    explicit ColumnTexts(int width) : m_count(std::clamp(width + 1, 0, Largest + 1)) {
        m_text.resize(std::size_t(m_count) * Slot);
        for (int x = 0; x < m_count; ++x) {
            char* slot = &m_text[std::size_t(x) * Slot];
            slot[Slot - 1] = char(std::to_chars(slot, slot + Slot - 1, x).ptr - slot);
        }
    }
    // Writes the text of `x` at `at` (which has a slot's room) and returns its end.
    char* put(char* at, int x) const {
        if (x < 0 || x >= m_count)
            return std::to_chars(at, at + Slot, x).ptr;
        const char* slot = &m_text[std::size_t(x) * Slot];
        std::memcpy(at, slot, Slot - 1);
        return at + slot[Slot - 1];
    }
    static constexpr int Slot = 12; // the digits of an int, and their count last

private:
    static constexpr int Largest = 16384;
    int m_count;
    std::vector<char> m_text;
};

// What the picture shows, as plain RGB: transparent parts over the canvas white.
QImage opaquePicture(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

void writePixelBlock(Output& out, const PictureObject& object, const DiaFile::Progress& progress) {
    const QImage picture = opaquePicture(object.picture);
    const int W = picture.width();
    const int H = picture.height();
    WriteNotationWriter header;
    header.writeInteger(H);
    header.writeInteger(W);
    header.writeNumber(object.Width);
    header.writeNumber(object.Height);
    header.endRecord();
    out.append(header.bytes());
    const ColumnTexts columns(W);
    for (int y = 0; y < H && out.ok(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        // "y," once for the whole row.
        char rowText[ColumnTexts::Slot + 1];
        char* const rowEnd = std::to_chars(rowText, rowText + ColumnTexts::Slot, y).ptr;
        *rowEnd = ',';
        const std::size_t rowLength = std::size_t(rowEnd + 1 - rowText);
        int x0 = 0;
        for (int x = 0; x < W; ++x) {
            // A run ends where the next pixel differs or the row does.
            if (x + 1 < W && (row[x + 1] & 0xFFFFFF) == (row[x] & 0xFFFFFF))
                continue;
            // "y,x0,x1,colour" and CR LF.
            char* at = out.room();
            std::memcpy(at, rowText, rowLength);
            at = columns.put(at + rowLength, x0);
            *at++ = ',';
            at = columns.put(at, x + 1);
            *at++ = ',';
            at = std::to_chars(at, at + ColumnTexts::Slot,
                               Rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x])))
                     .ptr;
            *at++ = '\r';
            *at++ = '\n';
            out.commit(at);
            x0 = x + 1;
        }
        if (progress)
            progress(y, H);
    }
    out.append("0,0,0,0\r\n", 9); // the block's end
}

// ---- reading ----

// The values of one line, at most eleven of them; what stands beyond is passed over.
struct Values {
    Field field[FieldsPerRecord];
    int count = 0; // how many values the line held, those passed over included
    const Field& operator[](int i) const { return field[i - 1]; } // 1-based, as in the records
    const QString& text(int i) const { return field[i - 1].toString(); }
};

Values readLine(WriteNotationReader& reader, int count = FieldsPerRecord) {
    Values values;
    for (int i = 0; i < count && !reader.atEnd(); ++i) {
        values.field[i] = reader.next();
        ++values.count;
        if (reader.endedLine())
            return values;
    }
    while (!reader.endedLine() && !reader.atEnd()) {
        reader.next();
        ++values.count;
    }
    return values;
}

// The four numbers of a pixel-block line; what stands beyond is passed over.
struct Four {
    std::optional<double> value[4];
    int count = 0;
};

Four readFour(WriteNotationReader& reader) {
    Four four;
    qint64 whole[4];
    if (reader.nextWholeNumbers(whole, 4)) {
        for (int i = 0; i < 4; ++i)
            four.value[i] = double(whole[i]);
        four.count = 4;
        return four;
    }
    for (int i = 0; i < 4 && !reader.atEnd(); ++i) {
        four.value[i] = reader.nextNumber();
        ++four.count;
        if (reader.endedLine())
            return four;
    }
    while (!reader.endedLine() && !reader.atEnd()) {
        reader.next();
        ++four.count;
    }
    return four;
}

std::optional<qint64> wholeNumber(const std::optional<double>& value, qint64 low, qint64 high) {
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < double(low) || rounded > double(high))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

std::optional<int32_t> int32Of(const std::optional<double>& value) {
    if (const auto v = wholeNumber(value, std::numeric_limits<int32_t>::min(),
                                   std::numeric_limits<int32_t>::max()))
        return static_cast<int32_t>(*v);
    return std::nullopt;
}

std::optional<int16_t> int16Of(const std::optional<double>& value) {
    if (const auto v = wholeNumber(value, -32768, 32767))
        return static_cast<int16_t>(*v);
    return std::nullopt;
}

template <typename T> void assign(T& target, const std::optional<T>& value) {
    if (value)
        target = *value;
}

bool withinReach(double twips) {
    return std::abs(twips) <= DiaFile::LargestCoordinate;
}

// What the program itself writes, field by field; anything else marks the record damaged.
constexpr int32_t LargestColour = 0xFFFFFF;
constexpr int32_t LargestLineWidth = 32767;
constexpr int32_t LastLineStyle = 4;
constexpr int32_t LastFillStyle = 7;
constexpr int32_t LastLineType = 3;
constexpr int32_t StraightLine = 2;
constexpr int32_t TransparentFill = 1;
constexpr int32_t LastShapeKind = 3;
constexpr int LargestGridCells = 10;

class Reader {
public:
    Reader(Workspace& ws, WriteNotationReader reader, const DiaFile::Progress& progress)
        : m_ws(ws),
          m_edit(ws.edit(QStringLiteral("Отваряне на файл"), DiagramChange::Scope::Replaced)),
          m_reader(std::move(reader)), m_progress(progress) {}

    DiaFile::ReadResult run();

private:
    void record(const Values& v);
    void picture(const Values& v);
    void pixelBlock(int16_t slot);
    void line(const Values& v);
    void text(const Values& v);
    void shape(const Values& v);
    void grid(const Values& v);
    void reserveObjectSlot();
    void dropLinesWithoutEnds();

    // ---- checked values: each one that is not what the program writes damages the record ----
    void damaged() { m_damaged = true; }
    // A text without the control characters a one-line text cannot hold.
    QString cleanText(const Field& field) {
        const QString& raw = field.toString();
        QString clean;
        for (const QChar c : raw) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                damaged();
            else
                clean += c;
        }
        return clean.size() == raw.size() ? raw : clean;
    }
    void expectEmpty(const Values& v, int from) {
        for (int i = from; i <= FieldsPerRecord; ++i)
            if (!v[i].isEmpty())
                damaged();
    }
    std::optional<double> number(const Field& field) {
        const std::optional<double> value = field.toNumber();
        if (!value || !std::isfinite(*value)) {
            damaged();
            return std::nullopt;
        }
        return value;
    }
    // A whole number in 32 bits.
    std::optional<int32_t> int32(const Field& field) {
        const std::optional<int32_t> value = int32Of(number(field));
        if (!value)
            damaged();
        return value;
    }
    // One expected within [low, high]: outside it, it becomes `replacement` (the nearer end
    // when there is none), so that saving again writes what the program would.
    std::optional<int32_t> int32(const Field& field, int32_t low, int32_t high,
                                 std::optional<int32_t> replacement = std::nullopt) {
        const std::optional<int32_t> value = int32(field);
        if (!value || (*value >= low && *value <= high))
            return value;
        damaged();
        return replacement ? *replacement : std::clamp(*value, low, high);
    }
    // A colour keeps the three bytes it is painted with.
    std::optional<int32_t> colour(const Field& field) {
        const std::optional<int32_t> value = int32(field);
        if (!value || (*value >= 0 && *value <= LargestColour))
            return value;
        damaged();
        return *value & LargestColour;
    }
    std::optional<int32_t> int16(const Field& field) {
        const std::optional<int16_t> value = int16Of(number(field));
        if (!value) {
            damaged();
            return std::nullopt;
        }
        return int32_t(*value);
    }
    std::optional<bool> boolean(const Field& field) {
        const std::optional<bool> value = field.toBool();
        if (!value)
            damaged();
        return value;
    }
    // A position or size: within reach, or the element is left out.
    std::optional<double> position(const Field& field, bool& outOfReach) {
        const std::optional<double> value = number(field);
        if (value && !withinReach(*value))
            outOfReach = true;
        return value;
    }

    // A full buffer is told once per file (a damaged file may hold thousands of records):
    // true when it is full and the user has already heard so.
    bool full(ElementKind buffer) {
        if (store().lowestFree(buffer) != 0)
            return false;
        if (m_fullTold[int(buffer)])
            return true;
        m_fullTold[int(buffer)] = true;
        return false;
    }
    void report(int value, int maximum) {
        if (m_progress)
            m_progress(value, maximum);
    }

    // The whole file is read as one edit of the diagram.
    ElementStore& store() { return m_edit.store(); }

    Workspace& m_ws;
    Diagram::Edit m_edit;
    WriteNotationReader m_reader;
    const DiaFile::Progress& m_progress;
    DiaFile::ReadResult m_result;
    int m_records = 0;
    bool m_fullTold[int(ElementKind::Line) + 1] = {};
    int m_gridFullTold = 0;
    bool m_damaged = false; // the record being read is not what the program writes
};

DiaFile::ReadResult Reader::run() {
    ElementStore& store = this->store();
    const Field marker = m_reader.next();
    m_reader.skipLine();
    m_result.recognised = marker.toString() == DiaFile::startMarker();
    if (!m_result.recognised) {
        m_ws.prompter().message(
            QStringLiteral("Грешка"),
            QStringLiteral("Грешка - файла е повреден или не е създаден с Вексилардо!"),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
    }
    bool stopped = false; // by a blank record: what follows is not read
    while (m_result.recognised && !m_reader.atEnd()) {
        const Values v = readLine(m_reader);
        const QString& tag = v.text(1);
        if (tag == DiaFile::endMarker()) {
            m_result.ended = !stopped;
            break;
        }
        if (tag.isEmpty()) {
            bool blank = true;
            for (int i = 2; i <= 9; ++i)
                blank = blank && v[i].isEmpty();
            if (blank && !stopped) {
                stopped = true;
                continue;
            }
        }
        if (stopped) {
            ++m_result.damagedRecords;
            continue;
        }
        m_damaged = v.count != FieldsPerRecord;
        record(v);
        if (m_damaged)
            ++m_result.damagedRecords;
        report(++m_records % 256, 255);
    }
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
        if (store.objectStatus[slot] == ElementStore::Reserved)
            store.objectStatus[slot] = ElementStore::Free;
    dropLinesWithoutEnds();
    if (m_result.damagedRecords > 0)
        m_ws.prompter().message(
            QStringLiteral("Грешка"),
            QStringLiteral("Част от файла е повредена: пропуснати са %1 записа.")
                .arg(m_result.damagedRecords),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
    m_ws.notifyElementsChanged();
    return m_result;
}

void Reader::record(const Values& v) {
    const QString& tag = v.text(1);
    // The kind whose file record this is; a tag no kind writes is passed over.
    const KindDescriptor* kind = m_ws.kinds().byFileTag(tag);
    switch (kind ? kind->kind : ElementKind::None) {
    case ElementKind::Picture:
        // The second tag of pictures keeps the slot of one the file does not hold.
        if (tag == kind->fileTags.value(1)) {
            expectEmpty(v, 2);
            reserveObjectSlot();
        } else {
            picture(v);
        }
        break;
    case ElementKind::Line:
        line(v);
        break;
    case ElementKind::Text:
        text(v);
        break;
    case ElementKind::Shape:
        shape(v);
        break;
    case ElementKind::Grid:
        grid(v);
        break;
    default:
        damaged();
        break;
    }
}

// The slot stays taken while the file is read, so the next picture keeps its number.
void Reader::reserveObjectSlot() {
    if (!full(ElementKind::Picture))
        if (const int16_t slot = m_ws.FindEmpty(ElementKind::Picture))
            store().objectStatus[slot] = ElementStore::Reserved;
}

void Reader::picture(const Values& v) {
    const QString key = cleanText(v[2]);
    bool outOfReach = false;
    const std::optional<double> top = position(v[3], outOfReach);
    const std::optional<double> left = position(v[4], outOfReach);
    const QString name = cleanText(v[5]);
    expectEmpty(v, 6);
    if (outOfReach) {
        // Left out, but its slot is kept so that the later pictures keep their numbers.
        damaged();
        reserveObjectSlot();
        if (key == ImageStore::sketchpadKey())
            pixelBlock(0);
        return;
    }
    if (key != ImageStore::sketchpadKey() && !m_ws.kartinki.contains(key) &&
        !m_result.missingKeys.contains(key))
        m_result.missingKeys << key;
    int16_t slot = 0;
    if (!full(ElementKind::Picture)) {
        m_ws.DobaviNov(key);
        slot = m_ws.diagram.Nomer;
    }
    if (slot >= 1) {
        PictureObject& o = store().objects[slot];
        assign(o.Top, top);
        assign(o.Left, left);
        if (!name.isEmpty())
            o.ToolTipText = name;
    }
    // The pixels follow even when no slot was free, so reading stays in step.
    if (key == ImageStore::sketchpadKey())
        pixelBlock(slot);
}

void Reader::pixelBlock(int16_t slot) {
    const Four header = readFour(m_reader);
    const std::optional<int16_t> H = int16Of(header.value[0]);
    const std::optional<int16_t> W = int16Of(header.value[1]);
    // The box's size as it was written: any size the program gives a box, fractions and
    // pictures over 2184 pixels included.
    const auto boxSide = [](const std::optional<double>& twips) -> std::optional<double> {
        if (twips && std::isfinite(*twips) && *twips > 0 && *twips <= DiaFile::LargestCoordinate)
            return twips;
        return std::nullopt;
    };
    const std::optional<double> widthTwips = boxSide(header.value[2]);
    const std::optional<double> heightTwips = boxSide(header.value[3]);
    const bool sound = header.count == 4 && H && W && *H > 0 && *W > 0 &&
                       *H <= DiaFile::LargestPictureSide && *W <= DiaFile::LargestPictureSide &&
                       widthTwips && heightTwips;
    if (!sound)
        damaged();
    const bool usable = slot >= 1 && H && W && *H > 0 && *W > 0 &&
                        *H <= DiaFile::LargestPictureSide && *W <= DiaFile::LargestPictureSide;
    QImage picture;
    if (usable) {
        // The runs are drawn over the placeholder the key supplies, so pixels no run covers
        // keep its content.
        picture = QImage(*W, *H, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawImage(0, 0, store().objects[slot].picture);
    }
    // A valid block paints every pixel once; beyond twice that, runs are only read, so a
    // hostile file costs reading time but no more.
    qint64 budget = usable ? 2 * qint64(*W) * *H : 0;
    const int rows = H ? *H : 0;
    const int columns = W ? *W : 0;
    int lastRow = -1;
    bool terminated = false;
    while (!m_reader.atEnd()) {
        const Four run = readFour(m_reader);
        const auto y = int32Of(run.value[0]);
        const auto x0 = int32Of(run.value[1]);
        const auto x1 = int32Of(run.value[2]);
        const auto colour = int32Of(run.value[3]);
        if (y && x0 && x1 && colour && *y == 0 && *x0 == 0 && *x1 == 0 && *colour == 0) {
            terminated = run.count == 4;
            break;
        }
        if (run.count != 4 || !y || !x0 || !x1 || !colour || *y < 0 || *y >= rows || *x0 < 0 ||
            *x1 > columns || *x0 >= *x1 || *colour < 0 || *colour > LargestColour) {
            damaged();
        }
        if (!usable || !y || !x0 || !x1 || !colour || *y < 0 || *y >= *H)
            continue;
        const int from = std::max(*x0, 0);
        const int to = std::min(*x1, int32_t(*W));
        if (from >= to)
            continue;
        if (budget < to - from) {
            damaged();
            continue;
        }
        budget -= to - from;
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(*y));
        std::fill(row + from, row + to,
                  qRgb(*colour & 0xFF, (*colour >> 8) & 0xFF, (*colour >> 16) & 0xFF));
        if (*y != lastRow)
            report(lastRow = *y, *H);
    }
    if (!terminated)
        damaged();
    if (!usable)
        return;
    PictureObject& o = store().objects[slot];
    o.picture = picture;
    o.Width = widthTwips ? *widthTwips : PixelsToTwips(*W);
    o.Height = heightTwips ? *heightTwips : PixelsToTwips(*H);
}

void Reader::line(const Values& v) {
    LineRecord read;
    // A routing that cannot be read is drawn straight too; the record's own 0 is no routing.
    read.LineType = StraightLine;
    assign(read.Used, int32(v[2], 1, 1, 1));
    const std::optional<int32_t> ends[] = {int32(v[3]), int32(v[4])};
    // Lines of an unknown routing are drawn straight, in an unknown style solid.
    assign(read.LineType, int32(v[5], 1, LastLineType, StraightLine));
    assign(read.Colour, colour(v[6]));
    assign(read.LineWidth, int32(v[7], 0, LargestLineWidth));
    assign(read.LineStyle, int32(v[8], 0, LastLineStyle, 0));
    expectEmpty(v, 9);
    const auto object = [](const std::optional<int32_t>& n) {
        return n && *n >= 1 && *n <= ElementStore::Capacity;
    };
    if (read.Used <= 0 || !object(ends[0]) || !object(ends[1])) {
        damaged();
        return;
    }
    read.FromObject = *ends[0];
    read.ToObject = *ends[1];
    if (full(ElementKind::Line))
        return;
    const int16_t slot = m_ws.FindEmpty(ElementKind::Line);
    if (slot < 1)
        return;
    store().lines[slot] = read;
    m_ws.canvas.lineHandles[slot].visible = m_ws.canvas.showHandles;
}

// A line is drawn between two picture objects: one whose ends the file did not hold is left
// out once the whole file is read, and the lines after it move down as if it had never been
// there, so that saving and reading again gives the same slots.
void Reader::dropLinesWithoutEnds() {
    ElementStore& store = this->store();
    const auto present = [&store](int32_t object) {
        return object >= 1 && object <= ElementStore::Capacity &&
               store.objectStatus[object] == ElementStore::Used;
    };
    int kept = 0;
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const LineRecord line = store.lines[slot];
        if (line.Used <= 0)
            continue;
        store.lines[slot] = LineRecord{};
        m_ws.canvas.lineHandles[slot].visible = false;
        if (!present(line.FromObject) || !present(line.ToObject)) {
            ++m_result.damagedRecords;
            continue;
        }
        store.lines[++kept] = line;
        m_ws.canvas.lineHandles[kept].visible = m_ws.canvas.showHandles;
    }
}

void Reader::text(const Values& v) {
    TextField t;
    t.Caption = cleanText(v[2]);
    // An empty caption is never kept.
    if (t.Caption.isEmpty())
        t.Caption = QStringLiteral("Въведете текст");
    bool outOfReach = false;
    assign(t.Top, position(v[3], outOfReach));
    assign(t.Left, position(v[4], outOfReach));
    assign(t.ForeColor, colour(v[5]));
    assign(t.FontBold, boolean(v[6]));
    assign(t.FontItalic, boolean(v[7]));
    t.FontName = cleanText(v[8]);
    if (const std::optional<double> size = number(v[9]); size && *size > 0 && *size <= 1638)
        t.FontSize = *size;
    else
        damaged();
    assign(t.FontStrikethru, boolean(v[10]));
    assign(t.FontUnderline, boolean(v[11]));
    t.Visible = true;
    if (outOfReach) {
        damaged();
        return;
    }
    if (full(ElementKind::Text))
        return;
    const int16_t slot = m_ws.FindEmpty(ElementKind::Text);
    if (slot < 1) {
        m_ws.prompter().message(QStringLiteral("Програмна грешка"),
                                QStringLiteral("Грешка в паметта. Буфера за текст е претоварен !"),
                                Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    store().texts[slot] = t;
    store().textStatus[slot] = ElementStore::Used;
}

void Reader::shape(const Values& v) {
    ShapeRecord s;
    const std::optional<int32_t> kind = int16(v[2]);
    const std::optional<int32_t> corners[] = {int16(v[3]), int16(v[4]), int16(v[5]), int16(v[6])};
    assign(s.BorderColour, colour(v[7]));
    assign(s.LineWidth, int32(v[8], 0, LargestLineWidth));
    // An unknown fill is drawn transparent, an unknown line style solid.
    assign(s.FillStyle, int32(v[9], 0, LastFillStyle, TransparentFill));
    assign(s.FillColour, colour(v[10]));
    assign(s.LineStyle, int32(v[11], 0, LastLineStyle, 0));
    // Only the three kinds with their corners make a shape; anything else would take a slot
    // that saving does not keep.
    if (!kind || *kind < 1 || *kind > LastShapeKind ||
        !std::all_of(std::begin(corners), std::end(corners),
                     [](const std::optional<int32_t>& c) { return c.has_value(); })) {
        damaged();
        return;
    }
    s.Kind = *kind;
    s.X1 = *corners[0];
    s.Y1 = *corners[1];
    s.X2 = *corners[2];
    s.Y2 = *corners[3];
    if (full(ElementKind::Shape))
        return;
    const int16_t slot = m_ws.FindEmpty(ElementKind::Shape);
    if (slot < 1) {
        m_ws.prompter().message(QStringLiteral("Програмна грешка"),
                                QStringLiteral("Грешка в паметта. Буфера за форми е претоварен !"),
                                Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    store().shapes[slot] = s;
    QPointF& handle = store().shapeHandles[slot];
    if (s.Kind == 2 || s.Kind == 3)
        handle = QPointF(s.X1 + RoundHalfEven((s.X2 - s.X1) / 2.0) - 127,
                         s.Y1 + (s.Y2 - s.Y1) / 2.0 - 127);
    else
        handle = QPointF(s.X1, s.Y1);
    m_ws.canvas.shapeHandleVisible[slot] = m_ws.canvas.showHandles;
}

void Reader::grid(const Values& v) {
    GridRecord g;
    g.Used = 1;
    const std::optional<int32_t> rows = int16(v[2]);
    const std::optional<int32_t> columns = int16(v[3]);
    const std::optional<int32_t> box[] = {int32(v[4]), int32(v[5]), int32(v[6]), int32(v[7])};
    assign(g.Colour, colour(v[8]));
    assign(g.LineWidth, int32(v[9], 0, LargestLineWidth));
    expectEmpty(v, 10);
    const auto cells = [](const std::optional<int32_t>& n) {
        return n && *n >= 1 && *n <= LargestGridCells;
    };
    const auto placed = [](const std::optional<int32_t>& n) { return n && withinReach(*n); };
    if (!cells(rows) || !cells(columns) || !std::all_of(std::begin(box), std::end(box), placed)) {
        damaged();
        return;
    }
    g.Rows = *rows;
    g.Columns = *columns;
    g.Top = *box[0];
    g.Left = *box[1];
    g.Width = *box[2];
    g.Height = *box[3];
    const int16_t slot = m_ws.PraznaTablica();
    if (slot < 1 && m_gridFullTold++ > 0)
        return;
    if (slot < 1) {
        m_ws.prompter().message(
            QStringLiteral("Програмна грешка"),
            QStringLiteral("Грешка в паметта. Буфера за таблици е претоварен !"),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    store().grids[slot] = g;
    store().gridHandles[slot] = QPointF(g.Left, g.Top);
    m_ws.canvas.gridHandleVisible[slot] = true;
}

} // namespace

bool DiaFile::write(const Workspace& ws, const Sink& sink, const Progress& progress) {
    return write(ws.store(), ws.kinds(), sink, progress);
}

bool DiaFile::write(const ElementStore& store, const KindRegistry& kinds, const Sink& sink,
                    const Progress& progress) {
    const QString PicTag = fileTag(kinds, ElementKind::Picture);
    const QString EmptyPicTag = fileTag(kinds, ElementKind::Picture, 1);
    const QString LineTag = fileTag(kinds, ElementKind::Line);
    const QString TextTag = fileTag(kinds, ElementKind::Text);
    const QString ShapeTag = fileTag(kinds, ElementKind::Shape);
    const QString GridTag = fileTag(kinds, ElementKind::Grid);
    Output out(sink);
    WriteNotationWriter marker;
    marker.writeString(startMarker());
    marker.endRecord();
    out.append(marker.bytes());

    for (int i = 1; i <= ElementStore::Capacity && out.ok(); ++i) {
        if (store.objectStatus[i] == ElementStore::Used) {
            const PictureObject& o = store.objects[i];
            Record(PicTag)
                .string(o.Tag)
                .number(o.Top)
                .number(o.Left)
                .string(o.ToolTipText)
                .appendTo(out);
            if (o.Tag == ImageStore::sketchpadKey())
                writePixelBlock(out, o, progress);
        } else {
            Record(EmptyPicTag).appendTo(out);
        }
        const LineRecord& l = store.lines[i];
        if (l.Used > 0)
            Record(LineTag)
                .integer(l.Used)
                .integer(l.FromObject)
                .integer(l.ToObject)
                .integer(l.LineType)
                .integer(l.Colour)
                .integer(l.LineWidth)
                .integer(l.LineStyle)
                .appendTo(out);
        if (store.textStatus[i] == ElementStore::Used) {
            const TextField& t = store.texts[i];
            Record(TextTag)
                .string(t.Caption)
                .number(t.Top)
                .number(t.Left)
                .integer(t.ForeColor)
                .boolean(t.FontBold)
                .boolean(t.FontItalic)
                .string(t.FontName)
                .number(t.FontSize)
                .boolean(t.FontStrikethru)
                .boolean(t.FontUnderline)
                .appendTo(out);
        }
        const ShapeRecord& s = store.shapes[i];
        if (s.Kind > 0)
            Record(ShapeTag)
                .integer(s.Kind)
                .integer(s.X1)
                .integer(s.Y1)
                .integer(s.X2)
                .integer(s.Y2)
                .integer(s.BorderColour)
                .integer(s.LineWidth)
                .integer(s.FillStyle)
                .integer(s.FillColour)
                .integer(s.LineStyle)
                .appendTo(out);
        if (i <= ElementStore::GridCapacity && store.grids[i].Used > 0) {
            const GridRecord& g = store.grids[i];
            Record(GridTag)
                .integer(g.Rows)
                .integer(g.Columns)
                .integer(g.Top)
                .integer(g.Left)
                .integer(g.Width)
                .integer(g.Height)
                .integer(g.Colour)
                .integer(g.LineWidth)
                .appendTo(out);
        }
        if (progress)
            progress(i, ElementStore::Capacity);
    }
    WriteNotationWriter end;
    end.writeString(endMarker());
    end.endRecord();
    out.append(end.bytes());
    return out.flush();
}

QByteArray DiaFile::write(const Workspace& ws, const Progress& progress) {
    QByteArray bytes;
    write(
        ws,
        [&bytes](const char* data, qsizetype size) {
            bytes.append(data, size);
            return true;
        },
        progress);
    return bytes;
}

DiaFile::ReadResult DiaFile::read(Workspace& workspace, const QByteArray& bytes,
                                  const Progress& progress) {
    return Reader(workspace, WriteNotationReader(bytes), progress).run();
}

DiaFile::ReadResult DiaFile::read(Workspace& workspace, const Source& source,
                                  const Progress& progress) {
    return Reader(workspace, WriteNotationReader(source), progress).run();
}
