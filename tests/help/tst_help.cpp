#include "workspace/MainWindowFixture.h"

#include "help/AboutDialog.h"
#include "help/HelpCommands.h"
#include "help/HelpManual.h"
#include "help/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A small manual: the index names its pages, one of them twice, one that is missing and
// some that lie outside the folder.
void writeManual(const QString& folder) {
    QDir().mkpath(folder);
    write(folder + "/index.html",
          "<html><head><title>Съдържание</title></head><body>"
          "<a href=\"lines.html\">Линии</a> <a href=\"missing.html\">Няма я</a> "
          "<a href=\"../secret.html\">Вън</a> <a href=\"/etc/passwd.html\">Вън</a> "
          "<a href=\"shapes.html#fill\">Фигури</a> <a href=\"lines.html\">Пак</a></body></html>");
    write(folder + "/lines.html",
          "<html><head><title>Линии</title></head><body><p class=\"ЦВЯТ\">Цвят на линията.</p>"
          "<p>Линията сменя <b>цв</b>ят си; цвят и пак ЦВЯТ.</p></body></html>");
    write(folder + "/shapes.html",
          "<html><head><title>Фигури</title></head><body><h2 id=\"fill\">Запълване</h2>"
          "<p>Цвят на запълването.</p></body></html>");
    write(folder + "/../secret.html", "<html><body>Цвят</body></html>");
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void manualReadsOnlyItsOwnPages() {
        QTemporaryDir dir;
        writeManual(dir.filePath("help"));
        HelpManual manual;
        QVERIFY(manual.load(dir.filePath("help")));
        QStringList files;
        for (const HelpManual::Page& page : manual.pages())
            files << page.file + "=" + page.title;
        QCOMPARE(files,
                 (QStringList{"index.html=Съдържание", "lines.html=Линии", "shapes.html=Фигури"}));
        QVERIFY(!HelpManual().load(dir.filePath("none")));
    }

    void searchFindsTheWordAcrossPages_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("found"); // page:occurrence
        // Any case, Cyrillic too; never in the markup; a word split by markup is still a word.
        QTest::newRow("across pages") << "цвят" << QStringList{"1:0", "1:1", "1:2", "1:3", "2:0"};
        // Also inside a longer word: "запълването".
        QTest::newRow("blanks around") << "  Запълване " << QStringList{"2:0", "2:1"};
        QTest::newRow("markup") << "class" << QStringList{};
        QTest::newRow("empty") << "   " << QStringList{};
    }

    void searchFindsTheWordAcrossPages() {
        QFETCH(QString, word);
        QFETCH(QStringList, found);
        QTemporaryDir dir;
        writeManual(dir.filePath("help"));
        HelpManual manual;
        QVERIFY(manual.load(dir.filePath("help")));
        QStringList got;
        for (const HelpManual::Match& m : manual.find(word))
            got << QStringLiteral("%1:%2").arg(m.page).arg(m.occurrence);
        QCOMPARE(got, found);
    }

    void enterGoesFromMatchToMatch() {
        QTemporaryDir dir;
        writeManual(dir.filePath("help"));
        HelpManual manual;
        QVERIFY(manual.load(dir.filePath("help")));
        HelpWindow window(manual, nullptr);
        window.txtFind->setText("ЦВЯТ");
        const auto enter = [&] { QTest::keyClick(window.txtFind, Qt::Key_Return); };
        const auto shown = [&] {
            return window.currentPage() + ":" + window.txtPage->textCursor().selectedText();
        };
        enter();
        QCOMPARE(window.matches().size(), 5);
        QCOMPARE(shown(), QStringLiteral("lines.html:Цвят"));
        QCOMPARE(window.lstContents->currentRow(), 1); // the contents follow the page
        enter();
        enter();
        QCOMPARE(shown(), QStringLiteral("lines.html:цвят"));
        enter();
        QCOMPARE(shown(), QStringLiteral("lines.html:ЦВЯТ"));
        enter();
        QCOMPARE(shown(), QStringLiteral("shapes.html:Цвят"));
        QCOMPARE(window.lstContents->currentRow(), 2);
        enter(); // after the last, the first again
        QCOMPARE(window.currentMatch(), 0);
        QCOMPARE(shown(), QStringLiteral("lines.html:Цвят"));

        window.txtFind->setText("жираф");
        enter();
        QVERIFY(window.matches().isEmpty());
        QCOMPARE(window.lblFound->text(),
                 QStringLiteral("Думата „жираф“ не се среща в ръководството."));
    }

    void helpOpensTheManualOrSaysItIsMissing() {
        MainWindowFixture f;
        const QString folder = f.programDir.filePath("help");
        f.w().pano->cmdHelp->click();
        QCOMPARE(f.prompter.titles(), QStringList{"Помощ"});
        QCOMPARE(f.prompter.texts(),
                 QStringList{"Ръководството на програмата липсва: няма файл „" +
                             QDir::toNativeSeparators(folder + "/index.html") + "“."});
        QVERIFY(!f.editor->help().helpWindow());

        writeManual(folder);
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QTest::keyClick(&f.w(), Qt::Key_F1);
        HelpWindow* window = f.editor->help().helpWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->currentPage(), QStringLiteral("index.html"));
        // The menu entry brings the same window back.
        f.w().action("mnuHelp").trigger();
        QCOMPARE(f.editor->help().helpWindow(), window);
        QCOMPARE(f.prompter.texts().size(), 1);
    }

    void aboutNamesVersionAndLibraries() {
        MainWindowFixture f;
        f.w().action("mnuAbout").trigger();
        AboutDialog* about = f.editor->help().aboutDialog();
        QVERIFY(about && about->isVisible());
        QCOMPARE(AboutDialog::version(), QStringLiteral(VX_PROJECT_VERSION));
        QVERIFY(about->findChild<QLabel*>("lblVersion")->text().contains(VX_PROJECT_VERSION));
        QVERIFY(f.prompter.texts().isEmpty());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
