#pragma once

#include <QString>

// Text from outside the program (a file's content, a file name) as a message shows it: a
// damaged file must not put control characters or a page of text into the message. Every
// character that does not print becomes "?", and past `length` characters the rest becomes
// "…".
//
// What counts as a character: the library's fault lines count a character outside the basic
// plane (a surrogate pair) as one and show it; the file commands count each half of a pair
// on its own, and a half alone does not print.
enum class ShownCharacters { CodePoints, CodeUnits };

QString ShownText(const QString& text, int length, ShownCharacters characters);
