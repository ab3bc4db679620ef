#include "kinds/CoreKinds.h"
#include "shapes/ShapeRaster.h"
#include "shapes/Shapes.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QtTest>

namespace {

QString describe(const ShapeRecord& s) {
    return QStringLiteral("%1:%2,%3-%4,%5 fill %6/%7")
        .arg(s.Kind)
        .arg(s.X1)
        .arg(s.Y1)
        .arg(s.X2)
        .arg(s.Y2)
        .arg(s.FillStyle)
        .arg(s.FillColour);
}

// Drags one of the tools from (x0, y0) to (x, y) and lets go.
void drag(Workspace& ws, const QString& tool, QPoint from, QPoint to) {
    ws.tools.x0 = int16_t(from.x());
    ws.tools.y0 = int16_t(from.y());
    const int16_t x = int16_t(to.x());
    const int16_t y = int16_t(to.y());
    const int32_t colour = Rgb(10, 20, 30);
    if (tool == QLatin1String("box"))
        Shapes::DrawBox(ws, x, y, colour, true);
    else if (tool == QLatin1String("line"))
        Shapes::DrawLine(ws, x, y, colour, true);
    else
        Shapes::DrawCircle(ws, x, y, colour, tool == QLatin1String("circle"), true);
}

// A shape alone on a white picture, one pixel per 15 twips.
QImage painted(const ShapeRecord& shape, QSize size = {100, 100}) {
    ScriptedPrompter prompter;
    Workspace ws(prompter, CoreKinds());
    setUp(ws).store().shapes[1] = shape;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(1.0 / 15, 1.0 / 15);
    Shapes::paintShape(painter, ws.store(), 1);
    painter.end();
    return image;
}

} // namespace

class TestShapes : public QObject {
    Q_OBJECT

private slots:
    void ellipseGeometry_data() {
        QTest::addColumn<QRectF>("box"); // corners as given: (x1, y1) to (x2, y2)
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("aspect");
        QTest::newRow("wide") << QRectF(QPointF(0, 0), QPointF(3000, 1000)) << false
                              << QPointF(1500, 500) << 1500.0 << 1000.0 / 3000;
        QTest::newRow("tall: the radius is half the height")
            << QRectF(QPointF(0, 0), QPointF(1000, 3000)) << false << QPointF(500, 1500) << 1500.0
            << 3.0;
        QTest::newRow("no width") << QRectF(QPointF(700, 100), QPointF(700, 1101)) << false
                                  << QPointF(700, 600) << 500.0 << 10000.0;
        QTest::newRow("centre x stays fractional, y goes to even")
            << QRectF(QPointF(0, 0), QPointF(101, 101)) << false << QPointF(50.5, 50) << 50.0
            << 1.0;
        QTest::newRow("circle from a reversed drag keeps its top-left corner")
            << QRectF(QPointF(3000, 1000), QPointF(0, 0)) << true << QPointF(1500, 1500) << 1500.0
            << 1.0;
    }

    void ellipseGeometry() {
        QFETCH(QRectF, box);
        QFETCH(bool, circle);
        const Shapes::Ellipse e =
            Shapes::DrawEllipse(box.left(), box.top(), box.right(), box.bottom(), circle);
        QTEST(e.centre, "centre");
        QTEST(e.radius, "radius");
        QTEST(e.aspect, "aspect");
    }

    void dragMakesARecord_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<QString>("record"); // empty: no shape
        QTest::addColumn<QPointF>("handle");
        const int grey = Rgb(200, 200, 200);
        QTest::newRow("100 twips is too short")
            << "box" << QPoint(1000, 1000) << QPoint(1060, 1040) << false << QString() << QPointF();
        QTest::newRow("101 twips makes one")
            << "box" << QPoint(1000, 1000) << QPoint(1061, 1040) << false
            << "1:1000,1000-1061,1040 fill 1/0" << QPointF(1000, 1000);
        QTest::newRow("rectangle up and left: corners sorted")
            << "box" << QPoint(3000, 2000) << QPoint(1000, 500) << true
            << QStringLiteral("1:1000,500-3000,2000 fill 0/%1").arg(grey) << QPointF(1000, 500);
        QTest::newRow("line right to left keeps its direction")
            << "line" << QPoint(3000, 2000) << QPoint(1000, 500) << true
            << "2:3000,2000-1000,500 fill 1/0" << QPointF(1873, 1123);
        QTest::newRow("ellipse: sorted, handle on the centre less 127")
            << "ellipse" << QPoint(3000, 501) << QPoint(1000, 2000) << false
            << "3:1000,501-3000,2000 fill 1/0" << QPointF(1873, 1123.5);
        QTest::newRow("circle on a wide drag")
            << "circle" << QPoint(0, 0) << QPoint(3000, 1000) << false << "3:0,0-3000,3000 fill 1/0"
            << QPointF(1373, 1373);
        QTest::newRow("circle on a tall drag")
            << "circle" << QPoint(0, 0) << QPoint(1000, 3000) << true
            << QStringLiteral("3:0,0-3000,3000 fill 0/%1").arg(grey) << QPointF(1373, 1373);
    }

    void dragMakesARecord() {
        QFETCH(QString, tool);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, filled);
        QFETCH(QString, record);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.tools.filled = filled;
        ws.tools.fillColour = Rgb(200, 200, 200);
        ws.tools.lineWidth = QStringLiteral("2,5");
        drag(ws, tool, from, to);
        const ShapeRecord& s = ws.store().shapes[1];
        if (record.isEmpty()) {
            QCOMPARE(s.Kind, 0);
            return;
        }
        QCOMPARE(describe(s), record);
        QCOMPARE(s.BorderColour, Rgb(10, 20, 30));
        QCOMPARE(s.LineWidth, 2);
        QCOMPARE(s.LineStyle, 0);
        QTEST(ws.store().shapeHandles[1], "handle");
        QVERIFY(ws.canvas.shapeHandleVisible[1]);
    }

    // While the button is held only the rubber band moves; the circle's band is square.
    void rubberBandShowsTheFigure() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.tools.lineWidth = QStringLiteral("4");
        ws.tools.x0 = 0;
        ws.tools.y0 = 0;
        Shapes::DrawCircle(ws, 3000, 1000, 0, true, false);
        QCOMPARE(ws.canvas.rubberBand.shape, RubberBand::Shape::Ellipse);
        QCOMPARE(ws.canvas.rubberBand.line, QLineF(0, 0, 3000, 3000));
        QCOMPARE(ws.canvas.rubberBand.width, 4);
        Shapes::DrawLine(ws, -500, 700, 0, false);
        QCOMPARE(ws.canvas.rubberBand.line, QLineF(0, 0, -500, 700));
        QCOMPARE(ws.store().usedCount(ElementKind::Shape), 0);
    }

    void hiddenHandlesAndFullBuffer() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.canvas.showHandles = false;
        drag(ws, QStringLiteral("box"), QPoint(0, 0), QPoint(500, 500));
        QVERIFY(!ws.canvas.shapeHandleVisible[1]);
        for (int slot = 2; slot <= ElementStore::Capacity; ++slot)
            setUp(ws).store().shapes[slot].Kind = Shapes::Line;
        const ElementStore before = ws.store();
        drag(ws, QStringLiteral("ellipse"), QPoint(0, 0), QPoint(500, 500));
        QCOMPARE(prompter.texts(),
                 QStringList{"Паметта препълнена - не могат да се изведат повече обекти !"});
        QCOMPARE(describe(ws.store().shapes[1]), describe(before.shapes[1]));
    }

    // Every fill style on a rectangle (15..1485 twips: pixels 1 to 99), sampled inside.
    void fillStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("solid") << 0 << "solid";
        QTest::newRow("transparent") << 1 << "empty";
        QTest::newRow("horizontal") << 2 << "rows";
        QTest::newRow("vertical") << 3 << "columns";
        QTest::newRow("rising") << 4 << "rising";
        QTest::newRow("falling") << 5 << "falling";
        QTest::newRow("cross") << 6 << "rows columns";
        QTest::newRow("diagonal cross") << 7 << "rising falling";
        QTest::newRow("unknown code: no fill") << 9 << "empty";
    }

    void fillStyles() {
        QFETCH(int, style);
        const QColor red(255, 0, 0);
        ShapeRecord s{Shapes::Rectangle, 15, 15,    1485,           1485,
                      Rgb(0, 0, 0),      1,  style, Rgb(255, 0, 0), 0};
        const QImage image = painted(s);
        const auto fill = [&](int x, int y) { return image.pixelColor(x, y) == red; };
        // Inside the outline: pixels 10..89 on both axes.
        int filled = 0, fullRows = 0, fullColumns = 0, rising = 0, falling = 0;
        for (int y = 10; y < 90; ++y) {
            bool row = true;
            for (int x = 10; x < 90; ++x) {
                filled += fill(x, y);
                row &= fill(x, y);
                if (fill(x, y) && fill(x + 1, y - 1) && fill(x + 2, y - 2))
                    ++rising;
                if (fill(x, y) && fill(x + 1, y + 1) && fill(x + 2, y + 2))
                    ++falling;
            }
            fullRows += row;
        }
        for (int x = 10; x < 90; ++x) {
            bool column = true;
            for (int y = 10; y < 90; ++y)
                column &= fill(x, y);
            fullColumns += column;
        }
        QStringList seen;
        if (filled == 80 * 80) {
            seen << QStringLiteral("solid");
        } else {
            if (fullRows > 0)
                seen << QStringLiteral("rows");
            if (fullColumns > 0)
                seen << QStringLiteral("columns");
            // Diagonal runs, not just the crossings of rows and columns.
            if (rising > 20 && fullRows == 0)
                seen << QStringLiteral("rising");
            if (falling > 20 && fullRows == 0)
                seen << QStringLiteral("falling");
            if (filled == 0)
                seen << QStringLiteral("empty");
        }
        QTEST(seen.join(QLatin1Char(' ')), "expected");
        // The hatches leave most of the inside alone; the outline is there whatever the fill.
        if (style >= 2 && style <= 7)
            QVERIFY2(filled < 80 * 80 / 2, qPrintable(QString::number(filled)));
        QCOMPARE(image.pixelColor(1, 50), QColor(Qt::black));
        QCOMPARE(image.pixelColor(50, 99), QColor(Qt::black));
    }

    // The outline of an ellipse and of a thick line lie where the record says.
    void outlinesAndWidths() {
        const ShapeRecord ellipse{Shapes::EllipseKind, 150, 300, 1350, 1200, 0, 1, 1, 0, 0};
        QImage image = painted(ellipse);
        // Centre (750, 750) = pixel 50; semi-axes 600 x 450 twips = 40 x 30 pixels.
        QCOMPARE(image.pixelColor(10, 50), QColor(Qt::black));
        QCOMPARE(image.pixelColor(90, 50), QColor(Qt::black));
        QCOMPARE(image.pixelColor(50, 20), QColor(Qt::black));
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
        const ShapeRecord line{Shapes::Line, 1350, 750, 150, 750, Rgb(0, 0, 255), 5, 0, 0, 1};
        image = painted(line);
        int run = 0;
        for (int y = 40; y < 60; ++y)
            run += image.pixelColor(50, y) == QColor(0, 0, 255) ||
                   image.pixelColor(51, y) == QColor(0, 0, 255);
        QCOMPARE(run, 5); // five pixels across, wherever a dash lies
    }

    // For devices that keep paths the hatch lines themselves end at the area, since some
    // (an SVG file) drop the clip: every line of every hatch lies within the shape.
    void vectorHatchesEndAtTheArea() {
        const QRectF box(300, 450, 1500, 900);
        const QPointF centre = box.center();
        for (const bool ellipse : {false, true})
            for (const int32_t style : {2, 3, 4, 5, 6, 7}) {
                const auto lines = ShapeRaster::hatchLinesIn(box, ellipse, style, box);
                QVERIFY(lines && !lines->isEmpty());
                for (const QLineF& line : *lines)
                    for (const QPointF& end : {line.p1(), line.p2()}) {
                        const double u = (end.x() - centre.x()) / 750,
                                     v = (end.y() - centre.y()) / 450;
                        QVERIFY2(ellipse ? u * u + v * v <= 1.0001
                                         : box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(end),
                                 qPrintable(QStringLiteral("style %1").arg(style)));
                    }
            }
    }
};

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"
