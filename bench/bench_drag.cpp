// One drag step of a picture object on a full canvas: mouse move -> MoveObj -> repaint.
#include "common/Units.h"
#include "objects/PictureCommands.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include "SilentPrompter.h"

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

void BM_DragStepFullCanvas(benchmark::State& state) {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    frmMain window(prompter, {programDir.path(), configDir.path()});
    window.resize(1600 + 20, 1000 + 100);
    window.show();
    window.pano->resize(1600, 1000);
    Workspace& ws = window.workspace();

    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(120, 170, 220));
    ws.kartinki.add(QStringLiteral("BOX"), picture, QStringLiteral("Кутия"));
    for (int i = 0; i < ElementStore::Capacity; ++i) {
        ws.DobaviNov(QStringLiteral("BOX"));
        PictureObject& o = ws.store.objects[ws.Nomer];
        o.Left = (i % 20) * 1150;
        o.Top = (i / 20) * 1100;
        TextField& t = ws.store.texts[i + 1];
        ws.store.textStatus[i + 1] = ElementStore::Used;
        t.Caption = QStringLiteral("Текст %1").arg(i + 1);
        t.FontName = QStringLiteral("DejaVu Sans");
        t.Visible = true;
        t.Left = (i % 20) * 1150;
        t.Top = (i / 20) * 1100 + 750;
        ws.bindTextDrag(static_cast<int16_t>(i + 1));
    }
    // Grab the topmost picture (slot 255 at the bottom-right of the grid) by its middle.
    const PictureObject& grabbed = ws.store.objects[ElementStore::Capacity];
    QPoint at(TwipsToPixel(grabbed.Left) + 10, TwipsToPixel(grabbed.Top) + 10);
    sendMouse(window.pano, QEvent::MouseButtonPress, at, Qt::LeftButton);
    // Render into an image of the canvas size: the same painting a screen update does, but
    // independent of whether the platform shows the window.
    QImage frame(window.pano->size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        at += QPoint((step % 40) < 20 ? 3 : -3, (step % 40) < 20 ? 2 : -2);
        ++step;
        sendMouse(window.pano, QEvent::MouseMove, at, Qt::LeftButton);
        window.pano->render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    sendMouse(window.pano, QEvent::MouseButtonRelease, at, Qt::NoButton);
}
BENCHMARK(BM_DragStepFullCanvas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("median", [](const std::vector<double>& v) {
        std::vector<double> sorted = v;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    });

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
