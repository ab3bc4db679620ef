#include "MainWindowFixture.h"

#include "export/JpegWriter.h"
#include "export/cDIBSection.h"
#include "export/frmJPGQuality.h"
#include "settings/SettingsRecord.h"
#include "workspace/DiagramState.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>

namespace {

// A pixel of the buffer by picture coordinates (y = 0 is the top row).
QColor dibPixel(const cDIBSection& dib, int x, int y) {
    const uchar* p = dib.DIBSectionBitsPtr() +
                     size_t(dib.Height() - 1 - y) * size_t(dib.BytesPerScanLine()) + 3 * x;
    return QColor(p[2], p[1], p[0]);
}

// Quadrants: red top left, green top right, blue bottom left, white bottom right.
QImage quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2;
            const bool bottom = y >= h / 2;
            image.setPixelColor(
                x, y, bottom ? (right ? Qt::white : Qt::blue) : (right ? Qt::green : Qt::red));
        }
    return image;
}

QImage noise(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

bool looksLike(QColor a, QColor b, int tolerance = 24) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray jpegOf(const QImage& picture, int quality, const QString& path) {
    cDIBSection dib;
    ScriptedPrompter prompter;
    if (!dib.CreateFromPicture(picture) || !WriteJPGFile(dib, path, quality, prompter))
        return QByteArray();
    return readAll(path);
}

// How a failing write is arranged.
enum class Failure { MissingFolder, TargetIsFolder, ReadOnlyOldFile, EmptyPictureOverOldFile };

} // namespace

Q_DECLARE_METATYPE(Failure)

class TestJpeg : public QObject {
    Q_OBJECT

private slots:
    void scanLinesArePaddedToFourBytes_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("padding");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("4k") << 8 << 0;
        QTest::newRow("4k+1") << 9 << 1;
        QTest::newRow("4k+2") << 10 << 2;
        QTest::newRow("4k+3") << 11 << 3;
    }
    void scanLinesArePaddedToFourBytes() {
        QFETCH(int, width);
        QFETCH(int, padding);
        cDIBSection dib;
        QVERIFY(dib.Create(width, 2));
        QCOMPARE(dib.BytesPerScanLine() - 3 * width, padding);
        QCOMPARE(dib.BytesPerScanLine() % 4, 0);
    }

    // Rows bottom-up, bytes blue, green, red, padding left zero.
    void pictureIsStoredBottomUpInBgr() {
        QImage picture(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                picture.setPixel(x, y, qRgb(10 * x + 1, 20 * y + 2, 3 + x + y));
        cDIBSection dib;
        QVERIFY(dib.CreateFromPicture(picture));
        QCOMPARE(dib.Width(), 5);
        QCOMPARE(dib.Height(), 3);
        const uchar* bottomRow = dib.DIBSectionBitsPtr();
        QCOMPARE(int(bottomRow[0]), 3 + 0 + 2);
        QCOMPARE(int(bottomRow[1]), 20 * 2 + 2);
        QCOMPARE(int(bottomRow[2]), 1);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x)
                QCOMPARE(dibPixel(dib, x, y), picture.pixelColor(x, y));
            const uchar* line = dib.DIBSectionBitsPtr() + y * dib.BytesPerScanLine();
            QCOMPARE(int(line[15]), 0); // the one padding byte of a 5-pixel line
        }
    }

    void createRefusesSizesItCannotHold_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("created");
        QTest::newRow("widest") << cDIBSection::LargestSide << 1 << true;
        QTest::newRow("zero width") << 0 << 5 << false;
        QTest::newRow("zero height") << 5 << 0 << false;
        QTest::newRow("negative") << -4 << 5 << false;
        QTest::newRow("too wide") << cDIBSection::LargestSide + 1 << 1 << false;
        QTest::newRow("too tall") << 1 << INT_MAX << false;
        QTest::newRow("over 2 GB") << cDIBSection::LargestSide << cDIBSection::LargestSide << false;
    }
    void createRefusesSizesItCannotHold() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, created);
        cDIBSection dib;
        QVERIFY(dib.Create(3, 3));
        QCOMPARE(dib.Create(width, height), created);
        // A refused size leaves nothing of the old buffer behind.
        QCOMPARE(dib.Width(), created ? width : 0);
        QCOMPARE(dib.Height(), created ? height : 0);
        QCOMPARE(dib.DIBSectionBitsPtr() != nullptr, created);
        dib.LoadPictureBlt(quadrants(4, 4), 0, 0, -1, -1);
    }

    // A 3 x 3 red picture copied into a 4 x 4 black buffer; `red` is where red lands.
    void loadPictureBltCopiesTheClippedRectangle_data() {
        QTest::addColumn<QRect>("source");
        QTest::addColumn<QRect>("red");
        QTest::newRow("whole") << QRect(0, 0, -1, -1) << QRect(0, 0, 3, 3);
        QTest::newRow("offset") << QRect(1, 1, -1, -1) << QRect(0, 0, 2, 2);
        QTest::newRow("part") << QRect(0, 0, 2, 1) << QRect(0, 0, 2, 1);
        QTest::newRow("before the origin") << QRect(-1, -2, -1, -1) << QRect(1, 2, 3, 2);
        QTest::newRow("outside") << QRect(5, 5, -1, -1) << QRect();
        QTest::newRow("far out") << QRect(INT_MAX, 0, INT_MAX, -1) << QRect();
    }
    void loadPictureBltCopiesTheClippedRectangle() {
        QFETCH(QRect, source);
        QFETCH(QRect, red);
        QImage picture(3, 3, QImage::Format_RGB32);
        picture.fill(Qt::red);
        cDIBSection dib;
        QVERIFY(dib.Create(4, 4));
        // QRect would overflow on the far-out row; the parts go in as given.
        dib.LoadPictureBlt(picture, source.x(), source.y(), source.width(), source.height());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(dibPixel(dib, x, y),
                         red.contains(x, y) ? QColor(Qt::red) : QColor(Qt::black));
    }

    // Odd widths exercise each amount of padding.
    void jpegReadsBackUpright_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("quality");
        QTest::newRow("padding 0") << QSize(32, 24) << 90;
        QTest::newRow("padding 1") << QSize(35, 27) << 75;
        QTest::newRow("padding 2") << QSize(34, 26) << 100;
        QTest::newRow("padding 3") << QSize(33, 40) << 60;
    }
    void jpegReadsBackUpright() {
        QFETCH(QSize, size);
        QFETCH(int, quality);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("изход.jpg"));
        QVERIFY(!jpegOf(quadrants(size.width(), size.height()), quality, path).isEmpty());
        QImage back(path, "JPG");
        QCOMPARE(back.size(), size);
        const int qx = size.width() / 4;
        const int qy = size.height() / 4;
        QVERIFY(looksLike(back.pixelColor(qx, qy), Qt::red));
        QVERIFY(looksLike(back.pixelColor(3 * qx, qy), Qt::green));
        QVERIFY(looksLike(back.pixelColor(qx, 3 * qy), Qt::blue));
        QVERIFY(looksLike(back.pixelColor(3 * qx, 3 * qy), Qt::white));
    }

    // Out-of-range qualities write what the nearest end writes.
    void qualityIsClampedToItsRange_data() {
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("meant");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("negative") << -40 << 1;
        QTest::newRow("101") << 101 << 100;
        QTest::newRow("huge") << INT_MAX << 100;
    }
    void qualityIsClampedToItsRange() {
        QFETCH(int, given);
        QFETCH(int, meant);
        QTemporaryDir dir;
        const QImage picture = noise(40, 30);
        const QByteArray a = jpegOf(picture, given, dir.filePath(QStringLiteral("a.jpg")));
        QVERIFY(!a.isEmpty());
        QCOMPARE(a, jpegOf(picture, meant, dir.filePath(QStringLiteral("b.jpg"))));
    }

    void higherQualityKeepsMore() {
        QTemporaryDir dir;
        const QImage picture = noise(64, 48);
        const QByteArray poor = jpegOf(picture, 1, dir.filePath(QStringLiteral("1.jpg")));
        const QByteArray good = jpegOf(picture, 100, dir.filePath(QStringLiteral("100.jpg")));
        QVERIFY(!poor.isEmpty());
        QVERIFY(good.size() > 4 * poor.size());
    }

    void failedWriteIsReportedAndKeepsTheOldFile_data() {
        QTest::addColumn<Failure>("failure");
        QTest::newRow("missing folder") << Failure::MissingFolder;
        QTest::newRow("target is a folder") << Failure::TargetIsFolder;
        QTest::newRow("read-only old file") << Failure::ReadOnlyOldFile;
        QTest::newRow("empty picture") << Failure::EmptyPictureOverOldFile;
    }
    void failedWriteIsReportedAndKeepsTheOldFile() {
        QFETCH(Failure, failure);
        QTemporaryDir dir;
        const QByteArray old("old contents");
        QString path = dir.filePath(QStringLiteral("old.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();

        cDIBSection dib;
        if (failure != Failure::EmptyPictureOverOldFile)
            QVERIFY(dib.CreateFromPicture(quadrants(8, 8)));
        if (failure == Failure::MissingFolder)
            path = dir.filePath(QStringLiteral("няма/x.jpg"));
        if (failure == Failure::TargetIsFolder)
            path = dir.path();
        if (failure == Failure::ReadOnlyOldFile) {
            QVERIFY(file.setPermissions(QFile::ReadOwner));
            if (QFileInfo(path).isWritable())
                QSKIP("this user may write to read-only files");
        }

        ScriptedPrompter prompter;
        QVERIFY(!WriteJPGFile(dib, path, 90, prompter));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, QStringLiteral("Failed to save to JPG"));
        QCOMPARE(prompter.messages[0].title, QStringLiteral("Грешка"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Warning);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("old.jpg"))), old);
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("old.jpg")});
    }

    // ---- the quality dialog ----

    void dialogOpensAtNinety() {
        MainWindowFixture f;
        f.ws().settings.ProgramFont = QStringLiteral("DejaVu Serif");
        f.ws().SetTransp(int(SettingsWindow::JpgQuality), 128);
        frmJPGQuality d(f.w(), quadrants(8, 8), QStringLiteral("x.jpg"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Качество на изходния файл"));
        QVERIFY(d.isModal());
        QCOMPARE(d.fraQual->title(), QStringLiteral("Качество на JPG:"));
        QCOMPARE(d.sldQual->value(), 90);
        QCOMPARE(d.sldQual->minimum(), 1);
        QCOMPARE(d.sldQual->maximum(), 100);
        QCOMPARE(d.sldQual->tickInterval(), 10);
        QCOMPARE(d.sldQual->singleStep(), 1);
        QCOMPARE(d.sldQual->pageStep(), 5);
        QCOMPARE(d.sldQual->toolTip(), QStringLiteral("Настройка на качеството"));
        const QStringList labels{d.lblZero->text(), d.lblHalf->text(), d.lblFull->text(),
                                 d.lblPoor->text(), d.lblGood->text()};
        QCOMPARE(labels,
                 (QStringList{QStringLiteral("0%"), QStringLiteral("50%"), QStringLiteral("100%"),
                              QStringLiteral("<< Лошо"), QStringLiteral("Добро >>")}));
        QCOMPARE(d.cmdOK->text(), QStringLiteral("Запази файла"));
        QCOMPARE(d.cmdCancel->text(), QStringLiteral("Отмени"));
        QCOMPARE(d.cmdOK->font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(d.windowOpacity() < 0.6 && d.windowOpacity() > 0.4);
    }

    void okWritesTheFileAndMarksTheDiagramSaved_data() {
        QTest::addColumn<bool>("showInfo");
        QTest::addColumn<int>("quality");
        QTest::newRow("with the note") << true << 37;
        QTest::newRow("silent") << false << 90;
    }
    void okWritesTheFileAndMarksTheDiagramSaved() {
        QFETCH(bool, showInfo);
        QFETCH(int, quality);
        MainWindowFixture f;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("диаграма.jpg"));
        const QImage picture = noise(40, 30);
        f.ws().settings.ShowInfo = showInfo;
        f.ws().markChanged();
        f.ws().diagram.SelPicture = -1;
        f.w().Kontrolite(false);
        f.ws().bitmap().image();

        frmJPGQuality d(f.w(), picture, path);
        d.show();
        if (quality != 90)
            d.sldQual->setValue(quality);
        d.cmdOK->click();

        QVERIFY(d.saved());
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        // Exactly the slider's value reached the writer.
        QCOMPARE(readAll(path), jpegOf(picture, quality, dir.filePath(QStringLiteral("b.jpg"))));
        QCOMPARE(f.prompter.messages.size(), showInfo ? 1 : 0);
        if (showInfo) {
            QCOMPARE(f.prompter.messages[0].title, QStringLiteral("Съобщение"));
            QCOMPARE(f.prompter.messages[0].text,
                     QStringLiteral("Диаграмата е съхранена. Може да продължите работата си"));
            QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
        }
        QVERIFY(!f.ws().diagram.Promqna);
        QCOMPARE(f.ws().stateText(), DiagramStateText::saved());
        QCOMPARE(f.ws().diagram.SelPicture, int16_t(0));
        for (QPushButton* b : f.w().commandButtons())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(f.ws().bitmap().isDirty());
    }

    // Failing, or ending the dialog without saving, leaves the diagram as it was but always
    // unlocks the main window and repaints the canvas.
    void otherEndsLeaveTheDiagramChanged_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("fileName"); // relative to a temporary folder
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        QTest::newRow("cancel") << "cancel"
                                << "x.jpg" << none;
        QTest::newRow("escape") << "escape"
                                << "x.jpg" << none;
        QTest::newRow("close box") << "close"
                                   << "x.jpg" << none;
        QTest::newRow("no file name") << "ok" << QString() << none;
        QTest::newRow("missing folder")
            << "ok"
            << "няма/x.jpg"
            << QStringList{QStringLiteral("Failed to save to JPG"),
                           QStringLiteral("Не може да се съхрани Jpg файла: '%1'")};
    }
    void otherEndsLeaveTheDiagramChanged() {
        QFETCH(QString, how);
        QFETCH(QString, fileName);
        QFETCH(QStringList, messages);
        MainWindowFixture f;
        QTemporaryDir dir;
        const QString path = fileName.isEmpty() ? QString() : dir.filePath(fileName);
        f.ws().markChanged();
        f.ws().diagram.SelPicture = -1;
        f.w().Kontrolite(false);
        f.ws().bitmap().image();

        frmJPGQuality d(f.w(), quadrants(8, 8), path);
        d.show();
        if (how == QLatin1String("ok"))
            d.cmdOK->click();
        else if (how == QLatin1String("cancel"))
            d.cmdCancel->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();

        QVERIFY(!d.saved());
        QVERIFY(!d.isVisible());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        QStringList shown;
        for (const ScriptedPrompter::Message& m : f.prompter.messages) {
            shown << m.text;
            QCOMPARE(m.icon, Prompter::Icon::Warning);
        }
        for (QString& text : messages)
            text.replace(QLatin1String("%1"), path);
        QCOMPARE(shown, messages);
        QVERIFY(f.ws().diagram.Promqna);
        QCOMPARE(f.ws().stateText(), DiagramStateText::changed());
        QCOMPARE(f.ws().diagram.SelPicture, int16_t(-1));
        for (QPushButton* b : f.w().commandButtons())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(f.w().mnuMenu->isEnabled());
        QVERIFY(f.ws().bitmap().isDirty());
    }
};

QTEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
