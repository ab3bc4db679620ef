// Writes the binary seeds of the fuzz targets: small pictures in every format Qt reads here,
// and the shipped catalogue.
//   make_fuzz_seeds <Kartinki folder> <seeds folder>

#include "common/PictureLimits.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray Encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Sample(QImage::Format format) {
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, 3, 2, QColor(200, 30, 40));
    p.fillRect(2, 1, 3, 2, QColor(20, 90, 220, 128));
    p.end();
    return image.convertToFormat(format);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_fuzz_seeds <Kartinki folder> <seeds folder>\n");
        return 2;
    }
    const QDir kartinki(QString::fromLocal8Bit(argv[1]));
    const QDir seeds(QString::fromLocal8Bit(argv[2]));
    const QDir pictures(seeds.filePath(QStringLiteral("fuzz_picture_import")));
    const QDir catalogue(seeds.filePath(QStringLiteral("fuzz_catalogue")));
    if (!seeds.mkpath(pictures.path()) || !seeds.mkpath(catalogue.path()))
        return 1;

    const QImage argb = Sample(QImage::Format_ARGB32);
    const QImage rgb = Sample(QImage::Format_RGB32);
    QImage wide(LargestImportedPictureSide + 1, 1, QImage::Format_Mono);
    bool ok = true;
    ok &= Write(pictures.filePath(QStringLiteral("argb.png")), Encoded(argb, "PNG"));
    ok &= Write(pictures.filePath(QStringLiteral("indexed.png")),
                Encoded(rgb.convertToFormat(QImage::Format_Indexed8), "PNG"));
    ok &= Write(pictures.filePath(QStringLiteral("rgb.bmp")), Encoded(rgb, "BMP"));
    ok &= Write(pictures.filePath(QStringLiteral("mono.bmp")),
                Encoded(rgb.convertToFormat(QImage::Format_Mono), "BMP"));
    ok &= Write(pictures.filePath(QStringLiteral("rgb.jpg")), Encoded(rgb, "JPEG", 50));
    ok &= Write(pictures.filePath(QStringLiteral("argb.ico")), Encoded(argb, "ICO"));
    ok &= Write(pictures.filePath(QStringLiteral("rgb.ppm")), Encoded(rgb, "PPM"));
    // Qt writes no GIF: a 1 x 1 one by hand, and the same frame on a screen over the limit.
    const QByteArray dot("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                         35);
    QByteArray screen = dot;
    screen[6] = char((LargestImportedPictureSide + 1) & 0xFF);
    screen[7] = char((LargestImportedPictureSide + 1) >> 8);
    ok &= Write(pictures.filePath(QStringLiteral("dot.gif")), dot);
    ok &= Write(pictures.filePath(QStringLiteral("screen.gif")), screen);
    // Over the limit by one pixel, refused from its header alone.
    wide.fill(0);
    ok &= Write(pictures.filePath(QStringLiteral("wide.png")), Encoded(wide, "PNG"));

    // The shipped catalogue, whole, and its start with a picture under the name p.png.
    const QByteArray shipped = Read(kartinki.filePath(QStringLiteral("kartinki.dat")));
    const QByteArray count = Read(kartinki.filePath(QStringLiteral("init.dat")));
    const QByteArray hub = Read(kartinki.filePath(QStringLiteral("hub.png")));
    if (shipped.isEmpty() || count.isEmpty() || hub.isEmpty()) {
        std::fprintf(stderr, "the shipped catalogue is missing in %s\n", argv[1]);
        return 1;
    }
    QByteArray start;
    for (const QByteArray& line : shipped.split('\n').mid(0, 4))
        start += line + '\n';
    start += "5,\"P\",\"\xCA\xE0\xF0\xF2\xE8\xED\xEA\xE0\",\"p.png\"\r\n";
    ok &=
        Write(catalogue.filePath(QStringLiteral("shipped.txt")), shipped + "\n#init.dat\n" + count);
    ok &= Write(catalogue.filePath(QStringLiteral("shipped-start-with-picture.txt")),
                start + "\n#init.dat\n5\r\n\n#picture\n" + hub);
    return ok ? 0 : 1;
}
