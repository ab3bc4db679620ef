#include "common/WriteNotationReader.h"

#include "common/BoundedFileReader.h"
#include "common/Windows1251.h"

#include <charconv>
#include <cstring>
#include <string>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
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

WriteNotationReader::Field::Field(QString text, bool quoted)
    : m_text(std::move(text)), m_quoted(quoted), m_missing(false) {}

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

// The text is scanned as bytes: every separator, blank, digit, sign and mark is ASCII, and
// no byte of the upper half decodes to one of them, so only the text of a field needs the
// code page.
WriteNotationReader::WriteNotationReader(const QByteArray& bytes)
    : m_bytes(bytes), m_windowEnd(bytes.size()) {}

WriteNotationReader::WriteNotationReader(Source source) : m_source(std::move(source)) {}

// Reads from the source until `position` is in the window or the text has ended. What lies
// before m_position is dropped first; the window grows only when what is still needed fills
// it.
bool WriteNotationReader::fill(qint64 position) {
    constexpr qsizetype Block = 256 * 1024;
    while (m_source && position >= m_windowEnd) {
        const qsizetype kept = qsizetype(m_windowEnd - m_position);
        if (m_position > m_windowStart) {
            char* data = m_bytes.data();
            std::memmove(data, data + (m_position - m_windowStart), std::size_t(kept));
            m_windowStart = m_position;
        }
        // Grown in doublings, so that a field of any length is read in linear time.
        if (m_bytes.capacity() < kept + Block)
            m_bytes.reserve(qMax(kept + Block, 2 * m_bytes.capacity()));
        const qsizetype room = m_bytes.capacity() - kept;
        m_bytes.resize(kept + room);
        const qsizetype got = qBound<qsizetype>(0, m_source(m_bytes.data() + kept, room), room);
        m_bytes.resize(kept + got);
        m_windowEnd = m_windowStart + kept + got;
        if (got == 0)
            m_source = nullptr;
    }
    return position < m_windowEnd;
}

void WriteNotationReader::skipBlanks() {
    while (has(m_position) && IsBlank(at(m_position)))
        ++m_position;
}

// Consumes the comma or line end that closes a field; a comma means one more field follows.
void WriteNotationReader::skipTerminator() {
    m_fieldPromised = false;
    if (!has(m_position))
        return;
    const char c = at(m_position++);
    if (c == ',')
        m_fieldPromised = true;
    else if (c == '\r' && has(m_position) && at(m_position) == '\n')
        ++m_position;
}

// Where the unquoted part of a field ends: at the comma or line end after `from`, or at the end.
qint64 WriteNotationReader::separatorFrom(qint64 from) {
    while (has(from) && at(from) != ',' && !IsLineEnd(at(from)))
        ++from;
    return from;
}

bool WriteNotationReader::atEnd() {
    if (m_fieldPromised)
        return false;
    // Looked for again only once the reader has passed what was found, so that each byte is
    // looked at once however many blank lines there are.
    if (m_lookedFrom < 0 || (m_content >= 0 && m_position > m_content)) {
        m_lookedFrom = m_position;
        qint64 p = m_position;
        while (has(p) && (IsBlank(at(p)) || IsLineEnd(at(p))))
            ++p;
        m_content = has(p) ? p : -1;
    }
    return m_content < 0;
}

WriteNotationReader::Field WriteNotationReader::next() {
    if (atEnd())
        return Field();

    skipBlanks();
    if (has(m_position) && at(m_position) == '"') {
        const qint64 start = m_position + 1;
        qint64 close = start;
        bool closed = false;
        while (!closed && has(close)) {
            const char* from = m_bytes.constData() + (close - m_windowStart);
            const void* quote = std::memchr(from, '"', std::size_t(m_windowEnd - close));
            closed = quote != nullptr;
            close = closed ? close + (static_cast<const char*>(quote) - from) : m_windowEnd;
        }
        // Unterminated: the string runs to the end of the text.
        QString text = FromWindows1251(QByteArrayView(m_bytes.constData() + (start - m_windowStart),
                                                      qsizetype(close - start)));
        // Whatever stands between the closing quote and the separator is dropped.
        m_position = separatorFrom(closed ? close + 1 : close);
        skipTerminator();
        return Field(std::move(text), true);
    }

    const qint64 start = m_position;
    m_position = separatorFrom(start);
    qint64 end = m_position;
    while (end > start && IsBlank(at(end - 1)))
        --end;
    QString text = FromWindows1251(
        QByteArrayView(m_bytes.constData() + (start - m_windowStart), qsizetype(end - start)));
    skipTerminator();
    return Field(std::move(text), false);
}

std::optional<double> WriteNotationReader::nextNumber() {
    if (atEnd())
        return std::nullopt;
    qint64 p = m_position;
    while (has(p) && IsBlank(at(p)))
        ++p;
    bool negative = false;
    if (has(p) && (at(p) == '-' || at(p) == '+'))
        negative = at(p++) == '-';
    const qint64 digits = p;
    qint64 value = 0;
    // Eighteen digits always fit; anything longer takes the general way.
    while (p - digits < 18 && has(p) && IsDigit(at(p)))
        value = value * 10 + (at(p++) - '0');
    qint64 end = p;
    while (has(end) && IsBlank(at(end)))
        ++end;
    const bool closed = !has(end) || at(end) == ',' || IsLineEnd(at(end));
    if (p > digits && closed) {
        m_position = end;
        skipTerminator();
        return negative ? -double(value) : double(value);
    }
    return next().toNumber();
}

bool WriteNotationReader::nextWholeNumbers(qint64* values, int count) {
    if (count <= 0 || count > 1024 || atEnd())
        return false;
    // The longest line this reads, with its line end: once that much is in the window (or
    // the whole rest of the text), the numbers are read straight from it.
    const qint64 longest = qint64(count) * 20 + 2;
    if (m_windowEnd - m_position < longest)
        fill(m_position + longest);
    const char* data = m_bytes.constData();
    const qsizetype size = qsizetype(m_windowEnd - m_windowStart);
    qsizetype i = qsizetype(m_position - m_windowStart);
    for (int n = 0; n < count; ++n) {
        const bool negative = i < size && data[i] == '-';
        i += negative ? 1 : 0;
        const qsizetype digits = i;
        qint64 value = 0;
        while (i < size && i - digits < 18 && IsDigit(data[i]))
            value = value * 10 + (data[i++] - '0');
        if (i == digits)
            return false;
        values[n] = negative ? -value : value;
        const bool last = n + 1 == count;
        // A comma between the numbers, a line end or the end of the text after the last.
        if (last ? i < size && !IsLineEnd(data[i]) : i >= size || data[i] != ',')
            return false;
        if (!last)
            ++i;
    }
    m_position = m_windowStart + i;
    skipTerminator();
    return true;
}

void WriteNotationReader::skipLine() {
    while (m_fieldPromised && !atEnd())
        next();
}

QByteArray WriteNotationReader::readFile(const QString& path, qint64 maxBytes) {
    BoundedFileReader::Result file = BoundedFileReader::read(path, maxBytes);
    return file.status == BoundedFileReader::Status::Read ? file.bytes : QByteArray();
}
