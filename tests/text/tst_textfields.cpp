#include "MainWindowFixture.h"

#include "common/Units.h"
#include "objects/PictureCommands.h"
#include "support/Setup.h"
#include "text/Dialog.h"
#include "text/TextCommands.h"
#include "text/TextFields.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/DiagramState.h"
#include "workspace/ElementMenu.h"
#include "workspace/TextFieldGeometry.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

const QString FullText =
    QStringLiteral("Паметта препълнена - не могат да се изведат повече обекти !");
const QString TextBufferFull =
    QStringLiteral("Буфера за текст е препълнен. Не могат да се създадат повече обекти!");
const QString NoNamedObjects = QStringLiteral("На екрана няма обекти, носещи атрибута текст.");

void fillTextBuffer(Workspace& ws) {
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
        setUp(ws).store().textStatus[slot] = ElementStore::Used;
}

// A picture object with a name at a place.
int16_t namedObject(Workspace& ws, const QString& name, double left, double top) {
    addObject(ws, QStringLiteral("SKETCHPAD"));
    PictureObject& o = setUp(ws).store().objects[ws.diagram.Nomer];
    o.ToolTipText = name;
    o.Left = left;
    o.Top = top;
    return ws.diagram.Nomer;
}

} // namespace

class TestTextFields : public QObject {
    Q_OBJECT

private slots:
    void labelPositions_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QRectF>("object");
        QTest::addColumn<QPointF>("expected");
        // Labels are 400 x 200 twips.
        QTest::newRow("below") << int(TextFields::Below) << QRectF(1000, 500, 600, 900)
                               << QPointF(1100, 500 + 900 + 255);
        QTest::newRow("above") << int(TextFields::Above) << QRectF(1000, 500, 600, 900)
                               << QPointF(1100, 500 - 200 - 255);
        QTest::newRow("left of an object at the edge")
            << int(TextFields::Left) << QRectF(100, 500, 600, 900) << QPointF(-555, 850);
        QTest::newRow("right") << int(TextFields::Right) << QRectF(1000, 500, 600, 900)
                               << QPointF(1855, 850);
        // Single precision, not rounded.
        QTest::newRow("half twips")
            << int(TextFields::Below) << QRectF(1000.5, 0, 601, 15) << QPointF(1101, 270);
    }
    void labelPositions() {
        QFETCH(int, position);
        QFETCH(QRectF, object);
        QFETCH(QPointF, expected);
        QCOMPARE(TextFields::labelPosition(object, QSizeF(400, 200), position), expected);
    }

    void newTextFieldWaitsForItsText() {
        MainWindowFixture f("[Settings]\r\nProgramFont=DejaVu Serif\r\n");
        Workspace& ws = f.ws();
        ws.setStateText(DiagramStateText::loaded());
        f.w().button(QStringLiteral("cmdTekst")).click();

        QCOMPARE(ws.store().textStatus[1], int16_t(ElementStore::Used));
        const TextField& field = ws.store().texts[1];
        QCOMPARE(QPointF(field.Left, field.Top), QPointF(375, 120));
        QCOMPARE(field.Caption, QStringLiteral("Текст 1"));
        QCOMPARE(field.FontName, ws.GetProgramFont());
        QVERIFY(field.Visible);
        Dialog* dialog = f.editor->texts().dialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->Kutiq, int16_t(1));
        QCOMPARE(dialog->ImeNaKontrol, ElementKind::Text);
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());

        // Saving an empty text.
        dialog->txtTekst->clear();
        dialog->OKButton_Click();
        QCOMPARE(field.Caption, QStringLiteral("Въведете текст"));

        // The menu command makes the next one; a second dialog replaces the first.
        f.w().action(QStringLiteral("mnuAddText")).trigger();
        QCOMPARE(ws.store().textStatus[2], int16_t(ElementStore::Used));
        QCOMPARE(f.editor->texts().dialog()->Kutiq, int16_t(2));
    }

    void fullTextBufferMakesNothing() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        fillTextBuffer(ws);
        f.w().button(QStringLiteral("cmdTekst")).click();
        QCOMPARE(f.prompter.texts(), QStringList({FullText, TextBufferFull}));
        QCOMPARE(f.prompter.titles(), QStringList({"Програмна грешка", "Програмна грешка"}));
        QVERIFY(!f.editor->texts().dialog());
    }

    void draggingATextField() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        int16_t slot = 0;
        {
            const Diagram::Edit setup = setUp(ws);
            slot = TextFields::create(ws, QStringLiteral("Сървърна"), 1500, 1500);
        }
        const int16_t object = namedObject(ws, QStringLiteral("Хъб"), 3000, 3000);
        ws.setStateText(DiagramStateText::loaded());
        Pano* pano = f.w().pano;
        CanvasLayerStack& layers = pano->layers();
        const TextField& field = ws.store().texts[slot];

        QTest::mousePress(pano, Qt::LeftButton, {}, px(1530, 1530));
        QCOMPARE(ws.canvas.drag, ElementRef({ElementKind::Text, slot}));
        // A press on another element while the drag is on starts nothing.
        layers.press(Qt::LeftButton, Qt::LeftButton, QPointF(3030, 3030));
        QCOMPARE(ws.canvas.drag, ElementRef({ElementKind::Text, slot}));
        QVERIFY(!f.editor->pictures().dragging());
        QTest::mouseMove(pano, px(2025, 1830));
        QCOMPARE(QPointF(field.Left, field.Top), QPointF(1995, 1800));
        QVERIFY(!ws.diagram.Promqna);
        QTest::mouseRelease(pano, Qt::LeftButton, {}, px(2025, 1830));
        QVERIFY(ws.diagram.Promqna);
        QVERIFY(ws.canvas.drag.isNone());
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());
        QCOMPARE(ws.store().objects[object].Left, 3000.0);
    }

    void rightClickFramesTheFieldAndOffersItsEntries() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = TextFields::create(ws, QStringLiteral("Етаж 2"), 1500, 1500);
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, px(1530, 1530));
        QCOMPARE(ws.diagram.contextElement, ElementRef({ElementKind::Text, slot}));
        const QRectF box = CanvasGeometry::textRect(ws.store().texts[slot]);
        QVERIFY(ws.canvas.Ogr[1].visible);
        QCOMPARE(ws.canvas.Ogr[1].rect, box.adjusted(-40, -40, 40, 40));
        QVERIFY(f.w().action(QStringLiteral("mnuOptFont")).isVisible());
        for (const char* hidden : {"mnuEtiket", "mnuSizePic", "mnuFlPic", "EmpL2"})
            QVERIFY2(!f.w().action(QString::fromLatin1(hidden)).isVisible(), hidden);
        f.w().elementMenu().menu().close();
    }

    void fontDialogPresetAndResult() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = TextFields::create(ws, QStringLiteral("Етаж 2"), 1500, 1500);
        TextField& field = setUp(ws).store().texts[slot];
        field.FontName = QStringLiteral("DejaVu Sans");
        field.FontSize = 12;
        field.FontItalic = true;
        field.ForeColor = 0x0000FF;
        ws.diagram.contextElement = {ElementKind::Text, slot};
        QAction& font = f.w().action(QStringLiteral("mnuOptFont"));

        // Cancelled: the field keeps its font.
        font.trigger();
        QCOMPARE(f.prompter.fontChoicePresets.size(), 1);
        const Prompter::FontChoice preset = f.prompter.fontChoicePresets[0];
        QCOMPARE(preset.colour, 0x0000FF);
        QCOMPARE(preset.font.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(preset.font.pointSizeF(), 12.0);
        QVERIFY(preset.font.italic() && !preset.font.bold());
        QCOMPARE(field.FontName, QStringLiteral("DejaVu Sans"));

        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSizeF(20.5);
        chosen.setBold(true);
        chosen.setUnderline(true);
        chosen.setStrikeOut(true);
        f.prompter.fontChoices.push_back(Prompter::FontChoice{chosen, 0x008000});
        font.trigger();
        QCOMPARE(field.FontName, QStringLiteral("DejaVu Serif"));
        QCOMPARE(field.FontSize, 20.5);
        QVERIFY(field.FontBold && !field.FontItalic && field.FontUnderline && field.FontStrikethru);
        QCOMPARE(field.ForeColor, 0x008000);
    }

    // The dialog hands back what it was preset with, but for `change`: the field keeps every
    // property the user left alone, also where the preset had to stand in for it.
    void fontDialogChangesOnlyWhatChanged_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("change"); // "", "size", "bold" or "colour"
        QTest::newRow("unchanged, typeface not installed") << "Липсващ Шрифт" << 8.25 << "";
        QTest::newRow("unchanged, no font name") << "" << 8.25 << "";
        QTest::newRow("unchanged, no size") << "DejaVu Sans" << 0.0 << "";
        QTest::newRow("size only, no font name") << "" << 8.25 << "size";
        QTest::newRow("bold only, no size") << "DejaVu Sans" << 0.0 << "bold";
        QTest::newRow("colour only, no font name") << "" << 10.5 << "colour";
    }

    void fontDialogChangesOnlyWhatChanged() {
        QFETCH(QString, name);
        QFETCH(double, size);
        QFETCH(QString, change);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = TextFields::create(ws, QStringLiteral("Етаж 2"), 1500, 1500);
        TextField& field = setUp(ws).store().texts[slot];
        field.FontName = name;
        field.FontSize = size;
        field.FontUnderline = true;
        field.ForeColor = 0x0000FF;
        TextField expected = field;
        Prompter::FontChoice answer{TextFieldGeometry::font(field), field.ForeColor};
        if (change == QLatin1String("size")) {
            answer.font.setPointSizeF(14);
            expected.FontSize = 14;
        } else if (change == QLatin1String("bold")) {
            answer.font.setBold(true);
            expected.FontBold = true;
        } else if (change == QLatin1String("colour")) {
            answer.colour = 0x008000;
            expected.ForeColor = 0x008000;
        }
        f.prompter.fontChoices.push_back(answer);
        ws.diagram.contextElement = {ElementKind::Text, slot};
        f.w().action(QStringLiteral("mnuOptFont")).trigger();
        QCOMPARE(f.prompter.fontDialogs, 1);
        QCOMPARE(field.FontName, expected.FontName);
        QCOMPARE(field.FontSize, expected.FontSize);
        QCOMPARE((QList<bool>{field.FontBold, field.FontItalic, field.FontUnderline,
                              field.FontStrikethru}),
                 (QList<bool>{expected.FontBold, expected.FontItalic, expected.FontUnderline,
                              expected.FontStrikethru}));
        QCOMPARE(field.ForeColor, expected.ForeColor);
    }

    void editingTextOrName() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t text = TextFields::create(ws, QStringLiteral("Етаж 2"), 1500, 1500);
        const int16_t object = namedObject(ws, QStringLiteral("Хъб"), 3000, 3000);
        QAction& edit = f.w().action(QStringLiteral("mnuOptEdit"));

        ws.diagram.contextElement = {ElementKind::Text, text};
        edit.trigger();
        QCOMPARE(f.editor->texts().dialog()->txtTekst->text(), QStringLiteral("Етаж 2"));
        f.editor->texts().dialog()->txtTekst->setText(QStringLiteral("Етаж 3"));
        f.editor->texts().dialog()->OKButton_Click();
        QCOMPARE(ws.store().texts[text].Caption, QStringLiteral("Етаж 3"));

        ws.diagram.contextElement = {ElementKind::Picture, object};
        edit.trigger();
        Dialog* dialog = f.editor->texts().dialog();
        QCOMPARE(dialog->ImeNaKontrol, ElementKind::Picture);
        QCOMPARE(dialog->txtTekst->text(), QStringLiteral("Хъб"));
        dialog->txtTekst->setText(QStringLiteral("Главен хъб"));
        dialog->OKButton_Click();
        QCOMPARE(ws.store().objects[object].ToolTipText, QStringLiteral("Главен хъб"));
    }

    // The dialog of a field that is deleted closes, so the field that takes the slot next
    // never receives the text meant for the old one.
    void dialogOfADeletedFieldCloses() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t slot = TextFields::create(ws, QStringLiteral("Етаж 2"), 1500, 1500);
        ws.diagram.contextElement = {ElementKind::Text, slot};
        f.w().action(QStringLiteral("mnuOptEdit")).trigger();
        Dialog* dialog = f.editor->texts().dialog();
        dialog->txtTekst->setText(QStringLiteral("Етаж 3"));
        ws.deleteText(slot);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(TextFields::create(ws, QStringLiteral("Склад"), 0, 0), slot);
        dialog->OKButton_Click();
        QCOMPARE(ws.store().texts[slot].Caption, QStringLiteral("Склад"));
    }

    void oneLabel() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const int16_t unnamed = namedObject(ws, QString(), 1000, 1000);
        const int16_t named = namedObject(ws, QStringLiteral("Рутер"), 3000, 3000);
        QAction& below = f.w().action(QStringLiteral("mnuEtiketDown"));

        ws.diagram.contextElement = {ElementKind::Picture, unnamed};
        below.trigger();
        QCOMPARE(ws.store().lowestFree(ElementKind::Text), int16_t(1));
        QVERIFY(f.prompter.messages.isEmpty());

        ws.diagram.contextElement = {ElementKind::Picture, named};
        below.trigger();
        const TextField& label = ws.store().texts[1];
        QCOMPARE(label.Caption, QStringLiteral("Рутер"));
        const PictureObject& o = ws.store().objects[named];
        QCOMPARE(label.Top, o.Top + o.Height + 255);
        QCOMPARE(label.Left, o.Left + o.Width / 2 - TextFieldGeometry::size(label).width() / 2);
        QVERIFY(ws.diagram.Promqna);

        // A label does not follow its object.
        setUp(ws).store().objects[named].Left += 600;
        QCOMPARE(label.Caption, QStringLiteral("Рутер"));
        QVERIFY(label.Left < ws.store().objects[named].Left);

        fillTextBuffer(ws);
        below.trigger();
        QCOMPARE(f.prompter.texts(), QStringList({FullText, TextBufferFull}));
    }

    void labelsForAllObjects_data() {
        QTest::addColumn<int>("named");
        QTest::addColumn<bool>("fullBuffer");
        QTest::addColumn<int>("labels");
        QTest::addColumn<QStringList>("messages");
        const QString question =
            QStringLiteral("Сигурни ли сте, че искате да етикирате обектите, притежаващи Текст ?");
        QTest::newRow("no named objects")
            << 0 << false << 0 << QStringList{question, NoNamedObjects};
        QTest::newRow("three named") << 3 << false << 3 << QStringList{question};
        QTest::newRow("three named, full buffer")
            << 3 << true << 0
            << QStringList{question,       FullText, TextBufferFull, FullText,
                           TextBufferFull, FullText, TextBufferFull, NoNamedObjects};
    }
    void labelsForAllObjects() {
        QFETCH(int, named);
        QFETCH(bool, fullBuffer);
        QFETCH(int, labels);
        QFETCH(QStringList, messages);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        namedObject(ws, QString(), 500, 500);
        for (int i = 0; i < named; ++i)
            namedObject(ws, QStringLiteral("Обект %1").arg(i), 1000 + 1500 * i, 2000);
        if (fullBuffer)
            fillTextBuffer(ws);
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        f.w().action(QStringLiteral("mnuEtiquetesLeft")).trigger();
        QCOMPARE(f.prompter.texts(), messages);
        int made = 0;
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
            made += !fullBuffer && ws.store().textStatus[slot] == ElementStore::Used;
        QCOMPARE(made, labels);
        QCOMPARE(ws.diagram.Promqna, labels > 0);
        if (labels > 0)
            QCOMPARE(ws.store().texts[1].Left,
                     1000 - TextFieldGeometry::size(ws.store().texts[1]).width() - 255);

        // Answering No does nothing at all.
        f.prompter.clear();
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().action(QStringLiteral("mnuEtiquetesLeft")).trigger();
        QCOMPARE(f.prompter.messages.size(), 1);
    }
};

QTEST_MAIN(TestTextFields)
#include "tst_textfields.moc"
