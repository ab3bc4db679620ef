// The autosave of a diagram with every buffer full and one large photographic picture: what it
// costs the window (the copy of the diagram handed to the worker), and the write itself.
#include "common/SilentPrompter.h"
#include "common/Units.h"
#include "files/Recovery.h"
#include "kinds/CoreKinds.h"
#include "shapes/Shapes.h"
#include "workspace/Workspace.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Like a photograph: smooth shading with noise, so nearly every pixel starts a run of its own.
QImage photograph(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(random.bounded(24));
            row[x] = qRgb((x * 255 / w + n) & 0xFF, (y * 255 / h + n) & 0xFF, (x + y + n) & 0xFF);
        }
    }
    return image;
}

// 255 picture objects (the first a 2000 x 1500 photograph, the others 64 x 48 pictures of
// their own), 255 text fields, 255 connection lines, 255 shapes and ten 10 x 10 grids.
void fill(Workspace& ws) {
    Diagram::Edit fill = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
    ElementStore& store = fill.store();
    for (int i = 1; i <= ElementStore::Capacity; ++i) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(i, 255 - i, (i * 7) & 0xFF));
        store.objects[i] = {i == 1 ? photograph(2000, 1500) : picture,
                            QStringLiteral("SKETCHPAD"),
                            QStringLiteral("Обект %1").arg(i),
                            double((i % 20) * 1150),
                            double((i / 20) * 1100),
                            PixelsToTwips(i == 1 ? 2000 : 64),
                            PixelsToTwips(i == 1 ? 1500 : 48),
                            true};
        store.objectStatus[i] = ElementStore::Used;
        store.texts[i] = {QStringLiteral("Текст %1").arg(i),
                          double((i % 20) * 1150),
                          double((i / 20) * 1100 + 750),
                          255,
                          QStringLiteral("DejaVu Sans"),
                          8.25,
                          i % 2 == 0,
                          false,
                          false,
                          false,
                          true};
        store.textStatus[i] = ElementStore::Used;
        store.lines[i] = {1, i, (i * 37) % 255 + 1, 1 + i % 3, 0, 1 + i % 5, i % 5};
        const int x = (i % 17) * 1400 + 300;
        const int y = (i / 17) * 1000 + 200;
        store.shapes[i] = {
            1 + i % 3, x,         y,     x + 600 + (i * 53) % 1650, y + 600 + (i * 31) % 1650,
            0,         1 + i % 5, i % 8, Rgb(200, 120, 40),         (i / 8) % 5};
        store.shapeHandles[i] = Shapes::handleTopLeft(store.shapes[i]);
    }
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
        const int x = ((slot - 1) % 5) * 4600 + 500;
        const int y = ((slot - 1) / 5) * 7000 + 1000;
        store.grids[slot] = GridRecord{1, 10, 10, y, x, 4000, 4500, Rgb(0, 0, 128), 1};
        store.gridHandles[slot] = QPointF(x, y);
    }
}

struct FullDocument {
    QTemporaryDir dir;
    SilentPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    Recovery recovery{ws, dir.path()};
    int moves = 0;
    FullDocument() { fill(ws); }
    // A change of the diagram, so that there is something to autosave.
    void move() {
        ws.edit(QStringLiteral("Преместване")).store().objects[2].Left += (moves++ & 1) ? -15 : 15;
    }
};

// What the window spends on one autosave: the copy of the diagram, the info file's bytes and
// handing both to the worker. The write is waited for outside the timing.
void BM_AutosaveOnTheWindowThread(benchmark::State& state) {
    FullDocument document;
    for (auto _ : state) {
        state.PauseTiming();
        document.move();
        state.ResumeTiming();
        if (!document.recovery.autosave())
            state.SkipWithError("nothing handed to the worker");
        state.PauseTiming();
        document.recovery.wait();
        state.ResumeTiming();
    }
    state.counters["file_MiB"] =
        double(QFileInfo(document.recovery.diagramPath()).size()) / 1048576;
}
BENCHMARK(BM_AutosaveOnTheWindowThread)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5);

// The whole autosave, the worker's write of the recovery file included.
void BM_AutosaveWritten(benchmark::State& state) {
    FullDocument document;
    for (auto _ : state) {
        state.PauseTiming();
        document.move();
        state.ResumeTiming();
        document.recovery.autosave();
        document.recovery.wait();
    }
}
BENCHMARK(BM_AutosaveWritten)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
