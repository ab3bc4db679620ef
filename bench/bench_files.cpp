// Saving and loading a diagram with every buffer full and one large photographic picture.
#include "BenchMain.h"
#include "common/BoundedFileReader.h"
#include "common/Units.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "kinds/CoreKinds.h"
#include "workspace/Workspace.h"

#include "common/SilentPrompter.h"

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

void fill(Workspace& ws) {
    QImage hub(64, 48, QImage::Format_RGB32);
    hub.fill(QColor(120, 170, 220));
    ws.kartinki.add(QStringLiteral("HUB"), hub, QStringLiteral("Хъб"));
    // Put in place the way a loaded diagram is, as one edit.
    Diagram::Edit setup = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
    for (int i = 1; i <= ElementStore::Capacity; ++i) {
        ws.DobaviNov(i == 1 ? QStringLiteral("SKETCHPAD") : QStringLiteral("HUB"));
        PictureObject& o = setup.store().objects[i];
        o.Left = (i % 20) * 1150;
        o.Top = (i / 20) * 1100;
        setup.store().textStatus[i] = ElementStore::Used;
        setup.store().texts[i] = {QStringLiteral("Текст %1").arg(i),
                                  double(i * 15),
                                  double(i * 30),
                                  255,
                                  QStringLiteral("DejaVu Sans"),
                                  8.25,
                                  true,
                                  false,
                                  false,
                                  false,
                                  true};
        setup.store().shapes[i] = {1 + i % 3, i,         2 * i, 3 * i, 4 * i,
                                   255,       1 + i % 5, i % 8, 0,     i % 5};
        setup.store().lines[i] = {1, i, i % 255 + 1, 1 + i % 3, 255, 1 + i % 5, i % 5};
    }
    for (int g = 1; g <= ElementStore::GridCapacity; ++g)
        setup.store().grids[g] = {1, 10, 10, g * 100, g * 200, 3000, 2000, 0, 1};
    PictureObject& photo = setup.store().objects[1];
    photo.picture = photograph(2000, 1500);
    photo.Width = PixelsToTwips(2000);
    photo.Height = PixelsToTwips(1500);
}

struct FullDiagram {
    QTemporaryDir dir;
    SilentPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    QString path = dir.filePath(QStringLiteral("full.dia"));
    FullDiagram() { fill(ws); }
};

FullDiagram& TheDiagram() {
    static FullDiagram diagram;
    return diagram;
}

void BM_SaveFullDiagram(benchmark::State& state) {
    FullDiagram& d = TheDiagram();
    qint64 size = 0;
    for (auto _ : state) {
        // As the Save command writes it: into the file as it is made.
        size = 0;
        const auto produce = [&d, &size](const ImageExport::ByteSink& sink) {
            return DiaFile::write(d.ws, [&sink, &size](const char* data, qsizetype length) {
                size += length;
                return sink(data, length);
            });
        };
        if (ImageExport::saveStream(produce, d.path))
            state.SkipWithError("the file could not be written");
    }
    state.counters["MiB"] = double(size) / (1 << 20);
}
BENCHMARK(BM_SaveFullDiagram)->Unit(benchmark::kMillisecond)->Repetitions(5);

void BM_LoadFullDiagram(benchmark::State& state) {
    FullDiagram& d = TheDiagram();
    if (ImageExport::saveBytes(DiaFile::write(d.ws), d.path)) {
        state.SkipWithError("the file could not be written");
        return;
    }
    for (auto _ : state) {
        SilentPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.kartinki.add(QStringLiteral("HUB"), d.ws.kartinki.find(QStringLiteral("HUB"))->picture,
                        QStringLiteral("Хъб"));
        // As the Load command reads it: parsed as it is read.
        BoundedFileReader::stream(d.path, 1 << 30, [&ws](const BoundedFileReader::Source& source) {
            DiaFile::read(ws, source);
        });
        benchmark::DoNotOptimize(ws.store().objects[1].picture.constBits());
        if (ws.store().objects[1].picture.size() != QSize(2000, 1500))
            state.SkipWithError("the picture did not come back");
    }
}
BENCHMARK(BM_LoadFullDiagram)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
