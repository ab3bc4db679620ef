#include "common/Windows1251.h"
#include "common/WriteNotationWriter.h"
#include "library/CatalogueLoader.h"
#include "library/ChooserTable.h"
#include "library/ImageStore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

// A Kartinki folder inside a temporary folder, with a few small pictures.
struct TestCatalogue {
    QTemporaryDir root;
    QString folder;

    TestCatalogue() {
        QDir(root.path()).mkpath(QStringLiteral("Kartinki/sub"));
        folder = root.filePath(QStringLiteral("Kartinki"));
        picture(QStringLiteral("a.png"), Qt::red);
        picture(QStringLiteral("b.png"), Qt::green);
        picture(QStringLiteral("c.png"), Qt::blue);
        picture(QStringLiteral("картина.png"), Qt::cyan);
        picture(QStringLiteral("sub/d.png"), Qt::magenta);
        picture(QStringLiteral("sketch.png"), Qt::white, QSize(5, 5));
        picture(QStringLiteral("png.gif"), Qt::gray); // a PNG under another suffix
        picture(QStringLiteral("big.png"), Qt::black,
                QSize(CatalogueLoader::MaxPictureSide + 1, 1));
        file(QStringLiteral("junk.png"), QByteArray("\x89PNG not really a picture"));
        // One 1 x 1 frame on a screen one pixel wider than the library takes: Qt tells the
        // frame's size before decoding, but decodes the whole screen.
        file(QStringLiteral("screen.gif"),
             QByteArray("GIF89a\x01\x10\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                        ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                        35));
        // A real picture just outside the folder, which the catalogue must not reach.
        QImage outside(4, 4, QImage::Format_RGB32);
        outside.fill(Qt::yellow);
        outside.save(root.filePath(QStringLiteral("outside.png")));
    }

    QString path(const QString& name) const { return QDir(folder).filePath(name); }

    void picture(const QString& name, const QColor& colour, QSize size = QSize(8, 6)) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path(name), "PNG"));
    }

    void file(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // `text` is written in the catalogue's code page.
    void catalogue(const QString& text) const {
        file(CatalogueLoader::catalogueFileName(), ToWindows1251(text));
    }
    void count(const QByteArray& bytes) const {
        if (!bytes.isNull())
            file(CatalogueLoader::countFileName(), bytes);
    }
};

// A store as the workspace makes it: with the built-in drawing mark already in.
ImageStore WorkspaceStore() {
    ImageStore store;
    store.addSketchpadEntry();
    return store;
}

QString Records(int n) {
    QString text;
    for (int i = 1; i <= n; ++i)
        text += QStringLiteral("%1,\"K%1\",\"\",\"a.png\"\r\n").arg(i);
    return text;
}

} // namespace

class TestCatalogueLoader : public QObject {
    Q_OBJECT

private slots:
    void chooserTable();
    void chooserLookups_data();
    void chooserLookups();
    void storeInsert_data();
    void storeInsert();
    void shippedCatalogue();
    void records_data();
    void records();
    void duplicateKeepsFirst();
    void builtinSketchpadStays();
    void progress_data();
    void progress();
    void cyrillicSurvives();
    void largeCatalogue();
    void oversizedCatalogueIsNotRead();
    void faultReport_data();
    void faultReport();
    void placeholderPicture();
    void recordCap_data();
    void recordCap();
    void pictureDecodedOnce();
    void specialFiles_data();
    void specialFiles();
    void faultTextIsPrintable_data();
    void faultTextIsPrintable();
};

void TestCatalogueLoader::chooserTable() {
    const QList<ChooserTable::MainCategory>& table = ChooserTable::mainCategories();
    QCOMPARE(table.size(), 3);
    QCOMPARE(table[0].name, QStringLiteral("Компютърни мрежи"));
    QCOMPARE(table[1].name, QStringLiteral("Електроника и физика"));
    QCOMPARE(table[2].name, QStringLiteral("Друго"));
    QCOMPARE(table[0].categories.size(), 12);
    QCOMPARE(table[1].categories.size(), 11);
    QCOMPARE(table[2].categories.size(), 6);

    const QList<int> sizes{4, 6, 4, 6, 7, 9, 8, 4, 9, 8, 5,  16, 7, 7, 7,
                           4, 4, 4, 3, 6, 5, 2, 7, 9, 2, 10, 8,  9, 11};
    QList<int> actual;
    for (const ChooserTable::MainCategory& main : table) {
        for (const ChooserTable::Category& category : main.categories)
            actual.append(category.entries.size());
    }
    QCOMPARE(actual, sizes);

    const QStringList keys = ChooserTable::allKeys();
    QCOMPARE(keys.size(), 191);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), 191);
    QVERIFY(!keys.contains(ImageStore::sketchpadKey()));
    QCOMPARE(keys.first(), QStringLiteral("HUB"));
    QCOMPARE(keys.last(), QStringLiteral("RPS"));

    QVERIFY(ChooserTable::findCategory(QStringLiteral("Радио/Телевизия")));
    QCOMPARE(ChooserTable::findCategory(QStringLiteral("Компютри"))->entries.size(), 16);
    QVERIFY(!ChooserTable::findCategory(QStringLiteral("компютри")));
    QVERIFY(!ChooserTable::findMainCategory(QStringLiteral("Хъбове")));
}

void TestCatalogueLoader::chooserLookups_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::newRow("slash in the name") << QStringLiteral("Хъб / Hub") << QStringLiteral("HUB");
    QTest::newRow("slash in the key")
        << QStringLiteral("Суич Клас 4/5") << QStringLiteral("CLASS_4/5_SWITCH");
    QTest::newRow("name as written")
        << QStringLiteral("Storafe Router") << QStringLiteral("STORAGE_ROUTER");
    QTest::newRow("cyrillic p in NPN")
        << QStringLiteral("Транзистоп NPN") << QStringLiteral("TRNPN");
    QTest::newRow("corrected spelling is no name") << QStringLiteral("Storage Router") << QString();
    QTest::newRow("other case is no name") << QStringLiteral("хъб / hub") << QString();
    QTest::newRow("last entry") << QStringLiteral("RPS") << QStringLiteral("RPS");
}

void TestCatalogueLoader::chooserLookups() {
    QFETCH(QString, name);
    QFETCH(QString, key);
    QCOMPARE(ChooserTable::keyForDisplayName(name), key);
}

void TestCatalogueLoader::storeInsert_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("first") << 1 << QStringList{"N", "A", "B", "C"};
    QTest::newRow("middle") << 3 << QStringList{"A", "B", "N", "C"};
    QTest::newRow("one past the end") << 4 << QStringList{"A", "B", "C", "N"};
    QTest::newRow("zero") << 0 << QStringList{"A", "B", "C", "N"};
    QTest::newRow("negative") << -7 << QStringList{"A", "B", "C", "N"};
    QTest::newRow("far beyond") << 5 << QStringList{"A", "B", "C", "N"};
}

void TestCatalogueLoader::storeInsert() {
    QFETCH(int, position);
    QFETCH(QStringList, order);
    ImageStore store;
    for (const char* key : {"A", "B", "C"})
        QVERIFY(store.add(QString::fromLatin1(key), QImage(), QString()));
    QVERIFY(store.insert(position, QStringLiteral("N"), QImage(), QStringLiteral("new")));
    QCOMPARE(store.keys(), order);
    QCOMPARE(store.count(), 4);

    // A key already present keeps its first entry and its place.
    QVERIFY(!store.insert(1, QStringLiteral("N"), QImage(), QStringLiteral("again")));
    QCOMPARE(store.keys(), order);
    QCOMPARE(store.find(QStringLiteral("N"))->description, QStringLiteral("new"));

    QVERIFY(store.remove(QStringLiteral("N")));
    QVERIFY(!store.remove(QStringLiteral("N")));
    QCOMPARE(store.keys(), (QStringList{"A", "B", "C"}));
    QVERIFY(!store.find(QStringLiteral("N")));
}

void TestCatalogueLoader::shippedCatalogue() {
    ImageStore store = WorkspaceStore();
    CatalogueLoader loader(QStringLiteral(VX_PROGRAM_DIR "/Kartinki"), store);
    int lastValue = -1;
    int lastMaximum = -1;
    loader.progress = [&](int value, int maximum) {
        lastValue = value;
        lastMaximum = maximum;
    };
    loader.loadAll();
    QCOMPARE(loader.faults(), QStringList());
    QCOMPARE(store.count(), 192);
    QCOMPARE(lastValue, 192);
    QCOMPARE(lastMaximum, 192);

    // Table order, then the drawing mark; each description is the chooser's name.
    QStringList expected = ChooserTable::allKeys();
    expected.append(ImageStore::sketchpadKey());
    QCOMPARE(store.keys(), expected);
    for (const ChooserTable::MainCategory& main : ChooserTable::mainCategories()) {
        for (const ChooserTable::Category& category : main.categories) {
            for (const ChooserTable::Entry& entry : category.entries)
                QCOMPARE(store.find(entry.key)->description, entry.displayName);
        }
    }
    QCOMPARE(store.find(ImageStore::sketchpadKey())->description, QStringLiteral("Рисунка"));

    // Every picture is a picture of its own, all of one size.
    QSet<QByteArray> digests;
    for (const QString& key : store.keys()) {
        const QImage& picture = store.find(key)->picture;
        QVERIFY2(!picture.isNull(), qPrintable(key));
        QVERIFY2(picture.size() == QSize(64, 64), qPrintable(key));
        const QImage flat = picture.convertToFormat(QImage::Format_RGB32);
        digests.insert(QCryptographicHash::hash(
            QByteArrayView(flat.constBits(), flat.sizeInBytes()), QCryptographicHash::Sha1));
    }
    QCOMPARE(digests.size(), 192);
}

void TestCatalogueLoader::records_data() {
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("placeholders");
    QTest::addColumn<QStringList>("faults");

    const QString sketch = QStringLiteral("\"SKETCHPAD\",\"Рисунка\",\"sketch.png\"\r\n");
    QTest::newRow("clean") << QStringLiteral("1,\"A\",\"Ахат\",\"a.png\"\r\n"
                                             "2,\"B\",\"Бор\",\"картина.png\"\r\n"
                                             "3,\"D\",\"Дъб\",\"sub\\d.png\"\r\n4,") +
                                  sketch
                           << QByteArray("4\r\n") << QStringList{"A", "B", "D", "SKETCHPAD"}
                           << QStringList() << QStringList();
    QTest::newRow("positions") << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n"
                                                 "1,\"B\",\"\",\"b.png\"\r\n"
                                                 "2,\"C\",\"\",\"c.png\"\r\n"
                                                 "1,") +
                                      sketch + QStringLiteral("5,\"D\",\"\",\"a.png\"\r\n")
                               << QByteArray("5") << QStringList{"SKETCHPAD", "B", "C", "A", "D"}
                               << QStringList() << QStringList();
    QTest::newRow("content decides the format")
        << QStringLiteral("1,\"A\",\"\",\"png.gif\"\r\n2,") + sketch << QByteArray("2")
        << QStringList{"A", "SKETCHPAD"} << QStringList() << QStringList();
    QTest::newRow("missing picture")
        << QStringLiteral("1,\"A\",\"\",\"nothere.png\"\r\n2,") + sketch << QByteArray("2")
        << QStringList{"A", "SKETCHPAD"} << QStringList{"A"}
        << QStringList{QStringLiteral("Запис 1 (A): липсва картинката „nothere.png“.")};
    QTest::newRow("unreadable picture")
        << QStringLiteral("1,\"A\",\"\",\"junk.png\"\r\n2,") + sketch << QByteArray("2")
        << QStringList{"A", "SKETCHPAD"} << QStringList{"A"}
        << QStringList{
               QStringLiteral("Запис 1 (A): картинката „junk.png“ не може да бъде прочетена.")};
    QTest::newRow("oversized picture")
        << QStringLiteral("1,\"A\",\"\",\"big.png\"\r\n2,") + sketch << QByteArray("2")
        << QStringList{"A", "SKETCHPAD"} << QStringList{"A"}
        << QStringList{
               QStringLiteral("Запис 1 (A): картинката „big.png“ е по-голяма от 4096x4096 точки.")};
    QTest::newRow("picture larger than its header says")
        << QStringLiteral("1,\"A\",\"\",\"screen.gif\"\r\n2,") + sketch << QByteArray("2")
        << QStringList{"A", "SKETCHPAD"} << QStringList{"A"}
        << QStringList{QStringLiteral(
               "Запис 1 (A): картинката „screen.gif“ е по-голяма от 4096x4096 точки.")};
    QTest::newRow("picture outside the folder")
        << QStringLiteral("1,\"A\",\"\",\"../outside.png\"\r\n"
                          "2,\"B\",\"\",\"sub/../../outside.png\"\r\n"
                          "3,\"C\",\"\",\"/etc/hostname\"\r\n"
                          "4,\"E\",\"\",\"\"\r\n5,") +
               sketch
        << QByteArray("5") << QStringList{"A", "B", "C", "E", "SKETCHPAD"}
        << QStringList{"A", "B", "C", "E"}
        << QStringList{
               QStringLiteral("Запис 1 (A): неправилно име на картинка „../outside.png“."),
               QStringLiteral("Запис 2 (B): неправилно име на картинка „sub/../../outside.png“."),
               QStringLiteral("Запис 3 (C): неправилно име на картинка „/etc/hostname“."),
               QStringLiteral("Запис 4 (E): неправилно име на картинка „“.")};
    QTest::newRow("bad index") << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n"
                                                 "0,\"B\",\"\",\"b.png\"\r\n"
                                                 "x,\"C\",\"\",\"c.png\"\r\n"
                                                 "2.5,\"D\",\"\",\"a.png\"\r\n"
                                                 "7,\"E\",\"\",\"a.png\"\r\n"
                                                 ",\"F\",\"\",\"a.png\"\r\n"
                                                 "#TRUE#,\"G\",\"\",\"a.png\"\r\n"
                                                 "8,") +
                                      sketch
                               << QByteArray("8")
                               << QStringList{"A", "B", "C", "D", "E", "F", "G", "SKETCHPAD"}
                               << QStringList()
                               << QStringList{
                                      QStringLiteral("Запис 2 (B): неправилен индекс „0“; "
                                                     "картинката е добавена в края."),
                                      QStringLiteral("Запис 3 (C): неправилен индекс „x“; "
                                                     "картинката е добавена в края."),
                                      QStringLiteral("Запис 4 (D): неправилен индекс „2.5“; "
                                                     "картинката е добавена в края."),
                                      QStringLiteral("Запис 5 (E): неправилен индекс „7“; "
                                                     "картинката е добавена в края."),
                                      QStringLiteral("Запис 6 (F): неправилен индекс „“; "
                                                     "картинката е добавена в края."),
                                      QStringLiteral("Запис 7 (G): неправилен индекс „#TRUE#“; "
                                                     "картинката е добавена в края.")};
    QTest::newRow("truncated last record")
        << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n2,") + sketch +
               QStringLiteral("3,\"B\",\"Бор\"\r\n")
        << QByteArray("3") << QStringList{"A", "SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral("Запис 3 е непълен и е пропуснат.")};
    QTest::newRow("cut after a comma")
        << QStringLiteral("1,") + sketch + QStringLiteral("2,\"B\",") << QByteArray("2")
        << QStringList{"SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral("Запис 2 е непълен и е пропуснат.")};
    QTest::newRow("record without key")
        << QStringLiteral("1,\"  \",\"\",\"a.png\"\r\n1,") + sketch << QByteArray("2")
        << QStringList{"SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral("Запис 1 няма ключ и е пропуснат.")};
    QTest::newRow("no catalogue")
        << QString() << QByteArray("3") << QStringList{"SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral("Файлът kartinki.dat липсва или не може да бъде прочетен.")};
    QTest::newRow("empty catalogue")
        << QStringLiteral("\r\n") << QByteArray("0") << QStringList{"SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral(
               "В kartinki.dat няма запис SKETCHPAD; използва се вградената рисунка.")};
    QTest::newRow("no count file")
        << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n2,") + sketch << QByteArray()
        << QStringList{"A", "SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral("Файлът init.dat липсва или не може да бъде прочетен.")};
    QTest::newRow("count not a number")
        << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n2,") + sketch << QByteArray("\"две\"")
        << QStringList{"A", "SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral("Файлът init.dat не съдържа броя на картинките.")};
    QTest::newRow("count above the records is no fault")
        << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n2,") + sketch << QByteArray("3")
        << QStringList{"A", "SKETCHPAD"} << QStringList() << QStringList();
    QTest::newRow("count too small")
        << QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n2,") + sketch << QByteArray("1")
        << QStringList{"A", "SKETCHPAD"} << QStringList()
        << QStringList{QStringLiteral(
               "Файлът init.dat посочва 1 картинки, а в kartinki.dat има 2 записа.")};
}

void TestCatalogueLoader::records() {
    QFETCH(QString, catalogue);
    QFETCH(QByteArray, count);
    QFETCH(QStringList, order);
    QFETCH(QStringList, placeholders);
    QFETCH(QStringList, faults);

    TestCatalogue dir;
    if (!catalogue.isNull())
        dir.catalogue(catalogue);
    dir.count(count);
    ImageStore store = WorkspaceStore();
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();

    QCOMPARE(loader.faults(), faults);
    QCOMPARE(store.keys(), order);
    for (const QString& key : order) {
        const QImage& picture = store.find(key)->picture;
        // One shared picture stands in for every missing one.
        if (placeholders.contains(key))
            QCOMPARE(picture.cacheKey(), ImageStore::placeholder().cacheKey());
        else
            QVERIFY2(picture != ImageStore::placeholder(), qPrintable(key));
        QVERIFY(!picture.isNull());
    }
}

void TestCatalogueLoader::duplicateKeepsFirst() {
    TestCatalogue dir;
    dir.catalogue(QStringLiteral("1,\"A\",\"първи\",\"a.png\"\r\n"
                                 "2,\"SKETCHPAD\",\"Рисунка\",\"sketch.png\"\r\n"
                                 "1,\"A\",\"втори\",\"b.png\"\r\n"
                                 "3,\"SKETCHPAD\",\"друга\",\"c.png\"\r\n"));
    dir.count("4");
    ImageStore store = WorkspaceStore();
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    QCOMPARE(store.keys(), (QStringList{"A", "SKETCHPAD"}));
    QCOMPARE(store.find(QStringLiteral("A"))->description, QStringLiteral("първи"));
    QCOMPARE(store.find(QStringLiteral("A"))->picture.pixelColor(0, 0), QColor(Qt::red));
    // The catalogue's own mark replaced the built-in one; a second one is a repeat.
    QCOMPARE(store.find(QStringLiteral("SKETCHPAD"))->picture.size(), QSize(5, 5));
    QCOMPARE(
        loader.faults(),
        (QStringList{
            QStringLiteral("Запис 3 (A): ключът се повтаря; запазен е първият запис."),
            QStringLiteral("Запис 4 (SKETCHPAD): ключът се повтаря; запазен е първият запис.")}));
}

void TestCatalogueLoader::builtinSketchpadStays() {
    TestCatalogue dir;
    dir.catalogue(QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n"));
    dir.count("1");
    ImageStore store = WorkspaceStore();
    const QImage builtIn = store.find(ImageStore::sketchpadKey())->picture;
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    QCOMPARE(store.keys(), (QStringList{"A", "SKETCHPAD"}));
    QCOMPARE(store.find(ImageStore::sketchpadKey())->picture, builtIn);
    QCOMPARE(loader.faults().size(), 1);

    // A store that starts empty still ends with the mark.
    ImageStore empty;
    CatalogueLoader second(dir.folder, empty);
    second.loadAll();
    QCOMPARE(empty.keys(), (QStringList{"A", "SKETCHPAD"}));
}

void TestCatalogueLoader::progress_data() {
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("initialMaximum");
    QTest::newRow("count matches") << QByteArray("6") << 6 << 6;
    QTest::newRow("count too small") << QByteArray("2") << 6 << 2;
    QTest::newRow("count zero") << QByteArray("0") << 6 << 1;
    QTest::newRow("count too large") << QByteArray("9") << 6 << 6;
    QTest::newRow("huge count") << QByteArray("99999999999999999999") << 6 << 6;
    QTest::newRow("exponent beyond int") << QByteArray("1E300") << 6 << 6;
    QTest::newRow("negative count") << QByteArray("-4") << 6 << 6;
    QTest::newRow("fractional count") << QByteArray("4.5") << 6 << 6;
    QTest::newRow("no count file") << QByteArray() << 6 << 6;
    QTest::newRow("empty catalogue") << QByteArray("3") << 0 << 1;
}

void TestCatalogueLoader::progress() {
    QFETCH(QByteArray, count);
    QFETCH(int, records);
    QFETCH(int, initialMaximum);

    TestCatalogue dir;
    dir.catalogue(Records(records));
    dir.count(count);
    ImageStore store;
    CatalogueLoader loader(dir.folder, store);
    QList<QPair<int, int>> seen;
    loader.progress = [&](int value, int maximum) { seen.append({value, maximum}); };

    // Record by record: each step adds one picture and reports once.
    int steps = 0;
    while (loader.loadNext()) {
        ++steps;
        QCOMPARE(store.count(), steps);
        QCOMPARE(seen.size(), steps + 1);
    }
    QCOMPARE(steps, records);
    QVERIFY(loader.finished());
    const QStringList faults = loader.faults();
    QVERIFY(!loader.loadNext());
    QCOMPARE(loader.faults(), faults);

    QCOMPARE(seen.first(), qMakePair(0, initialMaximum));
    for (int i = 1; i < seen.size(); ++i) {
        QCOMPARE(seen[i].first, i);
        QVERIFY2(seen[i].first <= seen[i].second, "the bar overflows");
        QVERIFY2(seen[i].second >= seen[i - 1].second, "the maximum shrinks");
    }
    const int finalMaximum = qMax(records, 1);
    QCOMPARE(seen.last().second, finalMaximum);
    QCOMPARE(loader.maximum(), finalMaximum);
    QCOMPARE(loader.value(), records);
    // With a true count the bar fills exactly at the last record, not before.
    if (initialMaximum == records && records > 0) {
        for (int i = 1; i < records; ++i)
            QVERIFY(seen[i].first < seen[i].second);
        QCOMPARE(seen.last(), qMakePair(records, records));
    }
}

void TestCatalogueLoader::cyrillicSurvives() {
    TestCatalogue dir;
    WriteNotationWriter writer;
    writer.writeInteger(1);
    writer.writeString(QStringLiteral("ЩЪРКЕЛ"));
    writer.writeString(QStringLiteral("Щъркел ёЁ № „цитат“"));
    writer.writeString(QStringLiteral("картина.png"));
    writer.endRecord();
    const QByteArray bytes = writer.bytes();
    QVERIFY(bytes.contains("\xD9\xDA\xD0")); // ЩЪР in the code page, not UTF-8
    dir.file(CatalogueLoader::catalogueFileName(), bytes);
    dir.count("1");

    ImageStore store;
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    const ImageStore::Entry* entry = store.find(QStringLiteral("ЩЪРКЕЛ"));
    QVERIFY(entry);
    QCOMPARE(entry->description, QStringLiteral("Щъркел ёЁ № „цитат“"));
    QCOMPARE(entry->picture.pixelColor(0, 0), QColor(Qt::cyan));
}

void TestCatalogueLoader::largeCatalogue() {
    TestCatalogue dir;
    const QString longText(1500 * 1000, QChar(0x0416)); // Ж, one byte each in the file
    QString text;
    for (int i = 1; i <= 3; ++i)
        text += QStringLiteral("%1,\"L%1\",\"%2\",\"a.png\"\r\n").arg(i).arg(longText);
    dir.catalogue(text + QStringLiteral("4,\"SKETCHPAD\",\"Рисунка\",\"sketch.png\"\r\n"));
    dir.count("4");
    QVERIFY(QFileInfo(dir.path(CatalogueLoader::catalogueFileName())).size() > 4'000'000);

    ImageStore store = WorkspaceStore();
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    QCOMPARE(loader.faults(), QStringList());
    QCOMPARE(store.count(), 4);
    QCOMPARE(store.find(QStringLiteral("L3"))->description, longText);
}

void TestCatalogueLoader::oversizedCatalogueIsNotRead() {
    TestCatalogue dir;
    QFile file(dir.path(CatalogueLoader::catalogueFileName()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(CatalogueLoader::MaxCatalogueBytes + 1)); // sparse, costs nothing
    file.close();
    dir.count("2147483647");

    ImageStore store = WorkspaceStore();
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    QCOMPARE(store.keys(), QStringList{ImageStore::sketchpadKey()});
    QCOMPARE(loader.maximum(), 1);
    QCOMPARE(loader.faults(),
             QStringList{QStringLiteral("Файлът kartinki.dat е прекалено голям и не е прочетен.")});
}

void TestCatalogueLoader::faultReport_data() {
    QTest::addColumn<int>("faults");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("tail");
    QTest::newRow("one") << 1 << 1 << QStringLiteral("ред 1");
    QTest::newRow("exactly the cap") << 15 << 15 << QStringLiteral("ред 15");
    QTest::newRow("one over") << 16 << 15 << QStringLiteral("... и още 1");
    QTest::newRow("many") << 400 << 15 << QStringLiteral("... и още 385");
}

void TestCatalogueLoader::faultReport() {
    QFETCH(int, faults);
    QFETCH(int, listed);
    QFETCH(QString, tail);
    QStringList lines;
    for (int i = 1; i <= faults; ++i)
        lines << QStringLiteral("ред %1").arg(i);
    const QStringList report = CatalogueLoader::faultReport(lines).split(QLatin1Char('\n'));
    QCOMPARE(report.first(), QStringLiteral("Библиотеката с картинки е заредена с грешки:"));
    QCOMPARE(report.mid(1, listed), lines.mid(0, listed));
    QCOMPARE(report.last(), tail);
    QCOMPARE(report.size(), 1 + listed + (faults > listed ? 1 : 0));
}

void TestCatalogueLoader::placeholderPicture() {
    const QImage picture = ImageStore::placeholder();
    QCOMPARE(picture.size(), QSize(64, 48));
    QCOMPARE(picture.cacheKey(), ImageStore::placeholder().cacheKey());
    QCOMPARE(picture.pixelColor(0, 0), QColor(0x70, 0x70, 0x70));
    QCOMPARE(picture.pixelColor(3, 40), QColor(0xD8, 0xD8, 0xD8));
    QCOMPARE(picture.pixelColor(32, 24), QColor(0xD0, 0x10, 0x10));
    QCOMPARE(picture.pixelColor(32, 40), QColor(0xD8, 0xD8, 0xD8)); // no text strip
}

void TestCatalogueLoader::recordCap_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("cut");
    QTest::newRow("exactly the cap") << CatalogueLoader::MaxRecords << false;
    QTest::newRow("one past the cap") << CatalogueLoader::MaxRecords + 1 << true;
}

void TestCatalogueLoader::recordCap() {
    // Each record a new key without its picture: once a picture of its own for each.
    QFETCH(int, records);
    QFETCH(bool, cut);
    TestCatalogue dir;
    dir.catalogue(Records(records).replace(QStringLiteral("a.png"), QStringLiteral("none.png")) +
                  QStringLiteral("\r\n\r\n"));
    dir.count(QByteArray::number(records));
    ImageStore store;
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();

    const int loaded = CatalogueLoader::MaxRecords;
    QCOMPARE(store.count(), loaded + 1); // and the drawing mark
    QCOMPARE(loader.maximum(), loaded);
    QCOMPARE(loader.value(), loaded);
    const qint64 shared = ImageStore::placeholder().cacheKey();
    QCOMPARE(store.find(QStringLiteral("K1"))->picture.cacheKey(), shared);
    QCOMPARE(store.find(QStringLiteral("K%1").arg(loaded))->picture.cacheKey(), shared);
    QCOMPARE(loader.faults().size(), loaded + (cut ? 2 : 1));
    if (cut)
        QCOMPARE(loader.faults().at(loaded),
                 QStringLiteral("Файлът kartinki.dat има повече от 4096 записа; прочетени са "
                                "само първите 4096."));
}

void TestCatalogueLoader::pictureDecodedOnce() {
    TestCatalogue dir;
    QVERIFY(QFile::link(dir.path(QStringLiteral("a.png")), dir.path(QStringLiteral("link.png"))));
    dir.catalogue(QStringLiteral("1,\"A\",\"\",\"a.png\"\r\n"
                                 "2,\"B\",\"\",\"sub/../a.png\"\r\n"
                                 "3,\"C\",\"\",\"link.png\"\r\n"
                                 "4,\"D\",\"\",\"b.png\"\r\n"));
    ImageStore store;
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    const qint64 a = store.find(QStringLiteral("A"))->picture.cacheKey();
    QCOMPARE(store.find(QStringLiteral("B"))->picture.cacheKey(), a);
    QCOMPARE(store.find(QStringLiteral("C"))->picture.cacheKey(), a);
    QVERIFY(store.find(QStringLiteral("D"))->picture.cacheKey() != a);
    QCOMPARE(store.find(QStringLiteral("C"))->picture.pixelColor(0, 0), QColor(Qt::red));
}

void TestCatalogueLoader::specialFiles_data() {
    // `name` in the Kartinki folder becomes `kind`; record A names it when it is a picture.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("faults");
    const QString noCount = QStringLiteral("Файлът init.dat липсва или не може да бъде прочетен.");
    const QString noCatalogue =
        QStringLiteral("Файлът kartinki.dat липсва или не може да бъде прочетен.");
    const QString noSketchpad =
        QStringLiteral("В kartinki.dat няма запис SKETCHPAD; използва се вградената рисунка.");
    QTest::newRow("init.dat a fifo") << "init.dat"
                                     << "fifo" << QStringList{noCount, noSketchpad};
    QTest::newRow("kartinki.dat a fifo") << "kartinki.dat"
                                         << "fifo" << QStringList{noCatalogue};
    QTest::newRow("kartinki.dat linked to /dev/zero") << "kartinki.dat"
                                                      << "zero" << QStringList{noCatalogue};
    QTest::newRow("picture linked out of the folder")
        << "x.png"
        << "../outside.png"
        << QStringList{QStringLiteral("Запис 1 (A): неправилно име на картинка „x.png“."),
                       noSketchpad};
    QTest::newRow("picture linked inside the folder") << "x.png"
                                                      << "sub/d.png" << QStringList{noSketchpad};
    QTest::newRow("picture file too large")
        << "x.png"
        << "large"
        << QStringList{
               QStringLiteral("Запис 1 (A): файлът „x.png“ е прекалено голям и не е прочетен."),
               noSketchpad};
}

void TestCatalogueLoader::specialFiles() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QStringList, faults);
    TestCatalogue dir;
    dir.count("1");
    const QString picture = name.endsWith(QLatin1String(".png")) ? name : QStringLiteral("a.png");
    dir.catalogue(QStringLiteral("1,\"A\",\"\",\"%1\"\r\n").arg(picture));
    const QString path = dir.path(name);
    QFile::remove(path);
    if (kind == QLatin1String("fifo")) {
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            QSKIP("No FIFOs here");
    } else if (kind == QLatin1String("zero")) {
        if (!QFileInfo::exists(QStringLiteral("/dev/zero")) ||
            !QFile::link(QStringLiteral("/dev/zero"), path))
            QSKIP("No /dev/zero here");
    } else if (kind == QLatin1String("large")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(CatalogueLoader::MaxPictureBytes + 1)); // sparse
    } else {
        QVERIFY(QFile::link(dir.path(kind), path));
    }

    ImageStore store;
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll(); // and does not block
    QCOMPARE(loader.faults(), faults);
}

void TestCatalogueLoader::faultTextIsPrintable_data() {
    // What a damaged catalogue puts into the message is shown as printable text, cut short.
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("fault");
    const QByteArray forty(40, 'k');
    QTest::newRow("control characters in the key")
        << QByteArray("1,\"A\x01\x7F\tB\",\"\",\"none.png\"")
        << QStringLiteral("Запис 1 (A???B): липсва картинката „none.png“.");
    QTest::newRow("unassigned byte and soft hyphen")
        << QByteArray("1,\"\x98\xAD\xC0\",\"\",\"none.png\"")
        << QStringLiteral("Запис 1 (??А): липсва картинката „none.png“.");
    QTest::newRow("forty characters")
        << "1,\"" + forty + "\",\"\",\"none.png\""
        << QStringLiteral("Запис 1 (%1): липсва картинката „none.png“.")
               .arg(QString::fromLatin1(forty));
    QTest::newRow("longer key is cut")
        << "1,\"" + forty + "XYZ\",\"\",\"none.png\""
        << QStringLiteral("Запис 1 (%1…): липсва картинката „none.png“.")
               .arg(QString::fromLatin1(forty));
    QTest::newRow("file name") << "1,\"A\",\"\",\"\x02" + forty + ".png\""
                               << QStringLiteral("Запис 1 (A): липсва картинката „?%1…“.")
                                      .arg(QString::fromLatin1(forty.left(39)));
    QTest::newRow("index") << QByteArray("\x1B[2J") + '\0' + ",\"A\",\"\",\"a.png\""
                           << QStringLiteral("Запис 1 (A): неправилен индекс „?[2J?“; картинката "
                                             "е добавена в края.");
}

void TestCatalogueLoader::faultTextIsPrintable() {
    QFETCH(QByteArray, record);
    QFETCH(QString, fault);
    TestCatalogue dir;
    dir.file(CatalogueLoader::catalogueFileName(),
             record + "\r\n2,\"SKETCHPAD\",\"\",\"sketch.png\"\r\n");
    dir.count("2");
    ImageStore store;
    CatalogueLoader loader(dir.folder, store);
    loader.loadAll();
    QCOMPARE(loader.faults(), QStringList{fault});
}

QTEST_MAIN(TestCatalogueLoader)
#include "tst_catalogue.moc"
