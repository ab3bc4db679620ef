// Copying the whole diagram document with every buffer full: what a step taken back and forth
// costs.
#include "BenchMain.h"
#include "FullDiagram.h"
#include "common/SilentPrompter.h"
#include "kinds/CoreKinds.h"
#include "workspace/Workspace.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

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
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
