#include "common/CappedImageReader.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>

namespace {

QByteArray Png(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestCappedImage : public QObject {
    Q_OBJECT

private slots:
    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QSize>("size"); // of the picture, or the size refused
        using Outcome = CappedImage::Outcome;
        QTest::newRow("at the cap") << Png(QSize(8, 8)) << int(Outcome::Decoded) << QSize(8, 8);
        QTest::newRow("too wide") << Png(QSize(9, 1)) << int(Outcome::TooLarge) << QSize(9, 1);
        QTest::newRow("too tall") << Png(QSize(1, 9)) << int(Outcome::TooLarge) << QSize(1, 9);
        QTest::newRow("not a picture")
            << QByteArray("\x89PNG not really") << int(Outcome::Unreadable) << QSize();
        // One 1 x 1 frame on a screen 9 pixels wide: the header tells 1 x 1, the decoder
        // gives the whole screen.
        QTest::newRow("larger than its header")
            << QByteArray("GIF89a\x09\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                          ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          35)
            << int(Outcome::TooLarge) << QSize(9, 1);
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, outcome);
        QFETCH(QSize, size);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const CappedImage read = ReadCappedImage(reader, 8);
        QCOMPARE(int(read.outcome), outcome);
        if (read.outcome == CappedImage::Outcome::Decoded) {
            QCOMPARE(read.picture.size(), size);
        } else {
            QVERIFY(read.picture.isNull());
            QCOMPARE(read.size, size);
        }
    }

    // The limit is Qt's, for the whole program: one caller's smaller cap must not take
    // away the room another made.
    void allocationLimitOnlyGrows() {
        const int before = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1);
        AllowDecodingUpTo(8192);
        QCOMPARE(QImageReader::allocationLimit(), 257);
        AllowDecodingUpTo(64);
        QCOMPARE(QImageReader::allocationLimit(), 257);
        QImageReader::setAllocationLimit(before);
    }
};

QTEST_MAIN(TestCappedImage)
#include "tst_cappedimage.moc"
