#include "MainWindowFixture.h"

#include "common/Units.h"
#include "workspace/DiagramState.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

// Records every call of the drawing routines.
struct RecordingRoutines : DrawingRoutines {
    QStringList calls;
    void DrawBox(int16_t x, int16_t y, int32_t colour, bool Final) override {
        calls << QStringLiteral("box %1,%2 c%3 %4").arg(x).arg(y).arg(colour).arg(Final);
    }
    void DrawLine(int16_t x, int16_t y, int32_t colour, bool Final) override {
        calls << QStringLiteral("line %1,%2 c%3 %4").arg(x).arg(y).arg(colour).arg(Final);
    }
    void DrawCircle(int16_t x, int16_t y, int32_t colour, bool Krag, bool Final) override {
        calls << QStringLiteral("circle %1,%2 c%3 k%4 %5")
                     .arg(x)
                     .arg(y)
                     .arg(colour)
                     .arg(Krag)
                     .arg(Final);
    }
    void DrawSelection(int16_t x, int16_t y, int32_t colour, bool Final) override {
        calls << QStringLiteral("selection %1,%2 c%3 %4").arg(x).arg(y).arg(colour).arg(Final);
    }
};

// Canvas pixel of a twip position (the canvas works at 15 twips per pixel).
QPoint px(int xTwips, int yTwips) {
    return QPoint(xTwips / 15, yTwips / 15);
}

QByteArray settingsShowingDrawOptions() {
    QByteArray bytes = "\"[NASTROIKIVX]\"\r\n\"MS Sans Serif\"\r\n";
    for (int i = 0; i < 11; ++i)
        bytes += "255\r\n";
    return bytes + "#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n";
}

} // namespace

class TestDrawingTools : public QObject {
    Q_OBJECT

private slots:
    void firstToolClickAsksAboutTheOptionsOnce_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("yes") << int(Prompter::Answer::Yes) << true;
        QTest::newRow("no") << int(Prompter::Answer::No) << false;
    }

    void firstToolClickAsksAboutTheOptionsOnce() {
        QFETCH(int, answer);
        QFETCH(bool, panelShown);
        MainWindowFixture f;
        Workspace& ws = f.w().workspace();
        f.prompter.answers.push_back(static_cast<Prompter::Answer>(answer));
        f.w().optRect->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].title, QStringLiteral("Въпрос"));
        QVERIFY(f.prompter.messages[0].text.startsWith(
            QStringLiteral("Желаете ли да се изведат опциите за чертане ?")));
        QVERIFY(f.prompter.messages[0].text.endsWith(
            QStringLiteral("изведете ги от Функции -> Опции за чертане")));
        QVERIFY(ws.tools.mode.isEmpty());
        QVERIFY(!f.w().optRect->isChecked());
        QCOMPARE(f.w().DrawOptions->isVisible(), panelShown);
        if (panelShown) {
            const int expectedLeft = TwipsToPixel(f.w().pano->innerWidth() -
                                                  PixelsToTwips(f.w().DrawOptions->width()) - 255);
            QVERIFY(qAbs(f.w().DrawOptions->x() - f.w().pano->x() - expectedLeft) <= 1);
        }

        f.w().optRect->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(ws.tools.mode, ToolState::box());
        QCOMPARE(f.w().pano->cursor().shape(), Qt::CrossCursor);
        QVERIFY(f.w().optRect->isChecked());

        // Hiding the panel later does not bring the question back.
        f.w().lblHidefr_Click();
        f.w().optLine->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(ws.tools.mode, ToolState::line());
    }

    void panelVisibleAtStartNeverAsks() {
        MainWindowFixture f(settingsShowingDrawOptions());
        f.w().optLine->click();
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.w().workspace().tools.mode, ToolState::line());
    }

    void menuEntryStartsTheToolEvenWhenItAsks() {
        MainWindowFixture f;
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().menuAction(QStringLiteral("mnuAddRect"))->trigger();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.w().workspace().tools.mode, ToolState::box());
        QVERIFY(f.w().menuAction(QStringLiteral("mnuAddRect"))->isChecked());
        f.w().menuAction(QStringLiteral("mnuAddLine"))->trigger();
        QCOMPARE(f.w().workspace().tools.mode, ToolState::line());
        QVERIFY(!f.w().menuAction(QStringLiteral("mnuAddRect"))->isChecked());
        QVERIFY(f.w().menuAction(QStringLiteral("mnuAddLine"))->isChecked());
        f.w().menuAction(QStringLiteral("mnuEllOkr"))->trigger();
        QCOMPARE(f.w().workspace().tools.mode, ToolState::circleRound());
        f.w().menuAction(QStringLiteral("mnuStopInstr"))->trigger();
        QVERIFY(f.w().workspace().tools.mode.isEmpty());
        QVERIFY(!f.w().menuAction(QStringLiteral("mnuAddLine"))->isChecked());
        QCOMPARE(f.w().pano->cursor().shape(), Qt::ArrowCursor);
    }

    void dragWithEachToolCallsItsRoutine_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("routine");
        QTest::newRow("box") << ToolState::box() << QStringLiteral("box 1500,750 c255 %1");
        QTest::newRow("line") << ToolState::line() << QStringLiteral("line 1500,750 c255 %1");
        QTest::newRow("ellipse") << ToolState::circle()
                                 << QStringLiteral("circle 1500,750 c255 k0 %1");
        QTest::newRow("circle") << ToolState::circleRound()
                                << QStringLiteral("circle 1500,750 c255 k1 %1");
    }

    void dragWithEachToolCallsItsRoutine() {
        QFETCH(QString, mode);
        QFETCH(QString, routine);
        MainWindowFixture f(settingsShowingDrawOptions());
        RecordingRoutines routines;
        f.w().setDrawingRoutines(&routines);
        Workspace& ws = f.w().workspace();
        ws.tools.mode = mode;
        ws.tools.drawingColour = 255;
        Pano* pano = f.w().pano;

        QTest::mousePress(pano, Qt::LeftButton, {}, px(300, 450));
        QCOMPARE(ws.tools.x0, int16_t(300));
        QCOMPARE(ws.tools.y0, int16_t(450));
        QVERIFY(ws.invertDrawing());
        QTest::mouseMove(pano, px(1500, 750));
        QTest::mouseRelease(pano, Qt::LeftButton, {}, px(1500, 750));
        QCOMPARE(routines.calls, QStringList({routine.arg(0), routine.arg(1)}));
        QVERIFY(!ws.invertDrawing());
        QVERIFY(ws.Promqna);
        QCOMPARE(f.w().StatInfo->panelText(2), DiagramStateText::changed());
        // The tool stays on for the next shape.
        QCOMPARE(ws.tools.mode, mode);
    }

    void movesWithoutTheLeftButtonDrawNothing() {
        MainWindowFixture f(settingsShowingDrawOptions());
        RecordingRoutines routines;
        f.w().setDrawingRoutines(&routines);
        f.w().workspace().tools.mode = ToolState::box();
        QTest::mouseMove(f.w().pano, px(900, 900));
        QVERIFY(routines.calls.isEmpty());
        QVERIFY(!f.w().workspace().Promqna);
    }

    void rightClickOpensTheMenuAndDrawsNothing() {
        MainWindowFixture f(settingsShowingDrawOptions());
        RecordingRoutines routines;
        f.w().setDrawingRoutines(&routines);
        Workspace& ws = f.w().workspace();
        f.w().optRect->click();
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, px(600, 900));
        QTRY_VERIFY(f.w().mnuMenu->isVisible());
        QCOMPARE(ws.tools.rightClick, QPointF(600, 900));
        QVERIFY(!ws.invertDrawing());
        f.w().mnuMenu->hide();
        QTest::mouseRelease(f.w().pano, Qt::RightButton, {}, px(600, 900));
        QVERIFY(routines.calls.isEmpty());
        QVERIFY(!ws.Promqna);
        QCOMPARE(ws.tools.mode, ToolState::box());
    }

    void pendingRegionSelectionSurvivesStoppingTheTools() {
        MainWindowFixture f(settingsShowingDrawOptions());
        RecordingRoutines routines;
        f.w().setDrawingRoutines(&routines);
        Workspace& ws = f.w().workspace();
        ws.tools.mode = ToolState::selection();
        ws.SelPicture = -1;
        f.w().menuAction(QStringLiteral("mnuStopInstr"))->trigger();
        QCOMPARE(ws.tools.mode, ToolState::selection());

        // Marking the region of an export leaves the diagram state to the export.
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(150, 150));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, px(1500, 1500));
        QCOMPARE(routines.calls.last(), QStringLiteral("selection 1500,1500 c0 1"));
        QVERIFY(!ws.Promqna);
        QCOMPARE(f.w().StatInfo->panelText(2), DiagramStateText::none());
    }

    void selectionRubberBandSpansBothCorners() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.w().workspace();
        ws.tools.mode = ToolState::selection();
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(1500, 3000));
        QTest::mouseMove(f.w().pano, px(450, 600));
        QVERIFY(f.w().selectionVisible());
        QCOMPARE(f.w().selectionRect(), QRectF(450, 600, 1050, 2400));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, px(450, 600));
        QVERIFY(ws.tools.mode.isEmpty());
        f.w().SpriInstrumentite();
        QVERIFY(!f.w().selectionVisible());
    }

    void lineWidthAcceptsOnlyNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("decimal comma") << QStringLiteral("2,5") << QStringLiteral("2,5");
        QTest::newRow("letters") << QStringLiteral("2a") << QStringLiteral("1");
        QTest::newRow("empty") << QString() << QStringLiteral("1");
        QTest::newRow("two commas") << QStringLiteral("3,,") << QStringLiteral("1");
        QTest::newRow("wide") << QStringLiteral("12") << QStringLiteral("12");
    }

    void lineWidthAcceptsOnlyNumbers() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        MainWindowFixture f(settingsShowingDrawOptions());
        QComboBox* list = f.w().DrawOptions->DebelinaLinii;
        list->lineEdit()->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(list->lineEdit(), Qt::Key_Backspace);
        else
            QTest::keyClicks(list->lineEdit(), typed);
        QCOMPARE(list->currentText(), kept);
        QCOMPARE(f.w().workspace().tools.lineWidth, kept);
    }

    void colourButtonsKeepTheirColourWhenCancelled() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.w().workspace();
        f.prompter.colours.push_back(Rgb(255, 0, 0));
        f.w().DrawOptions->cmdColor->click();
        QCOMPARE(ws.tools.drawingColour, Rgb(255, 0, 0));
        QCOMPARE(DrawOptionsPanel::buttonColour(f.w().DrawOptions->cmdColor), Rgb(255, 0, 0));
        f.prompter.colours.push_back(std::nullopt);
        f.w().DrawOptions->cmdColor->click();
        QCOMPARE(ws.tools.drawingColour, Rgb(255, 0, 0));

        const int32_t lineBefore = ws.tools.lineColour;
        f.prompter.colours.push_back(std::nullopt);
        f.w().DrawOptions->cmdConnectColor->click();
        QCOMPARE(ws.tools.lineColour, lineBefore);
        f.prompter.colours.push_back(Rgb(0, 128, 0));
        f.w().DrawOptions->PaintFill->click();
        QCOMPARE(ws.tools.fillColour, Rgb(0, 128, 0));
        QCOMPARE(f.prompter.colourDialogs, 4);
        f.w().DrawOptions->chkFilled->click();
        QVERIFY(ws.tools.filled);
    }

    void drawOptionsPanelDragsInsideTheWindow() {
        MainWindowFixture f(settingsShowingDrawOptions());
        DrawOptionsPanel* panel = f.w().DrawOptions;
        const QPoint grab(10, 5);
        QTest::mousePress(panel->caption, Qt::LeftButton, {}, grab);
        QTest::mouseMove(panel->caption, grab + QPoint(-5000, -5000));
        QTest::mouseRelease(panel->caption, Qt::LeftButton, {}, grab + QPoint(-5000, -5000));
        QCOMPARE(panel->pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(TestDrawingTools)
#include "tst_drawingtools.moc"
