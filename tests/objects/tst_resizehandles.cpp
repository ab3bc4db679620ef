#include "MainWindowFixture.h"

#include "objects/ResizeHandles.h"
#include "shapes/Shapes.h"
#include "support/Setup.h"
#include "workspace/CanvasLayerStack.h"

#include <QAction>
#include <QtTest>

namespace {

constexpr double S = ResizeHandles::Size;

// Drags resize handle `index` by its middle to put its top-left corner at `to`, in steps.
void dragHandle(MainWindowFixture& f, int index, QPointF to, int steps = 1) {
    CanvasLayerStack& layers = f.w().pano->layers();
    const QPointF middle(S / 2, S / 2);
    const QPointF from = f.ws().canvas.Manip[index].topLeft;
    layers.press(Qt::LeftButton, Qt::LeftButton, from + middle);
    for (int step = 1; step <= steps; ++step)
        layers.move(Qt::LeftButton, from + (to - from) * step / steps + middle);
    layers.release(Qt::LeftButton, Qt::NoButton, to + middle);
}

int16_t picture(Workspace& ws, double left, double top) {
    ws.DobaviNov(QStringLiteral("HUB"));
    PictureObject& p = setUp(ws).store().objects[ws.diagram.Nomer];
    p.Left = left;
    p.Top = top;
    return ws.diagram.Nomer;
}

} // namespace

class TestResizeHandles : public QObject {
    Q_OBJECT

private slots:
    void handlesEncloseThePicture() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = picture(ws, 3000, 2000);
        ws.diagram.contextElement = {ElementKind::Picture, slot};
        f.w().action(QStringLiteral("mnuSizePic")).trigger();
        const CanvasState& c = ws.canvas;
        const PictureObject& p = ws.store().objects[slot];
        QCOMPARE(c.manipKind, ElementKind::Picture);
        QCOMPARE(ws.diagram.Izbr, slot);
        QCOMPARE(c.Manip[1].topLeft, QPointF(p.Left - S, p.Top - S));
        QCOMPARE(c.Manip[2].topLeft, QPointF(p.Left + p.Width, p.Top - S));
        QCOMPARE(c.Manip[3].topLeft, QPointF(p.Left - S, p.Top + p.Height));
        QCOMPARE(c.Manip[4].topLeft, QPointF(p.Left + p.Width, p.Top + p.Height));
        QVERIFY(c.shpSelection.visible);
        QCOMPARE(c.shpSelection.rect,
                 QRectF(p.Left - S, p.Top - S, p.Width + 2 * S, p.Height + 2 * S));
        // Stopping the tools hides them, and so does clearing the diagram.
        f.w().SpriInstrumentite();
        QVERIFY(!c.Manip[1].visible && !c.shpSelection.visible);
        ResizeHandles::show(ws, {ElementKind::Picture, slot});
        ws.Iz4isti();
        QVERIFY(!c.Manip[4].visible && !c.shpSelection.visible);
    }

    void pictureMovesLiveAndStretchesOnRelease() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = picture(ws, 3000, 2000);
        const PictureObject& p = ws.store().objects[slot];
        const QString name = p.ToolTipText;
        const QSizeF size(p.Width, p.Height);
        ResizeHandles::show(ws, {ElementKind::Picture, slot});
        CanvasLayerStack& layers = f.w().pano->layers();

        // Handle 1 up and left by 300: the picture moves with it, keeping its size until the
        // release, when it grows to the far handles.
        layers.press(Qt::LeftButton, Qt::LeftButton, QPointF(3000 - S / 2, 2000 - S / 2));
        layers.move(Qt::LeftButton, QPointF(2700 - S / 2, 1700 - S / 2));
        QCOMPARE(QPointF(p.Left, p.Top), QPointF(2700, 1700));
        QCOMPARE(QSizeF(p.Width, p.Height), size);
        layers.release(Qt::LeftButton, Qt::NoButton, QPointF(2700 - S / 2, 1700 - S / 2));
        QCOMPARE(QSizeF(p.Width, p.Height), QSizeF(size.width() + 300, size.height() + 300));
        QCOMPARE(p.picture.size(),
                 QSize(TwipsToPixelRounded(p.Width), TwipsToPixelRounded(p.Height)));
        QCOMPARE(p.Tag, QStringLiteral("SKETCHPAD"));
        QCOMPARE(p.ToolTipText, name);
        QVERIFY(ws.canvas.Manip[1].visible);
    }

    void handleTooCloseIsPushedBack() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = picture(ws, 3000, 2000);
        ResizeHandles::show(ws, {ElementKind::Picture, slot});
        const double L1 = ws.canvas.Manip[1].topLeft.x();
        CanvasLayerStack& layers = f.w().pano->layers();
        const QPointF middle(S / 2, S / 2);
        const QPointF start = ws.canvas.Manip[2].topLeft;
        layers.press(Qt::LeftButton, Qt::LeftButton, start + middle);
        // Slowly left until the gap to handle 1 is exactly 300.
        for (double x = start.x() - 15; x >= L1 + 300; x -= 15)
            layers.move(Qt::LeftButton, QPointF(x, start.y()) + middle);
        QCOMPARE(ws.canvas.Manip[2].topLeft.x(), L1 + 400);
        // The drag has ended: the handle no longer follows.
        layers.move(Qt::LeftButton, QPointF(L1 + 1000, start.y()) + middle);
        QCOMPARE(ws.canvas.Manip[2].topLeft.x(), L1 + 400);
        layers.release(Qt::LeftButton, Qt::NoButton, QPointF(L1 + 1000, start.y()) + middle);
        QCOMPARE(ws.store().objects[slot].Width, 310.0);
    }

    // However fast the mouse, nothing becomes zero or negative in size.
    void aFastMovePastTheOppositeHandle() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = picture(ws, 3000, 2000);
        ResizeHandles::show(ws, {ElementKind::Picture, slot});
        dragHandle(f, 4, QPointF(100, 100));
        const PictureObject& p = ws.store().objects[slot];
        QVERIFY(p.Width >= 15 && p.Height >= 15);
        QVERIFY(!p.picture.isNull());
    }

    // Resize and line handles take the mouse four pixels beyond their edges, over whatever
    // lies below them; where they overlap another handle, the one drawn above wins.
    void handlesReachFourPixelsBeyondTheirEdges_data() {
        QTest::addColumn<QString>("around"); // what the resize handles are shown for
        QTest::addColumn<QString>("handle"); // whose top-left pixel the offset starts at
        QTest::addColumn<QPoint>("offset");  // pixels; the handle covers 0..5
        QTest::addColumn<QString>("expected");
        QTest::newRow("inside") << "picture"
                                << "resize 1" << QPoint(2, 2) << "resize 1";
        QTest::newRow("4 left, 4 up") << "picture"
                                      << "resize 1" << QPoint(-4, -4) << "resize 1";
        QTest::newRow("5 left") << "picture"
                                << "resize 1" << QPoint(-5, 2) << "none";
        QTest::newRow("5 up") << "picture"
                              << "resize 1" << QPoint(2, -5) << "none";
        QTest::newRow("4 right, over the picture") << "picture"
                                                   << "resize 1" << QPoint(9, 9) << "resize 1";
        QTest::newRow("5 right: the picture") << "picture"
                                              << "resize 1" << QPoint(10, 9) << "picture 1";
        QTest::newRow("4 left of handle 4, over the picture")
            << "picture"
            << "resize 4" << QPoint(-4, -4) << "resize 4";
        QTest::newRow("4 below handle 4") << "picture"
                                          << "resize 4" << QPoint(2, 9) << "resize 4";
        QTest::newRow("over the shape handle it lies above")
            << "shape"
            << "resize 1" << QPoint(9, 9) << "resize 1";
        QTest::newRow("past it: the shape handle") << "shape"
                                                   << "resize 1" << QPoint(10, 10) << "shape 1";
        QTest::newRow("line handle, 4 left") << ""
                                             << "line 1" << QPoint(-4, 2) << "line 1";
        QTest::newRow("line handle, 4 below") << ""
                                              << "line 1" << QPoint(2, 9) << "line 1";
        QTest::newRow("line handle, 5 right") << ""
                                              << "line 1" << QPoint(10, 2) << "none";
    }

    void handlesReachFourPixelsBeyondTheirEdges() {
        QFETCH(QString, around);
        QFETCH(QString, handle);
        QFETCH(QPoint, offset);
        QFETCH(QString, expected);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        QImage box(40, 40, QImage::Format_RGB32);
        box.fill(Qt::gray);
        ws.kartinki.add(QStringLiteral("BOX"), box, QStringLiteral("Кутия"));
        for (const double left : {3000.0, 9000.0}) {
            ws.DobaviNov(QStringLiteral("BOX"));
            setUp(ws).store().objects[ws.diagram.Nomer].Left = left;
            setUp(ws).store().objects[ws.diagram.Nomer].Top = 3000;
        }
        setUp(ws).store().lines[1] = LineRecord{1, 1, 2, 2, 0, 1, 0};
        ws.canvas.lineHandles[1].visible = true;
        setUp(ws).store().shapes[1] = ShapeRecord{1, 3000, 6000, 4500, 7000, 0, 1, 1, 0, 0};
        setUp(ws).store().shapeHandles[1] = Shapes::handleTopLeft(ws.store().shapes[1]);
        ws.canvas.shapeHandleVisible[1] = true;
        ws.Pre4ertai(); // the line handle goes onto its line
        if (around == QLatin1String("picture"))
            ResizeHandles::show(ws, {ElementKind::Picture, 1});
        else if (around == QLatin1String("shape"))
            ResizeHandles::show(ws, {ElementKind::Shape, 1});

        const QStringList named = handle.split(QLatin1Char(' '));
        const int index = named[1].toInt();
        const QPointF corner = named[0] == QLatin1String("line")
                                   ? ws.canvas.lineHandles[index].topLeft
                                   : ws.canvas.Manip[index].topLeft;
        const QPointF at = corner + QPointF(offset) * TwipsPerPixel;
        const CanvasLayerStack::Hit hit = f.w().pano->layers().hitTest(at);
        QString found = QStringLiteral("none");
        if (hit) {
            const ElementKind kind = hit.layer->kind();
            found = kind == ElementKind::ResizeHandle ? QStringLiteral("resize")
                    : kind == ElementKind::Line       ? QStringLiteral("line")
                    : kind == ElementKind::Shape      ? QStringLiteral("shape")
                    : kind == ElementKind::Picture    ? QStringLiteral("picture")
                                                      : QStringLiteral("other");
            found += QLatin1Char(' ') + QString::number(hit.slot);
        }
        QCOMPARE(found, expected);
    }

    void shapeEdges_data() {
        QTest::addColumn<QRect>("line"); // X1, Y1 → X2, Y2 as a rectangle's corners
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRect>("expected");
        // Right to left: the left edge is X2.
        QTest::newRow("right-to-left line, handle 1")
            << QRect(QPoint(4000, 1000), QPoint(1000, 3000)) << 1 << QPointF(410, 510)
            << QRect(QPoint(4000, 600), QPoint(500, 3000));
        QTest::newRow("rectangle, handle 4")
            << QRect(QPoint(1000, 1000), QPoint(3000, 2000)) << 4 << QPointF(3500, 2500)
            << QRect(QPoint(1000, 1000), QPoint(3500, 2500));
        QTest::newRow("upward line, handle 3")
            << QRect(QPoint(1000, 3000), QPoint(3000, 1000)) << 3 << QPointF(410, 3500)
            << QRect(QPoint(500, 3500), QPoint(3000, 1000));
    }
    void shapeEdges() {
        QFETCH(QRect, line);
        QFETCH(int, handle);
        QFETCH(QPointF, to);
        QFETCH(QRect, expected);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ShapeRecord& s = setUp(ws).store().shapes[1];
        s = ShapeRecord{2, line.left(), line.top(), line.right(), line.bottom(), 0, 1, 0, 0, 0};
        ResizeHandles::show(ws, {ElementKind::Shape, 1});
        QCOMPARE(ws.canvas.manipKind, ElementKind::Shape);
        dragHandle(f, handle, to);
        QCOMPARE(QRect(QPoint(s.X1, s.Y1), QPoint(s.X2, s.Y2)), expected);
        QCOMPARE(ws.store().shapeHandles[1], Shapes::handleTopLeft(s));
    }

    void gridFollowsEveryHandle_data() {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRect>("expected"); // left, top, width, height
        // The grid is 2000 x 1000 at (1000, 1000).
        QTest::newRow("1") << 1 << QPointF(410, 610) << QRect(500, 700, 2500, 1300);
        QTest::newRow("2") << 2 << QPointF(3500, 610) << QRect(1000, 700, 2500, 1300);
        QTest::newRow("3") << 3 << QPointF(410, 2500) << QRect(500, 1000, 2500, 1500);
        QTest::newRow("4") << 4 << QPointF(3500, 2500) << QRect(1000, 1000, 2500, 1500);
    }
    void gridFollowsEveryHandle() {
        QFETCH(int, handle);
        QFETCH(QPointF, to);
        QFETCH(QRect, expected);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        GridRecord& g = setUp(ws).store().grids[1];
        g = GridRecord{1, 3, 3, 1000, 1000, 2000, 1000, 0, 1};
        ResizeHandles::show(ws, {ElementKind::Grid, 1});
        dragHandle(f, handle, to, 4);
        QCOMPARE(QRect(g.Left, g.Top, g.Width, g.Height), expected);
        QCOMPARE(ws.store().gridHandles[1], QPointF(g.Left, g.Top));
        QVERIFY(ws.diagram.Promqna);
    }
};

QTEST_MAIN(TestResizeHandles)
#include "tst_resizehandles.moc"
