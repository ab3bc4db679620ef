// Copying the whole diagram document with every buffer full: what a step taken back and forth
// costs.
#include "common/SilentPrompter.h"
#include "common/Units.h"
#include "kinds/CoreKinds.h"
#include "shapes/Shapes.h"
#include "workspace/Workspace.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// 255 picture objects, each with a 64 x 48 picture of its own, 255 text fields, 255 connection
// lines, 255 shapes with their handles and ten 10 x 10 grids with theirs.
void fill(Workspace& ws) {
    Diagram::Edit fill = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
    ElementStore& store = fill.store();
    for (int i = 1; i <= ElementStore::Capacity; ++i) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(i, 255 - i, (i * 7) & 0xFF));
        store.objects[i] = {picture,
                            QStringLiteral("SKETCHPAD"),
                            QStringLiteral("Обект %1").arg(i),
                            double((i % 20) * 1150),
                            double((i / 20) * 1100),
                            PixelsToTwips(64),
                            PixelsToTwips(48),
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
    SilentPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    FullDocument() { fill(ws); }
};

void BM_DocumentSnapshot(benchmark::State& state) {
    FullDocument document;
    for (auto _ : state) {
        const ElementStore copy = document.ws.document().snapshot();
        benchmark::DoNotOptimize(copy.objects.back().picture.constBits());
    }
}
BENCHMARK(BM_DocumentSnapshot)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// Putting a copy back, as one edit; the copies alternate, so every restore changes the diagram.
void BM_DocumentRestore(benchmark::State& state) {
    FullDocument document;
    Diagram& diagram = document.ws.document();
    const ElementStore first = diagram.snapshot();
    ElementStore second = first;
    second.objects[1].Left += 15;
    const ElementStore* copies[] = {&first, &second};
    int n = 0;
    for (auto _ : state) {
        diagram.restore(*copies[n++ & 1], QStringLiteral("Отмяна"));
        benchmark::DoNotOptimize(diagram.store().objects[1].Left);
    }
    if (document.ws.store().usedCount(ElementKind::Picture) != ElementStore::Capacity)
        state.SkipWithError("the restored diagram lost objects");
}
BENCHMARK(BM_DocumentRestore)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
