// "Печат" and "Превю" in the wired editor.
#include "MainWindowFixture.h"

#include "print/PrintCommands.h"
#include "print/frmPreviewDia.h"
#include "print/frmPrint.h"
#include "support/Setup.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QScrollBar>
#include <QtTest>

namespace {

// A picture object of the given box, in twips.
void putObject(Workspace& ws, int slot, const QRectF& box) {
    Diagram::Edit edit = setUp(ws);
    edit.store().objectStatus[slot] = ElementStore::Used;
    QImage picture(25, 25, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    edit.store().objects[slot] = {picture,
                                  QStringLiteral("SKETCHPAD"),
                                  QStringLiteral("o"),
                                  box.left(),
                                  box.top(),
                                  box.width(),
                                  box.height(),
                                  true};
}

void trigger(MainWindowFixture& f, const char* name) {
    f.w().action(QString::fromLatin1(name)).trigger();
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT

private slots:
    // The capture with its margin becomes the selection and is laid out on the page; the
    // preview opens at 25 %, centred in its holder, and returns to 25 % whenever it becomes
    // the active window again.
    void printPreviewOpensAndZoomResets() {
        MainWindowFixture f;
        putObject(f.ws(), 1, QRectF(3000, 2000, 6000, 3000));
        trigger(f, "mnuPrint");
        frmPrint* preview = f.editor->printing().printWindow();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(f.ws().canvas.shpSelection.visible, true);
        QCOMPARE(f.ws().canvas.shpSelection.rect, QRectF(2600, 1600, 6800, 3800));
        QVERIFY(!preview->page().landscape);
        QCOMPARE(preview->pagePicture().size(), QSize(816, 1056));
        QVERIFY(QTest::qWaitForWindowActive(preview));
        QCOMPARE(preview->zoom(), 25);
        QCOMPARE(preview->picZoom->size(), QSize(204, 264));
        const QSize holder = preview->picHolder->size();
        QCOMPARE(preview->picZoom->pos(),
                 QPoint((holder.width() - 204) / 2, (holder.height() - 264) / 2));

        preview->mnu100->trigger();
        QCOMPARE(preview->picZoom->size(), QSize(816, 1056));
        QCOMPARE(preview->picZoom->pos(), QPoint(0, 0));
        QCOMPARE(preview->hbarScroller->value(), 0);
        QCOMPARE(preview->vbarScroller->value(), 0);
        QCOMPARE(preview->vbarScroller->maximum(), 1056 - holder.height());
        // The bar's value is how far the page is moved up.
        preview->vbarScroller->setValue(100);
        QCOMPARE(preview->picZoom->y(), -100);

        // The main window counts as active while the preview, its own window, is.
        f.w().activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &f.w());
        QCOMPARE(preview->zoom(), 100);
        preview->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), preview);
        QCOMPARE(preview->zoom(), 25);
        QCOMPARE(preview->picZoom->size(), QSize(204, 264));
    }

    // "Печат" to a PDF file: the printer comes preset to the page's orientation, on Letter
    // paper, and the file holds one sheet of that orientation.
    void printToPdf_data() {
        QTest::addColumn<QRectF>("elements");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<QByteArray>("mediaBox");
        QTest::newRow("portrait") << QRectF(1000, 1000, 5200, 3200) << QPageLayout::Portrait
                                  << QByteArray("/MediaBox [0 0 612.0");
        QTest::newRow("landscape") << QRectF(-2000, 500, 11200, 7200) << QPageLayout::Landscape
                                   << QByteArray("/MediaBox [0 0 792.0");
    }

    void printToPdf() {
        QFETCH(QRectF, elements);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(QByteArray, mediaBox);
        MainWindowFixture f;
        putObject(f.ws(), 1, elements);
        trigger(f, "mnuPrint");
        frmPrint* preview = f.editor->printing().printWindow();
        QVERIFY(preview);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        int dialogs = 0;
        preview->runDialog = [&](QPrinter& printer) {
            ++dialogs;
            [&] {
                QCOMPARE(printer.pageLayout().orientation(), orientation);
                QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
                QVERIFY(printer.fullPage());
            }();
            printer.setOutputFileName(path);
            return true;
        };
        preview->mnuPrint->trigger();
        QCOMPARE(dialogs, 1);
        QVERIFY(f.prompter.messages.isEmpty());
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY2(bytes.contains(mediaBox), bytes.mid(bytes.indexOf("/MediaBox"), 40).constData());
        QVERIFY(bytes.contains("/Image"));
    }

    // A file that cannot be written is reported, not passed over; a cancelled dialog prints
    // nothing and says nothing.
    void printFailureReported() {
        MainWindowFixture f;
        putObject(f.ws(), 1, QRectF(1000, 1000, 2000, 2000));
        trigger(f, "mnuPrint");
        frmPrint* preview = f.editor->printing().printWindow();
        QVERIFY(preview);
        preview->runDialog = [](QPrinter&) { return false; };
        preview->mnuPrint->trigger();
        QVERIFY(f.prompter.messages.isEmpty());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/page.pdf"));
        preview->runDialog = [&](QPrinter& printer) {
            printer.setOutputFileName(path);
            return true;
        };
        preview->mnuPrint->trigger();
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages[0].text.startsWith(QStringLiteral("Печатът не бе успешен: ")));
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Warning);
        QVERIFY(!QFile::exists(path));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // The reduced preview has the capture's proportions; a click on it closes it.
    void reducedPreview() {
        MainWindowFixture f;
        // Captured 6000 x 4000 twips.
        putObject(f.ws(), 1, QRectF(-1600, 400, 5200, 3200));
        trigger(f, "mnuPreview");
        QPointer<frmPreviewDia> preview = f.editor->printing().previewWindow();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->windowTitle(), QStringLiteral("Преглед на диаграмата"));
        QCOMPARE(preview->size(), QSize(PrintCommands::PreviewWidth, 320));
        QCOMPARE(f.ws().canvas.shpSelection.rect, QRectF(-2000, 0, 6000, 4000));
        QCOMPARE(preview->Preview->geometry(), preview->rect());
        QCOMPARE(preview->Preview->pixmap().size(), QSize(400, 267));
        QTest::mouseClick(preview->Preview, Qt::LeftButton);
        QTRY_VERIFY(preview.isNull());
    }

    // An empty diagram has nothing to show: a word to the user and no window.
    void emptyDiagram_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Печат") << "mnuPrint";
        QTest::newRow("Превю") << "mnuPreview";
    }

    void emptyDiagram() {
        QFETCH(QString, entry);
        MainWindowFixture f;
        trigger(f, entry.toLatin1().constData());
        QVERIFY(!f.editor->printing().printWindow());
        QVERIFY(!f.editor->printing().previewWindow());
        QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("Диаграмата е празна.")});
    }
};

QTEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
