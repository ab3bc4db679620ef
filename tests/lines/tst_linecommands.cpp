#include "support/Setup.h"
#include "workspace/MainWindowFixture.h"

#include "common/Units.h"
#include "lines/Connections.h"
#include "lines/LineCommands.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

// Three 40 x 40 pixel objects: 1 at the top left, 2 lower right, 3 higher right.
void threeObjects(Workspace& ws) {
    QImage box(40, 40, QImage::Format_RGB32);
    box.fill(Qt::gray);
    ws.kartinki.add(QStringLiteral("BOX"), box, QStringLiteral("Кутия"));
    const QPointF places[] = {{600, 1500}, {3600, 4500}, {6600, 600}};
    for (const QPointF& at : places) {
        addObject(ws, QStringLiteral("BOX"));
        setUp(ws).store().objects[ws.diagram.Nomer].Left = at.x();
        setUp(ws).store().objects[ws.diagram.Nomer].Top = at.y();
    }
}

QPoint centreOf(const PictureObject& o) {
    return QPoint(TwipsToPixelRounded(o.Left + o.Width / 2),
                  TwipsToPixelRounded(o.Top + o.Height / 2));
}

void click(MainWindowFixture& f, int slot) {
    QTest::mouseClick(f.w().pano, Qt::LeftButton, {}, centreOf(f.ws().store().objects[slot]));
}

} // namespace

class TestLineCommands : public QObject {
    Q_OBJECT

private slots:
    void connectingPicksTwoObjects() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        ws.tools.lineColour = Rgb(200, 0, 0);
        ws.tools.lineWidth = QStringLiteral("3");
        f.w().cmdCon->click();
        QCOMPARE(f.prompter.texts(), QStringList{"Изберете първия от двата обекта на връзката."});
        QCOMPARE(f.w().pano->cursor().shape(), Qt::CrossCursor);
        click(f, 1);
        QVERIFY(ws.canvas.Ogr[0].visible);
        QCOMPARE(f.prompter.texts().last(),
                 QStringLiteral("Изберете втория от двата обекта на връзката."));
        QCOMPARE(ws.store().objects[1].Left, 600.0); // a pick is no drag
        click(f, 2);
        QCOMPARE(ws.store().lines[1].Used, 1);
        QCOMPARE(ws.store().lines[1].FromObject, 1);
        QCOMPARE(ws.store().lines[1].ToObject, 2);
        QCOMPARE(ws.store().lines[1].LineType, 1);
        QCOMPARE(ws.store().lines[1].Colour, Rgb(200, 0, 0));
        QCOMPARE(ws.store().lines[1].LineWidth, 3);
        QVERIFY(!ws.canvas.Ogr[0].visible && !ws.canvas.Ogr[1].visible);
        QCOMPARE(ws.diagram.connection.step, int16_t(ConnectionState::None));
        // Type 1 with B lower: the handle sits on the bend under A.
        const QPointF a = Connections::anchor(ws.store().objects[1]);
        const QPointF b = Connections::anchor(ws.store().objects[2]);
        QVERIFY(ws.canvas.lineHandles[1].visible);
        QCOMPARE(ws.canvas.lineHandles[1].topLeft, QPointF(a.x() - 45, b.y() - 45));
        QVERIFY(ws.diagram.Promqna); // a new line is worth saving
        // The line is on the canvas: the bend's corner is painted in the line colour.
        const QImage canvas = f.w().pano->grab().toImage();
        QCOMPARE(canvas.pixelColor(TwipsToPixelRounded(a.x()) + 5, TwipsToPixelRounded(b.y())),
                 QColor(200, 0, 0));
    }

    void aNewCommandStartsOverWithItsType() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        ws.settings.ShowInfo = false;
        f.w().cmdCon->click();
        click(f, 1);
        f.w().action(QStringLiteral("mnuCon2")).trigger();
        QCOMPARE(ws.diagram.connection.step, int16_t(ConnectionState::WaitForFirst));
        QVERIFY(ws.canvas.Ogr[0].visible); // until the next second pick
        click(f, 3);
        click(f, 2);
        QCOMPARE(ws.store().lines[1].FromObject, 3);
        QCOMPARE(ws.store().lines[1].LineType, 3);
        QVERIFY(!ws.canvas.Ogr[0].visible);
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void theLineBufferFull() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        ws.settings.ShowInfo = false;
        for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
            setUp(ws).store().lines[slot] = {1, 1, 2, 2, 0, 1, 0};
        f.w().cmdCon1->click();
        click(f, 1);
        click(f, 3);
        QCOMPARE(f.prompter.texts(),
                 QStringList{"Паметта препълнена - не могат да се изведат повече обекти !"});
        QVERIFY(!ws.canvas.Ogr[0].visible && !ws.canvas.Ogr[1].visible);
        QCOMPARE(ws.diagram.connection.step, int16_t(ConnectionState::None));
    }

    // The line menu on a handle, which lies over a picture object and still takes the click.
    void theLineMenuEditsAndDeletes() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        setUp(ws).store().lines[1] = {1, 1, 1, 1, 0, 1, 2}; // an object joined to itself
        setUp(ws).store().lines[2] = {1, 1, 3, 2, 0, 1, 0};
        ws.canvas.lineHandles[1].visible = ws.canvas.lineHandles[2].visible = true;
        f.w().Pre4ertai();
        const QPointF corner = ws.canvas.lineHandles[1].topLeft;
        QTest::mousePress(
            f.w().pano, Qt::RightButton, {},
            QPoint(TwipsToPixelRounded(corner.x() + 45), TwipsToPixelRounded(corner.y() + 45)));
        QMenu* menu = f.editor->lines().mnuLines;
        QVERIFY(menu->isVisible());
        QVERIFY(!f.w().menu(QStringLiteral("mnuOpt")).isVisible());
        QCOMPARE(ws.diagram.contextElement, (ElementRef{ElementKind::Line, 1}));
        menu->hide();
        QTest::mouseRelease(f.w().pano, Qt::RightButton);
        // Every edit is a change worth saving; what changes nothing is none.
        const auto changed = [&ws](bool expected) {
            const bool was = ws.diagram.Promqna;
            ws.setModified(false);
            return was == expected;
        };
        QVERIFY(changed(false));

        for (QAction* a : menu->findChildren<QAction*>())
            if (a->objectName() == QStringLiteral("mnuLineType2"))
                a->trigger();
        QCOMPARE(ws.store().lines[1].LineType, 2);
        QVERIFY(changed(true));
        // Type 2 on one spot: the handle is one handle size off the object's centre.
        const QPointF centre = Connections::anchor(ws.store().objects[1]);
        QCOMPARE(ws.canvas.lineHandles[1].topLeft, centre + QPointF(45, 45));
        f.editor->lines().setWidth(4);
        QVERIFY(changed(true));
        f.editor->lines().setStyle(3);
        QVERIFY(changed(true));
        QCOMPARE(ws.store().lines[1].LineWidth, 4);
        QCOMPARE(ws.store().lines[1].LineStyle, 3);
        f.prompter.colours.push_back(std::nullopt);
        f.editor->lines().mnuColLine_Click();
        QCOMPARE(ws.store().lines[1].Colour, 0);
        QVERIFY(changed(false));
        f.prompter.colours.push_back(Rgb(0, 128, 0));
        f.editor->lines().mnuColLine_Click();
        QCOMPARE(ws.store().lines[1].Colour, Rgb(0, 128, 0));
        QVERIFY(changed(true));

        f.prompter.answers.push_back(Prompter::Answer::No);
        f.editor->lines().mnuDelLine_Click();
        QCOMPARE(ws.store().lines[1].Used, 1);
        QVERIFY(changed(false));
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        f.editor->lines().mnuDelLine_Click();
        QVERIFY(changed(true));
        QCOMPARE(f.prompter.texts().last(), QStringLiteral("Искате ли да изтриете тази линия ?"));
        QCOMPARE(ws.store().lines[1].Used, 0);
        QCOMPARE(ws.store().lines[1].LineStyle, 3); // kept until the slot is used again
        QVERIFY(!ws.canvas.lineHandles[1].visible);
        // The freed slot is the lowest free one: the next line takes it.
        ws.settings.ShowInfo = false;
        f.w().cmdCon->click();
        click(f, 2);
        click(f, 3);
        QCOMPARE(ws.store().lines[1].FromObject, 2);
        QCOMPARE(ws.store().lines[1].LineStyle, 0);
    }

    void hiddenHandlesStayHiddenForNewLines() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        ws.settings.ShowInfo = false;
        QAction& hide = f.w().action(QStringLiteral("mnuHideManiFig"));
        hide.trigger();
        QCOMPARE(hide.text(), QStringLiteral("Покажи манипулаторите"));
        f.w().cmdCon2->click();
        click(f, 1);
        click(f, 2);
        QCOMPARE(ws.store().lines[1].Used, 1);
        QVERIFY(!ws.canvas.lineHandles[1].visible);
        hide.trigger();
        QCOMPARE(hide.text(), QStringLiteral("Скрий манипулаторите"));
        QVERIFY(ws.canvas.lineHandles[1].visible);
    }

    void linesFollowADraggedObject_data() {
        QTest::addColumn<bool>("live");
        QTest::newRow("repaint while moving") << true;
        QTest::newRow("repaint on release only") << false;
    }

    void linesFollowADraggedObject() {
        QFETCH(bool, live);
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        ws.settings.Pre4ertaiPriMestene = live;
        setUp(ws).store().lines[1] = {1, 1, 2, 2, 0, 1, 0};
        ws.canvas.lineHandles[1].visible = true;
        f.w().Pre4ertai();
        const QPointF before = ws.canvas.lineHandles[1].topLeft;
        const QPoint grab = centreOf(ws.store().objects[2]);
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, grab);
        QTest::mouseMove(f.w().pano, grab + QPoint(30, 20));
        QCOMPARE(ws.canvas.lineHandles[1].topLeft == before, !live);
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, grab + QPoint(30, 20));
        QCOMPARE(ws.canvas.lineHandles[1].topLeft, before + QPointF(225, 150));
    }

    // Scrolling carries the lines with their objects; deleting an object takes its lines.
    void linesFollowScrollingAndGoWithTheirObject() {
        MainWindowFixture f(settingsShowingDrawOptions());
        Workspace& ws = f.ws();
        threeObjects(ws);
        setUp(ws).store().lines[1] = {1, 1, 2, 3, 0, 1, 0};
        setUp(ws).store().lines[2] = {1, 1, 3, 1, 0, 1, 0};
        ws.canvas.lineHandles[1].visible = ws.canvas.lineHandles[2].visible = true;
        f.w().Pre4ertai();
        const ViewTransform& view = ws.canvas.view;
        const QPointF handle = view.toCanvas(ws.canvas.lineHandles[1].topLeft);
        const auto objectOnCanvas = [&] {
            return view.toCanvas(QPointF(ws.store().objects[2].Left, ws.store().objects[2].Top));
        };
        const QPointF object = objectOnCanvas();
        ws.Izmesti(40, 30);
        const QPointF moved = objectOnCanvas() - object;
        QVERIFY(moved != QPointF());
        QCOMPARE(view.toCanvas(ws.canvas.lineHandles[1].topLeft), handle + moved);

        ws.deletePicture(2);
        QCOMPARE(ws.store().lines[1].Used, 0);
        QVERIFY(!ws.canvas.lineHandles[1].visible);
        QCOMPARE(ws.store().lines[2].Used, 1);
        QVERIFY(ws.canvas.lineHandles[2].visible);
    }
};

QTEST_MAIN(TestLineCommands)
#include "tst_linecommands.moc"
