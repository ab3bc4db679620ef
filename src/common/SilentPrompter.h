#pragma once

#include "common/Prompter.h"

// Asks nobody: every message is answered with its first button (Ok, Yes) and every dialog is
// cancelled. For runs without a user: benchmarks, fuzzing, the command line.
class SilentPrompter : public Prompter {
public:
    Answer message(const QString&, const QString&, Icon, Buttons buttons) override {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
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
    std::optional<FontChoice> chooseFontAndColour(const FontChoice&) override {
        return std::nullopt;
    }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
};
