#include "workspace/StatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

class TestStatusBar : public QObject {
    Q_OBJECT

private slots:
    void panelsHaveTheirTextsAndWidths();
    void panelsFitTheirTextsAndNeverOverlap();
    void panelTextByNumber();
    void clockPanels_data();
    void clockPanels();
    void timerTicksTheClock();
    void emptyClockIsTheSystemClock();
    void capsPanelOffscreen();
};

void TestStatusBar::panelsHaveTheirTextsAndWidths() {
    StatusBar bar;
    bar.resize(1200, 24);
    bar.show();
    QCOMPARE(bar.objectName(), QStringLiteral("StatInfo"));
    const int widths[] = {96, 220, 200, 96, 96, 96};
    for (int i = 1; i <= StatusBar::PanelCount; ++i) {
        QLabel* label = bar.panel(i);
        QVERIFY(label);
        QCOMPARE(label->minimumWidth(), widths[i - 1]);
        QCOMPARE(label->width(), widths[i - 1]);
        QCOMPARE(label->frameShadow(), QFrame::Sunken);
        QVERIFY(label->frameShape() != QFrame::NoFrame);
    }
    QCOMPARE(bar.panelText(1), QStringLiteral("Вексилардо 1.0"));
    QVERIFY(bar.panelText(2).isEmpty());
    QVERIFY(bar.panelText(3).isEmpty());
    QCOMPARE(bar.panelText(4), QStringLiteral("CAPS"));
}

void TestStatusBar::panelsFitTheirTextsAndNeverOverlap() {
    StatusBar bar;
    // Narrower than the six panels together: the last ones are cut, none is squeezed.
    bar.resize(500, 24);
    bar.show();
    const QString longest = QStringLiteral("Състояние на графиката : Променена и още малко");
    bar.fitPanelTo(2, {QStringLiteral("x"), longest});
    bar.setPanelText(2, longest);
    QVERIFY(bar.panel(2)->width() >= bar.panel(2)->sizeHint().width());
    for (int i = 2; i <= StatusBar::PanelCount; ++i) {
        QVERIFY(bar.panel(i)->x() > bar.panel(i - 1)->geometry().right());
        QVERIFY(bar.panel(i)->width() >= 96);
    }
}

void TestStatusBar::panelTextByNumber() {
    StatusBar bar;
    bar.setPanelText(2, QStringLiteral("Диаграмата е променена"));
    bar.setPanelText(3, QStringLiteral("/tmp/знаме.vxd"));
    QCOMPARE(bar.panelText(2), QStringLiteral("Диаграмата е променена"));
    QCOMPARE(bar.panel(3)->text(), QStringLiteral("/tmp/знаме.vxd"));
    QCOMPARE(bar.panelText(1), QStringLiteral("Вексилардо 1.0"));

    // Numbers outside 1..6 touch nothing.
    bar.setPanelText(0, QStringLiteral("x"));
    bar.setPanelText(7, QStringLiteral("x"));
    QVERIFY(!bar.panel(0));
    QVERIFY(!bar.panel(7));
    QVERIFY(bar.panelText(-1).isEmpty());
    for (int i = 1; i <= StatusBar::PanelCount; ++i)
        QVERIFY(bar.panelText(i) != QStringLiteral("x"));
}

namespace {

// The date and time panels as one text.
QString Shown(const StatusBar& bar) {
    return bar.panelText(5) + QLatin1Char(' ') + bar.panelText(6);
}

} // namespace

void TestStatusBar::clockPanels_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const auto at = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    };
    QTest::newRow("same minute") << at(2024, 3, 5, 9, 7, 0) << 59 << "05.03.2024 09:07"
                                 << "05.03.2024 09:07";
    QTest::newRow("minute turns") << at(2024, 3, 5, 9, 7, 59) << 1 << "05.03.2024 09:07"
                                  << "05.03.2024 09:08";
    QTest::newRow("hour turns") << at(2024, 3, 5, 9, 59, 59) << 1 << "05.03.2024 09:59"
                                << "05.03.2024 10:00";
    QTest::newRow("leap day") << at(2024, 2, 28, 23, 59, 59) << 1 << "28.02.2024 23:59"
                              << "29.02.2024 00:00";
    QTest::newRow("year turns") << at(2023, 12, 31, 23, 59, 59) << 1 << "31.12.2023 23:59"
                                << "01.01.2024 00:00";
}

void TestStatusBar::clockPanels() {
    QFETCH(QDateTime, start);
    QFETCH(int, seconds);
    QFETCH(QString, before);
    QFETCH(QString, after);
    StatusBar bar;
    QDateTime now = start;
    // The panels follow a new clock at once, without waiting for the timer.
    bar.setClock([&now] { return now; });
    QCOMPARE(Shown(bar), before);
    now = now.addSecs(seconds);
    bar.tick();
    QCOMPARE(Shown(bar), after);
}

void TestStatusBar::timerTicksTheClock() {
    StatusBar bar;
    QDateTime now(QDate(2024, 3, 5), QTime(9, 7, 59), Qt::UTC);
    bar.setClock([&now] { return now; });
    QTimer* timer = bar.tickTimer();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);

    now = now.addSecs(1);
    bar.setPanelText(4, QStringLiteral("CAPS"));
    bar.panel(4)->setEnabled(true);
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QCOMPARE(bar.panelText(6), QStringLiteral("09:08"));
    // Offscreen Caps Lock reads as off, so the beat greys the indicator as well.
    QVERIFY(!bar.panel(4)->isEnabled());
}

void TestStatusBar::emptyClockIsTheSystemClock() {
    StatusBar bar;
    bar.setClock([] { return QDateTime(QDate(1999, 1, 1), QTime(0, 0), Qt::UTC); });
    bar.setClock({});
    bar.tick();
    // Only the shape: the system date is whatever it is.
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"))
                .match(bar.panelText(5))
                .hasMatch());
    QVERIFY(bar.panelText(5) != QStringLiteral("01.01.1999"));
    QVERIFY(QRegularExpression(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d$"))
                .match(bar.panelText(6))
                .hasMatch());
}

void TestStatusBar::capsPanelOffscreen() {
    StatusBar bar;
    // Without an X server the state is unknown, so the indicator stays greyed.
    QVERIFY(!StatusBar::CapsLockOn());
    bar.panel(4)->setEnabled(true);
    bar.refreshCapsLock();
    QVERIFY(!bar.panel(4)->isEnabled());
    QCOMPARE(bar.panelText(4), QStringLiteral("CAPS"));
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
