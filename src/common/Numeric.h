#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4). Values beyond the int range clamp.
int RoundHalfEven(double value);

// A 16-bit value when `value` rounds into -32768..32767, nothing otherwise.
std::optional<int16_t> ToInt16Checked(double value);

// True when every character is a decimal digit or the first comma of the text.
// The empty text counts as numeric.
bool IsNumericText(const QString& text);
