#include "support/ScriptedPrompter.h"
#include "workspace/SimpleDragAndDrop.h"
#include "workspace/Workspace.h"

#include <QtTest>

class TestDragDrop : public QObject {
    Q_OBJECT

private slots:
    void moveKeepsTheElementInside_data() {
        QTest::addColumn<QRectF>("element"); // Left, Top, Width, Height
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("mouse");
        QTest::addColumn<QPointF>("expected");
        const QRectF box(1000, 1000, 600, 450);
        QTest::newRow("free move keeps the grab point")
            << box << QPointF(100, 50) << QPointF(400, 350) << QPointF(1300, 1300);
        QTest::newRow("past the right edge")
            << box << QPointF(0, 0) << QPointF(9000, 0) << QPointF(6000 - 600, 1000);
        QTest::newRow("past the bottom edge")
            << box << QPointF(0, 0) << QPointF(0, 9000) << QPointF(1000, 4500 - 450);
        QTest::newRow("past the left edge")
            << box << QPointF(300, 0) << QPointF(-2000, 0) << QPointF(0, 1000);
        QTest::newRow("past the top edge")
            << box << QPointF(0, 300) << QPointF(0, -5000) << QPointF(1000, 0);
        QTest::newRow("exactly touching the right edge counts as past it")
            << box << QPointF(0, 0) << QPointF(4400, 0) << QPointF(5400, 1000);
        QTest::newRow("wider than the canvas ends at 0")
            << QRectF(0, 0, 7000, 5000) << QPointF(10, 10) << QPointF(500, 500) << QPointF(0, 0);
    }

    void moveKeepsTheElementInside() {
        QFETCH(QRectF, element);
        QFETCH(QPointF, grab);
        QFETCH(QPointF, mouse);
        QFETCH(QPointF, expected);
        QRectF current = element;
        SimpleDragAndDrop drag([&] { return current; },
                               [&](double left, double top) { current.moveTo(left, top); },
                               [] { return QSizeF(6000, 4500); });
        drag.LimitMode = 1;
        drag.DragObj(true, grab.x(), grab.y());
        drag.MoveObj(mouse.x(), mouse.y());
        QCOMPARE(current.topLeft(), expected);
        QCOMPARE(QPointF(drag.Xpos, drag.Ypos), expected);
    }

    void noLimitAndNoDragMeanNoClamp() {
        QRectF current(100, 100, 50, 50);
        SimpleDragAndDrop drag([&] { return current; },
                               [&](double left, double top) { current.moveTo(left, top); },
                               [] { return QSizeF(200, 200); });
        drag.MoveObj(500, 500); // no drag started
        QCOMPARE(current.topLeft(), QPointF(100, 100));
        drag.DragObj(true, 0, 0);
        drag.MoveObj(-500, 500);
        QCOMPARE(current.topLeft(), QPointF(-400, 600));
        drag.DragObj(false, 0, 0);
        drag.MoveObj(10, 10);
        QCOMPARE(current.topLeft(), QPointF(-400, 600));
    }

    void picturesDragInsideTheCanvas() {
        ScriptedPrompter prompter;
        Workspace ws(prompter);
        ws.setCanvasSize(400, 300); // 6000 x 4500 twips
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        SimpleDragAndDrop drag = ws.dragObject({ElementKind::Picture, ws.diagram.Nomer});
        QCOMPARE(drag.LimitMode, int16_t(1));
        drag.DragObj(true, 15, 15);
        drag.MoveObj(99999, 99999);
        const PictureObject& o = ws.store().objects[ws.diagram.Nomer];
        QCOMPARE(o.Left, 6000 - o.Width);
        QCOMPARE(o.Top, 4500 - o.Height);
    }

    void scrollingShiftsEverythingAndBackExactly() {
        ScriptedPrompter prompter;
        Workspace ws(prompter);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        ws.edit({}).store().objects[1].Left = 1234.5;
        ws.edit({}).store().textStatus[2] = ElementStore::Used;
        ws.edit({}).store().texts[2].Left = 50;
        ws.edit({}).store().texts[2].Top = 70;
        ws.edit({}).store().shapes[3] = {1, 100, 200, 300, 400, 0, 1, 0, 0, 0};
        ws.edit({}).store().grids[1] = {1, 2, 2, 500, 600, 1000, 1000, 0, 1};
        ws.edit({}).store().grids[2] = {0, 2, 2, 500, 600, 1000, 1000, 0, 1}; // free: stays
        const ElementStore before = ws.store();

        ws.shiftElements(-300, 0);
        QCOMPARE(ws.store().objects[1].Left, 934.5);
        QCOMPARE(ws.store().texts[2].Left, -250.0);
        QCOMPARE(ws.store().shapes[3].X1, -200);
        QCOMPARE(ws.store().shapes[3].X2, 0);
        QCOMPARE(ws.store().shapes[3].Y1, 200);
        QCOMPARE(ws.store().grids[1].Left, 300);
        QCOMPARE(ws.store().grids[2].Left, 600);

        ws.shiftElements(300, 0);
        ws.shiftElements(0, -450);
        ws.shiftElements(0, 450);
        QCOMPARE(ws.store().objects[1].Left, before.objects[1].Left);
        QCOMPARE(ws.store().objects[1].Top, before.objects[1].Top);
        QCOMPARE(ws.store().texts[2].Top, before.texts[2].Top);
        QCOMPARE(ws.store().shapes[3].Y2, before.shapes[3].Y2);
        QCOMPARE(ws.store().grids[1].Top, before.grids[1].Top);
    }

    void extentAndScrollRanges() {
        ScriptedPrompter prompter;
        Workspace ws(prompter);
        DiagramExtent empty = ws.extent(6000, 4500);
        QCOMPARE(empty.minLeft, 6000);
        QCOMPARE(empty.maxRight, 0);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));                              // 375,120, 480x480
        ws.edit({}).store().shapes[5] = {2, 3000, 900, 100, 50, 0, 1, 0, 0, 0}; // reversed corners
        const DiagramExtent e = ws.extent(6000, 4500);
        QCOMPARE(e.minLeft, 100);
        QCOMPARE(e.minTop, 50);
        QCOMPARE(e.maxRight, 3000);
        QCOMPARE(e.maxBottom, 900);

        QCOMPARE(Workspace::scrollMaximum(5600, 6000), 0); // exactly the margin
        QCOMPARE(Workspace::scrollMaximum(5601, 6000), 1);
        QCOMPARE(Workspace::scrollMaximum(100000, 6000), 32767);
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
