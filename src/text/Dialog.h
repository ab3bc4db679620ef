#pragma once

#include "settings/ProgramWindow.h"
#include "workspace/ElementKind.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class Prompter;
class QGroupBox;
class QLineEdit;
class QPushButton;
class Workspace;

// "Моля въведете желаният текст :": the one place where the text of a text field or the name
// of a picture object is typed, with an on-screen keyboard (Latin and Bulgarian phonetic) for
// machines without a Cyrillic layout. Non-modal and deletes itself when closed; the caller
// sets ImeNaKontrol and Kutiq right after showing it.
class Dialog : public QDialog, public ProgramWindow {
    Q_OBJECT

public:
    static constexpr int KeyCount = 47;

    Dialog(Workspace& workspace, Prompter& prompter, QWidget* parent = nullptr);
    ~Dialog() override;

    // What is edited: a text field's caption, or (for any other kind) a picture object's name.
    ElementKind ImeNaKontrol = ElementKind::Text;
    // Slot of the edited element.
    int16_t Kutiq = 0;

    QGroupBox* fraText = nullptr;
    QLineEdit* txtTekst = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* cmdKeyboard = nullptr;
    QGroupBox* fraKbd = nullptr;
    std::array<QPushButton*, KeyCount> Key{};
    QPushButton* BSPC = nullptr;
    QPushButton* cmdCyr = nullptr;
    QPushButton* cmdCapUp = nullptr;

    void OKButton_Click();
    void CancelButton_Click();
    void cmdKeyboard_Click();
    void Key_Click(int index);
    void BSPC_Click();
    void cmdCyr_Click();
    void cmdCapUp_Click();

    bool capsOn() const { return m_caps; }
    bool cyrillicOn() const { return m_cyrillic; }
    bool keyboardShown() const { return m_keyboardShown; }
    // The caption key `index` shows now; empty for an index that is no key.
    QString keyCaption(int index) const;

public slots:
    // However the dialog closes, it writes nothing afterwards.
    void done(int result) override;

signals:
    // The hidden phrase was entered: the text field is left as it was and the presentation
    // starts instead.
    void presentationRequested();

protected:
    const SettingsRecord& appearanceSettings() const override;

private:
    void buildControls();
    void buildKeyboard();
    void updateKeyCaptions();
    void showSwitch(QPushButton* button, bool on);
    void setKeyboardShown(bool shown);
    // Writes `text` into the edited element; a slot that no longer holds one is left alone.
    void writeText(const QString& text);

    Workspace& m_workspace;
    Prompter& m_prompter;
    bool m_caps = false;
    bool m_cyrillic = false;
    bool m_keyboardShown = false;
    bool m_finished = false;
};
