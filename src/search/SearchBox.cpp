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

SearchBox::SearchBox(QWidget* parent)
    : FloatingPanel(QStringLiteral("SearchBox"), QStringLiteral("Търсене"), parent) {
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

    lblClear =
        addLink(QStringLiteral("lblClear"), QStringLiteral("Нулирай"),
                QStringLiteral("Нулиране на текущото търсене"), [this] { emit clearClicked(); });
    QPalette linkPalette = lblClear->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    lblClear->setPalette(linkPalette);

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

    if (parent)
        parent->installEventFilter(this);
}

bool SearchBox::eventFilter(QObject* watched, QEvent* event) {
    // The window shrank: the panel stays inside.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        keepInside();
    return FloatingPanel::eventFilter(watched, event);
}
