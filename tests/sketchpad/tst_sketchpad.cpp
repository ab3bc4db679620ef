// The sketchpad: its drawing and the window in the wired editor.
#include "MainWindowFixture.h"

#include "sketchpad/Sketch.h"
#include "sketchpad/SketchSurface.h"
#include "sketchpad/SketchpadCommands.h"
#include "sketchpad/frmAddPaint.h"
#include "workspace/EditorContext.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

namespace {

using Answer = Prompter::Answer;
const QRgb White = qRgb(255, 255, 255);

// The sketchpad of the fixture's editor, opened from its menu entry.
frmAddPaint& openSketchpad(MainWindowFixture& f) {
    f.editor->window().action(QStringLiteral("mnuAddSketchPad")).trigger();
    frmAddPaint* window = f.editor->sketchpad().sketchpad();
    Q_ASSERT(window);
    return *window;
}

// Pixels of `image` in `colour` along row y (or column x when `column`).
int countAcross(const QImage& image, int at, QRgb colour, bool column) {
    int n = 0;
    for (int i = 0; i < (column ? image.height() : image.width()); ++i)
        n += (column ? image.pixel(at, i) : image.pixel(i, at)) == colour;
    return n;
}

} // namespace

class TestSketchpad : public QObject {
    Q_OBJECT

private slots:
    // A line from (1000, 1000) to (2000, 1500) goes in as a 1240 x 740 twip picture object of
    // the diagram's own, with a 120-twip margin around the line, in one step; the sketchpad
    // closes.
    void insertTakesDrawnAreaWithMargin() {
        MainWindowFixture f;
        frmAddPaint& pad = openSketchpad(f);
        Sketch& sketch = pad.sketch();
        sketch.area.add(1000, 1000);
        sketch.drawLine(QPointF(1000, 1000), QPointF(2000, 1500));
        sketch.area.add(2000, 1500);
        f.prompter.answers = {Answer::Yes};
        pad.cmdGo_Click();
        QCOMPARE(f.prompter.texts(),
                 QStringList{QStringLiteral("Искате ли да вмъкнете нарисуваното на паното ?")});
        const int slot = f.ws().diagram.Nomer;
        QCOMPARE(slot, 1);
        const PictureObject& object = f.ws().store().objects[slot];
        QCOMPARE(object.Tag, QStringLiteral("SKETCHPAD"));
        QCOMPARE(QSizeF(object.Width, object.Height), QSizeF(1240, 740));
        QCOMPARE(object.picture.size(), QSize(83, 49));
        // The line starts 8 pixels in (120 twips) and the margin around it is white.
        QCOMPARE(object.picture.pixel(8, 8), qRgb(0, 0, 0));
        QCOMPARE(countAcross(object.picture, 2, White, false), 83);
        QCOMPARE(f.ws().history().undoStep(), QStringLiteral("Вмъкване на рисунка"));
        QVERIFY(!pad.isVisible());
    }

    // Insert with nothing drawn, answered No, and with a full object buffer: the sketchpad
    // stays open with the drawing.
    void insertRefusedKeepsDrawing() {
        MainWindowFixture f;
        frmAddPaint& pad = openSketchpad(f);
        pad.sketch().area.add(300, 300);
        pad.sketch().drawPencil(QPointF(300, 300), QPointF(900, 600));
        f.prompter.answers = {Answer::Yes};
        pad.cmdClearAll_Click();
        f.prompter.answers = {Answer::Yes};
        pad.cmdGo_Click();
        QCOMPARE(f.prompter.texts().last(), QStringLiteral("Няма рисунка в скицника !"));
        QCOMPARE(f.prompter.titles().last(), QStringLiteral("Грешка"));

        pad.sketch().drawPencil(QPointF(300, 300), QPointF(900, 600));
        pad.sketch().area.add(300, 300);
        f.prompter.answers = {Answer::No};
        pad.cmdGo_Click();
        QVERIFY(!pad.Picture1->selection().isEmpty()); // the selection stays in view

        {
            Diagram::Edit edit = f.ws().edit(QStringLiteral("full"));
            for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
                edit.store().objectStatus[slot] = ElementStore::Used;
        }
        f.prompter.clear();
        f.prompter.answers = {Answer::Yes};
        pad.cmdGo_Click();
        QVERIFY(f.prompter.texts().last().contains(QStringLiteral("претоварен")));
        QVERIFY(pad.isVisible());
        QVERIFY(!pad.sketch().blank());
    }

    // "Кръстчета" ticks only itself and fills the next rectangle with a cross hatch in the
    // fill colour, outlined in the drawing colour.
    void crossHatchedRectangle() {
        MainWindowFixture f;
        frmAddPaint& pad = openSketchpad(f);
        pad.findChild<QAction*>(QStringLiteral("mnuCross"))->trigger();
        for (QAction* entry : pad.mnuFigures->actions())
            QCOMPARE(entry->isChecked(), entry->objectName() == QLatin1String("mnuCross"));
        f.prompter.colours = {Rgb(255, 0, 0)};
        pad.mnuFillColor_Click();
        pad.sketch().drawBox(QPointF(0, 0), QPointF(PixelsToTwips(40), PixelsToTwips(40)));
        const QImage& image = pad.sketch().image();
        QCOMPARE(image.pixel(0, 20), qRgb(0, 0, 0));   // outline
        QCOMPARE(image.pixel(16, 5), qRgb(255, 0, 0)); // vertical hatch line
        QCOMPARE(image.pixel(5, 16), qRgb(255, 0, 0)); // horizontal hatch line
        QCOMPARE(image.pixel(5, 5), White);
        QCOMPARE(image.pixel(60, 60), White);
    }

    // The eraser is 10 pixels wide and leaves the line width chosen with the slider.
    void eraserKeepsChosenWidth() {
        MainWindowFixture f;
        frmAddPaint& pad = openSketchpad(f);
        pad.sldLines->setValue(4);
        Sketch& sketch = pad.sketch();
        sketch.fill(QPoint(0, 0)); // all black
        sketch.erase(QPoint(50, 10), QPoint(50, 60));
        QCOMPARE(countAcross(sketch.image(), 30, White, false), Sketch::RubberWidth);
        sketch.colour = Qt::white;
        sketch.drawLine(QPointF(0, PixelsToTwips(100)),
                        QPointF(PixelsToTwips(40), PixelsToTwips(100)));
        QCOMPARE(countAcross(sketch.image(), 20, White, true), 4);
    }

    // The mounting question: Cancel keeps the picture floating and movable, No drops it,
    // Yes draws it where it floats and adds its box to the drawn area. Tools wait for it.
    void mountingQuestion() {
        MainWindowFixture f;
        frmAddPaint& pad = openSketchpad(f);
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const QString path = f.programDir.filePath(QStringLiteral("p.bmp"));
        QVERIFY(picture.save(path));
        QVERIFY(pad.loadPicture(path));
        QVERIFY(pad.floating());

        f.prompter.answers = {Answer::Cancel};
        pad.surfaceDown(Qt::LeftButton, QPoint(100, 100));
        QVERIFY(pad.floating());
        f.prompter.answers = {Answer::Cancel};
        pad.chooseTool(Sketch::Tool::Line);
        QCOMPARE(pad.tool(), Sketch::Tool::None);
        pad.moveFloating(QPoint(30, 40));

        f.prompter.answers = {Answer::No};
        pad.cmdGo_Click();
        QVERIFY(!pad.floating());
        QVERIFY(pad.sketch().blank());

        QVERIFY(pad.loadPicture(path));
        pad.moveFloating(QPoint(30, 40));
        f.prompter.answers = {Answer::Yes};
        pad.mnuFileOpen_Click();
        QVERIFY(!pad.floating());
        QCOMPARE(pad.sketch().image().pixel(30, 40), qRgb(0, 0, 255));
        QCOMPARE(pad.sketch().image().pixel(29, 40), White);
        const Sketch::Area& a = pad.sketch().area;
        QCOMPARE(QRectF(a.minX, a.minY, a.maxX - a.minX, a.maxY - a.minY),
                 QRectF(450, 600, 300, 150));
        QCOMPARE(f.prompter.titles(), QStringList(4, QStringLiteral("Въпрос")));

        // Mounted beside a drawing, the picture joins it in what insert takes.
        QVERIFY(pad.loadPicture(path));
        pad.moveFloating(QPoint(100, 100));
        f.prompter.answers = {Answer::Yes};
        QVERIFY(pad.Montirai());
        QCOMPARE(QRectF(a.minX, a.minY, a.maxX - a.minX, a.maxY - a.minY),
                 QRectF(450, 600, 1800 - 450, 1650 - 600));
    }

    // Text counts in the drawn area by its top-left corner only; the tool writes it where the
    // button came up, and a cancelled prompt draws nothing.
    void textCountsByItsCorner() {
        MainWindowFixture f;
        frmAddPaint& pad = openSketchpad(f);
        pad.chooseTool(Sketch::Tool::Text);
        f.prompter.inputs = {std::nullopt, QStringLiteral("Голям надпис за проба")};
        pad.surfaceDown(Qt::LeftButton, QPoint(20, 20));
        pad.surfaceUp(Qt::LeftButton, QPoint(20, 20));
        QVERIFY(pad.sketch().blank());
        QVERIFY(!pad.sketch().area.drawn());
        pad.surfaceDown(Qt::LeftButton, QPoint(20, 20));
        pad.surfaceUp(Qt::LeftButton, QPoint(20, 20));
        QCOMPARE(f.prompter.inputPrompts, QStringList(2, QStringLiteral("Въведете текст тук :")));
        QVERIFY(!pad.sketch().blank());
        QCOMPARE(pad.sketch().selection(), QRectF(180, 180, 240, 240));
    }

    // The paint bucket fills the region of the clicked colour up to a one-pixel border, around
    // holes of another colour; outside the surface or in its own colour it does nothing; undo
    // brings the surface back, and keeps at most twenty steps.
    void floodFillAndUndo() {
        Sketch sketch(QSize(100, 80));
        const QImage blank = sketch.image();
        // A closed one-pixel square from (10, 10) to (50, 50) with a 4 x 4 hole inside.
        sketch.drawBox(QPointF(150, 150), QPointF(750, 750));
        sketch.colour = Qt::green;
        sketch.fill(QPoint(30, 30));
        sketch.colour = Qt::red;
        sketch.remember();
        QVERIFY(!sketch.fill(QPoint(30, 30)).isEmpty());
        const QImage& image = sketch.image();
        QCOMPARE(image.pixel(30, 30), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(11, 11), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(10, 30), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 5), White);
        QVERIFY(sketch.fill(QPoint(-1, 5)).isEmpty());
        QVERIFY(sketch.fill(QPoint(100, 5)).isEmpty());
        QVERIFY(sketch.fill(QPoint(30, 30)).isEmpty()); // already red

        // A hole: the fill goes round it.
        Sketch holes(QSize(60, 60));
        holes.colour = Qt::blue;
        holes.fillStyle = 0;
        holes.fillColour = Qt::blue;
        holes.drawBox(QPointF(300, 300), QPointF(450, 450));
        holes.colour = Qt::red;
        holes.fill(QPoint(0, 0));
        QCOMPARE(holes.image().pixel(25, 25), qRgb(0, 0, 255));
        QCOMPARE(holes.image().pixel(59, 59), qRgb(255, 0, 0));
        QCOMPARE(holes.image().pixel(25, 40), qRgb(255, 0, 0));

        QVERIFY(sketch.undo());
        QCOMPARE(sketch.image().pixel(30, 30), qRgb(0, 255, 0));
        for (int i = 0; i < 30; ++i) {
            sketch.remember();
            sketch.colour = QColor(i, 0, 0);
            sketch.fill(QPoint(30, 30));
        }
        QCOMPARE(sketch.undoDepth(), Sketch::UndoSteps);
        sketch.remember(); // changes nothing: no step
        int undone = 0;
        while (sketch.undo())
            ++undone;
        QCOMPARE(undone, Sketch::UndoSteps);
        QVERIFY(sketch.image() != blank);
    }

    // The close box and "[Изход ]" ask before a drawing is lost, and only then.
    void exitAsksOnlyWhenSomethingIsDrawn() {
        MainWindowFixture f;
        frmAddPaint& first = openSketchpad(f);
        first.cmdExit_Click();
        QVERIFY(!first.isVisible());
        QVERIFY(f.prompter.messages.isEmpty());
        QTest::qWait(0);

        frmAddPaint& pad = openSketchpad(f);
        pad.chooseTool(Sketch::Tool::Pencil);
        pad.surfaceDown(Qt::LeftButton, QPoint(10, 10));
        pad.surfaceMove(Qt::LeftButton, QPoint(40, 30));
        pad.surfaceUp(Qt::LeftButton, QPoint(40, 30));
        f.prompter.answers = {Answer::No, Answer::Yes};
        pad.cmdExit_Click();
        QVERIFY(pad.isVisible());
        pad.close();
        QVERIFY(!pad.isVisible());
        QCOMPARE(f.prompter.texts(),
                 QStringList(2, QStringLiteral("Рисунката ще бъде загубена. Наистина ли искате "
                                               "да затворите скицника ?")));
    }
};

QTEST_MAIN(TestSketchpad)
#include "tst_sketchpad.moc"
