#include "files/WriteNotationWriter.h"

#include "files/Windows1251.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

void WriteNotationWriter::beginField() {
    if (m_recordHasFields)
        m_text.append(QLatin1Char(','));
    m_recordHasFields = true;
}

void WriteNotationWriter::writeString(const QString& text) {
    beginField();
    QString stored = text;
    stored.replace(QLatin1Char('"'), QLatin1Char('\''));
    m_text.append(QLatin1Char('"'));
    m_text.append(stored);
    m_text.append(QLatin1Char('"'));
}

void WriteNotationWriter::writeInteger(qint64 value) {
    beginField();
    m_text.append(QString::number(value));
}

void WriteNotationWriter::writeNumber(double value) {
    beginField();
    m_text.append(formatNumber(value));
}

void WriteNotationWriter::writeBool(bool value) {
    beginField();
    m_text.append(value ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"));
}

void WriteNotationWriter::endRecord() {
    m_text.append(QStringLiteral("\r\n"));
    m_recordHasFields = false;
}

QByteArray WriteNotationWriter::bytes() const {
    return ToWindows1251(m_text);
}

QString WriteNotationWriter::formatNumber(double value) {
    if (std::isnan(value))
        return QStringLiteral("0");
    const double clamped =
        std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
    const float single = static_cast<float>(clamped);
    if (single == 0.0f)
        return QStringLiteral("0"); // also for -0

    // The shortest round-trip digits come in scientific form ("-1.25e+02"); spread them
    // out into plain decimal text so no reader has to understand exponents.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, single, std::chars_format::scientific);
    const std::string scientific(buffer, result.ptr);
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (scientific[i] != '.')
            digits.push_back(scientific[i]);
    }
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    const int integerDigits = exponent + 1;

    std::string text = negative ? "-" : "";
    if (integerDigits <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-integerDigits), '0');
        text += digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        text += digits;
        text.append(integerDigits - digits.size(), '0');
    } else {
        text += digits.substr(0, integerDigits);
        text += '.';
        text += digits.substr(integerDigits);
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
