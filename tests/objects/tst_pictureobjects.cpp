#include "MainWindowFixture.h"

#include "common/Units.h"
#include "library/frmAddObject.h"
#include "objects/PictureCommands.h"
#include "support/Setup.h"
#include "workspace/DiagramState.h"
#include "workspace/ElementMenu.h"
#include "workspace/Pano.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

QImage solid(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestPictureObjects : public QObject {
    Q_OBJECT

private slots:
    void addLastRepeatsTheLastLibraryPicture() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("HUB"), solid(40, 30, Qt::red), QStringLiteral("Хъб"));
        f.w().cmdAddLast->click();
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 0);

        ws.diagram.Posledno = QStringLiteral("HUB");
        ws.DobaviNov(QStringLiteral("HUB"));
        setUp(ws).store().objects[1].Left = 3000;
        f.w().pano->MoveHorizont->setMaximum(1000);
        f.w().pano->MoveHorizont->setValue(600); // scrolled: new objects still land at 375
        f.w().action(QStringLiteral("mnuAddLast")).trigger();
        QCOMPARE(ws.diagram.Nomer, int16_t(2));
        const PictureObject& o = ws.store().objects[2];
        QCOMPARE(ws.canvas.view.toCanvas(QPointF(o.Left, o.Top)), QPointF(375, 120));
        QCOMPARE(o.Tag, QStringLiteral("HUB"));
        QCOMPARE(o.ToolTipText, QStringLiteral("Хъб"));
        QCOMPARE(o.picture, ws.store().objects[1].picture);
        QVERIFY(ws.diagram.Promqna); // a new object is worth saving
    }

    void draggingStopsAtTheCanvasEdges() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        addObject(ws, QStringLiteral("SKETCHPAD"));
        ws.setStateText(DiagramStateText::loaded());
        const PictureObject& o = ws.store().objects[1];
        Pano* pano = f.w().pano;

        QTest::mousePress(pano, Qt::LeftButton, {}, px(o.Left + 150, o.Top + 150));
        QTest::mouseMove(pano, QPoint(pano->width() + 300, pano->height() + 300));
        QCOMPARE(o.Left + o.Width, pano->innerWidth());
        QCOMPARE(o.Top + o.Height, pano->innerHeight());
        QVERIFY(!ws.diagram.Promqna);
        QTest::mouseMove(pano, QPoint(-400, -400));
        QCOMPARE(QPointF(o.Left, o.Top), QPointF(0, 0));
        QTest::mouseRelease(pano, Qt::LeftButton, {}, QPoint(-400, -400));
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());
        QVERIFY(!f.editor->pictures().dragging());

        // After the release the mouse no longer drags.
        QTest::mouseMove(pano, QPoint(200, 200));
        QCOMPARE(QPointF(o.Left, o.Top), QPointF(0, 0));
    }

    // A right click in the middle of a drag opens the menu, which swallows the release of the
    // left button; the drag still ends there instead of leaving the picture on the pointer.
    void rightClickDuringADragLeavesNothingStuck() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        const PictureObject& o = ws.store().objects[1];
        Pano* pano = f.w().pano;
        const QPoint grab = px(o.Left + 150, o.Top + 150);
        sendMouse(pano, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        sendMouse(pano, QEvent::MouseMove, grab + QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(QPointF(o.Left, o.Top), QPointF(375 + 300, 120 + 150));
        QCOMPARE(ws.canvas.drag, (ElementRef{ElementKind::Picture, 1}));
        sendMouse(pano, QEvent::MouseButtonPress, grab + QPoint(20, 10), Qt::RightButton,
                  Qt::LeftButton | Qt::RightButton);
        QMenu& mnuOpt = f.w().menu(QStringLiteral("mnuOpt"));
        QVERIFY(mnuOpt.isVisible());
        mnuOpt.hide(); // both releases went to the menu

        sendMouse(pano, QEvent::MouseMove, grab + QPoint(60, 60), Qt::NoButton, Qt::NoButton);
        QVERIFY(!f.editor->pictures().dragging());
        QVERIFY(ws.canvas.drag.isNone());
        QVERIFY(ws.diagram.Promqna);
        sendMouse(pano, QEvent::MouseMove, grab + QPoint(90, 90), Qt::NoButton, Qt::NoButton);
        QCOMPARE(QPointF(o.Left, o.Top), QPointF(375 + 300, 120 + 150));
    }

    void contextMenuMarksTheObjectAndDeletesItWithItsLines_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void contextMenuMarksTheObjectAndDeletesItWithItsLines() {
        QFETCH(bool, confirm);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        for (int i = 0; i < 3; ++i)
            addObject(ws, QStringLiteral("SKETCHPAD"));
        setUp(ws).store().objects[2].Left = 3000;
        setUp(ws).store().lines[1] = {1, 1, 2, 1, 0, 1, 0};
        setUp(ws).store().lines[2] = {1, 3, 2, 2, 0, 1, 0};
        setUp(ws).store().lines[3] = {1, 1, 3, 3, 0, 1, 0};
        const PictureObject o = ws.store().objects[2];
        QTest::mousePress(f.w().pano, Qt::RightButton, {}, px(o.Left + 30, o.Top + 30));
        QMenu& mnuOpt = f.w().menu(QStringLiteral("mnuOpt"));
        QVERIFY(mnuOpt.isVisible());
        QCOMPARE(ws.diagram.contextElement, (ElementRef{ElementKind::Picture, 2}));
        QVERIFY(ws.canvas.Ogr[1].visible);
        QCOMPARE(ws.canvas.Ogr[1].rect,
                 QRectF(o.Left - 40, o.Top - 40, o.Width + 80, o.Height + 80));
        QVERIFY(!f.w().action(QStringLiteral("mnuOptFont")).isVisible());
        QVERIFY(f.w().action(QStringLiteral("mnuEtiket")).isVisible());
        mnuOpt.hide();

        f.prompter.answers.push_back(confirm ? Prompter::Answer::Yes : Prompter::Answer::No);
        f.w().action(QStringLiteral("mnuOptDelete")).trigger();
        QCOMPARE(f.prompter.messages.last().text,
                 QStringLiteral("Искате ли да изтриете обект ? С него ще бъдат изтрити и всички "
                                "свързани с него линии !"));
        QCOMPARE(ws.store().objectStatus[2] == ElementStore::Free, confirm);
        QCOMPARE(ws.store().lines[1].Used, confirm ? 0 : 1);
        QCOMPARE(ws.store().lines[2].Used, confirm ? 0 : 1);
        QCOMPARE(ws.store().lines[3].Used, 1);
        QCOMPARE(ws.store().lines[3].FromObject, 1);
        QCOMPARE(ws.store().objectStatus[1], int16_t(ElementStore::Used));
        QCOMPARE(ws.diagram.Promqna, confirm);
        // The outline stays until the tools are stopped (which deleting does).
        QCOMPARE(ws.canvas.Ogr[1].visible, !confirm);
    }

    void deletingATextFieldAsksItsOwnQuestion() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        setUp(ws).store().textStatus[4] = ElementStore::Used;
        setUp(ws).store().texts[4].Caption = QStringLiteral("Сървърна");
        setUp(ws).store().texts[4].Visible = true;
        f.w().elementMenu().open({ElementKind::Text, 4});
        QVERIFY(f.w().action(QStringLiteral("mnuOptFont")).isVisible());
        QVERIFY(!f.w().action(QStringLiteral("mnuSizePic")).isVisible());
        f.w().menu(QStringLiteral("mnuOpt")).hide();
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        f.editor->pictures().mnuOptDelete_Click();
        QCOMPARE(f.prompter.messages.last().text,
                 QStringLiteral("Искате ли да изтриете текстовото поле ?"));
        QCOMPARE(ws.store().textStatus[4], int16_t(ElementStore::Free));
        QVERIFY(ws.diagram.Promqna);
    }

    void importedPictureIsASketchpadObject() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const QString path = f.configDir.filePath(QStringLiteral("снимка.jpg"));
        QVERIFY(solid(50, 20, Qt::blue).save(path, "JPEG"));
        f.prompter.fileNames.push_back(path);
        f.w().action(QStringLiteral("mnuAddFromFile")).trigger();
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(ws.diagram.Nomer, int16_t(1));
        const PictureObject& o = ws.store().objects[1];
        QCOMPARE(o.Tag, QStringLiteral("SKETCHPAD"));
        QCOMPARE(o.ToolTipText, QStringLiteral("Импортирана картинка"));
        QCOMPARE(QSizeF(o.Width, o.Height), QSizeF(750, 300));
        QCOMPARE(o.picture.size(), QSize(50, 20));
        QVERIFY(ws.diagram.Promqna);

        // Cancelling the dialog creates nothing.
        ws.setModified(false);
        f.editor->pictures().mnuAddFromFile_Click();
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 1);
        QVERIFY(!ws.diagram.Promqna);
    }

    void unreadablePicturesAreRefusedBeforeTakingASlot_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("garbage") << "broken.jpg" << QByteArray("not a picture at all")
                                 << QStringLiteral("не може да бъде прочетен");
        QTest::newRow("metafile") << "drawing.wmf" << QByteArray("\xd7\xcd\xc6\x9a\0\0", 6)
                                  << QStringLiteral("WMF/EMF");
        QTest::newRow("missing") << "" << QByteArray() << QStringLiteral("не може да бъде");
        QTest::newRow("too large") << "huge.png" << QByteArray() << QStringLiteral("8192 x 8192");
    }

    void unreadablePicturesAreRefusedBeforeTakingASlot() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, mentions);
        MainWindowFixture f;
        QString path =
            f.configDir.filePath(fileName.isEmpty() ? QStringLiteral("nothing.bmp") : fileName);
        if (fileName == QLatin1String("huge.png")) {
            QVERIFY(solid(8193, 2, Qt::white).save(path, "PNG"));
        } else if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QVERIFY(!f.editor->pictures().addPictureFromFile(path));
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].title, QStringLiteral("Грешка"));
        QVERIFY2(f.prompter.messages[0].text.contains(mentions),
                 qPrintable(f.prompter.messages[0].text));
        QCOMPARE(f.ws().store().usedCount(ElementKind::Picture), 0);
    }

    // Above Qt's own decoding limit of 128 MB, but inside the program's 8192 x 8192.
    void largeValidJpegIsTaken() {
        MainWindowFixture f;
        const QString path = f.configDir.filePath(QStringLiteral("голяма.jpg"));
        {
            QImage large(6000, 6000, QImage::Format_RGB888);
            large.fill(QColor(10, 120, 200));
            QVERIFY(large.save(path, "JPEG", 20));
        }
        QVERIFY(f.editor->pictures().addPictureFromFile(path));
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.ws().store().objects[1].picture.size(), QSize(6000, 6000));
    }

    void scrollBarsShiftEveryElementAndBack() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        setUp(ws).store().objects[1].Left =
            f.w().pano->innerWidth() + 2000; // beyond the right edge
        setUp(ws).store().textStatus[1] = ElementStore::Used;
        setUp(ws).store().texts[1].Left = 800;
        f.w().Proveri();
        QScrollBar* h = f.w().pano->MoveHorizont;
        QVERIFY(h->isEnabled());
        QCOMPARE(h->maximum(), int(ws.store().objects[1].Left + ws.store().objects[1].Width + 400 -
                                   f.w().pano->innerWidth()));
        QVERIFY(!f.w().pano->MoveVertikal->isEnabled());
        const double pictureLeft = ws.store().objects[1].Left;

        // The canvas shows every element shifted; the diagram itself stays.
        const auto onCanvas = [&ws](double left) {
            return ws.canvas.view.toCanvas(QPointF(left, 0)).x();
        };
        h->setValue(300);
        QCOMPARE(onCanvas(ws.store().objects[1].Left), pictureLeft - 300);
        QCOMPARE(onCanvas(ws.store().texts[1].Left), 500.0);
        QCOMPARE(ws.store().objects[1].Left, pictureLeft);
        h->setValue(0);
        QCOMPARE(onCanvas(ws.store().objects[1].Left), pictureLeft);
        QCOMPARE(onCanvas(ws.store().texts[1].Left), 800.0);
    }

    void scrollBarsAreOffWhenEverythingFits() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        f.w().Razmer_Click();
        f.w().Proveri();
        for (QScrollBar* bar : {f.w().pano->MoveHorizont, f.w().pano->MoveVertikal}) {
            QVERIFY(!bar->isEnabled());
            QCOMPARE(bar->maximum(), 0);
        }
        QCOMPARE(f.ws().canvas.extent.minLeft, 375);
        QCOMPARE(f.ws().canvas.extent.minTop, 120);
    }

    void addMenuOpensAtTheButtonAndTheChooserComesFromIt() {
        MainWindowFixture f;
        f.w().cmdAdd->click();
        QMenu& mnuAddObject = f.w().menu(QStringLiteral("mnuAddObject"));
        QVERIFY(mnuAddObject.isVisible());
        mnuAddObject.hide();
        f.w().action(QStringLiteral("mnuAddLib")).trigger();
        QVERIFY(f.editor->pictures().chooser());
        QVERIFY(f.editor->pictures().chooser()->isVisible());
    }
};

QTEST_MAIN(TestPictureObjects)
#include "tst_pictureobjects.moc"
