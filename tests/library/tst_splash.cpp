#include "app/Editor.h"
#include "library/CatalogueLoader.h"
#include "library/frmSplash.h"
#include "support/ScriptedPrompter.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

// A program folder whose Kartinki holds `records` pictures (the first `missing` of them
// without their file), a splash over it, and a record of what it did.
struct SplashFixture {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    ScriptedPrompter prompter;
    std::unique_ptr<frmSplash> splash;
    QList<QPair<int, int>> bar; // (value, maximum) whenever the value changed
    int shows = 0;
    bool splashOpenAtShow = false;
    qsizetype messagesAtShow = -1;

    SplashFixture(int records, const QByteArray& count, int missing = 0) {
        QDir(programDir.path()).mkpath(CatalogueLoader::folderName());
        const QDir folder(programDir.filePath(CatalogueLoader::folderName()));
        QImage picture(6, 6, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(folder.filePath(QStringLiteral("p.png")));
        QByteArray text;
        for (int i = 1; i < records; ++i)
            text += QStringLiteral("%1,\"K%1\",\"\",\"%2\"\r\n")
                        .arg(i)
                        .arg(i <= missing ? QStringLiteral("none.png") : QStringLiteral("p.png"))
                        .toLatin1();
        text += QByteArray::number(records) + ",\"SKETCHPAD\",\"\",\"p.png\"\r\n";
        write(folder.filePath(CatalogueLoader::catalogueFileName()), text);
        if (!count.isNull())
            write(folder.filePath(CatalogueLoader::countFileName()), count);

        splash = std::make_unique<frmSplash>(
            [this] {
                return std::make_unique<Editor>(
                    prompter, frmMain::Paths{programDir.path(), configDir.path()});
            },
            [this](QWidget& window) {
                ++shows;
                splashOpenAtShow = splash->isVisible();
                messagesAtShow = prompter.messages.size();
                window.show();
            });
        QObject::connect(splash->Progres, &QProgressBar::valueChanged, splash.get(),
                         [this](int value) {
                             bar.append({value, splash->Progres->maximum()});
                         });
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The bar while the library was loading: up to the reset for the second phase.
    QList<QPair<int, int>> loadingBar() const {
        const qsizetype reset =
            bar.lastIndexOf(qMakePair(0, bar.isEmpty() ? 0 : bar.last().second));
        return bar.mid(0, reset < 0 ? bar.size() : reset);
    }

    frmSplash& s() { return *splash; }
    Editor* editor() { return static_cast<Editor*>(splash->editor()); }
};

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void beforeLoading();
    void loadingPhase_data();
    void loadingPhase();
    void initialisingTakes21Ticks();
    void timerHandsOver();
    void waitingEndsEarly_data();
    void waitingEndsEarly();
    void faultMessage_data();
    void faultMessage();
};

void TestSplash::beforeLoading() {
    SplashFixture f(3, "3");
    QCOMPARE(f.s().LabStatus->text(), QStringLiteral("Зареждане на обекти..."));
    QCOMPARE(f.s().LoadTimer->interval(), 100);
    QVERIFY(!f.s().LoadTimer->isActive());
    QVERIFY(f.s().windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(!f.s().Image1->pixmap().isNull());
    QVERIFY((f.s().Label1->text() + f.s().Label2->text()).contains(QStringLiteral("Вексилардо")));
    QVERIFY(!f.s().editor());

    // Closing the splash before the main window is up would leave nothing running.
    f.s().show();
    f.s().close();
    QVERIFY(f.s().isVisible());
}

void TestSplash::loadingPhase_data() {
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("records");
    QTest::newRow("count matches") << QByteArray("7") << 7;
    QTest::newRow("count too small") << QByteArray("3") << 7;
    QTest::newRow("count far too large") << QByteArray("100000") << 7;
    QTest::newRow("no count file") << QByteArray() << 7;
}

void TestSplash::loadingPhase() {
    QFETCH(QByteArray, count);
    QFETCH(int, records);
    SplashFixture f(records, count);
    f.s().show();
    f.s().Form_Load();

    const QList<QPair<int, int>> loading = f.loadingBar();
    QCOMPARE(loading.size(), records);
    for (int i = 0; i < loading.size(); ++i) {
        QCOMPARE(loading[i].first, i + 1);
        QVERIFY2(loading[i].first <= loading[i].second, "the bar overflows");
    }
    QCOMPARE(loading.last(), qMakePair(records, records));
    if (count.toInt() == records) {
        for (const auto& step : loading)
            QCOMPARE(step.second, records);
    }

    QCOMPARE(f.s().LabStatus->text(), QStringLiteral("Инициализиране..."));
    QCOMPARE(f.s().Progres->value(), 0);
    QCOMPARE(f.s().Progres->maximum(), 100);
    QVERIFY(f.s().LoadTimer->isActive());
    QVERIFY(f.s().editor());
    QVERIFY(!f.editor()->window().isVisible());
    QCOMPARE(f.shows, 0);
    QCOMPARE(f.editor()->workspace().kartinki.count(), records);
    QCOMPARE(f.editor()->workspace().kartinki.keys().last(), QStringLiteral("SKETCHPAD"));
}

void TestSplash::initialisingTakes21Ticks() {
    SplashFixture f(4, "4");
    f.s().show();
    f.s().Form_Load();
    f.s().LoadTimer->stop(); // ticks by hand from here

    for (int tick = 1; tick <= 20; ++tick) {
        f.s().LoadTimer_Timer();
        QCOMPARE(f.s().Progres->value(), 5 * tick);
        QCOMPARE(f.shows, 0);
        QVERIFY(f.s().isVisible());
        QVERIFY(!f.editor()->window().isVisible());
    }
    f.s().LoadTimer->start();
    f.s().LoadTimer_Timer();
    QCOMPARE(f.shows, 1);
    QVERIFY(!f.s().LoadTimer->isActive());
    QVERIFY(f.s().handedOver());
    QVERIFY(!f.s().isVisible());
    QVERIFY(f.editor()->window().isVisible());
    // The main window came up while the splash was still open.
    QVERIFY(f.splashOpenAtShow);

    f.s().LoadTimer_Timer();
    QCOMPARE(f.shows, 1);
}

void TestSplash::timerHandsOver() {
    SplashFixture f(4, "4");
    f.s().show();
    f.s().Form_Load();
    // LoadTimer ticks every 100 ms; its ticks are delivered by hand, as the timer would.
    QCOMPARE(f.s().LoadTimer->interval(), 100);
    for (int tick = 1; tick <= 21; ++tick) {
        QVERIFY(f.s().LoadTimer->isActive());
        QCOMPARE(f.shows, 0);
        QVERIFY(QMetaObject::invokeMethod(f.s().LoadTimer, "timeout"));
    }
    QCOMPARE(f.shows, 1);
    QVERIFY(!f.s().LoadTimer->isActive());
}

// A click or a key on the splash ends the "Инициализиране..." phase at once; a diagram to open
// skips it. Either way the main window comes up once, over the still open splash, and the
// library's faults are told after it.
void TestSplash::waitingEndsEarly_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << QStringLiteral("click");
    QTest::newRow("key") << QStringLiteral("key");
    QTest::newRow("quick start") << QStringLiteral("quick");
}

void TestSplash::waitingEndsEarly() {
    QFETCH(QString, how);
    SplashFixture f(4, "4", 1);
    f.s().quickStart = how == QLatin1String("quick");
    f.s().show();
    // Before the library is in, nothing is skipped.
    QTest::mouseClick(&f.s(), Qt::LeftButton);
    QCOMPARE(f.shows, 0);
    f.s().Form_Load();
    if (how == QLatin1String("click"))
        QTest::mouseClick(&f.s(), Qt::LeftButton);
    else if (how == QLatin1String("key"))
        QTest::keyClick(&f.s(), Qt::Key_Space);
    QCOMPARE(f.shows, 1);
    QVERIFY(f.splashOpenAtShow);
    QVERIFY(f.s().handedOver());
    QVERIFY(!f.s().LoadTimer->isActive());
    QVERIFY(!f.s().isVisible());
    QCOMPARE(f.editor()->workspace().kartinki.count(), 4);
    QCOMPARE(f.prompter.messages.size(), 1);
    // Nothing more comes of a second click or a late tick.
    QTest::mouseClick(&f.s(), Qt::LeftButton);
    f.s().LoadTimer_Timer();
    QCOMPARE(f.shows, 1);
}

void TestSplash::faultMessage_data() {
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("no faults") << 0 << 0 << QString();
    QTest::newRow("one missing picture")
        << 1 << 1 << QStringLiteral("Запис 1 (K1): липсва картинката „none.png“.");
    QTest::newRow("twenty missing pictures") << 20 << 1 << QStringLiteral("... и още 5");
}

void TestSplash::faultMessage() {
    QFETCH(int, missing);
    QFETCH(int, messages);
    QFETCH(QString, lastLine);
    SplashFixture f(25, "25", missing);
    f.s().Form_Load();
    QCOMPARE(f.s().libraryFaults().size(), missing);
    f.s().LoadTimer->stop();
    for (int tick = 0; tick < 21; ++tick)
        f.s().LoadTimer_Timer();

    QCOMPARE(f.shows, 1);
    QCOMPARE(f.messagesAtShow, 0);
    QCOMPARE(f.prompter.messages.size(), messages);
    if (messages == 0)
        return;
    const ScriptedPrompter::Message& m = f.prompter.messages.first();
    QCOMPARE(m.title, QStringLiteral("Грешка"));
    QCOMPARE(m.icon, Prompter::Icon::Warning);
    QCOMPARE(m.buttons, Prompter::Buttons::Ok);
    QVERIFY(m.text.startsWith(QStringLiteral("Библиотеката с картинки е заредена с грешки:\n")));
    QCOMPARE(m.text.split(QLatin1Char('\n')).last(), lastLine);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
