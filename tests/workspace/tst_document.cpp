#include "MainWindowFixture.h"

#include "common/Units.h"
#include "grids/GridCommands.h"
#include "grids/Grids.h"
#include "grids/frmAddTable.h"
#include "grids/frmEditTable.h"
#include "library/frmAddObject.h"
#include "lines/LineCommands.h"
#include "objects/PictureCommands.h"
#include "objects/ResizeHandles.h"
#include "shapes/ShapeCommands.h"
#include "shapes/Shapes.h"
#include "support/Setup.h"
#include "text/Dialog.h"
#include "text/TextCommands.h"
#include "text/TextFields.h"
#include "workspace/Diagram.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

namespace {

// Every pixel different from its neighbours, so a misplaced or mirrored one shows.
QImage distinct(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 6) & 0xFF, (y * 6) & 0xFF, (x * 7 + y * 13) & 0xFF));
    return image;
}

// The whole diagram fits in here.
const QRectF WholeDiagram(0, 0, 13500, 9000);

// A diagram with every kind of element, every handle shown:
//   pictures 1 (600, 1500), 2 (3600, 4500) and 3 (6600, 600), 40 x 40 pixels, named "Кутия";
//   text field 1 at (1500, 3000);
//   lines 1 (1 → 2, type 1), 2 (2 → 3, type 2) and 3 (1 → 3, type 3);
//   shapes 1 rectangle (solid fill), 2 line, 3 ellipse (hatched), 4 circle;
//   grid 1, 3 x 4, 3000 x 1500 at (1500, 6300).
void everyKind(Workspace& ws) {
    ws.settings.ShowInfo = false;
    ws.kartinki.add(QStringLiteral("BOX"), distinct({40, 40}), QStringLiteral("Кутия"));
    ws.kartinki.add(QStringLiteral("AND"), distinct({32, 24}), QStringLiteral("Логически И"));
    ws.diagram.Posledno = QStringLiteral("BOX");
    Diagram::Edit setup = setUp(ws);
    for (const QPointF at : {QPointF(600, 1500), QPointF(3600, 4500), QPointF(6600, 600)}) {
        ws.DobaviNov(QStringLiteral("BOX"));
        setup.store().objects[ws.diagram.Nomer].Left = at.x();
        setup.store().objects[ws.diagram.Nomer].Top = at.y();
    }
    TextFields::create(ws, QStringLiteral("Сървърна"), 1500, 3000);
    ElementStore& store = setup.store();
    store.lines[1] = {1, 1, 2, 1, Rgb(200, 0, 0), 2, 0};
    store.lines[2] = {1, 2, 3, 2, 0, 1, 1};
    store.lines[3] = {1, 1, 3, 3, Rgb(0, 0, 200), 3, 2};
    for (int slot = 1; slot <= 3; ++slot)
        ws.canvas.lineHandles[slot].visible = true;
    const int32_t blue = Rgb(0, 0, 200), grey = Rgb(120, 120, 120);
    store.shapes[1] = {Shapes::Rectangle, 9000, 600, 10500, 1800, blue, 2, Shapes::Solid, grey, 0};
    store.shapes[2] = {Shapes::Line, 9000, 2400, 11000, 3600, blue, 3, 0, 0, 1};
    store.shapes[3] = {Shapes::EllipseKind, 9000, 4200, 10800, 5400, 0, 1, 4, grey, 0};
    store.shapes[4] = {Shapes::EllipseKind, 11400, 600, 12600, 1800, blue, 1, 1, 0, 2};
    for (int slot = 1; slot <= 4; ++slot) {
        store.shapeHandles[slot] = Shapes::handleTopLeft(store.shapes[slot]);
        ws.canvas.shapeHandleVisible[slot] = true;
    }
    store.grids[1] = GridRecord{1, 3, 4, 6300, 1500, 3000, 1500, Rgb(0, 128, 0), 1};
    store.gridHandles[1] = QPointF(1500, 6300);
    ws.canvas.gridHandleVisible[1] = true;
    ws.Pre4ertai(); // the line handles go onto their lines
}

// The canvas as a screen update paints it: the canvas bitmap and everything over it.
QImage canvasPicture(MainWindowFixture& f) {
    QCoreApplication::processEvents();
    Pano* pano = f.w().pano;
    QImage image(pano->size(), QImage::Format_RGB32);
    pano->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

QString firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    int count = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0)
                first = QPoint(x, y);
    return QStringLiteral("%1 pixels differ, the first at %2,%3")
        .arg(count)
        .arg(first.x())
        .arg(first.y());
}

QPoint centreOf(const PictureObject& o) {
    return px(o.Left + o.Width / 2, o.Top + o.Height / 2);
}

// The middle of a handle whose top-left corner is `topLeft` and side `size` (twips).
QPoint middleOf(QPointF topLeft, double size) {
    return px(topLeft.x() + size / 2, topLeft.y() + size / 2);
}

// Left button down at `from`, one move by `by` pixels, up there.
void drag(MainWindowFixture& f, QPoint from, QPoint by) {
    QTest::mousePress(f.w().pano, Qt::LeftButton, {}, from);
    if (!by.isNull())
        QTest::mouseMove(f.w().pano, from + by);
    QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, from + by);
}

// A right click that opens an element's menu, which the user then leaves for one of its
// entries; `entry` is triggered when given.
void fromMenuAt(MainWindowFixture& f, QPoint at, const QString& entry = QString()) {
    QTest::mousePress(f.w().pano, Qt::RightButton, {}, at);
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup);
    QAction* action = popup->findChild<QAction*>(entry);
    popup->hide();
    QTest::mouseRelease(f.w().pano, Qt::RightButton, {}, at);
    if (entry.isEmpty())
        return;
    if (!action)
        action = &f.w().action(entry);
    action->trigger();
}

QPoint onPicture(MainWindowFixture& f, int slot) {
    return centreOf(f.ws().store().objects[slot]);
}
QPoint onText(MainWindowFixture& f) {
    const TextField& t = f.ws().store().texts[1];
    return px(t.Left + 30, t.Top + 30);
}
QPoint onLineHandle(MainWindowFixture& f, int slot) {
    return middleOf(f.ws().canvas.lineHandles[slot].topLeft, 90);
}
QPoint onShapeHandle(MainWindowFixture& f, int slot) {
    return middleOf(f.ws().store().shapeHandles[slot], Shapes::HandleSize);
}
QPoint onGridHandle(MainWindowFixture& f) {
    return middleOf(f.ws().store().gridHandles[1], Grids::HandleSize);
}
QPoint onResizeHandle(MainWindowFixture& f, int index) {
    return middleOf(f.ws().canvas.Manip[index].topLeft, ResizeHandles::Size);
}

// Draws with the tool of `start` from (7500, 6000) across `by` pixels, on bare canvas.
void drawWith(MainWindowFixture& f, const std::function<void()>& start, QPoint by) {
    start();
    drag(f, px(7500, 6000), by);
}

// The ellipse button offers its two tools in a menu.
void ellipseTool(MainWindowFixture& f, const char* entry) {
    f.w().optElipse->click();
    QMenu& tools = f.w().menu(QStringLiteral("mnuAddElipse"));
    QVERIFY(tools.isVisible());
    tools.hide();
    f.w().action(QString::fromLatin1(entry)).trigger();
}

// "Таблица": the message answered, the area marked, the rows-and-columns dialog answered.
void addGrid(MainWindowFixture& f, bool go) {
    f.prompter.answers.push_back(Prompter::Answer::Ok);
    f.answerGridDialog = [go](frmAddTable& dialog) {
        dialog.txtRows->setCurrentText(QStringLiteral("2"));
        dialog.txtColums->setCurrentText(QStringLiteral("5"));
        (go ? dialog.cmdGo : dialog.cmdCancel)->click();
    };
    f.w().action(QStringLiteral("mnuTable")).trigger();
    drag(f, px(5500, 6500), QPoint(60, 60));
}

void editGrid(MainWindowFixture& f, bool ok) {
    f.editor->grids().runEditDialog = [ok](frmEditTable& dialog) {
        dialog.txtWidth->setText(QStringLiteral("2000"));
        (ok ? dialog.cmdOk : dialog.cmdCancel)->click();
    };
    fromMenuAt(f, onGridHandle(f), QStringLiteral("mnuEdit"));
}

// The text dialog, opened by `open`, given `text` (none: left as it is) and closed.
void textDialog(MainWindowFixture& f, const std::function<void()>& open, const QString& text,
                bool ok = true) {
    open();
    Dialog* dialog = f.editor->texts().dialog();
    QVERIFY(dialog && dialog->isVisible());
    if (!text.isNull())
        dialog->txtTekst->setText(text);
    (ok ? dialog->OKButton : dialog->CancelButton)->click();
}

// The library chooser: the logic category typed, "И" picked, "Добави" pressed.
void addFromLibrary(MainWindowFixture& f) {
    f.w().action(QStringLiteral("mnuAddLib")).trigger();
    frmAddObject* chooser = f.editor->pictures().chooser();
    QVERIFY(chooser);
    QLineEdit* category = chooser->cmdCateg->lineEdit();
    category->selectAll();
    QTest::keyClick(category, Qt::Key_Delete);
    for (const QChar letter : QStringLiteral("Логика")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(category, &press);
        QApplication::sendEvent(category, &release);
    }
    const QList<QListWidgetItem*> found =
        chooser->lstObjects->findItems(QStringLiteral("И"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(chooser->lstObjects->viewport(), Qt::LeftButton, {},
                      chooser->lstObjects->visualItemRect(found.first()).center());
    QTest::mouseClick(chooser->cmdAdd, Qt::LeftButton);
}

void importPicture(MainWindowFixture& f, bool chosen) {
    if (chosen) {
        const QString path = f.configDir.filePath(QStringLiteral("снимка.png"));
        QVERIFY(distinct({30, 20}).save(path, "PNG"));
        f.prompter.fileNames.push_back(path);
    }
    f.w().action(QStringLiteral("mnuAddFromFile")).trigger();
}

Prompter::FontChoice boldFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(14);
    font.setBold(true);
    return {font, Rgb(0, 128, 0)};
}

// One command as the user gives it, on the diagram of `everyKind`, and how many changes of
// the diagram it makes.
struct Command {
    const char* name;
    int changes;
    std::function<void(MainWindowFixture&)> run;
};

using F = MainWindowFixture;
const auto yes = [](F& f) { f.prompter.answers.push_back(Prompter::Answer::Yes); };
const auto no = [](F& f) { f.prompter.answers.push_back(Prompter::Answer::No); };
const auto colour = [](F& f, std::optional<int32_t> c) { f.prompter.colours.push_back(c); };
const auto trigger = [](F& f, const char* name) {
    f.w().action(QString::fromLatin1(name)).trigger();
};

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        // Pictures.
        {"add from the library", 1, addFromLibrary},
        {"add last", 1, [](F& f) { f.w().cmdAddLast->click(); }},
        {"import a picture file", 1, [](F& f) { importPicture(f, true); }},
        {"import cancelled", 0, [](F& f) { importPicture(f, false); }},
        {"delete a picture, Yes", 1,
         [](F& f) {
             yes(f);
             fromMenuAt(f, onPicture(f, 3), QStringLiteral("mnuOptDelete"));
         }},
        {"delete a picture, No", 0,
         [](F& f) {
             no(f);
             fromMenuAt(f, onPicture(f, 3), QStringLiteral("mnuOptDelete"));
         }},
        {"drag a picture", 1,
         [](F& f) {
             drag(f, onPicture(f, 1), {20, 10});
         }},
        {"click a picture", 0, [](F& f) { drag(f, onPicture(f, 1), {}); }},
        {"mirror a picture", 1,
         [](F& f) { fromMenuAt(f, onPicture(f, 1), QStringLiteral("mnuHoriz")); }},
        {"flip a picture", 1,
         [](F& f) { fromMenuAt(f, onPicture(f, 1), QStringLiteral("mnuFlipVert")); }},
        {"turn a picture", 1,
         [](F& f) { fromMenuAt(f, onPicture(f, 1), QStringLiteral("mnuFlip90")); }},
        {"rename a picture", 1,
         [](F& f) {
             textDialog(
                 f, [&f] { fromMenuAt(f, onPicture(f, 2), QStringLiteral("mnuOptEdit")); },
                 QStringLiteral("Рутер"));
         }},
        // Text fields.
        // The field is made with its template text; what the user types into the dialog is
        // an edit of its own, as the field is on the canvas meanwhile.
        {"new text", 1, [](F& f) { f.w().button(QStringLiteral("cmdTekst")).click(); }},
        {"edit a text", 1,
         [](F& f) {
             textDialog(
                 f, [&f] { fromMenuAt(f, onText(f), QStringLiteral("mnuOptEdit")); },
                 QStringLiteral("Склад"));
         }},
        {"edit a text, left as it was", 0,
         [](F& f) {
             textDialog(f, [&f] { fromMenuAt(f, onText(f), QStringLiteral("mnuOptEdit")); }, {});
         }},
        {"edit a text, cancelled", 0,
         [](F& f) {
             textDialog(
                 f, [&f] { fromMenuAt(f, onText(f), QStringLiteral("mnuOptEdit")); },
                 QStringLiteral("Склад"), false);
         }},
        {"font", 1,
         [](F& f) {
             f.prompter.fontChoices.push_back(boldFont());
             fromMenuAt(f, onText(f), QStringLiteral("mnuOptFont"));
         }},
        {"font, cancelled", 0,
         [](F& f) { fromMenuAt(f, onText(f), QStringLiteral("mnuOptFont")); }},
        {"a label for one object", 1,
         [](F& f) { fromMenuAt(f, onPicture(f, 1), QStringLiteral("mnuEtiketDown")); }},
        {"labels for all", 1,
         [](F& f) {
             yes(f);
             trigger(f, "mnuEtiquetesLeft");
         }},
        {"labels for all, No", 0,
         [](F& f) {
             no(f);
             trigger(f, "mnuEtiquetesLeft");
         }},
        {"delete a text, Yes", 1,
         [](F& f) {
             yes(f);
             fromMenuAt(f, onText(f), QStringLiteral("mnuOptDelete"));
         }},
        {"delete a text, No", 0,
         [](F& f) {
             no(f);
             fromMenuAt(f, onText(f), QStringLiteral("mnuOptDelete"));
         }},
        {"drag a text", 1,
         [](F& f) {
             drag(f, onText(f), {20, 10});
         }},
        {"click a text", 0, [](F& f) { drag(f, onText(f), {}); }},
        // Connection lines.
        {"connect two objects", 1,
         [](F& f) {
             f.w().cmdCon->click();
             QTest::mouseClick(f.w().pano, Qt::LeftButton, {}, onPicture(f, 2));
             QTest::mouseClick(f.w().pano, Qt::LeftButton, {}, onPicture(f, 3));
         }},
        {"line type", 1,
         [](F& f) { fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuLineType2")); }},
        {"line width", 1,
         [](F& f) { fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuDebLine4")); }},
        {"line style", 1,
         [](F& f) { fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuLinStyDot")); }},
        {"line colour", 1,
         [](F& f) {
             colour(f, Rgb(0, 160, 0));
             fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuColLine"));
         }},
        {"line colour, cancelled", 0,
         [](F& f) {
             colour(f, std::nullopt);
             fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuColLine"));
         }},
        {"delete a line, Yes", 1,
         [](F& f) {
             yes(f);
             fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuDelLine"));
         }},
        {"delete a line, No", 0,
         [](F& f) {
             no(f);
             fromMenuAt(f, onLineHandle(f, 1), QStringLiteral("mnuDelLine"));
         }},
        // Shapes.
        {"draw a rectangle", 1,
         [](F& f) {
             drawWith(f, [&f] { f.w().optRect->click(); }, {80, 60});
         }},
        {"draw a line", 1,
         [](F& f) {
             drawWith(f, [&f] { f.w().optLine->click(); }, {80, 60});
         }},
        {"draw an ellipse", 1,
         [](F& f) {
             drawWith(f, [&f] { ellipseTool(f, "mnuEllEllipse"); }, {80, 60});
         }},
        {"draw a circle", 1,
         [](F& f) {
             drawWith(f, [&f] { ellipseTool(f, "mnuEllOkr"); }, {80, 60});
         }},
        {"click with the rectangle tool", 0,
         [](F& f) { drawWith(f, [&f] { f.w().optRect->click(); }, {}); }},
        {"shape colour", 1,
         [](F& f) {
             colour(f, Rgb(200, 0, 0));
             fromMenuAt(f, onShapeHandle(f, 1), QStringLiteral("mnuShapeColor"));
         }},
        {"shape colour, cancelled", 0,
         [](F& f) {
             colour(f, std::nullopt);
             fromMenuAt(f, onShapeHandle(f, 1), QStringLiteral("mnuShapeColor"));
         }},
        {"shape fill colour", 1,
         [](F& f) {
             colour(f, Rgb(0, 200, 200));
             fromMenuAt(f, onShapeHandle(f, 1), QStringLiteral("mnuFillCol"));
         }},
        {"shape fill pattern", 1,
         [](F& f) { fromMenuAt(f, onShapeHandle(f, 1), QStringLiteral("mnuShpCross")); }},
        {"flip a shape line", 1,
         [](F& f) { fromMenuAt(f, onShapeHandle(f, 2), QStringLiteral("mnuFlip")); }},
        {"delete a shape, Yes", 1,
         [](F& f) {
             yes(f);
             fromMenuAt(f, onShapeHandle(f, 3), QStringLiteral("mnuDeleteFig"));
         }},
        {"delete a shape, No", 0,
         [](F& f) {
             no(f);
             fromMenuAt(f, onShapeHandle(f, 3), QStringLiteral("mnuDeleteFig"));
         }},
        {"drag a shape handle", 1,
         [](F& f) {
             drag(f, onShapeHandle(f, 3), {20, 10});
         }},
        {"click a shape handle", 0, [](F& f) { drag(f, onShapeHandle(f, 3), {}); }},
        // Grids.
        {"add a grid", 1, [](F& f) { addGrid(f, true); }},
        {"add a grid, cancelled", 0, [](F& f) { addGrid(f, false); }},
        {"edit a grid", 1, [](F& f) { editGrid(f, true); }},
        {"edit a grid, cancelled", 0, [](F& f) { editGrid(f, false); }},
        {"delete a grid, Yes", 1,
         [](F& f) {
             yes(f);
             fromMenuAt(f, onGridHandle(f), QStringLiteral("mnuDellTable"));
         }},
        {"delete a grid, No", 0,
         [](F& f) {
             no(f);
             fromMenuAt(f, onGridHandle(f), QStringLiteral("mnuDellTable"));
         }},
        {"drag a grid handle", 1,
         [](F& f) {
             drag(f, onGridHandle(f), {20, 10});
         }},
        {"click a grid handle", 0, [](F& f) { drag(f, onGridHandle(f), {}); }},
        // The resize handles.
        {"resize a picture", 1,
         [](F& f) {
             fromMenuAt(f, onPicture(f, 1), QStringLiteral("mnuSizePic"));
             drag(f, onResizeHandle(f, 4), {10, 8});
         }},
        {"click a picture's resize handle", 0,
         [](F& f) {
             fromMenuAt(f, onPicture(f, 1), QStringLiteral("mnuSizePic"));
             drag(f, onResizeHandle(f, 4), {});
         }},
        {"resize a shape", 1,
         [](F& f) {
             fromMenuAt(f, onShapeHandle(f, 1), QStringLiteral("mnuShapeSize"));
             drag(f, onResizeHandle(f, 4), {10, 8});
         }},
        {"resize a grid", 1,
         [](F& f) {
             fromMenuAt(f, onGridHandle(f), QStringLiteral("mnuResize"));
             drag(f, onResizeHandle(f, 4), {10, 8});
         }},
        {"click a grid's resize handle", 0,
         [](F& f) {
             fromMenuAt(f, onGridHandle(f), QStringLiteral("mnuResize"));
             drag(f, onResizeHandle(f, 1), {});
         }},
        // The view.
        {"scroll", 0,
         [](F& f) {
             f.w().pano->MoveHorizont->setMaximum(3000);
             f.w().pano->MoveHorizont->setValue(600);
             f.w().pano->MoveVertikal->setMaximum(3000);
             f.w().pano->MoveVertikal->setValue(300);
         }},
    };
    return table;
}

int changesOf(const QSignalSpy& spy, DiagramChange::Scope scope) {
    int count = 0;
    for (const QList<QVariant>& arguments : spy)
        count += arguments.at(0).value<DiagramChange>().scope == scope;
    return count;
}

// Whether two stores hold the same diagram, element by element.
bool sameDiagram(const ElementStore& a, const ElementStore& b) {
    for (const ElementKind kind : {ElementKind::Picture, ElementKind::Text, ElementKind::Shape,
                                   ElementKind::Line, ElementKind::Grid}) {
        const int last =
            kind == ElementKind::Grid ? ElementStore::GridCapacity : ElementStore::Capacity;
        for (int16_t slot = 1; slot <= last; ++slot)
            if (!a.sameElement(b, {kind, slot}))
                return false;
    }
    return true;
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<DiagramChange>(); }

    // What a later undo rests on: the copy taken before a few commands, put back, shows the
    // diagram exactly as it was, on the canvas and in an export alike.
    void restoredCopyRendersEveryPixelAsBefore() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        everyKind(ws);
        const QImage canvasBefore = canvasPicture(f);
        const QImage regionBefore = ws.renderRegion(WholeDiagram);
        const ElementStore copy = ws.document().snapshot();

        drag(f, onPicture(f, 1), {40, 30});
        drag(f, onShapeHandle(f, 1), {30, 20});
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        fromMenuAt(f, onPicture(f, 3), QStringLiteral("mnuOptDelete")); // and lines 2 and 3
        fromMenuAt(f, onGridHandle(f), QStringLiteral("mnuResize"));
        drag(f, onResizeHandle(f, 4), {40, 20});
        f.w().action(QStringLiteral("mnuStopInstr")).trigger();
        QCOMPARE(ws.store().objectStatus[3], int16_t(ElementStore::Free));
        QCOMPARE(ws.store().grids[1].Width, 3600);
        QVERIFY(canvasPicture(f) != canvasBefore);
        QVERIFY(ws.renderRegion(WholeDiagram) != regionBefore);

        QSignalSpy changes(&ws.document(), &Diagram::changed);
        ws.restoreDiagram(copy, QStringLiteral("Отмяна"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changesOf(changes, DiagramChange::Scope::Diagram), 1);
        QCOMPARE(changes.first().at(0).value<DiagramChange>().step, QStringLiteral("Отмяна"));

        const QImage canvasAfter = canvasPicture(f);
        QVERIFY2(canvasAfter == canvasBefore,
                 qPrintable(firstDifference(canvasAfter, canvasBefore)));
        const QImage regionAfter = ws.renderRegion(WholeDiagram);
        QVERIFY2(regionAfter == regionBefore,
                 qPrintable(firstDifference(regionAfter, regionBefore)));
    }

    void eachCommandIsOneChange_data() {
        QTest::addColumn<int>("row");
        for (size_t row = 0; row < commands().size(); ++row)
            QTest::newRow(commands()[row].name) << int(row);
    }

    // Each command the user gives is one change of the diagram, whatever helpers it calls; what
    // changes nothing is none. Each change is one step that undo takes back and redo does again.
    void eachCommandIsOneChange() {
        QFETCH(int, row);
        const Command& command = commands()[size_t(row)];
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        everyKind(ws);
        QVERIFY(!ws.diagram.Promqna);
        QSignalSpy changes(&ws.document(), &Diagram::changed);
        const QImage before = ws.renderRegion(WholeDiagram);
        const ElementStore start = ws.document().snapshot();

        command.run(f);
        QCOMPARE(changesOf(changes, DiagramChange::Scope::Diagram), command.changes);
        QCOMPARE(changesOf(changes, DiagramChange::Scope::Replaced), 0);
        // Unsaved exactly when the diagram changed, even where the status panel says
        // "changed" after a drawing operation that drew or moved nothing.
        QCOMPARE(ws.diagram.Promqna, command.changes > 0);
        QCOMPARE(ws.history().steps(), command.changes);
        QVERIFY(f.prompter.answers.empty() && f.prompter.colours.empty() &&
                f.prompter.fontChoices.empty() && f.prompter.fileNames.empty());
        if (QByteArray(command.name) == "scroll") {
            QVERIFY(changesOf(changes, DiagramChange::Scope::View) > 0);
            QCOMPARE(ws.canvas.view.origin, QPointF(600, 300));
        }
        // A command that reports no change left the diagram looking as it did.
        if (command.changes == 0)
            QVERIFY(ws.renderRegion(WholeDiagram) == before);

        const ElementStore end = ws.document().snapshot();
        const QImage after = ws.renderRegion(WholeDiagram);
        QAction& undo = f.w().action(QStringLiteral("mnuUndo"));
        QAction& redo = f.w().action(QStringLiteral("mnuRedo"));
        for (int step = 0; step < command.changes; ++step) {
            QVERIFY(undo.isEnabled() && undo.text().startsWith(QStringLiteral("Отмени: ")));
            undo.trigger();
        }
        QVERIFY(!undo.isEnabled());
        QVERIFY(sameDiagram(ws.store(), start));
        QVERIFY(ws.renderRegion(WholeDiagram) == before);
        QVERIFY(!ws.diagram.Promqna);
        for (int step = 0; step < command.changes; ++step) {
            QVERIFY(redo.isEnabled() && redo.text().startsWith(QStringLiteral("Повтори: ")));
            redo.trigger();
        }
        QVERIFY(!redo.isEnabled());
        QVERIFY(sameDiagram(ws.store(), end));
        QVERIFY(ws.renderRegion(WholeDiagram) == after);
        QCOMPARE(ws.diagram.Promqna, command.changes > 0);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
