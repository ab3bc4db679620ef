#include "print/PrintPreview.h"

#include <QtTest>

using namespace PrintPreview;

class TestPrintPreview : public QObject {
    Q_OBJECT

private slots:
    // A portrait page (816 x 1056 pixels) in a holder smaller than it and in one larger, at
    // each zoom: where it lands and how far the bars reach.
    void zoomPlacement_data() {
        QTest::addColumn<QSize>("holder");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QSize>("zoom");
        QTest::addColumn<QPoint>("corner");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        // A change of the window's size centres only a page narrower and lower than the holder.
        QTest::addColumn<bool>("resizeCentres");
        const QSize small(600, 500);
        QTest::newRow("25 %, fits")
            << small << 25 << QSize(204, 264) << QPoint(198, 118) << 396 << 236 << true;
        // Higher than the holder: centred all the same, its top above the holder's.
        QTest::newRow("50 %, higher")
            << small << 50 << QSize(408, 528) << QPoint(96, -14) << 192 << 28 << false;
        QTest::newRow("100 %, larger")
            << small << 100 << QSize(816, 1056) << QPoint(0, 0) << 216 << 556 << false;
        const QSize large(1201, 1200);
        QTest::newRow("100 %, holder larger")
            << large << 100 << QSize(816, 1056) << QPoint(0, 0) << 385 << 144 << true;
        QTest::newRow("25 %, odd room halved")
            << large << 25 << QSize(204, 264) << QPoint(498, 468) << 997 << 936 << true;
    }

    void zoomPlacement() {
        QFETCH(QSize, holder);
        QFETCH(int, percent);
        QFETCH(QSize, zoom);
        QFETCH(QPoint, corner);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        QFETCH(bool, resizeCentres);
        QCOMPARE(zoomSize(QSize(816, 1056), percent), zoom);
        const QPoint placed = place(holder, zoom, percent != 100);
        QCOMPARE(placed, corner);
        QCOMPARE(centredOnResize(holder, zoom), resizeCentres);
        const Axis across = axis(holder.width(), zoom.width());
        const Axis down = axis(holder.height(), zoom.height());
        QCOMPARE(across.maximum, horizontal);
        QCOMPARE(down.maximum, vertical);
        QCOMPARE(across.pageStep, holder.width());
        QCOMPARE(down.singleStep, holder.height() / 5);
        // The bars show where the page lies, and moving them moves it back there.
        const int x = value(placed.x(), holder.width(), zoom.width());
        const int y = value(placed.y(), holder.height(), zoom.height());
        QVERIFY(x >= 0 && x <= horizontal && y >= 0 && y <= vertical);
        QCOMPARE(offset(x, holder.width(), zoom.width()), placed.x());
        QCOMPARE(offset(y, holder.height(), zoom.height()), placed.y());
        // At the end of its bar a page larger than the holder ends at the holder's edge.
        if (zoom.width() > holder.width())
            QCOMPARE(offset(horizontal, holder.width(), zoom.width()) + zoom.width(),
                     holder.width());
    }

    // A holder beyond 16 bits and one next to nothing still give usable bars.
    void axisBounds() {
        const Axis huge = axis(40000, 816);
        QCOMPARE(huge.maximum, 32767);
        QCOMPARE(huge.pageStep, 32767);
        const Axis tiny = axis(3, 816);
        QCOMPARE(tiny.maximum, 813);
        QCOMPARE(tiny.singleStep, 1);
        QCOMPARE(value(-5000, 3, 816), 813);
    }

    // Unscaled and scaled, the captured image lands centred on a white page.
    void pagePicture_data() {
        QTest::addColumn<QSizeF>("captured");
        QTest::addColumn<QSize>("pageSize");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("small, portrait")
            << QSizeF(6000, 4000) << QSize(816, 1056) << QRect(208, 395, 400, 267);
        QTest::newRow("very wide, landscape")
            << QSizeF(20000, 10000) << QSize(1056, 816) << QRect(168, 228, 720, 360);
    }

    void pagePicture() {
        QFETCH(QSizeF, captured);
        QFETCH(QSize, pageSize);
        QFETCH(QRect, drawn);
        QImage image(qRound(captured.width() / 15), qRound(captured.height() / 15),
                     QImage::Format_RGB32);
        image.fill(Qt::red);
        const QImage page = PrintPreview::pagePicture(image, PrintLayout::fit(captured));
        QCOMPARE(page.size(), pageSize);
        const QRgb red = qRgb(255, 0, 0);
        const QRgb white = qRgb(255, 255, 255);
        QCOMPARE(page.pixel(drawn.center()), red);
        QCOMPARE(page.pixel(drawn.topLeft() + QPoint(1, 1)), red);
        QCOMPARE(page.pixel(drawn.bottomRight() - QPoint(1, 1)), red);
        QCOMPARE(page.pixel(drawn.topLeft() - QPoint(2, 2)), white);
        QCOMPARE(page.pixel(drawn.bottomRight() + QPoint(2, 2)), white);
    }

    void previewWindow_data() {
        QTest::addColumn<QSizeF>("captured");
        QTest::addColumn<QSize>("window");
        QTest::newRow("wide") << QSizeF(6000, 4000) << QSize(480, 320);
        QTest::newRow("too tall: narrower") << QSizeF(1000, 4000) << QSize(150, 600);
        QTest::newRow("a line") << QSizeF(100000, 10) << QSize(480, 1);
        QTest::newRow("empty") << QSizeF() << QSize();
    }

    void previewWindow() {
        QFETCH(QSizeF, captured);
        QFETCH(QSize, window);
        QCOMPARE(previewWindowSize(480, captured, 600), window);
    }
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
