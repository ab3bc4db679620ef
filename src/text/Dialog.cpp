#include "text/Dialog.h"

#include "common/Prompter.h"
#include "common/Units.h"
#include "common/Windows1251.h"
#include "settings/SettingsRecord.h"
#include "workspace/Workspace.h"

#include <QColor>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QStringList>

namespace {

// The layout is kept in twips, like the rest of the program, and placed at 15 twips a pixel.
constexpr int DialogWidth = 6255;
constexpr int HeightKeyboardHidden = 1575;
constexpr int HeightKeyboardShown = 3855;

constexpr int KeySize = 375;
constexpr int KeyStep = 360;
constexpr int SpaceBarWidth = 2775;

QRect Twips(int left, int top, int width, int height) {
    return QRect(TwipsToPixelRounded(left), TwipsToPixelRounded(top), TwipsToPixelRounded(width),
                 TwipsToPixelRounded(height));
}

struct KeyRow {
    int first;
    int last;
    int top;
    int left;
};

constexpr KeyRow KeyRows[] = {
    {0, 12, 240, 480},
    {13, 24, 600, 720},
    {25, 36, 960, 840},
    {37, 45, 1320, 1320},
};
constexpr int SpaceBar = 46;
constexpr int SpaceBarTop = 1680;
constexpr int SpaceBarLeft = 1560;

const std::array<QString, Dialog::KeyCount>& LatinCaptions() {
    static const std::array<QString, Dialog::KeyCount> captions = [] {
        const QString keys = QStringLiteral("`1234567890-=qwertyuiop[]asdfghjkl;'\\zxcvbnm./ ");
        std::array<QString, Dialog::KeyCount> result;
        for (int i = 0; i < Dialog::KeyCount; ++i)
            result[size_t(i)] = keys.at(i);
        return result;
    }();
    return captions;
}

// The phonetic layout differs from the Latin one only at these keys.
const std::array<QString, Dialog::KeyCount>& CyrillicCaptions() {
    static const std::array<QString, Dialog::KeyCount> captions = [] {
        const struct {
            int index;
            const char16_t* letter;
        } letters[] = {
            {0, u"ч"},  {13, u"я"}, {14, u"в"}, {15, u"е"}, {16, u"р"}, {17, u"т"},
            {18, u"ъ"}, {19, u"у"}, {20, u"и"}, {21, u"о"}, {22, u"п"}, {23, u"ш"},
            {24, u"щ"}, {25, u"а"}, {26, u"с"}, {27, u"д"}, {28, u"ф"}, {29, u"г"},
            {30, u"х"}, {31, u"й"}, {32, u"к"}, {33, u"л"}, {36, u"ю"}, {37, u"з"},
            {38, u"ь"}, {39, u"ц"}, {40, u"ж"}, {41, u"б"}, {42, u"н"}, {43, u"м"},
        };
        std::array<QString, Dialog::KeyCount> result = LatinCaptions();
        for (const auto& letter : letters)
            result[size_t(letter.index)] = QString::fromUtf16(letter.letter);
        return result;
    }();
    return captions;
}

const QColor SwitchOff(224, 224, 224);
const QColor SwitchOn(128, 255, 128);

// Typed as the text of a text field, this opens the presentation instead.
const QString PresentationPhrase = QStringLiteral("КЛЮЧЕ, ПОКАЖИ НИ ГО!");

// The characters of `text` the diagram file cannot hold, each once, in order of appearance;
// invisible ones are named by their code.
QStringList UnstorableCharacters(const QString& text) {
    QStringList found;
    if (FromWindows1251(ToWindows1251(text)) == text)
        return found;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QString character = text.mid(i, length);
        i += length;
        if (FromWindows1251(ToWindows1251(character)) == character)
            continue;
        const char32_t code = length == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                                          : char32_t(character.at(0).unicode());
        const bool visible = QChar::isPrint(code) && !QChar::isSpace(code) && !QChar::isMark(code);
        const QString shown =
            visible ? character
                    : QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
        if (!found.contains(shown))
            found.append(shown);
    }
    return found;
}

} // namespace

Dialog::Dialog(Workspace& workspace, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::TextDialog), m_workspace(workspace),
      m_prompter(prompter) {
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Моля въведете желаният текст :"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildKeyboard();
    setKeyboardShown(false);
    applyAppearance();
    txtTekst->setFocus();
}

Dialog::~Dialog() = default;

const SettingsRecord& Dialog::appearanceSettings() const {
    return m_workspace.settings;
}

void Dialog::buildControls() {
    fraText = new QGroupBox(QStringLiteral("Въведете текста в тази кутия :"), this);
    fraText->setObjectName(QStringLiteral("fraText"));
    fraText->setGeometry(Twips(120, 105, 6015, 855));
    txtTekst = new QLineEdit(QStringLiteral("Текст"), fraText);
    txtTekst->setObjectName(QStringLiteral("txtTekst"));
    txtTekst->setGeometry(Twips(120, 345, 5775, 345));

    const auto button = [this](const char* name, const QString& caption, QRect geometry) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        return b;
    };
    cmdKeyboard = button("cmdKeyboard", QStringLiteral("Клавиатура"), Twips(120, 1065, 1455, 390));
    OKButton = button("OKButton", QStringLiteral("Запиши"), Twips(3585, 1065, 1215, 390));
    CancelButton = button("CancelButton", QStringLiteral("Отмени"), Twips(4920, 1065, 1215, 390));
    // Enter in the text box saves.
    OKButton->setDefault(true);
    cmdKeyboard->setAutoDefault(false);
    CancelButton->setAutoDefault(false);

    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Dialog::CancelButton_Click);
    connect(cmdKeyboard, &QPushButton::clicked, this, &Dialog::cmdKeyboard_Click);
}

void Dialog::buildKeyboard() {
    fraKbd = new QGroupBox(QStringLiteral("Виртуална клавиатура"), this);
    fraKbd->setObjectName(QStringLiteral("fraKbd"));
    fraKbd->setGeometry(Twips(120, HeightKeyboardHidden, 6015, 2175));

    // The on-screen keys never take the focus, so the caret stays in the text box and the
    // real keyboard goes on working between clicks.
    const auto key = [this](const QString& name, const QString& caption, QRect geometry) {
        auto* b = new QPushButton(caption, fraKbd);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        return b;
    };
    for (const KeyRow& row : KeyRows) {
        for (int i = row.first; i <= row.last; ++i) {
            Key[size_t(i)] =
                key(QStringLiteral("Key%1").arg(i), QString(),
                    Twips(row.left + (i - row.first) * KeyStep, row.top, KeySize, KeySize));
        }
    }
    Key[SpaceBar] = key(QStringLiteral("Key%1").arg(SpaceBar), QString(),
                        Twips(SpaceBarLeft, SpaceBarTop, SpaceBarWidth, KeySize));
    for (int i = 0; i < KeyCount; ++i)
        connect(Key[size_t(i)], &QPushButton::clicked, this, [this, i] { Key_Click(i); });

    // Backspace after "=", Caps where Caps Lock sits and Cyr at the bottom left, where the
    // layout switch usually is. Rows share their edge pixels, so these keep clear of the rows
    // above and below as well.
    BSPC = key(QStringLiteral("BSPC"), QStringLiteral("<-"), Twips(5190, 240, 705, KeySize));
    cmdCapUp =
        key(QStringLiteral("cmdCapUp"), QStringLiteral("Caps"), Twips(120, 960, 585, KeySize));
    cmdCyr = key(QStringLiteral("cmdCyr"), QStringLiteral("Cyr"), Twips(120, 1680, 705, KeySize));
    connect(BSPC, &QPushButton::clicked, this, &Dialog::BSPC_Click);
    connect(cmdCapUp, &QPushButton::clicked, this, &Dialog::cmdCapUp_Click);
    connect(cmdCyr, &QPushButton::clicked, this, &Dialog::cmdCyr_Click);

    showSwitch(cmdCapUp, false);
    showSwitch(cmdCyr, false);
    updateKeyCaptions();
}

QString Dialog::keyCaption(int index) const {
    if (index < 0 || index >= KeyCount)
        return QString();
    return Key[size_t(index)]->text();
}

void Dialog::updateKeyCaptions() {
    const auto& captions = m_cyrillic ? CyrillicCaptions() : LatinCaptions();
    for (int i = 0; i < KeyCount; ++i) {
        const QString& caption = captions[size_t(i)];
        Key[size_t(i)]->setText(m_caps ? caption.toUpper() : caption);
    }
}

void Dialog::showSwitch(QPushButton* button, bool on) {
    // A style sheet, because several styles paint buttons without the palette's colour.
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; }"
                       "QPushButton:pressed { border-color: #404040; }")
            .arg((on ? SwitchOn : SwitchOff).name()));
}

void Dialog::setKeyboardShown(bool shown) {
    m_keyboardShown = shown;
    fraKbd->setVisible(shown);
    setFixedSize(TwipsToPixelRounded(DialogWidth),
                 TwipsToPixelRounded(shown ? HeightKeyboardShown : HeightKeyboardHidden));
}

void Dialog::cmdKeyboard_Click() {
    setKeyboardShown(!m_keyboardShown);
}

void Dialog::Key_Click(int index) {
    if (index < 0 || index >= KeyCount)
        return;
    // Always at the end of the text, wherever the caret was; through the line edit's own
    // editing, so Ctrl+Z takes it back.
    txtTekst->end(false);
    txtTekst->insert(keyCaption(index));
}

void Dialog::BSPC_Click() {
    if (txtTekst->text().isEmpty())
        return;
    // The line edit removes a surrogate pair whole, never half a character.
    txtTekst->end(false);
    txtTekst->backspace();
}

void Dialog::cmdCapUp_Click() {
    m_caps = !m_caps;
    showSwitch(cmdCapUp, m_caps);
    updateKeyCaptions();
}

void Dialog::cmdCyr_Click() {
    m_cyrillic = !m_cyrillic;
    showSwitch(cmdCyr, m_cyrillic);
    updateKeyCaptions();
}

void Dialog::OKButton_Click() {
    if (m_finished)
        return;
    // Texts are stored between double quotes, which the file cannot escape.
    QString text = txtTekst->text();
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    // Letters pasted as a base letter and a combining accent become the one letter the file
    // can hold.
    text = text.normalized(QString::NormalizationForm_C);

    const QStringList unstorable = UnstorableCharacters(text);
    if (!unstorable.isEmpty()) {
        m_prompter.message(
            QStringLiteral("Грешка"),
            QStringLiteral("Следните знаци не могат да бъдат записани в диаграмата: %1\n"
                           "Заменете ги или ги изтрийте.")
                .arg(unstorable.join(QStringLiteral(", "))),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
        txtTekst->setFocus();
        return;
    }

    m_finished = true;
    if (ImeNaKontrol == ElementKind::Text && text.toUpper() == PresentationPhrase) {
        QPointer<Dialog> alive(this);
        emit presentationRequested();
        if (!alive)
            return;
    } else {
        writeText(text);
    }
    accept();
}

void Dialog::writeText(const QString& text) {
    const int slot = Kutiq;
    // The dialog does not block the canvas, so its element may have been deleted meanwhile.
    if (slot < 1 || slot > ElementStore::Capacity)
        return;
    if (ImeNaKontrol == ElementKind::Text)
        m_workspace.setTextCaption(Kutiq, text);
    else
        m_workspace.setPictureName(Kutiq, text);
}

void Dialog::CancelButton_Click() {
    reject();
}

void Dialog::done(int result) {
    m_finished = true;
    QDialog::done(result);
}
