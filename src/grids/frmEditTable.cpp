#include "grids/frmEditTable.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "grids/Grids.h"
#include "objects/ResizeHandles.h"
#include "settings/SettingsRecord.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>
#include <tuple>

namespace {

constexpr int SmallestSide = 100; // twips
constexpr int MostLineWidth = 5;  // pixels

} // namespace

frmEditTable::frmEditTable(EditorContext& context)
    : QDialog(&context.mainWindow(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::EditTable), m_context(context) {
    setObjectName(QStringLiteral("frmEditTable"));
    setWindowTitle(QStringLiteral("Решетка"));
    setModal(true);
    buildControls();
    applyAppearance();
    connect(AddHeight, &QPushButton::clicked, this, &frmEditTable::AddHeight_Click);
    connect(AddWidth, &QPushButton::clicked, this, &frmEditTable::AddWidth_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmEditTable::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEditTable::cmdCancel_Click);
}

frmEditTable::~frmEditTable() = default;

const SettingsRecord& frmEditTable::appearanceSettings() const {
    return m_context.workspace().settings;
}

void frmEditTable::buildControls() {
    fraProperties = new QGroupBox(QStringLiteral("Параметри на решетката"), this);
    fraProperties->setObjectName(QStringLiteral("fraProperties"));
    auto* fields = new QGridLayout(fraProperties);
    int row = 0;
    const auto label = [this](const char* name, const char* caption, QWidget* buddy) {
        auto* l = new QLabel(QString::fromUtf8(caption), fraProperties);
        l->setObjectName(QString::fromLatin1(name));
        if (buddy)
            l->setBuddy(buddy);
        return l;
    };
    const auto field = [&](const char* name, const char* labelName, const char* caption,
                           QPushButton*& add, const char* addName) {
        auto* edit = new QLineEdit(fraProperties);
        edit->setObjectName(QString::fromLatin1(name));
        add = new QPushButton(QStringLiteral("+50%"), fraProperties);
        add->setObjectName(QString::fromLatin1(addName));
        add->setAutoDefault(false);
        fields->addWidget(label(labelName, caption, edit), row, 0);
        fields->addWidget(edit, row, 1);
        fields->addWidget(add, row, 2);
        ++row;
        return edit;
    };
    const auto numbers = [&](const char* name, const char* labelName, const char* caption,
                             int most) {
        auto* box = new QComboBox(fraProperties);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        for (int n = 1; n <= most; ++n)
            box->addItem(QString::number(n));
        fields->addWidget(label(labelName, caption, box), row, 0);
        fields->addWidget(box, row, 1);
        ++row;
        return box;
    };
    txtHeight = field("txtHeight", "lblHeight", "Височина*:", AddHeight, "AddHeight");
    txtWidth = field("txtWidth", "lblWidth", "Широчина*:", AddWidth, "AddWidth");
    txtRows = numbers("txtRows", "lblRows", "Редове:", Grids::MostRowsOrColumns);
    txtColums = numbers("txtColums", "lblColums", "Колони:", Grids::MostRowsOrColumns);
    cmbDebLinii = numbers("cmbDebLinii", "lblDebLinii", "Дебелина на линиите:", MostLineWidth);

    Color = new QLabel(fraProperties);
    Color->setObjectName(QStringLiteral("Color"));
    Color->setFrameShape(QFrame::Box);
    Color->setAutoFillBackground(true);
    Color->setMinimumSize(48, 20);
    Color->setCursor(Qt::PointingHandCursor);
    Color->installEventFilter(this);
    fields->addWidget(label("lblColor", "Цвят на линиите:", nullptr), row, 0);
    fields->addWidget(Color, row, 1);
    ++row;
    fields->addWidget(label("lblNote", "*Забележка:", nullptr), row, 0);
    fields->addWidget(label("lblUnit", "Единица - туип", nullptr), row, 1, 1, 2);

    cmdOk = new QPushButton(QStringLiteral("Промени"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Отказ"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* root = new QVBoxLayout(this);
    root->addWidget(fraProperties);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void frmEditTable::load(int16_t slot, const GridRecord& grid) {
    IndexTab = slot;
    txtHeight->setText(QString::number(grid.Height));
    txtWidth->setText(QString::number(grid.Width));
    txtRows->setCurrentText(QString::number(grid.Rows));
    txtColums->setCurrentText(QString::number(grid.Columns));
    cmbDebLinii->setCurrentText(QString::number(grid.LineWidth));
    setColour(grid.Colour);
}

void frmEditTable::setColour(int32_t colour) {
    m_colour = colour;
    QPalette palette = Color->palette();
    palette.setColor(QPalette::Window, ColourToQColor(colour));
    Color->setPalette(palette);
}

bool frmEditTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Color && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Color_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmEditTable::Color_Click() {
    if (const auto chosen = m_context.prompter().chooseColour(m_colour))
        setColour(*chosen);
}

std::optional<int16_t> frmEditTable::fieldValue(const QString& text, const QLocale& locale) {
    // The comma is the decimal sign everywhere; the locale's own separator is taken too, since
    // "+50%" writes it.
    QString normal = text;
    normal.replace(locale.decimalPoint(), QStringLiteral(","));
    if (normal.isEmpty() || !IsNumericText(normal))
        return std::nullopt;
    bool ok = false;
    const double value = normal.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return ToInt16Checked(value);
}

QString frmEditTable::enlarged(int16_t v, const QLocale& locale) {
    // Whole digits always, whatever digits the locale writes, so the dialog reads it back.
    const int32_t doubled = 3 * int32_t(v);
    QString text = QString::number(doubled / 2);
    if (doubled % 2 != 0)
        text += locale.decimalPoint() + QStringLiteral("5");
    return text;
}

void frmEditTable::warn() {
    m_context.prompter().message(QStringLiteral("Грешка"), QStringLiteral("Грешни данни"),
                                 Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void frmEditTable::enlarge(QLineEdit* field) {
    const auto v = fieldValue(field->text(), numberLocale);
    if (!v) {
        warn();
        return;
    }
    field->setText(enlarged(*v, numberLocale));
}

void frmEditTable::AddHeight_Click() {
    enlarge(txtHeight);
}

void frmEditTable::AddWidth_Click() {
    enlarge(txtWidth);
}

void frmEditTable::cmdOk_Click() {
    if (m_finished)
        return;
    const auto height = fieldValue(txtHeight->text(), numberLocale);
    const auto width = fieldValue(txtWidth->text(), numberLocale);
    const auto rows = fieldValue(txtRows->currentText(), numberLocale);
    const auto columns = fieldValue(txtColums->currentText(), numberLocale);
    const auto lineWidth = fieldValue(cmbDebLinii->currentText(), numberLocale);
    const auto within = [](const std::optional<int16_t>& v, int least, int most) {
        return v && *v >= least && *v <= most;
    };
    if (!within(height, SmallestSide, INT16_MAX) || !within(width, SmallestSide, INT16_MAX) ||
        !within(rows, 1, Grids::MostRowsOrColumns) ||
        !within(columns, 1, Grids::MostRowsOrColumns) || !within(lineWidth, 1, MostLineWidth)) {
        warn();
        return;
    }
    m_finished = true;
    Workspace& ws = m_context.workspace();
    if (IndexTab >= 1 && IndexTab <= ElementStore::GridCapacity &&
        ws.store().grids[IndexTab].Used != 0) {
        Grids::PromeniTablica(ws, IndexTab, *height, *width, *rows, *columns, m_colour, *lineWidth);
        // Resize handles left around the old size would pull the grid back to it.
        const ElementRef grid{ElementKind::Grid, IndexTab};
        if (ws.canvas.Manip[1].visible && ws.diagram.Izbr == IndexTab &&
            ws.canvas.manipKind == ElementKind::Grid)
            ResizeHandles::show(ws, grid);
    }
    done(Accepted);
    m_context.Pre4ertai();
}

void frmEditTable::cmdCancel_Click() {
    if (m_finished)
        return;
    m_finished = true;
    done(Rejected);
}

void frmEditTable::reject() {
    cmdCancel_Click();
}
