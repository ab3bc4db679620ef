#include "MainWindowFixture.h"

#include "objects/Orientation.h"
#include "support/Setup.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/ElementMenu.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

Q_DECLARE_METATYPE(ElementRef)

namespace {

// Every pixel different, so a misplaced one shows.
QImage distinct(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF));
    return image;
}

bool unlocked(frmMain& w) {
    for (QPushButton* b : w.commandButtons())
        if (!b->isEnabled())
            return false;
    return w.mnuMenu->isEnabled();
}

// A library object at (1000, 600) twips whose menu was opened.
PictureObject& placeObject(MainWindowFixture& f, const QImage& picture) {
    Workspace& ws = f.ws();
    ws.kartinki.add(QStringLiteral("HUB"), picture, QStringLiteral("Хъб"));
    addObject(ws, QStringLiteral("HUB"));
    PictureObject& o = setUp(ws).store().objects[ws.diagram.Nomer];
    o.Left = 1000;
    o.Top = 600;
    f.w().elementMenu().open({ElementKind::Picture, ws.diagram.Nomer});
    f.w().menu(QStringLiteral("mnuOpt")).hide();
    return o;
}

} // namespace

class TestOrientation : public QObject {
    Q_OBJECT

private slots:
    // Sizes across the strip and row-group edges, and each way pixels are laid out.
    void transposeKeepsFormatAndPixels_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("rgb32 wide") << QImage::Format_RGB32 << QSize(130, 5);
        QTest::newRow("argb32 tall") << QImage::Format_ARGB32 << QSize(3, 70);
        QTest::newRow("indexed8") << QImage::Format_Indexed8 << QSize(67, 9);
        QTest::newRow("rgb888") << QImage::Format_RGB888 << QSize(65, 3);
        QTest::newRow("mono") << QImage::Format_Mono << QSize(67, 9);
    }

    void transposeKeepsFormatAndPixels() {
        QFETCH(QImage::Format, format);
        QFETCH(QSize, size);
        QImage noise(size, QImage::Format_ARGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                noise.setPixel(x, y, random.generate());
        const QImage source = noise.convertToFormat(format);

        QList<int> done;
        const QImage result = Orientation::transposed(source, [&](int columns, int total) {
            QCOMPARE(total, size.width());
            done.append(columns);
        });
        QCOMPARE(result.format(), format);
        QCOMPARE(result.size(), size.transposed());
        QCOMPARE(result.colorTable(), source.colorTable());
        for (int y = 0; y < result.height(); ++y)
            for (int x = 0; x < result.width(); ++x)
                QCOMPARE(result.pixel(x, y), source.pixel(y, x));
        QCOMPARE(Orientation::transposed(result), source);
        QVERIFY(!done.isEmpty() && done.last() == size.width());
        QVERIFY(std::is_sorted(done.begin(), done.end()));
    }

    void commandTwiceRestores_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QSize>("size");
        QTest::newRow("horizontal") << QStringLiteral("mnuHoriz") << QSize(40, 20);
        QTest::newRow("vertical") << QStringLiteral("mnuFlipVert") << QSize(40, 20);
        QTest::newRow("90 degrees") << QStringLiteral("mnuFlip90") << QSize(40, 20);
        QTest::newRow("90 degrees, 1 x 7") << QStringLiteral("mnuFlip90") << QSize(1, 7);
        QTest::newRow("90 degrees, 7 x 1") << QStringLiteral("mnuFlip90") << QSize(7, 1);
    }

    void commandTwiceRestores() {
        QFETCH(QString, command);
        QFETCH(QSize, size);
        const bool horizontal = command == QLatin1String("mnuHoriz");
        const bool turn = command == QLatin1String("mnuFlip90");
        MainWindowFixture f;
        Workspace& ws = f.ws();
        const QImage before = distinct(size);
        PictureObject& o = placeObject(f, before);
        QProgressBar& bar = *f.w().Progres;
        // Whether the commands were unlocked when the new picture went up; the bar's values
        // after its set-up's 0, -1 where the commands were unlocked or the bar hidden.
        QList<bool> unlockedWhenShown;
        QList<int> progress;
        QObject watcher; // stops watching before the lists go
        connect(&ws, &Workspace::elementsChanged, &watcher,
                [&] { unlockedWhenShown.append(unlocked(f.w())); });
        connect(&bar, &QProgressBar::valueChanged, &watcher, [&](int value) {
            if (value > 0)
                progress.append(!unlocked(f.w()) && bar.isVisible() ? value : -1);
        });

        f.w().action(command).trigger();
        const QSize after = turn ? size.transposed() : size;
        const QRectF box(1000, 600, after.width() * 15, after.height() * 15);
        QCOMPARE(CanvasGeometry::pictureRect(o), box);
        QCOMPARE(o.picture.size(), after);
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                QCOMPARE(o.picture.pixel(x, y), turn ? before.pixel(y, x)
                                                : horizontal
                                                    ? before.pixel(size.width() - 1 - x, y)
                                                    : before.pixel(x, size.height() - 1 - y));
        QCOMPARE(o.Tag, QStringLiteral("SKETCHPAD"));
        QCOMPARE(o.ToolTipText, QStringLiteral("Хъб"));
        QCOMPARE(ws.canvas.Ogr[1].rect, CanvasGeometry::outlineAround(box));
        QVERIFY(ws.diagram.Promqna);
        QCOMPARE(unlockedWhenShown, QList<bool>{horizontal});
        QCOMPARE(progress, turn ? QList<int>{size.width()} : QList<int>{});
        QVERIFY(unlocked(f.w()));
        QVERIFY(!bar.isVisible());
        QCOMPARE(ws.kartinki.find(QStringLiteral("HUB"))->picture, before);

        f.w().action(command).trigger();
        QCOMPARE(o.picture, before);
        QCOMPARE(CanvasGeometry::pictureRect(o), QRectF(QPointF(1000, 600), size * 15));
        QCOMPARE(o.Tag, QStringLiteral("SKETCHPAD"));
    }

    void onlyAUsedPictureObjectIsChanged_data() {
        QTest::addColumn<ElementRef>("element");
        QTest::newRow("slot 0") << ElementRef{ElementKind::Picture, 0};
        QTest::newRow("past the buffer") << ElementRef{ElementKind::Picture, 300};
        QTest::newRow("free slot") << ElementRef{ElementKind::Picture, 2};
        QTest::newRow("text field") << ElementRef{ElementKind::Text, 1};
    }

    void onlyAUsedPictureObjectIsChanged() {
        QFETCH(ElementRef, element);
        MainWindowFixture f;
        const QImage before = distinct({40, 20});
        const PictureObject& o = placeObject(f, before);
        setUp(f.ws()).store().textStatus[1] = ElementStore::Used;
        f.ws().diagram.contextElement = element;
        for (const char* command : {"mnuHoriz", "mnuFlipVert", "mnuFlip90"})
            f.w().action(QString::fromLatin1(command)).trigger();
        QCOMPARE(o.picture, before);
        QCOMPARE(o.Tag, QStringLiteral("HUB"));
        QVERIFY(!f.ws().diagram.Promqna);
    }
};

QTEST_MAIN(TestOrientation)
#include "tst_orientation.moc"
