#include "kinds/CoreKinds.h"
#include "print/PrintLayout.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Workspace.h"

#include <QtTest>

class TestPrintLayout : public QObject {
    Q_OBJECT

private slots:
    void fitting_data() {
        QTest::addColumn<QSizeF>("captured");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QSizeF>("drawn");
        QTest::newRow("small") << QSizeF(6000, 4000) << false << QSizeF(6000, 4000);
        QTest::newRow("wide, unscaled") << QSizeF(12000, 8000) << true << QSizeF(12000, 8000);
        QTest::newRow("very wide") << QSizeF(20000, 10000) << true << QSizeF(10800, 5400);
        QTest::newRow("tall") << QSizeF(8000, 16000) << false << QSizeF(7200, 14400);
        QTest::newRow("exactly 10800 wide") << QSizeF(10800, 5000) << false << QSizeF(10800, 5000);
        // The rules would give 14400 x 14400, off the paper: as wide as a portrait page prints.
        QTest::newRow("square") << QSizeF(12000, 12000) << false << QSizeF(10800, 10800);
        QTest::newRow("empty") << QSizeF(0, 0) << false << QSizeF(0, 0);
    }

    // Each image lands centred on its page.
    void fitting() {
        QFETCH(QSizeF, captured);
        QFETCH(bool, landscape);
        QFETCH(QSizeF, drawn);
        const PrintLayout::Page page = PrintLayout::fit(captured);
        QCOMPARE(page.landscape, landscape);
        QCOMPARE(page.size, landscape ? QSizeF(15840, 12240) : QSizeF(12240, 15840));
        QCOMPARE(page.image.size(), drawn);
        QCOMPARE(page.image.center(), QPointF(page.size.width() / 2, page.size.height() / 2));
        QVERIFY(page.image.width() <= (landscape ? 14400 : 10800));
    }

    // 400 twips around the elements, wherever they lie.
    void captureHasItsMargin_data() {
        QTest::addColumn<QPointF>("at");
        QTest::newRow("far from the origin") << QPointF(30000, 20000);
        QTest::newRow("left of and above it") << QPointF(-3000, -1500);
    }

    void captureHasItsMargin() {
        QFETCH(QPointF, at);
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        ws.setCanvasSize(1000, 700);
        QVERIFY(PrintLayout::capture(ws).isEmpty());
        setUp(ws).store().grids[1] =
            GridRecord{1, 2, 2, int(at.y()), int(at.x()), 3000, 1500, 0, 1};
        QCOMPARE(PrintLayout::capture(ws), QRectF(at.x() - 400, at.y() - 400, 3800, 2300));
    }
};

QTEST_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
