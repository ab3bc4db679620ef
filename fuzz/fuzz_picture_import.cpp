// Importing a picture from an image file: the reading steps of the import command (the capped
// decoder it shares with the library) on any bytes. The size the header gives is checked
// before anything is decoded, the picture's own size after, with Qt's allocation limit raised
// so the largest accepted picture can be read. What is read is then mounted in the sketchpad
// and inserted, as a user would.

#include "FuzzSupport.h"

#include "common/CappedImageReader.h"
#include "common/PictureLimits.h"
#include "sketchpad/Sketch.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace {

// Qt's decoders are not instrumented, so coverage alone sees only this file and keeps hardly
// any input. These counters, which libFuzzer reads as coverage, tell apart the format, the
// outcome, the pixel format and the size class of what was decoded, so inputs that reach a
// new combination stay in the corpus.
constexpr int Formats = 16;
constexpr int Outcomes = 8;
constexpr int PixelFormats = 40;
constexpr int SizeClasses = 15;
struct Counters {
    uint8_t outcome[Formats][Outcomes];
    uint8_t pixelFormat[Formats][PixelFormats];
    uint8_t size[Formats][SizeClasses][SizeClasses];
};
__attribute__((section("__libfuzzer_extra_counters"), used)) Counters counters;

int FormatIndex(const QByteArray& format) {
    static const QList<QByteArray> known = QImageReader::supportedImageFormats();
    return qBound(0, int(known.indexOf(format)) + 1, Formats - 1);
}

int SizeClass(int side) {
    int bits = 0;
    while (side > 0 && bits < SizeClasses - 1) {
        side >>= 1;
        ++bits;
    }
    return bits;
}

void Count(uint8_t& counter) {
    if (counter < 255)
        ++counter;
}

enum Outcome { RefusedByHeader, RefusedAfterReading, Decoded, FirstError };

bool TooLarge(QSize size) {
    return size.width() > LargestImportedPictureSide || size.height() > LargestImportedPictureSide;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool allowed = [] {
        AllowDecodingUpTo(LargestImportedPictureSide);
        return true;
    }();
    Q_UNUSED(allowed);

    QByteArray bytes = FuzzBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);

    // Asked before reading: afterwards the reader no longer knows.
    const QByteArray formatName = reader.format();
    const int format = FormatIndex(formatName);
    const CappedImage read = ReadCappedImage(reader, LargestImportedPictureSide);
    const QSize header = read.declared;
    if (header.isValid() && TooLarge(header)) {
        FUZZ_CHECK(read.outcome == CappedImage::Outcome::TooLarge && read.size == header);
        Count(counters.outcome[format][RefusedByHeader]);
        return 0; // refused before decoding
    }
    if (read.outcome == CappedImage::Outcome::Unreadable) {
        Count(counters.outcome[format][qBound(0, FirstError + int(reader.error()), Outcomes - 1)]);
        return 0;
    }
    if (read.outcome == CappedImage::Outcome::TooLarge) {
        // Larger than its header said: only GIF does that (see below).
        FUZZ_CHECK(TooLarge(read.size) && (!header.isValid() || formatName == "gif"));
        Count(counters.outcome[format][RefusedAfterReading]);
        return 0;
    }
    const QImage& picture = read.picture;
    Count(counters.outcome[format][Decoded]);
    Count(counters.pixelFormat[format][qBound(0, int(picture.format()), PixelFormats - 1)]);
    Count(counters.size[format][SizeClass(picture.width())][SizeClass(picture.height())]);
    // Decoding stays within Qt's allocation limit, raised only as far as the largest picture.
    FUZZ_CHECK(picture.sizeInBytes() <= qint64(QImageReader::allocationLimit()) << 20);
    FUZZ_CHECK(picture.width() > 0 && picture.height() > 0 && !TooLarge(picture.size()));
    // Qt's GIF reader tells the size of the first frame but reads the whole logical screen,
    // which may be larger: for GIF only the check after reading keeps the limit, and the
    // import has it. Every other format reads exactly the size its header gave.
    if (header.isValid() && formatName != "gif")
        FUZZ_CHECK(picture.size() == header);

    // The sketchpad mounts such a picture where it was dragged, reaching past the surface,
    // and inserts the drawn area: whatever the pixel format, the inserted picture is the part
    // on the surface with the margin.
    Sketch sketch(QSize(160, 120));
    sketch.mount(picture, QPoint(100, 20));
    const QImage inserted = sketch.selectedPicture();
    FUZZ_CHECK(inserted.format() == QImage::Format_RGB32);
    FUZZ_CHECK(inserted.size() ==
               QSize(qMin(picture.width(), 60) + 16, qMin(picture.height(), 100) + 16));
    return 0;
}
