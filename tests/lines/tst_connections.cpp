#include "kinds/CoreKinds.h"
#include "lines/Connections.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QtTest>

namespace {

QString describe(const Connections::Route& r) {
    const auto point = [](QPointF p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); };
    QString text = point(r.first.p1()) + QLatin1Char('-') + point(r.first.p2());
    if (r.bent)
        text += QLatin1Char(' ') + point(r.second.p1()) + QLatin1Char('-') + point(r.second.p2());
    return text + QStringLiteral(" @") + point(r.handleTopLeft);
}

// Two 2 x 2 pixel objects whose centres are (15, 600) and (3000, 600) twips, joined by line 1.
void twoObjectsAndALine(Workspace& ws, int32_t width, int32_t style) {
    for (int slot : {1, 2}) {
        PictureObject& o = setUp(ws).store().objects[slot];
        o.picture = QImage(2, 2, QImage::Format_RGB32);
        o.Width = o.Height = 30;
        o.Top = 585;
        o.Left = slot == 1 ? 0 : 2985;
        o.Visible = true;
        setUp(ws).store().objectStatus[slot] = ElementStore::Used;
    }
    setUp(ws).store().lines[1] = {1, 1, 2, 2, Rgb(0, 0, 255), width, style};
}

} // namespace

class TestConnections : public QObject {
    Q_OBJECT

private slots:
    void routing_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<QString>("expected");
        // A is at (1000, 1000); the handle is 90 x 90.
        const QPointF lower(2000, 3000), level(3000, 1000), higher(2000, 200), self(1000, 1000);
        QTest::newRow("1 lower: down, then across")
            << 1 << lower << "1000,1000-1000,3000 1000,3000-2000,3000 @955,2955";
        QTest::newRow("1 level: across")
            << 1 << level << "1000,1000-3000,1000 3000,1000-3000,1000 @2955,955";
        QTest::newRow("1 higher: across, then up")
            << 1 << higher << "1000,1000-2000,1000 2000,1000-2000,200 @1955,955";
        QTest::newRow("1 itself") << 1 << self
                                  << "1000,1000-1000,1000 1000,1000-1000,1000 @955,955";
        QTest::newRow("2 lower: straight, handle off the midpoint")
            << 2 << lower << "1000,1000-2000,3000 @1545,2045";
        QTest::newRow("2 level") << 2 << level << "1000,1000-3000,1000 @2045,1045";
        QTest::newRow("2 higher") << 2 << higher << "1000,1000-2000,200 @1545,645";
        QTest::newRow("2 itself") << 2 << self << "1000,1000-1000,1000 @1045,1045";
        QTest::newRow("3 lower: across, then down")
            << 3 << lower << "1000,1000-2000,1000 2000,1000-2000,3000 @1955,955";
        QTest::newRow("3 level: across")
            << 3 << level << "1000,1000-3000,1000 3000,1000-3000,1000 @2955,955";
        QTest::newRow("3 higher: up, then across")
            << 3 << higher << "1000,1000-1000,200 1000,200-2000,200 @955,155";
        QTest::newRow("3 itself") << 3 << self
                                  << "1000,1000-1000,1000 1000,1000-1000,1000 @955,955";
    }

    void routing() {
        QFETCH(int, type);
        QFETCH(QPointF, b);
        QFETCH(QString, expected);
        QCOMPARE(describe(Connections::route(type, QPointF(1000, 1000), b)), expected);
    }

    // Along the line's row, the share of painted pixels tells the style; across it, the
    // number of painted rows tells the width.
    void stylesAndWidthsAsPainted_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("share");
        QTest::newRow("solid, 1") << 0 << 1 << 1.0;
        QTest::newRow("solid, 5") << 0 << 5 << 1.0;
        QTest::newRow("dashes") << 1 << 1 << 2.0 / 3;
        QTest::newRow("dots") << 2 << 1 << 1.0 / 3;
        QTest::newRow("dash-dot") << 3 << 1 << 5.0 / 9;
        QTest::newRow("dash-dot-dot") << 4 << 1 << 6.0 / 12;
        QTest::newRow("dashes, 3 wide") << 1 << 3 << 2.0 / 3;
    }

    void stylesAndWidthsAsPainted() {
        QFETCH(int, style);
        QFETCH(int, width);
        QFETCH(double, share);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        twoObjectsAndALine(ws, width, style);
        QImage image(220, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(1.0 / 15, 1.0 / 15);
        ws.renderer().paintPersistent(painter);
        painter.end();
        const QColor blue(0, 0, 255);
        int painted = 0;
        int column = -1;
        for (int x = 10; x < 190; ++x) {
            const bool on = image.pixelColor(x, 40) == blue;
            painted += on;
            if (on && column < 0)
                column = x;
        }
        QVERIFY2(qAbs(painted / 180.0 - share) < 0.06, qPrintable(QString::number(painted)));
        int rows = 0;
        for (int y = 30; y < 50; ++y)
            rows += image.pixelColor(column, y) == blue;
        QCOMPARE(rows, width);
        QCOMPARE(image.pixelColor(205, 40), QColor(Qt::white)); // it ends at B's centre
    }
};

QTEST_MAIN(TestConnections)
#include "tst_connections.moc"
