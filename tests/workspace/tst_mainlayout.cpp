#include "workspace/MainLayout.h"

#include <QtTest>

namespace {
QString placementsOf(const MainLayout::Result& r, const QStringList& names) {
    QStringList out;
    for (const QString& name : names) {
        for (const auto& p : r.buttons)
            if (p.button == name)
                out << QStringLiteral("%1@%2,%3").arg(name).arg(p.left).arg(p.top);
    }
    return out.join(QLatin1Char(' '));
}
} // namespace

class TestMainLayout : public QObject {
    Q_OBJECT

private slots:
    void wideLayoutPutsAllButtonsInOneRow() {
        const auto r = MainLayout::compute(16000, 9000);
        QVERIFY(r);
        QCOMPARE(r->buttons.size(), 15);
        for (const auto& p : r->buttons)
            QCOMPARE(p.top, 120);
        QCOMPARE(r->canvasTop, 960);
        QCOMPARE(r->canvasWidth, 15700);
        QCOMPARE(r->canvasHeight, 9000 - 1395);
        QCOMPARE(placementsOf(*r, {"optLine", "cmdNewDia", "cmdExit"}),
                 QStringLiteral("optLine@10080,120 cmdNewDia@12025,120 cmdExit@14905,120"));
    }

    void mediumLayoutMovesFileButtonsToSecondRow() {
        const auto r = MainLayout::compute(13000, 9000);
        QVERIFY(r);
        QCOMPARE(r->canvasTop, 1800);
        QCOMPARE(r->canvasHeight, 9000 - 2190);
        QCOMPARE(
            placementsOf(*r, {"cmdNewDia", "cmdSave", "cmdLoad", "cmdExit", "optRect", "optLine"}),
            QStringLiteral("cmdNewDia@120,960 cmdSave@1080,960 cmdLoad@2040,960 "
                           "cmdExit@3000,960 optRect@9982,120 optLine@11902,120"));
    }

    void narrowLayoutMovesOnlyTenButtons() {
        const auto r = MainLayout::compute(10000, 7000);
        QVERIFY(r);
        QCOMPARE(r->buttons.size(), 10);
        QCOMPARE(placementsOf(*r, {"cmdCon", "cmdCon2", "optRect", "optLine", "cmdNewDia",
                                   "cmdExit", "cmdMenu"}),
                 QStringLiteral("cmdCon@6985,120 cmdCon2@8905,120 optRect@120,960 "
                                "optLine@2040,960 cmdNewDia@6025,960 cmdExit@8905,960"));
        QCOMPARE(r->canvasTop, 1800);
    }

    void bandEdges_data() {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("buttons"); // -1: no layout at all
        QTest::newRow("too narrow") << 8655 << 9000 << -1;
        QTest::newRow("too low") << 16000 << 6120 << -1;
        QTest::newRow("between min and narrow") << 9000 << 9000 << -1;
        QTest::newRow("narrow edge") << 9135 << 9000 << -1;
        QTest::newRow("narrow") << 9136 << 6121 << 10;
        QTest::newRow("exactly 12495") << 12495 << 9000 << -1;
        QTest::newRow("medium") << 12496 << 9000 << 15;
        QTest::newRow("exactly 15300") << 15300 << 9000 << -1;
        QTest::newRow("wide") << 15301 << 9000 << 15;
    }

    void bandEdges() {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, buttons);
        const auto r = MainLayout::compute(W, H);
        if (buttons < 0) {
            QVERIFY(!r);
        } else {
            QVERIFY(r);
            QCOMPARE(r->buttons.size(), buttons);
        }
    }

    void enlargedScrollMaximum_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("zero") << 0 << 200;
        QTest::newRow("1000") << 1000 << 1100;
        QTest::newRow("25 rounds to even 28") << 25 << 28;
        QTest::newRow("15 rounds to even 16") << 15 << 16;
        QTest::newRow("clamped") << 30000 << 32767;
        QTest::newRow("already at the top") << 32767 << 32767;
    }

    void enlargedScrollMaximum() {
        QFETCH(int, before);
        QFETCH(int, after);
        QCOMPARE(MainLayout::enlargedScrollMaximum(before), after);
    }
};

QTEST_APPLESS_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
