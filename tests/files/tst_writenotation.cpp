#include "files/BoundedFileReader.h"
#include "files/Windows1251.h"
#include "files/WriteNotationReader.h"
#include "files/WriteNotationWriter.h"

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
    void fieldKinds();
    void readingPastEnd();
    void manyBlankLines_data();
    void manyBlankLines();
    void toNumber_data();
    void toNumber();
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

void TestWriteNotation::readerFields() {
    QFETCH(QByteArray, input);
    QFETCH(QStringList, fields);
    WriteNotationReader reader(input);
    QStringList read;
    while (!reader.atEnd() && read.size() <= fields.size()) {
        const Field field = reader.next();
        QVERIFY(!field.isMissing());
        read.append(field.toString());
    }
    QCOMPARE(read, fields);
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
}

QTEST_APPLESS_MAIN(TestWriteNotation)
#include "tst_writenotation.moc"
