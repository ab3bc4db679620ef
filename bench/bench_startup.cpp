// Start-up cost: from nothing to the "Инициализиране..." phase of the splash with the full
// picture library, and the library loader on its own. Run with QT_QPA_PLATFORM=offscreen.

#include "app/Editor.h"
#include "common/Prompter.h"
#include "library/CatalogueLoader.h"
#include "library/ImageStore.h"
#include "library/frmSplash.h"
#include "workspace/Workspace.h"

#include "common/SilentPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A program folder holding a copy of the shipped library, so settings.ini is never written
// into the source tree.
struct ProgramFolder {
    QTemporaryDir dir;
    QTemporaryDir config;

    ProgramFolder() {
        const QDir source(QStringLiteral(VX_PROGRAM_DIR "/Kartinki"));
        QDir(dir.path()).mkpath(CatalogueLoader::folderName());
        const QDir target(dir.filePath(CatalogueLoader::folderName()));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), target.filePath(name));
    }
    QString kartinki() const { return dir.filePath(CatalogueLoader::folderName()); }
};

ProgramFolder& Folder() {
    static ProgramFolder folder;
    return folder;
}

void BM_StartupToInitialising(benchmark::State& state) {
    SilentPrompter prompter;
    const frmMain::Paths paths{Folder().dir.path(), Folder().config.path()};
    int pictures = 0;
    for (auto _ : state) {
        frmSplash splash([&] { return std::make_unique<Editor>(prompter, paths); },
                         [](QWidget&) {});
        splash.show();
        splash.Form_Load();
        if (splash.LabStatus->text() != frmSplash::initialisingText() ||
            !splash.libraryFaults().isEmpty()) {
            state.SkipWithError("the library did not load cleanly");
            break;
        }
        pictures = splash.editor()->pictureLibrary().count();
        state.PauseTiming();
        splash.LoadTimer->stop();
        state.ResumeTiming();
    }
    state.counters["pictures"] = pictures;
}
BENCHMARK(BM_StartupToInitialising)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CatalogueLoader(benchmark::State& state) {
    int pictures = 0;
    for (auto _ : state) {
        ImageStore store;
        store.addSketchpadEntry();
        CatalogueLoader loader(Folder().kartinki(), store);
        loader.loadAll();
        benchmark::DoNotOptimize(store.count());
        pictures = store.count();
    }
    state.counters["pictures"] = pictures;
}
BENCHMARK(BM_CatalogueLoader)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
