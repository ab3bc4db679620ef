// Dragging a picture object on a full canvas: mouse move -> MoveObj -> repaint.
#include "BenchMain.h"
#include "app/Editor.h"
#include "common/Units.h"
#include "objects/ResizeHandles.h"
#include "workspace/CanvasState.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include "common/SilentPrompter.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The painting a screen update of the canvas does: the canvas itself, not the scroll bars and
// buttons over its edges, which a change of the diagram does not paint again.
void renderCanvas(Pano* pano, QImage& frame) {
    pano->render(&frame, QPoint(), QRegion(), QWidget::DrawWindowBackground);
}

// A 1600 x 1000 pixel canvas with 255 picture objects and 255 text fields, and optionally
// 255 connection lines of every type, width and style between objects across the canvas.
struct FullCanvas {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    Editor editor{prompter, {programDir.path(), configDir.path()}};

    explicit FullCanvas(bool lines) {
        frmMain& window = editor.window();
        window.resize(1600 + 20, 1000 + 100);
        window.show();
        window.pano->resize(1600, 1000);
        Workspace& ws = editor.workspace();
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(120, 170, 220));
        ws.kartinki.add(QStringLiteral("BOX"), picture, QStringLiteral("Кутия"));
        // Put in place the way a loaded diagram is, as one edit.
        Diagram::Edit setup = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
        for (int i = 0; i < ElementStore::Capacity; ++i) {
            ws.DobaviNov(QStringLiteral("BOX"));
            PictureObject& o = setup.store().objects[ws.diagram.Nomer];
            o.Left = (i % 20) * 1150;
            o.Top = (i / 20) * 1100;
            TextField& t = setup.store().texts[i + 1];
            setup.store().textStatus[i + 1] = ElementStore::Used;
            t.Caption = QStringLiteral("Текст %1").arg(i + 1);
            t.FontName = QStringLiteral("DejaVu Sans");
            t.Visible = true;
            t.Left = (i % 20) * 1150;
            t.Top = (i / 20) * 1100 + 750;
            if (lines)
                setup.store().lines[i + 1] = {1,         i + 1, (i * 37) % 255 + 1, 1 + i % 3, 0,
                                              1 + i % 5, i % 5};
        }
        for (int slot = 1; lines && slot <= ElementStore::Capacity; ++slot)
            ws.canvas.lineHandles[slot].visible = true;
        ws.settings.Pre4ertaiPriMestene = true;
    }

    // Every other buffer full too: 255 shapes of diagram sizes (40 to 150 pixels) of all
    // three kinds with every fill and line style and widths 1 to 5, spread over the canvas,
    // and ten 10 x 10 grids.
    void fillShapesAndGrids() {
        Workspace& ws = editor.workspace();
        Diagram::Edit setup = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
        for (int i = 0; i < ElementStore::Capacity; ++i) {
            const int x = (i % 17) * 1400 + 300;
            const int y = (i / 17) * 1000 + 200;
            const int w = 600 + (i * 53) % 1650;
            const int h = 600 + (i * 31) % 1650;
            ShapeRecord& s = setup.store().shapes[i + 1];
            s = ShapeRecord{
                1 + i % 3,         x,          y, x + w, y + h, Rgb(0, 0, 0), 1 + i % 5, i % 8,
                Rgb(200, 120, 40), (i / 8) % 5};
            setup.store().shapeHandles[i + 1] = QPointF(x, y);
            ws.canvas.shapeHandleVisible[i + 1] = true;
        }
        for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
            const int x = ((slot - 1) % 5) * 4600 + 500;
            const int y = ((slot - 1) / 5) * 7000 + 1000;
            setup.store().grids[slot] = GridRecord{1, 10, 10, y, x, 4000, 4500, Rgb(0, 0, 128), 1};
            setup.store().gridHandles[slot] = QPointF(x, y);
            ws.canvas.gridHandleVisible[slot] = true;
        }
    }

    // Grabs the topmost picture (slot 255, bottom right of the grid) by its middle.
    QPoint grab() {
        const PictureObject& grabbed = editor.workspace().store().objects[ElementStore::Capacity];
        const QPoint at(TwipsToPixelRounded(grabbed.Left) + 10,
                        TwipsToPixelRounded(grabbed.Top) + 10);
        sendMouse(editor.window().pano, QEvent::MouseButtonPress, at, Qt::LeftButton);
        return at;
    }
};

// Steps of a drag that holds the left button from `at`: each a mouse move, then the canvas
// painted into an image of its size (the painting a screen update does, whether or not the
// platform shows the window). Releases the button at the end.
void moveAndPaint(benchmark::State& state, Pano* pano, QPoint at) {
    QImage frame(pano->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        at += QPoint((step % 40) < 20 ? 3 : -3, (step % 40) < 20 ? 2 : -2);
        ++step;
        sendMouse(pano, QEvent::MouseMove, at, Qt::LeftButton);
        renderCanvas(pano, frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    sendMouse(pano, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void dragSteps(benchmark::State& state, bool lines) {
    FullCanvas canvas(lines);
    moveAndPaint(state, canvas.editor.window().pano, canvas.grab());
}

void BM_DragStepFullCanvas(benchmark::State& state) {
    dragSteps(state, false);
}
BENCHMARK(BM_DragStepFullCanvas)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The repaint of the lines, shapes and grids: the canvas bitmap drawn again.
void repaints(benchmark::State& state, bool everyBuffer) {
    FullCanvas canvas(true);
    if (everyBuffer)
        canvas.fillShapesAndGrids();
    Workspace& ws = canvas.editor.workspace();
    for (auto _ : state) {
        ws.Pre4ertai();
        benchmark::DoNotOptimize(ws.bitmap().image().constBits());
    }
}

// The repaint of 255 lines on that canvas.
void BM_Pre4ertai(benchmark::State& state) {
    repaints(state, false);
}
BENCHMARK(BM_Pre4ertai)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The repaint with every buffer full: 255 lines, 255 shapes, ten grids.
void BM_Pre4ertaiEveryBuffer(benchmark::State& state) {
    repaints(state, true);
}
BENCHMARK(BM_Pre4ertaiEveryBuffer)->Unit(benchmark::kMillisecond)->Repetitions(5);

// One step of the rectangle tool's rubber band on that canvas: the mouse move, then the
// painting of the part of the canvas the band left and entered (the band's boxes).
void BM_RubberBandStep(benchmark::State& state) {
    FullCanvas canvas(true);
    canvas.fillShapesAndGrids();
    Workspace& ws = canvas.editor.workspace();
    Pano* pano = canvas.editor.window().pano;
    ws.tools.mode = ToolState::box();
    ws.tools.lineWidth = QStringLiteral("2");
    QImage frame(pano->size(), QImage::Format_RGB32);
    // A band about 300 x 200 pixels, its corner moving a few pixels a step, started on a
    // bare spot of the canvas (anywhere else the press would take an element).
    QPoint start(200, 150);
    while (pano->layers().hitTest(QPointF(PixelsToTwips(start.x()), PixelsToTwips(start.y()))))
        start += QPoint(1, 1);
    sendMouse(pano, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QPoint at = start + QPoint(300, 200);
    sendMouse(pano, QEvent::MouseMove, at, Qt::LeftButton);
    renderCanvas(pano, frame);
    const int repaints = ws.bitmap().repaintCount();
    int step = 0;
    for (auto _ : state) {
        const QRectF before = ws.canvas.rubberBand.area();
        at += QPoint((step % 40) < 20 ? 3 : -3, (step % 40) < 20 ? 2 : -2);
        ++step;
        sendMouse(pano, QEvent::MouseMove, at, Qt::LeftButton);
        const QRectF twips = before.united(ws.canvas.rubberBand.area());
        const QRect pixels =
            QRectF(TwipsToPixelsExact(twips.left()), TwipsToPixelsExact(twips.top()),
                   TwipsToPixelsExact(twips.width()), TwipsToPixelsExact(twips.height()))
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1);
        pano->render(&frame, pixels.topLeft(), QRegion(pixels));
        benchmark::DoNotOptimize(frame.constBits());
    }
    // The band never costs a repaint of the canvas bitmap.
    state.counters["bitmap_repaints"] = ws.bitmap().repaintCount() - repaints;
    sendMouse(pano, QEvent::MouseButtonRelease, at, Qt::NoButton);
}
BENCHMARK(BM_RubberBandStep)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A drag step with the 255 lines following the dragged picture live.
void BM_DragStepWithLines(benchmark::State& state) {
    dragSteps(state, true);
}
BENCHMARK(BM_DragStepWithLines)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Ten mouse moves arrive before the screen is painted once, each asking for the repaint of
// the lines that follow the dragged object: the lines are drawn once for the frame.
void BM_TenMovesOneFrame(benchmark::State& state) {
    FullCanvas canvas(true);
    Pano* pano = canvas.editor.window().pano;
    CanvasBitmap& bitmap = canvas.editor.workspace().bitmap();
    QPoint at = canvas.grab();
    QImage frame(pano->size(), QImage::Format_RGB32);
    int step = 0;
    const int before = bitmap.repaintCount();
    for (auto _ : state) {
        for (int move = 0; move < 10; ++move) {
            at += QPoint((step % 40) < 20 ? 1 : -1, (step % 40) < 20 ? 1 : -1);
            ++step;
            sendMouse(pano, QEvent::MouseMove, at, Qt::LeftButton);
        }
        renderCanvas(pano, frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["line_repaints_per_frame"] =
        double(bitmap.repaintCount() - before) / double(state.iterations());
    sendMouse(pano, QEvent::MouseButtonRelease, at, Qt::NoButton);
}
BENCHMARK(BM_TenMovesOneFrame)->Unit(benchmark::kMillisecond)->Repetitions(5);

// One move of a resize handle with every buffer full and "repaint while moving" on: the
// shape follows the handle, the canvas bitmap is drawn again, the canvas painted whole.
void BM_ResizeHandleStep(benchmark::State& state) {
    FullCanvas canvas(true);
    canvas.fillShapesAndGrids();
    Workspace& ws = canvas.editor.workspace();
    Pano* pano = canvas.editor.window().pano;
    ResizeHandles::show(ws, {ElementKind::Shape, 120});
    const QPointF handle = ws.canvas.Manip[4].topLeft;
    const QPoint at(TwipsToPixelRounded(handle.x()) + 3, TwipsToPixelRounded(handle.y()) + 3);
    sendMouse(pano, QEvent::MouseButtonPress, at, Qt::LeftButton);
    moveAndPaint(state, pano, at);
    if (ws.store().shapes[120].X2 == ws.store().shapes[120].X1)
        state.SkipWithError("the handle did not resize the shape");
}
BENCHMARK(BM_ResizeHandleStep)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
