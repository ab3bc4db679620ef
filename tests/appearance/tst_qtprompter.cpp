#include "common/QtPrompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs `act` on the modal dialog once it is up.
template <typename Dialog> void WhenShown(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act]() {
        QTRY_VERIFY(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
        act(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
    });
}

void Click(QMessageBox* box, QMessageBox::StandardButton which) {
    box->button(which)->click();
}

} // namespace

class TestQtPrompter : public QObject {
    Q_OBJECT

private slots:
    void messageButtons_data();
    void messageButtons();
    void closingTheBox_data();
    void closingTheBox();
    void messageShowsTitleTextAndIcon();
    void inputText();
    void colourRoundTrip();
    void filterIndex();
};

using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;
Q_DECLARE_METATYPE(Prompter::Answer)
Q_DECLARE_METATYPE(Prompter::Buttons)

void TestQtPrompter::messageButtons_data() {
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<int>("click");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("ok") << Buttons::Ok << int(QMessageBox::Ok) << Answer::Ok;
    QTest::newRow("ok/cancel ok") << Buttons::OkCancel << int(QMessageBox::Ok) << Answer::Ok;
    QTest::newRow("ok/cancel cancel")
        << Buttons::OkCancel << int(QMessageBox::Cancel) << Answer::Cancel;
    QTest::newRow("yes/no yes") << Buttons::YesNo << int(QMessageBox::Yes) << Answer::Yes;
    QTest::newRow("yes/no no") << Buttons::YesNo << int(QMessageBox::No) << Answer::No;
    QTest::newRow("yes/no/cancel no") << Buttons::YesNoCancel << int(QMessageBox::No) << Answer::No;
    QTest::newRow("yes/no/cancel cancel")
        << Buttons::YesNoCancel << int(QMessageBox::Cancel) << Answer::Cancel;
}

void TestQtPrompter::messageButtons() {
    QFETCH(Buttons, buttons);
    QFETCH(int, click);
    QFETCH(Answer, answer);
    QtPrompter prompter;
    WhenShown<QMessageBox>(
        [click](QMessageBox* box) { Click(box, QMessageBox::StandardButton(click)); });
    QCOMPARE(prompter.message(QStringLiteral("Т"), QStringLiteral("Текст"),
                              Prompter::Icon::Question, buttons),
             answer);
}

void TestQtPrompter::closingTheBox_data() {
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("ok") << Buttons::Ok << Answer::Ok;
    QTest::newRow("ok/cancel") << Buttons::OkCancel << Answer::Cancel;
    QTest::newRow("yes/no") << Buttons::YesNo << Answer::No;
    QTest::newRow("yes/no/cancel") << Buttons::YesNoCancel << Answer::Cancel;
}

void TestQtPrompter::closingTheBox() {
    QFETCH(Buttons, buttons);
    QFETCH(Answer, answer);
    QtPrompter prompter;
    WhenShown<QMessageBox>([](QMessageBox* box) { box->close(); });
    QCOMPARE(prompter.message(QStringLiteral("Т"), QStringLiteral("Текст"), Prompter::Icon::None,
                              buttons),
             answer);
}

void TestQtPrompter::messageShowsTitleTextAndIcon() {
    QWidget owner;
    QtPrompter prompter(&owner);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    int buttonCount = 0;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        parent = box->parentWidget();
        buttonCount = box->buttons().size();
        Click(box, QMessageBox::Yes);
    });
    prompter.message(QStringLiteral("Внимание"), QStringLiteral("Да запиша ли?"),
                     Prompter::Icon::Warning, Buttons::YesNoCancel);
    QCOMPARE(title, QStringLiteral("Внимание"));
    QCOMPARE(text, QStringLiteral("Да запиша ли?"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(parent, &owner);
    QCOMPARE(buttonCount, 3);
}

void TestQtPrompter::inputText() {
    QtPrompter prompter;
    WhenShown<QInputDialog>([](QInputDialog* dialog) {
        QCOMPARE(dialog->textValue(), QStringLiteral("старо"));
        dialog->setTextValue(QStringLiteral("ново"));
        dialog->accept();
    });
    QCOMPARE(prompter.inputText(QStringLiteral("Име"), QStringLiteral("Въведете:"),
                                QStringLiteral("старо")),
             std::optional<QString>(QStringLiteral("ново")));

    // Cancelling is told apart from accepting an empty text.
    WhenShown<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    QVERIFY(!prompter.inputText(QStringLiteral("Име"), QStringLiteral("Въведете:"), QString()));
    WhenShown<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue(QString());
        dialog->accept();
    });
    QCOMPARE(
        prompter.inputText(QStringLiteral("Име"), QStringLiteral("Въведете:"), QStringLiteral("x")),
        std::optional<QString>(QString()));
}

void TestQtPrompter::colourRoundTrip() {
    QtPrompter prompter;
    // 0x00BBGGRR: a red low byte must come back as red, not blue.
    const int32_t orange = 0x0080FF;
    WhenShown<QColorDialog>([](QColorDialog* dialog) {
        QCOMPARE(dialog->currentColor(), QColor(0xFF, 0x80, 0x00));
        dialog->accept();
    });
    QCOMPARE(prompter.chooseColour(orange), std::optional<int32_t>(orange));
    WhenShown<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    QVERIFY(!prompter.chooseColour(orange));
}

void TestQtPrompter::filterIndex() {
    const QString filters = QStringLiteral("Диаграми (*.vxd);;Картини (*.jpg *.bmp);;Всички (*)");
    QCOMPARE(QtPrompter::FilterIndex(filters, QStringLiteral("Диаграми (*.vxd)")), 0);
    QCOMPARE(QtPrompter::FilterIndex(filters, QStringLiteral("Картини (*.jpg *.bmp)")), 1);
    QCOMPARE(QtPrompter::FilterIndex(filters, QStringLiteral("Всички (*) ")), 2);
    QCOMPARE(QtPrompter::FilterIndex(filters, QString()), 0);
    QCOMPARE(QtPrompter::FilterIndex(QString(), QString()), 0);
}

QTEST_MAIN(TestQtPrompter)
#include "tst_qtprompter.moc"
