#include "kinds/CoreKinds.h"
#include "print/PagePainter.h"
#include "print/PrintLayout.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Workspace.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

namespace {

// A paint engine that keeps what it is asked to draw, as a PDF writer would get it.
class Recorder : public QPaintEngine {
public:
    Recorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::Pdf; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & DirtyPen)
            pen = s.pen();
        if (s.state() & DirtyBrush)
            brush = s.brush();
        if (s.state() & DirtyTransform)
            transform = s.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF& r, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override {
        images << Image{transform.mapRect(r), image.size(), source};
    }
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    void drawLines(const QLineF*, int count) override {
        hatchLines += count;
        lineColours << pen.color();
    }
    void drawPath(const QPainterPath& path) override { shapes(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        shapes(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            shapes(rects[i]);
    }

    struct Image {
        QRectF device;
        QSize size;
        QRectF source;
    };
    QStringList texts;
    QList<Image> images;
    int hatchLines = 0;
    QList<QColor> lineColours;
    QList<Qt::BrushStyle> brushStyles;
    QList<double> penWidths;
    QList<QRectF> filled; // device rectangles of solid areas

private:
    void shapes(const QRectF& box) {
        brushStyles << brush.style();
        penWidths << (pen.style() == Qt::NoPen ? 0.0 : pen.widthF());
        if (brush.style() == Qt::SolidPattern)
            filled << transform.mapRect(box);
    }

    QPen pen;
    QBrush brush;
    QTransform transform;
};

// A Letter sheet at 1200 dots per inch.
class Sheet : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    Recorder& recorder() { return m_engine; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return 10200;
        case PdmHeight:
            return 13200;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 1200;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(m);
        }
    }

private:
    mutable Recorder m_engine;
};

ShapeRecord rectangle(int x1, int y1, int x2, int y2, int fillStyle, int32_t fill) {
    ShapeRecord s;
    s.Kind = 1;
    s.X1 = x1;
    s.Y1 = y1;
    s.X2 = x2;
    s.Y2 = y2;
    s.LineWidth = 3;
    s.FillStyle = fillStyle;
    s.FillColour = fill;
    return s;
}

// Dots of the sheet a twip.
constexpr double DotsPerTwip = 1200.0 / 1440;

// The captured diagram on its page, the page drawn at 1200 dots per inch.
void paintWhole(Workspace& ws, Sheet& sheet) {
    const QRectF captured = PrintLayout::capture(ws);
    const PrintLayout::Page page = PrintLayout::fit(captured.size());
    QPainter painter(&sheet);
    PagePainter::paint(painter, ws, captured, page, QRectF(QPointF(0, 0), page.size * DotsPerTwip));
}

} // namespace

class TestPagePainter : public QObject {
    Q_OBJECT

private slots:
    // Texts reach the device as text and pictures at their own pixels, never as a picture of
    // the text.
    void textsAsTextAndPicturesWhole() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        TextField& t = setUp(ws).store().texts[1];
        t.Caption = QStringLiteral("Зала 5");
        t.Left = 600;
        t.Top = 600;
        t.FontName = QStringLiteral("DejaVu Sans");
        t.FontSize = 12;
        t.Visible = true;
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::red);
        PictureObject& o = setUp(ws).store().objects[1];
        o.picture = picture;
        o.Left = 3000;
        o.Top = 3000;
        o.Width = 7 * 15;
        o.Height = 5 * 15;
        o.Visible = true;
        setUp(ws).store().objectStatus[1] = ElementStore::Used;

        Sheet sheet;
        paintWhole(ws, sheet);
        const Recorder& r = sheet.recorder();
        QCOMPARE(r.texts, QStringList{t.Caption});
        QCOMPARE(r.images.size(), 1);
        QCOMPARE(r.images[0].size, QSize(7, 5));
        QCOMPARE(r.images[0].source, QRectF(0, 0, 7, 5));
        // 7 pixels of 15 twips at 1200 dots per inch (1440 twips).
        QCOMPARE(r.images[0].device.width(), 7 * 15 * DotsPerTwip);
    }

    // Hatches are lines of the fill colour one pixel (15 twips) wide, every 120 twips, never
    // the painter's pixel patterns; the outline is a path 3 pixels (45 twips) wide.
    void hatchesAsLines_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("lines"); // across a 1200 x 600 twips rectangle at the origin
        QTest::newRow("horizontal") << 2 << 5;
        QTest::newRow("vertical") << 3 << 10;
        QTest::newRow("rising") << 4 << 15;
        QTest::newRow("falling") << 5 << 16;
        QTest::newRow("cross") << 6 << 15;
        QTest::newRow("diagonal cross") << 7 << 31;
    }
    void hatchesAsLines() {
        QFETCH(int, style);
        QFETCH(int, lines);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().shapes[1] = rectangle(0, 0, 1200, 600, style, 0x0000FF);
        Sheet sheet;
        {
            QPainter painter(&sheet);
            painter.scale(DotsPerTwip, DotsPerTwip);
            ws.renderer().paint(painter);
        }
        const Recorder& r = sheet.recorder();
        QCOMPARE(r.hatchLines, lines);
        for (const QColor& c : r.lineColours)
            QCOMPARE(c, QColor(255, 0, 0));
        for (Qt::BrushStyle b : r.brushStyles)
            QVERIFY2(b == Qt::NoBrush || b == Qt::SolidPattern, "a pattern brush");
        QVERIFY(r.penWidths.contains(45.0));
    }

    // The captured part lands where the fitting puts it on the sheet: as it is when it fits,
    // scaled down when it does not.
    void pageGeometry_data() {
        QTest::addColumn<QRect>("shape");
        QTest::newRow("fits") << QRect(-5000, 7000, 3000, 2000);
        QTest::newRow("scaled down") << QRect(0, 0, 40000, 20000);
    }
    void pageGeometry() {
        QFETCH(QRect, shape);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().shapes[1] =
            rectangle(shape.left(), shape.top(), shape.left() + shape.width(),
                      shape.top() + shape.height(), 0, 0x00FF00);
        const QRectF captured = PrintLayout::capture(ws);
        const PrintLayout::Page page = PrintLayout::fit(captured.size());
        Sheet sheet;
        paintWhole(ws, sheet);
        const Recorder& r = sheet.recorder();
        QCOMPARE(r.filled.size(), 1);
        const double scale = page.image.width() / captured.width();
        const double toSheet = DotsPerTwip;
        const QRectF expected((page.image.left() + (shape.left() - captured.left()) * scale) *
                                  toSheet,
                              (page.image.top() + (shape.top() - captured.top()) * scale) * toSheet,
                              shape.width() * scale * toSheet, shape.height() * scale * toSheet);
        const QRectF got = r.filled[0];
        QVERIFY2(std::abs(got.left() - expected.left()) < 0.5 &&
                     std::abs(got.top() - expected.top()) < 0.5 &&
                     std::abs(got.width() - expected.width()) < 0.5 &&
                     std::abs(got.height() - expected.height()) < 0.5,
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(got.left())
                                .arg(got.top())
                                .arg(got.width())
                                .arg(got.height())));
    }
};

QTEST_MAIN(TestPagePainter)
#include "tst_pagepainter.moc"
