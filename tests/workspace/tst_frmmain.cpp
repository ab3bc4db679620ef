#include "MainWindowFixture.h"

#include "common/Units.h"
#include "export/frmJPGQuality.h"
#include "grids/frmEditTable.h"
#include "library/frmAddObject.h"
#include "settings/ProgramWindow.h"
#include "settings/SettingsFile.h"
#include "text/Dialog.h"
#include "workspace/DiagramState.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

QStringList menuLayout(const QMenu* menu, const QString& indent = QString()) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            out << indent + QStringLiteral("-");
            continue;
        }
        out << indent + a->objectName() + QLatin1Char(' ') + a->text();
        if (a->menu())
            out << menuLayout(a->menu(), indent + QStringLiteral("  "));
    }
    return out;
}

QByteArray settingsWithTransparency(int level) {
    QByteArray bytes = "\"[NASTROIKIVX]\"\r\n\"MS Sans Serif\"\r\n";
    bytes += QByteArray::number(level) + "\r\n";
    for (int i = 1; i < 11; ++i)
        bytes += "255\r\n";
    bytes += "#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n";
    return bytes;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void buttonsCarryTheirCaptionsAndTooltips() {
        MainWindowFixture f;
        QStringList seen;
        for (QPushButton* b : f.w().commandButtons())
            seen << b->objectName() + QLatin1Char('|') + b->text() + QLatin1Char('|') +
                        b->toolTip();
        QCOMPARE(seen, QStringList({
                           "cmdMenu|Меню|Системно меню",
                           "cmdAdd|Обекти|Добавяне на обекти на паното",
                           "cmdAddLast|Последен|Добавяне на инстанция от последния добавен "
                           "елемент",
                           "cmdTekst|Текст|Добавяне на текст към паното",
                           "cmdMakeEtiquetes|Функции|",
                           "cmdCon|Свържи|Свързваща линия, тип 1",
                           "cmdCon1|Свържи|Свързваща линия, тип 2",
                           "cmdCon2|Свържи|Свързваща линия, тип 3",
                           "optRect|Квадрат|Чертане на квадрат",
                           "optElipse|Овал|Чертане на елипса или окръжност",
                           "optLine|Линия|Чертане на линия",
                           "cmdNewDia|Нов файл|Създаване на празен файл",
                           "cmdSave|Запази|Запазване на диаграмата",
                           "cmdLoad|Зареди|Зареждане на диаграма от файл",
                           "cmdExit|Изход|Изход от програмата",
                       }));
        QCOMPARE(f.w().pano->Razmer->toolTip(), QStringLiteral("Отключи и увеличи паното с 10%"));
        QCOMPARE(f.w().pano->cmdHelp->toolTip(), QStringLiteral("Помощ"));
        QCOMPARE(shownTitle(f.w()), QStringLiteral("Вексилардо"));
    }

    void mainMenuHasEveryEntryInOrder() {
        MainWindowFixture f;
        const QStringList expected = {
            "mnuAddLast Добави последният",
            "mnuDellLast Изтрий последния",
            "-",
            "mnuFunct Функции",
            "  mnuSearch Търсене",
            "  mnuTable Решетка",
            "  mnuAddEtiquetes Добавяне на етикети",
            "    mnuEtiquetesDown Етикети отдолу",
            "    mnuEtiquetesUp Етикети отгоре",
            "    mnuEtiquetesLeft Етикети отляво",
            "    mnuEtiquetesRight Етикети отдясно",
            "  mnuPreview Превю",
            "-",
            "mnuAddText Добави текст",
            "mnuAddObject Добави обект",
            "  mnuAddLib Добави от библиотеката",
            "  mnuAddSketchPad Добави от Скицника",
            "  mnuAddFromFile Добави от външен файл",
            "mnuDraw Фигури",
            "  mnuAddRect Начертай квадрат",
            "  mnuAddElipse Начертай окръжност",
            "    mnuEllEllipse Елипса",
            "    mnuEllOkr Окръжност",
            "  mnuAddLine Начертай линия",
            "  -",
            "  mnuStopInstr Спри инструментите",
            "  -",
            "  mnuHideManiFig Скрий манипулаторите",
            "mnuConnect Свържи обекти",
            "  mnuCon Свържи с линия тип 1",
            "  mnuCon1 Свържи с линия тип 2",
            "  mnuCon2 Свържи с линия тип 3",
            "mnuOptDraw Опции за чертане",
            "-",
            "mnuPaste Постави",
            "-",
            "mnuPrint Печат",
            "-",
            "mnuNewFile Нов файл",
            "mnuSaveFile Запази файл",
            "mnuLoadFile Зареди файл",
            "-",
            "mnuBuffers Натоварване на буферите",
            "mnuSettings Потребителски настройки",
            "mnuHelp Помощ",
            "mnuAbout Относно програмата",
            "mnuExit Изход",
            "-",
            "mnuUndo Отмени",
            "mnuRedo Повтори",
            "mnuRecent Последни файлове",
            "  mnuRecentNone (няма)",
            "mnuCopyPicture Копирай като картинка",
            "mnuZoom Мащаб: 100 %",
            "  mnuZoomIn Увеличи",
            "  mnuZoomOut Намали",
            "  -",
            "  mnuZoom25 25 %",
            "  mnuZoom50 50 %",
            "  mnuZoom75 75 %",
            "  mnuZoom100 100 %",
            "  mnuZoom150 150 %",
            "  mnuZoom200 200 %",
            "  mnuZoom300 300 %",
            "  mnuZoom400 400 %",
        };
        QCOMPARE(menuLayout(f.w().mnuMenu), expected);
        QVERIFY(!f.w().action(QStringLiteral("mnuPaste")).isEnabled());
    }

    void startsWithAnEmptyDiagramAndStatusBar() {
        MainWindowFixture f;
        const StatusBar* bar = f.w().StatInfo;
        QCOMPARE(bar->panelText(1), QStringLiteral("Вексилардо 1.0"));
        QCOMPARE(bar->panelText(2), DiagramStateText::none());
        QCOMPARE(bar->panelText(3), DiagramStateText::noFile());
        // The state panel holds its longest text whole, without pushing its neighbour.
        f.ws().setStateText(DiagramStateText::changed());
        QVERIFY(bar->panel(2)->width() >= bar->panel(2)->sizeHint().width());
        QVERIFY(bar->panel(3)->x() >= bar->panel(2)->geometry().right());
        f.ws().setStateText(DiagramStateText::none());
        QVERIFY(!f.ws().diagram.Promqna);
        QVERIFY(!f.w().DrawOptions->isVisible());
        QVERIFY(f.ws().tools.drawingOptionsHidden);
        QCOMPARE(f.w().DrawOptions->DebelinaLinii->count(), 5);
        QCOMPARE(f.w().DrawOptions->DebelinaLinii->currentText(), QStringLiteral("1"));
        // A fresh program folder gets a default settings file.
        QVERIFY(QFile::exists(f.programDir.filePath(QStringLiteral("settings.ini"))));
    }

    void layoutFollowsTheWindowWidth() {
        MainWindowFixture f;
        // 16005 twips wide: one row.
        f.w().resize(1067, 800);
        QCOMPARE(f.w().cmdNewDia->y(), TwipsToPixelRounded(120));
        QCOMPARE(f.w().pano->y(), TwipsToPixelRounded(960));
        // 13005 twips: file buttons in a second row, canvas lower.
        f.w().resize(867, 800);
        QCOMPARE(f.w().cmdNewDia->pos(),
                 QPoint(TwipsToPixelRounded(120), TwipsToPixelRounded(960)));
        QCOMPARE(f.w().pano->y(), TwipsToPixelRounded(1800));
        const QRect canvasBefore = f.w().pano->geometry();
        const QPoint exitBefore = f.w().cmdExit->pos();
        // Below 8655 twips nothing moves, but the scroll bars still follow the canvas.
        f.w().resize(500, 800);
        QCOMPARE(f.w().pano->geometry(), canvasBefore);
        QCOMPARE(f.w().cmdExit->pos(), exitBefore);
        QCOMPARE(f.w().pano->MoveHorizont->y(), f.w().pano->height() - TwipsToPixelRounded(255));
    }

    void razmerUnlocksAndGrowsBothScrollBars() {
        MainWindowFixture f;
        QScrollBar* h = f.w().pano->MoveHorizont;
        QScrollBar* v = f.w().pano->MoveVertikal;
        QVERIFY(!h->isEnabled());
        f.w().pano->Razmer->click();
        QVERIFY(h->isEnabled() && v->isEnabled());
        QCOMPARE(h->maximum(), 200);
        QCOMPARE(v->maximum(), 200);
        v->setMaximum(25);
        f.w().Razmer_Click();
        QCOMPARE(h->maximum(), 220);
        QCOMPARE(v->maximum(), 28);
    }

    void newFile_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<int>("saves");
        QTest::newRow("cancel keeps everything") << int(Prompter::Answer::Cancel) << false << 0;
        QTest::newRow("yes saves, then clears") << int(Prompter::Answer::Yes) << true << 1;
        QTest::newRow("no clears") << int(Prompter::Answer::No) << true << 0;
    }

    void newFile() {
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        QFETCH(int, saves);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        ws.markChanged();
        ws.setFileText(DiagramStateText::file(QStringLiteral("/data/net.dia")));
        f.w().setWindowTitle(QStringLiteral("Вексилардо - net.dia[*]"));
        f.w().action(QStringLiteral("mnuPaste")).setEnabled(true);
        f.prompter.answers.push_back(static_cast<Prompter::Answer>(answer));

        f.w().cmdNewDia->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.saves, saves);
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), cleared ? 0 : 1);
        if (cleared) {
            QCOMPARE(f.w().StatInfo->panelText(3), DiagramStateText::noFile());
            QCOMPARE(f.w().StatInfo->panelText(2), DiagramStateText::none());
            QCOMPARE(shownTitle(f.w()), QStringLiteral("Вексилардо"));
            QVERIFY(!f.w().action(QStringLiteral("mnuPaste")).isEnabled());
        } else {
            QCOMPARE(f.w().StatInfo->panelText(3), QStringLiteral("Файл : net.dia"));
            QCOMPARE(shownTitle(f.w()), QStringLiteral("Вексилардо - net.dia*"));
            QVERIFY(ws.diagram.Promqna);
        }
    }

    void exitAsksOnlyWithUnsavedChanges() {
        MainWindowFixture f;
        f.w().cmdExit->click();
        QCOMPARE(f.ends, 1);
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void exitWithCancelKeepsRunning() {
        MainWindowFixture f;
        f.ws().setModified(true);
        f.prompter.answers.push_back(Prompter::Answer::Cancel);
        f.w().action(QStringLiteral("mnuExit")).trigger();
        QCOMPARE(f.ends, 0);
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.w().isVisible());
        // Yes saves and then ends, without the close question on top.
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        f.w().cmdExit_Click();
        QCOMPARE(f.saves, 1);
        QCOMPARE(f.ends, 1);
        f.w().close();
        QCOMPARE(f.prompter.messages.size(), 2);
    }

    void closingAsksYesNoAndAlwaysEnds_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("saves");
        QTest::newRow("no") << int(Prompter::Answer::No) << 0;
        QTest::newRow("yes") << int(Prompter::Answer::Yes) << 1;
    }

    void closingAsksYesNoAndAlwaysEnds() {
        QFETCH(int, answer);
        QFETCH(int, saves);
        MainWindowFixture f;
        f.ws().setModified(true);
        f.prompter.answers.push_back(static_cast<Prompter::Answer>(answer));
        QVERIFY(f.w().close());
        QCOMPARE(f.prompter.messages.size(), 1);
        const auto& m = f.prompter.messages[0];
        QCOMPARE(m.title, QStringLiteral("Въпрос"));
        QCOMPARE(m.text, QStringLiteral("Вие избрахте да затворите програмата. Желаете ли преди "
                                        "това да запазите промените ?"));
        QCOMPARE(m.buttons, Prompter::Buttons::YesNo);
        QCOMPARE(f.saves, saves);
        QCOMPARE(f.ends, 1);
    }

    // The keys of the menu entries run them from the window, as the entries would, and do
    // nothing while the commands are locked or the entry is disabled.
    void keysRunTheirEntries_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("runs");
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << "mnuNewFile" << true;
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << "mnuLoadFile" << true;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << "mnuSaveFile" << true;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "mnuHelp" << true;
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << "mnuSearch" << true;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "mnuCopy" << true;
        // Disabled with nothing copied, undone or redone.
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "mnuPaste" << false;
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << "mnuUndo" << false;
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << ctrl << "mnuRedo" << false;
    }

    void keysRunTheirEntries() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, entry);
        QFETCH(bool, runs);
        MainWindowFixture f;
        f.ws().settings.ShowInfo = false;
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QAction& action = f.w().action(entry);
        QSignalSpy triggered(&action, &QAction::triggered);
        const auto press = [&] {
            QTest::keyClick(&f.w(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        };
        f.w().Kontrolite(false);
        press();
        QCOMPARE(triggered.count(), 0);
        f.w().Kontrolite(true);
        press();
        QCOMPARE(triggered.count(), runs ? 1 : 0);
        QCOMPARE(action.shortcut(), QKeySequence(key | modifiers));
    }

    void kontroliteLocksAndUnlocksTheCommands() {
        MainWindowFixture f;
        f.w().Kontrolite(false);
        for (QPushButton* b : f.w().commandButtons())
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(!f.w().mnuMenu->isEnabled());
        f.w().Kontrolite(true);
        for (QPushButton* b : f.w().commandButtons())
            QVERIFY(b->isEnabled());
        QVERIFY(f.w().mnuMenu->isEnabled());
    }

    void progressBarIsCentredOnTheCanvas() {
        MainWindowFixture f;
        f.w().beginProgress(10);
        const QRect bar = f.w().Progres->geometry();
        const QRect canvas = f.w().pano->geometry();
        QVERIFY(f.w().Progres->isVisible());
        QCOMPARE(bar.width(), canvas.width() / 3);
        QVERIFY(qAbs(bar.center().x() - canvas.center().x()) <= 1);
        QVERIFY(qAbs(bar.center().y() - canvas.center().y()) <= 1);
        QCOMPARE(f.w().cursor().shape(), Qt::WaitCursor);
        f.w().endProgress();
        QVERIFY(!f.w().Progres->isVisible());
        QCOMPARE(f.w().cursor().shape(), Qt::ArrowCursor);
    }

    void settingsAreAppliedAtLoad_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("opacity");
        QTest::newRow("opaque stays untouched") << 255 << 1.0;
        QTest::newRow("254 is translucent") << 254 << 254.0 / 255.0;
        QTest::newRow("bad value falls back to opaque") << 300 << 1.0;
    }

    void settingsAreAppliedAtLoad() {
        QFETCH(int, level);
        QFETCH(double, opacity);
        MainWindowFixture f(settingsWithTransparency(level));
        QVERIFY(qAbs(f.w().windowOpacity() - opacity) < 0.01);
        QCOMPARE(f.w().windowOpacity() == 1.0, level >= 255);
    }

    void drawOptionsStayInsideTheCanvasAndOutOfTheWay_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("shrunk");
        QTest::newRow("wide") << QSize(1600, 1000) << QSize(800, 700);
        QTest::newRow("medium") << QSize(1000, 800) << QSize(700, 500);
        QTest::newRow("narrow") << QSize(800, 700) << QSize(640, 480);
    }

    // Shown at start, the panel lands inside the canvas, covers no command button and leaves
    // free the point where new objects land; a narrower window brings it back inside.
    void drawOptionsStayInsideTheCanvasAndOutOfTheWay() {
        QFETCH(QSize, size);
        QFETCH(QSize, shrunk);
        QByteArray settings = settingsWithTransparency(255);
        settings.replace("#TRUE#\r\n#TRUE#\r\n#FALSE#", "#TRUE#\r\n#TRUE#\r\n#TRUE#");
        MainWindowFixture f(settings, size);
        QVERIFY(!f.ws().tools.drawingOptionsHidden);
        const auto check = [&f](bool all) {
            const QRect panel = f.w().DrawOptions->geometry();
            QVERIFY(f.w().DrawOptions->isVisible());
            QVERIFY2(f.w().pano->geometry().contains(panel),
                     qPrintable(QStringLiteral("%1,%2 %3x%4 outside the canvas")
                                    .arg(panel.x())
                                    .arg(panel.y())
                                    .arg(panel.width())
                                    .arg(panel.height())));
            if (!all)
                return;
            for (const QPushButton* b : f.w().commandButtons())
                QVERIFY2(!panel.intersects(b->geometry()), qPrintable(b->objectName()));
            const QPoint newObject =
                f.w().pano->pos() + QPoint(TwipsToPixelRounded(375), TwipsToPixelRounded(120));
            QVERIFY(!panel.intersects(QRect(newObject, QSize(64, 48))));
        };
        check(true);
        f.w().resize(shrunk);
        check(false);
    }

    void programFontReachesTheButtons() {
        QByteArray settings = settingsWithTransparency(255);
        settings.replace("MS Sans Serif", "DejaVu Serif");
        MainWindowFixture f(settings);
        QCOMPARE(f.ws().settings.ProgramFont, QStringLiteral("DejaVu Serif"));
        QCOMPARE(f.w().cmdAdd->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(f.w().DrawOptions->chkFilled->font().family(), QStringLiteral("DejaVu Serif"));
    }

    // Each window takes its own transparency from the settings, and takes the font and the
    // transparency again when asked after they changed, back to opaque included.
    void windowsApplyTheirAppearanceAgain_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("kind");
        QTest::newRow("frmMain") << "frmMain" << int(SettingsWindow::Main);
        QTest::newRow("frmAddObject") << "frmAddObject" << int(SettingsWindow::AddObject);
        QTest::newRow("frmAddTable") << "frmAddTable" << int(SettingsWindow::AddTable);
        QTest::newRow("frmEditTable") << "frmEditTable" << int(SettingsWindow::EditTable);
        QTest::newRow("Dialog") << "Dialog" << int(SettingsWindow::TextDialog);
        QTest::newRow("frmJPGQuality") << "frmJPGQuality" << int(SettingsWindow::JpgQuality);
    }

    void windowsApplyTheirAppearanceAgain() {
        QFETCH(QString, window);
        QFETCH(int, kind);
        MainWindowFixture f;
        SettingsRecord& settings = f.ws().settings;
        settings.ProgramFont = QStringLiteral("DejaVu Serif");
        for (int i = 0; i < SettingsRecord::WindowCount; ++i)
            settings.transparency[i] = int16_t(100 + 10 * i);
        std::unique_ptr<QWidget> owned;
        if (window == QLatin1String("frmAddObject"))
            owned = std::make_unique<frmAddObject>(f.ws(), &f.w());
        else if (window == QLatin1String("frmAddTable"))
            owned = std::make_unique<frmAddTable>(f.w());
        else if (window == QLatin1String("frmEditTable"))
            owned = std::make_unique<frmEditTable>(f.w());
        else if (window == QLatin1String("Dialog"))
            owned = std::make_unique<Dialog>(f.ws(), f.prompter, &f.w());
        else if (window == QLatin1String("frmJPGQuality"))
            owned = std::make_unique<frmJPGQuality>(f.w(), QImage(4, 4, QImage::Format_RGB32),
                                                    QStringLiteral("x.jpg"));
        else
            f.w().applyAppearance();
        QWidget& shown = owned ? *owned : static_cast<QWidget&>(f.w());
        QCOMPARE(shown.objectName(), window);
        auto* programWindow = dynamic_cast<ProgramWindow*>(&shown);
        QVERIFY(programWindow);
        const auto check = [&shown](const QString& family, double opacity) {
            QCOMPARE(shown.font().family(), family);
            const QPushButton* button = shown.findChild<QPushButton*>();
            QVERIFY(button);
            QCOMPARE(button->font().family(), family);
            QVERIFY2(qAbs(shown.windowOpacity() - opacity) < 0.001,
                     qPrintable(QString::number(shown.windowOpacity())));
        };
        check(QStringLiteral("DejaVu Serif"), (100 + 10 * kind) / 255.0);

        settings.ProgramFont = QStringLiteral("DejaVu Sans Mono");
        settings.transparency[kind] = SettingsRecord::Opaque;
        programWindow->applyAppearance();
        check(QStringLiteral("DejaVu Sans Mono"), 1.0);
    }

    // The bars and the view go to the position together, the bars' ranges holding for both;
    // the diagram stays where it is.
    void scrollToMovesBarsAndViewTogether_data() {
        QTest::addColumn<QPoint>("target");
        QTest::addColumn<QPoint>("reached");
        QTest::newRow("inside the ranges") << QPoint(150, 90) << QPoint(150, 90);
        QTest::newRow("past the ends") << QPoint(500, 300) << QPoint(200, 200);
        QTest::newRow("before the starts") << QPoint(-40, -1) << QPoint(0, 0);
    }

    void scrollToMovesBarsAndViewTogether() {
        QFETCH(QPoint, target);
        QFETCH(QPoint, reached);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        f.w().Razmer_Click();
        const QPointF start(ws.store().objects[1].Left, ws.store().objects[1].Top);
        const auto onCanvas = [&ws] {
            return ws.canvas.view.toCanvas(
                QPointF(ws.store().objects[1].Left, ws.store().objects[1].Top));
        };
        EditorContext& context = f.w();
        for (const QPoint& position : {QPoint(60, 30), target}) {
            context.scrollTo(position.x(), position.y());
            const QPoint expected = position == target ? reached : position;
            QCOMPARE(f.w().pano->MoveHorizont->value(), expected.x());
            QCOMPARE(f.w().pano->MoveVertikal->value(), expected.y());
            QCOMPARE(ws.canvas.view.origin, QPointF(expected));
            QCOMPARE(onCanvas(), start - QPointF(expected));
        }
        context.scrollTo(0, 0);
        QCOMPARE(onCanvas(), start);
        QCOMPARE(QPointF(ws.store().objects[1].Left, ws.store().objects[1].Top), start);
    }

    void settingsAreSavedWhereTheyWereRead() {
        MainWindowFixture f;
        f.ws().settings.ProgramFont = QStringLiteral("DejaVu Serif");
        f.ws().settings.transparency[int(SettingsWindow::Settings)] = 90;
        f.ws().settings.ShowInfo = false;
        EditorContext& context = f.w();
        QVERIFY(context.SaveSettings());
        QCOMPARE(f.w().settingsPath(), f.programDir.filePath(QStringLiteral("settings.ini")));
        QCOMPARE(SettingsFile(f.w().settingsPath()).load(), f.ws().settings);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frmmain.moc"
