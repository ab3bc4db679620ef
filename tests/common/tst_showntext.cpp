#include "common/ShownText.h"

#include <QtTest>

class TestShownText : public QObject {
    Q_OBJECT

private slots:
    void shown_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("codePoints");
        QTest::addColumn<QString>("expected");
        const QString face = QString::fromUcs4(U"\U0001F600");
        QTest::newRow("printable")
            << QStringLiteral("Файл 1.dia") << 40 << true << QStringLiteral("Файл 1.dia");
        QTest::newRow("controls") << QStringLiteral("a\tb\r\nc\x01") << 40 << false
                                  << QStringLiteral("a?b??c?");
        QTest::newRow("exactly the length")
            << QStringLiteral("abcd") << 4 << true << QStringLiteral("abcd");
        QTest::newRow("one over") << QStringLiteral("abcde") << 4 << false
                                  << QStringLiteral("abcd…");
        QTest::newRow("pair as one character")
            << QLatin1Char('a') + face + QLatin1Char('b') << 2 << true
            << QLatin1Char('a') + face + QStringLiteral("…");
        QTest::newRow("pair as two halves")
            << QLatin1Char('a') + face + QLatin1Char('b') << 40 << false << QStringLiteral("a??b");
        QTest::newRow("halves count")
            << QLatin1Char('a') + face << 2 << false << QStringLiteral("a?…");
        QTest::newRow("lone half") << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")
                                   << 40 << true << QStringLiteral("a?b");
    }
    void shown() {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(bool, codePoints);
        QFETCH(QString, expected);
        QCOMPARE(ShownText(text, length,
                           codePoints ? ShownCharacters::CodePoints : ShownCharacters::CodeUnits),
                 expected);
    }
};

QTEST_APPLESS_MAIN(TestShownText)
#include "tst_showntext.moc"
