// The sketchpad on a 1000 x 800 pixel surface: the paint bucket over the whole surface, and
// one step of the pencil and of the rubber band, each with the repaint it causes.
#include "BenchMain.h"
#include "common/SilentPrompter.h"
#include "settings/SettingsRecord.h"
#include "sketchpad/SketchSurface.h"
#include "sketchpad/frmAddPaint.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_FloodFill(benchmark::State& state) {
    Sketch sketch(QSize(1000, 800));
    int i = 0;
    for (auto _ : state) {
        sketch.colour = (++i % 2) ? Qt::red : Qt::blue;
        const QRect filled = sketch.fill(QPoint(500, 400));
        if (filled.size() != QSize(1000, 800))
            state.SkipWithError("the fill did not cover the surface");
    }
}
BENCHMARK(BM_FloodFill)->Unit(benchmark::kMillisecond)->Repetitions(5);

struct Pad {
    SilentPrompter prompter;
    SettingsRecord settings;
    QImage tile{16, 16, QImage::Format_RGB32};
    std::unique_ptr<frmAddPaint> window;

    explicit Pad(Sketch::Tool tool) {
        tile.fill(Qt::lightGray);
        window = std::make_unique<frmAddPaint>(prompter, settings, tile,
                                               [](const QImage&, QSizeF) { return true; });
        window->resize(1040, 1000);
        window->show();
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        QApplication::processEvents();
        window->chooseTool(tool);
        window->surfaceDown(Qt::LeftButton, QPoint(10, 10));
    }
    bool bigEnough() const {
        const QSize size = window->Picture1->size();
        return size.width() >= 1000 && size.height() >= 800;
    }
};

// A step of `tool` to a point that moves round the surface, then the repaint.
void step(benchmark::State& state, Sketch::Tool tool) {
    Pad pad(tool);
    if (!pad.bigEnough())
        state.SkipWithError("the surface is smaller than 1000 x 800");
    int i = 0;
    for (auto _ : state) {
        ++i;
        pad.window->surfaceMove(Qt::LeftButton, QPoint(20 + (i * 37) % 960, 20 + (i * 53) % 760));
        QApplication::processEvents();
    }
}

void BM_PencilStep(benchmark::State& state) {
    step(state, Sketch::Tool::Pencil);
}
BENCHMARK(BM_PencilStep)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_RubberBandStep(benchmark::State& state) {
    step(state, Sketch::Tool::Box);
}
BENCHMARK(BM_RubberBandStep)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
