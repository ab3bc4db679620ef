#include "print/PrintPreview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace PrintPreview {

namespace {

constexpr int Largest16Bit = 32767;

int pixels(double twips) {
    return int(std::lround(twips / 15.0));
}

int clamp16(int number) {
    return std::clamp(number, -Largest16Bit - 1, Largest16Bit);
}

} // namespace

QImage pagePicture(const QImage& captured, const PrintLayout::Page& page) {
    QImage picture(pixels(page.size.width()), pixels(page.size.height()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (captured.isNull())
        return picture;
    const QRect target(pixels(page.image.left()), pixels(page.image.top()),
                       pixels(page.image.width()), pixels(page.image.height()));
    QPainter painter(&picture);
    if (target.size() == captured.size()) {
        painter.drawImage(target.topLeft(), captured);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, captured);
    }
    return picture;
}

QSize zoomSize(const QSize& page, int percent) {
    return QSize(page.width() * percent / 100, page.height() * percent / 100);
}

QPoint place(const QSize& holder, const QSize& zoom, bool centred) {
    if (!centred)
        return QPoint(0, 0);
    return QPoint((holder.width() - zoom.width()) / 2, (holder.height() - zoom.height()) / 2);
}

bool centredOnResize(const QSize& holder, const QSize& zoom) {
    return zoom.width() < holder.width() && zoom.height() < holder.height();
}

Axis axis(int holder, int zoom) {
    holder = std::max(holder, 0);
    Axis bar;
    bar.maximum = std::min(std::abs(clamp16(holder - zoom)), Largest16Bit);
    bar.pageStep = std::min(holder, Largest16Bit);
    bar.singleStep = std::max(1, std::min(holder / 5, Largest16Bit));
    return bar;
}

int offset(int value, int holder, int zoom) {
    return zoom > holder ? -value : value;
}

int value(int offset, int holder, int zoom) {
    const int shown = zoom > holder ? -offset : offset;
    return std::clamp(shown, 0, axis(holder, zoom).maximum);
}

QSize previewWindowSize(int width, const QSizeF& captured, int largestHeight) {
    if (captured.isEmpty() || width <= 0)
        return QSize();
    const double height = width * captured.height() / captured.width();
    if (height <= largestHeight)
        return QSize(width, std::max(1, int(std::lround(height))));
    return QSize(
        std::max(1, int(std::lround(largestHeight * captured.width() / captured.height()))),
        largestHeight);
}

} // namespace PrintPreview
