#include "files/ImageExport.h"
#include "kinds/CopyBuffer.h"
#include "shapes/Shapes.h"
#include "support/Setup.h"
#include "workspace/DiagramState.h"
#include "workspace/MainWindowFixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

namespace {

QImage distinct(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 9) & 0xFF, (y * 7) & 0xFF, (x ^ y) & 0xFF));
    return image;
}

// Copies the element as its menu does: opened on it, then "Копирай".
void copyFromMenu(MainWindowFixture& f, ElementRef element) {
    f.ws().diagram.contextElement = element;
    f.w().action(QStringLiteral("mnuCopy")).trigger();
}

void pasteAt(MainWindowFixture& f, QPointF at) {
    f.ws().tools.rightClick = at;
    QAction& paste = f.w().action(QStringLiteral("mnuPaste"));
    QVERIFY(paste.isEnabled());
    paste.trigger();
}

} // namespace

class TestCopyPaste : public QObject {
    Q_OBJECT

private slots:
    // A copy keeps size and direction; the first corner lands on the point, halves to even.
    void shapesKeepSizeAndDirection_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("copied"); // X1, Y1, X2 - X1, Y2 - Y1
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QRect>("pasted");
        QTest::newRow("line backwards") << int(Shapes::Line) << QRect(3000, 1000, -2000, 1000)
                                        << QPointF(500, 500) << QRect(500, 500, -2000, 1000);
        // Each corner is rounded on its own: 2.5 + 301 = 303.5 gives 304.
        QTest::newRow("halves to even") << int(Shapes::Rectangle) << QRect(100, 100, 301, 301)
                                        << QPointF(2.5, 3.5) << QRect(2, 4, 302, 300);
        QTest::newRow("ellipse left of the origin")
            << int(Shapes::EllipseKind) << QRect(0, 0, 600, 400) << QPointF(-700.5, -10)
            << QRect(-700, -10, 600, 400);
    }

    void shapesKeepSizeAndDirection() {
        QFETCH(int, kind);
        QFETCH(QRect, copied);
        QFETCH(QPointF, at);
        QFETCH(QRect, pasted);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const ShapeRecord source{kind,
                                 copied.x(),
                                 copied.y(),
                                 copied.x() + copied.width(),
                                 copied.y() + copied.height(),
                                 255,
                                 3,
                                 2,
                                 0x00FF00,
                                 1};
        setUp(ws).store().shapes[1] = source;
        ws.canvas.showHandles = false;
        copyFromMenu(f, {ElementKind::Shape, 1});
        // Three pastes, three shapes of their own.
        for (int16_t slot = 2; slot <= 4; ++slot) {
            pasteAt(f, at);
            const ShapeRecord& s = ws.store().shapes[slot];
            QCOMPARE(QRect(s.X1, s.Y1, s.X2 - s.X1, s.Y2 - s.Y1), pasted);
            QCOMPARE(s.FillColour, 0x00FF00);
            QCOMPARE(ws.store().shapeHandles[slot], Shapes::handleTopLeft(s));
            QVERIFY(!ws.canvas.shapeHandleVisible[slot]); // the handles are hidden
        }
        QCOMPARE(ws.store().usedCount(ElementKind::Shape), 4);
    }

    // Each paste is one step of the history and an unsaved change.
    void everyKindPastesAsOneStep_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("picture") << int(ElementKind::Picture);
        QTest::newRow("text") << int(ElementKind::Text);
        QTest::newRow("shape") << int(ElementKind::Shape);
        QTest::newRow("grid") << int(ElementKind::Grid);
    }

    void everyKindPastesAsOneStep() {
        QFETCH(int, kind);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("HUB"), distinct({40, 30}), QStringLiteral("Хъб"));
        {
            Diagram::Edit setup = setUp(ws);
            ws.DobaviNov(QStringLiteral("HUB"));
            setup.store().objects[1].ToolTipText = QStringLiteral("Главен хъб");
            setup.store().textStatus[1] = ElementStore::Used;
            setup.store().texts[1] = {QStringLiteral("Офис"),
                                      0,
                                      0,
                                      0xFF,
                                      QStringLiteral("Serif"),
                                      12.75,
                                      true,
                                      false,
                                      true,
                                      false,
                                      true};
            setup.store().shapes[1] = {Shapes::Rectangle, 0, 0, 300, 300, 0, 1, 0, 0, 0};
            setup.store().grids[1] = GridRecord{1, 2, 3, 0, 0, 900, 600, 0, 1};
        }
        ws.canvas.showHandles = false;
        copyFromMenu(f, {ElementKind(kind), 1});
        pasteAt(f, QPointF(4500, 3000));
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(ws.history().steps(), 1);
        QCOMPARE(ws.history().undoStep(), QStringLiteral("Поставяне"));
        const ElementRef pasted{ElementKind(kind), 2};
        QCOMPARE(ws.elementRect(pasted).topLeft(), QPointF(4500, 3000));
        QCOMPARE(ws.elementRect(pasted).size(), ws.elementRect({ElementKind(kind), 1}).size());
        switch (ElementKind(kind)) {
        case ElementKind::Picture:
            QCOMPARE(ws.store().objects[2].ToolTipText, QStringLiteral("Главен хъб"));
            QVERIFY(ws.store().objects[2].identity != ws.store().objects[1].identity);
            break;
        case ElementKind::Text: {
            // The copied font, not the program font of the moment.
            ws.SetProgramFont(QStringLiteral("Sans"));
            pasteAt(f, QPointF(0, 0));
            const TextField& t = ws.store().texts[3];
            QCOMPARE(t.FontName, QStringLiteral("Serif"));
            QVERIFY(t.FontSize == 12.75 && t.FontBold && !t.FontItalic && t.FontStrikethru);
            QCOMPARE(t.ForeColor, 0xFF);
            break;
        }
        case ElementKind::Grid:
            // A grid's handle shows even with the handles hidden.
            QVERIFY(ws.canvas.gridHandleVisible[2]);
            break;
        default:
            break;
        }
        while (ws.history().canUndo())
            f.w().action(QStringLiteral("mnuUndo")).trigger();
        QVERIFY(!ws.kinds().present(ws.store(), pasted));
        QVERIFY(!ws.diagram.Promqna);
    }

    // A sketchpad picture's pixels come from its object; the copy finds that object only while
    // its slot still holds it.
    void copiedPictureMustStillBeThere() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.settings.ShowInfo = false;
        const QImage drawn = distinct({50, 20});
        {
            Diagram::Edit setup = setUp(ws);
            ws.DobaviNov(QStringLiteral("SKETCHPAD"));
            setup.store().objects[1].picture = drawn;
        }
        copyFromMenu(f, {ElementKind::Picture, 1});
        pasteAt(f, QPointF(1500, 1500));
        QCOMPARE(ws.store().objects[2].picture, drawn);
        QCOMPARE(ws.store().objects[2].Width, 750.0);

        const QString missing = QStringLiteral("Копираната картинка липсва !");
        // Deleted: the copy is gone. Undone: it is back.
        ws.deletePicture(1);
        pasteAt(f, QPointF(0, 0));
        QCOMPARE(f.prompter.texts(), QStringList{missing});
        QCOMPARE(f.prompter.titles().last(), QStringLiteral("Програмна грешка"));
        f.w().action(QStringLiteral("mnuUndo")).trigger();
        pasteAt(f, QPointF(0, 0));
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(ws.store().objects[3].picture, drawn);
        // Another object in the copied one's slot is not the copy.
        ws.deletePicture(1);
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        QCOMPARE(ws.diagram.Nomer, int16_t(1));
        pasteAt(f, QPointF(0, 0));
        QCOMPARE(f.prompter.texts().last(), missing);
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 3);
    }

    void fullBuffersAreTold() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        {
            Diagram::Edit setup = setUp(ws);
            for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
                setup.store().textStatus[slot] = ElementStore::Used;
            for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot)
                setup.store().grids[slot] = GridRecord{1, 1, 1, 0, 0, 300, 300, 0, 1};
        }
        copyFromMenu(f, {ElementKind::Text, 1});
        pasteAt(f, QPointF(0, 0));
        QCOMPARE(f.prompter.texts(),
                 QStringList({QStringLiteral("Паметта препълнена - не могат да се изведат повече "
                                             "обекти !"),
                              QStringLiteral("Буфера за текст е препълнен. Не могат да се създадат "
                                             "повече обекти!")}));
        copyFromMenu(f, {ElementKind::Grid, 1});
        pasteAt(f, QPointF(0, 0));
        QCOMPARE(f.prompter.texts().last(), QStringLiteral("Не може да се изведе таблица !"));
        QCOMPARE(f.prompter.titles().last(), QStringLiteral("Грешка"));
        QVERIFY(!ws.diagram.Promqna);
    }

    // "Постави" waits for a copy, and a new or loaded diagram waits for a new one; the keys
    // copy the element whose menu was opened last and paste where the canvas was right-clicked.
    void pasteIsEnabledByCopiesOnly() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QAction& paste = f.w().action(QStringLiteral("mnuPaste"));
        QVERIFY(!paste.isEnabled());
        setUp(ws).store().shapes[1] = {Shapes::Rectangle, 0, 0, 300, 300, 0, 1, 0, 0, 0};
        f.w().action(QStringLiteral("mnuNewFile")).trigger();
        QVERIFY(!paste.isEnabled());
        setUp(ws).store().shapes[1] = {Shapes::Rectangle, 0, 0, 300, 300, 0, 1, 0, 0, 0};
        ws.diagram.contextElement = {ElementKind::Shape, 1};
        QTest::keyClick(&f.w(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(paste.isEnabled());
        QCOMPARE(ws.diagram.copyBuffer.value(0), QStringLiteral("Shp"));
        ws.tools.rightClick = QPointF(1200, 900);
        QTest::keyClick(&f.w(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ws.store().shapes[2].X1, 1200);
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().action(QStringLiteral("mnuNewFile")).trigger();
        QVERIFY(!paste.isEnabled());
        QTest::keyClick(&f.w(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ws.store().usedCount(ElementKind::Shape), 0);
    }

    // The whole diagram, as the BMP export draws it, on the system clipboard.
    void copyAsPicture() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        f.w().action(QStringLiteral("mnuCopyPicture")).trigger();
        QCOMPARE(f.prompter.texts().value(0),
                 QStringLiteral("Диаграмата е празна и няма какво да се копира като картинка."));
        setUp(ws).store().shapes[1] = {Shapes::Rectangle, 600, 600, 1800, 1500, 255, 2, 0, 0, 0};
        f.w().action(QStringLiteral("mnuCopyPicture")).trigger();
        const QImage expected =
            ImageExport::wholeDiagram(ws, ws.canvas.width, ws.canvas.height).picture;
        QVERIFY(!expected.isNull());
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(expected.format()),
                 expected);
    }
};

QTEST_MAIN(TestCopyPaste)
#include "tst_copypaste.moc"
