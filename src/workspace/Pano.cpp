#include "workspace/Pano.h"

#include "common/Units.h"
#include "workspace/TextFieldGeometry.h"
#include "workspace/Workspace.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QToolTip>

namespace {
constexpr int EdgeTwips = 255;
}

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
    connect(&m_workspace, &Workspace::elementsChanged, this, qOverload<>(&QWidget::update));
    connect(&m_workspace, &Workspace::canvasChanged, this, qOverload<>(&QWidget::update));
}

double Pano::innerWidth() const {
    return PixelsToTwips(width());
}
double Pano::innerHeight() const {
    return PixelsToTwips(height());
}

void Pano::placeEdgeControls() {
    const int edge = TwipsToPixel(EdgeTwips);
    const int w = width();
    const int h = height();
    MoveVertikal->setGeometry(0, 0, edge, std::max(h - edge, 0));
    MoveHorizont->setGeometry(edge, h - edge, std::max(w - 2 * edge, 0), edge);
    Razmer->setGeometry(0, h - edge, edge, edge);
    cmdHelp->setGeometry(w - edge, h - edge, edge, edge);
}

void Pano::setElementHandler(ElementKind kind, ElementHandler* handler) {
    if (kind == ElementKind::Picture)
        m_pictureHandler = handler;
    else if (kind == ElementKind::Text)
        m_textHandler = handler;
}

Pano::ElementHandler* Pano::handlerFor(ElementKind kind) const {
    switch (kind) {
    case ElementKind::Picture:
        return m_pictureHandler;
    case ElementKind::Text:
        return m_textHandler;
    case ElementKind::None:
        break;
    }
    return nullptr;
}

QRectF Pano::elementRect(const Hit& hit) const {
    const ElementStore& store = m_workspace.store;
    if (hit.kind == ElementKind::Picture) {
        const PictureObject& o = store.objects[hit.slot];
        return QRectF(o.Left, o.Top, o.Width, o.Height);
    }
    if (hit.kind == ElementKind::Text) {
        const TextField& t = store.texts[hit.slot];
        return QRectF(QPointF(t.Left, t.Top), TextFieldGeometry::size(t));
    }
    return {};
}

Pano::Hit Pano::hitTest(QPointF twips) const {
    const ElementStore& store = m_workspace.store;
    for (int slot = ElementStore::Capacity; slot >= 1; --slot) {
        if (store.textStatus[slot] == ElementStore::Used && store.texts[slot].Visible) {
            const Hit hit{ElementKind::Text, slot};
            if (elementRect(hit).contains(twips))
                return hit;
        }
    }
    for (int slot = ElementStore::Capacity; slot >= 1; --slot) {
        if (store.objectStatus[slot] == ElementStore::Used && store.objects[slot].Visible) {
            const Hit hit{ElementKind::Picture, slot};
            if (elementRect(hit).contains(twips))
                return hit;
        }
    }
    return {};
}

void Pano::paintDiagram(QPainter& painter, const Workspace& workspace) {
    const ElementStore& store = workspace.store;
    const QRectF clip = painter.hasClipping()
                            ? painter.clipBoundingRect()
                            : QRectF(0, 0, painter.device()->width(), painter.device()->height());
    painter.drawImage(QPointF(0, 0), workspace.canvas());
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const PictureObject& o = store.objects[slot];
        if (store.objectStatus[slot] != ElementStore::Used || !o.Visible || o.picture.isNull())
            continue;
        const QRectF target(TwipsToPixels(o.Left), TwipsToPixels(o.Top), TwipsToPixels(o.Width),
                            TwipsToPixels(o.Height));
        if (!clip.intersects(target))
            continue;
        if (target.size() == QSizeF(o.picture.size()))
            painter.drawImage(QPoint(TwipsToPixel(o.Left), TwipsToPixel(o.Top)), o.picture);
        else
            painter.drawImage(target, o.picture);
    }
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const TextField& t = store.texts[slot];
        if (store.textStatus[slot] != ElementStore::Used || !t.Visible)
            continue;
        const QSizeF size = TextFieldGeometry::size(t);
        const QRectF box(TwipsToPixels(t.Left), TwipsToPixels(t.Top), TwipsToPixels(size.width()),
                         TwipsToPixels(size.height()));
        if (!clip.intersects(box))
            continue;
        painter.drawImage(QPoint(TwipsToPixel(t.Left), TwipsToPixel(t.Top)),
                          TextFieldGeometry::rendered(t));
    }
}

void Pano::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourToQColor(Workspace::canvasBackColour()));
    paintDiagram(painter, m_workspace);
    for (int i = 0; i < 2; ++i) {
        if (!m_Ogr[i].visible)
            continue;
        // The first pick in blue, the second (or the context object) in red.
        QPen pen(i == 0 ? QColor(0, 0, 255) : QColor(255, 0, 0), 1,
                 i == 0 ? Qt::DashLine : Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRectF& r = m_Ogr[i].rect;
        painter.drawRect(QRectF(TwipsToPixels(r.left()), TwipsToPixels(r.top()),
                                TwipsToPixels(r.width()), TwipsToPixels(r.height())));
    }
    if (m_selectionVisible) {
        QPen pen(Qt::black, 1, Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(
            TwipsToPixels(m_selectionRect.left()), TwipsToPixels(m_selectionRect.top()),
            TwipsToPixels(m_selectionRect.width()), TwipsToPixels(m_selectionRect.height())));
    }
}

void Pano::setOutline(int index, bool visible, const QRectF& twips) {
    if (index < 0 || index > 1)
        return;
    m_Ogr[index].visible = visible;
    if (!twips.isNull())
        m_Ogr[index].rect = twips;
    update();
}

bool Pano::outlineVisible(int index) const {
    return index >= 0 && index <= 1 && m_Ogr[index].visible;
}

QRectF Pano::outlineRect(int index) const {
    return index >= 0 && index <= 1 ? m_Ogr[index].rect : QRectF();
}

void Pano::setSelectionOutline(bool visible, const QRectF& twips) {
    m_selectionVisible = visible;
    m_selectionRect = twips;
    update();
}

void Pano::resizeEvent(QResizeEvent*) {
    m_workspace.resizeCanvas(width(), height());
    placeEdgeControls();
}

QPointF Pano::toTwips(QPointF pixels) {
    return QPointF(PixelsToTwips(pixels.x()), PixelsToTwips(pixels.y()));
}

void Pano::mousePressEvent(QMouseEvent* event) {
    const QPointF twips = toTwips(event->position());
    if (event->buttons() == event->button()) {
        // A fresh press: a grab whose release went elsewhere (a popup menu) is over.
        m_grab = {};
        m_canvasGrab = false;
    }
    if (m_grab.kind == ElementKind::None && !m_canvasGrab) {
        const Hit hit = hitTest(twips);
        if (ElementHandler* handler = handlerFor(hit.kind)) {
            m_grab = hit;
            handler->elementMouseDown(hit.slot, event->button(), twips - elementRect(hit).topLeft(),
                                      twips);
            return;
        }
        m_canvasGrab = true;
    } else if (m_grab.kind != ElementKind::None) {
        // Another button while an element holds the mouse goes to that element.
        if (ElementHandler* handler = handlerFor(m_grab.kind))
            handler->elementMouseDown(m_grab.slot, event->button(),
                                      twips - elementRect(m_grab).topLeft(), twips);
        return;
    }
    emit canvasMouseDown(event->button(), twips);
}

void Pano::mouseMoveEvent(QMouseEvent* event) {
    const QPointF twips = toTwips(event->position());
    if (m_grab.kind != ElementKind::None) {
        if (ElementHandler* handler = handlerFor(m_grab.kind))
            handler->elementMouseMove(m_grab.slot, event->buttons(),
                                      twips - elementRect(m_grab).topLeft());
        return;
    }
    if (!m_canvasGrab) {
        // Hovering: the element under the pointer sees the move too (cursor, tooltips).
        const Hit hit = hitTest(twips);
        if (ElementHandler* handler = handlerFor(hit.kind)) {
            handler->elementMouseMove(hit.slot, event->buttons(),
                                      twips - elementRect(hit).topLeft());
            return;
        }
    }
    emit canvasMouseMove(event->buttons(), twips);
}

void Pano::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF twips = toTwips(event->position());
    if (m_grab.kind != ElementKind::None) {
        const Hit grab = m_grab;
        if (event->buttons() == Qt::NoButton)
            m_grab = {};
        if (ElementHandler* handler = handlerFor(grab.kind))
            handler->elementMouseUp(grab.slot, event->button(),
                                    twips - elementRect(grab).topLeft());
        return;
    }
    if (event->buttons() == Qt::NoButton)
        m_canvasGrab = false;
    emit canvasMouseUp(event->button(), twips);
}

bool Pano::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitTest(toTwips(help->pos()));
        if (hit.kind == ElementKind::Picture) {
            const QString tip = m_workspace.store.objects[hit.slot].ToolTipText;
            if (!tip.isEmpty()) {
                QToolTip::showText(help->globalPos(), tip, this);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}
