// Turning a large picture object by 90 degrees: the command from the element menu, and the
// exchange of rows and columns alone.
#include "BenchMain.h"
#include "app/Editor.h"
#include "objects/Orientation.h"
#include "workspace/Workspace.h"

#include "common/SilentPrompter.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A 4000 x 3000 picture with shading and noise, like a photograph.
QImage photo() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgb((x / 16 + int(random.bounded(16))) & 0xFF,
                          (y / 12 + int(random.bounded(16))) & 0xFF, int(random.bounded(256)));
    }
    return image;
}

// "Обърни на 90 градуса" on a 4000 x 3000 "SKETCHPAD" object of a shown editor window:
// commands locked, the bar shown and moved after each strip of columns, the picture turned,
// the object resized, the outline refitted, the commands unlocked. Each run turns the
// previous result, so runs alternate between 4000 x 3000 and 3000 x 4000.
void BM_Flip90Command(benchmark::State& state) {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    Editor editor(prompter, {programDir.path(), configDir.path()});
    editor.window().resize(1200, 800);
    editor.window().show();
    Workspace& ws = editor.workspace();
    {
        // Put in place the way a loaded diagram is, as one edit.
        Diagram::Edit setup = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        PictureObject& added = setup.store().objects[ws.diagram.Nomer];
        added.picture = photo();
        added.Width = 4000 * 15;
        added.Height = 3000 * 15;
    }
    const PictureObject& o = ws.store().objects[ws.diagram.Nomer];
    ws.diagram.contextElement = {ElementKind::Picture, ws.diagram.Nomer};
    QAction& flip90 = editor.window().action(QStringLiteral("mnuFlip90"));
    int progressSteps = 0;
    QObject::connect(editor.window().Progres, &QProgressBar::valueChanged,
                     [&progressSteps] { ++progressSteps; });
    for (auto _ : state) {
        flip90.trigger();
        benchmark::DoNotOptimize(o.picture.constBits());
    }
    state.counters["progress_steps"] = double(progressSteps) / double(state.iterations());
}
BENCHMARK(BM_Flip90Command)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The exchange of rows and columns of that picture alone, with a progress callback.
void BM_Transpose(benchmark::State& state) {
    const QImage picture = photo();
    int calls = 0;
    for (auto _ : state) {
        const QImage turned = Orientation::transposed(picture, [&calls](int, int) { ++calls; });
        benchmark::DoNotOptimize(turned.constBits());
    }
    state.counters["progress_calls"] = double(calls) / double(state.iterations());
}
BENCHMARK(BM_Transpose)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
