#include "objects/Orientation.h"

#include <QColorSpace>
#include <algorithm>
#include <cstring>

namespace {

// Source columns handled per pass. A pass walks every source row once and writes this many
// destination rows side by side, so the destination lines being filled stay in the cache
// until they are full, and the bar moves on after each pass.
constexpr int StripWidth = 64;
// Source rows read together, so each destination row gets that many neighbouring pixels at
// a time.
constexpr int RowGroup = 8;

// A pixel as raw bytes: copied whatever it encodes, with no alignment assumed.
template <int N> struct PixelBytes { uchar b[N]; };

template <int N>
void transposeBytes(const QImage& source, QImage& result, const Orientation::Progress& progress) {
    using Pixel = PixelBytes<N>;
    const int w = source.width();
    const int h = source.height();
    const uchar* in = source.constBits();
    uchar* out = result.bits();
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = result.bytesPerLine();
    const auto row = [&](int y) { return reinterpret_cast<const Pixel*>(in + y * inStride); };
    for (int x0 = 0; x0 < w; x0 += StripWidth) {
        const int x1 = std::min(x0 + StripWidth, w);
        uchar* outStrip = out + x0 * outStride;
        int y = 0;
        for (; y + RowGroup <= h; y += RowGroup) {
            const Pixel* rows[RowGroup];
            for (int k = 0; k < RowGroup; ++k)
                rows[k] = row(y + k);
            uchar* column = outStrip + qsizetype(y) * N;
            for (int x = x0; x < x1; ++x, column += outStride) {
                Pixel* pixels = reinterpret_cast<Pixel*>(column);
                for (int k = 0; k < RowGroup; ++k)
                    pixels[k] = rows[k][x];
            }
        }
        for (; y < h; ++y) {
            const Pixel* rest = row(y);
            uchar* column = outStrip + qsizetype(y) * N;
            for (int x = x0; x < x1; ++x, column += outStride)
                *reinterpret_cast<Pixel*>(column) = rest[x];
        }
        if (progress)
            progress(x1, w);
    }
}

// One bit a pixel, most or least significant bit first.
void transposeBits(const QImage& source, QImage& result, const Orientation::Progress& progress) {
    const bool lsbFirst = source.format() == QImage::Format_MonoLSB;
    const auto shift = [lsbFirst](int x) { return lsbFirst ? (x & 7) : 7 - (x & 7); };
    const int w = source.width();
    const int h = source.height();
    const uchar* in = source.constBits();
    uchar* out = result.bits();
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = result.bytesPerLine();
    std::memset(out, 0, size_t(result.sizeInBytes()));
    for (int x0 = 0; x0 < w; x0 += StripWidth) {
        const int x1 = std::min(x0 + StripWidth, w);
        for (int y = 0; y < h; ++y) {
            const uchar* row = in + y * inStride;
            const uchar mask = uchar(1u << shift(y));
            for (int x = x0; x < x1; ++x)
                if ((row[x >> 3] >> shift(x)) & 1)
                    out[x * outStride + (y >> 3)] |= mask;
        }
        if (progress)
            progress(x1, w);
    }
}

} // namespace

namespace Orientation {

QImage mirroredLeftRight(const QImage& picture) {
    return picture.mirrored(true, false);
}

QImage mirroredTopBottom(const QImage& picture) {
    return picture.mirrored(false, true);
}

QImage transposed(const QImage& picture, const Progress& progress) {
    if (picture.isNull())
        return {};
    QImage result(picture.height(), picture.width(), picture.format());
    if (result.isNull())
        return {};
    result.setColorTable(picture.colorTable());
    result.setColorSpace(picture.colorSpace());
    result.setDevicePixelRatio(picture.devicePixelRatio());
    result.setDotsPerMeterX(picture.dotsPerMeterY());
    result.setDotsPerMeterY(picture.dotsPerMeterX());
    for (const QString& key : picture.textKeys())
        result.setText(key, picture.text(key));
    switch (picture.depth()) {
    case 1:
        transposeBits(picture, result, progress);
        break;
    case 8:
        transposeBytes<1>(picture, result, progress);
        break;
    case 16:
        transposeBytes<2>(picture, result, progress);
        break;
    case 24:
        transposeBytes<3>(picture, result, progress);
        break;
    case 32:
        transposeBytes<4>(picture, result, progress);
        break;
    case 64:
        transposeBytes<8>(picture, result, progress);
        break;
    case 128:
        transposeBytes<16>(picture, result, progress);
        break;
    default:
        return {};
    }
    return result;
}

} // namespace Orientation
