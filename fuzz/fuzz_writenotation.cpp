// The write notation reader on any bytes, then the writer on what it read.

#include "FuzzSupport.h"

#include "common/WriteNotationReader.h"
#include "common/WriteNotationWriter.h"

#include <QStringList>
#include <algorithm>
#include <cfloat>
#include <cmath>

using Field = WriteNotationReader::Field;

namespace {

float Single(double value) {
    return static_cast<float>(std::clamp(value, -double(FLT_MAX), double(FLT_MAX)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = FuzzBytes(data, size);
    WriteNotationReader reader(bytes);

    // Every call consumes at least one character or the comma's promise, so the reader is
    // done within one call per byte, plus one for a trailing comma.
    QList<Field> fields;
    while (!reader.atEnd()) {
        FUZZ_CHECK(fields.size() <= bytes.size());
        const Field field = reader.next();
        FUZZ_CHECK(!field.isMissing());
        FUZZ_CHECK(field.toString().size() <= bytes.size());
        if (field.isQuoted())
            FUZZ_CHECK(!field.toString().contains(QLatin1Char('"')));
        if (const std::optional<double> number = field.toNumber())
            FUZZ_CHECK(std::isfinite(*number));
        if (field.isBool())
            FUZZ_CHECK(!field.isQuoted() && !field.toNumber());
        fields.append(field);
    }
    const Field past = reader.next();
    FUZZ_CHECK(past.isMissing() && past.isEmpty() && !past.toNumber() && !past.isBool());
    FUZZ_CHECK(reader.atEnd());

    // Taken from a source a few bytes at a time, the same fields.
    std::size_t at = 0;
    const std::size_t block = 1 + size % 5;
    WriteNotationReader streamed([&](char* buffer, qsizetype capacity) {
        const std::size_t n = std::min({block, std::size_t(capacity), size - at});
        std::copy_n(data + at, n, buffer);
        at += n;
        return qsizetype(n);
    });
    for (const Field& field : fields) {
        const Field same = streamed.next();
        FUZZ_CHECK(same.toString() == field.toString() && same.isQuoted() == field.isQuoted() &&
                   !same.isMissing());
    }
    FUZZ_CHECK(streamed.atEnd());

    // Written back (numbers and marks as such, everything else as a string) and read again,
    // every field keeps its value: what a diagram reads, it can save.
    WriteNotationWriter writer;
    for (const Field& field : fields) {
        if (field.isBool())
            writer.writeBool(*field.toBool());
        else if (!field.isQuoted() && field.toNumber())
            writer.writeNumber(*field.toNumber());
        else
            writer.writeString(field.toString());
    }
    if (!fields.isEmpty())
        writer.endRecord();
    WriteNotationReader again(writer.bytes());
    for (const Field& field : fields) {
        FUZZ_CHECK(!again.atEnd());
        const Field copy = again.next();
        if (field.isBool()) {
            FUZZ_CHECK(copy.toBool() == field.toBool());
        } else if (!field.isQuoted() && field.toNumber()) {
            // Kept in single precision; beyond its range, its largest value.
            FUZZ_CHECK(copy.toNumber() && Single(*copy.toNumber()) == Single(*field.toNumber()));
        } else {
            // A double quote cannot be stored and becomes an apostrophe.
            QString expected = field.toString();
            expected.replace(QLatin1Char('"'), QLatin1Char('\''));
            FUZZ_CHECK(copy.isQuoted() && copy.toString() == expected);
        }
    }
    FUZZ_CHECK(again.atEnd());
    return 0;
}
