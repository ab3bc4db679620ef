#include "files/DiaFile.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "files/WriteNotationReader.h"
#include "files/WriteNotationWriter.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr int FieldsPerRecord = 11;
using Field = WriteNotationReader::Field;

const QString PicTag = QStringLiteral("[PIC]");
const QString EmptyPicTag = QStringLiteral("[EMPIC]");
const QString LineTag = QStringLiteral("[LIN]");
const QString TextTag = QStringLiteral("[TXT]");
const QString ShapeTag = QStringLiteral("[SHP]");
const QString GridTag = QStringLiteral("[TABLICA]");

// ---- writing ----

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
    void appendTo(std::string& out) {
        while (m_count < FieldsPerRecord)
            string(QString());
        m_writer.endRecord();
        const QByteArray bytes = m_writer.bytes();
        out.append(bytes.constData(), std::size_t(bytes.size()));
    }

private:
    WriteNotationWriter m_writer;
    int m_count = 0;
};

void appendInteger(char*& at, char* end, qint64 value) {
    at = std::to_chars(at, end, value).ptr;
}

// A line of four whole numbers, written straight as bytes: pixel blocks are most of a file.
void appendFour(std::string& out, qint64 a, qint64 b, qint64 c, qint64 d) {
    char buffer[96];
    char* at = buffer;
    char* const end = buffer + sizeof buffer;
    appendInteger(at, end, a);
    *at++ = ',';
    appendInteger(at, end, b);
    *at++ = ',';
    appendInteger(at, end, c);
    *at++ = ',';
    appendInteger(at, end, d);
    *at++ = '\r';
    *at++ = '\n';
    out.append(buffer, at - buffer);
}

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

void writePixelBlock(std::string& out, const PictureObject& object,
                     const DiaFile::Progress& progress) {
    const QImage picture = opaquePicture(object.picture);
    const int W = picture.width();
    const int H = picture.height();
    WriteNotationWriter header;
    header.writeInteger(H);
    header.writeInteger(W);
    header.writeNumber(object.Width);
    header.writeNumber(object.Height);
    header.endRecord();
    out += header.bytes().toStdString();
    for (int y = 0; y < H; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        int x0 = 0;
        for (int x = 0; x < W; ++x) {
            // A run ends where the next pixel differs or the row does.
            if (x + 1 < W && (row[x + 1] & 0xFFFFFF) == (row[x] & 0xFFFFFF))
                continue;
            appendFour(out, y, x0, x + 1, Rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
            x0 = x + 1;
        }
        if (progress)
            progress(y, H);
    }
    appendFour(out, 0, 0, 0, 0);
}

// ---- reading ----

// The values of one line, at most eleven of them; what stands beyond is passed over.
struct Values {
    Field field[FieldsPerRecord];
    const Field& operator[](int i) const { return field[i - 1]; } // 1-based, as in the records
    const QString& text(int i) const { return field[i - 1].toString(); }
};

Values readLine(WriteNotationReader& reader, int count = FieldsPerRecord) {
    Values values;
    for (int i = 0; i < count && !reader.atEnd(); ++i) {
        values.field[i] = reader.next();
        if (reader.endedLine())
            return values;
    }
    reader.skipLine();
    return values;
}

// The four numbers of a pixel-block line; what stands beyond is passed over.
struct Four {
    std::optional<double> value[4];
};

Four readFour(WriteNotationReader& reader) {
    Four four;
    for (int i = 0; i < 4 && !reader.atEnd(); ++i) {
        four.value[i] = reader.nextNumber();
        if (reader.endedLine())
            return four;
    }
    reader.skipLine();
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

std::optional<int32_t> int32Field(const Field& field) {
    return int32Of(field.toNumber());
}

std::optional<int16_t> int16Field(const Field& field) {
    return int16Of(field.toNumber());
}

// Positions of pictures and texts: they are written in single precision, so only what comes
// back the same through it is taken.
constexpr double MaxPosition = 1e9;
std::optional<double> positionField(const Field& field) {
    const std::optional<double> value = field.toNumber();
    if (!value || !std::isfinite(*value) || std::abs(*value) > MaxPosition)
        return std::nullopt;
    return *value;
}

template <typename T> void assign(T& target, const std::optional<T>& value) {
    if (value)
        target = *value;
}

class Reader {
public:
    Reader(Workspace& ws, const QByteArray& bytes, const DiaFile::Progress& progress)
        : m_ws(ws), m_reader(bytes), m_progress(progress) {}

    DiaFile::ReadResult run();

private:
    void picture(const Values& v);
    void pixelBlock(int16_t slot);
    void line(const Values& v);
    void text(const Values& v);
    void shape(const Values& v);
    void grid(const Values& v);
    // A full buffer is told once per file (a damaged file may hold thousands of records):
    // true when it is full and the user has already heard so.
    bool full(ElementStore::Buffer buffer) {
        if (m_ws.store.lowestFree(buffer) != 0)
            return false;
        if (m_fullTold[buffer])
            return true;
        m_fullTold[buffer] = true;
        return false;
    }
    void report(int value, int maximum) {
        if (m_progress)
            m_progress(value, maximum);
    }

    Workspace& m_ws;
    WriteNotationReader m_reader;
    const DiaFile::Progress& m_progress;
    DiaFile::ReadResult m_result;
    int m_records = 0;
    bool m_fullTold[5] = {};
    int m_gridFullTold = 0;
};

DiaFile::ReadResult Reader::run() {
    ElementStore& store = m_ws.store;
    const Field marker = m_reader.next();
    m_reader.skipLine();
    m_result.recognised = marker.toString() == DiaFile::startMarker();
    if (!m_result.recognised) {
        m_ws.prompter().message(
            QStringLiteral("Грешка"),
            QStringLiteral("Грешка - файла е повреден или не е създаден с Вексилардо!"),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
    }
    while (m_result.recognised && !m_reader.atEnd()) {
        const Values v = readLine(m_reader);
        const QString& tag = v.text(1);
        if (tag == PicTag) {
            picture(v);
        } else if (tag == EmptyPicTag) {
            // The slot stays taken while the file is read, so the next picture keeps its
            // number.
            if (!full(ElementStore::Objects))
                if (const int16_t slot = m_ws.FindEmpty(ElementStore::Objects))
                    store.objectStatus[slot] = ElementStore::Reserved;
        } else if (tag == LineTag) {
            line(v);
        } else if (tag == TextTag) {
            text(v);
        } else if (tag == ShapeTag) {
            shape(v);
        } else if (tag == GridTag) {
            grid(v);
        } else if (tag == DiaFile::endMarker()) {
            m_result.ended = true;
            break;
        } else if (tag.isEmpty()) {
            bool blank = true;
            for (int i = 2; i <= 9; ++i)
                blank = blank && v[i].isEmpty();
            if (blank)
                break;
        }
        // Any other tag: the record is passed over.
        report(++m_records % 256, 255);
    }
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
        if (store.objectStatus[slot] == ElementStore::Reserved)
            store.objectStatus[slot] = ElementStore::Free;
    m_ws.notifyElementsChanged();
    return m_result;
}

void Reader::picture(const Values& v) {
    const QString key = v.text(2);
    if (key != ImageStore::sketchpadKey() && !m_ws.kartinki.contains(key) &&
        !m_result.missingKeys.contains(key))
        m_result.missingKeys << key;
    int16_t slot = 0;
    if (!full(ElementStore::Objects)) {
        m_ws.DobaviNov(key);
        slot = m_ws.diagram.Nomer;
    }
    if (slot >= 1) {
        PictureObject& o = m_ws.store.objects[slot];
        assign(o.Top, positionField(v[3]));
        assign(o.Left, positionField(v[4]));
        if (!v[5].isEmpty())
            o.ToolTipText = v.text(5);
    }
    // The pixels follow even when no slot was free, so reading stays in step.
    if (key == ImageStore::sketchpadKey())
        pixelBlock(slot);
}

void Reader::pixelBlock(int16_t slot) {
    const Four header = readFour(m_reader);
    const std::optional<int16_t> H = int16Of(header.value[0]);
    const std::optional<int16_t> W = int16Of(header.value[1]);
    const std::optional<int16_t> widthTwips = int16Of(header.value[2]);
    const std::optional<int16_t> heightTwips = int16Of(header.value[3]);
    const bool usable = slot >= 1 && H && W && *H > 0 && *W > 0 &&
                        *H <= DiaFile::LargestPictureSide && *W <= DiaFile::LargestPictureSide;
    QImage picture;
    if (usable) {
        // The runs are drawn over the placeholder the key supplies, so pixels no run covers
        // keep its content.
        picture = QImage(*W, *H, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawImage(0, 0, m_ws.store.objects[slot].picture);
    }
    // A valid block paints every pixel once; beyond twice that, runs are only read, so a
    // hostile file costs reading time but no more.
    qint64 budget = usable ? 2 * qint64(*W) * *H : 0;
    int lastRow = -1;
    while (!m_reader.atEnd()) {
        const Four run = readFour(m_reader);
        const auto y = int32Of(run.value[0]);
        const auto x0 = int32Of(run.value[1]);
        const auto x1 = int32Of(run.value[2]);
        const auto colour = int32Of(run.value[3]);
        if (y && x0 && x1 && colour && *y == 0 && *x0 == 0 && *x1 == 0 && *colour == 0)
            break;
        if (!usable || !y || !x0 || !x1 || !colour || *y < 0 || *y >= *H)
            continue;
        const int from = std::max(*x0, 0);
        const int to = std::min(*x1, int32_t(*W));
        if (from >= to || budget < to - from)
            continue;
        budget -= to - from;
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(*y));
        std::fill(row + from, row + to,
                  qRgb(*colour & 0xFF, (*colour >> 8) & 0xFF, (*colour >> 16) & 0xFF));
        if (*y != lastRow)
            report(lastRow = *y, *H);
    }
    if (!usable)
        return;
    PictureObject& o = m_ws.store.objects[slot];
    o.picture = picture;
    o.Width = widthTwips && *widthTwips > 0 ? *widthTwips : PixelsToTwips(*W);
    o.Height = heightTwips && *heightTwips > 0 ? *heightTwips : PixelsToTwips(*H);
}

void Reader::line(const Values& v) {
    if (full(ElementStore::Lines))
        return;
    const int16_t slot = m_ws.FindEmpty(ElementStore::Lines);
    if (slot < 1)
        return;
    LineRecord& line = m_ws.store.lines[slot];
    line = LineRecord{};
    assign(line.Used, int32Field(v[2]));
    assign(line.FromObject, int32Field(v[3]));
    assign(line.ToObject, int32Field(v[4]));
    assign(line.LineType, int32Field(v[5]));
    assign(line.Colour, int32Field(v[6]));
    assign(line.LineWidth, int32Field(v[7]));
    assign(line.LineStyle, int32Field(v[8]));
    m_ws.canvas.lineHandles[slot].visible = m_ws.canvas.showHandles;
}

void Reader::text(const Values& v) {
    if (full(ElementStore::Texts))
        return;
    const int16_t slot = m_ws.FindEmpty(ElementStore::Texts);
    if (slot < 1) {
        m_ws.prompter().message(QStringLiteral("Програмна грешка"),
                                QStringLiteral("Грешка в паметта. Буфера за текст е претоварен !"),
                                Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    TextField& t = m_ws.store.texts[slot];
    t = TextField{};
    t.Caption = v.text(2);
    assign(t.Top, positionField(v[3]));
    assign(t.Left, positionField(v[4]));
    assign(t.ForeColor, int32Field(v[5]));
    assign(t.FontBold, v[6].toBool());
    assign(t.FontItalic, v[7].toBool());
    t.FontName = v.text(8);
    if (const std::optional<double> size = v[9].toNumber();
        size && std::isfinite(*size) && *size > 0 && *size <= 1638)
        t.FontSize = *size;
    assign(t.FontStrikethru, v[10].toBool());
    assign(t.FontUnderline, v[11].toBool());
    t.Visible = true;
    m_ws.store.textStatus[slot] = ElementStore::Used;
}

void Reader::shape(const Values& v) {
    if (full(ElementStore::Shapes))
        return;
    const int16_t slot = m_ws.FindEmpty(ElementStore::Shapes);
    if (slot < 1) {
        m_ws.prompter().message(QStringLiteral("Програмна грешка"),
                                QStringLiteral("Грешка в паметта. Буфера за форми е претоварен !"),
                                Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    ShapeRecord& s = m_ws.store.shapes[slot];
    s = ShapeRecord{};
    assign(s.Kind, std::optional<int32_t>(int16Field(v[2])));
    assign(s.X1, std::optional<int32_t>(int16Field(v[3])));
    assign(s.Y1, std::optional<int32_t>(int16Field(v[4])));
    assign(s.X2, std::optional<int32_t>(int16Field(v[5])));
    assign(s.Y2, std::optional<int32_t>(int16Field(v[6])));
    assign(s.BorderColour, int32Field(v[7]));
    assign(s.LineWidth, int32Field(v[8]));
    assign(s.FillStyle, int32Field(v[9]));
    assign(s.FillColour, int32Field(v[10]));
    assign(s.LineStyle, int32Field(v[11]));
    CanvasHandle& handle = m_ws.canvas.shapeHandles[slot];
    if (s.Kind == 2 || s.Kind == 3)
        handle.topLeft = QPointF(s.X1 + RoundHalfEven((s.X2 - s.X1) / 2.0) - 127,
                                 s.Y1 + (s.Y2 - s.Y1) / 2.0 - 127);
    else
        handle.topLeft = QPointF(s.X1, s.Y1);
    handle.visible = m_ws.canvas.showHandles;
}

void Reader::grid(const Values& v) {
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
    GridRecord& g = m_ws.store.grids[slot];
    g = GridRecord{};
    g.Used = 1;
    assign(g.Rows, std::optional<int32_t>(int16Field(v[2])));
    assign(g.Columns, std::optional<int32_t>(int16Field(v[3])));
    assign(g.Top, int32Field(v[4]));
    assign(g.Left, int32Field(v[5]));
    assign(g.Width, int32Field(v[6]));
    assign(g.Height, int32Field(v[7]));
    assign(g.Colour, int32Field(v[8]));
    assign(g.LineWidth, int32Field(v[9]));
    m_ws.canvas.gridHandles[slot] = CanvasHandle{true, QPointF(g.Left, g.Top)};
}

} // namespace

QByteArray DiaFile::write(const Workspace& ws, const Progress& progress) {
    const ElementStore& store = ws.store;
    // Grown in doublings: pixel blocks append millions of short lines.
    std::string out;
    WriteNotationWriter marker;
    marker.writeString(startMarker());
    marker.endRecord();
    out += marker.bytes().toStdString();

    for (int i = 1; i <= ElementStore::Capacity; ++i) {
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
    out += end.bytes().toStdString();
    return QByteArray(out.data(), qsizetype(out.size()));
}

DiaFile::ReadResult DiaFile::read(Workspace& workspace, const QByteArray& bytes,
                                  const Progress& progress) {
    return Reader(workspace, bytes, progress).run();
}
