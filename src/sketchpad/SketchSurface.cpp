#include "sketchpad/SketchSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

SketchSurface::SketchSurface(const Sketch& sketch, QWidget* parent)
    : QWidget(parent), m_sketch(sketch) {
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

QRect SketchSurface::bandArea(const Band& band) {
    return QRect(band.from, band.to).normalized().adjusted(-2, -2, 2, 2);
}

void SketchSurface::setBand(const std::optional<Band>& band) {
    if (m_band)
        update(bandArea(*m_band));
    m_band = band;
    if (m_band)
        update(bandArea(*m_band));
}

void SketchSurface::setSelection(const QRect& pixels) {
    if (!m_selection.isEmpty())
        update(m_selection.adjusted(-1, -1, 1, 1));
    m_selection = pixels;
    if (!m_selection.isEmpty())
        update(m_selection.adjusted(-1, -1, 1, 1));
}

void SketchSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const QImage& image = m_sketch.image();
    painter.drawImage(area.topLeft(), image, area);
    const QRect beyond = QRegion(area).subtracted(image.rect()).boundingRect();
    if (!beyond.isEmpty())
        painter.fillRect(beyond, Qt::white);
    if (!m_selection.isEmpty()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_selection.adjusted(0, 0, -1, -1));
    }
    if (m_band) {
        // Inverted, as the figure will look wherever it crosses the drawing.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        const QRect box = QRect(m_band->from, m_band->to).normalized();
        switch (m_band->tool) {
        case Sketch::Tool::Box:
            painter.drawRect(box.adjusted(0, 0, -1, -1));
            break;
        case Sketch::Tool::Circle:
            painter.drawEllipse(box.adjusted(0, 0, -1, -1));
            break;
        default:
            painter.drawLine(m_band->from, m_band->to);
            break;
        }
    }
}

void SketchSurface::mousePressEvent(QMouseEvent* event) {
    if (pressed)
        pressed(event->button(), event->position().toPoint());
}

void SketchSurface::mouseMoveEvent(QMouseEvent* event) {
    if (moved)
        moved(event->buttons(), event->position().toPoint());
}

void SketchSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (released)
        released(event->button(), event->position().toPoint());
}
