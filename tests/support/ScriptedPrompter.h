#pragma once

#include "common/Prompter.h"

#include <QList>
#include <QStringList>
#include <deque>

// Answers every question from a script and records what was asked.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    QList<Message> messages;
    QStringList inputPrompts;
    int colourDialogs = 0;
    int fontDialogs = 0;
    int fileDialogs = 0;

    // Answers are used in order; when the script runs dry a message is answered with its
    // first button (Ok or Yes), other dialogs are cancelled.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> fileNames;
    std::deque<std::optional<int32_t>> colours;
    std::deque<std::optional<QFont>> fonts;

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    QString openFileName(const QString& title, const QString& filters, const QString& directory,
                         int* selectedFilter) override;
    QString saveFileName(const QString& title, const QString& filters, const QString& directory,
                         int* selectedFilter) override;
    std::optional<int32_t> chooseColour(int32_t initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;

    QStringList titles() const;
    QStringList texts() const;
    void clear();
};
