#include "workspace/Pano.h"

#include "common/Units.h"
#include "workspace/Workspace.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {
constexpr int EdgeTwips = 255;
// Half the largest handle (17 pixels), rounded up.
constexpr int HandleReachPixels = 9;

QRectF boxOf(const QLineF& line) {
    return QRectF(line.p1(), line.p2()).normalized();
}
} // namespace

Pano::Pano(Workspace& workspace, QWidget* parent) : QWidget(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("Pano"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    MoveVertikal = new QScrollBar(Qt::Vertical, this);
    MoveVertikal->setObjectName(QStringLiteral("MoveVertikal"));
    MoveHorizont = new QScrollBar(Qt::Horizontal, this);
    MoveHorizont->setObjectName(QStringLiteral("MoveHorizont"));
    for (QScrollBar* bar : {MoveVertikal, MoveHorizont}) {
        bar->setRange(0, 0);
        bar->setEnabled(false);
    }

    Razmer = new QToolButton(this);
    Razmer->setObjectName(QStringLiteral("Razmer"));
    Razmer->setToolTip(QStringLiteral("Отключи и увеличи паното с 10%"));
    Razmer->setText(QStringLiteral("+"));
    cmdHelp = new QToolButton(this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp->setToolTip(QStringLiteral("Помощ"));
    cmdHelp->setText(QStringLiteral("?"));
    for (QToolButton* corner : {Razmer, cmdHelp}) {
        corner->setAutoRaise(false);
        corner->setFocusPolicy(Qt::NoFocus);
        corner->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; font-size: 9px; }"));
    }
    connect(&m_workspace, &Workspace::elementsChanged, this, &Pano::updateCanvas);
    connect(&m_workspace, &Workspace::persistentLayerChanged, this, &Pano::updateCanvas);
    connect(&m_workspace, &Workspace::elementMoved, this,
            [this](const QRectF& before, const QRectF& after) {
                updateTwips(before);
                updateTwips(after);
            });
    connect(&m_workspace, &Workspace::overlayMoved, this,
            [this](const QRectF& before, const QRectF& after) {
                updateTwips(before);
                updateTwips(after);
            });
    connect(&m_workspace, &Workspace::canvasStateChanged, this, [this] {
        updateCanvas();
        if (!underMouse())
            setCursor(m_workspace.canvas.pointer);
        else
            updatePointer(toDocument(mapFromGlobal(QCursor::pos())));
    });
}

double Pano::innerWidth() const {
    return PixelsToTwips(width());
}
double Pano::innerHeight() const {
    return PixelsToTwips(height());
}

void Pano::placeEdgeControls() {
    const int edge = TwipsToPixelRounded(EdgeTwips);
    const int w = width();
    const int h = height();
    MoveVertikal->setGeometry(0, 0, edge, std::max(h - edge, 0));
    MoveHorizont->setGeometry(edge, h - edge, std::max(w - 2 * edge, 0), edge);
    Razmer->setGeometry(0, h - edge, edge, edge);
    cmdHelp->setGeometry(w - edge, h - edge, edge, edge);
}

QPointF Pano::toDocument(QPointF pixels) const {
    return m_workspace.canvas.view.pixelsToDocument(pixels);
}

void Pano::updateCanvas() {
    // The scroll bars and corner buttons lie over the canvas; leaving them out of the area
    // keeps them from being painted again with every change of the diagram.
    QRegion area(rect());
    for (const QWidget* control :
         {static_cast<QWidget*>(MoveVertikal), static_cast<QWidget*>(MoveHorizont),
          static_cast<QWidget*>(Razmer), static_cast<QWidget*>(cmdHelp)})
        if (control->isVisible())
            area -= control->geometry();
    update(area);
}

void Pano::updateTwips(const QRectF& document) {
    if (document.isEmpty())
        return;
    const QRectF pixels = m_workspace.canvas.view.documentToPixels(document);
    // Whole pixels around the box, one more for edges that fall between pixels. Zoomed out,
    // handles are drawn larger than their boxes: half the largest handle more.
    const int margin = m_workspace.canvas.view.zoom < 1 ? 1 + HandleReachPixels : 1;
    update(pixels.toAlignedRect().adjusted(-margin, -margin, margin, margin));
}

// ---- painting ----

void Pano::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& bitmap = m_workspace.bitmap().image();
    if (bitmap.size() != size())
        painter.fillRect(rect(), ColourToQColor(Workspace::canvasBackColour()));
    painter.drawImage(QPoint(0, 0), bitmap);
    // What is not in the update area needs no painting: the renderer culls by the clip.
    painter.setClipRect(event->rect());
    m_workspace.canvas.view.apply(painter);
    m_layers.paint(painter);
    paintOverlays(painter);
}

void Pano::paintOverlays(QPainter& painter) const {
    const CanvasState& canvas = m_workspace.canvas;
    painter.setBrush(Qt::NoBrush);
    // Lines one pixel wide whatever the scale.
    const auto outline = [&painter](const CanvasOutline& o, const QColor& colour,
                                    Qt::PenStyle style) {
        if (!o.visible)
            return;
        QPen pen(colour, 0, style);
        painter.setPen(pen);
        painter.drawRect(o.rect);
    };
    // The first pick in blue, the second (or the context object) in red.
    outline(canvas.Ogr[0], QColor(0, 0, 255), Qt::DashLine);
    outline(canvas.Ogr[1], QColor(255, 0, 0), Qt::DotLine);
    outline(canvas.FoundBox, QColor(255, 0, 0), Qt::SolidLine);
    outline(canvas.shpSelection, Qt::black, Qt::DashLine);

    const RubberBand& band = canvas.rubberBand;
    if (!band.isVisible())
        return;
    // Inverted pixels, as a figure drawn in invert mode looks, as wide as the figure will be
    // at this zoom.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const double zoom = canvas.view.zoom;
    QPen pen(Qt::white, std::max(1L, std::lround(std::max(1, band.width) * zoom)));
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    switch (band.shape) {
    case RubberBand::Shape::Rectangle:
        painter.drawRect(boxOf(band.line));
        break;
    case RubberBand::Shape::Line:
        painter.drawLine(band.line);
        break;
    case RubberBand::Shape::Ellipse:
        painter.drawEllipse(boxOf(band.line));
        break;
    case RubberBand::Shape::None:
        break;
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Pano::resizeEvent(QResizeEvent*) {
    m_workspace.setCanvasSize(width(), height());
    placeEdgeControls();
}

// ---- the mouse ----

void Pano::finishMissedCanvasRelease(QPointF twips) {
    const Qt::MouseButton missed = m_layers.takeMissedCanvasRelease();
    if (missed != Qt::NoButton)
        emit canvasMouseUp(missed, twips);
}

void Pano::mousePressEvent(QMouseEvent* event) {
    const QPointF twips = toDocument(event->position());
    const bool element = m_layers.press(event->button(), event->buttons(), twips);
    finishMissedCanvasRelease(twips);
    if (!element)
        emit canvasMouseDown(event->button(), twips);
}

void Pano::mouseMoveEvent(QMouseEvent* event) {
    const QPointF twips = toDocument(event->position());
    const bool element = m_layers.move(event->buttons(), twips);
    finishMissedCanvasRelease(twips);
    if (!element)
        emit canvasMouseMove(event->buttons(), twips);
    updatePointer(twips);
}

void Pano::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF twips = toDocument(event->position());
    if (!m_layers.release(event->button(), event->buttons(), twips))
        emit canvasMouseUp(event->button(), twips);
}

void Pano::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        m_wheelDelta = 0;
        QWidget::wheelEvent(event);
        return;
    }
    // A notch is 120; fine-grained wheels send parts of one.
    m_wheelDelta += event->angleDelta().y();
    const int notches = m_wheelDelta / 120;
    m_wheelDelta -= notches * 120;
    if (notches != 0)
        emit zoomWheel(notches, event->position());
    event->accept();
}

void Pano::hideEvent(QHideEvent* event) {
    const QPointF twips = toDocument(mapFromGlobal(QCursor::pos()));
    m_layers.cancelGrab(twips);
    finishMissedCanvasRelease(twips);
    QWidget::hideEvent(event);
}

void Pano::updatePointer(QPointF twips) {
    Qt::CursorShape shape = m_workspace.canvas.pointer;
    CanvasLayerStack::Hit hit = m_layers.grab();
    if (!hit && !m_layers.canvasHasMouse())
        hit = m_layers.hitTest(twips);
    if (hit)
        shape = hit.layer->cursor(hit.slot);
    if (cursor().shape() != shape)
        setCursor(shape);
}

bool Pano::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const CanvasLayerStack::Hit hit = m_layers.hitTest(toDocument(help->pos()));
        const QString tip = hit ? hit.layer->toolTip(hit.slot) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    case QEvent::ActivationChange:
        if (!isActiveWindow()) {
            // Focus went elsewhere in the middle of a drag: the drag ends where it is.
            const QPointF twips = toDocument(mapFromGlobal(QCursor::pos()));
            m_layers.cancelGrab(twips);
            finishMissedCanvasRelease(twips);
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}
