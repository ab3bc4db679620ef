#include "files/DiaFile.h"
#include "files/FileCommands.h"
#include "files/RecentFiles.h"
#include "files/RecentMenu.h"
#include "workspace/MainWindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QtTest>

namespace {

const QString Key = QStringLiteral("RecentFiles/Diagrams");

QStringList captions(QMenu& menu) {
    QStringList shown;
    for (QAction* entry : menu.actions())
        shown << entry->text() + (entry->isEnabled() ? "" : " (disabled)");
    return shown;
}

} // namespace

class TestRecent : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(Key); }

    void mostRecentFirstEachOnceAtMostEight() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("sub"));
        for (int i = 1; i <= 10; ++i)
            RecentFiles::add(dir.filePath(QStringLiteral("%1.dia").arg(i)));
        QStringList expected;
        for (int i = 10; i >= 3; --i)
            expected << dir.filePath(QStringLiteral("%1.dia").arg(i));
        QCOMPARE(RecentFiles::list(), expected);
        // The same file by another path, or through a link, moves to the top.
        QFile(dir.filePath(QStringLiteral("5.dia"))).open(QIODevice::WriteOnly);
        QFile::link(dir.filePath(QStringLiteral("5.dia")),
                    dir.filePath(QStringLiteral("link.dia")));
        RecentFiles::add(dir.filePath(QStringLiteral("sub/../5.dia")));
        RecentFiles::add(dir.filePath(QStringLiteral("link.dia")));
        expected.removeOne(dir.filePath(QStringLiteral("5.dia")));
        expected.prepend(dir.filePath(QStringLiteral("5.dia")));
        QCOMPARE(RecentFiles::list(), expected);
        // Pictures are no diagrams.
        RecentFiles::add(dir.filePath(QStringLiteral("plan.bmp")));
        QCOMPARE(RecentFiles::list(), expected);
    }

    void configurationIsChecked_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("not a list") << QVariant(42) << QStringList();
        QTest::newRow("one name") << QVariant("/a/b.dia") << QStringList{"/a/b.dia"};
        QTest::newRow("relative, foreign, repeated, control characters")
            << QVariant(QStringList{"b.dia", "/a/x.txt", "/a/b.dia", "/a/b.dia", "/a/\nc.dia",
                                    QString(5000, 'x') + ".dia", "/a/C.DIA"})
            << QStringList{"/a/b.dia", "/a/C.DIA"};
    }

    void configurationIsChecked() {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, listed);
        QSettings().setValue(Key, stored);
        QCOMPARE(RecentFiles::list(), listed);
    }

    void captionIsShortAndLiteral() {
        QCOMPARE(RecentFiles::caption(QStringLiteral("/дом/R&D/план.dia")),
                 QStringLiteral("план.dia  (/дом/R&&D)"));
        const QString deep = QStringLiteral("/") + QString(60, 'a') + QStringLiteral("/b/c.dia");
        QCOMPARE(RecentFiles::caption(deep),
                 QStringLiteral("c.dia  (…") + QString(37, 'a') + QStringLiteral("/b)"));
    }

    void menuOpensSavedAndLoadedDiagrams() {
        MainWindowFixture f;
        QMenu& menu = f.w().menu(QStringLiteral("mnuRecent"));
        QCOMPARE(captions(menu), QStringList{"(няма) (disabled)"});

        Workspace& ws = f.ws();
        ws.settings.ShowInfo = false;
        const QString first = f.configDir.filePath(QStringLiteral("първа.dia"));
        const QString second = f.configDir.filePath(QStringLiteral("втора.dia"));
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        f.prompter.fileNames.push_back(first);
        f.editor->files().cmdSave_Click();
        ws.Iz4isti();
        f.prompter.fileNames.push_back(second);
        f.editor->files().cmdSave_Click();
        f.editor->recentFiles().refresh();
        QCOMPARE(captions(menu).size(), 2);
        QCOMPARE(menu.actions().first()->text(), RecentFiles::caption(second));

        // Unsaved changes are asked about first; Cancel leaves everything as it was.
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        f.prompter.answers.push_back(Prompter::Answer::Cancel);
        menu.actions().last()->trigger();
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 1);
        f.prompter.answers.push_back(Prompter::Answer::No);
        menu.actions().last()->trigger();
        QCOMPARE(ws.fileText(), QStringLiteral("Файл : първа.dia"));
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 1);
        QCOMPARE(RecentFiles::list(), (QStringList{first, second}));

        // A file that is gone is said so, and dropped.
        QFile::remove(second);
        f.editor->recentFiles().refresh();
        f.prompter.clear();
        menu.actions().last()->trigger();
        QCOMPARE(f.prompter.texts(),
                 QStringList{"Файлът „втора.dia“ вече не съществува и е премахнат от списъка."});
        QCOMPARE(RecentFiles::list(), QStringList{first});
        QCOMPARE(ws.fileText(), QStringLiteral("Файл : първа.dia"));
    }
};

QTEST_MAIN(TestRecent)
#include "tst_recent.moc"
