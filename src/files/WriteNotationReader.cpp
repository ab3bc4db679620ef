#include "files/WriteNotationReader.h"

#include "files/BoundedFileReader.h"
#include "files/Windows1251.h"

#include <charconv>
#include <string>

namespace {

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the whole text against [sign] digits [. digits] [(e|E) [sign] digits], with at
// least one digit in the mantissa, so things like "12x", "1.2.3" or "inf" are refused.
bool IsDecimalText(const std::string& text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == text.size();
}

} // namespace

WriteNotationReader::Field::Field(const QString& text, bool quoted)
    : m_text(text), m_quoted(quoted), m_missing(false) {}

std::optional<double> WriteNotationReader::Field::toNumber() const {
    const QString trimmed = m_text.trimmed();
    for (const QChar c : trimmed) {
        if (c.unicode() >= 0x80)
            return std::nullopt;
    }
    std::string text = trimmed.toStdString();
    if (!IsDecimalText(text))
        return std::nullopt;
    // from_chars does not take a leading plus.
    if (text.front() == '+')
        text.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<bool> WriteNotationReader::Field::toBool() const {
    if (m_missing || m_quoted)
        return std::nullopt;
    if (m_text.compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0)
        return true;
    if (m_text.compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

WriteNotationReader::WriteNotationReader(const QByteArray& bytes)
    : m_text(FromWindows1251(bytes)), m_end(m_text.size()) {
    while (m_end > 0 && (IsBlank(m_text.at(m_end - 1)) || isLineEnd(m_end - 1)))
        --m_end;
}

bool WriteNotationReader::isLineEnd(qsizetype index) const {
    return m_text.at(index) == QLatin1Char('\r') || m_text.at(index) == QLatin1Char('\n');
}

void WriteNotationReader::skipBlanks() {
    while (m_position < m_text.size() && IsBlank(m_text.at(m_position)))
        ++m_position;
}

// Consumes the comma or line end that closes a field; a comma means one more field follows.
void WriteNotationReader::skipTerminator() {
    m_fieldPromised = false;
    if (m_position >= m_text.size())
        return;
    const QChar c = m_text.at(m_position++);
    if (c == QLatin1Char(','))
        m_fieldPromised = true;
    else if (c == QLatin1Char('\r') && m_position < m_text.size() &&
             m_text.at(m_position) == QLatin1Char('\n'))
        ++m_position;
}

bool WriteNotationReader::atEnd() const {
    return !m_fieldPromised && m_position >= m_end;
}

WriteNotationReader::Field WriteNotationReader::next() {
    if (atEnd())
        return Field();

    skipBlanks();
    if (m_position < m_text.size() && m_text.at(m_position) == QLatin1Char('"')) {
        const qsizetype start = m_position + 1;
        qsizetype close = m_text.indexOf(QLatin1Char('"'), start);
        if (close < 0)
            close = m_text.size(); // unterminated: the string runs to the end of the text
        const QString text = m_text.mid(start, close - start);
        m_position = qMin(close + 1, m_text.size());
        // Whatever stands between the closing quote and the separator is dropped.
        while (m_position < m_text.size() && m_text.at(m_position) != QLatin1Char(',') &&
               !isLineEnd(m_position))
            ++m_position;
        skipTerminator();
        return Field(text, true);
    }

    const qsizetype start = m_position;
    while (m_position < m_text.size() && m_text.at(m_position) != QLatin1Char(',') &&
           !isLineEnd(m_position))
        ++m_position;
    qsizetype end = m_position;
    while (end > start && IsBlank(m_text.at(end - 1)))
        --end;
    const QString text = m_text.mid(start, end - start);
    skipTerminator();
    return Field(text, false);
}

std::optional<double> WriteNotationReader::nextNumber() {
    if (atEnd())
        return std::nullopt;
    const QChar* data = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype at = m_position;
    while (at < size && IsBlank(data[at]))
        ++at;
    bool negative = false;
    if (at < size && (data[at] == QLatin1Char('-') || data[at] == QLatin1Char('+')))
        negative = data[at++] == QLatin1Char('-');
    const qsizetype digits = at;
    qint64 value = 0;
    // Eighteen digits always fit; anything longer takes the general way.
    while (at < size && at - digits < 18 && data[at] >= QLatin1Char('0') &&
           data[at] <= QLatin1Char('9'))
        value = value * 10 + (data[at++].unicode() - '0');
    qsizetype end = at;
    while (end < size && IsBlank(data[end]))
        ++end;
    const bool closed = end >= size || data[end] == QLatin1Char(',') || isLineEnd(end);
    if (at > digits && closed && (at >= size || !data[at].isDigit())) {
        m_position = end;
        skipTerminator();
        return negative ? -double(value) : double(value);
    }
    return next().toNumber();
}

void WriteNotationReader::skipLine() {
    while (m_fieldPromised && !atEnd())
        next();
}

QByteArray WriteNotationReader::readFile(const QString& path, qint64 maxBytes) {
    BoundedFileReader::Result file = BoundedFileReader::read(path, maxBytes);
    return file.status == BoundedFileReader::Status::Read ? file.bytes : QByteArray();
}
