#include "workspace/FloatingPanel.h"

#include "common/Units.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

FloatingPanel::FloatingPanel(const QString& name, const QString& title, QWidget* parent)
    : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    caption = new QLabel(title, this);
    caption->setObjectName(name + QStringLiteral("Caption"));
    caption->setAutoFillBackground(true);
    QPalette titlePalette = caption->palette();
    titlePalette.setColor(QPalette::Window, QColor(0, 0, 128));
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(titlePalette);
    caption->setContentsMargins(4, 2, 4, 2);
    caption->setCursor(Qt::SizeAllCursor);

    m_drag = SimpleDragAndDrop(
        [this] {
            return QRectF(PixelsToTwips(x()), PixelsToTwips(y()), PixelsToTwips(width()),
                          PixelsToTwips(height()));
        },
        [this](double left, double top) {
            move(TwipsToPixelRounded(left), TwipsToPixelRounded(top));
        },
        [this] {
            const QWidget* container = parentWidget();
            return container ? QRectF(0, 0, PixelsToTwips(container->width()),
                                      PixelsToTwips(container->height()))
                             : QRectF();
        });
    m_drag.LimitMode = 1;
}

void FloatingPanel::keepInside() {
    const QWidget* container = parentWidget();
    if (!container)
        return;
    const int left = std::max(0, std::min(x(), container->width() - width()));
    const int top = std::max(0, std::min(y(), container->height() - height()));
    if (left != x() || top != y())
        move(left, top);
}

QLabel* FloatingPanel::addLink(const QString& name, const QString& text, const QString& tooltip,
                               std::function<void()> clicked) {
    auto* link = new QLabel(text, this);
    link->setObjectName(name);
    link->setToolTip(tooltip);
    link->setCursor(Qt::PointingHandCursor);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    link->installEventFilter(this);
    m_links.insert(link, std::move(clicked));
    return link;
}

void FloatingPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_drag.DragObj(true, PixelsToTwips(event->position().x()),
                       PixelsToTwips(event->position().y()));
}

void FloatingPanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_drag.dragging())
        m_movedByUser = true;
    m_drag.MoveObj(PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void FloatingPanel::mouseReleaseEvent(QMouseEvent*) {
    m_drag.DragObj(false, 0, 0);
}

bool FloatingPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto link = m_links.constFind(watched);
    if (link != m_links.cend()) {
        // The link takes its own clicks.
        if (event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* label = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->pos()))
                link.value()();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
