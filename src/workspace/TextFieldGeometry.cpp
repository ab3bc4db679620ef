#include "workspace/TextFieldGeometry.h"

#include "common/Units.h"
#include "workspace/ElementStore.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace TextFieldGeometry {

namespace {
constexpr qint64 CacheBytes = 64 << 20;
} // namespace

QFont font(const TextField& field) {
    QFont f(field.FontName.isEmpty() ? QStringLiteral("MS Sans Serif") : field.FontName);
    f.setPointSizeF(field.FontSize > 0 ? field.FontSize : 8.25);
    f.setBold(field.FontBold);
    f.setItalic(field.FontItalic);
    f.setStrikeOut(field.FontStrikethru);
    f.setUnderline(field.FontUnderline);
    return f;
}

namespace {

// What a text's look depends on; the colour only for its picture. Cheap to make and compare,
// since every repaint asks for every text.
struct Key {
    QString caption;
    QString fontName;
    double fontSize = 0;
    int flags = 0;
    int32_t colour = 0;
    bool operator==(const Key& other) const {
        return fontSize == other.fontSize && flags == other.flags && colour == other.colour &&
               caption == other.caption && fontName == other.fontName;
    }
};

size_t qHash(const Key& key, size_t seed = 0) {
    return qHashMulti(seed, key.caption, key.fontName, key.fontSize, key.flags, key.colour);
}

Key cacheKey(const TextField& field, bool withColour) {
    return Key{field.Caption, field.FontName, field.FontSize,
               int(field.FontBold) | int(field.FontItalic) << 1 | int(field.FontStrikethru) << 2 |
                   int(field.FontUnderline) << 3,
               withColour ? field.ForeColor : 0};
}

} // namespace

QSizeF size(const TextField& field) {
    // Measuring text is slow and the canvas asks on every repaint, so sizes are remembered
    // by font and text.
    static QHash<Key, QSizeF> cache;
    const Key key = cacheKey(field, false);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    // Measure against a 96 dpi device so the size does not depend on the screen.
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    const QFontMetricsF metrics(font(field), &device);
    const double width = metrics.horizontalAdvance(field.Caption);
    const QSizeF result(PixelsToTwips(std::ceil(width)),
                        PixelsToTwips(std::ceil(metrics.height())));
    if (cache.size() > 4096)
        cache.clear();
    cache.insert(key, result);
    return result;
}

bool renderable(const TextField& field) {
    const QSizeF twips = size(field);
    return TwipsToPixelsExact(twips.width()) * TwipsToPixelsExact(twips.height()) <=
           LargestRenderedPixels;
}

void draw(QPainter& painter, const QRectF& box, const TextField& field) {
    painter.save();
    painter.setFont(font(field));
    painter.setPen(ColourToQColor(field.ForeColor));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, field.Caption);
    painter.restore();
}

QImage rendered(const TextField& field) {
    static QHash<Key, QImage> cache;
    static qint64 cachedBytes = 0;
    if (!renderable(field))
        return QImage();
    const Key key = cacheKey(field, true);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    const QSizeF twips = size(field);
    QImage image(std::max(1, static_cast<int>(std::lround(TwipsToPixelsExact(twips.width())))),
                 std::max(1, static_cast<int>(std::lround(TwipsToPixelsExact(twips.height())))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font(field));
    painter.setPen(ColourToQColor(field.ForeColor));
    painter.drawText(QRectF(QPointF(0, 0), image.size()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, field.Caption);
    painter.end();
    // Bounded by count and by bytes: a few huge texts must not hold on to memory.
    if (cache.size() > 2048 || cachedBytes > CacheBytes) {
        cache.clear();
        cachedBytes = 0;
    }
    cache.insert(key, image);
    cachedBytes += image.sizeInBytes();
    return image;
}

} // namespace TextFieldGeometry
