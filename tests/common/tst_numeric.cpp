#include "common/Numeric.h"
#include "common/Units.h"

#include <QtTest>
#include <climits>
#include <cmath>

class TestNumeric : public QObject {
    Q_OBJECT

private slots:
    void roundHalfEven_data();
    void roundHalfEven();
    void toInt16Checked_data();
    void toInt16Checked();
    void isNumericText_data();
    void isNumericText();
    void colourRoundTrip_data();
    void colourRoundTrip();
};

void TestNumeric::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("27.5") << 27.5 << 28;
    QTest::newRow("16.5") << 16.5 << 16;
    QTest::newRow("not a half") << 2.51 << 3;
    QTest::newRow("huge clamps") << 1e20 << INT_MAX;
    QTest::newRow("huge negative clamps") << -1e20 << INT_MIN;
    QTest::newRow("nan") << std::nan("") << 0;
}

void TestNumeric::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void TestNumeric::toInt16Checked_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");
    QTest::newRow("max") << 32767.0 << true << 32767;
    QTest::newRow("max + 1") << 32768.0 << false << 0;
    QTest::newRow("min") << -32768.0 << true << -32768;
    QTest::newRow("min - 1") << -32769.0 << false << 0;
    QTest::newRow("half above max rounds out") << 32767.5 << false << 0;
    QTest::newRow("half below min rounds in") << -32768.5 << true << -32768;
    QTest::newRow("nan") << std::nan("") << false << 0;
}

void TestNumeric::toInt16Checked() {
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const std::optional<int16_t> result = ToInt16Checked(value);
    QCOMPARE(result.has_value(), fits);
    if (fits)
        QCOMPARE(int(*result), expected);
}

void TestNumeric::isNumericText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("decimal comma") << "2,5" << true;
    QTest::newRow("two commas") << "2,5,1" << false;
    QTest::newRow("letter") << "2a" << false;
    QTest::newRow("minus") << "-1" << false;
    QTest::newRow("leading space") << " 1" << false;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0661") << false;
}

void TestNumeric::isNumericText() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(IsNumericText(text), numeric);
}

void TestNumeric::colourRoundTrip_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("qcolor");
    QTest::newRow("red is the low byte") << 0x0000FF << QColor(255, 0, 0);
    QTest::newRow("blue is the high byte") << 0xFF0000 << QColor(0, 0, 255);
    QTest::newRow("mixed") << 0x123456 << QColor(0x56, 0x34, 0x12);
}

void TestNumeric::colourRoundTrip() {
    QFETCH(int, colour);
    QFETCH(QColor, qcolor);
    QCOMPARE(ColourToQColor(colour), qcolor);
    QCOMPARE(QColorToColour(qcolor), colour);
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
