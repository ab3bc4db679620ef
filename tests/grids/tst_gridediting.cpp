#include "MainWindowFixture.h"

#include "common/Units.h"
#include "grids/GridCommands.h"
#include "grids/Grids.h"
#include "grids/frmEditTable.h"
#include "support/Setup.h"
#include "workspace/DiagramState.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Grid 1: 3 rows, 4 columns, 1200 x 700 at (1500, 1500), width 2, blue.
void oneGrid(Workspace& ws) {
    setUp(ws).store().grids[1] = GridRecord{1, 3, 4, 1500, 1500, 1200, 700, Rgb(0, 0, 200), 2};
    setUp(ws).store().gridHandles[1] = QPointF(1500, 1500);
    ws.canvas.gridHandleVisible[1] = true;
    ws.Pre4ertai();
}

QAction* entry(GridCommands& grids, const char* name) {
    return grids.mnuTables->findChild<QAction*>(QString::fromLatin1(name));
}

// Answers the grid dialog with `answer` when "Редактирай" runs on grid 1.
void editGrid(MainWindowFixture& f, std::function<void(frmEditTable&)> answer) {
    f.editor->grids().runEditDialog = std::move(answer);
    f.ws().diagram.contextElement = {ElementKind::Grid, 1};
    entry(f.editor->grids(), "mnuEdit")->trigger();
}

// The dialog's five fields, in the order it shows them.
constexpr int Height = 0, Width = 1, Rows = 2, Columns = 3, LineWidth = 4;

} // namespace

class TestGridEditing : public QObject {
    Q_OBJECT

private slots:
    void changesAreChecked_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored"); // 0: refused
        QTest::newRow("width 99") << Width << "99" << 0;
        QTest::newRow("width 100") << Width << "100" << 100;
        QTest::newRow("line width 6") << LineWidth << "6" << 0;
        QTest::newRow("line width 5") << LineWidth << "5" << 5;
        QTest::newRow("rows 0") << Rows << "0" << 0;
        QTest::newRow("columns 11") << Columns << "11" << 0;
        QTest::newRow("rows 2,5 round to even") << Rows << "2,5" << 2;
        QTest::newRow("height 32767") << Height << "32767" << 32767;
        QTest::newRow("height beyond 16 bits") << Height << "32768" << 0;
        QTest::newRow("empty height") << Height << "" << 0;
        QTest::newRow("negative rows") << Rows << "-2" << 0;
    }

    void changesAreChecked() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(int, stored);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        oneGrid(ws);
        int result = -1;
        editGrid(f, [&](frmEditTable& dialog) {
            QWidget* fields[] = {dialog.txtHeight, dialog.txtWidth, dialog.txtRows,
                                 dialog.txtColums, dialog.cmbDebLinii};
            if (auto* edit = qobject_cast<QLineEdit*>(fields[field]))
                edit->setText(text);
            else
                qobject_cast<QComboBox*>(fields[field])->setCurrentText(text);
            dialog.cmdOk->click();
            result = dialog.result();
        });
        QList<int> expected{700, 1200, 3, 4, 2};
        if (stored == 0) {
            QCOMPARE(f.prompter.texts(), QStringList{"Грешни данни"});
            QCOMPARE(f.prompter.messages.first().title, QStringLiteral("Грешка"));
            QCOMPARE(f.prompter.messages.first().icon, Prompter::Icon::Warning);
            QCOMPARE(result, int(QDialog::Rejected)); // still open
        } else {
            expected[field] = stored;
            QVERIFY(f.prompter.messages.isEmpty());
            QCOMPARE(result, int(QDialog::Accepted));
        }
        const GridRecord& g = ws.store().grids[1];
        QCOMPARE((QList<int>{g.Height, g.Width, g.Rows, g.Columns, g.LineWidth}), expected);
        QCOMPARE((QList<int>{g.Left, g.Top, g.Colour}), (QList<int>{1500, 1500, Rgb(0, 0, 200)}));
        QCOMPARE(ws.diagram.Promqna, stored != 0); // an edited grid is worth saving
    }

    void enlarging_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored"); // after "Промени"
        const QLocale point(QLocale::English, QLocale::UnitedStates);
        const QLocale comma(QLocale::Bulgarian, QLocale::Bulgaria);
        QTest::newRow("1000 twice") << comma << "1000" << 2 << "2250" << 2250;
        QTest::newRow("odd, comma") << comma << "1001" << 1 << "1501,5" << 1502;
        QTest::newRow("odd, point") << point << "1001" << 1 << "1501.5" << 1502;
        QTest::newRow("a half read back, comma") << comma << "1001" << 2 << "2253" << 2253;
        QTest::newRow("past 16 bits on the next press") << point << "30000" << 2 << "45000" << 0;
    }

    void enlarging() {
        QFETCH(QLocale, locale);
        QFETCH(QString, height);
        QFETCH(int, presses);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        MainWindowFixture f(settingsShowingDrawOptions());
        oneGrid(f.ws());
        QString text;
        editGrid(f, [&](frmEditTable& dialog) {
            dialog.numberLocale = locale;
            dialog.txtHeight->setText(height);
            for (int i = 0; i < presses; ++i)
                dialog.AddHeight->click();
            text = dialog.txtHeight->text();
            dialog.cmdOk->click();
        });
        QCOMPARE(text, shown);
        if (stored == 0) {
            // The second press found 45000 and said so; "Промени" refuses it too.
            QCOMPARE(f.prompter.texts(), (QStringList{"Грешни данни", "Грешни данни"}));
            QCOMPARE(f.ws().store().grids[1].Height, 700);
        } else {
            QVERIFY(f.prompter.messages.isEmpty());
            QCOMPARE(f.ws().store().grids[1].Height, stored);
        }
    }

    // The dialog shows the grid; a new colour repaints the lattice in place; "Отказ" keeps all.
    void colourAndCancel() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        oneGrid(ws);
        QStringList shown;
        f.prompter.colours = {Rgb(0, 160, 0), Rgb(0, 160, 0)};
        editGrid(f, [&](frmEditTable& dialog) {
            shown = {dialog.txtHeight->text(), dialog.txtWidth->text(),
                     dialog.txtRows->currentText(), dialog.txtColums->currentText(),
                     dialog.cmbDebLinii->currentText()};
            dialog.Color_Click();
            dialog.cmdCancel->click();
        });
        QCOMPARE(shown, (QStringList{"700", "1200", "3", "4", "2"}));
        QCOMPARE(ws.store().grids[1].Colour, Rgb(0, 0, 200));
        QVERIFY(!ws.diagram.Promqna);

        // With the resize handles on the grid, they follow its new size.
        ws.diagram.contextElement = {ElementKind::Grid, 1};
        entry(f.editor->grids(), "mnuResize")->trigger();
        editGrid(f, [](frmEditTable& dialog) {
            QTest::mouseClick(dialog.Color, Qt::LeftButton);
            QCOMPARE(dialog.colour(), Rgb(0, 160, 0));
            dialog.txtWidth->setText(QStringLiteral("1500"));
            dialog.cmdOk->click();
        });
        QCOMPARE(f.prompter.colourDialogs, 2);
        QCOMPARE(ws.store().grids[1].Colour, Rgb(0, 160, 0));
        QCOMPARE(ws.canvas.Manip[4].topLeft, QPointF(3000, 2200));
        // The new right edge, in the new colour.
        QCOMPARE(ws.renderRegion(QRectF(0, 0, 4500, 3000)).pixelColor(px(3000, 1800)),
                 QColor(0, 160, 0));
    }

    void dragging_data() {
        QTest::addColumn<QPoint>("by"); // pixels
        QTest::addColumn<bool>("live");
        QTest::addColumn<QPointF>("expected"); // twips; negative: at the far edge
        QTest::newRow("inside, live") << QPoint(100, 50) << true << QPointF(3000, 2250);
        QTest::newRow("inside, on release") << QPoint(100, 50) << false << QPointF(3000, 2250);
        QTest::newRow("past the left and top") << QPoint(-400, -400) << false << QPointF(0, 0);
        QTest::newRow("past the right and bottom") << QPoint(5000, 5000) << true << QPointF(-1, -1);
    }

    void dragging() {
        QFETCH(QPoint, by);
        QFETCH(bool, live);
        QFETCH(QPointF, expected);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        oneGrid(ws);
        ws.settings.Pre4ertaiPriMestene = live;
        ws.tools.mode = ToolState::box();
        if (expected.x() < 0)
            expected =
                QPointF(ws.canvas.width - Grids::HandleSize, ws.canvas.height - Grids::HandleSize);
        QSignalSpy repaints(&ws, &Workspace::persistentLayerChanged);
        const QPoint grab = px(1575, 1575);
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, grab);
        QVERIFY(ws.tools.mode.isEmpty()); // the press stops the tools
        QCOMPARE(ws.canvas.drag, (ElementRef{ElementKind::Grid, 1}));
        QTest::mouseMove(f.w().pano, grab + by);
        const GridRecord& g = ws.store().grids[1];
        QCOMPARE(QPointF(g.Left, g.Top), expected); // the record follows at once
        QCOMPARE(repaints.count() > 0, live);
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, grab + by);
        QCOMPARE(ws.store().gridHandles[1], expected);
        QVERIFY(ws.canvas.drag.isNone());
        QCOMPARE(ws.stateText(), DiagramStateText::changed());
        QVERIFY(ws.diagram.Promqna && repaints.count() > 0);
    }

    void oneDragAtATime() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        oneGrid(ws);
        ws.canvas.drag = {ElementKind::Text, 3};
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(1575, 1575));
        QTest::mouseMove(f.w().pano, px(3075, 3075));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, px(3075, 3075));
        QCOMPARE(ws.store().grids[1].Left, 1500);
        QCOMPARE(ws.canvas.drag, (ElementRef{ElementKind::Text, 3}));
        QVERIFY(!ws.diagram.Promqna);
    }

    void deleting_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }

    // From the handle's menu, with the resize handles shown on the grid first.
    void deleting() {
        QFETCH(bool, yes);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        oneGrid(ws);
        GridCommands& grids = f.editor->grids();
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, px(1575, 1575));
        QVERIFY(grids.mnuTables->isVisible());
        QCOMPARE(ws.diagram.contextElement, (ElementRef{ElementKind::Grid, 1}));
        grids.mnuTables->hide();
        QTest::mouseRelease(f.w().pano, Qt::RightButton);
        QStringList names;
        for (QAction* a : grids.mnuTables->actions())
            names << a->objectName();
        QCOMPARE(names, (QStringList{"mnuDellTable", "mnuTabCopy", "", "mnuEdit", "mnuResize"}));
        QVERIFY(!ws.diagram.Promqna); // a right click is no change

        ws.tools.mode = ToolState::line();
        entry(grids, "mnuResize")->trigger();
        QVERIFY(ws.tools.mode.isEmpty());
        QCOMPARE(ws.diagram.Izbr, int16_t(1));
        QCOMPARE(ws.canvas.manipKind, ElementKind::Grid);
        QVERIFY(ws.canvas.Manip[1].visible);
        QCOMPARE(ws.canvas.Manip[1].topLeft, QPointF(1410, 1410));
        QCOMPARE(ws.canvas.Manip[4].topLeft, QPointF(2700, 2200));

        f.prompter.answers.push_back(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
        entry(grids, "mnuDellTable")->trigger();
        QCOMPARE(f.prompter.titles(), QStringList{"Въпрос"});
        QCOMPARE(f.prompter.texts(), QStringList{"Искате ли да изтриете тази решетка ?"});
        const GridRecord& g = ws.store().grids[1];
        QCOMPARE(g.Used, yes ? 0 : 1);
        QCOMPARE(g.Rows, 3); // kept either way
        QCOMPARE(ws.canvas.gridHandleVisible[1], !yes);
        QCOMPARE(ws.canvas.Manip[1].visible, !yes);
        if (yes) {
            // The freed slot is the next grid's.
            ws.canvas.shpSelection.rect = QRectF(0, 0, 500, 500);
            QCOMPARE(Grids::NachertaiTablica(ws, 1, 1), int16_t(1));
        }
    }

    void copying_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        const QStringList tab{
            "Tab", "3", "4", "1500", "1500", "1200", "700", QString::number(Rgb(0, 0, 200)), "2"};
        QTest::newRow("empty buffer") << QStringList{} << tab;
        QTest::newRow("a longer text copy keeps its tail")
            << QStringList{"Tekst", "a", "1", "2", "3", "4", "5", "6", "7", "tail"}
            << (tab + QStringList{"tail"});
    }

    void copying() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        oneGrid(ws);
        QAction& paste = f.w().action(QStringLiteral("mnuPaste"));
        paste.setEnabled(false);
        ws.diagram.copyBuffer = before;
        ws.diagram.contextElement = {ElementKind::Grid, 1};
        entry(f.editor->grids(), "mnuTabCopy")->trigger();
        QCOMPARE(ws.diagram.copyBuffer, after);
        QVERIFY(paste.isEnabled());
    }
};

QTEST_MAIN(TestGridEditing)
#include "tst_gridediting.moc"
