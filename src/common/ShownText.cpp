#include "common/ShownText.h"

QString ShownText(const QString& text, int length, ShownCharacters characters) {
    QString shown;
    int count = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (count++ == length)
            return shown + QChar(0x2026);
        const bool pair = characters == ShownCharacters::CodePoints &&
                          text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                          text.at(i + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const char32_t c =
            pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        shown += QChar::isPrint(c) ? text.mid(i, units) : QStringLiteral("?");
        i += units;
    }
    return shown;
}
