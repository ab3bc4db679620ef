#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Reads the fields of a diagram or settings file one after another, without regard to
// line boundaries. A field ends at a comma or a line end (CR LF, LF or CR); a quoted
// string runs to the next double quote and may hold commas and line breaks.
class WriteNotationReader {
public:
    class Field {
    public:
        Field() = default; // a missing field, returned when reading past the end
        Field(QString text, bool quoted);

        bool isMissing() const { return m_missing; }
        bool isQuoted() const { return m_quoted; }
        // The unquoted #TRUE# or #FALSE#.
        bool isBool() const { return toBool().has_value(); }
        // Missing, or nothing between the separators (an empty quoted string counts too).
        bool isEmpty() const { return m_text.isEmpty(); }

        const QString& toString() const { return m_text; }
        // Decimal text with "." as the point, an optional sign and exponent: "-3", ".5",
        // "8.25", "1E-03". Anything else (including the boolean marks) is not a number.
        std::optional<double> toNumber() const;
        std::optional<bool> toBool() const;

    private:
        QString m_text;
        bool m_quoted = false;
        bool m_missing = true;
    };

    // Puts the next bytes of the text into `buffer`, at most `capacity` of them, and tells how
    // many; 0 at the end of the text.
    using Source = std::function<qsizetype(char* buffer, qsizetype capacity)>;

    // `bytes` is the whole file in Windows-1251.
    explicit WriteNotationReader(const QByteArray& bytes);
    // The text taken from `source` as it is read, a block at a time, so that a large file is
    // never held whole: only a field longer than a block, or a long run of blank lines, makes
    // the reader hold more.
    explicit WriteNotationReader(Source source);

    // True once no field is left. Blank lines and white space at the very end of the
    // text are not fields; a comma always promises one more.
    bool atEnd();
    Field next();
    // The next field as a number, as next().toNumber() gives it, without making a field of
    // it first: plain whole numbers, most of a diagram's pixels, are read in place.
    std::optional<double> nextNumber();
    // When the next `count` fields are plain whole numbers ("-12", "3": an optional minus and
    // at most eighteen digits, nothing else) and the last of them closes its line or the
    // text, reads them into `values`, the numbers that many nextNumber() calls would give,
    // and returns true. Otherwise reads nothing and returns false: the caller takes the general
    // way. A pixel block is millions of such lines.
    bool nextWholeNumbers(qint64* values, int count);
    // True when the field read last closed its line (or the text), rather than a comma.
    bool endedLine() const { return !m_fieldPromised; }
    // Reads past whatever fields are left on the current line.
    void skipLine();

    // Beyond this a file is not read at all.
    static constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;
    // The whole content of a regular file, or nothing when it cannot be read or is larger
    // than `maxBytes`.
    static QByteArray readFile(const QString& path, qint64 maxBytes = MaxFileBytes);

private:
    // Positions count from the start of the text; the window holds the bytes from
    // m_windowStart to m_windowEnd, never dropping any at or after m_position.
    bool has(qint64 position) { return position < m_windowEnd || fill(position); }
    char at(qint64 position) const { return m_bytes.constData()[position - m_windowStart]; }
    bool fill(qint64 position);
    qint64 separatorFrom(qint64 from);
    void skipBlanks();
    void skipTerminator();

    QByteArray m_bytes; // the window: the whole text, or the part of it read and still needed
    qint64 m_windowStart = 0;
    qint64 m_windowEnd = 0;
    Source m_source; // none once the whole text is in
    qint64 m_position = 0;
    // The first byte at or after m_lookedFrom that is neither blank nor a line end is at
    // m_content (-1: there is none), found once so atEnd() stays cheap. Not yet looked: -1.
    qint64 m_lookedFrom = -1;
    qint64 m_content = -1;
    bool m_fieldPromised = false;
};
