#include "MainWindowFixture.h"

#include "common/FileAccess.h"
#include "export/JpegWriter.h"
#include "export/cDIBSection.h"
#include "export/frmJPGQuality.h"
#include "settings/SettingsRecord.h"
#include "workspace/DiagramState.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <climits>

namespace {

// A pixel of the buffer by picture coordinates (y = 0 is the top row).
QColor dibPixel(const cDIBSection& dib, int x, int y) {
    const uchar* p = dib.DIBSectionBitsPtr() + (dib.Height() - 1 - y) * dib.BytesPerScanLine();
    return QColor(p[3 * x + 2], p[3 * x + 1], p[3 * x]);
}

// Red top left, green top right, blue bottom left, white bottom right.
QImage quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, w / 2, h / 2, Qt::red);
    painter.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    painter.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    return image;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray jpegOf(const QImage& picture, int quality, const QString& path) {
    cDIBSection dib;
    ScriptedPrompter prompter;
    const bool written =
        dib.CreateFromPicture(picture) && WriteJPGFile(dib, path, quality, prompter);
    return written ? readAll(path) : QByteArray();
}

enum class Failure { MissingFolder, TargetIsFolder, ReadOnlyOldFile, EmptyPicture };

} // namespace

Q_DECLARE_METATYPE(Failure)

class TestJpeg : public QObject {
    Q_OBJECT

private slots:
    // Two rows: the bottom one comes first in memory, in blue, green, red, then zero padding.
    void scanLineLayout_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("padding");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("4k") << 8 << 0;
        QTest::newRow("4k+1") << 9 << 1;
        QTest::newRow("4k+2") << 10 << 2;
        QTest::newRow("4k+3") << 11 << 3;
    }
    void scanLineLayout() {
        QFETCH(int, width);
        QFETCH(int, padding);
        QImage picture(width, 2, QImage::Format_RGB32);
        picture.fill(qRgb(1, 2, 3));
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, 1, qRgb(4, 5, 6));
        cDIBSection dib;
        QVERIFY(dib.CreateFromPicture(picture));
        QCOMPARE(dib.BytesPerScanLine() - 3 * width, padding);
        QByteArray expected;
        for (const QByteArray& pixel : {QByteArray("\6\5\4"), QByteArray("\3\2\1")})
            expected += pixel.repeated(width) + QByteArray(padding, '\0');
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(dib.DIBSectionBitsPtr()),
                            2 * dib.BytesPerScanLine()),
                 expected);
    }

    void createRefusesSizesItCannotHold_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("widest") << cDIBSection::LargestSide << 1;
        QTest::newRow("zero width") << 0 << 5;
        QTest::newRow("zero height") << 5 << 0;
        QTest::newRow("negative") << -4 << 5;
        QTest::newRow("too wide") << cDIBSection::LargestSide + 1 << 1;
        QTest::newRow("too tall") << 1 << INT_MAX;
        QTest::newRow("over 2 GB") << cDIBSection::LargestSide << cDIBSection::LargestSide;
    }
    void createRefusesSizesItCannotHold() {
        QFETCH(int, width);
        QFETCH(int, height);
        const bool fits = QByteArray(QTest::currentDataTag()) == "widest";
        cDIBSection dib;
        QVERIFY(dib.Create(3, 3));
        QCOMPARE(dib.Create(width, height), fits);
        // A refused size leaves nothing of the old buffer behind.
        QCOMPARE(dib.Width() * dib.Height(), fits ? width * height : 0);
        QCOMPARE(dib.DIBSectionBitsPtr() != nullptr, fits);
        dib.LoadPictureBlt(quadrants(4, 4), 0, 0, -1, -1);
    }

    // A 3 x 3 red picture copied into a 4 x 4 black buffer; `red` is where red lands.
    void loadPictureBltClips_data() {
        QTest::addColumn<QList<int>>("source"); // left, top, width, height
        QTest::addColumn<QRect>("red");
        QTest::newRow("whole") << QList<int>{0, 0, -1, -1} << QRect(0, 0, 3, 3);
        QTest::newRow("offset") << QList<int>{1, 1, -1, -1} << QRect(0, 0, 2, 2);
        QTest::newRow("part") << QList<int>{0, 0, 2, 1} << QRect(0, 0, 2, 1);
        QTest::newRow("before origin") << QList<int>{-1, -2, -1, -1} << QRect(1, 2, 3, 2);
        QTest::newRow("far out") << QList<int>{INT_MAX, 0, INT_MAX, -1} << QRect();
    }
    void loadPictureBltClips() {
        QFETCH(QList<int>, source);
        QFETCH(QRect, red);
        QImage picture(3, 3, QImage::Format_RGB32);
        picture.fill(Qt::red);
        cDIBSection dib;
        QVERIFY(dib.Create(4, 4));
        dib.LoadPictureBlt(picture, source[0], source[1], source[2], source[3]);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(dibPixel(dib, x, y), QColor(red.contains(x, y) ? Qt::red : Qt::black));
    }

    // Widths with each amount of padding; a non-Latin file name.
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
        const QImage back(path, "JPG");
        QCOMPARE(back.size(), size);
        // The centre of each quadrant.
        const QList<QColor> expected{Qt::red, Qt::green, Qt::blue, Qt::white};
        for (int i = 0; i < 4; ++i) {
            const QColor got = back.pixelColor((1 + 2 * (i % 2)) * size.width() / 4,
                                               (1 + 2 * (i / 2)) * size.height() / 4);
            const QColor want = expected[i];
            QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) +
                             qAbs(got.blue() - want.blue()) <=
                         48,
                     qPrintable(got.name()));
        }
    }

    void higherQualityKeepsMore() {
        QTemporaryDir dir;
        const QImage picture = quadrants(64, 48);
        const QByteArray poor = jpegOf(picture, 1, dir.filePath(QStringLiteral("1.jpg")));
        QVERIFY(!poor.isEmpty());
        QVERIFY(jpegOf(picture, 100, dir.filePath(QStringLiteral("100.jpg"))).size() > poor.size());
    }

    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<Failure>("failure");
        QTest::newRow("missing folder") << Failure::MissingFolder;
        QTest::newRow("target is a folder") << Failure::TargetIsFolder;
        QTest::newRow("read-only old file") << Failure::ReadOnlyOldFile;
        QTest::newRow("empty picture") << Failure::EmptyPicture;
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(Failure, failure);
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old.jpg"));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        cDIBSection dib;
        if (failure != Failure::EmptyPicture)
            QVERIFY(dib.CreateFromPicture(quadrants(8, 8)));
        QString path = old;
        if (failure == Failure::MissingFolder)
            path = dir.filePath(QStringLiteral("няма/x.jpg"));
        else if (failure == Failure::TargetIsFolder)
            path = dir.path();
        // Root may write to read-only files, so the user is played.
        const QString oldPath = QFileInfo(old).absoluteFilePath();
        const FileAccess::Override readOnly([&](const QString& path, FileAccess::Access access) {
            return failure == Failure::ReadOnlyOldFile && path == oldPath &&
                           access == FileAccess::Access::Write
                       ? std::optional<bool>(false)
                       : std::nullopt;
        });

        ScriptedPrompter prompter;
        QVERIFY(!WriteJPGFile(dib, path, 90, prompter));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title + '|' + prompter.messages[0].text,
                 QStringLiteral("Грешка|Failed to save to JPG"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Warning);
        QCOMPARE(readAll(old), QByteArray("old"));
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.jpg"});
    }

    // ---- the quality dialog ----

    void dialogOpensAtNinety() {
        MainWindowFixture f;
        f.ws().settings.ProgramFont = QStringLiteral("DejaVu Serif");
        f.ws().SetTransp(int(SettingsWindow::JpgQuality), 128);
        frmJPGQuality d(f.w(), quadrants(8, 8), QStringLiteral("x.jpg"));
        QVERIFY(d.isModal());
        const QStringList texts{d.windowTitle(),     d.fraQual->title(), d.sldQual->toolTip(),
                                d.lblZero->text(),   d.lblHalf->text(),  d.lblFull->text(),
                                d.lblPoor->text(),   d.lblGood->text(),  d.cmdOK->text(),
                                d.cmdCancel->text(), d.font().family()};
        QCOMPARE(texts, (QStringList{"Качество на изходния файл", "Качество на JPG:",
                                     "Настройка на качеството", "0%", "50%", "100%", "<< Лошо",
                                     "Добро >>", "Запази файла", "Отмени", "DejaVu Serif"}));
        const QSlider& s = *d.sldQual;
        QCOMPARE((QList<int>{s.value(), s.minimum(), s.maximum(), s.tickInterval(), s.singleStep(),
                             s.pageStep()}),
                 (QList<int>{90, 1, 100, 10, 1, 5}));
        QVERIFY(d.windowOpacity() < 0.6 && d.windowOpacity() > 0.4);
    }

    // Every way out unlocks the main window and repaints the canvas; only a written file
    // marks the diagram saved.
    void dialogEnds_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("fileName"); // in a temporary folder
        QTest::addColumn<bool>("showInfo");
        QTest::addColumn<QStringList>("messages"); // %1: the file's path
        const QString note =
            QStringLiteral("Диаграмата е съхранена. Може да продължите работата си");
        QTest::newRow("saved, noted") << "ok"
                                      << "д.jpg" << true << QStringList{note};
        QTest::newRow("saved, silent") << "ok"
                                       << "д.jpg" << false << QStringList();
        QTest::newRow("cancel") << "cancel"
                                << "x.jpg" << true << QStringList();
        QTest::newRow("escape") << "escape"
                                << "x.jpg" << true << QStringList();
        QTest::newRow("close box") << "close"
                                   << "x.jpg" << true << QStringList();
        QTest::newRow("no file name") << "ok" << QString() << true << QStringList();
        QTest::newRow("missing folder")
            << "ok"
            << "няма/x.jpg" << true
            << QStringList{"Failed to save to JPG", "Не може да се съхрани Jpg файла: '%1'"};
    }
    void dialogEnds() {
        QFETCH(QString, how);
        QFETCH(QString, fileName);
        QFETCH(bool, showInfo);
        QFETCH(QStringList, messages);
        const bool saved = QByteArray(QTest::currentDataTag()).startsWith("saved");
        MainWindowFixture f;
        QTemporaryDir dir;
        const QString path = fileName.isEmpty() ? QString() : dir.filePath(fileName);
        const QImage picture = quadrants(40, 30);
        f.ws().settings.ShowInfo = showInfo;
        f.ws().markChanged();
        f.ws().setModified(true);
        f.ws().diagram.SelPicture = -1;
        f.w().Kontrolite(false);
        f.ws().bitmap().image();

        frmJPGQuality d(f.w(), picture, path);
        d.show();
        d.sldQual->setValue(37);
        if (how == QLatin1String("ok"))
            d.cmdOK->click();
        else if (how == QLatin1String("cancel"))
            d.cmdCancel->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();

        QCOMPARE(d.saved(), saved);
        QVERIFY(!d.isVisible());
        QStringList shown;
        for (const ScriptedPrompter::Message& m : f.prompter.messages) {
            shown << m.text;
            QCOMPARE(m.icon, saved ? Prompter::Icon::Information : Prompter::Icon::Warning);
        }
        QCOMPARE(shown, messages.replaceInStrings(QStringLiteral("%1"), path));
        if (saved) // exactly the slider's value reached the writer
            QCOMPARE(readAll(path), jpegOf(picture, 37, dir.filePath(QStringLiteral("b.jpg"))));
        else
            QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(f.ws().diagram.Promqna); // a picture is no copy of the diagram
        QCOMPARE(f.ws().stateText(),
                 saved ? DiagramStateText::saved() : DiagramStateText::changed());
        QCOMPARE(f.ws().diagram.SelPicture, int16_t(saved ? 0 : -1));
        for (QPushButton* b : f.w().commandButtons())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(f.w().mnuMenu->isEnabled());
        QVERIFY(f.ws().bitmap().isDirty());
    }
};

QTEST_MAIN(TestJpeg)
#include "tst_jpeg.moc"
