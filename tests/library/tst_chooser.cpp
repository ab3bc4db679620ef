#include "kinds/CoreKinds.h"
#include "library/ChooserTable.h"
#include "library/frmAddObject.h"
#include "support/ScriptedPrompter.h"
#include "support/Setup.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QImage solidImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QStringList itemTexts(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList itemTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// A main window stand-in with a workspace and an open chooser.
struct ChooserFixture {
    ScriptedPrompter prompter;
    Workspace workspace{prompter, CoreKinds()};
    QWidget mainWindow;
    QPointer<frmAddObject> chooser;

    ChooserFixture() {
        workspace.kartinki.add(QStringLiteral("HUB"), solidImage(40, 30, qRgb(200, 0, 0)),
                               QStringLiteral("Обикновен хъб"));
        workspace.kartinki.add(QStringLiteral("SMALL_HUB"), solidImage(33, 21, qRgb(0, 200, 0)),
                               QStringLiteral("Малък хъб за няколко машини"));
        workspace.kartinki.add(QStringLiteral("AND"), solidImage(32, 32, qRgb(0, 0, 200)),
                               QStringLiteral("Логически елемент И"));
    }
    ~ChooserFixture() { delete chooser.data(); }

    frmAddObject& open() {
        chooser = new frmAddObject(workspace, &mainWindow);
        chooser->show();
        return *chooser;
    }

    // What the user does through the drop-down of the main categories.
    void chooseMain(const QString& name) {
        const int index = chooser->cmdMainCat->findText(name);
        QVERIFY(index >= 0);
        chooser->cmdMainCat->setCurrentIndex(index);
        emit chooser->cmdMainCat->activated(index);
    }

    void typeCategory(const QString& text) {
        QLineEdit* edit = chooser->cmdCateg->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // keyClicks() only takes Latin-1, so the Cyrillic letters go in as plain key events.
        for (const QChar letter : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(edit, &press);
            QApplication::sendEvent(edit, &release);
        }
    }

    void chooseEntry(const QString& displayName) {
        const QList<QListWidgetItem*> found =
            chooser->lstObjects->findItems(displayName, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QListWidget* list = chooser->lstObjects;
        list->scrollToItem(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
        QCOMPARE(list->currentItem(), found.first());
    }

    int usedObjects() const { return workspace.store().usedCount(ElementKind::Picture); }
};

} // namespace

class TestChooser : public QObject {
    Q_OBJECT

private slots:
    void windowAndAppearance() {
        ChooserFixture f;
        f.workspace.settings.ProgramFont = QStringLiteral("DejaVu Serif");
        f.workspace.SetTransp(int(SettingsWindow::AddObject), 128);
        f.workspace.SetTransp(int(SettingsWindow::Main), 40);
        frmAddObject& w = f.open();
        QCOMPARE(w.objectName() + '|' + w.windowTitle(),
                 QStringLiteral("frmAddObject|Добавяне на обект"));
        QVERIFY(w.isWindow());
        QCOMPARE(w.parentWidget(), &f.mainWindow);
        QCOMPARE(w.windowOpacity(), 128 / 255.0);
        QCOMPARE(w.lstObjects->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(QStringList({w.fraChoose->title(), w.fraPreview->title(), w.chkClose->text(),
                              w.cmdAdd->text(), w.cmdClose->text()}),
                 QStringList({"Избор на обект", "Преглед", "Затвори след добавянето", "Добави",
                              "Затвори"}));
        QVERIFY(w.txtDescr->isReadOnly());
        QCOMPARE(w.picPrev->size(), QSize(160, 140));
        QCOMPARE(w.Preview->parentWidget(), w.picPrev);
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(w.lstObjects->height() >= 9 * w.lstObjects->fontMetrics().height());
        // The buttons sit at the bottom right, below everything else.
        QVERIFY(w.cmdAdd->geometry().right() < w.cmdClose->geometry().left());
        QVERIFY(w.cmdClose->geometry().right() > w.width() - 30);
        QVERIFY(w.cmdAdd->y() > w.fraChoose->geometry().bottom());
        QVERIFY(w.cmdAdd->y() > w.chkClose->geometry().bottom());
    }

    void firstState() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        QCOMPARE(itemTexts(w.cmdMainCat),
                 QStringList({"Компютърни мрежи", "Електроника и физика", "Друго"}));
        QVERIFY(!w.cmdMainCat->isEditable());
        QCOMPARE(w.cmdMainCat->currentText(), QStringLiteral("Компютърни мрежи"));
        // The categories are offered but none is chosen yet.
        QVERIFY(w.cmdCateg->isEditable());
        QCOMPARE(w.cmdCateg->count(), 12);
        QCOMPARE(w.cmdCateg->itemText(0), QStringLiteral("Хъбове"));
        QCOMPARE(w.cmdCateg->currentText(), QStringLiteral("Изберете категория"));
        QCOMPARE(w.lstObjects->count(), 0);
        QVERIFY(w.chosenKey().isEmpty());
        QVERIFY(w.Preview->pixmap().isNull());
    }

    void mainCategoryFillsItsCategories_data() {
        QTest::addColumn<QString>("main");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("first");
        QTest::newRow("electronics") << "Електроника и физика"
                                     << "Друго"
                                     << "Захранвания";
        QTest::newRow("other") << "Друго"
                               << "Компютърни мрежи"
                               << "Хора";
        QTest::newRow("networks") << "Компютърни мрежи"
                                  << "Друго"
                                  << "Хъбове";
    }

    void mainCategoryFillsItsCategories() {
        QFETCH(QString, main);
        QFETCH(QString, previous);
        QFETCH(QString, first);
        ChooserFixture f;
        frmAddObject& w = f.open();
        // Another main category first, so stale categories or entries would show.
        f.chooseMain(previous);
        f.chooseMain(main);

        const ChooserTable::MainCategory* table = ChooserTable::findMainCategory(main);
        QVERIFY(table);
        QStringList categories;
        for (const ChooserTable::Category& category : table->categories)
            categories << category.name;
        QCOMPARE(itemTexts(w.cmdCateg), categories);
        QCOMPARE(w.cmdCateg->currentText(), first);
        QStringList names;
        for (const ChooserTable::Entry& entry : table->categories.first().entries)
            names << entry.displayName;
        QVERIFY(!names.isEmpty());
        QCOMPARE(itemTexts(w.lstObjects), names);
        if (first == QStringLiteral("Захранвания")) {
            QCOMPARE(categories.size(), 11);
            QCOMPARE(names.size(), 7);
            QCOMPARE(names.first(), QStringLiteral("Батерия 1"));
        } else if (first == QStringLiteral("Хъбове")) {
            QCOMPARE(names, QStringList({"Хъб / Hub", "100BaseT хъб", "Малък хъб", "Cisco хъб"}));
        }
    }

    void typedCategoryMustMatchExactly() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        // Any category of the table, not only those of the main category on show.
        f.typeCategory(QStringLiteral("Логика"));
        QCOMPARE(itemTexts(w.lstObjects), QStringList({"НЕ", "И", "И-НЕ", "ИЛИ", "ИЛИ-НЕ",
                                                       "Изключващо ИЛИ", "Изключващо ИЛИ-НЕ"}));
        for (const char* text : {"логика", "Логик", "Логика ", "ЛОГИКА"}) {
            f.typeCategory(QString::fromUtf8(text));
            QCOMPARE(w.cmdCateg->currentText(), QString::fromUtf8(text));
            QVERIFY2(w.lstObjects->count() == 0, text);
        }
        // Enter neither completes the text nor adds it to the categories.
        f.typeCategory(QStringLiteral("хъб"));
        QTest::keyClick(w.cmdCateg->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.cmdCateg->currentText(), QStringLiteral("хъб"));
        QCOMPARE(w.cmdCateg->count(), 12);
        QCOMPARE(w.lstObjects->count(), 0);
        // Picking from the drop-down lists the category again.
        w.cmdCateg->setCurrentIndex(0);
        emit w.cmdCateg->activated(0);
        QCOMPARE(w.lstObjects->count(), 4);
    }

    void choosingAnEntryShowsItsPictureCentred_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("description");
        QTest::newRow("even size") << "Хъб / Hub"
                                   << "HUB"
                                   << "Обикновен хъб";
        QTest::newRow("odd size") << "Малък хъб"
                                  << "SMALL_HUB"
                                  << "Малък хъб за няколко машини";
    }

    void choosingAnEntryShowsItsPictureCentred() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(QString, description);
        ChooserFixture f;
        frmAddObject& w = f.open();
        f.chooseMain(QStringLiteral("Компютърни мрежи"));
        f.chooseEntry(name);

        QCOMPARE(w.chosenKey(), key);
        QCOMPARE(w.chosenDescription(), description);
        const QImage& picture = f.workspace.kartinki.find(key)->picture;
        QCOMPARE(w.Preview->size(), picture.size());
        QCOMPARE(w.Preview->pixmap().toImage().convertToFormat(QImage::Format_RGB32), picture);
        // Centred in the box and lifted 120 twips / 2 = 4 px above the middle.
        const QRect inner = w.picPrev->contentsRect();
        const double left = inner.left() + inner.width() / 2.0 - picture.width() / 2.0;
        const double top = inner.top() + (inner.height() - 8) / 2.0 - picture.height() / 2.0;
        QVERIFY2(qAbs(w.Preview->x() - left) <= 1.0, qPrintable(QString::number(w.Preview->x())));
        QVERIFY2(qAbs(w.Preview->y() - top) <= 1.0, qPrintable(QString::number(w.Preview->y())));

        QCOMPARE(w.txtDescr->toPlainText(), description);
        QCOMPARE(w.Preview->toolTip(), description);
        QCOMPARE(w.picPrev->toolTip(), description);
    }

    void entryWithoutPictureShowsAndAddsNothing() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        f.chooseMain(QStringLiteral("Компютърни мрежи"));
        f.chooseEntry(QStringLiteral("Хъб / Hub"));
        // CISCO_HUB has no picture in this store.
        f.chooseEntry(QStringLiteral("100BaseT хъб"));
        QCOMPARE(w.chosenKey(), QStringLiteral("CISCO_HUB"));
        QVERIFY(w.Preview->pixmap().isNull());
        QCOMPARE(w.Preview->size(), QSize(0, 0));
        QVERIFY(w.chosenDescription().isEmpty());
        QVERIFY(w.txtDescr->toPlainText().isEmpty());
        QVERIFY(w.picPrev->toolTip().isEmpty());
        // Adding it would leave an invisible object that nobody can pick.
        f.workspace.diagram.Posledno = QStringLiteral("HUB");
        QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.usedObjects(), 0);
        QCOMPARE(f.workspace.diagram.Posledno, QStringLiteral("HUB"));
    }

    void addPutsObjectsOnThePano() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        int changes = 0;
        QObject::connect(&f.workspace, &Workspace::elementsChanged, [&changes] { ++changes; });
        // A listed category is not a choice of picture.
        f.workspace.diagram.Posledno = QStringLiteral("CELL");
        f.typeCategory(QStringLiteral("Логика"));
        QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.usedObjects(), 0);
        QCOMPARE(f.workspace.diagram.Posledno, QStringLiteral("CELL"));
        QVERIFY(f.prompter.messages.isEmpty());

        f.chooseEntry(QStringLiteral("И"));
        QVERIFY(!w.chkClose->isChecked());
        QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
        const PictureObject& object = f.workspace.store().objects[1];
        QCOMPARE(object.Tag, QStringLiteral("AND"));
        QCOMPARE(QPointF(object.Left, object.Top), QPointF(375, 120));
        QCOMPARE(f.workspace.diagram.Posledno, QStringLiteral("AND"));
        QCOMPARE(changes, 1);
        // Several pictures in a row; the entry stays chosen.
        QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.usedObjects(), 2);
        QCOMPARE(f.workspace.store().objects[2].Tag, QStringLiteral("AND"));
        QVERIFY(w.isVisible());
    }

    void closeAfterAddingWhenTicked() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        f.chooseMain(QStringLiteral("Компютърни мрежи"));
        f.chooseEntry(QStringLiteral("Хъб / Hub"));
        w.chkClose->setChecked(true);
        QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.usedObjects(), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(f.chooser); // hidden, not destroyed
    }

    void fullObjectBufferStillRemembersTheKey() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
            setUp(f.workspace).store().objectStatus[slot] = ElementStore::Used;
        f.workspace.diagram.Posledno = QStringLiteral("AND");
        f.chooseMain(QStringLiteral("Компютърни мрежи"));
        f.chooseEntry(QStringLiteral("Хъб / Hub"));
        QTest::mouseClick(w.cmdAdd, Qt::LeftButton);
        QVERIFY(!f.prompter.messages.isEmpty());
        QCOMPARE(f.workspace.diagram.Nomer, int16_t(0));
        QCOMPARE(f.workspace.diagram.Posledno, QStringLiteral("HUB"));
    }

    void closeButtonHidesAndKeepsState() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        f.chooseMain(QStringLiteral("Електроника и физика"));
        f.typeCategory(QStringLiteral("Логика"));
        f.chooseEntry(QStringLiteral("И"));
        const QRect previewGeometry = w.Preview->geometry();
        QTest::mouseClick(w.cmdClose, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCoreApplication::processEvents();
        QVERIFY(f.chooser);

        w.show();
        QCOMPARE(w.cmdMainCat->currentText(), QStringLiteral("Електроника и физика"));
        QCOMPARE(w.cmdCateg->count(), 11);
        QCOMPARE(w.cmdCateg->currentText(), QStringLiteral("Логика"));
        QCOMPARE(w.lstObjects->currentItem()->text(), QStringLiteral("И"));
        QCOMPARE(w.chosenKey(), QStringLiteral("AND"));
        QCOMPARE(w.txtDescr->toPlainText(), QStringLiteral("Логически елемент И"));
        QCOMPARE(w.Preview->geometry(), previewGeometry);
    }

    void ownCloseBoxDestroysTheWindow() {
        ChooserFixture f;
        frmAddObject& w = f.open();
        f.chooseMain(QStringLiteral("Друго"));
        QVERIFY(w.close());
        // Closed windows are deleted later; run that now rather than wait for it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.chooser.isNull());
        // The next opening starts afresh.
        frmAddObject& again = f.open();
        QCOMPARE(again.cmdMainCat->currentText(), QStringLiteral("Компютърни мрежи"));
        QCOMPARE(again.cmdCateg->currentText(), QStringLiteral("Изберете категория"));
        QCOMPARE(again.lstObjects->count(), 0);
    }
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
