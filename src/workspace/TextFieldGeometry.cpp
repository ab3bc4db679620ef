#include "workspace/TextFieldGeometry.h"

#include "common/Units.h"
#include "workspace/ElementStore.h"

#include <QFontMetricsF>
#include <QImage>

namespace TextFieldGeometry {

QFont font(const TextField& field) {
    QFont f(field.FontName.isEmpty() ? QStringLiteral("MS Sans Serif") : field.FontName);
    f.setPointSizeF(field.FontSize > 0 ? field.FontSize : 8.25);
    f.setBold(field.FontBold);
    f.setItalic(field.FontItalic);
    f.setStrikeOut(field.FontStrikethru);
    f.setUnderline(field.FontUnderline);
    return f;
}

QSizeF size(const TextField& field) {
    // Measure against a 96 dpi device so the size does not depend on the screen.
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    const QFontMetricsF metrics(font(field), &device);
    const double width = metrics.horizontalAdvance(field.Caption);
    return QSizeF(PixelsToTwips(std::ceil(width)), PixelsToTwips(std::ceil(metrics.height())));
}

} // namespace TextFieldGeometry
