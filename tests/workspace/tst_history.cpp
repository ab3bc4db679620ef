#include "kinds/CoreKinds.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/History.h"
#include "workspace/Workspace.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Moves text field 1 to `left`: one step.
void moveText(Workspace& ws, double left) {
    ws.edit(QStringLiteral("Преместване на текст")).store().texts[1].Left = left;
}

// Gives picture object 1 new pixels, `side` pixels square: one step holding them.
void repaint(Diagram& document, int side) {
    Diagram::Edit edit = document.edit(QStringLiteral("Промяна на картинка"));
    edit.store().objectStatus[1] = ElementStore::Used;
    edit.store().objects[1].picture = QImage(side, side, QImage::Format_ARGB32);
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    // The unsaved-changes flag is true exactly where the diagram differs from the saved one:
    // undoing back to it clears the flag, redoing away sets it, a step after an undo leaves the
    // saved diagram out of reach.
    void flagFollowsTheSavedDiagram() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        QSignalSpy shown(&ws, &Workspace::modifiedChanged);
        QString trail;
        const auto note = [&] {
            trail += QString::number(ws.history().position()) +
                     (ws.diagram.Promqna ? QStringLiteral("* ") : QStringLiteral(" "));
        };
        moveText(ws, 100);
        moveText(ws, 200);
        ws.setModified(false); // saved at 2
        note();
        ws.undo();
        note();
        ws.undo();
        note();
        ws.redo();
        ws.redo();
        note();
        ws.undo();
        moveText(ws, 300); // the saved diagram was the redo branch
        note();
        ws.undo();
        note();
        QCOMPARE(trail, QStringLiteral("2 1* 0* 2 2* 1* "));
        QCOMPARE(ws.history().steps(), 2);
        QCOMPARE(ws.history().undoStep(), QStringLiteral("Преместване на текст"));
        QCOMPARE(ws.history().redoStep(), QStringLiteral("Преместване на текст"));
        QCOMPARE(shown.count(), 5);

        // A recovered diagram is no saved one, wherever undo goes.
        ws.setModified(true);
        ws.redo();
        ws.undo();
        QVERIFY(ws.diagram.Promqna);
        // A diagram put in place as a whole starts a new history, saved as it is.
        ws.Iz4isti();
        QVERIFY(!ws.diagram.Promqna);
        QVERIFY(!ws.history().canUndo() && !ws.history().canRedo());
        QVERIFY(!ws.undo());
    }

    // An undo never breaks into a step that is still open (a drag not yet released).
    void undoWaitsForAnOpenStep() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        moveText(ws, 100);
        {
            Diagram::Edit drag = ws.edit(QStringLiteral("Преместване на текст"));
            drag.store().texts[1].Left = 150;
            QVERIFY(!ws.undo());
            QCOMPARE(ws.store().texts[1].Left, 150.0);
        }
        QCOMPARE(ws.history().steps(), 2);
        QVERIFY(ws.undo());
        QCOMPARE(ws.store().texts[1].Left, 100.0);
    }

    void boundDropsTheOldestSteps_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("kept");
        // 400 x 400 pixels are 640 000 bytes: a bound of 2 000 000 holds three copies besides
        // the one shown, whatever their number.
        QTest::newRow("new pictures") << 400 << 8 << 3;
        // Copies that share the shown picture cost only their records.
        QTest::newRow("the same picture") << 0 << 8 << 8;
    }

    void boundDropsTheOldestSteps() {
        QFETCH(int, side);
        QFETCH(int, steps);
        QFETCH(int, kept);
        const qint64 bound = 2'000'000 + steps * qint64(sizeof(ElementStore));
        Diagram document;
        repaint(document, 400);
        History history(document, bound); // starts from the diagram as it is: the saved one
        for (int step = 0; step < steps; ++step) {
            if (side > 0) {
                repaint(document, side);
            } else {
                Diagram::Edit move = document.edit(QStringLiteral("Преместване на обект"));
                move.store().objects[1].Left += 15;
            }
        }
        QCOMPARE(history.steps(), kept);
        QVERIFY(history.heldBytes() <= bound);
        QVERIFY(!history.isClean());
        for (int step = 0; step < kept; ++step)
            QVERIFY(history.undo([&](const ElementStore& content, const QString& name) {
                document.restore(content, name);
            }));
        QVERIFY(!history.canUndo());
        QCOMPARE(history.isClean(), kept == steps);
        QCOMPARE(document.store().objects[1].Left, 0.0);
    }

    // What the canvas shows besides the diagram follows an undo: nothing stays on an element
    // that may be gone.
    void viewFollowsAnUndo() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        {
            Diagram::Edit setup = setUp(ws);
            setup.store().textStatus[1] = setup.store().textStatus[2] = ElementStore::Used;
            setup.store().shapes[1].Kind = 1;
            setup.store().grids[1].Used = 1;
        }
        ws.canvas.showHandles = false;
        moveText(ws, 100);
        ws.edit(QStringLiteral("Изтриване на текст")).store().textStatus[2] = ElementStore::Free;
        ws.setOutline(0, true, QRectF(0, 0, 90, 90));
        ws.canvas.Manip[2].visible = true;
        ws.setSelection(true, QRectF(0, 0, 300, 300));
        ws.diagram.connection.step = ConnectionState::WaitForSecond;
        ws.diagram.contextElement = {ElementKind::Text, 1}; // unchanged by the undo: kept
        ws.undo();
        QCOMPARE(ws.store().textStatus[2], int16_t(ElementStore::Used));
        QCOMPARE(ws.diagram.contextElement, ElementRef({ElementKind::Text, 1}));
        QVERIFY(!ws.canvas.Ogr[0].visible && !ws.canvas.Manip[2].visible);
        QVERIFY(!ws.canvas.shpSelection.visible);
        QCOMPARE(ws.diagram.connection.step, int16_t(ConnectionState::None));
        // Shape handles by the handle rule, grid handles always.
        QVERIFY(!ws.canvas.shapeHandleVisible[1] && ws.canvas.gridHandleVisible[1]);
        ws.undo(); // text 1 moves back: the context element changed
        QVERIFY(ws.diagram.contextElement.isNone());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
