// The search panel and the buffer view in the wired editor.
#include "MainWindowFixture.h"

#include "search/SearchBox.h"
#include "search/SearchCommands.h"
#include "search/frmBuffer.h"
#include "support/Setup.h"
#include "workspace/EditorContext.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

// A 375 x 375 twip picture object with a name.
void putObject(Workspace& ws, int slot, const QString& name, double left, double top) {
    Diagram::Edit edit = setUp(ws);
    edit.store().objectStatus[slot] = ElementStore::Used;
    QImage picture(25, 25, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    edit.store().objects[slot] = {picture, QStringLiteral("SKETCHPAD"), name, left, top, 375, 375,
                                  true};
}

} // namespace

class TestSearchPanel : public QObject {
    Q_OBJECT

private slots:
    // Ctrl+F opens the panel with the key selected for typing over; Enter searches; "Затвори"
    // hides the panel and the highlight.
    void keysOpenPanelAndSearch() {
        MainWindowFixture f;
        putObject(f.ws(), 1, QStringLiteral("Широколентов рутър"), 1000, 2000);
        SearchBox& box = f.editor->search().box();
        QVERIFY(!box.isVisible());
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QTest::keyClick(&f.w(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(box.isVisible());
        QVERIFY(box.chkObj->isChecked() && box.txtText->isChecked());
        QCOMPARE(box.lblSBLabel->text(), QStringLiteral("Претърсени : 0 / 0"));
        QCOMPARE(QApplication::focusWidget(), box.txtKey);

        box.txtKey->setText(QStringLiteral("рут"));
        QTest::keyClick(box.txtKey, Qt::Key_Return);
        QVERIFY(f.ws().canvas.FoundBox.visible);
        QCOMPARE(f.ws().canvas.FoundBox.rect, QRectF(960, 1960, 455, 455));
        QCOMPARE(box.lblSBLabel->text(), QStringLiteral("Претърсени : 1 / 1"));

        QTest::keyClick(&f.w(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(box.txtKey->selectedText(), QStringLiteral("рут"));
        QCOMPARE(f.w().action(QStringLiteral("mnuSearch")).shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_F));

        box.cmdClose->click();
        QVERIFY(!box.isVisible());
        QVERIFY(!f.ws().canvas.FoundBox.visible);
    }

    // Typing in the key box, "Нулирай" and either check box start the search again.
    void resetsHideHighlight_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("counter");
        QTest::newRow("typing") << "typing"
                                << "Претърсени : 0 / 3";
        QTest::newRow("Нулирай") << "clear"
                                 << "Претърсени : 0 / 3";
        QTest::newRow("objects unticked") << "objects"
                                          << "Претърсени : 0 / 0";
    }

    void resetsHideHighlight() {
        QFETCH(QString, how);
        QFETCH(QString, counter);
        MainWindowFixture f;
        putObject(f.ws(), 2, QStringLiteral("Сървър"), 500, 500);
        putObject(f.ws(), 3, QStringLiteral("Рутер"), 1500, 500);
        putObject(f.ws(), 7, QStringLiteral("Модем"), 2500, 500);
        f.w().action(QStringLiteral("mnuSearch")).trigger();
        SearchBox& box = f.editor->search().box();
        box.txtKey->setText(QStringLiteral("РУТЕР"));
        box.cmdSearch->click();
        QVERIFY(f.ws().canvas.FoundBox.visible);
        QCOMPARE(box.lblSBLabel->text(), QStringLiteral("Претърсени : 2 / 3"));

        if (how == QLatin1String("typing"))
            QTest::keyClick(box.txtKey, Qt::Key_A);
        else if (how == QLatin1String("clear"))
            QTest::mouseClick(box.lblClear, Qt::LeftButton);
        else
            box.chkObj->click();
        QVERIFY(!f.ws().canvas.FoundBox.visible);
        QCOMPARE(box.lblSBLabel->text(), counter);
        QCOMPARE(f.editor->search().search().nextSlot(), 0);
    }

    void emptyKeyIsReported() {
        MainWindowFixture f;
        putObject(f.ws(), 1, QStringLiteral("Рутер"), 500, 500);
        f.w().action(QStringLiteral("mnuSearch")).trigger();
        f.editor->search().box().cmdSearch->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        const ScriptedPrompter::Message& shown = f.prompter.messages.first();
        QCOMPARE(shown.title, QStringLiteral("Грешка !!"));
        QCOMPARE(shown.text, QStringLiteral("Не сте въвели ключ за търсене !"));
        QCOMPARE(shown.icon, Prompter::Icon::Warning);
        QVERIFY(!f.ws().canvas.FoundBox.visible);
    }

    // A match out of view brings the view to it, the scroll bars within their ranges.
    void scrollsToMatchOutOfView() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const double farLeft = ws.canvas.width + 3000;
        const double farTop = ws.canvas.height + 2000;
        putObject(ws, 1, QStringLiteral("Рутер"), 500, 500);
        putObject(ws, 2, QStringLiteral("Рутер 2"), farLeft, farTop);
        f.w().Proveri();
        f.w().action(QStringLiteral("mnuSearch")).trigger();
        SearchBox& box = f.editor->search().box();
        box.txtKey->setText(QStringLiteral("рутер"));

        box.cmdSearch->click();
        QCOMPARE(ws.canvas.view.origin, QPointF(0, 0));
        box.cmdSearch->click();
        const QRectF found = ws.canvas.FoundBox.rect;
        QCOMPARE(found, QRectF(farLeft - 40, farTop - 40, 455, 455));
        QVERIFY(ws.canvas.visibleArea().contains(found));
        const QScrollBar* bars[] = {f.w().pano->MoveHorizont, f.w().pano->MoveVertikal};
        for (const QScrollBar* bar : bars)
            QVERIFY(bar->value() > 0 && bar->value() <= bar->maximum());
        QCOMPARE(ws.canvas.view.origin, QPointF(bars[0]->value(), bars[1]->value()));

        // Back to the first: the view goes back to show it.
        box.cmdSearch->click();
        QCOMPARE(ws.canvas.FoundBox.rect, QRectF(460, 460, 455, 455));
        QVERIFY(ws.canvas.visibleArea().contains(ws.canvas.FoundBox.rect));
    }

    // The highlight marks its element: it follows a move and goes with the element or the
    // diagram.
    void highlightFollowsItsElement_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("visible");
        QTest::newRow("moved") << "moved" << true;
        QTest::newRow("deleted") << "deleted" << false;
        QTest::newRow("new diagram") << "new" << false;
        QTest::newRow("another element changed") << "other" << true;
    }

    void highlightFollowsItsElement() {
        QFETCH(QString, change);
        QFETCH(bool, visible);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        putObject(ws, 1, QStringLiteral("Рутер"), 500, 500);
        putObject(ws, 2, QStringLiteral("Модем"), 1500, 500);
        f.w().action(QStringLiteral("mnuSearch")).trigger();
        SearchBox& box = f.editor->search().box();
        box.txtKey->setText(QStringLiteral("рут"));
        box.cmdSearch->click();
        QVERIFY(ws.canvas.FoundBox.visible);

        if (change == QLatin1String("moved"))
            ws.edit(QStringLiteral("Преместване на обект")).store().objects[1].Left = 3000;
        else if (change == QLatin1String("deleted"))
            ws.deletePicture(1);
        else if (change == QLatin1String("new"))
            ws.Iz4isti();
        else
            ws.edit(QStringLiteral("Преместване на обект")).store().objects[2].Left = 3000;
        QCOMPARE(ws.canvas.FoundBox.visible, visible);
        if (visible)
            QCOMPARE(ws.canvas.FoundBox.rect,
                     Search::highlight(ws.elementRect({ElementKind::Picture, 1})));
    }

    void bufferView_data() {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QStringList>("counts");
        QTest::newRow("empty") << false << QStringList{"0/255", "0/255", "0/255", "0/255", "0/10"};
        QTest::newRow("full") << true
                              << QStringList{"255/255", "255/255", "255/255", "255/255", "10/10"};
    }

    void bufferView() {
        QFETCH(bool, full);
        QFETCH(QStringList, counts);
        const QStringList words = {"обекти", "текст", "линии", "фигури", "решетки"};
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.settings.transparency[int(SettingsWindow::Buffers)] = 200;
        if (full) {
            Diagram::Edit edit = setUp(ws);
            ElementStore& store = edit.store();
            for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
                store.objectStatus[slot] = ElementStore::Used;
                store.textStatus[slot] = ElementStore::Used;
                store.lines[slot].Used = 1;
                store.shapes[slot].Kind = 1 + slot % 3;
            }
            for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot)
                store.grids[slot].Used = 1;
        }
        int shown = 0;
        f.editor->search().runBufferView = [&](frmBuffer& view) {
            ++shown;
            QCOMPARE(view.windowTitle(), QStringLiteral("Натовареност на буфера"));
            QCOMPARE(view.fraLoad->title(), QStringLiteral("Натовареност:"));
            const QLabel* shownLabels[] = {view.lblObj, view.lblTxt, view.lblLin, view.lblShp,
                                           view.lblTab};
            const QProgressBar* bars[] = {view.PrgObj, view.PrgTxt, view.PrgLin, view.PrgShp,
                                          view.PrgTab};
            for (int i = 0; i < 5; ++i) {
                const QString tip = QStringLiteral("Натовареност на буфера за ") + words[i];
                QCOMPARE(shownLabels[i]->text(), tip + QStringLiteral(": ") + counts[i]);
                QCOMPARE(bars[i]->toolTip(), tip);
                QCOMPARE(bars[i]->maximum(), i < 4 ? 255 : 10);
                QCOMPARE(bars[i]->value(), full ? bars[i]->maximum() : 0);
            }
            QVERIFY(qAbs(view.windowOpacity() - 200 / 255.0) < 0.001);
            QTest::keyClick(&view, Qt::Key_Escape);
        };
        f.w().action(QStringLiteral("mnuBuffers")).trigger();
        QCOMPARE(shown, 1);
    }
};

QTEST_MAIN(TestSearchPanel)
#include "tst_searchpanel.moc"
