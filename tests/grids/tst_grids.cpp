#include "kinds/CoreKinds.h"
#include "support/Setup.h"
#include "workspace/MainWindowFixture.h"

#include "common/Units.h"
#include "grids/GridCommands.h"
#include "grids/Grids.h"
#include "grids/frmAddTable.h"
#include "objects/ResizeHandles.h"
#include "workspace/DiagramState.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

namespace {

GridRecord grid(int rows, int columns, int left, int top, int width, int height) {
    return GridRecord{1, rows, columns, top, left, width, height, Rgb(0, 0, 0), 1};
}

} // namespace

Q_DECLARE_METATYPE(GridRecord)

class TestGrids : public QObject {
    Q_OBJECT

private slots:
    void lattice_data() {
        QTest::addColumn<GridRecord>("grid");
        QTest::addColumn<QList<qreal>>("rows");
        QTest::addColumn<QList<qreal>>("columns");
        QTest::newRow("1 x 1: the outer rectangle only")
            << grid(1, 1, 0, 0, 1000, 700) << QList<qreal>{} << QList<qreal>{};
        QTest::newRow("3 rows over 700 twips: fractional steps")
            << grid(3, 2, 0, 1000, 1000, 700) << QList<qreal>{1233.33, 1466.67}
            << QList<qreal>{500};
        QTest::newRow("10 x 10: nine and nine")
            << grid(10, 10, 0, 0, 1000, 1000)
            << QList<qreal>{100, 200, 300, 400, 500, 600, 700, 800, 900}
            << QList<qreal>{100, 200, 300, 400, 500, 600, 700, 800, 900};
        QTest::newRow("no rows from a damaged file: nothing inside")
            << grid(0, -3, 0, 0, 1000, 1000) << QList<qreal>{} << QList<qreal>{};
    }

    void lattice() {
        QFETCH(GridRecord, grid);
        QFETCH(QList<qreal>, rows);
        QFETCH(QList<qreal>, columns);
        const Grids::Lattice l = Grids::lattice(grid);
        QCOMPARE(l.outer, QRectF(grid.Left, grid.Top, grid.Width, grid.Height));
        QCOMPARE(l.rows.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i) {
            // Right to left, at the row's height.
            QCOMPARE(l.rows[i].p1().x(), double(grid.Left + grid.Width));
            QVERIFY2(std::abs(l.rows[i].y1() - rows[i]) < 0.01,
                     qPrintable(QString::number(l.rows[i].y1())));
        }
        QCOMPARE(l.columns.size(), columns.size());
        for (int j = 0; j < columns.size(); ++j) {
            QCOMPARE(l.columns[j].p1().y(), double(grid.Top + grid.Height));
            QVERIFY(std::abs(l.columns[j].x1() - columns[j]) < 0.01);
        }
    }

    // The lattice on the canvas: lines where the steps say, nothing between them.
    void painting() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        setUp(ws).store().grids[1] = grid(2, 4, 150, 150, 1200, 600);
        setUp(ws).store().grids[1].LineWidth = 3;
        setUp(ws).store().grids[1].Colour = Rgb(0, 128, 0);
        QImage image(100, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(1.0 / 15, 1.0 / 15);
        Grids::paintGrid(painter, ws.store(), 1);
        painter.end();
        const QColor green(0, 128, 0);
        QCOMPARE(image.pixelColor(50, 30), green); // the row line at 450 twips
        QCOMPARE(image.pixelColor(50, 31), green); // three pixels wide
        QCOMPARE(image.pixelColor(30, 20), green); // the column line at 450 twips
        QCOMPARE(image.pixelColor(40, 20), QColor(Qt::white));
        QCOMPARE(image.pixelColor(90, 50), green); // the outer right edge
    }

    void dialogValidates_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("message"); // empty: the grid is made
        QTest::newRow("0 rows") << "0"
                                << "3"
                                << "Таблицата не може да се построи";
        QTest::newRow("11 columns") << "2"
                                    << "11"
                                    << "Таблицата не може да се построи";
        QTest::newRow("letters") << "a"
                                 << "3"
                                 << "Грешни данни";
        QTest::newRow("empty") << "2"
                               << ""
                               << "Грешни данни";
        QTest::newRow("2,5 rounds to even") << "2,5"
                                            << "10"
                                            << "";
    }

    void dialogValidates() {
        QFETCH(QString, rows);
        QFETCH(QString, columns);
        QFETCH(QString, message);
        MainWindowFixture f(settingsShowingDrawOptions());
        f.ws().canvas.shpSelection.rect = QRectF(100.4, 200.6, 1000, 700.5);
        frmAddTable dialog(f.w());
        dialog.txtRows->setCurrentText(rows);
        dialog.txtColums->setCurrentText(columns);
        dialog.cmdGo->click();
        if (!message.isEmpty()) {
            QCOMPARE(f.prompter.texts(), QStringList{message});
            QCOMPARE(f.prompter.messages.first().title, QStringLiteral("Грешка"));
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(f.ws().store().usedGridCount(), 0);
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const GridRecord& g = f.ws().store().grids[1];
        QCOMPARE((QList<int>{g.Used, g.Rows, g.Columns, g.Left, g.Top, g.Width, g.Height}),
                 (QList<int>{1, 2, 10, 100, 201, 1000, 700}));
    }

    // The whole way: the command, the marked area, the dialog, the repaint.
    void gridFromTheMenu() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        QAction& mnuTable = f.w().action(QStringLiteral("mnuTable"));
        // Cancelling the first question changes nothing.
        ws.tools.mode = ToolState::box();
        f.prompter.answers.push_back(Prompter::Answer::Cancel);
        mnuTable.trigger();
        QCOMPARE(ws.tools.mode, ToolState::box());
        f.prompter.answers.push_back(Prompter::Answer::Ok);
        mnuTable.trigger();
        QCOMPARE(ws.tools.mode, ToolState::selection());
        const ScriptedPrompter::Message& question = f.prompter.messages.last();
        QCOMPARE(question.title, QStringLiteral("Решетка"));
        // The text names the button (its "ОK" starts with a Cyrillic О); the button reads "OK".
        QCOMPARE(question.text,
                 QStringLiteral("Ако искате да начертаете решетка натиснете ОK и маркирайте "
                                "областта и на екрана с мишката."));
        QCOMPARE(question.okCaption, QStringLiteral("OK"));

        // Hidden handles do not hide a new grid's.
        f.w().action(QStringLiteral("mnuHideManiFig")).trigger();
        ws.tools.drawingColour = Rgb(0, 0, 200);
        ws.tools.lineWidth = QStringLiteral("2");
        f.answerGridDialog = [](frmAddTable& dialog) {
            dialog.txtRows->setCurrentText(QStringLiteral("3"));
            dialog.txtColums->setCurrentText(QStringLiteral("4"));
            dialog.cmdGo->click();
        };
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(3000, 2400));
        QTest::mouseMove(f.w().pano, px(1500, 1200));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, px(1500, 1200));
        QCOMPARE(f.gridDialogs, 1);
        const GridRecord& g = ws.store().grids[1];
        QCOMPARE((QList<int>{g.Rows, g.Columns, g.Left, g.Top, g.Width, g.Height, g.Colour,
                             g.LineWidth}),
                 (QList<int>{3, 4, 1500, 1200, 1500, 1200, Rgb(0, 0, 200), 2}));
        QVERIFY(ws.canvas.gridHandleVisible[1]);
        QCOMPARE(ws.store().gridHandles[1], QPointF(1500, 1200));
        QVERIFY(ws.tools.mode.isEmpty());
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(ws.stateText(), DiagramStateText::changed());
    }

    // Press, moves and release (twips) that end where they began mark no area, whatever
    // rectangle a resize outline or an earlier marking left behind.
    void markingWithoutAnArea_data() {
        QTest::addColumn<QList<QPointF>>("path");
        QTest::newRow("a click") << QList<QPointF>{{3000, 2400}, {3000, 2400}};
        QTest::newRow("out and back to the start")
            << QList<QPointF>{{3000, 2400}, {4500, 3600}, {3000, 2400}};
    }

    void markingWithoutAnArea() {
        QFETCH(QList<QPointF>, path);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        setUp(ws).store().grids[1] = grid(1, 1, 600, 600, 1500, 900);
        ResizeHandles::show(ws, {ElementKind::Grid, 1});
        f.prompter.answers.push_back(Prompter::Answer::Ok);
        f.w().action(QStringLiteral("mnuTable")).trigger();
        f.prompter.clear();
        f.answerGridDialog = [](frmAddTable& dialog) { dialog.cmdGo->click(); };

        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, px(path.first().x(), path.first().y()));
        for (qsizetype i = 1; i + 1 < path.size(); ++i)
            QTest::mouseMove(f.w().pano, px(path[i].x(), path[i].y()));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, px(path.last().x(), path.last().y()));

        QCOMPARE(f.gridDialogs, 0);
        QCOMPARE(ws.store().usedGridCount(), 1);
        QCOMPARE(f.prompter.messages.size(), 1);
        const ScriptedPrompter::Message& m = f.prompter.messages.first();
        QCOMPARE(m.title, QStringLiteral("Решетка"));
        QCOMPARE(m.text, QStringLiteral("Не е маркирана област за решетката."));
        QCOMPARE(m.icon, Prompter::Icon::Information);
        QCOMPARE(m.buttons, Prompter::Buttons::Ok);
        QVERIFY(ws.tools.mode.isEmpty());
        QVERIFY(!ws.canvas.shpSelection.visible);
        QCOMPARE(ws.canvas.shpSelection.rect, QRectF(path.last(), QSizeF(0, 0)));
    }

    void eleventhGrid() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot)
            setUp(ws).store().grids[slot] = grid(1, 1, 0, 0, 100, 100);
        frmAddTable dialog(f.w());
        dialog.cmdGo->click();
        QCOMPARE(f.prompter.texts(), QStringList{"Не може да се изведе таблица !"});
        QCOMPARE(dialog.result(), int(QDialog::Accepted)); // it closes all the same
        QVERIFY(!ws.canvas.gridHandleVisible[1]);
    }

    void cancelStopsTheTools() {
        MainWindowFixture f(settingsShowingDrawOptions());
        f.ws().tools.mode = ToolState::line();
        frmAddTable dialog(f.w());
        dialog.cmdCancel->click();
        QVERIFY(f.ws().tools.mode.isEmpty());
        QCOMPARE(f.ws().store().usedGridCount(), 0);
    }
};

QTEST_MAIN(TestGrids)
#include "tst_grids.moc"
