#include "files/DiaFile.h"
#include "files/FileCommands.h"
#include "files/Recovery.h"
#include "files/RecoveryCommands.h"
#include "kinds/CoreKinds.h"
#include "support/FullDisk.h"
#include "support/ScriptedPrompter.h"
#include "workspace/MainWindowFixture.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList recoveryFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("autosave-*")}, QDir::Files | QDir::Hidden);
}

// Gives the diagram's first picture `size` pixels of noise: every pixel a run of its own.
void paintNoise(Workspace& ws, int size) {
    QImage noise(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            noise.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x * y * 11) % 256));
    Diagram::Edit edit = ws.edit(QStringLiteral("Рисуване"));
    edit.store().objects[1].picture = noise;
}

// One running copy of the program, without its window.
struct Copy {
    ScriptedPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    std::unique_ptr<Recovery> recovery;
    explicit Copy(const QString& folder) : recovery(std::make_unique<Recovery>(ws, folder)) {}

    // Draws, autosaves and dies: the files stay, the lock names a process that has ended.
    void autosaveAndDie(const QString& fileName) {
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        recovery->setFileName(fileName);
        QVERIFY(recovery->autosave());
        recovery->wait();
        QByteArray lock = readAll(recovery->lockPath());
        const QString lockPath = recovery->lockPath();
        recovery.reset();
        QProcess ended;
        ended.start(QStringLiteral("true"), {});
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        lock.replace(0, lock.indexOf('\n'), QByteArray::number(pid));
        writeAll(lockPath, lock);
    }
};

// The time in an info file, as the question shows it.
QString savedTime(const QString& infoPath) {
    const QJsonObject info = QJsonDocument::fromJson(readAll(infoPath)).object();
    return QDateTime::fromString(info.value(QStringLiteral("saved")).toString(), Qt::ISODate)
        .toLocalTime()
        .toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private slots:
    void autosaveWritesTheDiagramAsItWasTaken() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("recovery"));
        Copy a(folder);
        QVERIFY(!a.recovery->autosave()); // nothing changed yet
        QVERIFY(!QFileInfo::exists(folder));
        a.ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        paintNoise(a.ws, 300);
        const QByteArray expected = DiaFile::write(a.ws);
        QVERIFY(a.recovery->autosave());
        // The window goes on while the worker writes.
        a.ws.edit(QStringLiteral("Преместване")).store().objects[1].Left += 150;
        a.recovery->wait();
        QCOMPARE(readAll(a.recovery->diagramPath()), expected);
        QVERIFY(a.recovery->hasChanges());
        QCOMPARE(recoveryFiles(folder).size(), 3); // diagram, info, lock: no temporary left

        Copy b(dir.filePath(QStringLiteral("other")));
        DiaFile::read(b.ws, readAll(a.recovery->diagramPath()));
        QCOMPARE(DiaFile::write(b.ws), expected);
    }

    void leftBehindIsOffered_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("withInfo");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("whole");
        QTest::newRow("named, taken") << "/дом/мрежа & план.dia" << true << true << true;
        QTest::newRow("no name, taken") << "" << true << true << true;
        QTest::newRow("info never written") << "/дом/мрежа.dia" << false << true << true;
        QTest::newRow("declined") << "/дом/мрежа.dia" << true << false << true;
        QTest::newRow("read only in part") << "/дом/мрежа.dia" << true << true << false;
    }

    void leftBehindIsOffered() {
        QFETCH(QString, name);
        QFETCH(bool, withInfo);
        QFETCH(bool, yes);
        QFETCH(bool, whole);
        QTemporaryDir dir;
        Copy a(dir.path());
        a.autosaveAndDie(name);
        const QString id = recoveryFiles(dir.path()).first().section(QLatin1Char('.'), 0, 0);
        const QString diagram = dir.filePath(id + QStringLiteral(".dia"));
        const QString info = dir.filePath(id + QStringLiteral(".info"));
        const QByteArray bytes = readAll(diagram);
        QString when = savedTime(info);
        if (!withInfo) {
            QFile::remove(info);
            when = QFileInfo(diagram).lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
        }

        Copy b(dir.path());
        b.prompter.answers.push_back(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
        QStringList opened;
        b.recovery->offer(b.prompter, [&](const QString& path, const QString& fileName) {
            opened << path << fileName;
            return whole;
        });
        const QString shownName = withInfo ? name.section(QLatin1Char('/'), -1) : QString();
        QStringList messages{shownName.isEmpty()
                                 ? "Намерена е автоматично запазена диаграма без име от " + when +
                                       ". Да бъде ли възстановена ?"
                                 : "Намерена е автоматично запазена диаграма „" + shownName +
                                       "“ от " + when + ". Да бъде ли възстановена ?"};
        if (!whole)
            messages << "Диаграмата е възстановена само отчасти. Автоматично запазеният файл е "
                        "оставен настрана като „" +
                            id + ".damaged.dia“ в папка „" + dir.path() + "“.";
        QCOMPARE(b.prompter.texts(), messages);
        QCOMPARE(b.prompter.titles().first(), QStringLiteral("Възстановяване"));
        QCOMPARE(opened, yes ? (QStringList{diagram, withInfo ? name : QString()}) : QStringList());
        QVERIFY(!QFileInfo::exists(diagram));
        QVERIFY(!QFileInfo::exists(info));
        if (yes && whole) {
            // Now this copy's own recovery file, under the name it had.
            QCOMPARE(readAll(b.recovery->diagramPath()), bytes);
            QCOMPARE(b.recovery->fileName(), withInfo ? name : QString());
            QVERIFY(!b.recovery->hasChanges());
            QCOMPARE(savedTime(b.recovery->infoPath()), when);
        } else if (yes) {
            QCOMPARE(readAll(dir.filePath(id + QStringLiteral(".damaged.dia"))), bytes);
            QVERIFY(b.recovery->hasChanges());
        }
    }

    void fileOfARunningCopyIsNotOffered() {
        QTemporaryDir dir;
        Copy a(dir.path());
        a.ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        QVERIFY(a.recovery->autosave());
        a.recovery->wait();
        // However long it has been running.
        QFile lock(a.recovery->lockPath());
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                 QFileDevice::FileModificationTime));
        lock.close();
        Copy b(dir.path());
        b.recovery->offer(b.prompter, [](const QString&, const QString&) { return true; });
        QCOMPARE(b.prompter.texts(), QStringList());
        QCOMPARE(recoveryFiles(dir.path()).size(), 3);
    }

    void damagedIsSetAsideAndTold_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // "cut" for the diagram cut short
        const QByteArray info = R"({"format":"Vexilardo recovery","version":1,"file":"%1",)"
                                R"("saved":"2026-12-10T14:32:00Z"})";
        QTest::newRow("info not JSON") << "info" << QByteArray("{\"format\":");
        QTest::newRow("info of another program")
            << "info" << QByteArray(info).replace("Vexilardo", "Other");
        QTest::newRow("info of a later version")
            << "info" << QByteArray(info).replace("\"version\":1", "\"version\":2");
        QTest::newRow("relative name") << "info" << QByteArray(info).replace("%1", "a.dia");
        QTest::newRow("control character in the name")
            << "info" << QByteArray(info).replace("%1", "/a\\u0007.dia");
        QTest::newRow("no time") << "info" << QByteArray(info).replace("2026-12-10T", "вчера");
        QTest::newRow("info too large")
            << "info" << QByteArray(info).replace("%1", "") + QByteArray(20000, ' ');
        QTest::newRow("diagram cut short") << "dia" << QByteArray("cut");
        QTest::newRow("diagram of another kind") << "dia" << QByteArray("GIF89a\x01\x00");
        QTest::newRow("diagram empty") << "dia" << QByteArray();
    }

    void damagedIsSetAsideAndTold() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        Copy a(dir.path());
        a.autosaveAndDie(QString());
        const QString id = recoveryFiles(dir.path()).first().section(QLatin1Char('.'), 0, 0);
        const QString damaged = dir.filePath(id + QLatin1Char('.') + file);
        if (bytes == "cut")
            bytes = readAll(damaged).chopped(5);
        writeAll(damaged, bytes);

        Copy b(dir.path());
        b.recovery->offer(b.prompter, [](const QString&, const QString&) { return true; });
        QCOMPARE(b.prompter.texts(),
                 QStringList{"Намерена е повредена автоматично запазена диаграма, която не може "
                             "да бъде възстановена. Файлът е оставен настрана като „" +
                             id + ".damaged.dia“ в папка „" + dir.path() + "“."});
        QCOMPARE(readAll(dir.filePath(id + ".damaged." + file)), bytes);
        QCOMPARE(recoveryFiles(dir.path()),
                 (QStringList{id + ".damaged.dia", id + ".damaged.info"}));
    }

    // ---- in the window ----

    void commandsTakeTheRecoveryFileAway_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("save") << "cmdSave";
        QTest::newRow("new") << "mnuNewFile";
        QTest::newRow("load") << "cmdLoad";
        QTest::newRow("clean end") << "";
    }

    void commandsTakeTheRecoveryFileAway() {
        QFETCH(QString, command);
        QTemporaryDir dir;
        ScriptedPrompter prompter;
        auto editor = std::make_unique<Editor>(prompter, frmMain::Paths{dir.path(), dir.path()},
                                               dir.filePath("recovery"));
        editor->window().show();
        Workspace& ws = editor->workspace();
        RecoveryCommands& recovery = editor->recovery();
        QCOMPARE(recovery.timer().interval(), 2 * 60 * 1000);
        QVERIFY(recovery.timer().isActive());
        ws.settings.ShowInfo = false;
        const QString saved = dir.filePath(QStringLiteral("мрежа.dia"));
        writeAll(saved, DiaFile::write(ws));
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        recovery.tick();
        recovery.recovery().wait();
        QCOMPARE(recoveryFiles(dir.filePath("recovery")).size(), 3);
        // The next write may still be under way when the command comes.
        paintNoise(ws, 400);
        recovery.tick();
        if (command == "cmdSave") {
            prompter.fileNames.push_back(saved);
            editor->window().button(command).click();
        } else if (command == "cmdLoad") {
            prompter.answers.push_back(Prompter::Answer::No);
            prompter.fileNames.push_back(saved);
            editor->window().button(command).click();
        } else if (command == "mnuNewFile") {
            prompter.answers.push_back(Prompter::Answer::No);
            editor->window().action(command).trigger();
        } else {
            editor.reset();
        }
        QCOMPARE(recoveryFiles(dir.filePath("recovery")), QStringList());
    }

    void recoveredDiagramIsChangedUnderItsName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fileText");
        QTest::newRow("named") << "/дом/мрежа.dia"
                               << "Вексилардо - мрежа.dia*"
                               << "Файл : мрежа.dia";
        QTest::newRow("no name") << ""
                                 << "Вексилардо*" << DiagramStateText::noFile();
    }

    void recoveredDiagramIsChangedUnderItsName() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, fileText);
        QTemporaryDir dir;
        Copy a(dir.filePath("recovery"));
        a.autosaveAndDie(name);
        const QByteArray bytes =
            readAll(dir.filePath("recovery/" + recoveryFiles(dir.filePath("recovery")).first()));
        // The program that starts next.
        ScriptedPrompter prompter;
        Editor editor(prompter, frmMain::Paths{dir.path(), dir.path()}, dir.filePath("recovery"));
        editor.window().show();
        prompter.answers.push_back(Prompter::Answer::Yes);
        editor.recovery().offer();
        Workspace& ws = editor.workspace();
        QCOMPARE(DiaFile::write(ws), bytes);
        QCOMPARE(ws.stateText(), DiagramStateText::changed());
        QCOMPARE(ws.fileText(), fileText);
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(shownTitle(editor.window()), title);
        // Saving it asks for a name, as for any diagram.
        prompter.fileNames.push_back(dir.filePath(QStringLiteral("нова.dia")));
        ws.settings.ShowInfo = false;
        editor.files().cmdSave_Click();
        QVERIFY(!ws.diagram.Promqna);
        QCOMPARE(recoveryFiles(dir.filePath("recovery")), QStringList());
    }

    void unwritableFolderIsToldOnce_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("folder under a file") << false;
        QTest::newRow("full disk") << true;
    }

    void unwritableFolderIsToldOnce() {
        QFETCH(bool, fullDisk);
        QTemporaryDir dir;
        writeAll(dir.filePath("file"), "x");
        const QString folder = dir.filePath(fullDisk ? "recovery" : "file/recovery");
        ScriptedPrompter prompter;
        Editor editor(prompter, frmMain::Paths{dir.path(), dir.path()}, folder);
        Workspace& ws = editor.workspace();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        editor.recovery().tick();
        editor.recovery().recovery().wait();
        const QByteArray before = readAll(editor.recovery().recovery().diagramPath());
        QCOMPARE(before.isEmpty(), !fullDisk);
        {
            FullDisk disk(fullDisk ? before.size() + 100 : RLIM_INFINITY);
            for (int i = 0; i < 2; ++i) {
                paintNoise(ws, 40 + i);
                editor.recovery().tick();
                editor.recovery().recovery().wait();
                QCoreApplication::processEvents();
            }
        }
        QCOMPARE(prompter.titles(), QStringList{QStringLiteral("Автоматично запазване")});
        QVERIFY2(prompter.texts().first().startsWith(
                     "Диаграмата не може да се запазва автоматично в папка „" + folder + "“."),
                 qPrintable(prompter.texts().first()));
        QVERIFY(editor.recovery().recovery().hasChanges()); // tried again next time
        if (fullDisk)
            QCOMPARE(readAll(editor.recovery().recovery().diagramPath()), before);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
