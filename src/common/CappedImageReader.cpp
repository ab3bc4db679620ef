#include "common/CappedImageReader.h"

#include <QImageReader>
#include <utility>

CappedImage ReadCappedImage(QImageReader& reader, int maxSide) {
    CappedImage result;
    const auto tooLarge = [&](QSize size) {
        if (size.width() <= maxSide && size.height() <= maxSide)
            return false;
        result.outcome = CappedImage::Outcome::TooLarge;
        result.size = size;
        return true;
    };
    result.declared = reader.size();
    if (result.declared.isValid() && tooLarge(result.declared))
        return result;
    QImage picture = reader.read();
    if (picture.isNull() || tooLarge(picture.size()))
        return result;
    result.outcome = CappedImage::Outcome::Decoded;
    result.picture = std::move(picture);
    return result;
}

void AllowDecodingUpTo(int maxSide) {
    const int megabytes = int((qint64(maxSide) * maxSide * 4) >> 20) + 1;
    if (QImageReader::allocationLimit() < megabytes)
        QImageReader::setAllocationLimit(megabytes);
}
