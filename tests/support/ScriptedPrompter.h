#pragma once

#include "common/Prompter.h"

#include <QList>
#include <QStringList>
#include <deque>

// Answers every question from a script and records what was asked. A question nobody
// scripted fails the running test: answering it silently would hide a message sequence
// the test never looked at.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
        Answer answer;
        QString okCaption; // empty: the platform's word
    };

    struct FileDialog {
        QString title;
        QString filters;
        QString directory;
        bool save = false;
        QString fileName;     // the answer; empty when cancelled
        int filterIndex = -1; // handed back through selectedFilter; -1 also when cancelled
    };

    QList<Message> messages;
    QList<FileDialog> fileDialogs;
    QStringList inputPrompts;
    int colourDialogs = 0;
    int fontDialogs = 0;

    // Answers to questions (messages with more than an Ok button), in order. A message with
    // only Ok is answered Ok and takes nothing from here. An answer that is not one of the
    // question's buttons fails the test, as does a question asked when this is empty.
    std::deque<Answer> answers;
    // Other dialogs take their answers in order and are cancelled when their queue is empty.
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> fileNames;
    // One per file chosen (cancelled dialogs take none); the first filter when empty.
    std::deque<int> filterIndices;
    std::deque<std::optional<int32_t>> colours;
    // What each colour dialog was preset with.
    QList<int32_t> colourPresets;
    std::deque<std::optional<QFont>> fonts;
    // The font-and-colour dialog: its answers, and what each showing was preset with.
    std::deque<std::optional<FontChoice>> fontChoices;
    QList<FontChoice> fontChoicePresets;

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    Answer messageWithOkCaption(const QString& title, const QString& text, Icon icon,
                                Buttons buttons, const QString& okCaption) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    QString openFileName(const QString& title, const QString& filters, const QString& directory,
                         int* selectedFilter) override;
    QString saveFileName(const QString& title, const QString& filters, const QString& directory,
                         int* selectedFilter) override;
    std::optional<int32_t> chooseColour(int32_t initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<FontChoice> chooseFontAndColour(const FontChoice& initial) override;

    QStringList titles() const;
    QStringList texts() const;
    // Forgets what was asked; the scripted answers stay.
    void clear();

private:
    QString fileDialog(bool save, const QString& title, const QString& filters,
                       const QString& directory, int* selectedFilter);
};
