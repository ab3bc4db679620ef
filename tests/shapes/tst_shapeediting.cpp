#include "app/Editor.h"
#include "shapes/ShapeCommands.h"
#include "shapes/Shapes.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The wired editor with one shape in slot 1: handle shown, context element of the menu.
struct ShapeEditor {
    QTemporaryDir programDir, configDir;
    ScriptedPrompter prompter;
    Editor editor{prompter, frmMain::Paths{programDir.path(), configDir.path()}};
    Workspace& ws = editor.workspace();

    ShapeEditor(int kind, QLine corners, int32_t fillStyle = 1) {
        editor.window().resize(1200, 800);
        editor.window().show();
        const int32_t blue = Rgb(0, 0, 200), grey = Rgb(9, 9, 9);
        setUp(ws).store().shapes[1] = {
            kind, corners.x1(), corners.y1(), corners.x2(), corners.y2(), blue, 1, fillStyle, grey,
            0};
        setUp(ws).store().shapeHandles[1] = Shapes::handleTopLeft(ws.store().shapes[1]);
        ws.canvas.shapeHandleVisible[1] = true;
        ws.diagram.contextElement = {ElementKind::Shape, 1};
    }
    QMenu& menu() { return *editor.shapes().mnuFigures; }
    void choose(const QString& entry) { menu().findChild<QAction*>(entry)->trigger(); }
    QPoint handlePoint() const { // the handle's middle, in canvas pixels
        return ((ws.store().shapeHandles[1] + QPointF(127.5, 127.5)) / 15).toPoint();
    }
    const ShapeRecord& shape() const { return ws.store().shapes[1]; }
    QLine corners() const { return QLine(shape().X1, shape().Y1, shape().X2, shape().Y2); }
};

} // namespace

class TestShapeEditing : public QObject {
    Q_OBJECT

private slots:
    void dragMovesTheShapeWithItsHandle_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QLine>("before");
        QTest::addColumn<QPoint>("by"); // pixels
        QTest::addColumn<bool>("live");
        QTest::addColumn<QLine>("after");
        QTest::newRow("rectangle") << 1 << QLine(1500, 1500, 4500, 3000) << QPoint(20, 10) << false
                                   << QLine(1800, 1650, 4800, 3150);
        QTest::newRow("line drawn right to left keeps direction and size")
            << 2 << QLine(6000, 3000, 3000, 1500) << QPoint(20, 10) << true
            << QLine(6300, 3150, 3300, 1650);
        // The handle stops at the left edge: X1 = 0 + 127 - 499.5 goes to the even -372.
        QTest::newRow("odd-width ellipse pushed past the left edge")
            << 3 << QLine(1500, 1500, 2499, 2500) << QPoint(-200, 0) << true
            << QLine(-372, 1500, 627, 2500);
        QTest::newRow("taller than 16 bits hold")
            << 1 << QLine(1500, 100, 3000, 40100) << QPoint(0, 10) << false
            << QLine(1500, 250, 3000, 40250);
    }

    void dragMovesTheShapeWithItsHandle() {
        QFETCH(int, kind);
        QFETCH(QLine, before);
        QFETCH(QPoint, by);
        QFETCH(bool, live);
        QFETCH(QLine, after);
        ShapeEditor e(kind, before);
        e.ws.settings.Pre4ertaiPriMestene = live;
        const QPoint at = e.handlePoint();
        QSignalSpy repaints(&e.ws, &Workspace::persistentLayerChanged);
        QTest::mousePress(e.editor.window().pano, Qt::LeftButton, {}, at);
        QCOMPARE(e.ws.canvas.drag, (ElementRef{ElementKind::Shape, 1}));
        repaints.clear();
        QTest::mouseMove(e.editor.window().pano, at + by);
        QCOMPARE(e.corners(), after);
        QCOMPARE(repaints.isEmpty(), !live);
        QVERIFY(!e.ws.diagram.Promqna);
        QTest::mouseRelease(e.editor.window().pano, Qt::LeftButton, {}, at + by);
        QVERIFY(e.ws.canvas.drag.isNone() && e.ws.diagram.Promqna && !repaints.isEmpty());
        QCOMPARE(e.ws.stateText(), DiagramStateText::changed());

        // Not while another element is being dragged.
        e.ws.canvas.drag = {ElementKind::Picture, 3};
        QTest::mousePress(e.editor.window().pano, Qt::LeftButton, {}, at + by);
        QTest::mouseMove(e.editor.window().pano, at);
        QTest::mouseRelease(e.editor.window().pano, Qt::LeftButton, {}, at);
        QCOMPARE(e.corners(), after);
        QCOMPARE(e.ws.canvas.drag, (ElementRef{ElementKind::Picture, 3}));
    }

    void theMenuFitsTheKind() {
        for (int kind : {2, 3}) {
            ShapeEditor e(kind, QLine(1500, 1500, 4500, 3000));
            e.ws.diagram.contextElement = {};
            QTest::mousePress(e.editor.window().pano, Qt::RightButton, {}, e.handlePoint());
            QVERIFY(e.menu().isVisible());
            QCOMPARE(e.ws.diagram.contextElement, (ElementRef{ElementKind::Shape, 1}));
            QStringList shown;
            for (QAction* a : e.menu().actions())
                if (a->isVisible())
                    shown << (a->isSeparator() ? "-" : a->objectName() + ' ' + a->text());
            QStringList expected =
                QString("mnuCopyShape Копирай|mnuDeleteFig Изтрий|-|mnuFlip Обърни|mnuShapeSize "
                        "Оразмери|mnuShapeColor Цвят|mnuShapeWidth Дебелина|mnuShpLinSt Стил на "
                        "линията|mnuFill Запълнена фигура")
                    .split('|');
            expected.removeAll(kind == 2 ? "mnuFill Запълнена фигура" : "mnuFlip Обърни");
            QCOMPARE(shown, expected);
            e.menu().hide();
        }
    }

    // Each row: the fill style the shape starts with (colour 9,9,9), the entries chosen in
    // turn with the colour answers for "mnuFillCol" (-1 cancels), and the fill it ends with.
    void fillCommands_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("colours");
        QTest::addColumn<int>("endStyle");
        QTest::addColumn<int>("endColour");
        const int old = Rgb(9, 9, 9);
        const int red = Rgb(255, 0, 0);
        QTest::newRow("Кръстчета on an unfilled shape does nothing")
            << 1 << QStringList{"mnuShpCross"} << QList<int>{} << 1 << old;
        QTest::newRow("Избери цвят fills it solid, then Кръстчета")
            << 1 << QStringList{"mnuFillCol", "mnuShpCross"} << QList<int>{red} << 6 << red;
        QTest::newRow("Без запълване keeps the colour")
            << 0 << QStringList{"mnuRemFil"} << QList<int>{} << 1 << old;
        QTest::newRow("Без запълване, a hatch does nothing, Избери цвят fills again")
            << 0 << QStringList{"mnuRemFil", "mnuShpVertLines", "mnuFillCol"} << QList<int>{red}
            << 0 << red;
        QTest::newRow("Диагонали надолу rises")
            << 0 << QStringList{"mnuShpDiaDown"} << QList<int>{} << 4 << old;
        QTest::newRow("Диагонали нагоре falls")
            << 6 << QStringList{"mnuShpDiaUp"} << QList<int>{} << 5 << old;
        QTest::newRow("a cancelled Избери цвят keeps the hatch")
            << 6 << QStringList{"mnuFillCol"} << QList<int>{-1} << 6 << old;
    }

    void fillCommands() {
        QFETCH(int, style);
        QFETCH(QStringList, entries);
        QFETCH(QList<int>, colours);
        QFETCH(int, endStyle);
        QFETCH(int, endColour);
        ShapeEditor e(1, QLine(1500, 1500, 4500, 3000), style);
        for (int c : colours)
            e.prompter.colours.push_back(c < 0 ? std::nullopt : std::optional<int32_t>(c));
        for (const QString& name : entries)
            e.choose(name);
        QCOMPARE(e.shape().FillStyle, endStyle);
        QCOMPARE(e.shape().FillColour, endColour);
        QCOMPARE(e.ws.diagram.Izbr, int16_t(1));
        // An edit is an unsaved change, but only a drag changes the state text.
        QCOMPARE(e.ws.diagram.Promqna, endStyle != style || endColour != Rgb(9, 9, 9));
        QCOMPARE(e.ws.stateText(), DiagramStateText::none());
    }

    // A filled shape presets its fill colour; an unfilled one what the dialog showed last.
    void colourDialogPresets() {
        ShapeEditor e(1, QLine(1500, 1500, 4500, 3000));
        e.prompter.colours = {Rgb(0, 128, 0), Rgb(1, 2, 3), std::nullopt};
        for (const char* entry : {"mnuShapeColor", "mnuFillCol", "mnuFillCol"})
            e.choose(QString::fromLatin1(entry));
        QCOMPARE(e.prompter.colourPresets,
                 (QList<int32_t>{Rgb(0, 0, 200), Rgb(0, 128, 0), Rgb(1, 2, 3)}));
        QCOMPARE(e.shape().BorderColour, Rgb(0, 128, 0));
    }

    void flipAndResizeALine() {
        ShapeEditor e(2, QLine(1000, 1000, 3000, 2000));
        const QPointF handle = e.ws.store().shapeHandles[1];
        e.choose(QStringLiteral("mnuFlip"));
        QCOMPARE(e.corners(), QLine(3000, 1000, 1000, 2000));
        QCOMPARE(Shapes::handleTopLeft(e.shape()), handle);
        e.choose(QStringLiteral("mnuShapeSize"));
        QCOMPARE(e.ws.canvas.manipKind, ElementKind::Shape);
        QVERIFY(e.ws.canvas.Manip[4].visible && e.ws.canvas.shpSelection.visible);
        QCOMPARE(e.ws.canvas.Manip[1].topLeft, QPointF(1000 - 90, 1000 - 90));
    }

    void copyWritesTheShpEntries() {
        ShapeEditor e(2, QLine(3000, 1000, -1000, 2000));
        QAction& paste = e.editor.window().action(QStringLiteral("mnuPaste"));
        QVERIFY(!paste.isEnabled());
        e.choose(QStringLiteral("mnuCopyShape"));
        QCOMPARE(e.ws.diagram.copyBuffer, QStringList({"Shp", "2", "3000", "1000", "-1000", "2000",
                                                       QString::number(Rgb(0, 0, 200)), "1", "1",
                                                       QString::number(Rgb(9, 9, 9)), "0"}));
        QVERIFY(paste.isEnabled() && !e.ws.diagram.Promqna);
        e.ws.diagram.copyBuffer << QStringLiteral("kept");
        e.choose(QStringLiteral("mnuCopyShape"));
        QCOMPARE(e.ws.diagram.copyBuffer.last(), QStringLiteral("kept"));
    }

    void deleteAsksFirst() {
        ShapeEditor e(3, QLine(1500, 1500, 4500, 3000));
        e.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        e.choose(QStringLiteral("mnuDeleteFig"));
        QCOMPARE(e.shape().Kind, 3);
        e.choose(QStringLiteral("mnuDeleteFig"));
        QCOMPARE(e.shape().Kind, 0);
        QCOMPARE(e.shape().X2, 4500); // the rest waits for the slot's next shape
        QVERIFY(!e.ws.canvas.shapeHandleVisible[1]);
        QCOMPARE(e.prompter.texts(), QStringList(2, "Искате ли да изтриете Фигурата ?"));
        QCOMPARE(e.prompter.messages[1].title, QStringLiteral("Въпрос"));
        QCOMPARE(e.prompter.messages[1].buttons, Prompter::Buttons::YesNo);
    }
};

QTEST_MAIN(TestShapeEditing)
#include "tst_shapeediting.moc"
