#include "kinds/CoreKinds.h"
#include "print/PagePainter.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

namespace {

// Dots of the sheet a twip: 1200 dots per inch.
constexpr double DotsPerTwip = 1200.0 / 1440;

// A Letter sheet whose engine keeps what it is asked to draw, as a PDF writer would get it.
class Sheet : public QPaintDevice, public QPaintEngine {
public:
    Sheet() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QPaintEngine* paintEngine() const override { return const_cast<Sheet*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::Pdf; }
    void updateState(const QPaintEngineState& s) override {
        pen = s.pen();
        brush = s.brush();
        transform = s.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override {
        images << image.size();
        imageWidths << transform.mapRect(r).width();
        QCOMPARE(source, QRectF(image.rect()));
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    void drawLines(const QLineF*, int count) override {
        hatchLines += count;
        QCOMPARE(pen.widthF(), 15.0);
        QCOMPARE(pen.color(), QColor(255, 0, 0));
    }
    void drawPath(const QPainterPath& path) override { shape(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        shape(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }

    QStringList texts;
    QList<QSize> images;
    QList<double> imageWidths;
    int hatchLines = 0;
    QList<double> outlineWidths;
    QList<QRectF> filled; // solid areas, in dots

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return 10200;
        case PdmHeight:
            return 13200;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 1200;
        default:
            return QPaintDevice::metric(m);
        }
    }

private:
    void shape(const QRectF& box) {
        QVERIFY2(brush.style() == Qt::NoBrush || brush.style() == Qt::SolidPattern,
                 "a pattern brush");
        if (pen.style() != Qt::NoPen)
            outlineWidths << pen.widthF();
        if (brush.style() == Qt::SolidPattern)
            filled << transform.mapRect(box);
    }
    QPen pen;
    QBrush brush;
    QTransform transform;
};

// The captured diagram drawn on its page.
void paintPage(Workspace& ws, Sheet& sheet) {
    const QRectF captured = PrintLayout::capture(ws);
    const PrintLayout::Page page = PrintLayout::fit(captured.size());
    QPainter painter(&sheet);
    PagePainter::paint(painter, ws, captured, page, QRectF(QPointF(0, 0), page.size * DotsPerTwip));
}

} // namespace

class TestPagePainter : public QObject {
    Q_OBJECT

private slots:
    // Texts reach the device as text, pictures whole at their own pixels.
    void textsAsTextPicturesWhole() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().texts[1] = {QStringLiteral("Зала 5"),
                                      600,
                                      600,
                                      255,
                                      QStringLiteral("DejaVu Sans"),
                                      12,
                                      false,
                                      false,
                                      false,
                                      false,
                                      true};
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::red);
        setUp(ws).store().objects[1] = {
            picture, QStringLiteral("SKETCHPAD"), QString(), 3000, 3000, 7 * 15, 5 * 15, true};
        setUp(ws).store().objectStatus[1] = ElementStore::Used;
        Sheet sheet;
        paintPage(ws, sheet);
        QCOMPARE(sheet.texts, QStringList{QStringLiteral("Зала 5")});
        QCOMPARE(sheet.images, QList<QSize>{QSize(7, 5)});
        QCOMPARE(sheet.imageWidths[0], 7 * 15 * DotsPerTwip);
    }

    // Hatches are lines one pixel (15 twips) wide every 120 twips, never pattern brushes; the
    // outline is a path 3 pixels (45 twips) wide.
    void hatchesAsLines_data() {
        QTest::addColumn<int>("style");
        // Lines across 1200 x 600 twips at the origin; a line that would only touch a corner
        // is none.
        QTest::addColumn<int>("lines");
        QTest::newRow("horizontal") << 2 << 5;
        QTest::newRow("vertical") << 3 << 10;
        QTest::newRow("rising") << 4 << 15;
        QTest::newRow("falling") << 5 << 14;
        QTest::newRow("cross") << 6 << 15;
        QTest::newRow("diagonal cross") << 7 << 29;
    }
    void hatchesAsLines() {
        QFETCH(int, style);
        QFETCH(int, lines);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().shapes[1] = {1, 0, 0, 1200, 600, 0, 3, style, 0x0000FF, 0};
        Sheet sheet;
        QPainter painter(&sheet);
        painter.scale(DotsPerTwip, DotsPerTwip);
        ws.renderer().paint(painter);
        QCOMPARE(sheet.hatchLines, lines);
        QCOMPARE(sheet.outlineWidths, QList<double>{45.0});
    }

    // The captured part lands where the fitting puts it: as it is, or scaled down.
    void pageGeometry_data() {
        QTest::addColumn<QRect>("shape");
        QTest::newRow("fits") << QRect(-5000, 7000, 3000, 2000);
        QTest::newRow("scaled down, turned") << QRect(0, 0, 40000, 20000);
    }
    void pageGeometry() {
        QFETCH(QRect, shape);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().shapes[1] = {1,
                                       shape.left(),
                                       shape.top(),
                                       shape.left() + shape.width(),
                                       shape.top() + shape.height(),
                                       0,
                                       1,
                                       0,
                                       0x00FF00,
                                       0};
        const QRectF captured = PrintLayout::capture(ws);
        const QRectF image = PrintLayout::fit(captured.size()).image;
        Sheet sheet;
        paintPage(ws, sheet);
        QCOMPARE(sheet.filled.size(), 1);
        const double scale = image.width() / captured.width();
        const QRectF expected((image.left() + (shape.left() - captured.left()) * scale),
                              (image.top() + (shape.top() - captured.top()) * scale),
                              shape.width() * scale, shape.height() * scale);
        const QRectF got = sheet.filled[0];
        const QRectF want(expected.topLeft() * DotsPerTwip, expected.size() * DotsPerTwip);
        for (double d : {got.left() - want.left(), got.top() - want.top(),
                         got.width() - want.width(), got.height() - want.height()})
            QVERIFY(std::abs(d) < 0.5);
    }
};

QTEST_MAIN(TestPagePainter)
#include "tst_pagepainter.moc"
