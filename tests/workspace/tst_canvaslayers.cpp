#include "workspace/CanvasLayerStack.h"

#include <QtTest>

namespace {

// A layer of square elements that writes down what the mouse does to them.
class RecordingLayer : public CanvasLayer {
public:
    RecordingLayer(QString name, QList<QRectF> boxes, QStringList& log, bool mouse = true)
        : m_name(std::move(name)), m_boxes(std::move(boxes)), m_log(log), m_mouse(mouse) {}

    ElementKind kind() const override { return ElementKind::Picture; }
    int slotCount() const override { return int(m_boxes.size()); }
    bool present(int slot) const override { return !m_boxes[slot - 1].isEmpty(); }
    QRectF rect(int slot) const override { return m_boxes[slot - 1]; }
    void paint(QPainter&) const override {}
    bool takesMouse() const override { return m_mouse; }
    void mousePress(int slot, const CanvasMouse& m) override { note("press", slot, m); }
    void mouseMove(int slot, const CanvasMouse& m) override { note("move", slot, m); }
    void mouseRelease(int slot, const CanvasMouse& m) override { note("release", slot, m); }

private:
    void note(const char* what, int slot, const CanvasMouse& m) {
        QString entry = m_name + QString::number(slot) + QLatin1Char(' ') + QLatin1String(what);
        if (m.button != Qt::NoButton)
            entry += m.button == Qt::LeftButton ? QStringLiteral(" L") : QStringLiteral(" R");
        entry += QStringLiteral(" @%1,%2").arg(m.relative.x()).arg(m.relative.y());
        m_log << entry;
    }

    QString m_name;
    QList<QRectF> m_boxes;
    QStringList& m_log;
    bool m_mouse;
};

Qt::MouseButton buttonOf(const QString& name) {
    return name == QLatin1String("L") ? Qt::LeftButton : Qt::RightButton;
}

} // namespace

class TestCanvasLayers : public QObject {
    Q_OBJECT

private slots:
    void hitOrderAndMouseGrab_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("expected");
        // Pictures p: slot 1 at 0..100, slot 2 at 50..150 (above slot 1). Texts t (added
        // later, so above every picture): slot 1 at 120..220. Handles h (not taking the mouse)
        // over everything at 0..300. Each step is "press|release <button> x,y",
        // "move <held buttons or -> x,y" or "cancel x,y"; "canvas" marks a step that went to
        // the bare canvas, "missed L" a release of the canvas that never arrived.
        QTest::newRow("topmost first")
            << "press L 60,10; release L 60,10; press L 10,10; release L 10,10; "
               "press L 130,10; release L 130,10"
            << QStringList{"p2 press L @10,10",   "p2 release L @10,10", "p1 press L @10,10",
                           "p1 release L @10,10", "t1 press L @10,10",   "t1 release L @10,10"};
        QTest::newRow("the element that took the press keeps the mouse")
            << "press L 10,10; move L 200,10; move L 400,400; release L 400,400; move - 200,10"
            << QStringList{"p1 press L @10,10", "p1 move @200,10", "p1 move @400,400",
                           "p1 release L @400,400", "t1 move @80,10"};
        QTest::newRow("a second button goes to the holder and does not end its grab")
            << "press L 10,10; press R 130,10; release R 130,10; move L 20,10; release L 20,10"
            << QStringList{"p1 press L @10,10", "p1 press R @130,10", "p1 release R @130,10",
                           "p1 move @20,10", "p1 release L @20,10"};
        QTest::newRow("a release that went elsewhere ends the grab at the next move")
            << "press L 10,10; press R 10,10; move - 30,30; move - 130,10"
            << QStringList{"p1 press L @10,10", "p1 press R @10,10", "p1 release L @30,30",
                           "t1 move @10,10"};
        QTest::newRow("a fresh press ends a grab whose release went elsewhere")
            << "press L 10,10; press R 130,10 only; release R 130,10"
            << QStringList{"p1 press L @10,10", "p1 release L @130,10", "t1 press R @10,10",
                           "t1 release R @10,10"};
        QTest::newRow("losing the window ends the grab")
            << "press L 10,10; cancel 40,40; move - 40,40"
            << QStringList{"p1 press L @10,10", "p1 release L @40,40", "p1 move @40,40"};
        QTest::newRow("the bare canvas keeps the mouse too")
            << "press L 500,500; move L 10,10; release L 10,10; move - 10,10"
            << QStringList{"canvas", "canvas", "canvas", "p1 move @10,10"};
        QTest::newRow("a missed release of the bare canvas is reported once")
            << "press L 500,500; move - 500,500; move - 501,500"
            << QStringList{"canvas", "canvas", "canvas missed L", "canvas"};
    }

    void hitOrderAndMouseGrab() {
        QFETCH(QString, script);
        QFETCH(QStringList, expected);
        QStringList log;
        CanvasLayerStack stack;
        stack.add(std::make_unique<RecordingLayer>("h", QList<QRectF>{QRectF(0, 0, 300, 300)}, log,
                                                   false),
                  30);
        stack.add(
            std::make_unique<RecordingLayer>("t", QList<QRectF>{QRectF(120, 0, 100, 100)}, log),
            20);
        stack.add(std::make_unique<RecordingLayer>(
                      "p", QList<QRectF>{QRectF(0, 0, 100, 100), QRectF(50, 0, 100, 100)}, log),
                  10);

        Qt::MouseButtons held;
        for (const QString& step : script.split(QStringLiteral("; "))) {
            const QStringList words = step.split(QLatin1Char(' '));
            const QStringList xy =
                words.at(words[0] == QLatin1String("cancel") ? 1 : 2).split(QLatin1Char(','));
            const QPointF at(xy[0].toDouble(), xy[1].toDouble());
            bool element = true;
            if (words[0] == QLatin1String("press")) {
                const Qt::MouseButton b = buttonOf(words[1]);
                held = words.size() > 3 ? Qt::MouseButtons(b) : held | b;
                element = stack.press(b, held, at);
            } else if (words[0] == QLatin1String("release")) {
                const Qt::MouseButton b = buttonOf(words[1]);
                held &= ~Qt::MouseButtons(b);
                element = stack.release(b, held, at);
            } else if (words[0] == QLatin1String("move")) {
                held = words[1] == QLatin1String("-") ? Qt::MouseButtons() : held;
                element = stack.move(held, at);
            } else {
                held = {};
                stack.cancelGrab(at);
            }
            if (!element)
                log << QStringLiteral("canvas");
            if (const Qt::MouseButton missed = stack.takeMissedCanvasRelease())
                log << QStringLiteral("canvas missed ") +
                           (missed == Qt::LeftButton ? QStringLiteral("L") : QStringLiteral("R"));
        }
        QCOMPARE(log, expected);
    }

    void layersOfEqualOrderKeepTheirOrderAndCanGo() {
        QStringList log;
        CanvasLayerStack stack;
        auto& first = stack.add(
            std::make_unique<RecordingLayer>("a", QList<QRectF>{QRectF(0, 0, 10, 10)}, log), 5);
        stack.add(std::make_unique<RecordingLayer>("b", QList<QRectF>{QRectF(0, 0, 10, 10)}, log),
                  5);
        stack.press(Qt::LeftButton, Qt::LeftButton, {1, 1});
        QCOMPARE(log, QStringList{"b1 press L @1,1"});
        stack.remove(stack.grab().layer); // the holder goes: nothing more reaches it
        stack.release(Qt::LeftButton, {}, {1, 1});
        QCOMPARE(stack.hitTest({1, 1}).layer, &first);
        QCOMPARE(log.size(), 1);
    }
};

QTEST_MAIN(TestCanvasLayers)
#include "tst_canvaslayers.moc"
