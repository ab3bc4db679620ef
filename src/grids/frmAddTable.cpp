#include "grids/frmAddTable.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "grids/Grids.h"
#include "settings/SettingsRecord.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The little table beside the fields.
QPixmap tablePicture() {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(22, 58, 92), 2));
    p.setBrush(QColor(156, 199, 236));
    p.drawRect(QRect(4, 4, 40, 10));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(4, 4, 40, 40));
    for (int y : {14, 24, 34})
        p.drawLine(4, y, 44, y);
    for (int x : {17, 31})
        p.drawLine(x, 4, x, 44);
    return pixmap;
}

} // namespace

frmAddTable::frmAddTable(EditorContext& context)
    : QDialog(&context.mainWindow(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::AddTable), m_context(context) {
    setObjectName(QStringLiteral("frmAddTable"));
    setWindowTitle(QStringLiteral("Решетка"));
    setModal(true);
    buildControls();
    applyAppearance();
    connect(cmdGo, &QPushButton::clicked, this, &frmAddTable::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddTable::cmdCancel_Click);
}

frmAddTable::~frmAddTable() = default;

const SettingsRecord& frmAddTable::appearanceSettings() const {
    return m_context.workspace().settings;
}

void frmAddTable::buildControls() {
    fraTable = new QGroupBox(QStringLiteral("Въведете броя редове и колони"), this);
    fraTable->setObjectName(QStringLiteral("fraTable"));
    const auto numbers = [this](const char* name) {
        auto* box = new QComboBox(fraTable);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        for (int n = 1; n <= Grids::MostRowsOrColumns; ++n)
            box->addItem(QString::number(n));
        return box;
    };
    txtRows = numbers("txtRows");
    txtColums = numbers("txtColums");
    lblRows = new QLabel(QStringLiteral("Редове :"), fraTable);
    lblRows->setObjectName(QStringLiteral("lblRows"));
    lblRows->setBuddy(txtRows);
    lblColums = new QLabel(QStringLiteral("Колони :"), fraTable);
    lblColums->setObjectName(QStringLiteral("lblColums"));
    lblColums->setBuddy(txtColums);
    imgtable = new QLabel(fraTable);
    imgtable->setObjectName(QStringLiteral("imgtable"));
    imgtable->setPixmap(tablePicture());

    auto* fields = new QGridLayout(fraTable);
    fields->addWidget(lblRows, 0, 0);
    fields->addWidget(txtRows, 0, 1);
    fields->addWidget(lblColums, 1, 0);
    fields->addWidget(txtColums, 1, 1);
    fields->addWidget(imgtable, 0, 2, 2, 1, Qt::AlignCenter);

    cmdGo = new QPushButton(QStringLiteral("Начертай"), this);
    cmdGo->setObjectName(QStringLiteral("cmdGo"));
    cmdGo->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Отказ"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdGo);
    buttons->addWidget(cmdCancel);

    auto* root = new QVBoxLayout(this);
    root->addWidget(fraTable);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAddTable::warn(const QString& text) {
    m_context.prompter().message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                                 Prompter::Buttons::Ok);
}

void frmAddTable::cmdGo_Click() {
    if (m_finished)
        return;
    const QString rows = txtRows->currentText();
    const QString columns = txtColums->currentText();
    if (rows.isEmpty() || columns.isEmpty() || !IsNumericText(rows) || !IsNumericText(columns)) {
        warn(QStringLiteral("Грешни данни"));
        return;
    }
    const auto value = [](const QString& text) {
        return RoundHalfEven(QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
    };
    const int r = value(rows);
    const int c = value(columns);
    if (r < 1 || r > Grids::MostRowsOrColumns || c < 1 || c > Grids::MostRowsOrColumns) {
        warn(QStringLiteral("Таблицата не може да се построи"));
        return;
    }
    m_finished = true;
    Grids::NachertaiTablica(m_context.workspace(), int16_t(r), int16_t(c));
    done(Accepted);
}

void frmAddTable::cmdCancel_Click() {
    if (m_finished)
        return;
    m_finished = true;
    done(Rejected);
    m_context.SpriInstrumentite();
}

void frmAddTable::reject() {
    cmdCancel_Click();
}
