#include "workspace/DrawOptionsPanel.h"

#include "common/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

DrawOptionsPanel::DrawOptionsPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("DrawOptions"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    caption = new QLabel(QStringLiteral("Опции при чертане"), this);
    caption->setObjectName(QStringLiteral("DrawOptionsCaption"));
    caption->setAutoFillBackground(true);
    QPalette titlePalette = caption->palette();
    titlePalette.setColor(QPalette::Window, QColor(0, 0, 128));
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(titlePalette);
    caption->setContentsMargins(4, 2, 4, 2);
    caption->setCursor(Qt::SizeAllCursor);

    DebelinaLinii = new QComboBox(this);
    DebelinaLinii->setObjectName(QStringLiteral("DebelinaLinii"));
    DebelinaLinii->setEditable(true);
    DebelinaLinii->setInsertPolicy(QComboBox::NoInsert);
    DebelinaLinii->setToolTip(QStringLiteral("Дебелина на линиите на чертане"));

    cmdColor = new QPushButton(this);
    cmdColor->setObjectName(QStringLiteral("cmdColor"));
    cmdColor->setToolTip(QStringLiteral("Изберете цвят за простите форми"));
    cmdConnectColor = new QPushButton(this);
    cmdConnectColor->setObjectName(QStringLiteral("cmdConnectColor"));
    cmdConnectColor->setToolTip(QStringLiteral("Изберете цвят за свързващите линии"));
    PaintFill = new QPushButton(this);
    PaintFill->setObjectName(QStringLiteral("PaintFill"));
    for (QPushButton* b : {cmdColor, cmdConnectColor, PaintFill})
        b->setFixedSize(48, 20);

    chkFilled = new QCheckBox(QStringLiteral("Запълнени фигури"), this);
    chkFilled->setObjectName(QStringLiteral("chkFilled"));

    lblHidefr = new QLabel(QStringLiteral("Скрий опциите"), this);
    lblHidefr->setObjectName(QStringLiteral("lblHidefr"));
    lblHidefr->setToolTip(QStringLiteral("Скрий това прозорче"));
    lblHidefr->setCursor(Qt::PointingHandCursor);
    QFont underlined = lblHidefr->font();
    underlined.setUnderline(true);
    lblHidefr->setFont(underlined);
    lblHidefr->installEventFilter(this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(caption);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(4);
    auto* widthLabel = new QLabel(QStringLiteral("Дебелина на линиите:"), this);
    auto* colourLabel = new QLabel(QStringLiteral("Цвят на чертане:"), this);
    auto* lineLabel = new QLabel(QStringLiteral("Цвят на линиите:"), this);
    auto* fillLabel = new QLabel(QStringLiteral("Цвят запълване:"), this);
    grid->addWidget(widthLabel, 1, 0, 1, 2);
    grid->addWidget(DebelinaLinii, 2, 0, 1, 2);
    grid->addWidget(colourLabel, 3, 0);
    grid->addWidget(cmdColor, 3, 1);
    grid->addWidget(lineLabel, 4, 0);
    grid->addWidget(cmdConnectColor, 4, 1);
    grid->addWidget(chkFilled, 5, 0, 1, 2);
    grid->addWidget(fillLabel, 6, 0);
    grid->addWidget(PaintFill, 6, 1);
    grid->addWidget(lblHidefr, 7, 0, 1, 2, Qt::AlignRight);
    grid->setColumnMinimumWidth(0, 110);
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
}

void DrawOptionsPanel::setButtonColour(QPushButton* button, int32_t colour) {
    const QColor c = ColourToQColor(colour);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }")
            .arg(c.name()));
}

void DrawOptionsPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_drag.DragObj(true, PixelsToTwips(event->position().x()),
                       PixelsToTwips(event->position().y()));
    }
}

void DrawOptionsPanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_drag.dragging())
        m_movedByUser = true;
    m_drag.MoveObj(PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
}

void DrawOptionsPanel::mouseReleaseEvent(QMouseEvent*) {
    m_drag.DragObj(false, 0, 0);
}

bool DrawOptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHidefr && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && lblHidefr->rect().contains(mouse->pos()))
            emit hideRequested();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
