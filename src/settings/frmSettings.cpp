#include "settings/frmSettings.h"

#include "common/Prompter.h"
#include "settings/WindowAppearance.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The sentence beside a check box: long, so wrapped, and a click on it ticks the box as a
// click on the box's own text would.
class CheckBoxSentence : public QLabel {
public:
    CheckBoxSentence(const QString& text, QCheckBox* box, QWidget* parent)
        : QLabel(text, parent), m_box(box) {
        setWordWrap(true);
        setBuddy(box);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (m_box->isEnabled())
            m_box->toggle();
    }

private:
    QCheckBox* m_box;
};

QLabel* makeLabel(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A check box with its sentence beside it, as one row of `layout`.
QCheckBox* addCheckBox(QVBoxLayout* layout, const char* name, const char* text, bool checked,
                       QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    auto* sentence = new CheckBoxSentence(QString::fromUtf8(text), box, parent);
    sentence->setObjectName(box->objectName() + QStringLiteral("Text"));
    box->setAccessibleName(sentence->text());
    auto* row = new QHBoxLayout;
    row->addWidget(box, 0, Qt::AlignTop);
    row->addWidget(sentence, 1);
    layout->addLayout(row);
    return box;
}

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

QStringList frmSettings::windowTexts() {
    return {
        QStringLiteral("Главна форма на програмата"),
        QStringLiteral("Форма за добавяне на обект от библиотеката"),
        QStringLiteral("Форма за добавяне на рисувани обекти (Скицник)"),
        QStringLiteral("Форма за добавяне на решетки (Таблици)"),
        QStringLiteral("Форма за натоварване на буферите"),
        QStringLiteral("Форма за редактиране на таблици"),
        QStringLiteral("Форма за превю на диаграмата"),
        QStringLiteral("Форма за печат"),
        QStringLiteral("Форма за потребителски настройки"),
        QStringLiteral("Диалог за въвеждане на текст"),
        QStringLiteral("Настройка на JPG качеството"),
    };
}

frmSettings::frmSettings(SettingsRecord& settings, Prompter& prompter, QWidget* mainWindow,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::Settings), m_settings(settings), m_prompter(prompter),
      m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Потребителски настройки"));
    setModal(true);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    auto* fontPage = new QWidget(tabs);
    auto* transparencyPage = new QWidget(tabs);
    auto* otherPage = new QWidget(tabs);
    buildFontTab(fontPage);
    buildTransparencyTab(transparencyPage);
    buildOtherTab(otherPage);
    tabs->addTab(fontPage, QStringLiteral("Шрифт"));
    tabs->addTab(transparencyPage, QStringLiteral("Прозрачност"));
    tabs->addTab(otherPage, QStringLiteral("Други опции"));

    cmdApply = makeButton("cmdApply", "[ ОК ]", this);
    cmdRestore = makeButton("cmdRestore", "[ Възстанови ]", this);
    cmdExit = makeButton("cmdExit", "[ Затвори ]", this);
    connect(cmdApply, &QPushButton::clicked, this, &frmSettings::cmdApply_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmSettings::cmdRestore_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdApply);
    buttons->addStretch(1);
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdExit);
    auto* root = new QVBoxLayout(this);
    root->addWidget(tabs);
    root->addLayout(buttons);

    // The controls show the record; the typeface of the whole window is the program font.
    txtFontNow->setText(m_settings.ProgramFont);
    showSample(m_settings.ProgramFont);
    chkDialogInfo->setChecked(m_settings.ShowInfo);
    chkShowDrawOpt->setChecked(m_settings.ShowDrawOptions);
    chkShowAnim->setChecked(m_settings.Pre4ertaiPriMestene);
    applyAppearance();
    // The sample keeps its own typeface, whatever the program font did to it.
    showSample(m_settings.ProgramFont);
    // The families in the order the system gives them; filled last, so a long list does not
    // take the program font one entry at a time.
    lstFonts->addItems(QFontDatabase::families());
    resize(sizeHint().expandedTo(QSize(560, 420)));
}

frmSettings::~frmSettings() = default;

void frmSettings::buildFontTab(QWidget* page) {
    lblFontnow = makeLabel("lblFontnow", "Шрифт в момента:", page);
    txtFontNow = new QLineEdit(page);
    txtFontNow->setObjectName(QStringLiteral("txtFontNow"));
    txtFontNow->setReadOnly(true);
    lblChooseFont = makeLabel("lblChooseFont", "Изберете друг шрифт от този списък:", page);
    lstFonts = new QListWidget(page);
    lstFonts->setObjectName(QStringLiteral("lstFonts"));
    lbltest = makeLabel("lbltest", "Тест на шрифта:", page);
    TestBox = makeLabel("TestBox", "ABCD АБВГ 1234", page);
    TestBox->setFrameShape(QFrame::StyledPanel);
    TestBox->setMinimumHeight(40);
    TestBox->setAlignment(Qt::AlignCenter);
    // A choice is a selected entry: the list makes its first entry current by itself when it
    // takes the focus, without selecting it, and that is no choice.
    connect(lstFonts, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = lstFonts->selectedItems();
        if (chosen.size() == 1 && !chosen.first()->text().isEmpty())
            showSample(chosen.first()->text());
    });

    auto* now = new QHBoxLayout;
    now->addWidget(lblFontnow);
    now->addWidget(txtFontNow, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(now);
    layout->addWidget(lblChooseFont);
    layout->addWidget(lstFonts, 1);
    layout->addWidget(lbltest);
    layout->addWidget(TestBox);
}

void frmSettings::buildTransparencyTab(QWidget* page) {
    fraTransp = new QGroupBox(QStringLiteral("Настройка на прозрачността:"), page);
    fraTransp->setObjectName(QStringLiteral("fraTransp"));
    lstForms = new QListWidget(fraTransp);
    lstForms->setObjectName(QStringLiteral("lstForms"));
    lstForms->addItems(windowTexts());
    sldTransp = new QSlider(Qt::Horizontal, fraTransp);
    sldTransp->setObjectName(QStringLiteral("sldTransp"));
    sldTransp->setRange(1, SettingsRecord::Opaque);
    sldTransp->setSingleStep(1);
    sldTransp->setPageStep(5);
    sldTransp->setTickInterval(15);
    sldTransp->setTickPosition(QSlider::TicksBelow);
    sldTransp->setValue(SettingsRecord::Opaque);
    // Nothing to set until a window is chosen.
    sldTransp->setEnabled(false);
    lblTransp = makeLabel("lblTransp", "<< По-прозрачен", fraTransp);
    lblNoTransp = makeLabel("lblNoTransp", "По-непрозрачен >>", fraTransp);
    lblTranspInfo = makeLabel("lblTranspInfo",
                              "Изберете прозорец от списъка, а след това степен на прозрачност, "
                              "със слайдера долу. Не работи под Win 98 и по-стари!",
                              page);
    lblTranspInfo->setWordWrap(true);
    // As with the fonts, a window is chosen when its entry is selected, not merely current.
    connect(lstForms, &QListWidget::itemSelectionChanged, this, &frmSettings::formChosen);
    connect(sldTransp, &QSlider::valueChanged, this, &frmSettings::sliderMoved);

    auto* ends = new QHBoxLayout;
    ends->addWidget(lblTransp);
    ends->addStretch(1);
    ends->addWidget(lblNoTransp);
    auto* frame = new QVBoxLayout(fraTransp);
    frame->addWidget(lstForms, 1);
    frame->addWidget(sldTransp);
    frame->addLayout(ends);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lblTranspInfo);
    layout->addWidget(fraTransp, 1);
}

void frmSettings::buildOtherTab(QWidget* page) {
    lblDrugiOpciiInfo = makeLabel(
        "lblDrugiOpciiInfo",
        "Тук има други опции, които може да са ви от полза за работата с програмата.", page);
    lblDrugiOpciiInfo->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lblDrugiOpciiInfo);
    layout->addSpacing(8);
    chkDialogInfo = addCheckBox(layout, "chkDialogInfo",
                                "Извеждай диалогови прозорци с напътстваща информация по време "
                                "на работа на програмата",
                                m_settings.ShowInfo, page);
    chkShowDrawOpt = addCheckBox(
        layout, "chkShowDrawOpt",
        "Показвай автоматично прозореца с опции за чертане, при зареждане (ако ли не - ще бъде "
        "извеждано предупредително съобщение при опит за употреба на някой от инструментите.",
        m_settings.ShowDrawOptions, page);
    chkShowAnim = addCheckBox(layout, "chkShowAnim",
                              "Показвай с анимация провлачването на обекти (това може да "
                              "намали производителността на програмата при по-слаби компютри.",
                              m_settings.Pre4ertaiPriMestene, page);
    layout->addStretch(1);
}

void frmSettings::showSample(const QString& family) {
    m_sampleFamily = family;
    QFont font = TestBox->font();
    font.setFamily(family);
    TestBox->setFont(font);
}

int frmSettings::chosenForm() const {
    const QList<QListWidgetItem*> chosen = lstForms->selectedItems();
    return chosen.size() == 1 ? lstForms->row(chosen.first()) : -1;
}

void frmSettings::formChosen() {
    const int row = chosenForm();
    if (row < 0 || row >= SettingsRecord::WindowCount)
        return;
    sldTransp->setEnabled(true);
    // Showing the stored value is no change of it (a 0 from the file stays 0).
    const QSignalBlocker quiet(sldTransp);
    sldTransp->setValue(m_settings.transparency[row]);
}

void frmSettings::sliderMoved(int value) {
    const int row = chosenForm();
    if (!sldTransp->isEnabled() || row < 0 || row >= SettingsRecord::WindowCount)
        return;
    m_settings.transparency[row] = static_cast<int16_t>(value);
}

void frmSettings::cmdApply_Click() {
    // A highlighted entry that the sample does not show is no choice.
    const bool fontChosen = m_sampleFamily != txtFontNow->text();
    if (fontChosen)
        m_settings.ProgramFont = m_sampleFamily;
    m_settings.Pre4ertaiPriMestene = chkShowAnim->isChecked();
    m_settings.ShowDrawOptions = chkShowDrawOpt->isChecked();
    m_settings.ShowInfo = chkDialogInfo->isChecked();
    applyToMainWindow(fontChosen, true);
    save();
    accept();
}

void frmSettings::cmdRestore_Click() {
    const Prompter::Answer answer = m_prompter.message(
        QStringLiteral("Въпрос"),
        QStringLiteral("Сигурни ли сте, че искате да възстановите началните настройки ?"),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes)
        return;
    m_settings = SettingsRecord();
    save();
    applyToMainWindow(true, false);
    accept();
}

void frmSettings::save() {
    if (!saveSettings || saveSettings())
        return;
    m_prompter.message(QStringLiteral("Грешка"),
                       QStringLiteral("Настройките не можаха да бъдат записани във файла "
                                      "„settings.ini“. Те ще важат до затварянето на програмата."),
                       Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void frmSettings::applyToMainWindow(bool font, bool transparency) {
    if (!m_mainWindow)
        return;
    if (font)
        ApplyProgramFont(m_mainWindow, m_settings.ProgramFont);
    const int16_t level = m_settings.transparency[int(SettingsWindow::Main)];
    if (transparency && level < SettingsRecord::Opaque)
        SetWindowTransparency(m_mainWindow, level);
}
