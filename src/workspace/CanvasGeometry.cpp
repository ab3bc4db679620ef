#include "workspace/CanvasGeometry.h"

#include "workspace/ElementStore.h"
#include "workspace/TextFieldGeometry.h"

namespace CanvasGeometry {

QRectF outlineAround(const QRectF& box) {
    return box.adjusted(-OutlineMargin, -OutlineMargin, OutlineMargin, OutlineMargin);
}

QRectF pictureRect(const PictureObject& picture) {
    return QRectF(picture.Left, picture.Top, picture.Width, picture.Height);
}

QRectF textRect(const TextField& text) {
    return QRectF(QPointF(text.Left, text.Top), TextFieldGeometry::size(text));
}

} // namespace CanvasGeometry
