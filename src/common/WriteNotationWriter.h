#pragma once

#include <QByteArray>
#include <QString>

// Builds the comma-separated records of diagram and settings files: fields separated by
// commas, each record closed by CR LF, the whole text in Windows-1251. The bytes are built as
// the fields come: only strings need the code page, everything else is ASCII.
class WriteNotationWriter {
public:
    // A double quote cannot be escaped in this notation, so it is stored as an apostrophe.
    void writeString(const QString& text);
    void writeInteger(qint64 value);
    // Stored as single precision, the way every real number in our files is kept.
    void writeNumber(double value);
    void writeBool(bool value);
    void endRecord();

    const QByteArray& bytes() const { return m_bytes; }
    // Forgets what was written, keeping the memory, so the writer can build the next piece.
    void clear();

    // The text of a real number: "." as decimal point, whole numbers without a point,
    // otherwise the fewest digits that read back as the same float, never an exponent.
    // NaN is written as 0 and values beyond the float range as the largest float.
    static QString formatNumber(double value);

private:
    void beginField();

    QByteArray m_bytes;
    bool m_recordHasFields = false;
};
