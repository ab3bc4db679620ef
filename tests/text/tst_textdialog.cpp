#include "support/ScriptedPrompter.h"

#include "common/Units.h"
#include "kinds/CoreKinds.h"
#include "support/Setup.h"
#include "text/Dialog.h"
#include "workspace/Workspace.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Text field 1 "Текст 1" and picture object 1 "Хъб", and a dialog open for one of them.
struct Fixture {
    ScriptedPrompter prompter;
    Workspace ws{prompter, CoreKinds()};
    QPointer<Dialog> d;

    explicit Fixture(const QString& kind = QStringLiteral("Tekst"), int slot = 1) {
        setUp(ws).store().textStatus[1] = setUp(ws).store().objectStatus[1] = ElementStore::Used;
        setUp(ws).store().texts[1].Caption = QStringLiteral("Текст 1");
        setUp(ws).store().objects[1].ToolTipText = QStringLiteral("Хъб");
        d = new Dialog(ws, prompter);
        d->show();
        d->ImeNaKontrol = kind == QLatin1String("Tekst") ? ElementKind::Text : ElementKind::Picture;
        d->Kutiq = int16_t(slot);
    }
    ~Fixture() { delete d; }
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return d.isNull();
    }
    // The caption or the name, whichever the dialog edits.
    QString written() const {
        return ws.store().texts[1].Caption + QLatin1Char('|') + ws.store().objects[1].ToolTipText;
    }
};

} // namespace

class TestTextDialog : public QObject {
    Q_OBJECT

private slots:
    void backspace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("last letter, caret at the start") << "Текст"
                                                         << "Текс";
        QTest::newRow("surrogate pair goes whole") << "а😀"
                                                   << "а";
    }
    void backspace() {
        QFETCH(QString, text);
        Fixture f;
        f.d->txtTekst->setText(text);
        f.d->txtTekst->setCursorPosition(0);
        f.d->BSPC_Click();
        QTEST(f.d->txtTekst->text(), "expected");
    }

    // C presses Caps, Y presses Cyr; keys 0, 13, 36 and 38 are shown.
    void switches_data() {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("captions");
        QTest::newRow("start") << ""
                               << "`q\\x";
        QTest::newRow("Caps") << "C"
                              << "`Q\\X";
        QTest::newRow("Cyr") << "Y"
                             << "чяюь";
        QTest::newRow("Caps, Cyr") << "CY"
                                   << "ЧЯЮЬ";
        QTest::newRow("Caps, Cyr, Caps off") << "CYC"
                                             << "чяюь";
        QTest::newRow("Cyr, Caps, Cyr off") << "YCY"
                                            << "`Q\\X";
    }
    void switches() {
        QFETCH(QString, presses);
        Fixture f;
        f.d->cmdKeyboard_Click();
        for (QChar c : presses)
            c == QLatin1Char('C') ? f.d->cmdCapUp_Click() : f.d->cmdCyr_Click();
        QTEST(f.d->keyCaption(0) + f.d->keyCaption(13) + f.d->keyCaption(36) + f.d->keyCaption(38),
              "captions");
        const auto shown = [](QPushButton* b) { return b->grab().toImage().pixelColor(3, 3); };
        const QColor off(224, 224, 224), on(128, 255, 128);
        QCOMPARE(shown(f.d->cmdCapUp), f.d->capsOn() ? on : off);
        QCOMPARE(shown(f.d->cmdCyr), f.d->cyrillicOn() ? on : off);
        QCOMPARE(f.d->capsOn(), presses.count(QLatin1Char('C')) % 2 == 1);
    }

    void keysSharedByBothLayouts() {
        Fixture f;
        QStringList latin;
        for (int i = 0; i < Dialog::KeyCount; ++i)
            latin << f.d->keyCaption(i);
        f.d->cmdCyr_Click();
        QList<int> shared;
        for (int i = 0; i < Dialog::KeyCount; ++i) {
            if (f.d->keyCaption(i) == latin[i])
                shared << i;
        }
        QCOMPARE(shared, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 34, 35, 44, 45, 46}));
        QCOMPARE(f.d->keyCaption(46), QStringLiteral(" "));
    }

    void keysAppendAtTheEndAlongsideTyping() {
        Fixture f;
        f.d->txtTekst->clear();
        QTest::keyClicks(f.d->txtTekst, QStringLiteral("ab"));
        f.d->txtTekst->setCursorPosition(0);
        f.d->cmdCyr_Click();
        f.d->cmdKeyboard_Click();
        QTest::mouseClick(f.d->Key[15], Qt::LeftButton);
        QCOMPARE(f.d->focusWidget(), f.d->txtTekst);
        QTest::keyClicks(f.d->txtTekst, QStringLiteral("c"));
        QCOMPARE(f.d->txtTekst->text(), QStringLiteral("abеc"));
    }

    void save_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // caption|name
        QTest::addColumn<bool>("presentation");
        QTest::newRow("quotes") << "Tekst"
                                << "Сървър \"А\""
                                << "Сървър 'А'|Хъб" << false;
        QTest::newRow("empty") << "Tekst"
                               << ""
                               << "Въведете текст|Хъб" << false;
        QTest::newRow("unchanged") << "Tekst"
                                   << "Текст 1"
                                   << "Текст 1|Хъб" << false;
        QTest::newRow("phrase") << "Tekst"
                                << "ключе, покажи ни го!"
                                << "Текст 1|Хъб" << true;
        QTest::newRow("picture") << "Pic"
                                 << "Рутер \"Б\""
                                 << "Текст 1|Рутер 'Б'" << false;
        QTest::newRow("phrase as a name") << "Pic"
                                          << "Ключе, покажи ни го!"
                                          << "Текст 1|Ключе, покажи ни го!" << false;
        QTest::newRow("combining breve") << "Tekst"
                                         << "и\u0306"
                                         << "й|Хъб" << false;
        QTest::newRow("€ and ё fit") << "Tekst"
                                     << "5 € ё"
                                     << "5 € ё|Хъб" << false;
    }
    void save() {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, presentation);
        Fixture f(kind);
        const QString before = f.written();
        QSignalSpy presented(f.d.data(), &Dialog::presentationRequested);
        f.d->txtTekst->setText(typed);
        f.d->OKButton->click();
        QCOMPARE(f.written(), written);
        QCOMPARE(f.ws.diagram.Promqna, written != before);
        QCOMPARE(presented.count(), presentation ? 1 : 0);
        QVERIFY(f.prompter.messages.isEmpty());
        QVERIFY(f.closed());
    }

    void unstorableTextIsRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("named");
        QTest::newRow("emoji name") << "Pic"
                                    << "Хъб 😀😀"
                                    << ": 😀\n";
        QTest::newRow("invisible space") << "Tekst"
                                         << "a\u2003b\"ĉ"
                                         << ": U+2003, ĉ\n";
    }
    void unstorableTextIsRefused() {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, named);
        Fixture f(kind);
        f.d->txtTekst->setText(typed);
        f.d->OKButton_Click();
        QCOMPARE(f.prompter.titles(), QStringList{QStringLiteral("Грешка")});
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Warning);
        QVERIFY2(f.prompter.texts()[0].contains(named), qPrintable(f.prompter.texts()[0]));
        QCOMPARE(f.written(), QStringLiteral("Текст 1|Хъб"));
        QVERIFY(!f.ws.diagram.Promqna);
        QVERIFY(!f.closed() && f.d->isVisible());
        QCOMPARE(f.d->txtTekst->text(), typed);
    }

    // Nothing is written on "Отмени", on the close box, or into a slot whose element was
    // deleted while the dialog stood open.
    void nothingWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("action");
        QTest::newRow("cancel") << "Tekst" << 1 << "cancel";
        QTest::newRow("close box") << "Pic" << 1 << "close";
        QTest::newRow("text field deleted") << "Tekst" << 1 << "deleted";
        QTest::newRow("picture deleted") << "Pic" << 1 << "deleted";
        QTest::newRow("negative slot") << "Pic" << -1 << "ok";
        QTest::newRow("beyond the buffer") << "Tekst" << 256 << "ok";
    }
    void nothingWritten() {
        QFETCH(QString, kind);
        QFETCH(int, slot);
        QFETCH(QString, action);
        Fixture f(kind, slot);
        f.d->txtTekst->setText(QStringLiteral("Ново"));
        if (action == QLatin1String("cancel"))
            f.d->CancelButton->click();
        else if (action == QLatin1String("close"))
            f.d->close();
        else if (action == QLatin1String("deleted"))
            setUp(f.ws).store().textStatus[1] = setUp(f.ws).store().objectStatus[1] =
                ElementStore::Free;
        f.d->OKButton_Click();
        QCOMPARE(f.written(), QStringLiteral("Текст 1|Хъб"));
        QVERIFY(!f.ws.diagram.Promqna);
        QVERIFY(f.closed());
    }

    // The height switches; the switches and backspace keep clear of the keys (rows share
    // their edge pixels) and of each other.
    void keyboardLayout() {
        Fixture f;
        const int hidden = TwipsToPixelRounded(1575);
        QCOMPARE(f.d->height(), hidden);
        f.d->cmdKeyboard->click();
        QCOMPARE(f.d->height(), TwipsToPixelRounded(3855));
        QVERIFY(f.d->keyboardShown() && f.d->rect().contains(f.d->fraKbd->geometry()));
        QList<QPushButton*> placed(f.d->Key.begin(), f.d->Key.end());
        for (QPushButton* extra : {f.d->BSPC, f.d->cmdCyr, f.d->cmdCapUp}) {
            for (QPushButton* other : placed)
                QVERIFY2(!extra->geometry().intersects(other->geometry()),
                         qPrintable(extra->objectName() + other->objectName()));
            placed << extra;
        }
        for (QPushButton* b : placed)
            QVERIFY(f.d->fraKbd->rect().contains(b->geometry()));
        f.d->cmdKeyboard->click();
        QCOMPARE(f.d->height(), hidden);
    }
};

QTEST_MAIN(TestTextDialog)
#include "tst_textdialog.moc"
