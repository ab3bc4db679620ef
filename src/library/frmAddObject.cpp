#include "library/frmAddObject.h"

#include "common/Units.h"
#include "library/ChooserTable.h"
#include "settings/SettingsRecord.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// The preview box is 2400 x 2100 twips.
constexpr int PreviewBoxWidth = 160;
constexpr int PreviewBoxHeight = 140;
// The picture sits this many twips above the centre of the preview box.
constexpr double PreviewLift = 120;
constexpr int VisibleListRows = 10;
constexpr int DescriptionLines = 3;

QString categoryPrompt() {
    return QStringLiteral("Изберете категория");
}

} // namespace

frmAddObject::frmAddObject(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::AddObject), m_workspace(workspace) {
    setObjectName(QStringLiteral("frmAddObject"));
    setWindowTitle(QStringLiteral("Добавяне на обект"));
    // Closing through the title bar ends this chooser; the next opening starts afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    buildControls();
    applyAppearance();

    // The list shows about ten names at once in whatever font the program uses.
    lstObjects->addItem(QStringLiteral("X"));
    const int rowHeight = qMax(lstObjects->sizeHintForRow(0), 1);
    lstObjects->clear();
    lstObjects->setFixedHeight(rowHeight * VisibleListRows + 2 * lstObjects->frameWidth());
    QFontMetrics descrMetrics(txtDescr->font());
    txtDescr->setFixedHeight(descrMetrics.lineSpacing() * DescriptionLines +
                             2 * txtDescr->frameWidth() +
                             2 * int(txtDescr->document()->documentMargin()));

    {
        const QSignalBlocker blockMain(cmdMainCat);
        for (const ChooserTable::MainCategory& main : ChooserTable::mainCategories())
            cmdMainCat->addItem(main.name);
        cmdMainCat->setCurrentIndex(cmdMainCat->count() > 0 ? 0 : -1);
    }
    // The categories are offered, but none is chosen until the user does so.
    {
        const QSignalBlocker blockCateg(cmdCateg);
        fillCategories(0);
        cmdCateg->setCurrentIndex(-1);
        cmdCateg->setEditText(categoryPrompt());
    }
    showPreview();

    connect(cmdMainCat, &QComboBox::activated, this, &frmAddObject::mainCategoryChosen);
    connect(cmdCateg, &QComboBox::activated, this, &frmAddObject::categoryChanged);
    connect(cmdCateg, &QComboBox::editTextChanged, this, &frmAddObject::categoryChanged);
    // Selection rather than the current item: tabbing into the list makes its first row
    // current without anyone having chosen it.
    connect(lstObjects, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = lstObjects->selectedItems();
        if (!selected.isEmpty())
            objectChosen(selected.first());
    });
    connect(cmdAdd, &QPushButton::clicked, this, &frmAddObject::addChosen);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

frmAddObject::~frmAddObject() = default;

const SettingsRecord& frmAddObject::appearanceSettings() const {
    return m_workspace.settings;
}

void frmAddObject::buildControls() {
    fraChoose = new QGroupBox(QStringLiteral("Избор на обект"), this);
    fraChoose->setObjectName(QStringLiteral("fraChoose"));
    cmdMainCat = new QComboBox(fraChoose);
    cmdMainCat->setObjectName(QStringLiteral("cmdMainCat"));
    cmdMainCat->setEditable(false);
    cmdCateg = new QComboBox(fraChoose);
    cmdCateg->setObjectName(QStringLiteral("cmdCateg"));
    cmdCateg->setEditable(true);
    // Typed text only picks a category when it matches one letter for letter, so neither
    // completion nor Enter may change or extend the list of categories.
    cmdCateg->setInsertPolicy(QComboBox::NoInsert);
    cmdCateg->setCompleter(nullptr);
    cmdCateg->setMaxVisibleItems(12);
    lstObjects = new QListWidget(fraChoose);
    lstObjects->setObjectName(QStringLiteral("lstObjects"));
    lstObjects->setSelectionMode(QAbstractItemView::SingleSelection);
    lstObjects->setMinimumWidth(230);

    auto* chooseLayout = new QVBoxLayout(fraChoose);
    chooseLayout->addWidget(cmdMainCat);
    chooseLayout->addWidget(cmdCateg);
    chooseLayout->addWidget(lstObjects);

    fraPreview = new QGroupBox(QStringLiteral("Преглед"), this);
    fraPreview->setObjectName(QStringLiteral("fraPreview"));
    picPrev = new QFrame(fraPreview);
    picPrev->setObjectName(QStringLiteral("picPrev"));
    picPrev->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picPrev->setLineWidth(2);
    picPrev->setFixedSize(PreviewBoxWidth, PreviewBoxHeight);
    picPrev->setBackgroundRole(QPalette::Base);
    picPrev->setAutoFillBackground(true);
    Preview = new QLabel(picPrev);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setScaledContents(false);
    Preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* previewLayout = new QVBoxLayout(fraPreview);
    previewLayout->addWidget(picPrev, 0, Qt::AlignHCenter);

    txtDescr = new QPlainTextEdit(this);
    txtDescr->setObjectName(QStringLiteral("txtDescr"));
    txtDescr->setReadOnly(true);
    txtDescr->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtDescr->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtDescr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    chkClose = new QCheckBox(QStringLiteral("Затвори след добавянето"), this);
    chkClose->setObjectName(QStringLiteral("chkClose"));

    cmdAdd = new QPushButton(QStringLiteral("Добави"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdClose = new QPushButton(QStringLiteral("Затвори"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdAdd, cmdClose})
        button->setMinimumWidth(90);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(fraPreview);
    rightColumn->addWidget(txtDescr);
    rightColumn->addWidget(chkClose);
    rightColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(fraChoose, 1);
    top->addLayout(rightColumn);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdClose);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(buttons);
    // A dialog-like window: it takes the size its contents need and cannot be resized.
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAddObject::fillCategories(int mainIndex) {
    cmdCateg->clear();
    const QList<ChooserTable::MainCategory>& mains = ChooserTable::mainCategories();
    if (mainIndex < 0 || mainIndex >= mains.size())
        return;
    for (const ChooserTable::Category& category : mains[mainIndex].categories)
        cmdCateg->addItem(category.name);
}

void frmAddObject::mainCategoryChosen(int index) {
    {
        const QSignalBlocker blockCateg(cmdCateg);
        fillCategories(index);
        cmdCateg->setCurrentIndex(cmdCateg->count() > 0 ? 0 : -1);
    }
    // Showing the first category is a category change like any other.
    categoryChanged();
}

void frmAddObject::categoryChanged() {
    lstObjects->clear();
    const ChooserTable::Category* category = ChooserTable::findCategory(cmdCateg->currentText());
    if (!category)
        return;
    for (const ChooserTable::Entry& entry : category->entries)
        lstObjects->addItem(entry.displayName);
}

void frmAddObject::objectChosen(QListWidgetItem* item) {
    if (!item)
        return;
    const QString key = ChooserTable::keyForDisplayName(item->text());
    if (!key.isEmpty())
        m_chosenKey = key;
    showPreview();
}

void frmAddObject::showPreview() {
    const ImageStore::Entry* entry =
        m_chosenKey.isEmpty() ? nullptr : m_workspace.kartinki.find(m_chosenKey);
    QPixmap picture;
    if (entry && !entry->picture.isNull())
        picture = QPixmap::fromImage(entry->picture);
    m_chosenDescription = entry ? entry->description : QString();

    if (picture.isNull())
        Preview->clear();
    else
        Preview->setPixmap(picture);
    const QRect inner = picPrev->contentsRect();
    const double left = PixelsToTwips(inner.width()) / 2 - PixelsToTwips(picture.width()) / 2;
    const double top =
        (PixelsToTwips(inner.height()) - PreviewLift) / 2 - PixelsToTwips(picture.height()) / 2;
    Preview->setGeometry(inner.left() + TwipsToPixelRounded(left),
                         inner.top() + TwipsToPixelRounded(top), picture.width(), picture.height());

    Preview->setToolTip(m_chosenDescription);
    picPrev->setToolTip(m_chosenDescription);
    txtDescr->setPlainText(m_chosenDescription);
}

void frmAddObject::addChosen() {
    if (m_chosenKey.isEmpty())
        return;
    // A chooser entry the library lacks has no picture to offer: nothing is added.
    const ImageStore::Entry* entry = m_workspace.kartinki.find(m_chosenKey);
    if (!entry || entry->picture.isNull())
        return;
    m_workspace.DobaviNov(m_chosenKey);
    // Remembered even when the object buffer was full: the last choice is what the
    // "add last" command repeats.
    m_workspace.diagram.Posledno = m_chosenKey;
    if (chkClose->isChecked())
        hide();
}
