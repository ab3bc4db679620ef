#include "MainWindowFixture.h"
#include "presentation/SettingsCommands.h"
#include "settings/SettingsFile.h"
#include "settings/frmSettings.h"
#include "text/TextCommands.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {

// The dialog on its own record, counting the saves it asks for.
struct DialogFixture {
    ScriptedPrompter prompter;
    SettingsRecord settings;
    QWidget main;
    std::unique_ptr<frmSettings> dialog;
    int saves = 0;
    bool saveWorks = true;

    explicit DialogFixture(const QString& font = QStringLiteral("DejaVu Sans")) {
        settings.ProgramFont = font;
        settings.transparency[3] = 120;
        dialog = std::make_unique<frmSettings>(settings, prompter, &main);
        dialog->saveSettings = [this] {
            ++saves;
            return saveWorks;
        };
    }
};

} // namespace

class TestFrmSettings : public QObject {
    Q_OBJECT

private slots:
    void showsTheRecord() {
        DialogFixture f;
        frmSettings& d = *f.dialog;
        QCOMPARE(d.windowTitle(), QStringLiteral("Потребителски настройки"));
        QCOMPARE(d.txtFontNow->text(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(d.TestBox->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(d.lstForms->count(), SettingsRecord::WindowCount);
        QCOMPARE(d.lstForms->item(8)->text(), QStringLiteral("Форма за потребителски настройки"));
        const QStringList families = QFontDatabase::families();
        QCOMPARE(d.lstFonts->count(), families.size());
        for (int i = 0; i < families.size(); ++i)
            QCOMPARE(d.lstFonts->item(i)->text(), families[i]);
        QVERIFY(d.chkDialogInfo->isChecked() && d.chkShowAnim->isChecked());
        QVERIFY(!d.chkShowDrawOpt->isChecked());
    }

    // "[ ОК ]" takes a font only when the sample shows it; a highlighted entry the user did
    // not choose (as the list may highlight one by itself) is no choice.
    void okTakesTheSampleFont_data() {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QString>("expected");
        QTest::newRow("highlighted only") << false << "DejaVu Sans";
        QTest::newRow("chosen") << true << "DejaVu Serif";
    }
    void okTakesTheSampleFont() {
        QFETCH(bool, click);
        QFETCH(QString, expected);
        DialogFixture f;
        frmSettings& d = *f.dialog;
        const QList<QListWidgetItem*> serif =
            d.lstFonts->findItems(QStringLiteral("DejaVu Serif"), Qt::MatchExactly);
        QVERIFY(!serif.isEmpty());
        // As the list does when it takes the focus: current, but not selected.
        if (click)
            d.lstFonts->setCurrentItem(serif.first());
        else
            d.lstFonts->selectionModel()->setCurrentIndex(
                d.lstFonts->model()->index(d.lstFonts->row(serif.first()), 0),
                QItemSelectionModel::NoUpdate);
        d.chkShowDrawOpt->setChecked(true);
        d.chkDialogInfo->setChecked(false);
        d.cmdApply->click();
        QCOMPARE(f.settings.ProgramFont, expected);
        QCOMPARE(f.main.font().family() == QStringLiteral("DejaVu Serif"), click);
        QVERIFY(f.settings.ShowDrawOptions && !f.settings.ShowInfo);
        QCOMPARE(f.saves, 1);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(f.prompter.messages.isEmpty());
    }

    // The slider does nothing until a window is chosen; then each move is stored at once,
    // and stays when the dialog is closed without "[ ОК ]".
    void sliderNeedsAWindow() {
        DialogFixture f;
        frmSettings& d = *f.dialog;
        const SettingsRecord before = f.settings;
        QVERIFY(!d.sldTransp->isEnabled());
        d.sldTransp->setValue(40);
        QCOMPARE(f.settings, before);
        // The list makes an entry current by itself when it takes the focus: no choice.
        d.lstForms->selectionModel()->setCurrentIndex(d.lstForms->model()->index(0, 0),
                                                      QItemSelectionModel::NoUpdate);
        QVERIFY(!d.sldTransp->isEnabled());

        d.lstForms->setCurrentRow(3);
        QVERIFY(d.sldTransp->isEnabled());
        QCOMPARE(d.sldTransp->value(), 120);
        QCOMPARE(f.settings, before);
        QTest::keyClick(d.sldTransp, Qt::Key_PageDown);
        QCOMPARE(f.settings.transparency[3], int16_t(115));
        d.lstForms->setCurrentRow(0);
        QCOMPARE(d.sldTransp->value(), 255);
        d.sldTransp->setValue(200);
        QCOMPARE(f.settings.transparency[0], int16_t(200));
        QCOMPARE(f.settings.transparency[3], int16_t(115));

        d.cmdExit->click();
        QCOMPARE(f.saves, 0);
        QCOMPARE(f.settings.transparency[0], int16_t(200));
    }

    void restore_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void restore() {
        QFETCH(bool, yes);
        DialogFixture f;
        const SettingsRecord before = f.settings;
        f.prompter.answers = {yes ? Prompter::Answer::Yes : Prompter::Answer::No};
        f.dialog->cmdRestore->click();
        QCOMPARE(f.prompter.titles(), QStringList{QStringLiteral("Въпрос")});
        QCOMPARE(f.prompter.texts(),
                 QStringList{QStringLiteral(
                     "Сигурни ли сте, че искате да възстановите началните настройки ?")});
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(f.settings, yes ? SettingsRecord() : before);
        QCOMPARE(f.saves, yes ? 1 : 0);
        QCOMPARE(f.dialog->result(), yes ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }

    // A settings file that cannot be written is said so; the values hold for this run.
    void saveFailureIsReported() {
        DialogFixture f;
        f.saveWorks = false;
        f.dialog->chkShowAnim->setChecked(false);
        f.dialog->cmdApply->click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Warning);
        QVERIFY(f.prompter.messages[0].text.contains(QStringLiteral("settings.ini")));
        QVERIFY(!f.settings.Pre4ertaiPriMestene);
    }

    // From the main menu: the chosen font is written to settings.ini and shown by the main
    // window and by every window opened afterwards.
    void fromTheMainMenu() {
        MainWindowFixture f;
        bool shown = false;
        f.editor->settings().runDialog = [&shown, &f](frmSettings& d) {
            shown = d.parentWidget() == &f.w();
            d.lstFonts->setCurrentItem(
                d.lstFonts->findItems(QStringLiteral("DejaVu Serif"), Qt::MatchExactly).first());
            d.lstForms->setCurrentRow(9);
            d.sldTransp->setValue(230);
            d.cmdApply->click();
        };
        f.w().action(QStringLiteral("mnuSettings")).trigger();
        QVERIFY(shown);
        QCOMPARE(f.w().font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(f.w().cmdSave->font().family(), QStringLiteral("DejaVu Serif"));
        const SettingsRecord saved = SettingsFile(f.w().settingsPath()).load();
        QCOMPARE(saved.ProgramFont, QStringLiteral("DejaVu Serif"));
        QCOMPARE(saved.transparency[9], int16_t(230));

        f.w().cmdTekst->click();
        Dialog* text = f.editor->texts().dialog();
        QVERIFY(text);
        QCOMPARE(text->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(text->windowOpacity(), 230 / 255.0);
    }
};

QTEST_MAIN(TestFrmSettings)
#include "tst_frmsettings.moc"
