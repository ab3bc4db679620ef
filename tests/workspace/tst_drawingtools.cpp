#include "MainWindowFixture.h"

#include "common/Units.h"
#include "lines/LineCommands.h"
#include "shapes/ShapeCommands.h"
#include "shapes/Shapes.h"
#include "support/Setup.h"
#include "text/TextFields.h"
#include "workspace/CanvasTools.h"
#include "workspace/DiagramState.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/ElementMenu.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace {

// A tool that records every call it gets, in one list shared by all the tools of a test.
struct RecordingTool : CanvasTool {
    RecordingTool(QStringList& calls, const QString& name) : calls(calls), name(name) {}
    void draw(int32_t x, int32_t y, int32_t colour, bool Final) override {
        calls << QStringLiteral("%1 %2,%3 c%4 %5").arg(name).arg(x).arg(y).arg(colour).arg(Final);
    }
    QStringList& calls;
    QString name;
};

// Puts recording tools in place of the five tool modes.
void recordTools(frmMain& window, QStringList& calls) {
    for (const QString& mode : {ToolState::box(), ToolState::line(), ToolState::ellipse(),
                                ToolState::circle(), ToolState::selection()})
        window.tools().add(mode, std::make_unique<RecordingTool>(calls, mode));
}

// Canvas pixel of a twip position (the canvas works at 15 twips per pixel).
QPoint pixelOf(int xTwips, int yTwips) {
    return QPoint(xTwips / 15, yTwips / 15);
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
        Workspace& ws = f.ws();
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
            const int expectedLeft = TwipsToPixelRounded(
                f.w().pano->innerWidth() - PixelsToTwips(f.w().DrawOptions->width()) - 255);
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
        QCOMPARE(f.ws().tools.mode, ToolState::line());
    }

    void menuEntryStartsTheToolEvenWhenItAsks() {
        MainWindowFixture f;
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().action(QStringLiteral("mnuAddRect")).trigger();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.ws().tools.mode, ToolState::box());
        QVERIFY(f.w().action(QStringLiteral("mnuAddRect")).isChecked());
        f.w().action(QStringLiteral("mnuAddLine")).trigger();
        QCOMPARE(f.ws().tools.mode, ToolState::line());
        QVERIFY(!f.w().action(QStringLiteral("mnuAddRect")).isChecked());
        QVERIFY(f.w().action(QStringLiteral("mnuAddLine")).isChecked());
        f.w().action(QStringLiteral("mnuEllOkr")).trigger();
        QCOMPARE(f.ws().tools.mode, ToolState::circle());
        f.w().action(QStringLiteral("mnuStopInstr")).trigger();
        QVERIFY(f.ws().tools.mode.isEmpty());
        QVERIFY(!f.w().action(QStringLiteral("mnuAddLine")).isChecked());
        QCOMPARE(f.w().pano->cursor().shape(), Qt::ArrowCursor);
    }

    void dragWithEachToolCallsItsRoutine_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("routine");
        for (const QString& mode :
             {ToolState::box(), ToolState::line(), ToolState::ellipse(), ToolState::circle()})
            QTest::newRow(qPrintable(mode)) << mode << mode + QStringLiteral(" 1500,750 c255 %1");
    }

    void dragWithEachToolCallsItsRoutine() {
        QFETCH(QString, mode);
        QFETCH(QString, routine);
        MainWindowFixture f(settingsShowingDrawOptions());
        QStringList calls;
        recordTools(f.w(), calls);
        Workspace& ws = f.ws();
        ws.tools.mode = mode;
        ws.tools.drawingColour = 255;
        Pano* pano = f.w().pano;

        QTest::mousePress(pano, Qt::LeftButton, {}, pixelOf(300, 450));
        QCOMPARE(ws.tools.x0, int16_t(300));
        QCOMPARE(ws.tools.y0, int16_t(450));
        QVERIFY(ws.canvas.rubberBandMode);
        QTest::mouseMove(pano, pixelOf(1500, 750));
        QTest::mouseRelease(pano, Qt::LeftButton, {}, pixelOf(1500, 750));
        QCOMPARE(calls, QStringList({routine.arg(0), routine.arg(1)}));
        QVERIFY(!ws.canvas.rubberBandMode);
        // The recording tools draw nothing: nothing is unsaved, whatever the panel says.
        QVERIFY(!ws.diagram.Promqna);
        QCOMPARE(f.w().StatInfo->panelText(2), DiagramStateText::changed());
        // The tool stays on for the next shape.
        QCOMPARE(ws.tools.mode, mode);
    }

    void movesWithoutTheLeftButtonDrawNothing() {
        MainWindowFixture f(settingsShowingDrawOptions());
        QStringList calls;
        recordTools(f.w(), calls);
        f.ws().tools.mode = ToolState::box();
        QTest::mouseMove(f.w().pano, pixelOf(900, 900));
        QVERIFY(calls.isEmpty());
        QVERIFY(!f.ws().diagram.Promqna);
    }

    void rightClickOpensTheMenuAndDrawsNothing() {
        MainWindowFixture f(settingsShowingDrawOptions());
        QStringList calls;
        recordTools(f.w(), calls);
        Workspace& ws = f.ws();
        f.w().optRect->click();
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, pixelOf(600, 900));
        QVERIFY(f.w().mnuMenu->isVisible());
        QCOMPARE(ws.tools.rightClick, QPointF(600, 900));
        QVERIFY(!ws.canvas.rubberBandMode);
        f.w().mnuMenu->hide();
        QTest::mouseRelease(f.w().pano, Qt::RightButton, {}, pixelOf(600, 900));
        QVERIFY(calls.isEmpty());
        QVERIFY(!ws.diagram.Promqna);
        QCOMPARE(ws.tools.mode, ToolState::box());
    }

    void pendingRegionSelectionSurvivesStoppingTheTools() {
        MainWindowFixture f(settingsShowingDrawOptions());
        QStringList calls;
        recordTools(f.w(), calls);
        Workspace& ws = f.ws();
        ws.tools.mode = ToolState::selection();
        ws.diagram.SelPicture = -1;
        f.w().action(QStringLiteral("mnuStopInstr")).trigger();
        QCOMPARE(ws.tools.mode, ToolState::selection());

        // Marking the region of an export leaves the diagram state to the export.
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, pixelOf(150, 150));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, pixelOf(1500, 1500));
        QCOMPARE(calls.last(), QStringLiteral("selection 1500,1500 c0 1"));
        QVERIFY(!ws.diagram.Promqna);
        QCOMPARE(f.w().StatInfo->panelText(2), DiagramStateText::none());
    }

    void selectionRubberBandSpansBothCorners() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        ws.tools.mode = ToolState::selection();
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, pixelOf(1500, 3000));
        QTest::mouseMove(f.w().pano, pixelOf(450, 600));
        QVERIFY(ws.canvas.shpSelection.visible);
        QCOMPARE(ws.canvas.shpSelection.rect, QRectF(450, 600, 1050, 2400));
        // Releasing ends the tool and takes the rectangle off the screen, for a grid as for
        // an export.
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, pixelOf(450, 600));
        QVERIFY(ws.tools.mode.isEmpty());
        QVERIFY(!ws.canvas.shpSelection.visible);
        // No export waits for it, so it asks for a grid's rows and columns.
        QCOMPARE(f.gridDialogs, 1);
    }

    // The rubber band is painted over everything, inverting what lies under it; the next band
    // takes its place and no band leaves anything behind.
    void rubberBandInvertsAndLeavesNoTrace() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD")); // white with a grey frame, at 25,8 pixels
        Pano* pano = f.w().pano;
        const QImage before = pano->grab().toImage();
        ws.setRubberBand({RubberBand::Shape::Rectangle, QLineF(300, 150, 1500, 1500)});
        QImage band = pano->grab().toImage();
        QCOMPARE(band.pixelColor(20, 50), QColor(Qt::black));         // white canvas, inverted
        QCOMPARE(band.pixelColor(30, 50), before.pixelColor(30, 50)); // inside: untouched
        QCOMPARE(band.pixelColor(40, 100), QColor(Qt::black));        // the bottom edge
        ws.setRubberBand({RubberBand::Shape::Line, QLineF(3000, 150, 3000, 1500)});
        band = pano->grab().toImage();
        QCOMPARE(band.pixelColor(20, 50), before.pixelColor(20, 50));
        QCOMPARE(band.pixelColor(200, 50), QColor(Qt::black));
        ws.setRubberBand({});
        QCOMPARE(pano->grab().toImage(), before);
    }

    // A popup that swallowed the release of a tool's drag: the tool still finishes it.
    void toolFinishesWhenItsReleaseWentElsewhere() {
        MainWindowFixture f(settingsShowingDrawOptions());
        QStringList calls;
        recordTools(f.w(), calls);
        Workspace& ws = f.ws();
        ws.tools.mode = ToolState::box();
        Pano* pano = f.w().pano;
        const auto send = [pano](QEvent::Type type, QPoint at, Qt::MouseButton button,
                                 Qt::MouseButtons buttons) {
            QMouseEvent event(type, QPointF(at), pano->mapToGlobal(QPointF(at)), button, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(pano, &event);
        };
        send(QEvent::MouseButtonPress, pixelOf(300, 300), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, pixelOf(900, 900), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonPress, pixelOf(900, 900), Qt::RightButton,
             Qt::LeftButton | Qt::RightButton);
        QVERIFY(f.w().mnuMenu->isVisible());
        f.w().mnuMenu->hide();
        send(QEvent::MouseMove, pixelOf(1200, 1200), Qt::NoButton, Qt::NoButton);
        QCOMPARE(calls, QStringList({"butbox 900,900 c0 0", "butbox 1200,1200 c0 1"}));
        QVERIFY(!ws.canvas.rubberBandMode);
        QCOMPARE(ws.stateText(), DiagramStateText::changed());
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
        QCOMPARE(f.ws().tools.lineWidth, kept);
    }

    void colourButtonsKeepTheirColourWhenCancelled() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        f.prompter.colours.push_back(Rgb(255, 0, 0));
        f.w().DrawOptions->cmdColor->click();
        QCOMPARE(ws.tools.drawingColour, Rgb(255, 0, 0));
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

    // Escape cancels the most specific thing under way, one at a time, and nothing else.
    void escapeCancelsWhatIsUnderWay_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("afterEachEscape"); // "mode/SelPicture/connection step"
        QTest::newRow("region export") << "region" << QStringList{"/0/0", "/0/0"};
        QTest::newRow("connection") << "connect" << QStringList{"/0/0"};
        QTest::newRow("connection, second pick") << "connect first" << QStringList{"/0/0"};
        QTest::newRow("rectangle tool") << "rect" << QStringList{"/0/0"};
        QTest::newRow("rectangle half drawn") << "rect drag" << QStringList{"/0/0"};
        QTest::newRow("grid rectangle") << "grid" << QStringList{"/0/0"};
        QTest::newRow("connection over a grid rectangle")
            << "grid connect" << QStringList{"selection/0/0", "/0/0"};
        QTest::newRow("nothing") << "" << QStringList{"/0/0"};
    }

    void escapeCancelsWhatIsUnderWay() {
        QFETCH(QString, start);
        QFETCH(QStringList, afterEachEscape);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        ws.settings.ShowInfo = false;
        ws.DobaviNov(QStringLiteral("HUB"));
        const PictureObject& hub = ws.store().objects[ws.diagram.Nomer];
        const QPoint onHub = px(hub.Left + hub.Width / 2, hub.Top + hub.Height / 2);
        const QString exported = f.configDir.filePath(QStringLiteral("дял.bmp"));
        if (start == QLatin1String("region")) {
            f.prompter.fileNames.push_back(exported);
            f.prompter.filterIndices.push_back(1);
            f.prompter.answers.push_back(Prompter::Answer::Yes);
            f.w().cmdSave->click();
            QVERIFY(!f.w().cmdSave->isEnabled());
            QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(150, 150));
            QTest::mouseMove(f.w().pano, px(1500, 1500));
        }
        if (start.contains(QLatin1String("grid"))) {
            f.prompter.answers.push_back(Prompter::Answer::Ok);
            f.w().action(QStringLiteral("mnuTable")).trigger();
        }
        if (start.contains(QLatin1String("connect")))
            f.w().cmdCon1->click();
        if (start.contains(QLatin1String("first")))
            QTest::mouseClick(f.w().pano, Qt::LeftButton, {}, onHub);
        if (start.startsWith(QLatin1String("rect")))
            f.w().optRect->click();
        if (start.contains(QLatin1String("drag"))) {
            QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(3000, 3000));
            QTest::mouseMove(f.w().pano, px(4500, 4500));
        }
        // With nothing else under way the resize handles must stay.
        if (start.isEmpty()) {
            ws.diagram.contextElement = {ElementKind::Picture, ws.diagram.Nomer};
            f.w().action(QStringLiteral("mnuSizePic")).trigger();
        }

        for (const QString& expected : afterEachEscape) {
            QTest::keyClick(&f.w(), Qt::Key_Escape);
            QCOMPARE(QStringLiteral("%1/%2/%3")
                         .arg(ws.tools.mode)
                         .arg(ws.diagram.SelPicture)
                         .arg(ws.diagram.connection.step),
                     expected);
        }
        QCOMPARE(ws.canvas.Manip[1].visible, start.isEmpty());
        QCOMPARE(ws.canvas.shpSelection.visible, start.isEmpty()); // it encloses the handles
        QVERIFY(!ws.canvas.rubberBand.isVisible());
        QVERIFY(!ws.canvas.Ogr[0].visible);
        QVERIFY(!f.w().optRect->isChecked());
        QVERIFY(f.w().cmdSave->isEnabled());
        // Whatever the left button was doing, its release now draws and writes nothing.
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, px(4500, 4500));
        QVERIFY(!QFile::exists(exported));
        QCOMPARE(f.gridDialogs, 0);
        QCOMPARE(ws.store().usedCount(ElementKind::Shape), 0);
        QCOMPARE(ws.store().usedCount(ElementKind::Line), 0);
        // The canvas menu comes on a right click, as usual.
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, px(6000, 6000));
        QVERIFY(f.w().mnuMenu->isVisible());
        f.w().mnuMenu->hide();
    }

    // A right click that opens the menu of an element ends the drawing tool, as on a picture.
    void elementMenusEndTheDrawingTool_data() {
        QTest::addColumn<QString>("element");
        for (const char* element : {"picture", "text", "shape", "grid", "line"})
            QTest::newRow(element) << QString::fromLatin1(element);
    }

    void elementMenusEndTheDrawingTool() {
        QFETCH(QString, element);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        QPointF at; // the middle of what is clicked, twips
        QMenu* menu = &f.w().elementMenu().menu();
        if (element == QLatin1String("picture") || element == QLatin1String("line")) {
            for (const double left : {1500.0, 6000.0}) {
                ws.DobaviNov(QStringLiteral("HUB"));
                setUp(ws).store().objects[ws.diagram.Nomer].Left = left;
                setUp(ws).store().objects[ws.diagram.Nomer].Top = 1500;
            }
            const PictureObject& o = ws.store().objects[1];
            at = QPointF(o.Left + o.Width / 2, o.Top + o.Height / 2);
        }
        if (element == QLatin1String("text")) {
            TextFields::create(ws, QStringLiteral("Етаж 2"), 1500, 1500);
            at = QPointF(1530, 1530);
        } else if (element == QLatin1String("shape")) {
            setUp(ws).store().shapes[1] = {1, 3000, 3000, 4500, 4000, 0, 1, 1, 0, 0};
            setUp(ws).store().shapeHandles[1] = Shapes::handleTopLeft(ws.store().shapes[1]);
            ws.canvas.shapeHandleVisible[1] = true;
            at = ws.store().shapeHandles[1] + QPointF(127, 127);
            menu = f.editor->shapes().mnuFigures;
        } else if (element == QLatin1String("grid")) {
            setUp(ws).store().grids[1] = GridRecord{1, 3, 4, 1500, 1500, 1200, 700, 0, 2};
            setUp(ws).store().gridHandles[1] = QPointF(1500, 1500);
            ws.canvas.gridHandleVisible[1] = true;
            at = QPointF(1627, 1627);
            menu = f.editor->grids().mnuTables;
        } else if (element == QLatin1String("line")) {
            setUp(ws).store().lines[1] = LineRecord{1, 1, 2, 2, 0, 1, 0};
            ws.canvas.lineHandles[1].visible = true;
            ws.Pre4ertai(); // puts the handle on its line
            at = ws.canvas.lineHandles[1].topLeft + QPointF(45, 45);
            menu = f.editor->lines().mnuLines;
        }
        ws.Pre4ertai();
        f.w().optLine->click();
        QCOMPARE(ws.tools.mode, ToolState::line());
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, px(at.x(), at.y()));
        QVERIFY(menu->isVisible());
        menu->close();
        QTest::mouseRelease(f.w().pano, Qt::RightButton, {}, px(at.x(), at.y()));
        QVERIFY(ws.tools.mode.isEmpty());
        QVERIFY(!f.w().optLine->isChecked());
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
