#pragma once

#include "common/SilentPrompter.h"

// The prompter of the command line: messages go to the error output, questions get the
// answer that changes nothing (No, Cancel), dialogs are cancelled.
class ConsolePrompter : public SilentPrompter {
public:
    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;

    // Writes one line to the error output.
    static void say(const QString& text);
};
