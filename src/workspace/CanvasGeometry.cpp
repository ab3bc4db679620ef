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

QRectF elementRect(const ElementStore& store, ElementRef element) {
    if (element.slot < 1 || element.slot > ElementStore::Capacity)
        return {};
    switch (element.kind) {
    case ElementKind::Picture:
        return pictureRect(store.objects[element.slot]);
    case ElementKind::Text:
        return textRect(store.texts[element.slot]);
    default:
        return {};
    }
}

} // namespace CanvasGeometry
