#include "kinds/CoreKinds.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "text/TextLayer.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/LineRaster.h"
#include "workspace/TextFieldGeometry.h"
#include "workspace/Workspace.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);

// A picture object of one colour, w x h pixels, at (left, top) twips.
void addPicture(Workspace& ws, int slot, double left, double top, int w, int h, QColor colour) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(colour);
    PictureObject& o = setUp(ws).store().objects[slot];
    o.picture = picture;
    o.Left = left;
    o.Top = top;
    o.Width = PixelsToTwips(w);
    o.Height = PixelsToTwips(h);
    o.Visible = true;
    setUp(ws).store().objectStatus[slot] = ElementStore::Used;
}

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT

private slots:
    // Lines and shapes slot by slot, line before shape, then the grids; over them the
    // pictures in slot order, then the text fields.
    void paintsInTheOrderOfTheRepaint() {
        ScriptedPrompter prompter;
        QStringList order;
        KindRegistry kinds = CoreKinds();
        const auto record = [&order](const char* mark) {
            return [&order, mark](QPainter&, const ElementStore&, int s) {
                order << QLatin1String(mark) + QString::number(s);
            };
        };
        kinds.find(ElementKind::Line)->paint = record("L");
        kinds.find(ElementKind::Shape)->paint = record("S");
        kinds.find(ElementKind::Grid)->paint = record("G");
        Workspace ws(prompter, kinds);
        setUp(ws).store().lines[3].Used = 1;
        setUp(ws).store().lines[1].Used = 1;
        setUp(ws).store().shapes[1].Kind = 2;
        setUp(ws).store().shapes[2].Kind = 1;
        setUp(ws).store().grids[2].Used = 1;
        setUp(ws).store().grids[10].Used = 1;
        addPicture(ws, 2, 0, 0, 20, 20, Blue);
        addPicture(ws, 1, 150, 0, 20, 20, Red); // overlaps slot 2 from x = 10
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        TextField& t = setUp(ws).store().texts[1];
        t.Caption = QStringLiteral("ЖЖЖЖ");
        t.ForeColor = Rgb(0, 160, 0);
        t.FontName = QStringLiteral("DejaVu Sans");
        t.FontSize = 12;
        t.Top = 150;
        t.Visible = true;

        QImage image = blank(40, 40);
        QPainter painter(&image);
        painter.scale(1.0 / 15, 1.0 / 15);
        ws.renderer().paint(painter);
        painter.end();
        QCOMPARE(order, QStringList({"L1", "S1", "S2", "L3", "G2", "G10"}));
        QCOMPARE(image.pixelColor(2, 36), White);
        QCOMPARE(image.pixelColor(5, 2), Blue);
        QCOMPARE(image.pixelColor(15, 2), Blue); // slot 2 lies above slot 1
        QCOMPARE(image.pixelColor(25, 2), Red);
        // The text, in its own colour, lies over the pictures where they meet.
        bool textSeen = false;
        for (int x = 0; x < 30; ++x)
            for (int y = 10; y < 20; ++y)
                textSeen |= image.pixelColor(x, y) == QColor(0, 160, 0);
        QVERIFY(textSeen);
    }

    void placesPicturesThroughThePaintersTransform_data() {
        QTest::addColumn<QRectF>("picture"); // left, top in twips; size in pixels
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<QPoint>("topLeft"); // pixel where the picture's corner lands
        QTest::addColumn<QPoint>("inside");  // a pixel that must show the picture
        QTest::addColumn<QPoint>("outside"); // a pixel that must stay white
        const QTransform screen = QTransform::fromScale(1.0 / 15, 1.0 / 15);
        QTest::newRow("on the screen") << QRectF(150, 300, 8, 8) << screen << QPoint(10, 20)
                                       << QPoint(17, 27) << QPoint(18, 27);
        QTest::newRow("partly left of the origin")
            << QRectF(-60, 0, 8, 8) << screen << QPoint(-4, 0) << QPoint(3, 7) << QPoint(4, 0);
        QTest::newRow("translated beyond the device")
            << QRectF(15000, 15000, 8, 8) << QTransform(screen).translate(-14850, -14850)
            << QPoint(10, 10) << QPoint(10, 10) << QPoint(9, 10);
        QTest::newRow("scaled to half")
            << QRectF(300, 300, 8, 8) << QTransform::fromScale(1.0 / 30, 1.0 / 30) << QPoint(10, 10)
            << QPoint(13, 13) << QPoint(14, 13);
        QTest::newRow("scaled to double")
            << QRectF(150, 150, 8, 8) << QTransform::fromScale(2.0 / 15, 2.0 / 15) << QPoint(20, 20)
            << QPoint(35, 35) << QPoint(36, 35);
    }

    void placesPicturesThroughThePaintersTransform() {
        QFETCH(QRectF, picture);
        QFETCH(QTransform, transform);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        QFETCH(QPoint, topLeft);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        addPicture(ws, 7, picture.left(), picture.top(), int(picture.width()),
                   int(picture.height()), Red);
        QImage image = blank(60, 60);
        QPainter painter(&image);
        painter.setTransform(transform);
        ws.renderer().paintElements(painter);
        painter.end();
        if (topLeft.x() >= 0 && topLeft.y() >= 0)
            QCOMPARE(image.pixelColor(topLeft), Red);
        QCOMPARE(image.pixelColor(inside), Red);
        QCOMPARE(image.pixelColor(outside), White);
    }

    void rendersAnyRegion_data() {
        QTest::addColumn<QRectF>("region");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pictureAt"); // where the 4 x 4 picture at (-150, -75) lands
        QTest::newRow("around negative coordinates")
            << QRectF(-300, -300, 600, 450) << QSize(40, 30) << QPoint(10, 15);
        QTest::newRow("origin at the picture")
            << QRectF(-150, -75, 150, 150) << QSize(10, 10) << QPoint(0, 0);
        QTest::newRow("whole pixels of 15 twips")
            << QRectF(-165, -90, 1500, 1500) << QSize(100, 100) << QPoint(1, 1);
        QTest::newRow("empty") << QRectF(0, 0, 0, 300) << QSize(0, 0) << QPoint(-1, -1);
    }

    void rendersAnyRegion() {
        QFETCH(QRectF, region);
        QFETCH(QSize, size);
        QFETCH(QPoint, pictureAt);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        addPicture(ws, 1, -150, -75, 4, 4, Blue);
        const QImage image = ws.renderRegion(region);
        QCOMPARE(image.size(), size);
        if (image.isNull())
            return;
        QCOMPARE(image.pixelColor(pictureAt), Blue);
        QCOMPARE(image.pixelColor(pictureAt + QPoint(3, 3)), Blue);
        QCOMPARE(image.pixelColor(pictureAt + QPoint(4, 4)), White);
        if (pictureAt.x() > 0)
            QCOMPARE(image.pixelColor(pictureAt - QPoint(1, 0)), White);
    }

    // A text field's box comes from one function; the renderer, the canvas layer and the
    // extent all take it from there, measured at 96 dots per inch whatever the screen.
    void textFieldBoxIsTheSameEverywhere() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().textStatus[3] = ElementStore::Used;
        TextField& t = setUp(ws).store().texts[3];
        t.Caption = QStringLiteral("Сървърна 12");
        t.FontName = QStringLiteral("DejaVu Sans");
        t.FontSize = 10;
        t.FontBold = true;
        t.Left = 300;
        t.Top = 600;
        t.Visible = true;

        const QSizeF size = TextFieldGeometry::size(t);
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(3780);
        device.setDotsPerMeterY(3780);
        const QFontMetricsF metrics(TextFieldGeometry::font(t), &device);
        QCOMPARE(size, QSizeF(PixelsToTwips(std::ceil(metrics.horizontalAdvance(t.Caption))),
                              PixelsToTwips(std::ceil(metrics.height()))));
        QCOMPARE(QSizeF(TextFieldGeometry::rendered(t).size()) * 15, size);
        QCOMPARE(TextLayer(ws).rect(3), QRectF(QPointF(300, 600), size));
        QCOMPARE(ws.elementRect({ElementKind::Text, 3}), QRectF(QPointF(300, 600), size));
        const DiagramExtent extent = ws.extent(99999, 99999);
        QCOMPARE(extent.maxRight, int(300 + size.width()));
        QCOMPARE(extent.maxBottom, int(600 + size.height()));

        // An empty caption has no width but still its line's height; bold is never narrower.
        TextField empty = t;
        empty.Caption.clear();
        QCOMPARE(TextFieldGeometry::size(empty).width(), 0.0);
        QCOMPARE(TextFieldGeometry::size(empty).height(), size.height());
        TextField plain = t;
        plain.FontBold = false;
        QVERIFY(TextFieldGeometry::size(plain).width() <= size.width());
    }

    // A text too large to keep as a picture is drawn straight, at the same place and size.
    void hugeTextsAreDrawnStraight() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        TextField& t = setUp(ws).store().texts[1];
        t = {QStringLiteral("Ж").repeated(1200),
             150,
             150,
             Rgb(200, 0, 0),
             QStringLiteral("DejaVu Sans"),
             100,
             false,
             false,
             false,
             false,
             true};
        QVERIFY(!TextFieldGeometry::renderable(t));
        QVERIFY(TextFieldGeometry::rendered(t).isNull());
        const QImage image = ws.renderRegion(QRectF(0, 0, 3000, 4500));
        bool red = false;
        for (int y = 0; y < image.height() && !red; ++y)
            for (int x = 0; x < image.width() && !red; ++x)
                red = image.pixelColor(x, y) == QColor(200, 0, 0);
        QVERIFY(red);
        QCOMPARE(image.pixelColor(5, 5), White); // nothing left of or above the text's box
        const int height = int(TextFieldGeometry::size(t).height() / 15);
        QCOMPARE(image.pixelColor(100, 10 + height + 3), White);
    }

    // The repaint only marks the bitmap; it is drawn again once, when next looked at.
    void canvasBitmapIsDrawnOncePerLook() {
        ScriptedPrompter prompter;
        int lines = 0;
        KindRegistry kinds = CoreKinds();
        kinds.find(ElementKind::Line)->paint = [&lines](QPainter& p, const ElementStore&, int) {
            ++lines;
            p.fillRect(QRectF(0, 0, 150, 150), Qt::black);
        };
        Workspace ws(prompter, kinds);
        ws.setCanvasSize(20, 20);
        setUp(ws).store().lines[1].Used = 1;
        QSignalSpy changed(&ws, &Workspace::persistentLayerChanged);
        const int before = ws.bitmap().repaintCount();
        for (int i = 0; i < 10; ++i)
            ws.Pre4ertai();
        QCOMPARE(lines, 0);
        QCOMPARE(changed.count(), 10);
        QCOMPARE(ws.bitmap().image().pixelColor(5, 5), QColor(Qt::black));
        QCOMPARE(ws.bitmap().image().pixelColor(15, 15), White);
        QCOMPARE(ws.bitmap().repaintCount() - before, 1);
        QCOMPARE(lines, 1);

        // With nothing drawn before or after, a repaint needs no new picture on screen.
        setUp(ws).store().lines[1].Used = 0;
        ws.Pre4ertai();
        ws.bitmap().image();
        changed.clear();
        ws.Pre4ertai();
        QCOMPARE(changed.count(), 0);
    }

    // Lines whose ends lie anywhere in the 32-bit range: only the part near the picture is
    // walked, so they draw at once and without overflow, and the painter's path (a clipped
    // painter) draws the same pixels as the straight one along the axes.
    void farLinesDrawOnlyWhatShows_data() {
        QTest::addColumn<QVector<QPoint>>("points");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("inked");
        const int far = 2147483641;
        QTest::newRow("horizontal, solid")
            << QVector<QPoint>{{-far, 10}, {far, 10}} << 0 << 1 << QPoint(50, 10);
        QTest::newRow("horizontal, dashed, wide")
            << QVector<QPoint>{{far, 40}, {-far, 40}} << 1 << 5 << QPoint(-1, -1);
        QTest::newRow("vertical from far above, dotted")
            << QVector<QPoint>{{20, -far}, {20, 30}} << 2 << 1 << QPoint(-1, -1);
        QTest::newRow("bends far away, dash-dot")
            << QVector<QPoint>{{-far, 10}, {3000, 10}, {3000, far}, {60, far}, {60, -far}} << 3 << 3
            << QPoint(-1, -1);
        QTest::newRow("rows beyond the range")
            << QVector<QPoint>{{-far, far}, {far, far}} << 1 << 1 << QPoint(-1, -1);
        QTest::newRow("slanted, solid")
            << QVector<QPoint>{{-far, -far}, {far, far}} << 0 << 1 << QPoint(50, 50);
        QTest::newRow("slanted, dashed")
            << QVector<QPoint>{{-far, -far + 7}, {far, far}} << 4 << 3 << QPoint(-1, -1);
    }
    void farLinesDrawOnlyWhatShows() {
        QFETCH(QVector<QPoint>, points);
        QFETCH(int, style);
        QFETCH(int, width);
        QFETCH(QPoint, inked);
        QPolygonF twips;
        for (const QPoint& p : points)
            twips << QPointF(p) * TwipsPerPixel;
        const auto draw = [&](bool clipped) {
            QImage image = blank(100, 80);
            QPainter painter(&image);
            painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
            if (clipped)
                painter.setClipRect(QRectF(0, 0, 100 * TwipsPerPixel, 80 * TwipsPerPixel));
            LineRaster::stroke(painter, twips, width, style, Red);
            painter.end();
            return image;
        };
        const QImage straight = draw(false);
        const QImage painted = draw(true);
        if (inked.x() >= 0) {
            QCOMPARE(QColor(straight.pixel(inked)), Red);
            QCOMPARE(QColor(painted.pixel(inked)), Red);
        }
        const bool slanted = points[0].x() != points[1].x() && points[0].y() != points[1].y();
        if (!slanted)
            QCOMPARE(painted, straight);
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
