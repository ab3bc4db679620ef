#include "search/SearchBox.h"

#include "common/Units.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A magnifying glass: a tinted lens in a dark rim and a handle to the lower right.
QPixmap magnifier(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    painter.setPen(QPen(QColor(90, 60, 30), 5 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19 * s, 19 * s), QPointF(28 * s, 28 * s));
    const QRectF lens(3 * s, 3 * s, 18 * s, 18 * s);
    QRadialGradient glass(lens.center() - QPointF(3 * s, 3 * s), 11 * s);
    glass.setColorAt(0, QColor(255, 255, 255));
    glass.setColorAt(1, QColor(170, 210, 240));
    painter.setBrush(glass);
    painter.setPen(QPen(QColor(40, 40, 40), 2.5 * s));
    painter.drawEllipse(lens);
    return pixmap;
}

} // namespace

SearchBox::SearchBox(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("SearchBox"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    caption = new QLabel(QStringLiteral("Търсене"), this);
    caption->setObjectName(QStringLiteral("SearchBoxCaption"));
    caption->setAutoFillBackground(true);
    QPalette titlePalette = caption->palette();
    titlePalette.setColor(QPalette::Window, QColor(0, 0, 128));
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(titlePalette);
    caption->setContentsMargins(4, 2, 4, 2);
    caption->setCursor(Qt::SizeAllCursor);

    imgMagn = new QLabel(this);
    imgMagn->setObjectName(QStringLiteral("imgMagn"));
    imgMagn->setPixmap(magnifier(32));

    txtKey = new QLineEdit(this);
    txtKey->setObjectName(QStringLiteral("txtKey"));
    txtKey->setToolTip(QStringLiteral("Въведете ключ за търсене тук"));
    txtKey->setMinimumWidth(160);

    cmdSearch = new QPushButton(QStringLiteral("Търси"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setToolTip(QStringLiteral("Търсене из обектите"));
    cmdClose = new QPushButton(QStringLiteral("Затвори"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setToolTip(QStringLiteral("Затвори този прозорец"));
    // Enter in the key box searches; the buttons take no part in it.
    for (QPushButton* button : {cmdSearch, cmdClose})
        button->setAutoDefault(false);

    lblClear = new QLabel(QStringLiteral("Нулирай"), this);
    lblClear->setObjectName(QStringLiteral("lblClear"));
    lblClear->setToolTip(QStringLiteral("Нулиране на текущото търсене"));
    lblClear->setCursor(Qt::PointingHandCursor);
    QFont underlined = lblClear->font();
    underlined.setUnderline(true);
    lblClear->setFont(underlined);
    QPalette linkPalette = lblClear->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    lblClear->setPalette(linkPalette);
    lblClear->installEventFilter(this);

    chkObj = new QCheckBox(QStringLiteral("Търси в текста на обектите"), this);
    chkObj->setObjectName(QStringLiteral("chkObj"));
    txtText = new QCheckBox(QStringLiteral("Търси в текстовите полета"), this);
    txtText->setObjectName(QStringLiteral("txtText"));
    for (QCheckBox* box : {chkObj, txtText})
        box->setChecked(true);

    lblSBLabel = new QLabel(QStringLiteral("Претърсени : 0 / 0"), this);
    lblSBLabel->setObjectName(QStringLiteral("lblSBLabel"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(caption);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(imgMagn, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(txtKey, 0, 1);
    grid->addWidget(cmdSearch, 0, 2);
    grid->addWidget(chkObj, 1, 1, 1, 2);
    grid->addWidget(txtText, 2, 1, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblSBLabel, 1);
    bottom->addWidget(lblClear);
    bottom->addSpacing(8);
    bottom->addWidget(cmdClose);
    grid->addLayout(bottom, 3, 0, 1, 3);
    adjustSize();

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
    if (parent)
        parent->installEventFilter(this);
}

void SearchBox::keepInside() {
    const QWidget* container = parentWidget();
    if (!container)
        return;
    const int left = std::max(0, std::min(x(), container->width() - width()));
    const int top = std::max(0, std::min(y(), container->height() - height()));
    if (left != x() || top != y())
        move(left, top);
}

void SearchBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_drag.DragObj(true, PixelsToTwips(event->position().x()),
                       PixelsToTwips(event->position().y()));
    }
}

void SearchBox::mouseMoveEvent(QMouseEvent* event) {
    m_drag.MoveObj(PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void SearchBox::mouseReleaseEvent(QMouseEvent*) {
    m_drag.DragObj(false, 0, 0);
}

bool SearchBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        keepInside();
        return false;
    }
    if (watched == lblClear) {
        // The link takes its own clicks: a press on it starts no drag of the panel.
        if (event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && lblClear->rect().contains(mouse->pos()))
                emit clearClicked();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
