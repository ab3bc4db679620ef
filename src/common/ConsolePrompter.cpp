#include "common/ConsolePrompter.h"

#include <cstdio>

void ConsolePrompter::say(const QString& text) {
    const QByteArray line = text.toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

Prompter::Answer ConsolePrompter::message(const QString& title, const QString& text, Icon,
                                          Buttons buttons) {
    say(title + QStringLiteral(": ") + text);
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        break;
    }
    return Answer::No;
}
