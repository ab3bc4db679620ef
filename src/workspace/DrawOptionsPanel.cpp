#include "workspace/DrawOptionsPanel.h"

#include "common/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

DrawOptionsPanel::DrawOptionsPanel(QWidget* parent)
    : FloatingPanel(QStringLiteral("DrawOptions"), QStringLiteral("Опции при чертане"), parent) {
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

    lblHidefr = addLink(QStringLiteral("lblHidefr"), QStringLiteral("Скрий опциите"),
                        QStringLiteral("Скрий това прозорче"), [this] { emit hideRequested(); });

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
}

void DrawOptionsPanel::setButtonColour(QPushButton* button, int32_t colour) {
    const QColor c = ColourToQColor(colour);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }")
            .arg(c.name()));
}
