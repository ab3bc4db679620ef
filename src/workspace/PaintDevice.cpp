#include "workspace/PaintDevice.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace PaintDevice {

bool isVector(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device)
        return false;
    switch (device->devType()) {
    case QInternal::Printer:
    case QInternal::Picture:
        return true;
    case QInternal::Image:
    case QInternal::Pixmap:
    case QInternal::Widget:
        return false;
    default:
        break;
    }
    // A PDF or SVG writer names no device type of its own; its engine tells.
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine)
        return false;
    switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::SVG:
    case QPaintEngine::Picture:
        return true;
    default:
        return false;
    }
}

} // namespace PaintDevice
