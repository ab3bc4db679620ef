#include "support/ScriptedPrompter.h"

#include <QtTest>

using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;
Q_DECLARE_METATYPE(Prompter::Answer)
Q_DECLARE_METATYPE(Prompter::Buttons)

class TestScriptedPrompter : public QObject {
    Q_OBJECT

private slots:
    void questions_data();
    void questions();
    void fileDialogs();
};

void TestScriptedPrompter::questions_data() {
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QList<Answer>>("script");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<int>("left");
    // A message with only Ok has one answer and leaves the script to the next question.
    QTest::newRow("ok unscripted") << Buttons::Ok << QList<Answer>{} << Answer::Ok << false << 0;
    QTest::newRow("ok keeps the script")
        << Buttons::Ok << QList<Answer>{Answer::No} << Answer::Ok << false << 1;
    QTest::newRow("yes/no scripted")
        << Buttons::YesNo << QList<Answer>{Answer::No, Answer::Yes} << Answer::No << false << 1;
    QTest::newRow("yes/no/cancel scripted")
        << Buttons::YesNoCancel << QList<Answer>{Answer::Cancel} << Answer::Cancel << false << 0;
    // Unscripted or misscripted questions fail and get the answer of closing the box.
    QTest::newRow("ok/cancel unscripted")
        << Buttons::OkCancel << QList<Answer>{} << Answer::Cancel << true << 0;
    QTest::newRow("yes/no unscripted")
        << Buttons::YesNo << QList<Answer>{} << Answer::No << true << 0;
    QTest::newRow("yes/no/cancel unscripted")
        << Buttons::YesNoCancel << QList<Answer>{} << Answer::Cancel << true << 0;
    QTest::newRow("yes to ok/cancel")
        << Buttons::OkCancel << QList<Answer>{Answer::Yes} << Answer::Cancel << true << 0;
    QTest::newRow("cancel to yes/no")
        << Buttons::YesNo << QList<Answer>{Answer::Cancel} << Answer::No << true << 0;
}

void TestScriptedPrompter::questions() {
    QFETCH(Buttons, buttons);
    QFETCH(QList<Answer>, script);
    QFETCH(Answer, answer);
    QFETCH(bool, fails);
    QFETCH(int, left);
    ScriptedPrompter prompter;
    prompter.answers.assign(script.begin(), script.end());
    if (fails)
        QEXPECT_FAIL("", "the prompter fails the test", Continue);
    const Answer given = prompter.message(QStringLiteral("Въпрос"), QStringLiteral("Да изтрия ли?"),
                                          Prompter::Icon::Question, buttons);
    QCOMPARE(given, answer);
    QCOMPARE(int(prompter.answers.size()), left);
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].answer, answer);
    QCOMPARE(prompter.messages[0].buttons, buttons);
}

void TestScriptedPrompter::fileDialogs() {
    ScriptedPrompter prompter;
    prompter.fileNames = {QStringLiteral("/tmp/а.png"), QString(), QStringLiteral("/tmp/б.bmp"),
                          QStringLiteral("/tmp/в.dia")};
    prompter.filterIndices = {2, -1};
    const QString filters = QStringLiteral("Диаграми (*.dia);;Картини (*.png *.bmp);;Всички (*)");

    int filter = 7;
    QCOMPARE(
        prompter.openFileName(QStringLiteral("Отвори"), filters, QStringLiteral("/tmp"), &filter),
        QStringLiteral("/tmp/а.png"));
    QCOMPARE(filter, 2);
    // A cancelled dialog hands back no filter and takes none from the script.
    filter = 7;
    QVERIFY(prompter.saveFileName(QStringLiteral("Запиши"), filters, QString(), &filter).isEmpty());
    QCOMPARE(filter, 7);
    QCOMPARE(prompter.saveFileName(QStringLiteral("Запиши"), filters, QString(), &filter),
             QStringLiteral("/tmp/б.bmp"));
    QCOMPARE(filter, -1);
    QCOMPARE(prompter.openFileName(QStringLiteral("Отвори"), filters, QString(), nullptr),
             QStringLiteral("/tmp/в.dia"));
    // Unscripted: the first filter of a chosen file, then cancelled.
    QVERIFY(prompter.openFileName(QStringLiteral("Отвори"), filters, QString(), &filter).isEmpty());

    QCOMPARE(prompter.fileDialogs.size(), 5);
    const ScriptedPrompter::FileDialog& first = prompter.fileDialogs[0];
    QCOMPARE(first.title, QStringLiteral("Отвори"));
    QCOMPARE(first.filters, filters);
    QCOMPARE(first.directory, QStringLiteral("/tmp"));
    QVERIFY(!first.save);
    QVERIFY(prompter.fileDialogs[1].save);
    QList<int> handedBack;
    for (const auto& dialog : prompter.fileDialogs)
        handedBack << dialog.filterIndex;
    QCOMPARE(handedBack, QList<int>({2, -1, -1, 0, -1}));
}

QTEST_MAIN(TestScriptedPrompter)
#include "tst_scriptedprompter.moc"
