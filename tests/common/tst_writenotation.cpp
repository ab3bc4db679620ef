#include "common/BoundedFileReader.h"
#include "common/Windows1251.h"
#include "common/WriteNotationReader.h"
#include "common/WriteNotationWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cfloat>
#include <cmath>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

using Field = WriteNotationReader::Field;

class TestWriteNotation : public QObject {
    Q_OBJECT

private slots:
    void windows1251_data();
    void windows1251();
    void everyByteSurvives();
    void formatNumber_data();
    void formatNumber();
    void formattedNumbersReadBack();
    void writerOutput();
    void readerFields_data();
    void readerFields();
    void fieldsFromASource_data() { readerFields_data(); }
    void fieldsFromASource();
    void fieldKinds();
    void readingPastEnd();
    void manyBlankLines_data();
    void manyBlankLines();
    void toNumber_data();
    void toNumber();
    void numbersInPlace_data();
    void numbersInPlace();
    void wholeNumberLines_data();
    void wholeNumberLines();
    void stringsAtTheirEdges_data();
    void stringsAtTheirEdges();
    void readFile();
    void boundedRead_data();
    void boundedRead();
};

void TestWriteNotation::windows1251_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("cyrillic") << QStringLiteral("Шрифт ёЁ№")
                              << QByteArray("\xD8\xF0\xE8\xF4\xF2 \xB8\xA8\xB9")
                              << QStringLiteral("Шрифт ёЁ№");
    QTest::newRow("unrepresentable")
        << QStringLiteral("a\u4E2Db\u00FF") << QByteArray("a?b?") << "a?b?";
    QTest::newRow("astral character is one ?")
        << QStringLiteral("x\U0001F600y") << QByteArray("x?y") << "x?y";
    QTest::newRow("unassigned byte")
        << QStringLiteral("А?Б") << QByteArray("\xC0?\xC1") << QStringLiteral("А?Б");
}

void TestWriteNotation::windows1251() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    QCOMPARE(ToWindows1251(text), bytes);
    QCOMPARE(FromWindows1251(bytes), readBack);
}

void TestWriteNotation::everyByteSurvives() {
    // 0x98 is unassigned in the code page and reads as '?'; nothing else may be lost.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = FromWindows1251(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x98), QLatin1Char('?'));
    all[0x98] = '?';
    QCOMPARE(ToWindows1251(text), all);
}

void TestWriteNotation::formatNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("fraction") << 8.25 << "8.25";
    QTest::newRow("float 0.1") << double(0.1f) << "0.1";
    QTest::newRow("whole") << 120.0 << "120";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("negative fraction") << -0.75 << "-0.75";
    QTest::newRow("small") << 0.001 << "0.001";
    QTest::newRow("tiny") << 1.5e-7 << "0.00000015";
    QTest::newRow("large, no exponent") << 1e30 << "1" + QString(30, QLatin1Char('0'));
    QTest::newRow("beyond float precision") << 16777217.0 << "16777216";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("nan") << std::nan("") << "0";
    QTest::newRow("infinity clamps")
        << -std::numeric_limits<double>::infinity() << "-340282350000000000000000000000000000000";
}

void TestWriteNotation::formatNumber() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(WriteNotationWriter::formatNumber(value), text);
}

void TestWriteNotation::formattedNumbersReadBack() {
    for (const float value : {1.0f / 3.0f, -2.71828f, 123456.78f, 1e-20f, FLT_MIN, FLT_MAX,
                              FLT_TRUE_MIN, 7.0e-3f, 0.3f}) {
        const QString text = WriteNotationWriter::formatNumber(value);
        const std::optional<double> read = Field(text, false).toNumber();
        QVERIFY2(read && !text.contains(QLatin1Char('e')), qPrintable(text));
        QCOMPARE(static_cast<float>(*read), value);
    }
}

void TestWriteNotation::writerOutput() {
    WriteNotationWriter writer;
    writer.writeString(QStringLiteral("say \"hi\", Ян"));
    writer.writeInteger(-42);
    writer.writeNumber(8.25);
    writer.writeBool(true);
    writer.endRecord();
    writer.writeString(QString());
    writer.writeBool(false);
    writer.endRecord();
    writer.endRecord();
    QCOMPARE(writer.bytes(), QByteArray("\"say 'hi', \xDF\xED\",-42,8.25,#TRUE#\r\n"
                                        "\"\",#FALSE#\r\n"
                                        "\r\n"));

    WriteNotationReader reader(writer.bytes());
    QCOMPARE(reader.next().toString(), QStringLiteral("say 'hi', Ян"));
    QCOMPARE(reader.next().toNumber(), std::optional<double>(-42));
    QCOMPARE(reader.next().toNumber(), std::optional<double>(8.25));
    QCOMPARE(reader.next().toBool(), std::optional<bool>(true));
    const Field empty = reader.next();
    QVERIFY(empty.isQuoted() && empty.isEmpty() && !empty.isMissing());
    QCOMPARE(reader.next().toBool(), std::optional<bool>(false));
    QVERIFY(reader.atEnd());
}

void TestWriteNotation::readerFields_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("CR LF") << QByteArray("1,2\r\n3\r\n") << QStringList{"1", "2", "3"};
    QTest::newRow("LF") << QByteArray("1,2\n3\n") << QStringList{"1", "2", "3"};
    QTest::newRow("CR, no final line end") << QByteArray("1,2\r3") << QStringList{"1", "2", "3"};
    QTest::newRow("quoted comma and line break")
        << QByteArray("\"a,\r\nb\",c") << QStringList{"a,\r\nb", "c"};
    QTest::newRow("junk after closing quote") << QByteArray("\"a\" x,b") << QStringList{"a", "b"};
    QTest::newRow("unterminated quote")
        << QByteArray("1,\"ab,c\r\n") << QStringList{"1", "ab,c\r\n"};
    QTest::newRow("blanks trimmed")
        << QByteArray(" 12 \t,\t\"x\" , y z \r\n") << QStringList{"12", "x", "y z"};
    QTest::newRow("empty fields") << QByteArray(",,\r\n") << QStringList{"", "", ""};
    QTest::newRow("comma before end") << QByteArray("a,") << QStringList{"a", ""};
    QTest::newRow("blank line between") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("blank lines at end") << QByteArray("a\r\n\r\n \n") << QStringList{"a"};
    QTest::newRow("nothing") << QByteArray() << QStringList{};
    QTest::newRow("cyrillic") << QByteArray("\"\xC4\xE0, \xED\xE5\",\xDF")
                              << QStringList{QStringLiteral("Да, не"), QStringLiteral("Я")};
}

// The fields up to the end, one more than `expected` at most; a missing field reads as
// "<missing>", which no expected list holds.
QStringList readFields(WriteNotationReader& reader, qsizetype expected) {
    QStringList read;
    while (!reader.atEnd() && read.size() <= expected) {
        const Field field = reader.next();
        read.append(field.isMissing() ? QStringLiteral("<missing>") : field.toString());
    }
    return read;
}

void TestWriteNotation::readerFields() {
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fields);
    WriteNotationReader reader(input);
    QCOMPARE(readFields(reader, fields.size()), fields);
}

// Taken from a source a few bytes at a time, the text reads as it does whole: every field,
// quoted or not, may straddle the blocks.
void TestWriteNotation::fieldsFromASource() {
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fields);
    for (const qsizetype block : {1, 2, 5}) {
        qsizetype at = 0;
        WriteNotationReader reader([&](char* buffer, qsizetype capacity) {
            const qsizetype size = std::min({block, capacity, input.size() - at});
            std::copy_n(input.constData() + at, size, buffer);
            at += size;
            return size;
        });
        QCOMPARE(readFields(reader, fields.size()), fields);
    }
}

void TestWriteNotation::fieldKinds() {
    WriteNotationReader reader(QByteArray("#TRUE#, #false# ,\"#TRUE#\",7,\"12\""));
    const Field yes = reader.next();
    QVERIFY(yes.isBool() && !yes.isQuoted());
    QCOMPARE(yes.toNumber(), std::nullopt);
    QCOMPARE(reader.next().toBool(), std::optional<bool>(false));
    const Field quotedMark = reader.next(); // a string that happens to spell the mark
    QVERIFY(quotedMark.isQuoted() && !quotedMark.isBool());
    QCOMPARE(reader.next().toBool(), std::nullopt);
    QCOMPARE(reader.next().toNumber(), std::optional<double>(12));
}

void TestWriteNotation::readingPastEnd() {
    WriteNotationReader reader(QByteArray("1\r\n"));
    QCOMPARE(reader.next().toString(), QStringLiteral("1"));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.atEnd());
        const Field field = reader.next();
        QVERIFY(field.isMissing() && field.isEmpty());
        QCOMPARE(field.toNumber(), std::nullopt);
        QCOMPARE(field.toBool(), std::nullopt);
    }
}

void TestWriteNotation::manyBlankLines_data() {
    // Once read in time quadratic in the blank lines: this input took minutes.
    constexpr int Lines = 300000;
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QString>("last");
    QTest::newRow("between fields")
        << "a" + QByteArray(Lines, '\n') + "b" << Lines + 1 << QStringLiteral("b");
    QTest::newRow("CR LF and blanks between fields")
        << "a" + QByteArray("\r\n \t").repeated(Lines) + "b" << Lines + 1 << QStringLiteral("b");
    QTest::newRow("at the end") << "a,b" + QByteArray("\r\n").repeated(Lines) << 2
                                << QStringLiteral("b");
    QTest::newRow("nothing else") << QByteArray(Lines, '\r') << 0 << QString();
}

void TestWriteNotation::manyBlankLines() {
    QFETCH(QByteArray, input);
    QFETCH(int, fields);
    QFETCH(QString, last);
    WriteNotationReader reader(input);
    int read = 0;
    Field field;
    while (!reader.atEnd() && read <= fields) {
        field = reader.next();
        ++read;
    }
    QCOMPARE(read, fields);
    QCOMPARE(field.toString(), last);
    QVERIFY(reader.next().isMissing());
}

void TestWriteNotation::toNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("value");
    const std::optional<double> none;
    QTest::newRow("negative") << "-3" << std::optional<double>(-3);
    QTest::newRow("plus") << "+4" << std::optional<double>(4);
    QTest::newRow("no leading digit") << "-.5" << std::optional<double>(-0.5);
    QTest::newRow("trailing point") << "5." << std::optional<double>(5);
    QTest::newRow("exponent") << "1E-03" << std::optional<double>(0.001);
    QTest::newRow("word") << "abc" << none;
    QTest::newRow("trailing junk") << "12x" << none;
    QTest::newRow("two points") << "1.2.3" << none;
    QTest::newRow("decimal comma") << "2,5" << none;
    QTest::newRow("sign only") << "-" << none;
    QTest::newRow("point only") << "." << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("inf") << "inf" << none;
    QTest::newRow("hex") << "0x10" << none;
    QTest::newRow("dangling exponent") << "1e" << none;
    QTest::newRow("overflow") << "1e999" << none;
    QTest::newRow("arabic digit") << QString::fromUtf8("\u0661") << none;
}

void TestWriteNotation::toNumber() {
    QFETCH(QString, text);
    QFETCH(std::optional<double>, value);
    QCOMPARE(Field(text, false).toNumber(), value);
}

void TestWriteNotation::numbersInPlace_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<std::optional<double>>("value");
    QTest::addColumn<QString>("after"); // the field read next
    const std::optional<double> none;
    QTest::newRow("plain") << QByteArray("42,x") << std::optional<double>(42) << "x";
    QTest::newRow("negative, blanks") << QByteArray(" -7 \t,x") << std::optional<double>(-7) << "x";
    QTest::newRow("int32 limit") << QByteArray("2147483647\r\nx")
                                 << std::optional<double>(2147483647) << "x";
    QTest::newRow("exponent") << QByteArray("1E+30,x") << std::optional<double>(1e30) << "x";
    QTest::newRow("nineteen digits") << QByteArray("1234567890123456789\nx")
                                     << std::optional<double>(1234567890123456789.0) << "x";
    QTest::newRow("boolean mark") << QByteArray("#TRUE#,x") << none << "x";
    QTest::newRow("quoted number") << QByteArray("\"12\",x") << std::optional<double>(12) << "x";
    // The code page's no-break space (0xA0) is trimmed like a blank around a number; the
    // unassigned 0x98 reads as '?' and spoils it.
    QTest::newRow("no-break space") << QByteArray("\xA0"
                                                  "5\xA0,x")
                                    << std::optional<double>(5) << "x";
    QTest::newRow("unassigned byte") << QByteArray("5\x98,x") << none << "x";
    QTest::newRow("cyrillic after digits") << QByteArray("5\xE0,x") << none << "x";
    QTest::newRow("CR alone") << QByteArray("8\rx") << std::optional<double>(8) << "x";
    QTest::newRow("trailing garbage") << QByteArray("8 9\r\nx") << none << "x";
}

// nextNumber() reads in place what next().toNumber() reads, and leaves the reader where
// next() would.
void TestWriteNotation::numbersInPlace() {
    QFETCH(QByteArray, input);
    QFETCH(std::optional<double>, value);
    QFETCH(QString, after);
    WriteNotationReader inPlace(input);
    WriteNotationReader fields(input);
    QCOMPARE(inPlace.nextNumber(), value);
    QCOMPARE(fields.next().toNumber(), value);
    QCOMPARE(inPlace.endedLine(), fields.endedLine());
    QCOMPARE(inPlace.next().toString(), after);
    QVERIFY(inPlace.atEnd());
}

void TestWriteNotation::wholeNumberLines_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QList<qint64>>("values"); // empty: left to the general way
    QTest::addColumn<QString>("after");        // the field read next
    const QList<qint64> none;
    QTest::newRow("CR LF") << QByteArray("3,0,17,16777215\r\nx")
                           << QList<qint64>{3, 0, 17, 16777215} << "x";
    QTest::newRow("LF, negative") << QByteArray("-1,-20,3,4\nx") << QList<qint64>{-1, -20, 3, 4}
                                  << "x";
    QTest::newRow("end of the text") << QByteArray("1,2,3,4") << QList<qint64>{1, 2, 3, 4} << "";
    QTest::newRow("eighteen digits") << QByteArray("999999999999999999,0,0,0\nx")
                                     << QList<qint64>{999999999999999999, 0, 0, 0} << "x";
    QTest::newRow("nineteen digits")
        << QByteArray("1999999999999999999,0,0,0\nx") << none << "1999999999999999999";
    QTest::newRow("five on the line") << QByteArray("1,2,3,4,5\nx") << none << "1";
    QTest::newRow("blank") << QByteArray("1, 2,3,4\nx") << none << "1";
    QTest::newRow("plus") << QByteArray("+1,2,3,4\nx") << none << "+1";
    QTest::newRow("point") << QByteArray("1,2.5,3,4\nx") << none << "1";
    QTest::newRow("quoted") << QByteArray("1,2,\"3\",4\nx") << none << "1";
    QTest::newRow("empty field") << QByteArray("1,,3,4\nx") << none << "1";
    QTest::newRow("nothing left") << QByteArray("\r\n") << none << "";
}

// The fast way through a pixel block reads what the general way reads, or nothing at all.
void TestWriteNotation::wholeNumberLines() {
    QFETCH(QByteArray, input);
    QFETCH(QList<qint64>, values);
    QFETCH(QString, after);
    WriteNotationReader reader(input);
    WriteNotationReader general(input);
    qint64 read[4] = {};
    QCOMPARE(reader.nextWholeNumbers(read, 4), !values.isEmpty());
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(read[i], values[i]);
        QCOMPARE(general.nextNumber(), std::optional<double>(double(values[i])));
    }
    QCOMPARE(reader.endedLine(), general.endedLine());
    QCOMPARE(reader.next().toString(), after);
}

void TestWriteNotation::stringsAtTheirEdges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lone high surrogate last") << QString(QChar(0xD83D)) << QByteArray("\"?\"");
    QTest::newRow("lone low surrogate first")
        << QString(QChar(0xDE00)) + QStringLiteral("Я") << QByteArray("\"?\xDF\"");
    QTest::newRow("quote next to cyrillic") << QStringLiteral("\"Я\"") << QByteArray("\"'\xDF'\"");
    QTest::newRow("control characters") << QStringLiteral("a\r\n\tb") << QByteArray("\"a\r\n\tb\"");
    QTest::newRow("nul") << QString(QChar(0)) << QByteArray("\"\0\"", 3);
}

// Strings are converted one by one: a character at either end converts as it would
// inside a longer text.
void TestWriteNotation::stringsAtTheirEdges() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    WriteNotationWriter writer;
    writer.writeString(text);
    QCOMPARE(writer.bytes(), bytes);
}

void TestWriteNotation::readFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.dia"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\"x\"\r\n") == 5);
    file.close();
    QCOMPARE(WriteNotationReader::readFile(path), QByteArray("\"x\"\r\n"));
    QCOMPARE(WriteNotationReader::readFile(dir.filePath(QStringLiteral("no.dia"))), QByteArray());
    QCOMPARE(WriteNotationReader::readFile(dir.path()), QByteArray());
    QCOMPARE(WriteNotationReader::readFile(path, 4), QByteArray());
    const QString fifo = dir.filePath(QStringLiteral("fifo.dia"));
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0)
        QCOMPARE(WriteNotationReader::readFile(fifo), QByteArray()); // and does not block
}

void TestWriteNotation::boundedRead_data() {
    using Status = BoundedFileReader::Status;
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<qint64>("cap");
    QTest::addColumn<Status>("status");
    QTest::addColumn<int>("bytes");
    QTest::newRow("under the cap") << "file" << 100 << qint64(101) << Status::Read << 100;
    QTest::newRow("exactly the cap") << "file" << 100 << qint64(100) << Status::Read << 100;
    QTest::newRow("one past the cap") << "file" << 101 << qint64(100) << Status::TooLarge << 100;
    QTest::newRow("empty") << "file" << 0 << qint64(0) << Status::Read << 0;
    QTest::newRow("many chunks") << "file" << 300000 << qint64(300000) << Status::Read << 300000;
    QTest::newRow("link to a file") << "link" << 10 << qint64(10) << Status::Read << 10;
    QTest::newRow("missing") << "none" << 0 << qint64(10) << Status::Missing << 0;
    QTest::newRow("dangling link") << "dangling" << 0 << qint64(10) << Status::Missing << 0;
    QTest::newRow("folder") << "dir" << 0 << qint64(10) << Status::NotRegular << 0;
    QTest::newRow("fifo") << "fifo" << 0 << qint64(10) << Status::NotRegular << 0;
    QTest::newRow("link to /dev/zero") << "zero" << 0 << qint64(10) << Status::NotRegular << 0;
    QTest::newRow("size reported as 0")
        << "/proc/self/status" << 0 << qint64(10) << Status::TooLarge << 10;
}

void TestWriteNotation::boundedRead() {
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(qint64, cap);
    QFETCH(BoundedFileReader::Status, status);
    QFETCH(int, bytes);

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    QString path = dir.filePath(QStringLiteral("file"));
    const QByteArray content = QByteArray("0123456789").repeated(size / 10 + 1).left(size);
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == size);
    file.close();
    if (kind == QLatin1String("file"))
        path = target;
    else if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(target, path));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    else if (kind == QLatin1String("dir"))
        path = dir.path();
    else if (kind == QLatin1String("fifo") &&
             ::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        QSKIP("No FIFOs here");
    else if (kind == QLatin1String("zero") && (!QFileInfo::exists(QStringLiteral("/dev/zero")) ||
                                               !QFile::link(QStringLiteral("/dev/zero"), path)))
        QSKIP("No /dev/zero here");
    else if (kind.startsWith(QLatin1Char('/'))) {
        if (QFileInfo(kind).size() != 0)
            QSKIP("No file that reports size 0");
        path = kind;
    }

    const BoundedFileReader::Result result = BoundedFileReader::read(path, cap);
    QCOMPARE(result.status, status);
    QCOMPARE(result.bytes.size(), bytes);
    if (kind == QLatin1String("file") || kind == QLatin1String("link"))
        QCOMPARE(result.bytes, content.left(bytes));

    // Streamed, the same status; the bytes only when the file can be read whole.
    QByteArray streamed;
    int consumed = 0;
    const auto consume = [&](const BoundedFileReader::Source& source) {
        ++consumed;
        char buffer[7000];
        while (const qsizetype got = source(buffer, sizeof buffer))
            streamed.append(buffer, got);
    };
    QCOMPARE(BoundedFileReader::stream(path, cap, consume), status);
    QCOMPARE(consumed, status == BoundedFileReader::Status::Read ? 1 : 0);
    QCOMPARE(streamed, status == BoundedFileReader::Status::Read ? result.bytes : QByteArray());
}

QTEST_APPLESS_MAIN(TestWriteNotation)
#include "tst_writenotation.moc"
