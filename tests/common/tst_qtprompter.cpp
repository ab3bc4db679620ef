#include "common/QtPrompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <functional>

namespace {

// Runs `act` on the modal dialog once it is up: the dialog is shown before its event loop
// runs the timer, so nothing needs waiting for.
template <typename Dialog> void WhenShown(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, [act]() {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

void Click(QMessageBox* box, QMessageBox::StandardButton which) {
    box->button(which)->click();
}

// The program runs with Qt's Bulgarian texts, where OK reads "Добре".
class OkInBulgarian : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return qstrcmp(source, "OK") == 0 ? QStringLiteral("Добре") : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestQtPrompter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void messageButtons_data();
    void messageButtons();
    void closingTheBox_data();
    void closingTheBox();
    void messageShowsTitleTextAndIcon();
    void okCaption_data();
    void okCaption();
    void fontDialogKeepsWhatWasLeftAlone_data();
    void fontDialogKeepsWhatWasLeftAlone();
    void inputText();
    void colourRoundTrip();
    void fileDialogHandsBackTheFilter_data();
    void fileDialogHandsBackTheFilter();
    void filterIndex_data();
    void filterIndex();
};

using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;
Q_DECLARE_METATYPE(Prompter::Answer)
Q_DECLARE_METATYPE(Prompter::Buttons)

void TestQtPrompter::initTestCase() {
    // The file dialog remembers its folder in the user's settings; keep that out of them.
    QStandardPaths::setTestModeEnabled(true);
}

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

void TestQtPrompter::okCaption_data() {
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("own caption") << Buttons::OkCancel << "OK"
                                 << "OK";
    QTest::newRow("own caption, only OK") << Buttons::Ok << "OK"
                                          << "OK";
    QTest::newRow("none: the platform's word") << Buttons::OkCancel << ""
                                               << "Добре";
}

void TestQtPrompter::okCaption() {
    QFETCH(Buttons, buttons);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    OkInBulgarian bulgarian;
    QCoreApplication::installTranslator(&bulgarian);
    QtPrompter prompter;
    QString text;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->button(QMessageBox::Ok)->text();
        Click(box, QMessageBox::Ok);
    });
    const Answer answer =
        prompter.messageWithOkCaption(QStringLiteral("Т"), QStringLiteral("Текст"),
                                      Prompter::Icon::Information, buttons, caption);
    QCoreApplication::removeTranslator(&bulgarian);
    QCOMPARE(answer, Answer::Ok);
    QCOMPARE(text, shown);
}

void TestQtPrompter::fontDialogKeepsWhatWasLeftAlone_data() {
    QTest::addColumn<QFont>("initial");
    QTest::addColumn<double>("newSize"); // 0: accepted untouched
    QTest::addColumn<QFont>("expected");
    QFont missing(QStringLiteral("Липсващ Шрифт Sans"));
    missing.setPointSizeF(8.25);
    QFont decorated(QStringLiteral("DejaVu Serif"));
    decorated.setPointSizeF(12);
    decorated.setBold(true);
    decorated.setItalic(true);
    decorated.setUnderline(true);
    decorated.setStrikeOut(true);
    QFont plain(QStringLiteral("DejaVu Sans"));
    plain.setPointSizeF(8.25);
    QFont missingAt14 = missing;
    missingAt14.setPointSizeF(14);
    QTest::newRow("typeface not installed, 8.25 pt") << missing << 0.0 << missing;
    QTest::newRow("installed, plain, 8.25 pt") << plain << 0.0 << plain;
    QTest::newRow("bold italic underlined struck out") << decorated << 0.0 << decorated;
    QTest::newRow("only the size changed") << missing << 14.0 << missingAt14;
}

void TestQtPrompter::fontDialogKeepsWhatWasLeftAlone() {
    QFETCH(QFont, initial);
    QFETCH(double, newSize);
    QFETCH(QFont, expected);
    QtPrompter prompter;
    WhenShown<QDialog>([newSize, initial](QDialog* dialog) {
        const auto close = qScopeGuard([dialog] { dialog->accept(); });
        auto* fonts = dialog->findChild<QFontDialog*>();
        QVERIFY(fonts);
        // It shows a style of the element's weight and slant, of normal width.
        const QFont shown = fonts->currentFont();
        QCOMPARE((QList<bool>{shown.bold(), shown.italic()}),
                 (QList<bool>{initial.bold(), initial.italic()}));
        QVERIFY2(!shown.styleName().contains(QStringLiteral("Condensed")),
                 qPrintable(shown.styleName()));
        if (newSize > 0) {
            QFont f = fonts->currentFont();
            f.setPointSizeF(newSize);
            fonts->setCurrentFont(f);
        }
    });
    const std::optional<Prompter::FontChoice> choice =
        prompter.chooseFontAndColour({initial, 0x0000FF});
    QVERIFY(choice);
    const QFont& got = choice->font;
    QCOMPARE(got.family(), expected.family());
    QCOMPARE(got.pointSizeF(), expected.pointSizeF());
    QCOMPARE((QList<bool>{got.bold(), got.italic(), got.underline(), got.strikeOut()}),
             (QList<bool>{expected.bold(), expected.italic(), expected.underline(),
                          expected.strikeOut()}));
    QCOMPARE(choice->colour, 0x0000FF);
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

const QString Filters = QStringLiteral("Диаграми (*.vxd);;Картини (*.jpg *.bmp);;Всички (*)");

void TestQtPrompter::fileDialogHandsBackTheFilter_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("expected");
    QTest::newRow("open, first filter") << false << 0 << true << 0;
    QTest::newRow("open, last filter") << false << 2 << true << 2;
    QTest::newRow("save, middle filter") << true << 1 << true << 1;
    // A cancelled dialog leaves the caller's value alone.
    QTest::newRow("open cancelled") << false << 1 << false << 7;
    QTest::newRow("save cancelled") << true << 1 << false << 7;
}

void TestQtPrompter::fileDialogHandsBackTheFilter() {
    QFETCH(bool, save);
    QFETCH(int, filter);
    QFETCH(bool, accept);
    QFETCH(int, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("знаме.vxd"));
    if (!save) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QtPrompter prompter;
    const QString entry = Filters.split(QStringLiteral(";;")).at(filter);
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectNameFilter(entry);
        dialog->selectFile(path);
        // QFileDialog hides accept(); its QDialog face runs the same override.
        if (accept)
            static_cast<QDialog*>(dialog)->accept();
        else
            dialog->reject();
    });
    int chosen = 7;
    const QString title = QStringLiteral("Файл");
    const QString name = save ? prompter.saveFileName(title, Filters, dir.path(), &chosen)
                              : prompter.openFileName(title, Filters, dir.path(), &chosen);
    QCOMPARE(name, accept ? path : QString());
    QCOMPARE(chosen, expected);
}

void TestQtPrompter::filterIndex_data() {
    QTest::addColumn<QString>("filters");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("index");
    QTest::newRow("first") << Filters << QStringLiteral("Диаграми (*.vxd)") << 0;
    QTest::newRow("middle") << Filters << QStringLiteral("Картини (*.jpg *.bmp)") << 1;
    QTest::newRow("spaces around") << Filters << QStringLiteral(" Всички (*) ") << 2;
    // Nothing matching must not pass for the first entry.
    QTest::newRow("unknown") << Filters << QStringLiteral("Текст (*.txt)") << -1;
    QTest::newRow("part of an entry") << Filters << QStringLiteral("Картини (*.jpg)") << -1;
    QTest::newRow("none chosen") << Filters << QString() << -1;
    QTest::newRow("no filters") << QString() << QString() << -1;
}

void TestQtPrompter::filterIndex() {
    QFETCH(QString, filters);
    QFETCH(QString, chosen);
    QFETCH(int, index);
    QCOMPARE(QtPrompter::FilterIndex(filters, chosen), index);
}

QTEST_MAIN(TestQtPrompter)
#include "tst_qtprompter.moc"
