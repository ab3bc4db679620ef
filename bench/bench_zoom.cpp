// The canvas zoomed in and out with every buffer full: a whole repaint and a drag step.
#include "BenchMain.h"
#include "FullDiagram.h"
#include "app/Editor.h"
#include "common/SilentPrompter.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/Pano.h"
#include "workspace/ZoomCommands.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPointF pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The wired editor with a 1600 x 1000 pixel canvas, every buffer full (one picture a
// 2000 x 1500 photo), every handle shown, "repaint while moving" on, at `percent`.
struct ZoomedCanvas {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    Editor editor{prompter, {programDir.path(), configDir.path()}};
    Pano* pano = nullptr;
    QImage frame;

    explicit ZoomedCanvas(int percent) {
        frmMain& window = editor.window();
        window.resize(1600 + 20, 1000 + 100);
        window.show();
        pano = window.pano;
        pano->resize(1600, 1000);
        Workspace& ws = editor.workspace();
        fill(ws, true);
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
            ws.canvas.lineHandles[slot].visible = true;
            ws.canvas.shapeHandleVisible[slot] = true;
        }
        for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot)
            ws.canvas.gridHandleVisible[slot] = true;
        ws.settings.Pre4ertaiPriMestene = true;
        editor.zoom().zoomTo(percent / 100.0, QPointF());
        frame = QImage(pano->size(), QImage::Format_RGB32);
    }

    // The painting a screen update of the canvas does (not the scroll bars over its edges).
    void paint() {
        pano->render(&frame, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        benchmark::DoNotOptimize(frame.constBits());
    }
};

// The diagram drawn again (the canvas bitmap included) and the whole canvas painted.
void BM_ZoomedRepaint(benchmark::State& state) {
    ZoomedCanvas canvas(int(state.range(0)));
    for (auto _ : state) {
        canvas.editor.workspace().Pre4ertai();
        canvas.paint();
    }
}
BENCHMARK(BM_ZoomedRepaint)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// One step of dragging a picture object (its lines following): a mouse move, the canvas
// painted. The object is the first whose middle no handle covers.
void BM_ZoomedDragStep(benchmark::State& state) {
    ZoomedCanvas canvas(int(state.range(0)));
    Workspace& ws = canvas.editor.workspace();
    int slot = 1;
    QPointF at;
    for (; slot <= ElementStore::Capacity; ++slot) {
        const QRectF box = CanvasGeometry::pictureRect(ws.store().objects[slot]);
        at = ws.canvas.view.documentToPixels(box).center();
        const ElementRef hit =
            canvas.pano->layers().hitTest(ws.canvas.view.pixelsToDocument(at)).element();
        if (hit == ElementRef{ElementKind::Picture, int16_t(slot)})
            break;
    }
    const double left = ws.store().objects[slot].Left;
    sendMouse(canvas.pano, QEvent::MouseButtonPress, at, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        at += QPointF((step % 40) < 20 ? 3 : -3, (step % 40) < 20 ? 2 : -2);
        ++step;
        sendMouse(canvas.pano, QEvent::MouseMove, at, Qt::LeftButton);
        canvas.paint();
    }
    sendMouse(canvas.pano, QEvent::MouseButtonRelease, at, Qt::NoButton);
    if (step > 1 && ws.store().objects[slot].Left == left)
        state.SkipWithError("the object did not move");
}
BENCHMARK(BM_ZoomedDragStep)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
