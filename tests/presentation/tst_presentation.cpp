#include "MainWindowFixture.h"
#include "files/DiaFile.h"
#include "kinds/CoreKinds.h"
#include "library/CatalogueLoader.h"
#include "presentation/PresentationCommands.h"
#include "support/Setup.h"
#include "text/TextCommands.h"
#include "text/TextFields.h"
#include "workspace/DiagramState.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

namespace {

const QString Prompt = QStringLiteral("Въведете тайната дума за презентацията:");
const QString SaveQuestion =
    QStringLiteral("Искате ли да запазите промените, преди да продължите ?");

// The editor with the shipped slides in its program folder (all but `missing`).
struct Fixture : MainWindowFixture {
    explicit Fixture(int missing = 0) {
        QDir().mkpath(programDir.filePath(QStringLiteral("Samples")));
        for (int n = 1; n <= PresentationCommands::SlideCount; ++n) {
            if (n == missing)
                continue;
            const QString name = QStringLiteral("Samples/Slide%1.dia").arg(n);
            QFile::copy(QStringLiteral(VX_SAMPLES_DIR "/Slide%1.dia").arg(n),
                        programDir.filePath(name));
        }
    }
    PresentationCommands& p() { return editor->presentation(); }
    // A text field of the starting diagram: not an unsaved change.
    void startingText() {
        const Diagram::Edit setup = setUp(ws());
        TextFields::create(ws(), QStringLiteral("Начало"), 300, 300);
    }
    bool shows(int slide) {
        return p().slide() == slide &&
               ws().fileText() == QStringLiteral("Слайд: %1 от 12").arg(slide) &&
               ws().stateText() == DiagramStateText::loaded() &&
               shownTitle(w()) == QStringLiteral("Вексилардо - Кварелия 2005/06") &&
               p().cmdNextSlide->isVisible() && p().cmdPrevSlide->isVisible() &&
               !w().action(QStringLiteral("mnuPaste")).isEnabled() && !ws().history().canUndo() &&
               ws().store().usedCount(ElementKind::Picture) > 0;
    }
};

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT

private slots:
    void buttons() {
        Fixture f;
        QCOMPARE(f.p().cmdPrevSlide->text(), QStringLiteral("<"));
        QCOMPARE(f.p().cmdPrevSlide->toolTip(), QStringLiteral("Предишен слайд"));
        QCOMPARE(f.p().cmdNextSlide->text(), QStringLiteral(">"));
        QCOMPARE(f.p().cmdNextSlide->toolTip(), QStringLiteral("Следващ слайд"));
        QVERIFY(!f.p().cmdNextSlide->isVisible() && !f.p().cmdPrevSlide->isVisible());
        QVERIFY(f.w().pano->geometry().contains(f.p().cmdNextSlide->geometry()));
    }

    // The password in any letter case starts at slide 1; anything else changes nothing and
    // says nothing.
    void password_data() {
        QTest::addColumn<QString>("answer"); // empty: cancelled
        QTest::addColumn<bool>("starts");
        QTest::newRow("lower case") << "qorvent" << true;
        QTest::newRow("mixed case") << "QorVent" << true;
        QTest::newRow("wrong") << "qorvent " << false;
        QTest::newRow("cyrillic") << "ЯОРВЕНТ" << false;
        QTest::newRow("cancelled") << "" << false;
    }
    void password() {
        QFETCH(QString, answer);
        QFETCH(bool, starts);
        Fixture f;
        f.startingText();
        const ElementStore before = f.ws().store();
        const QString fileText = f.ws().fileText();
        if (!answer.isEmpty())
            f.prompter.inputs = {answer};
        f.p().enter();
        QCOMPARE(f.prompter.inputPrompts, QStringList{Prompt});
        QCOMPARE(f.prompter.messages.size(), 0);
        QCOMPARE(f.shows(1), starts);
        if (!starts) {
            QVERIFY(f.ws().store().sameElement(before, {ElementKind::Text, 1}));
            QCOMPARE(f.ws().fileText(), fileText);
            QVERIFY(!f.p().cmdNextSlide->isVisible());
        }
    }

    // Typed into a new text field, the phrase asks for the password instead of becoming the
    // text; the new field is an unsaved change, so the slide asks about it first.
    void phraseInTheTextDialog() {
        Fixture f;
        f.w().cmdTekst->click();
        Dialog* dialog = f.editor->texts().dialog();
        QVERIFY(dialog);
        dialog->txtTekst->setText(QStringLiteral("ключе, покажи ни го!"));
        f.prompter.inputs = {QStringLiteral("qorvent")};
        f.prompter.answers = {Prompter::Answer::No};
        dialog->OKButton->click();
        QCOMPARE(f.prompter.inputPrompts, QStringList{Prompt});
        QCOMPARE(f.prompter.texts(), QStringList{SaveQuestion});
        QVERIFY(f.shows(1));
        QCOMPARE(f.w().action(QStringLiteral("mnuHideManiFig")).text(),
                 QStringLiteral("Покажи манипулаторите"));
    }

    // Round and round both ways, every slide shown without a word; starting again goes back
    // to slide 1.
    void stepping() {
        Fixture f;
        f.prompter.inputs = {QStringLiteral("QORVENT"), QStringLiteral("qorvent")};
        f.p().enter();
        QVERIFY(f.shows(1));
        f.p().cmdPrevSlide->click();
        QVERIFY(f.shows(12));
        f.p().cmdNextSlide->click();
        QVERIFY(f.shows(1));
        for (int n = 2; n <= 12; ++n) {
            f.p().cmdNextSlide->click();
            QVERIFY2(f.shows(n), qPrintable(QString::number(n)));
        }
        for (int n = 11; n >= 3; --n)
            f.p().cmdPrevSlide->click();
        QVERIFY(f.shows(3));
        f.p().enter();
        QVERIFY(f.shows(1));
        f.p().cmdNextSlide->click();
        QVERIFY(f.shows(2));
        QCOMPARE(f.prompter.messages.size(), 0);
    }

    // Changes made to a slide are offered for saving; Cancel keeps them and the slide number.
    void unsavedChanges() {
        Fixture f;
        f.p().start();
        TextFields::create(f.ws(), QStringLiteral("Бележка"), 300, 300);
        QVERIFY(f.ws().diagram.Promqna);
        const ElementStore changed = f.ws().store();
        f.prompter.answers = {Prompter::Answer::Cancel, Prompter::Answer::No};
        f.p().cmdNextSlide->click();
        QCOMPARE(f.prompter.texts(), QStringList{SaveQuestion});
        QCOMPARE(f.p().slide(), 1);
        QCOMPARE(f.ws().fileText(), QStringLiteral("Слайд: 1 от 12"));
        QVERIFY(f.ws().diagram.Promqna);
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
            QVERIFY(f.ws().store().sameElement(changed, {ElementKind::Text, int16_t(slot)}));
        f.p().cmdNextSlide->click();
        QVERIFY(f.shows(2));
        QVERIFY(!f.ws().diagram.Promqna);
    }

    // A slide that is not there is reported as any unreadable file; the count goes on.
    void missingSlide() {
        Fixture f(5);
        f.p().showSlide(4);
        f.p().cmdNextSlide->click();
        QCOMPARE(f.prompter.texts(),
                 QStringList{QStringLiteral("Файлът „Slide5.dia“ не може да бъде прочетен.")});
        QCOMPARE(f.p().slide(), 5);
        QCOMPARE(f.ws().fileText(), QStringLiteral("Слайд: 5 от 12"));
        QCOMPARE(f.ws().store().usedCount(ElementKind::Picture), 0);
        f.p().cmdNextSlide->click();
        QVERIFY(f.shows(6));
    }

    // Each slide reads whole, with the library's own pictures, and shows at least four kinds
    // of element; together they show every kind, line type and several fills.
    void slidesAreWholeDiagrams() {
        ScriptedPrompter prompter;
        Workspace ws(prompter, CoreKinds());
        CatalogueLoader loader(QStringLiteral(VX_PROGRAM_DIR "/Kartinki"), ws.kartinki);
        loader.loadAll();
        QVERIFY(loader.faults().isEmpty());
        QSet<int> kinds, lineTypes, fills;
        int labels = 0;
        for (int n = 1; n <= PresentationCommands::SlideCount; ++n) {
            QFile file(PresentationCommands::slidePath(QStringLiteral(VX_SAMPLES_DIR "/.."), n));
            QVERIFY(file.open(QIODevice::ReadOnly));
            ws.Iz4isti();
            const DiaFile::ReadResult read = DiaFile::read(ws, file.readAll());
            QVERIFY(read.recognised && read.ended);
            QCOMPARE(read.damagedRecords, 0);
            QCOMPARE(read.missingKeys, QStringList());
            const ElementStore& s = ws.store();
            QSet<int> here;
            QSet<QString> names;
            for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
                if (s.objectStatus[slot] == ElementStore::Used)
                    names << s.objects[slot].ToolTipText;
            for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
                if (s.objectStatus[slot] == ElementStore::Used)
                    here << 0;
                if (s.lines[slot].Used) {
                    here << 1;
                    lineTypes << s.lines[slot].LineType;
                }
                if (s.shapes[slot].Kind) {
                    here << 2;
                    if (s.shapes[slot].Kind != 2)
                        fills << s.shapes[slot].FillStyle;
                }
                if (slot <= ElementStore::GridCapacity && s.grids[slot].Used)
                    here << 3;
                if (s.textStatus[slot] == ElementStore::Used) {
                    here << 4;
                    labels += names.contains(s.texts[slot].Caption);
                }
            }
            QVERIFY2(here.size() >= 4, qPrintable(QStringLiteral("Slide%1").arg(n)));
            kinds += here;
        }
        QCOMPARE(kinds.size(), 5);
        QCOMPARE(lineTypes, (QSet<int>{1, 2, 3}));
        QCOMPARE(fills, (QSet<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QVERIFY(labels >= 10);
        QVERIFY(prompter.messages.isEmpty());
    }
};

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
