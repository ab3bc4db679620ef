#include "export/GIF.h"

#include "common/AtomicSave.h"
#include "common/Numeric.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr uint32_t ClearCode = 256;
constexpr uint32_t EndCode = 257;
constexpr uint32_t FirstEntryCode = 258;
// Entries 258..510 at most between clear codes: a decoder's next free code then stays
// below 512 and the fixed 9-bit width never has to grow.
constexpr int MaxEntries = 253;
constexpr int CodeBits = 9;
constexpr int SubBlockSize = 255;
constexpr int ProgressRows = 10;
// Written bytes are handed to the file in pieces of about this size.
constexpr qsizetype FlushBytes = 1 << 20;

using Palette = std::array<QRgb, 256>;

// Nearest of the levels 0, 64, 128, 192, 255 per channel; that is the nearest cube colour in
// RGB space, as the channels are independent. A value halfway between two levels (32, 96,
// 160) takes the darker one.
struct CubeTables {
    std::array<uint8_t, 256> red{}, green{}, blue{};
};

const CubeTables& cubeTables() {
    static const CubeTables tables = [] {
        constexpr int levels[5] = {0, 64, 128, 192, 255};
        CubeTables t;
        for (int v = 0; v < 256; ++v) {
            int best = 0;
            for (int l = 1; l < 5; ++l) {
                if (std::abs(v - levels[l]) < std::abs(v - levels[best]))
                    best = l;
            }
            t.red[v] = static_cast<uint8_t>(best);
            t.green[v] = static_cast<uint8_t>(5 * best);
            t.blue[v] = static_cast<uint8_t>(25 * best);
        }
        return t;
    }();
    return tables;
}

Palette cubePalette() {
    constexpr int levels[5] = {0, 64, 128, 192, 255};
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    for (int i = 0; i < 125; ++i)
        palette[i] = qRgb(levels[i % 5], levels[i / 5 % 5], levels[i / 25]);
    return palette;
}

// Bytes of the file being made; with a device they are passed on once enough gathered.
class Output {
public:
    explicit Output(AtomicSave* file) : m_file(file) {}

    void byte(int value) { m_bytes.append(static_cast<char>(value)); }
    void word(int value) {
        byte(value & 0xFF);
        byte(value >> 8 & 0xFF);
    }
    void bytes(const uint8_t* data, int count) {
        m_bytes.append(reinterpret_cast<const char*>(data), count);
    }
    // False once the device refused bytes: there is no point coding the rest.
    bool flush(bool always) {
        if (!m_file || (!always && m_bytes.size() < FlushBytes))
            return true;
        const bool written = m_file->write(m_bytes);
        m_bytes.resize(0); // keeps the capacity for the next piece
        return written;
    }
    QByteArray take() { return std::move(m_bytes); }

private:
    AtomicSave* m_file;
    QByteArray m_bytes;
};

// The LZW coder of the image data. The dictionary keys a string by (code of the string
// without its last pixel, last pixel), which names the same strings as the pixel sequences
// themselves. Runs of one index (most of a diagram) have their own table: the run p^k is
// entered right after p^(k-1), so a run extends to the longest one entered without a lookup
// per pixel. Every other string lives in an open-addressed table. Both carry the generation
// they were filled in, so emptying the dictionary is starting a new generation.
class LzwCoder {
public:
    explicit LzwCoder(Output& out) : m_out(out) {}

    void codeRow(const uint8_t* row, int width) {
        // Worst case every pixel is a code, plus the clear codes; 4 spare bytes for put().
        const size_t room = m_rawLength + (static_cast<size_t>(width) * 2 + 8) * CodeBits / 8 + 8;
        if (m_raw.size() < room)
            m_raw.resize(room);

        put(ClearCode);
        empty();
        uint32_t pending = row[0];
        if (width == 1) {
            put(pending);
            frame(false);
            return;
        }
        // The first candidate of a row is the second pixel on its own: never in the empty
        // dictionary, so it is entered as 258, an entry no later candidate of two pixels or
        // more can match. Only the count sees it.
        put(pending);
        m_entries = 1;
        pending = row[1];
        // The pending string is runPixel runLength times, or something else (runLength 0).
        uint32_t runPixel = pending;
        int runLength = 1;
        const uint64_t* table = m_slots.data();
        int x = 2;
        while (x < width) {
            const uint32_t pixel = row[x];
            if (runLength > 0 && pixel == runPixel) {
                const int longest =
                    m_runGeneration[pixel] == m_generation ? m_runLongest[pixel] : 1;
                if (runLength < longest) {
                    const int limit = std::min(width, x + longest - runLength);
                    int end = x + 1;
                    while (end < limit && row[end] == pixel)
                        ++end;
                    runLength += end - x;
                    pending = m_runCodes[pixel * 256 + runLength];
                    x = end;
                    continue;
                }
                put(pending);
                if (roomForEntry()) {
                    m_runCodes[pixel * 256 + runLength + 1] = nextCode();
                    m_runLongest[pixel] = static_cast<uint8_t>(runLength + 1);
                    m_runGeneration[pixel] = m_generation;
                }
                pending = pixel;
                runLength = 1;
                ++x;
                continue;
            }
            // Slots of older generations are smaller than the current one's.
            const uint64_t current = m_generation << 26;
            const uint64_t tag = current | (pending << 8 | pixel) << 9;
            // Each lookup waits for the previous one, so the hash is as short as it can be.
            uint32_t slot = (pending ^ pixel << 3) & (TableSize - 1);
            uint64_t held;
            while ((held = table[slot]) >= current && (held ^ tag) >> 9 != 0)
                slot = (slot + 1) & (TableSize - 1);
            ++x;
            if (held >= current) {
                pending = static_cast<uint32_t>(held & 0x1FF);
                runLength = 0;
                continue;
            }
            put(pending);
            if (roomForEntry())
                m_slots[slot] = tag | nextCode();
            pending = pixel;
            runPixel = pixel;
            runLength = 1;
        }
        put(pending);
        frame(false);
    }

    // The end code, the last sub-block and the block terminator.
    void finish() {
        if (m_raw.size() < m_rawLength + 8)
            m_raw.resize(m_rawLength + 8);
        put(EndCode);
        while (m_bitCount > 0) {
            m_raw[m_rawLength++] = static_cast<uint8_t>(m_bits);
            m_bits >>= 8;
            m_bitCount -= 8;
        }
        m_bitCount = 0;
        frame(true);
        m_out.byte(0x00);
    }

private:
    static constexpr int TableBits = 11;
    static constexpr uint32_t TableSize = 1u << TableBits;

    void empty() {
        ++m_generation;
        m_entries = 0;
    }

    // After a miss: false when the dictionary is full, which is emptied then (a clear code
    // follows the code just written and the candidate is not entered).
    bool roomForEntry() {
        if (m_entries < MaxEntries)
            return true;
        put(ClearCode);
        empty();
        return false;
    }
    uint32_t nextCode() { return FirstEntryCode + m_entries++; }

    // Codes go out least significant bit first, gathered 32 bits at a time.
    void put(uint32_t code) {
        m_bits |= static_cast<uint64_t>(code) << m_bitCount;
        m_bitCount += CodeBits;
        if (m_bitCount >= 32) {
            uint8_t* dst = m_raw.data() + m_rawLength;
            dst[0] = static_cast<uint8_t>(m_bits);
            dst[1] = static_cast<uint8_t>(m_bits >> 8);
            dst[2] = static_cast<uint8_t>(m_bits >> 16);
            dst[3] = static_cast<uint8_t>(m_bits >> 24);
            m_rawLength += 4;
            m_bits >>= 32;
            m_bitCount -= 32;
        }
    }

    // Full sub-blocks of 255 data bytes go out as soon as a byte beyond them exists, so the
    // last sub-block holds 1 to 255 bytes, never 0.
    void frame(bool last) {
        size_t start = 0;
        while (m_rawLength - start > SubBlockSize) {
            m_out.byte(SubBlockSize);
            m_out.bytes(m_raw.data() + start, SubBlockSize);
            start += SubBlockSize;
        }
        const size_t rest = m_rawLength - start;
        if (last) {
            m_out.byte(static_cast<int>(rest));
            m_out.bytes(m_raw.data() + start, static_cast<int>(rest));
            m_rawLength = 0;
            return;
        }
        std::memmove(m_raw.data(), m_raw.data() + start, rest);
        m_rawLength = rest;
    }

    Output& m_out;
    // Slot: generation (38 bits), key (17 bits: prefix code, pixel), code (9 bits).
    std::vector<uint64_t> m_slots = std::vector<uint64_t>(TableSize, 0);
    // Per index: the code of each run length entered (2..254), the longest run entered.
    std::vector<uint16_t> m_runCodes = std::vector<uint16_t>(256 * 256, 0);
    std::array<uint8_t, 256> m_runLongest{};
    std::array<uint64_t, 256> m_runGeneration{};
    uint64_t m_generation = 0;
    int m_entries = 0;
    std::vector<uint8_t> m_raw;
    size_t m_rawLength = 0;
    uint64_t m_bits = 0;
    int m_bitCount = 0;
};

// The whole file into `out`; false when its device stopped taking bytes.
bool writeGif(const QImage& picture, bool UseTrans, int32_t TransColor,
              const std::function<void(int16_t)>& progress, Output& out) {
    const int width = picture.width();
    const int height = picture.height();

    // Rows come either straight from the picture (8-bit pictures) or through the cube.
    QImage source = picture;
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    bool indexed = false;
    if (picture.format() == QImage::Format_Indexed8) {
        const QVector<QRgb> table = picture.colorTable();
        for (int i = 0; i < table.size() && i < 256; ++i)
            palette[i] = table[i];
        indexed = true;
    } else if (picture.format() == QImage::Format_Grayscale8) {
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(i, i, i);
        indexed = true;
    } else {
        palette = cubePalette();
        // RGB32 and ARGB32 hold the colours as they are; Qt's own conversion to RGB32 keeps
        // colours the same way for every other format.
        if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
            source = picture.convertToFormat(QImage::Format_RGB32);
    }

    int transparentIndex = 0;
    for (int i = 0; i < 256; ++i) {
        const QRgb c = palette[i];
        if ((qRed(c) | qGreen(c) << 8 | qBlue(c) << 16) == TransColor) {
            transparentIndex = i;
            break;
        }
    }

    out.bytes(reinterpret_cast<const uint8_t*>(UseTrans ? "GIF89a" : "GIF87a"), 6);
    out.word(width);
    out.word(height);
    out.byte(0xF7);
    out.byte(0);
    out.byte(0);
    for (const QRgb c : palette) {
        out.byte(qRed(c));
        out.byte(qGreen(c));
        out.byte(qBlue(c));
    }
    if (UseTrans) {
        const uint8_t control[8] = {
            0x21, 0xF9, 0x04, 0x09, 0x00, 0x00, static_cast<uint8_t>(transparentIndex), 0x00};
        out.bytes(control, 8);
    }
    out.byte(0x2C);
    out.word(0);
    out.word(0);
    out.word(width);
    out.word(height);
    out.byte(0x07);
    out.byte(0x08);

    const CubeTables& cube = cubeTables();
    std::vector<uint8_t> rowIndices(indexed ? 0 : width);
    LzwCoder coder(out);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row;
        if (indexed) {
            row = source.constScanLine(y);
        } else {
            const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                const QRgb c = pixels[x];
                rowIndices[x] = static_cast<uint8_t>(cube.red[qRed(c)] + cube.green[qGreen(c)] +
                                                     cube.blue[qBlue(c)]);
            }
            row = rowIndices.data();
        }
        coder.codeRow(row, width);
        if (!out.flush(false))
            return false;
        const int done = y + 1;
        if (done % ProgressRows == 0 && progress)
            progress(static_cast<int16_t>(RoundHalfEven(done * 100.0 / height)));
    }
    coder.finish();
    out.byte(0x3B);
    return out.flush(true);
}

} // namespace

QString GIF::refusal(const QImage& Pic) {
    if (Pic.isNull() || Pic.width() < 1 || Pic.height() < 1)
        return QStringLiteral("Няма картина за запис в GIF файл.");
    if (Pic.width() > LargestSide || Pic.height() > LargestSide)
        return QStringLiteral("Картината е твърде голяма за GIF файл (%1 x %2 пиксела; "
                              "най-много %3 на страна).")
            .arg(Pic.width())
            .arg(Pic.height())
            .arg(LargestSide);
    return QString();
}

QByteArray GIF::encode(const QImage& Pic, bool UseTrans, int32_t TransColor,
                       const std::function<void(int16_t)>& progress) {
    if (!refusal(Pic).isEmpty())
        return QByteArray();
    Output out(nullptr);
    writeGif(Pic, UseTrans, TransColor, progress, out);
    return out.take();
}

bool GIF::SaveGIF(const QImage& Pic, const QString& sFileName, bool UseTrans, int32_t TransColor) {
    if (m_busy) {
        m_lastError = QStringLiteral("Предишният запис на GIF файл още не е завършил.");
        return false;
    }
    const QString refused = refusal(Pic);
    if (!refused.isEmpty()) {
        m_lastError = refused;
        return false;
    }
    m_busy = true;
    struct Idle {
        bool& busy;
        ~Idle() { busy = false; }
    } idle{m_busy};

    // Own copies: a handler may run the event loop, and something may replace the caller's
    // picture or Progress itself meanwhile.
    const QImage picture = Pic;
    const std::function<void(int16_t)> handler = Progress;
    const auto progress = [&handler](int16_t percents) {
        if (handler)
            handler(percents);
    };

    AtomicSave file(sFileName);
    Output out(&file);
    if (!(file.open() && writeGif(picture, UseTrans, TransColor, progress, out) && file.commit())) {
        m_lastError = file.message();
        return false;
    }
    m_lastError.clear();
    return true;
}
