#include "files/DiaFile.h"
#include "kinds/CoreKinds.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/SimpleDragAndDrop.h"
#include "workspace/Workspace.h"

#include <QSignalSpy>
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
                               [] { return QRectF(0, 0, 6000, 4500); });
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
                               [] { return QRectF(0, 0, 200, 200); });
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
        Workspace ws(prompter, CoreKinds());
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

    // Scrolling moves the view, never the diagram: the document keeps every position, the
    // canvas shows it from the new origin, and the pick outlines stay put on the canvas.
    void scrollingMovesTheViewNotTheDiagram() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.setCanvasSize(40, 30);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        {
            Diagram::Edit edit = setUp(ws);
            ElementStore& store = edit.store();
            store.objects[1].Left = 1234.5;
            store.textStatus[2] = ElementStore::Used;
            store.texts[2].Left = 50;
            store.texts[2].Top = 70;
            store.shapes[3] = {1, 100, 200, 300, 400, 0, 1, 0, 0, 0};
            store.shapeHandles[3] = QPointF(100, 200);
            store.grids[1] = {1, 2, 2, 500, 600, 1000, 1000, 0, 1};
        }
        ws.setOutline(1, true, QRectF(10, 20, 30, 40));
        const QByteArray before = DiaFile::write(ws);
        QSignalSpy changes(&ws.document(), &Diagram::changed);

        ws.Izmesti(300, 0);
        QCOMPARE(DiaFile::write(ws), before);
        QCOMPARE(ws.store().shapeHandles[3], QPointF(100, 200));
        QCOMPARE(ws.canvas.view.toCanvas(QPointF(ws.store().objects[1].Left, 0)).x(), 934.5);
        QCOMPARE(ws.canvas.view.toCanvas(QPointF(ws.store().shapes[3].X1, 0)).x(), -200.0);
        QCOMPARE(ws.canvas.view.toCanvas(ws.canvas.Ogr[1].rect), QRectF(10, 20, 30, 40));
        ws.Proveri(); // the object's right edge, 1714.5, seen from 300 on
        QCOMPARE(ws.canvas.extent.maxRight, 1414);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes[0][0].value<DiagramChange>().scope, DiagramChange::Scope::View);

        ws.Izmesti(0, 450);
        ws.Izmesti(0, 0);
        QCOMPARE(DiaFile::write(ws), before);
        QCOMPARE(ws.canvas.Ogr[1].rect, QRectF(10, 20, 30, 40));
    }

    void extentAndScrollRanges() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        DiagramExtent empty = ws.extent(6000, 4500);
        QCOMPARE(empty.minLeft, 6000);
        QCOMPARE(empty.maxRight, 0);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));                            // 375,120, 480x480
        setUp(ws).store().shapes[5] = {2, 3000, 900, 100, 50, 0, 1, 0, 0, 0}; // reversed corners
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
