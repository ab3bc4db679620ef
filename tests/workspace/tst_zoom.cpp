#include "MainWindowFixture.h"

#include "shapes/Shapes.h"
#include "support/Setup.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/Zoom.h"
#include "workspace/ZoomCommands.h"

#include <QAction>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

namespace {

// A 20 x 20 pixel picture object at (1500, 900) and a rectangle whose handle sits at its
// corner (2400, 1500), the handle shown.
void setUpDiagram(Workspace& ws) {
    Diagram::Edit setup = setUp(ws);
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 30));
    setup.store().objects[1] = {
        picture, QStringLiteral("SKETCHPAD"), QStringLiteral("Обект"), 1500, 900, 300, 300, true};
    setup.store().objectStatus[1] = ElementStore::Used;
    setup.store().shapes[1] = {1, 2400, 1500, 3300, 2100, Rgb(0, 0, 200), 2, 0, 0, 0};
    setup.store().shapeHandles[1] = Shapes::handleTopLeft(setup.store().shapes[1]);
    ws.canvas.shapeHandleVisible[1] = true;
}

QImage renderCanvas(Pano* pano) {
    QImage image(pano->size(), QImage::Format_RGB32);
    pano->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

// A document point as the canvas pixel it lies in.
QPoint pixelOf(const Workspace& ws, QPointF document) {
    return ws.canvas.view.documentToPixels(QRectF(document, QSizeF())).topLeft().toPoint();
}

} // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void stepsStopAtTheEnds_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("notches");
        QTest::addColumn<double>("reached");
        QTest::newRow("in") << 1.0 << 1 << 1.5;
        QTest::newRow("out") << 1.0 << -1 << 0.75;
        QTest::newRow("three at once") << 0.5 << 3 << 1.5;
        QTest::newRow("past the top") << 3.0 << 5 << 4.0;
        QTest::newRow("past the bottom") << 0.5 << -2147483647 << 0.25;
        QTest::newRow("not a number") << qQNaN() << 1 << 1.5;
    }

    void stepsStopAtTheEnds() {
        QFETCH(double, zoom);
        QFETCH(int, notches);
        QFETCH(double, reached);
        QCOMPARE(Zoom::stepsAway(zoom, notches), reached);
    }

    // Pressing and moving by whole pixels at any step drags an element and a handle by the
    // same twips as at 100 %, and the handle is taken where it is drawn, not by its box.
    void dragsMoveBySameTwipsAtEveryZoom_data() {
        QTest::addColumn<int>("percent");
        for (int percent : {25, 50, 100, 200, 400})
            QTest::newRow(qPrintable(QString::number(percent))) << percent;
    }

    void dragsMoveBySameTwipsAtEveryZoom() {
        QFETCH(int, percent);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        setUpDiagram(ws);
        f.editor->zoom().zoomTo(percent / 100.0, QPointF());
        QCOMPARE(f.w().action(QStringLiteral("mnuZoom")).text(),
                 QStringLiteral("Мащаб: %1 %").arg(percent));
        Pano* pano = f.w().pano;
        const QPointF by(120, 60); // twips: whole pixels at every step
        const QPoint byPixels = (by * ws.zoom() / 15).toPoint();

        // The picture, by its middle.
        QPoint at = pixelOf(ws, QPointF(1650, 1050));
        QCOMPARE(pano->layers().hitTest(ws.canvas.view.pixelsToDocument(at)).element(),
                 (ElementRef{ElementKind::Picture, 1}));
        QTest::mousePress(pano, Qt::LeftButton, {}, at);
        QTest::mouseMove(pano, at + byPixels);
        QTest::mouseRelease(pano, Qt::LeftButton, {}, at + byPixels);
        QCOMPARE(QPointF(ws.store().objects[1].Left, ws.store().objects[1].Top),
                 QPointF(1500, 900) + by);

        // The shape, by the middle of its handle.
        at = pixelOf(ws, QPointF(2400 + 127.5, 1500 + 127.5));
        QTest::mousePress(pano, Qt::LeftButton, {}, at);
        QCOMPARE(ws.canvas.drag, (ElementRef{ElementKind::Shape, 1}));
        QTest::mouseMove(pano, at + byPixels);
        QTest::mouseRelease(pano, Qt::LeftButton, {}, at + byPixels);
        const ShapeRecord& s = ws.store().shapes[1];
        QCOMPARE(QRect(QPoint(s.X1, s.Y1), QPoint(s.X2, s.Y2)),
                 QRect(QPoint(2400, 1500), QPoint(3300, 2100)).translated(by.toPoint()));

        // The handle is 17 pixels across wherever it is drawn: a point 5 pixels into its box
        // misses it zoomed in, and a point 7 pixels beside its middle hits it zoomed out.
        const QPointF middle = ws.store().shapeHandles[1] + QPointF(127.5, 127.5);
        const double pixel = ws.canvas.view.pixelTwips();
        const auto handleAt = [&](QPointF point) {
            return pano->layers().hitTest(point).element() == ElementRef{ElementKind::Shape, 1};
        };
        QVERIFY(handleAt(middle + QPointF(8 * pixel, 0)));
        QVERIFY(!handleAt(middle + QPointF(9 * pixel, 0)));
        QCOMPARE(handleAt(ws.store().shapeHandles[1] + QPointF(5, 5) * pixel), percent <= 100);
    }

    // Zooming changes only the view: no step, no unsaved change, and back at 100 % the canvas
    // is what it was before, pixel for pixel.
    void zoomIsOnlyAView() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        setUpDiagram(ws);
        ws.Pre4ertai();
        Pano* pano = f.w().pano;
        const QImage before = renderCanvas(pano);
        const int scrollBefore = pano->MoveHorizont->maximum();

        // Ctrl+= and Ctrl with the keypad's +: 150, then 200 %, ticked in the menu.
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QTest::keyClick(&f.w(), Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(&f.w(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(ws.zoom(), 2.0);
        QVERIFY(f.w().action(QStringLiteral("mnuZoom200")).isChecked());
        QVERIFY(!f.w().action(QStringLiteral("mnuZoom100")).isChecked());
        // The keys zoom around the middle of the canvas; back to the top-left corner.
        EditorContext& context = f.w();
        context.scrollTo(0, 0);
        const QImage zoomed = renderCanvas(pano);
        QVERIFY(zoomed != before);
        // The picture's 20 pixels are 40 now, from where its corner lies.
        const QPoint corner = pixelOf(ws, QPointF(1500, 900));
        QCOMPARE(zoomed.pixelColor(corner + QPoint(39, 39)), QColor(200, 30, 30));
        QVERIFY(zoomed.pixelColor(corner + QPoint(40, 40)) != QColor(200, 30, 30));
        // The diagram reaches further past the canvas now.
        QVERIFY(pano->MoveHorizont->maximum() > scrollBefore);

        QTest::keyClick(&f.w(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(ws.zoom(), 1.0);
        QCOMPARE(ws.canvas.view.origin, QPointF());
        QCOMPARE(renderCanvas(pano), before);
        QCOMPARE(pano->MoveHorizont->maximum(), scrollBefore);
        QVERIFY(!ws.diagram.Promqna);
        QVERIFY(ws.history().undoStep().isEmpty());
    }

    // Ctrl and the wheel zoom around the pointer: the document point under it stays there.
    void wheelZoomsAroundThePointer() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        setUpDiagram(ws);
        Pano* pano = f.w().pano;
        const QPointF pointer(300, 180);
        const QPointF under = ws.canvas.view.pixelsToDocument(pointer);
        for (int notches : {2, -1}) {
            QWheelEvent wheel(pointer, pano->mapToGlobal(pointer), QPoint(),
                              QPoint(0, 120 * notches), Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(pano, &wheel);
        }
        QCOMPARE(ws.zoom(), 1.5);
        QCOMPARE(ws.canvas.view.pixelsToDocument(pointer), under);
        QCOMPARE(QPointF(f.w().pano->MoveHorizont->value(), pano->MoveVertikal->value()),
                 ws.canvas.view.origin);
        QVERIFY(!ws.diagram.Promqna);
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
