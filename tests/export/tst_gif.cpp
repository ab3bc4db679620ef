#include "export/GIF.h"

#include "common/FileAccess.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <gif_lib.h>
#include <sys/resource.h>

namespace {

// What giflib makes of a file: size, palette, indices and the transparent index (-1: none).
struct Decoded {
    int width = 0, height = 0, transparent = -1;
    QVector<QRgb> palette;
    QByteArray indices;
};

Decoded decode(const QByteArray& gif) {
    struct Reader {
        const QByteArray& bytes;
        int pos = 0;
    } reader{gif};
    const auto read = [](GifFileType* f, GifByteType* buf, int n) {
        auto* r = static_cast<Reader*>(f->UserData);
        n = std::min(n, int(r->bytes.size()) - r->pos);
        memcpy(buf, r->bytes.constData() + r->pos, n);
        r->pos += n;
        return n;
    };
    int error = 0;
    GifFileType* f = DGifOpen(&reader, read, &error);
    Decoded d;
    if (!f || DGifSlurp(f) != GIF_OK || f->ImageCount != 1 || !f->SColorMap) {
        qWarning("giflib: %s", GifErrorString(f ? f->Error : error));
        DGifCloseFile(f, &error);
        return d;
    }
    d.width = f->SWidth;
    d.height = f->SHeight;
    for (int i = 0; i < f->SColorMap->ColorCount; ++i) {
        const GifColorType c = f->SColorMap->Colors[i];
        d.palette.append(qRgb(c.Red, c.Green, c.Blue));
    }
    d.indices =
        QByteArray(reinterpret_cast<const char*>(f->SavedImages[0].RasterBits), d.width * d.height);
    GraphicsControlBlock gcb;
    if (DGifSavedExtensionToGCB(f, 0, &gcb) == GIF_OK)
        d.transparent = gcb.TransparentColor;
    DGifCloseFile(f, &error);
    return d;
}

// Index x,y of an 8-bit picture with a palette of distinct colours.
QImage indexed(int width, int height, const std::function<int(int, int)>& index) {
    QImage pic(width, height, QImage::Format_Indexed8);
    QVector<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, 255 - i, i * 7 % 256));
    pic.setColorTable(table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pic.scanLine(y)[x] = uchar(index(x, y));
    return pic;
}

QImage noise(int width, int height, QImage::Format format = QImage::Format_RGB32) {
    QImage pic(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pic.setPixel(x, y, random.generate() | 0xFF000000);
    return pic.convertToFormat(format);
}

QByteArray indicesOf(const QImage& pic) {
    QByteArray all;
    for (int y = 0; y < pic.height(); ++y)
        all.append(reinterpret_cast<const char*>(pic.constScanLine(y)), pic.width());
    return all;
}

// The lengths of the image data sub-blocks and their bytes; checks the two closing bytes.
QVector<int> subBlocks(const QByteArray& gif, QByteArray* data = nullptr) {
    int pos = 13 + 768 + (gif.startsWith("GIF89a") ? 8 : 0) + 10 + 1;
    QVector<int> lengths;
    while (pos < gif.size() && gif[pos] != 0) {
        const int n = uchar(gif[pos]);
        lengths.append(n);
        if (data)
            data->append(gif.mid(pos + 1, n));
        pos += n + 1;
    }
    if (gif.mid(pos) != QByteArray("\x00\x3B", 2))
        return {};
    return lengths;
}

// The 9-bit codes of the image data, least significant bit first, up to the end code.
QVector<int> codes(const QByteArray& gif) {
    QByteArray data;
    subBlocks(gif, &data);
    QVector<int> result;
    for (qsizetype bit = 0; bit + 9 <= data.size() * 8 && result.value(result.size() - 1) != 257;
         bit += 9) {
        int code = 0;
        for (int b = 0; b < 9; ++b)
            code |= (uchar(data[(bit + b) / 8]) >> ((bit + b) % 8) & 1) << b;
        result.append(code);
    }
    return result;
}

// The codes of an 8-bit picture as the coder is described: string keys of three digits per
// pixel, the row-start quirk and all.
QVector<int> described(const QImage& pic) {
    QVector<int> out;
    for (int y = 0; y < pic.height(); ++y) {
        const uchar* row = pic.constScanLine(y);
        QHash<QByteArray, int> dictionary;
        out.append(256);
        QByteArray pendingKey;
        int pendingCode = row[0];
        for (int x = 1; x < pic.width(); ++x) {
            const QByteArray key = QByteArray::number(row[x]).rightJustified(3, '0');
            const QByteArray candidate = pendingKey + key;
            if (dictionary.contains(candidate)) {
                pendingCode = dictionary[candidate];
                pendingKey = candidate;
                continue;
            }
            out.append(pendingCode);
            if (dictionary.size() == 253) {
                out.append(256);
                dictionary.clear();
            } else {
                dictionary.insert(candidate, 258 + int(dictionary.size()));
            }
            pendingKey = key;
            pendingCode = row[x];
        }
        out.append(pendingCode);
    }
    out.append(257);
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

} // namespace

class TestGif : public QObject {
    Q_OBJECT

private slots:
    void indexedPictures_data();
    void indexedPictures();
    void cube_data();
    void cube();
    void header_data();
    void header();
    void files_data();
    void files();
    void progress_data();
    void progress();
};

void TestGif::indexedPictures_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QVector<int>>("expectedCodes"); // empty: as described()
    const auto one = [](int, int) { return 5; };
    QTest::newRow("1 pixel wide") << indexed(1, 3, [](int, int y) { return y; })
                                  << QVector<int>{256, 0, 256, 1, 256, 2, 257};
    QTest::newRow("one colour, 2") << indexed(2, 1, one) << QVector<int>{256, 5, 5, 257};
    // 2 x 226 + 1 codes of 9 bits: 510 bytes, two full sub-blocks and no empty one.
    QTest::newRow("1 x 226") << indexed(1, 226, one) << QVector<int>();
    QTest::newRow("one colour, 2 rows of 11")
        << indexed(11, 2, one)
        << QVector<int>{256, 5, 5, 259, 260, 261, 256, 5, 5, 259, 260, 261, 257};
    // Every pair new: the 254th miss of a row writes its code and then a clear code.
    QVector<int> varied{256};
    for (int x = 0; x < 600; ++x) {
        if (x == 254 || x == 508)
            varied.append(256);
        varied.append(x % 256);
    }
    varied.append(257);
    QTest::newRow("600 varied") << indexed(600, 1, [](int x, int) { return x % 256; }) << varied;
    QTest::newRow("short palette, 32767 wide") << [] {
        QRandomGenerator random(3);
        QImage pic = indexed(32767, 2, [&](int, int) { return random.bounded(256); });
        pic.setColorTable(pic.colorTable().mid(0, 3));
        return pic;
    }() << QVector<int>();
    QTest::newRow("grey") << noise(300, 20, QImage::Format_Grayscale8) << QVector<int>();
    // Runs of one index take a path of their own in the coder; here they fill the dictionary.
    QTest::newRow("one colour, 32767 wide") << indexed(32767, 1, one) << QVector<int>();
    QRandomGenerator random(9);
    int left = 0, colour = 0;
    QTest::newRow("short and long runs of three colours") << indexed(4000, 6, [&](int, int) {
        if (left-- == 0) {
            left = random.bounded(2) ? random.bounded(3) : random.bounded(60);
            colour = random.bounded(3);
        }
        return colour;
    }) << QVector<int>();
}

void TestGif::indexedPictures() {
    QFETCH(QImage, picture);
    QFETCH(QVector<int>, expectedCodes);
    const QByteArray gif = GIF::encode(picture, false, 0);
    QCOMPARE(codes(gif), expectedCodes.isEmpty() ? described(picture) : expectedCodes);
    const QVector<int> blocks = subBlocks(gif);
    QVERIFY(!blocks.isEmpty() && blocks.last() >= 1);
    QCOMPARE(blocks.count(255) + (blocks.last() < 255), blocks.size()); // 255 but the last
    const Decoded d = decode(gif);
    QCOMPARE(d.width, picture.width());
    QCOMPARE(d.height, picture.height());
    QVERIFY(d.indices == indicesOf(picture));
    for (int i = 0; i < 256; ++i) {
        const QRgb expected = picture.format() == QImage::Format_Grayscale8 ? qRgb(i, i, i)
                              : i < picture.colorCount() ? picture.color(i) | 0xFF000000
                                                         : qRgb(0, 0, 0);
        QCOMPARE(d.palette[i], expected);
    }
}

void TestGif::cube_data() {
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("index");
    QTest::newRow("black") << QImage::Format_RGB32 << QColor(0, 0, 0) << 0;
    QTest::newRow("red is the low digit") << QImage::Format_RGB32 << QColor(255, 0, 0) << 4;
    QTest::newRow("blue is the high digit") << QImage::Format_RGB888 << QColor(0, 0, 255) << 100;
    QTest::newRow("halfway ties go darker")
        << QImage::Format_RGB32 << QColor(32, 96, 160) << 0 + 5 * 1 + 25 * 2;
    QTest::newRow("just past halfway")
        << QImage::Format_RGB888 << QColor(33, 97, 161) << 1 + 5 * 2 + 25 * 3;
    QTest::newRow("near 255") << QImage::Format_RGB32 << QColor(224, 223, 255) << 4 + 15 + 100;
    QTest::newRow("alpha dropped") << QImage::Format_ARGB32 << QColor(255, 255, 255, 10) << 124;
    QTest::newRow("premultiplied, opaque")
        << QImage::Format_ARGB32_Premultiplied << QColor(128, 64, 192) << 2 + 5 + 75;
}

void TestGif::cube() {
    QFETCH(QImage::Format, format);
    QFETCH(QColor, colour);
    QFETCH(int, index);
    QImage pic = noise(40, 12, format);
    pic.setPixelColor(3, 4, colour);
    const Decoded d = decode(GIF::encode(pic, false, 0));
    QCOMPARE(int(uchar(d.indices[4 * 40 + 3])), index);
    for (const char i : d.indices)
        QVERIFY(uchar(i) < 125);
    const int levels[5] = {0, 64, 128, 192, 255};
    for (int i = 0; i < 256; ++i)
        QCOMPARE(d.palette[i],
                 i < 125 ? qRgb(levels[i % 5], levels[i / 5 % 5], levels[i / 25]) : qRgb(0, 0, 0));
}

void TestGif::header_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("useTrans");
    QTest::addColumn<int>("transColor");
    QTest::addColumn<int>("transparent"); // -1: no graphic control extension
    const QImage cube = noise(3, 2);
    QTest::newRow("program's export") << cube << false << 0x0000FF << -1;
    QTest::newRow("cube blue") << cube << true << 0xFF0000 << 100;
    QTest::newRow("absent") << cube << true << 0x123456 << 0;
    QTest::newRow("system colour") << cube << true << int(0x80000005) << 0;
    QImage twice = indexed(3, 2, [](int x, int) { return x; });
    twice.setColorTable({qRgb(1, 2, 3), qRgb(9, 8, 7), qRgb(9, 8, 7)});
    QTest::newRow("first of two") << twice << true << 0x070809 << 1;
    QTest::newRow("black of the rest") << twice << true << 0 << 3;
}

void TestGif::header() {
    QFETCH(QImage, picture);
    QFETCH(bool, useTrans);
    QFETCH(int, transColor);
    QFETCH(int, transparent);
    const QByteArray gif = GIF::encode(picture, useTrans, transColor);
    QCOMPARE(gif.left(13), QByteArray(useTrans ? "GIF89a" : "GIF87a") +
                               QByteArray("\x03\x00\x02\x00\xF7\x00\x00", 7));
    QByteArray rest("\x2C\x00\x00\x00\x00\x03\x00\x02\x00\x07\x08", 11);
    if (useTrans)
        rest.prepend(QByteArray("\x21\xF9\x04\x09\x00\x00", 6) + char(transparent) + '\0');
    QCOMPARE(gif.mid(13 + 768, rest.size()), rest);
    QCOMPARE(decode(gif).transparent, transparent);
}

void TestGif::files_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("target");     // old.gif holds "old" beforehand
    QTest::addColumn<bool>("fileSizeLimit"); // a full disk; holds for root as well
    QTest::addColumn<bool>("readOnly");      // old.gif may not be written by this user
    QTest::addColumn<QString>("says");       // the end of lastError()
    const QImage big = noise(300, 200);
    QTest::newRow("replaced, not appended") << big << "old.gif" << false << false << "";
    QTest::newRow("new, Cyrillic name") << big << "диаграма.gif" << false << false << "";
    QTest::newRow("null") << QImage() << "old.gif" << false << false
                          << "Няма картина за запис в GIF файл.";
    QTest::newRow("too wide") << QImage(32768, 1, QImage::Format_RGB32) << "old.gif" << false
                              << false << "на страна).";
    QTest::newRow("too tall") << QImage(1, 32768, QImage::Format_Indexed8) << "old.gif" << false
                              << false << "на страна).";
    QTest::newRow("missing folder") << big << "missing/new.gif" << false << false
                                    << "„new.gif“ не може да бъде записан: папката липсва или в "
                                       "нея не може да се пише.";
    QTest::newRow("write fails") << big << "old.gif" << true << false
                                 << "„old.gif“ не може да бъде записан: записът прекъсна (няма "
                                    "ли място на диска?).";
    QTest::newRow("read-only") << big << "old.gif" << false << true
                               << "„old.gif“ не може да бъде записан: файлът е само за четене.";
}

void TestGif::files() {
    QFETCH(QImage, picture);
    QFETCH(QString, target);
    QFETCH(bool, fileSizeLimit);
    QFETCH(bool, readOnly);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QFile old(dir.filePath(QStringLiteral("old.gif")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const QString path = dir.filePath(target);
    const QByteArray before = fileBytes(path);
    const FileAccess::Override access([&](const QString&, FileAccess::Access a) {
        return readOnly && a == FileAccess::Access::Write ? std::optional<bool>(false)
                                                          : std::nullopt;
    });
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    if (fileSizeLimit) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    GIF gif;
    const bool result = gif.SaveGIF(picture, path, false, 0);
    setrlimit(RLIMIT_FSIZE, &saved);
    const bool written = says.isEmpty();
    QCOMPARE(result, written);
    QVERIFY2(written || gif.lastError().endsWith(says), qPrintable(gif.lastError()));
    QCOMPARE(gif.lastError().isEmpty(), written);
    QCOMPARE(fileBytes(path), written ? GIF::encode(picture, false, 0) : before);
    if (!GIF::refusal(picture).isEmpty())
        QVERIFY(GIF::encode(picture, false, 0).isEmpty());
}

void TestGif::progress_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<QVector<int>>("percents");
    QTest::newRow("under ten rows") << 9 << QVector<int>();
    QTest::newRow("ten rows") << 10 << QVector<int>{100};
    QTest::newRow("last rows unreported") << 35 << QVector<int>{29, 57, 86};
    QTest::newRow("halves to even") << 80 << QVector<int>{12, 25, 38, 50, 62, 75, 88, 100};
}

void TestGif::progress() {
    QFETCH(int, height);
    QFETCH(QVector<int>, percents);
    QTemporaryDir dir;
    const QString inner = dir.filePath(QStringLiteral("inner.gif"));
    // The encoder never runs the event loop: a queued call waits until the caller's.
    bool delivered = false;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { delivered = true; }, Qt::QueuedConnection);
    GIF gif;
    QVector<int> seen;
    QVector<bool> deliveredAt;
    gif.Progress = [&](int16_t p) {
        seen.append(p);
        deliveredAt.append(delivered);
        // The object is busy: a nested call writes nothing.
        QVERIFY(!gif.SaveGIF(noise(2, 2), inner, false, 0));
    };
    const QImage picture = noise(7, height);
    QVERIFY(gif.SaveGIF(picture, dir.filePath(QStringLiteral("p.gif")), false, 0));
    QCOMPARE(seen, percents);
    QVERIFY(!QFile::exists(inner));
    QVERIFY(gif.lastError().isEmpty());
    QCOMPARE(fileBytes(dir.filePath(QStringLiteral("p.gif"))), GIF::encode(picture, false, 0));
    QVector<int> direct;
    GIF::encode(picture, false, 0, [&](int16_t p) { direct.append(p); });
    QCOMPARE(direct, percents);
    QCOMPARE(deliveredAt, QVector<bool>(seen.size(), false));
    QVERIFY(!delivered);
    QCoreApplication::processEvents();
    QVERIFY(delivered);
}

QTEST_GUILESS_MAIN(TestGif)
#include "tst_gif.moc"
