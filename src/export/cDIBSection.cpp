#include "export/cDIBSection.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

qint64 scanLineBytes(qint64 width) {
    return (3 * width + 3) & ~qint64(3);
}

} // namespace

cDIBSection::~cDIBSection() = default;

int cDIBSection::BytesPerScanLine() const {
    return int(scanLineBytes(m_width));
}

void cDIBSection::ClearUp() {
    m_bits.reset();
    m_width = 0;
    m_height = 0;
}

bool cDIBSection::Create(int width, int height) {
    ClearUp();
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide)
        return false;
    // The image size is a 32-bit count of bytes.
    const qint64 size = scanLineBytes(width) * height;
    if (size > INT_MAX)
        return false;
    // Zero-filled, so the padding bytes and anything a copy leaves out are defined.
    m_bits.reset(new (std::nothrow) uchar[size_t(size)]());
    if (!m_bits)
        return false;
    m_width = width;
    m_height = height;
    return true;
}

bool cDIBSection::CreateFromPicture(const QImage& picture) {
    if (!Create(picture.width(), picture.height()))
        return false;
    LoadPictureBlt(picture, 0, 0, -1, -1);
    return true;
}

void cDIBSection::LoadPictureBlt(const QImage& source, int srcLeft, int srcTop, int srcWidth,
                                 int srcHeight) {
    if (!m_bits || source.isNull())
        return;
    // 64-bit arithmetic: the caller's rectangle may reach past the ends of int.
    qint64 left = srcLeft;
    qint64 top = srcTop;
    qint64 right = left + (srcWidth < 0 ? m_width : std::min<qint64>(srcWidth, m_width));
    qint64 bottom = top + (srcHeight < 0 ? m_height : std::min<qint64>(srcHeight, m_height));
    // The part of the rectangle inside the source; it lands at the same offset in the buffer.
    const qint64 destLeft = std::max<qint64>(0, -left);
    const qint64 destTop = std::max<qint64>(0, -top);
    left = std::max<qint64>(left, 0);
    top = std::max<qint64>(top, 0);
    right = std::min<qint64>(right, source.width());
    bottom = std::min<qint64>(bottom, source.height());
    const qint64 width = std::min(right - left, m_width - destLeft);
    const qint64 height = std::min(bottom - top, m_height - destTop);
    if (width <= 0 || height <= 0)
        return;

    const QImage part = source.copy(int(left), int(top), int(width), int(height))
                            .convertToFormat(QImage::Format_BGR888);
    if (part.isNull())
        return;
    const qint64 stride = scanLineBytes(m_width);
    for (int y = 0; y < part.height(); ++y) {
        const qint64 pictureRow = destTop + y;
        uchar* line = m_bits.get() + (m_height - 1 - pictureRow) * stride + 3 * destLeft;
        std::memcpy(line, part.constScanLine(y), size_t(3 * part.width()));
    }
}
