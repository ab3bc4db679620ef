#include "app/Editor.h"
#include "app/ProgramFolders.h"
#include "library/CatalogueLoader.h"
#include "support/ScriptedPrompter.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Makes `folder` (under `root`) hold the picture catalogue, as the build and the installation
// leave it.
void plantData(const QDir& root, const QString& folder) {
    const QString library =
        root.filePath(folder + QLatin1Char('/') + CatalogueLoader::folderName());
    QVERIFY(QDir().mkpath(library));
    QFile catalogue(QDir(library).filePath(CatalogueLoader::catalogueFileName()));
    QVERIFY(catalogue.open(QIODevice::WriteOnly));
}

} // namespace

class TestProgramFolders : public QObject {
    Q_OBJECT

private slots:
    void dataIsFound_data() {
        QTest::addColumn<QStringList>("planted"); // folders under the root that hold data
        QTest::addColumn<QString>("found");
        QTest::addColumn<bool>("installed");
        QTest::newRow("build folder") << QStringList{"program"} << "program" << false;
        QTest::newRow("installed") << QStringList{"share/vexilardo"} << "share/vexilardo" << true;
        QTest::newRow("beside the executable wins")
            << QStringList{"bin", "share/vexilardo"} << "bin" << false;
        QTest::newRow("nowhere: the executable's folder") << QStringList{} << "bin" << false;
        QTest::newRow("a folder without the catalogue file is no data")
            << QStringList{"share/vexilardo/Kartinki/kartinki.dat"} << "bin" << false;
    }

    void dataIsFound() {
        QFETCH(QStringList, planted);
        QFETCH(QString, found);
        QFETCH(bool, installed);
        QTemporaryDir root;
        const QDir dir(root.path());
        for (const QString& folder : planted)
            plantData(dir, folder);
        const QString executable =
            dir.filePath(found == QLatin1String("program") ? "program" : "bin");
        QVERIFY(dir.mkpath(executable));
        const ProgramFolders folders =
            ProgramFolders::locate(executable, QStringLiteral("../share/vexilardo"));
        QCOMPARE(folders.data, dir.filePath(found));
        QCOMPARE(folders.installed, installed);
    }

    // An installed program keeps its settings in the user's folder even where it could write
    // beside its data (run as root), and takes nothing from there; the editor reads its
    // library from the data folder.
    void installedProgramKeepsSettingsInTheUserFolder() {
        QTemporaryDir data;
        QTemporaryDir user;
        QFile stray(QDir(data.path()).filePath(QStringLiteral("settings.ini")));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.write("\"[NASTROIKIVX]\"\r\n\"Courier\"\r\n");
        stray.close();
        ScriptedPrompter prompter;
        frmMain::Paths paths{data.path(), user.path()};
        paths.settingsInUserFolder = true;
        Editor editor(prompter, paths);
        QCOMPARE(editor.window().settingsPath(),
                 QDir(user.path()).filePath(QStringLiteral("settings.ini")));
        QVERIFY(QFile::exists(editor.window().settingsPath()));
        QCOMPARE(editor.programFolder(), data.path());
        QVERIFY(editor.workspace().settings.ProgramFont != QStringLiteral("Courier"));
    }
};

QTEST_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
