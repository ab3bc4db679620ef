#include "common/WriteNotationWriter.h"

#include "common/Windows1251.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The longest text formatNumber makes: a sign, the 39 digits of the largest float, or "0."
// with 44 zeros and 9 digits for the smallest.
constexpr int NumberTextSize = 64;

// formatNumber's text into `buffer`; returns its length.
int FormatNumber(double value, char (&buffer)[NumberTextSize]) {
    if (std::isnan(value)) {
        buffer[0] = '0';
        return 1;
    }
    const double clamped =
        std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
    const float single = static_cast<float>(clamped);
    if (single == 0.0f) {
        buffer[0] = '0'; // also for -0
        return 1;
    }

    // The shortest round-trip digits come in scientific form ("-1.25e+02"); spread them
    // out into plain decimal text so no reader has to understand exponents.
    char scientific[32];
    const char* const scientificEnd = std::to_chars(scientific, scientific + sizeof scientific,
                                                    single, std::chars_format::scientific)
                                          .ptr;
    const char* e = std::find(static_cast<const char*>(scientific), scientificEnd, 'e');
    const bool negative = scientific[0] == '-';
    char digits[16];
    int digitCount = 0;
    for (const char* c = scientific + (negative ? 1 : 0); c < e; ++c) {
        if (*c != '.')
            digits[digitCount++] = *c;
    }
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), scientificEnd, exponent);
    const int integerDigits = exponent + 1;

    char* at = buffer;
    if (negative)
        *at++ = '-';
    if (integerDigits <= 0) {
        *at++ = '0';
        *at++ = '.';
        at = std::fill_n(at, -integerDigits, '0');
        at = std::copy(digits, digits + digitCount, at);
    } else if (integerDigits >= digitCount) {
        at = std::copy(digits, digits + digitCount, at);
        at = std::fill_n(at, integerDigits - digitCount, '0');
    } else {
        at = std::copy(digits, digits + integerDigits, at);
        *at++ = '.';
        at = std::copy(digits + integerDigits, digits + digitCount, at);
    }
    return int(at - buffer);
}

} // namespace

void WriteNotationWriter::beginField() {
    if (m_recordHasFields)
        m_bytes.append(',');
    m_recordHasFields = true;
}

void WriteNotationWriter::writeString(const QString& text) {
    beginField();
    m_bytes.append('"');
    if (text.contains(QLatin1Char('"'))) {
        QString stored = text;
        stored.replace(QLatin1Char('"'), QLatin1Char('\''));
        m_bytes.append(ToWindows1251(stored));
    } else {
        m_bytes.append(ToWindows1251(text));
    }
    m_bytes.append('"');
}

void WriteNotationWriter::writeInteger(qint64 value) {
    beginField();
    char buffer[24];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    m_bytes.append(buffer, end - buffer);
}

void WriteNotationWriter::writeNumber(double value) {
    beginField();
    char buffer[NumberTextSize];
    m_bytes.append(buffer, FormatNumber(value, buffer));
}

void WriteNotationWriter::writeBool(bool value) {
    beginField();
    m_bytes.append(value ? "#TRUE#" : "#FALSE#");
}

void WriteNotationWriter::endRecord() {
    m_bytes.append("\r\n", 2);
    m_recordHasFields = false;
}

void WriteNotationWriter::clear() {
    m_bytes.resize(0);
    m_recordHasFields = false;
}

QString WriteNotationWriter::formatNumber(double value) {
    char buffer[NumberTextSize];
    return QString::fromLatin1(buffer, FormatNumber(value, buffer));
}
