#include "files/ImageExport.h"
#include "support/FullDisk.h"
#include "support/Setup.h"
#include "workspace/MainWindowFixture.h"

#include "common/Units.h"
#include "export/frmJPGQuality.h"
#include "files/DiaFile.h"
#include "files/FileCommands.h"
#include "workspace/DiagramState.h"
#include "workspace/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QImage solid(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void diagramNameGetsItsExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "plan"
                               << "plan.dia";
        QTest::newRow("upper case kept") << "PLAN.DIA"
                                         << "PLAN.DIA";
        QTest::newRow("other extension") << "plan.txt"
                                         << "plan.txt.dia";
    }

    void diagramNameGetsItsExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        MainWindowFixture f;
        f.ws().saveCommand = nullptr; // the real command
        f.editor->files();            // wired
        f.ws().DobaviNov(QStringLiteral("SKETCHPAD"));
        f.ws().markChanged();
        f.prompter.fileNames.push_back(f.configDir.filePath(typed));
        f.w().cmdSave->click();
        QVERIFY(QFile::exists(f.configDir.filePath(written)));
        QCOMPARE(f.prompter.fileDialogs.last().filters, FileCommands::saveFilters());
        QCOMPARE(f.prompter.texts(),
                 QStringList{"Диаграмата е съхранена. Може да продължите работата си"});
        QVERIFY(!f.ws().diagram.Promqna);
        QCOMPARE(f.w().StatInfo->panelText(2), DiagramStateText::saved());
        QCOMPARE(f.w().StatInfo->panelText(3), QStringLiteral("Файл : ") + written);
        QCOMPARE(shownTitle(f.w()), QStringLiteral("Вексилардо - ") + written);
        for (QPushButton* b : f.w().commandButtons())
            QVERIFY(b->isEnabled());
    }

    void scrolledDiagramIsSavedUnscrolled() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        setUp(ws).store().objects[1].Left = 3000;
        f.w().Razmer_Click();
        f.w().pano->MoveHorizont->setValue(150);
        QCOMPARE(ws.canvas.view.toCanvas(QPointF(ws.store().objects[1].Left, 0)).x(), 2850.0);
        ws.settings.ShowInfo = false;
        const QString path = f.configDir.filePath(QStringLiteral("scrolled.dia"));
        f.prompter.fileNames.push_back(path);
        f.w().action(QStringLiteral("mnuSaveFile")).trigger();
        QCOMPARE(f.w().pano->MoveHorizont->value(), 0);
        QCOMPARE(ws.store().objects[1].Left, 3000.0);
        QVERIFY(readAll(path).contains("\"[PIC]\",\"SKETCHPAD\",120,3000,"));
        QVERIFY(f.prompter.messages.isEmpty()); // ShowInfo off
    }

    void failedWriteKeepsTheOldFileAndTheChanges_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("says"); // the start of the last message
        const QString full = QStringLiteral(": записът прекъсна (няма ли място на диска?).");
        QTest::newRow("dia") << 0 << "old.dia"
                             << "Файлът „old.dia“ не може да бъде записан" + full;
        QTest::newRow("bmp") << 1 << "old.bmp"
                             << "Файлът „old.bmp“ не може да бъде записан" + full;
        QTest::newRow("gif") << 2 << "old.gif"
                             << "Файлът „old.gif“ не може да бъде записан" + full;
        QTest::newRow("jpg") << 3 << "old.jpg"
                             << "Не може да се съхрани Jpg файла: '";
        QTest::newRow("svg") << 4 << "old.svg"
                             << "Файлът „old.svg“ не може да бъде записан" + full;
        QTest::newRow("pdf") << 5 << "old.pdf"
                             << "Файлът „old.pdf“ не може да бъде записан" + full;
    }

    // As on a full disk: the old file stays whole, the diagram stays changed.
    void failedWriteKeepsTheOldFileAndTheChanges() {
        QFETCH(int, filter);
        QFETCH(QString, name);
        QFETCH(QString, says);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const QString path = f.configDir.filePath(name);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old content");
        }
        // Files of a few kilobytes: more than the disk takes, less than a write buffer holds
        // (a buffered write would only fail where nobody looks).
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        QImage noise(40, 40, QImage::Format_RGB32);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                noise.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x * y * 11) % 256));
        setUp(ws).store().objects[1].picture = noise;
        setUp(ws).store().objects[1].Width = setUp(ws).store().objects[1].Height = 600;
        ws.markChanged();
        ws.setModified(true);
        f.prompter.fileNames.push_back(path);
        f.prompter.filterIndices.push_back(filter);
        if (filter > 0)
            f.prompter.answers.push_back(Prompter::Answer::No);
        QTimer::singleShot(0, &f.w(), [] {
            if (auto* dialog = qobject_cast<frmJPGQuality*>(QApplication::activeModalWidget()))
                dialog->cmdOK->click();
        });
        {
            FullDisk disk(1000);
            f.w().cmdSave->click();
        }
        QCOMPARE(readAll(path), QByteArray("old content"));
        QVERIFY2(f.prompter.texts().last().startsWith(says), qPrintable(f.prompter.texts().last()));
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(ws.stateText(), DiagramStateText::changed());
        QCOMPARE(ws.fileText(), DiagramStateText::noFile());
        QVERIFY(f.w().cmdSave->isEnabled());
        if (filter > 0)
            return;
        // A folder that is not there: the same, and nothing is created.
        f.prompter.fileNames.push_back(f.configDir.filePath(QStringLiteral("none/x.dia")));
        f.w().cmdSave->click();
        QVERIFY(f.prompter.texts().last().startsWith(QStringLiteral("Файлът „x.dia“")));
        QVERIFY(!QFile::exists(f.configDir.filePath(QStringLiteral("none"))));
        QVERIFY(ws.diagram.Promqna);
    }

    void loadAsksToSaveThenReplacesTheDiagram() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        setUp(ws).store().objects[1].Left = 30000;
        ws.settings.ShowInfo = false;
        const QString path = f.configDir.filePath(QStringLiteral("мрежа.dia"));
        f.prompter.fileNames.push_back(path);
        f.w().cmdSave->click();
        setUp(ws).store().objects[1].Left = 0;
        ws.DobaviNov(QStringLiteral("SKETCHPAD"));
        ws.markChanged();
        f.w().action(QStringLiteral("mnuPaste")).setEnabled(true);

        // Cancel at the question keeps everything; No goes on without saving.
        f.prompter.answers.push_back(Prompter::Answer::Cancel);
        f.w().cmdLoad->click();
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 2);
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.prompter.fileNames.push_back(path);
        f.w().action(QStringLiteral("mnuLoadFile")).trigger();
        QCOMPARE(f.prompter.fileDialogs.last().filters, FileCommands::loadFilters());
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 1);
        QCOMPARE(ws.store().objects[1].Left, 30000.0);
        QVERIFY(!ws.diagram.Promqna);
        // A loaded diagram starts a new history.
        QVERIFY(!ws.history().canUndo() && !f.w().action(QStringLiteral("mnuUndo")).isEnabled());
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());
        QCOMPARE(ws.fileText(), QStringLiteral("Файл : мрежа.dia"));
        QVERIFY(!f.w().action(QStringLiteral("mnuPaste")).isEnabled());
        QVERIFY(f.w().pano->MoveHorizont->isEnabled()); // the extent was checked again

        // A file that is not a diagram: the message, an empty canvas, the name shown.
        const QString other = f.configDir.filePath(QStringLiteral("other.dia"));
        QFile(other).open(QIODevice::WriteOnly);
        f.prompter.fileNames.push_back(other);
        f.w().cmdLoad->click();
        QCOMPARE(f.prompter.texts().last(),
                 QStringLiteral("Грешка - файла е повреден или не е създаден с Вексилардо!"));
        QCOMPARE(ws.store().usedCount(ElementKind::Picture), 0);
        QCOMPARE(ws.stateText(), DiagramStateText::loaded());
        QCOMPARE(shownTitle(f.w()), QStringLiteral("Вексилардо - other.dia"));
    }

    void wholeDiagramBmpHasTheMargin() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("BOX"), solid(40, 40, Qt::blue), QStringLiteral("Кутия"));
        ws.DobaviNov(QStringLiteral("BOX"));
        setUp(ws).store().objects[1].Left = 1000;
        setUp(ws).store().objects[1].Top = 500;
        const QString path = f.configDir.filePath(QStringLiteral("цяла"));
        f.prompter.fileNames.push_back(path);
        f.prompter.filterIndices.push_back(1);
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().cmdSave->click();
        const QImage image(path + QStringLiteral(".bmp"));
        QCOMPARE(image.size(), QSize(93, 93)); // 1400 twips
        QCOMPARE(image.pixelColor(26, 26), QColor(Qt::white));
        QCOMPARE(image.pixelColor(27, 27), QColor(Qt::blue)); // 400 twips in
        QCOMPARE(image.pixelColor(66, 66), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(67, 67), QColor(Qt::white));
        QCOMPARE(f.prompter.messages[0].text,
                 QStringLiteral("Желаете ли да изберете само дял от диаграмата за съхранение ?"));
        QCOMPARE(ws.stateText(), DiagramStateText::saved());
        QCOMPARE(ws.fileText(), DiagramStateText::noFile()); // a picture is not the diagram's file
    }

    // Far-apart elements would make a picture of gigabytes: it is refused before it is made,
    // and said so, not called empty.
    void aWholeDiagramTooLargeIsRefused() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("BOX"), solid(40, 40, Qt::blue), QStringLiteral("Кутия"));
        for (const double left : {-9e6, 9e6}) {
            ws.DobaviNov(QStringLiteral("BOX"));
            setUp(ws).store().objects[ws.diagram.Nomer].Left = left;
        }
        const QString path = f.configDir.filePath(QStringLiteral("далеч.bmp"));
        f.prompter.fileNames.push_back(path);
        f.prompter.filterIndices.push_back(1);
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().cmdSave->click();
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(f.prompter.messages.size(), 2);
        QCOMPARE(f.prompter.messages[1].title, QStringLiteral("Грешка"));
        QVERIFY2(f.prompter.messages[1].text.startsWith(QStringLiteral("Картината би била 1200")),
                 qPrintable(f.prompter.messages[1].text));
        QVERIFY(f.w().cmdSave->isEnabled());
    }

    void pictureSizeLimits_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<bool>("made");
        QTest::newRow("widest") << QSize(32767, 1) << true;
        QTest::newRow("one too wide") << QSize(32768, 1) << false;
        QTest::newRow("one too high") << QSize(1, 32768) << false;
        QTest::newRow("a whole GiB") << QSize(16384, 16384) << true;
        QTest::newRow("past a GiB") << QSize(16385, 16384) << false;
        QTest::newRow("sides far past int") << QSize(2147483647, 2147483647) << false;
    }

    void pictureSizeLimits() {
        QFETCH(QSize, pixels);
        QFETCH(bool, made);
        const std::optional<QString> refused = ImageExport::refusedSize(pixels);
        QCOMPARE(!refused, made);
        if (refused)
            QVERIFY(refused->contains(
                QStringLiteral("%1 x %2 пиксела").arg(pixels.width()).arg(pixels.height())));
    }

    void gifAndJpegOfTheWholeDiagram_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("name");
        QTest::newRow("gif") << 2 << "картина.gif";
        QTest::newRow("jpeg, through the quality dialog") << 3 << "картина.jpg";
    }

    void gifAndJpegOfTheWholeDiagram() {
        QFETCH(int, filter);
        QFETCH(QString, name);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("BOX"), solid(40, 40, Qt::red), QStringLiteral("Кутия"));
        ws.DobaviNov(QStringLiteral("BOX"));
        ws.markChanged();
        ws.settings.ShowInfo = false;
        const QString path = f.configDir.filePath(name);
        f.prompter.fileNames.push_back(path);
        f.prompter.filterIndices.push_back(filter);
        f.prompter.answers.push_back(Prompter::Answer::No);
        // The quality dialog is modal: it is answered as soon as it is up.
        QTimer::singleShot(0, &f.w(), [] {
            if (auto* dialog = qobject_cast<frmJPGQuality*>(QApplication::activeModalWidget()))
                dialog->cmdOK->click();
        });
        // The GIF writer keeps the window painted: what waits in the event loop runs while
        // the progress bar is up.
        bool ranMidWrite = false;
        QMetaObject::invokeMethod(
            &f.w(), [&] { ranMidWrite = f.w().Progres->isVisible(); }, Qt::QueuedConnection);
        f.w().cmdSave->click();
        QCOMPARE(ranMidWrite, filter == 2);
        QVERIFY(!f.w().Progres->isVisible());
        const QImage image(path);
        QCOMPARE(image.size(), QSize(93, 93)); // 600 + 800 twips either way
        const QColor centre = image.pixelColor(46, 46);
        QVERIFY2(centre.red() > 200 && centre.green() < 60, qPrintable(centre.name()));
        if (filter == 2)
            QVERIFY(readAll(path).startsWith("GIF87a"));
        // A picture is no copy of the diagram: closing still asks to save it.
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(shownTitle(f.w()), QStringLiteral("Вексилардо*"));
        QCOMPARE(ws.stateText(), DiagramStateText::saved());
        QVERIFY(f.w().cmdSave->isEnabled());
    }

    // SVG and PDF come after the pictures in the dialog and behave as they do: the extension
    // added, the region question, the completion message, the changes still unsaved. A region
    // gives a drawing of the marked rectangle's size.
    void vectorExportsActLikePictures_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("svg") << 4 << ".svg" << QByteArray("<?xml");
        QTest::newRow("pdf") << 5 << ".pdf" << QByteArray("%PDF");
    }

    void vectorExportsActLikePictures() {
        QFETCH(int, filter);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("BOX"), solid(40, 40, Qt::red), QStringLiteral("Кутия"));
        ws.DobaviNov(QStringLiteral("BOX"));
        ws.markChanged();
        QVERIFY(FileCommands::saveFilters().endsWith(
            QStringLiteral(";;SVG файл (*.svg);;PDF файл (*.pdf)")));
        const QString whole = f.configDir.filePath(QStringLiteral("цяла"));
        f.prompter.fileNames.push_back(whole);
        f.prompter.filterIndices.push_back(filter);
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().cmdSave->click();
        QVERIFY(readAll(whole + suffix).startsWith(start));
        QCOMPARE(f.prompter.texts(),
                 (QStringList{"Желаете ли да изберете само дял от диаграмата за съхранение ?",
                              "Диаграмата е съхранена. Може да продължите работата си"}));
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(ws.stateText(), DiagramStateText::saved());
        QCOMPARE(ws.fileText(), DiagramStateText::noFile());
        QVERIFY(f.w().cmdSave->isEnabled());

        const QString part = f.configDir.filePath(QStringLiteral("дял") + suffix.toUpper());
        f.prompter.fileNames.push_back(part);
        f.prompter.filterIndices.push_back(filter);
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        f.w().cmdSave->click();
        QVERIFY(!f.w().cmdSave->isEnabled());
        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, QPoint(20, 5));
        QTest::mouseMove(f.w().pano, QPoint(40, 30));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, QPoint(40, 30));
        // No second extension; 20 x 25 pixels are 15 x 18.75 points, the page whole points.
        const QByteArray bytes = readAll(part);
        QVERIFY(bytes.startsWith(start));
        QVERIFY(bytes.contains(filter == 4 ? QByteArray("width=\"20px\" height=\"25px\"")
                                           : QByteArray("/MediaBox [0 0 15.000000 19.000000]")));
        QVERIFY(f.w().cmdSave->isEnabled());
        QVERIFY(ws.diagram.Promqna);
    }

    void emptyDiagramIsNoPicture() {
        MainWindowFixture f;
        const QString path = f.configDir.filePath(QStringLiteral("празна.bmp"));
        f.prompter.fileNames.push_back(path);
        f.prompter.filterIndices.push_back(1);
        f.prompter.answers.push_back(Prompter::Answer::No);
        f.w().cmdSave->click();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(f.prompter.texts().last(),
                 QStringLiteral("Диаграмата е празна и няма какво да се запише като картина."));
        QVERIFY(f.w().cmdSave->isEnabled());
    }

    // Load and Save open in the folder last used for diagrams, exported pictures included;
    // picture import keeps a folder of its own. Both last from run to run, and a folder that
    // is no longer there gives the home folder.
    void dialogsOpenInTheFolderLastUsed() {
        QCoreApplication::setOrganizationName(QStringLiteral("Vexilardo"));
        QCoreApplication::setApplicationName(QStringLiteral("Vexilardo"));
        QSettings().clear();
        const QString home = QDir::homePath();
        QTemporaryDir folders;
        const QString diagrams = folders.filePath(QStringLiteral("диаграми"));
        const QString exports = folders.filePath(QStringLiteral("картини"));
        const QString pictures = folders.filePath(QStringLiteral("снимки"));
        for (const QString& folder : {diagrams, exports, pictures})
            QVERIFY(QDir().mkpath(folder));
        QVERIFY(solid(8, 8, Qt::green).save(pictures + QStringLiteral("/лого.png")));
        {
            MainWindowFixture f;
            Workspace& ws = f.ws();
            ws.settings.ShowInfo = false;
            ws.kartinki.add(QStringLiteral("BOX"), solid(40, 40, Qt::blue),
                            QStringLiteral("Кутия"));
            ws.DobaviNov(QStringLiteral("BOX"));
            const auto opened = [&f] { return f.prompter.fileDialogs.last().directory; };
            f.prompter.fileNames.push_back(diagrams + QStringLiteral("/план.dia"));
            f.w().cmdSave->click();
            QCOMPARE(opened(), home);
            f.w().cmdLoad->click(); // cancelled from here on, unless a name is given
            QCOMPARE(opened(), diagrams);
            f.prompter.fileNames.push_back(exports + QStringLiteral("/план.bmp"));
            f.prompter.filterIndices.push_back(1);
            f.prompter.answers.push_back(Prompter::Answer::No);
            f.w().cmdSave->click();
            QCOMPARE(opened(), diagrams);
            QVERIFY(QFile::exists(exports + QStringLiteral("/план.bmp")));
            f.w().cmdSave->click();
            QCOMPARE(opened(), exports);
            f.w().cmdLoad->click();
            QCOMPARE(opened(), exports);

            f.w().action(QStringLiteral("mnuAddFromFile")).trigger();
            QCOMPARE(opened(), home);
            f.prompter.fileNames.push_back(pictures + QStringLiteral("/лого.png"));
            f.w().action(QStringLiteral("mnuAddFromFile")).trigger();
            QCOMPARE(ws.store().usedCount(ElementKind::Picture), 2);
            f.w().action(QStringLiteral("mnuAddFromFile")).trigger();
            QCOMPARE(opened(), pictures);
        }
        MainWindowFixture next;
        const auto opened = [&next] { return next.prompter.fileDialogs.last().directory; };
        next.w().cmdLoad->click();
        QCOMPARE(opened(), exports);
        QVERIFY(QDir(exports).removeRecursively());
        next.w().cmdSave->click();
        QCOMPARE(opened(), home);
        next.w().action(QStringLiteral("mnuAddFromFile")).trigger();
        QCOMPARE(opened(), pictures);
        // Only a folder counts, whatever the configuration holds.
        QSettings().setValue(QStringLiteral("FileDialogs/Pictures"),
                             pictures + QStringLiteral("/лого.png"));
        next.w().action(QStringLiteral("mnuAddFromFile")).trigger();
        QCOMPARE(opened(), home);
    }

    // The region export spans two actions: the command leaves the selection tool waiting
    // with the commands locked; the rectangle finishes it.
    void regionExportWritesTheMarkedRectangle() {
        MainWindowFixture f;
        Workspace& ws = f.ws();
        ws.kartinki.add(QStringLiteral("BOX"), solid(40, 40, Qt::red), QStringLiteral("Кутия"));
        ws.DobaviNov(QStringLiteral("BOX")); // at 25, 8 pixels
        const QString path = f.configDir.filePath(QStringLiteral("дял.bmp"));
        f.prompter.fileNames.push_back(path);
        f.prompter.filterIndices.push_back(1);
        f.prompter.answers.push_back(Prompter::Answer::Yes);
        f.w().cmdSave->click();
        QCOMPARE(f.prompter.texts().last(),
                 QStringLiteral("Маркирайте желания дял с мишката сега !"));
        QCOMPARE(ws.diagram.SelPicture, int16_t(-1));
        QCOMPARE(ws.tools.mode, ToolState::selection());
        QVERIFY(!f.w().cmdSave->isEnabled());
        f.w().SpriInstrumentite(); // a pending region survives stopping the tools
        QCOMPARE(ws.tools.mode, ToolState::selection());

        QTest::mousePress(f.w().pano, Qt::LeftButton, {}, QPoint(20, 5));
        QTest::mouseMove(f.w().pano, QPoint(40, 30));
        QTest::mouseRelease(f.w().pano, Qt::LeftButton, {}, QPoint(40, 30));
        const QImage image(path);
        QCOMPARE(image.size(), QSize(20, 25));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(5, 3), QColor(Qt::red));
        QVERIFY(!ws.canvas.shpSelection.visible);
        QCOMPARE(ws.diagram.SelPicture, int16_t(0));
        QVERIFY(ws.tools.mode.isEmpty());
        QCOMPARE(ws.stateText(), DiagramStateText::saved());
        QVERIFY(f.w().cmdSave->isEnabled());
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
