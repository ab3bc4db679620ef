#pragma once

#include "common/Prompter.h"

// The prompter of the command line: messages go to the error output, questions get the
// answer that changes nothing (No, Cancel), dialogs are cancelled.
class ConsolePrompter : public Prompter {
public:
    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&, const QString&, int*) override {
        return {};
    }
    QString saveFileName(const QString&, const QString&, const QString&, int*) override {
        return {};
    }
    std::optional<int32_t> chooseColour(int32_t) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }

    // Writes one line to the error output.
    static void say(const QString& text);
};
