// The undo history with every buffer full and a 2000 x 1500 photo: recording a step, an undo or
// a redo with the canvas painted again, and what a hundred steps hold; a paste into the last
// free slot with its repaint.
#include "BenchMain.h"
#include "FullDiagram.h"
#include "app/Editor.h"
#include "common/SilentPrompter.h"
#include "kinds/CopyCommands.h"
#include "workspace/Pano.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct FullEditor {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    SilentPrompter prompter;
    Editor editor{prompter, {programDir.path(), configDir.path()}};
    QImage frame{1600, 1000, QImage::Format_RGB32};

    FullEditor() {
        frmMain& window = editor.window();
        window.resize(1600 + 20, 1000 + 100);
        window.show();
        window.pano->resize(1600, 1000);
        fill(editor.workspace(), true);
        repaint();
    }
    Workspace& ws() { return editor.workspace(); }
    // What a screen update of the canvas paints.
    void repaint() {
        editor.window().pano->render(&frame, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    }
};

// The resident memory of the process, in bytes.
qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

// One step: a picture object moved, as a drag's edit closes.
void BM_HistoryRecordStep(benchmark::State& state) {
    FullEditor full;
    Workspace& ws = full.ws();
    double left = 0;
    for (auto _ : state) {
        left = left > 20000 ? 0 : left + 15;
        ws.edit(QStringLiteral("Преместване на обект")).store().objects[7].Left = left;
    }
    state.counters["steps"] = ws.history().steps();
}
BENCHMARK(BM_HistoryRecordStep)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// An undo or a redo, taking turns, with the canvas painted again.
void BM_UndoRedoWithRepaint(benchmark::State& state) {
    FullEditor full;
    Workspace& ws = full.ws();
    ws.edit(QStringLiteral("Преместване на обект")).store().objects[7].Left += 600;
    bool back = true;
    for (auto _ : state) {
        if (!(back ? ws.undo() : ws.redo()))
            state.SkipWithError("nothing to undo or redo");
        full.repaint();
        back = !back;
    }
}
BENCHMARK(BM_UndoRedoWithRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A hundred steps of drags and edits: pictures and texts moved, captions and shapes changed.
void BM_HundredStepsMemory(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        FullEditor full;
        Workspace& ws = full.ws();
        const qint64 before = residentBytes();
        state.ResumeTiming();
        for (int step = 0; step < 100; ++step) {
            const int slot = 1 + step * 2;
            Diagram::Edit edit = ws.edit(QStringLiteral("Стъпка"));
            ElementStore& store = edit.store();
            switch (step % 4) {
            case 0:
                store.objects[slot].Left += 300;
                break;
            case 1:
                store.texts[slot].Top += 300;
                break;
            case 2:
                store.texts[slot].Caption += QStringLiteral(" нов");
                break;
            default:
                store.shapes[slot].FillColour ^= 0xFF;
                break;
            }
        }
        state.PauseTiming();
        state.counters["extra_MB"] = double(residentBytes() - before) / (1 << 20);
        state.counters["held_MB"] = double(ws.history().heldBytes()) / (1 << 20);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HundredStepsMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// "Постави" of a copied picture object into the one free object slot, with the repaint and the
// canvas painted; the pasted object is taken out again outside the timing.
void BM_PasteWithRepaint(benchmark::State& state) {
    FullEditor full;
    Workspace& ws = full.ws();
    ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced).store().objectStatus[200] =
        ElementStore::Free;
    ws.diagram.contextElement = {ElementKind::Picture, 7};
    QAction& copy = full.editor.window().action(QStringLiteral("mnuCopy"));
    QAction& paste = full.editor.window().action(QStringLiteral("mnuPaste"));
    copy.trigger();
    ws.tools.rightClick = QPointF(3000, 3000);
    const ElementStore before = ws.document().snapshot();
    for (auto _ : state) {
        paste.trigger();
        full.repaint();
        state.PauseTiming();
        if (ws.store().objectStatus[200] != ElementStore::Used)
            state.SkipWithError("nothing pasted");
        ws.restoreDiagram(before, QStringLiteral("Отмяна"));
        full.repaint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteWithRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
