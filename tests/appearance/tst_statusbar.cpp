#include "workspace/StatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

class TestStatusBar : public QObject {
    Q_OBJECT

private slots:
    void panelsHaveTheirTextsAndWidths();
    void panelsFitTheirTextsAndNeverOverlap();
    void panelTextByNumber();
    void clockPanels();
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

void TestStatusBar::clockPanels() {
    StatusBar bar;
    const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"));
    const QRegularExpression time(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d$"));
    QVERIFY2(date.match(bar.panelText(5)).hasMatch(), qPrintable(bar.panelText(5)));
    QVERIFY2(time.match(bar.panelText(6)).hasMatch(), qPrintable(bar.panelText(6)));

    // A stale value is replaced on refresh (allowing for the minute turning over).
    bar.setPanelText(5, QStringLiteral("01.01.1999"));
    bar.setPanelText(6, QStringLiteral("99:99"));
    bar.refreshClock();
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY(bar.panelText(5) == now.date().toString(QStringLiteral("dd.MM.yyyy")) ||
            bar.panelText(5) == now.addSecs(-60).date().toString(QStringLiteral("dd.MM.yyyy")));
    QVERIFY(bar.panelText(6) == now.time().toString(QStringLiteral("HH:mm")) ||
            bar.panelText(6) == now.addSecs(-60).time().toString(QStringLiteral("HH:mm")));

    // The timer keeps the panels current without being asked.
    bar.setPanelText(6, QStringLiteral("99:99"));
    QTRY_VERIFY_WITH_TIMEOUT(time.match(bar.panelText(6)).hasMatch(), 3000);
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
