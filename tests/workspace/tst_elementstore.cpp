#include "kinds/CoreKinds.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/DiagramState.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class TestElementStore : public QObject {
    Q_OBJECT

private:
    static void fillObjects(Workspace& ws, int count) {
        for (int i = 0; i < count; ++i)
            ws.DobaviNov(QStringLiteral("SKETCHPAD"));
    }

private slots:
    void newObjectTakesLowestFreeSlotAfterDeletion() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        fillObjects(ws, 3);
        QCOMPARE(ws.diagram.Nomer, int16_t(3));
        setUp(ws).store().objectStatus[2] = ElementStore::Free;
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        QCOMPARE(ws.diagram.Nomer, int16_t(2));
        QCOMPARE(ws.diagram.lastCreatedObject, int16_t(2));
        QVERIFY(prompter.messages.isEmpty());
    }

    void newObjectIsPlacedAndNamedFromTheLibrary() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        QImage hub(40, 30, QImage::Format_RGB32);
        hub.fill(Qt::red);
        ws.kartinki.add(QStringLiteral("HUB"), hub, QStringLiteral("Хъб"));
        ws.DobaviNov(QStringLiteral("HUB"));
        const PictureObject& o = ws.store().objects[1];
        QCOMPARE(o.Tag, QStringLiteral("HUB"));
        QCOMPARE(o.ToolTipText, QStringLiteral("Хъб"));
        QCOMPARE(o.Left, 375.0);
        QCOMPARE(o.Top, 120.0);
        QCOMPARE(o.Width, 600.0);
        QCOMPARE(o.Height, 450.0);
        QVERIFY(o.Visible);
        QCOMPARE(ws.store().objectStatus[1], int16_t(ElementStore::Used));

        // A key the library lacks still gives an object that can be seen and deleted.
        ws.DobaviNov(QStringLiteral("NO_SUCH_KEY"));
        const PictureObject& missing = ws.store().objects[2];
        QCOMPARE(missing.picture, ImageStore::placeholder());
        QCOMPARE(QSizeF(missing.Width, missing.Height),
                 QSizeF(ImageStore::placeholder().size()) * 15);
        QCOMPARE(missing.Tag, QStringLiteral("NO_SUCH_KEY"));
        QCOMPARE(missing.ToolTipText, QStringLiteral("NO_SUCH_KEY"));
    }

    void reservedSlotIsNotFree() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().objectStatus[1] = ElementStore::Reserved;
        QCOMPARE(ws.FindEmpty(ElementKind::Picture), int16_t(2));
    }

    void fullObjectBufferShowsBothMessagesAndChangesNothing() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        fillObjects(ws, 255);
        QCOMPARE(ws.diagram.Nomer, int16_t(255));
        QVERIFY(prompter.messages.isEmpty());
        const ElementStore before = ws.store();

        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        QCOMPARE(ws.diagram.Nomer, int16_t(0));
        QCOMPARE(prompter.titles(), QStringList({QStringLiteral("Програмна грешка"),
                                                 QStringLiteral("Програмна грешка")}));
        QCOMPARE(prompter.texts(),
                 QStringList(
                     {QStringLiteral("Паметта препълнена - не могат да се изведат повече обекти !"),
                      QStringLiteral(
                          "Буферът за обекти е претоварен. Не могат да се създадат повече!")}));
        for (const auto& m : prompter.messages)
            QCOMPARE(m.icon, Prompter::Icon::Warning);
        QCOMPARE(ws.store().objectStatus, before.objectStatus);
        QCOMPARE(ws.diagram.lastCreatedObject, int16_t(255));
    }

    void findEmptyCoversEveryLargeBuffer() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
            setUp(ws).store().textStatus[slot] = ElementStore::Used;
            setUp(ws).store().shapes[slot].Kind = 3;
        }
        setUp(ws).store().lines[1].Used = 1;
        QCOMPARE(ws.FindEmpty(ElementKind::Text), int16_t(0));
        QCOMPARE(ws.FindEmpty(ElementKind::Shape), int16_t(0));
        QCOMPARE(ws.FindEmpty(ElementKind::Line), int16_t(2));
        QCOMPARE(prompter.messages.size(), 2);
        // A kind without a buffer of its own: nothing to find, nothing to say.
        QCOMPARE(ws.FindEmpty(ElementKind::ResizeHandle), int16_t(0));
        QCOMPARE(prompter.messages.size(), 2);
    }

    void tenGridsFitAndTheEleventhIsRefusedSilently() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        for (int i = 1; i <= 10; ++i) {
            const int16_t slot = ws.PraznaTablica();
            QCOMPARE(slot, int16_t(i));
            setUp(ws).store().grids[slot].Used = 1;
        }
        QCOMPARE(ws.PraznaTablica(), int16_t(0));
        QVERIFY(prompter.messages.isEmpty());
        setUp(ws).store().grids[4].Used = 0;
        QCOMPARE(ws.PraznaTablica(), int16_t(4));
    }

    void clearingEmptiesEveryBufferAndResetsTheState() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        fillObjects(ws, 2);
        ws.diagram.Posledno = QStringLiteral("HUB");
        setUp(ws).store().textStatus[5] = ElementStore::Used;
        setUp(ws).store().texts[5].Caption = QStringLiteral("x");
        setUp(ws).store().shapes[7] = {1, 10, 20, 30, 40, 255, 2, 0, 0, 0};
        setUp(ws).store().lines[3] = {1, 1, 2, 3, 255, 2, 1};
        setUp(ws).store().grids[10].Used = 1;
        ws.diagram.connection.step = 2;
        ws.diagram.connection.lineType = 3;
        ws.markChanged();
        ws.setFileText(DiagramStateText::file(QStringLiteral("/tmp/a.dia")));
        // Flattened pictures (the sketchpad mark has a grey frame) are on the canvas bitmap.
        ws.setCanvasSize(60, 60);
        setUp(ws).store().objects[1].Left = 0;
        setUp(ws).store().objects[1].Top = 0;
        ws.Combine();
        QCOMPARE(ws.bitmap().image().pixelColor(0, 0), QColor(Qt::gray));

        ws.Iz4isti();
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 0);
        QCOMPARE(ws.store().usedCount(ElementKind::Text), 0);
        QCOMPARE(ws.store().usedCount(ElementKind::Shape), 0);
        QCOMPARE(ws.store().usedCount(ElementKind::Line), 0);
        QCOMPARE(ws.store().usedGridCount(), 0);
        QCOMPARE(ws.store().lines[3].FromObject, 0);
        // Fields the clear does not name keep their values until the slot is reused.
        QCOMPARE(ws.store().lines[3].Colour, 255);
        QCOMPARE(ws.store().shapes[7].X2, 30);
        QCOMPARE(ws.diagram.connection.step, int16_t(0));
        QCOMPARE(ws.diagram.connection.lineType, int16_t(0));
        QVERIFY(!ws.diagram.Promqna);
        QCOMPARE(ws.stateText(), DiagramStateText::none());
        QCOMPARE(ws.fileText(), QStringLiteral("Файл : a.dia"));
        QCOMPARE(ws.diagram.Nomer, int16_t(2));
        QCOMPARE(ws.diagram.Posledno, QStringLiteral("HUB"));
        QCOMPARE(ws.bitmap().image().pixelColor(0, 0), QColor(Qt::white));
    }

    void saveChangesPrompt_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("questions");
        QTest::newRow("unchanged") << false << int(Prompter::Answer::Cancel) << true << 0 << 0;
        QTest::newRow("yes") << true << int(Prompter::Answer::Yes) << true << 1 << 1;
        QTest::newRow("no") << true << int(Prompter::Answer::No) << true << 0 << 1;
        QTest::newRow("cancel") << true << int(Prompter::Answer::Cancel) << false << 0 << 1;
    }

    void saveChangesPrompt() {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, goOn);
        QFETCH(int, saves);
        QFETCH(int, questions);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        int saveCalls = 0;
        ws.saveCommand = [&] { ++saveCalls; };
        ws.diagram.Promqna = changed;
        prompter.answers.push_back(static_cast<Prompter::Answer>(answer));
        QCOMPARE(ws.ZapaziPromenite(), goOn);
        QCOMPARE(saveCalls, saves);
        QCOMPARE(prompter.messages.size(), questions);
        if (questions) {
            QCOMPARE(prompter.messages[0].title, QStringLiteral("Въпрос"));
            QCOMPARE(prompter.messages[0].text,
                     QStringLiteral("Искате ли да запазите промените, преди да продължите ?"));
            QCOMPARE(prompter.messages[0].buttons, Prompter::Buttons::YesNoCancel);
        }
    }

    void addingAndMovingSetOnlyTheFlag() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.setStateText(DiagramStateText::loaded());
        QSignalSpy stateSpy(&ws, &Workspace::stateTextChanged);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        QVERIFY(ws.diagram.Promqna); // an added object is an unsaved change
        ws.setModified(false);
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());
        ws.edit(QStringLiteral("Преместване на обект")).store().objects[1].Left += 15;
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());
        QCOMPARE(stateSpy.count(), 0);
    }

    void stoppingTheToolKeepsAPendingSelection() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.tools.mode = ToolState::box();
        QVERIFY(ws.stopTools());
        QVERIFY(ws.tools.mode.isEmpty());
        ws.tools.mode = ToolState::selection();
        QVERIFY(!ws.stopTools());
        QCOMPARE(ws.tools.mode, ToolState::selection());
        ws.tools.mode = ToolState::line();
        ws.diagram.SelPicture = -1;
        QVERIFY(!ws.stopTools());
        QCOMPARE(ws.tools.mode, ToolState::line());
    }

    void transparencyAccessorsGuardTheirIndex() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        QVERIFY(ws.SetTransp(10, 128));
        QCOMPARE(ws.GetTransp(10), int16_t(128));
        QVERIFY(!ws.SetTransp(11, 1));
        QVERIFY(!ws.SetTransp(-1, 1));
        QCOMPARE(ws.GetTransp(11), int16_t(255));
        QCOMPARE(ws.GetTransp(-1), int16_t(255));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(ws.GetTransp(i), int16_t(255));
    }

    void snapshotIsIndependent() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        fillObjects(ws, 1);
        const ElementStore snapshot = ws.store();
        setUp(ws).store().objects[1].Left = 999;
        QCOMPARE(snapshot.objects[1].Left, 375.0);
    }
};

QTEST_MAIN(TestElementStore)
#include "tst_elementstore.moc"
