#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads the fields of a diagram or settings file one after another, without regard to
// line boundaries. A field ends at a comma or a line end (CR LF, LF or CR); a quoted
// string runs to the next double quote and may hold commas and line breaks.
class WriteNotationReader {
public:
    class Field {
    public:
        Field() = default; // a missing field, returned when reading past the end
        Field(const QString& text, bool quoted);

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

    // `bytes` is the whole file in Windows-1251.
    explicit WriteNotationReader(const QByteArray& bytes);

    // True once no field is left. Blank lines and white space at the very end of the
    // text are not fields; a comma always promises one more.
    bool atEnd() const;
    Field next();
    // The next field as a number, as next().toNumber() gives it, without making a field of
    // it first: plain whole numbers, most of a diagram's pixels, are read in place.
    std::optional<double> nextNumber();
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
    bool isLineEnd(qsizetype index) const;
    void skipBlanks();
    void skipTerminator();

    QString m_text;
    qsizetype m_position = 0;
    // Everything from here on is blanks and line ends, found once so atEnd() stays cheap.
    qsizetype m_end = 0;
    bool m_fieldPromised = false;
};
