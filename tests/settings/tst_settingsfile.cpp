#include "settings/SettingsFile.h"

#include "common/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

QByteArray DefaultFileBytes() {
    QByteArray bytes("\"[NASTROIKIVX]\"\r\n\"MS Sans Serif\"\r\n");
    for (int i = 0; i < 11; ++i)
        bytes += "255\r\n";
    return bytes + "#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n";
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A settings file with the marker followed by `lines`, one per record.
QByteArray FileWith(const QList<QByteArray>& lines) {
    QByteArray bytes("\"[NASTROIKIVX]\"\r\n");
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

SettingsRecord SampleRecord() {
    SettingsRecord record;
    record.ProgramFont = QStringLiteral("Arial Narrow");
    for (int i = 0; i < SettingsRecord::WindowCount; ++i)
        record.transparency[i] = static_cast<int16_t>(i * 20);
    record.ShowInfo = false;
    record.Pre4ertaiPriMestene = false;
    record.ShowDrawOptions = true;
    return record;
}

// Plays a user who may not do `denied` to `paths`, whoever runs the test (root may write to
// read-only files).
FileAccess::Override Deny(const QStringList& paths, FileAccess::Access denied) {
    QStringList absolute;
    for (const QString& path : paths)
        absolute << QFileInfo(path).absoluteFilePath();
    return FileAccess::Override([absolute, denied](const QString& path, FileAccess::Access access) {
        return access == denied && absolute.contains(path) ? std::optional<bool>(false)
                                                           : std::nullopt;
    });
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void freshFileIsWritten();
    void invalidFileIsReplaced_data();
    void invalidFileIsReplaced();
    void partialFileKeepsDefaults();
    void badValuesFallBack_data();
    void badValuesFallBack();
    void saveLoadRoundTrip();
    void fontNameText();
    void uncreatableProgramDirUsesUserDir();
    void readOnlyProgramDirUsesUserDir();
    void programValuesCarryOverToUserFile();
    void unreadableFileIsNotOverwritten();
    void oddFilesAreLeftAlone_data();
    void oddFilesAreLeftAlone();
    void byteOrderMark();
    void userConfigFolder();
    void saveReportsFailure();
};

void TestSettingsFile::freshFileIsWritten() {
    QTemporaryDir program;
    QTemporaryDir user;
    const SettingsFile settings = SettingsFile::locate(program.path(), user.path());
    QCOMPARE(settings.path(), program.filePath(QStringLiteral("settings.ini")));

    QCOMPARE(settings.load(), SettingsRecord());
    QCOMPARE(ReadBytes(settings.path()), DefaultFileBytes());
    QCOMPARE(SettingsFile::encode(SettingsRecord()), DefaultFileBytes());
    QVERIFY(QDir(user.path()).isEmpty());
}

void TestSettingsFile::invalidFileIsReplaced_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("other marker") << QByteArray("\"[SETTINGS]\"\r\n\"Arial\"\r\n");
    QTest::newRow("marker in other case") << QByteArray("\"[nastroikivx]\"\r\n\"Arial\"\r\n");
    QTest::newRow("marker not first") << QByteArray("1,\"[NASTROIKIVX]\"\r\n\"Arial\"\r\n");
    QTest::newRow("binary junk") << QByteArray("\x00\xFF\x98\r\n", 4);
}

void TestSettingsFile::invalidFileIsReplaced() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QVERIFY(WriteBytes(path, content));
    QCOMPARE(SettingsFile(path).load(), SettingsRecord());
    QCOMPARE(ReadBytes(path), DefaultFileBytes());
}

void TestSettingsFile::partialFileKeepsDefaults() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    const QByteArray content = FileWith({"\"Tahoma\""});
    QVERIFY(WriteBytes(path, content));

    SettingsRecord expected;
    expected.ProgramFont = QStringLiteral("Tahoma");
    QCOMPARE(SettingsFile(path).load(), expected);
    QCOMPARE(ReadBytes(path), content); // a valid file is never rewritten by loading
}

void TestSettingsFile::badValuesFallBack_data() {
    // Transparency of window 2 is line 5 and ShowDrawOptions line 16; all other lines keep
    // their default text.
    QTest::addColumn<QByteArray>("transparency");
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<int>("expectedTransparency");
    QTest::addColumn<bool>("expectedFlag");
    QTest::newRow("negative") << QByteArray("-5") << QByteArray("#TRUE#") << 255 << true;
    QTest::newRow("above 255") << QByteArray("300") << QByteArray("#FALSE#") << 255 << false;
    QTest::newRow("not a number") << QByteArray("abc") << QByteArray("7") << 255 << false;
    QTest::newRow("number with junk")
        << QByteArray("12x") << QByteArray("\"#TRUE#\"") << 255 << false;
    QTest::newRow("empty values") << QByteArray("") << QByteArray("") << 255 << false;
    QTest::newRow("boolean as number") << QByteArray("#TRUE#") << QByteArray("-1") << 255 << false;
    QTest::newRow("half rounds down to even")
        << QByteArray("2.5") << QByteArray("#TRUE#") << 2 << true;
    QTest::newRow("half rounds up to even")
        << QByteArray("127.5") << QByteArray("#TRUE#") << 128 << true;
    QTest::newRow("rounds past 255") << QByteArray("255.5") << QByteArray("#TRUE#") << 255 << true;
    QTest::newRow("rounds up to 0") << QByteArray("-0.4") << QByteArray("#TRUE#") << 0 << true;
    QTest::newRow("quoted number") << QByteArray("\"40\"") << QByteArray("#TRUE#") << 40 << true;
    QTest::newRow("huge") << QByteArray("1e300") << QByteArray("#TRUE#") << 255 << true;
}

void TestSettingsFile::badValuesFallBack() {
    QFETCH(QByteArray, transparency);
    QFETCH(QByteArray, flag);
    QFETCH(int, expectedTransparency);
    QFETCH(bool, expectedFlag);

    QList<QByteArray> lines{"\"Tahoma\"", "10", "20", transparency};
    for (int i = 3; i < 11; ++i)
        lines.append("30");
    lines << "#FALSE#"
          << "#FALSE#" << flag;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QVERIFY(WriteBytes(path, FileWith(lines)));
    const SettingsRecord record = SettingsFile(path).load();

    QCOMPARE(record.ProgramFont, QStringLiteral("Tahoma"));
    QCOMPARE(int(record.transparency[0]), 10);
    QCOMPARE(int(record.transparency[1]), 20);
    QCOMPARE(int(record.transparency[2]), expectedTransparency);
    QCOMPARE(int(record.transparency[10]), 30);
    QCOMPARE(record.ShowInfo, false);
    QCOMPARE(record.Pre4ertaiPriMestene, false);
    QCOMPARE(record.ShowDrawOptions, expectedFlag);
}

void TestSettingsFile::saveLoadRoundTrip() {
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath(QStringLiteral("settings.ini")));
    const SettingsRecord record = SampleRecord();
    QVERIFY(record != SettingsRecord());

    QVERIFY(settings.save(record));
    QCOMPARE(settings.load(), record);

    const QByteArray bytes = ReadBytes(settings.path());
    QCOMPARE(bytes.count("\r\n"), 16);
    QVERIFY(bytes.endsWith("#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n"));
    QVERIFY(bytes.contains("\r\n0\r\n20\r\n40\r\n"));
}

void TestSettingsFile::fontNameText() {
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath(QStringLiteral("settings.ini")));
    SettingsRecord record = SampleRecord();
    record.ProgramFont = QStringLiteral("Шрифт Ъгъл");
    QVERIFY(settings.save(record));
    QVERIFY(ReadBytes(settings.path()).contains("\"\xD8\xF0\xE8\xF4\xF2 \xDA\xE3\xFA\xEB\"\r\n"));
    QCOMPARE(settings.load(), record);

    // A quote would end the string early and shift every later value by one.
    record.ProgramFont = QStringLiteral("My \"Font\", bold");
    QVERIFY(settings.save(record));
    record.ProgramFont = QStringLiteral("My 'Font', bold");
    QCOMPARE(settings.load(), record);
}

void TestSettingsFile::uncreatableProgramDirUsesUserDir() {
    QTemporaryDir temp;
    const QString blocker = temp.filePath(QStringLiteral("blocker"));
    QVERIFY(WriteBytes(blocker, "x"));
    const QString programDir = blocker + QStringLiteral("/program");
    const QString userDir = temp.filePath(QStringLiteral("config/vexilardo")); // not there yet

    const SettingsFile settings = SettingsFile::locate(programDir, userDir);
    QCOMPARE(settings.path(), userDir + QStringLiteral("/settings.ini"));
    QCOMPARE(settings.load(), SettingsRecord());
    QCOMPARE(ReadBytes(settings.path()), DefaultFileBytes());

    QVERIFY(settings.save(SampleRecord()));
    QCOMPARE(SettingsFile::locate(programDir, userDir).load(), SampleRecord());
}

void TestSettingsFile::readOnlyProgramDirUsesUserDir() {
    QTemporaryDir program;
    QTemporaryDir user;
    const QString programFile = program.filePath(QStringLiteral("settings.ini"));
    const QString userFile = user.filePath(QStringLiteral("settings.ini"));
    QVERIFY(WriteBytes(programFile, DefaultFileBytes()));
    {
        const auto readOnly = Deny({programFile}, FileAccess::Access::Write);
        QCOMPARE(SettingsFile::resolvePath(program.path(), user.path()), userFile);
    }
    QCOMPARE(SettingsFile::resolvePath(program.path(), user.path()), programFile);

    QVERIFY(QFile::remove(programFile));
    const auto readOnly = Deny({program.path()}, FileAccess::Access::Write);
    const SettingsFile settings = SettingsFile::locate(program.path(), user.path());
    QCOMPARE(settings.path(), userFile);
    QVERIFY(settings.save(SampleRecord()));
    QCOMPARE(SettingsFile::locate(program.path(), user.path()).load(), SampleRecord());
    QVERIFY(QDir(program.path()).isEmpty());
}

void TestSettingsFile::programValuesCarryOverToUserFile() {
    // What locate() gives when the program folder became read-only after the user had
    // saved settings there.
    QTemporaryDir program;
    QTemporaryDir user;
    const QString programFile = program.filePath(QStringLiteral("settings.ini"));
    const QString userFile = user.filePath(QStringLiteral("sub/settings.ini"));
    const QByteArray programBytes = SettingsFile::encode(SampleRecord());
    QVERIFY(WriteBytes(programFile, programBytes));

    const SettingsFile settings(userFile, programFile);
    QCOMPARE(settings.load(), SampleRecord());
    QCOMPARE(ReadBytes(userFile), programBytes);

    SettingsRecord changed = SampleRecord();
    changed.ShowInfo = true;
    QVERIFY(settings.save(changed));
    QCOMPARE(settings.load(), changed);
    QCOMPARE(ReadBytes(programFile), programBytes);

    // An invalid program file is not carried over.
    QVERIFY(QFile::remove(userFile));
    QVERIFY(WriteBytes(programFile, "\"other\"\r\n"));
    QCOMPARE(settings.load(), SettingsRecord());
    QCOMPARE(ReadBytes(userFile), DefaultFileBytes());
    QCOMPARE(ReadBytes(programFile), QByteArray("\"other\"\r\n"));
}

void TestSettingsFile::unreadableFileIsNotOverwritten() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    const QByteArray content = SettingsFile::encode(SampleRecord());
    QVERIFY(WriteBytes(path, content));
    {
        const auto unreadable = Deny({path}, FileAccess::Access::Read);
        QCOMPARE(SettingsFile(path).load(), SettingsRecord());
        // Nor is a file the user may not write replaced.
        const auto readOnly = Deny({path}, FileAccess::Access::Write);
        QVERIFY(!SettingsFile(path).save(SettingsRecord()));
    }
    QCOMPARE(ReadBytes(path), content);
    QCOMPARE(SettingsFile(path).load(), SampleRecord());
}

void TestSettingsFile::oddFilesAreLeftAlone_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("read");
    // Valid settings padded with blank lines to the cap, or one byte past it.
    QTest::newRow("at the size cap") << "at cap" << true;
    QTest::newRow("past the size cap") << "past cap" << false;
    QTest::newRow("fifo") << "fifo" << false;
}

void TestSettingsFile::oddFilesAreLeftAlone() {
    QFETCH(QString, kind);
    QFETCH(bool, read);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QByteArray content = SettingsFile::encode(SampleRecord());
    if (kind == QLatin1String("at cap") || kind == QLatin1String("past cap")) {
        const qint64 size = SettingsFile::MaxFileBytes + (kind == QLatin1String("at cap") ? 0 : 1);
        content += QByteArray(size - content.size(), '\n');
        QVERIFY(WriteBytes(path, content));
    } else if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0) {
        QSKIP("No FIFOs here");
    }

    QCOMPARE(SettingsFile(path).load(), read ? SampleRecord() : SettingsRecord());
    if (kind.endsWith(QLatin1String("cap")))
        QCOMPARE(ReadBytes(path), content);
    else
        QVERIFY(!QFileInfo(path).isFile()); // still the fifo
}

void TestSettingsFile::byteOrderMark() {
    // Saved as UTF-8 by an editor: the mark is skipped and the font name read as UTF-8.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    SettingsRecord record = SampleRecord();
    record.ProgramFont = QStringLiteral("Шрифт");
    QByteArray content = "\xEF\xBB\xBF" + SettingsFile::encode(record);
    content.replace("\xD8\xF0\xE8\xF4\xF2", QStringLiteral("Шрифт").toUtf8());
    QVERIFY(WriteBytes(path, content));
    QCOMPARE(SettingsFile(path).load(), record);
    QCOMPARE(ReadBytes(path), content);
    QCOMPARE(SettingsFile::decode("\xEF\xBB\xBF"), std::nullopt);
}

void TestSettingsFile::userConfigFolder() {
    // The program names both its organisation and itself Vexilardo; the folder must not
    // nest in itself.
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication::setOrganizationName(QStringLiteral("Vexilardo"));
    QCoreApplication::setApplicationName(QStringLiteral("Vexilardo"));
    const auto restore = qScopeGuard([&] {
        if (saved.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", saved);
    });
    QCOMPARE(SettingsFile::userConfigFolder(), config.path() + QStringLiteral("/Vexilardo"));
}

void TestSettingsFile::saveReportsFailure() {
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("blocker"));
    QVERIFY(WriteBytes(blocker, "x"));
    QVERIFY(!SettingsFile(blocker + QStringLiteral("/settings.ini")).save(SettingsRecord()));

    // A settings.ini that is a folder cannot be replaced, and is not mistaken for settings.
    const QString folder = dir.filePath(QStringLiteral("settings.ini"));
    QVERIFY(QDir().mkpath(folder));
    const SettingsFile settings(folder);
    QVERIFY(!settings.save(SettingsRecord()));
    QCOMPARE(settings.load(), SettingsRecord());
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
