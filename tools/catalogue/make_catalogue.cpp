// Writes the provisional picture library into a Kartinki folder: one labelled picture per
// chooser key, kartinki.dat and init.dat. Run: make_catalogue <folder>

#include "files/WriteNotationWriter.h"
#include "library/CatalogueLoader.h"
#include "library/ChooserTable.h"
#include "library/ImageStore.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int PictureWidth = 96;
constexpr int PictureHeight = 64;

// A hash that is the same on every run (qHash is seeded per process).
quint32 StableHash(const QString& text) {
    quint32 hash = 2166136261u;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

QString FileNameFor(const QString& key, QSet<QString>& used) {
    QString base;
    for (const QChar c : key) {
        const bool plain = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           c == QLatin1Char('_');
        base += plain ? c.toLower() : QLatin1Char('_');
    }
    QString name = base + QStringLiteral(".png");
    for (int n = 2; used.contains(name); ++n)
        name = base + QStringLiteral("_%1.png").arg(n);
    used.insert(name);
    return name;
}

// Words of the key spread over as few lines as fit the width.
QStringList WrapKey(const QString& key, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& word : key.split(QLatin1Char('_'), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.last() + QLatin1Char('_') + word) <= width)
            lines.last() += QLatin1Char('_') + word;
        else
            lines.append(word);
    }
    return lines;
}

void DrawCategoryMark(QPainter& p, int kind, const QColor& colour) {
    const QRectF box(5, 5, 14, 14);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    QPolygonF polygon;
    switch (kind % 6) {
    case 0:
        p.drawEllipse(box);
        return;
    case 1:
        p.drawRect(box);
        return;
    case 2:
        polygon << QPointF(box.center().x(), box.top()) << box.bottomRight() << box.bottomLeft();
        break;
    case 3:
        polygon << QPointF(box.center().x(), box.top()) << QPointF(box.right(), box.center().y())
                << QPointF(box.center().x(), box.bottom()) << QPointF(box.left(), box.center().y());
        break;
    case 4:
        polygon << QPointF(box.left() + 4, box.top()) << QPointF(box.right() - 4, box.top())
                << QPointF(box.right(), box.center().y()) << QPointF(box.right() - 4, box.bottom())
                << QPointF(box.left() + 4, box.bottom()) << QPointF(box.left(), box.center().y());
        break;
    default:
        p.drawRoundedRect(box, 4, 4);
        p.setBrush(Qt::white);
        p.drawEllipse(box.adjusted(4, 4, -4, -4));
        return;
    }
    p.drawPolygon(polygon);
}

QImage Picture(const QString& key, int record, int mainIndex, int categoryIndex) {
    static const QColor MainColours[] = {QColor(0x1F, 0x5F, 0xBF), QColor(0xD0, 0x70, 0x10),
                                         QColor(0x2E, 0x8B, 0x3E)};
    const quint32 hash = StableHash(key);
    const QColor background =
        QColor::fromHsv(int(hash % 360), 45 + int((hash >> 9) % 40), 235 + int((hash >> 17) % 20));

    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(background.darker(170), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, PictureWidth - 2, PictureHeight - 2));
    DrawCategoryMark(p, categoryIndex, MainColours[mainIndex % 3]);

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(9);
    p.setFont(small);
    p.setPen(background.darker(250));
    p.drawText(QRect(22, 5, PictureWidth - 27, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1.%2").arg(categoryIndex + 1).arg(record));

    const QRect textArea(4, 21, PictureWidth - 8, PictureHeight - 25);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    QStringList lines;
    for (int size = 12; size >= 7; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        lines = WrapKey(key, metrics, textArea.width());
        bool fits = lines.size() * metrics.height() <= textArea.height();
        for (const QString& line : lines)
            fits = fits && metrics.horizontalAdvance(line) <= textArea.width();
        if (fits)
            break;
    }
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(textArea, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
    p.end();
    return image;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_catalogue <Kartinki folder>\n");
        return 2;
    }
    QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    WriteNotationWriter catalogue;
    QSet<QString> usedNames;
    int record = 0;
    const auto addRecord = [&](const QString& key, const QString& description,
                               const QImage& picture) {
        ++record;
        const QString file = FileNameFor(key, usedNames);
        if (!picture.save(folder.filePath(file), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            return false;
        }
        catalogue.writeInteger(record);
        catalogue.writeString(key);
        catalogue.writeString(description);
        catalogue.writeString(file);
        catalogue.endRecord();
        return true;
    };

    const QList<ChooserTable::MainCategory>& table = ChooserTable::mainCategories();
    for (int m = 0; m < table.size(); ++m) {
        for (int c = 0; c < table[m].categories.size(); ++c) {
            for (const ChooserTable::Entry& entry : table[m].categories[c].entries) {
                if (!addRecord(entry.key, entry.displayName, Picture(entry.key, record + 1, m, c)))
                    return 1;
            }
        }
    }
    ImageStore builtIn;
    builtIn.addSketchpadEntry();
    if (!addRecord(ImageStore::sketchpadKey(), ImageStore::sketchpadDescription(),
                   builtIn.find(ImageStore::sketchpadKey())->picture))
        return 1;

    WriteNotationWriter count;
    count.writeInteger(record);
    count.endRecord();
    if (!WriteFile(folder.filePath(CatalogueLoader::catalogueFileName()), catalogue.bytes()) ||
        !WriteFile(folder.filePath(CatalogueLoader::countFileName()), count.bytes())) {
        std::fprintf(stderr, "cannot write the catalogue files\n");
        return 1;
    }
    std::printf("%d records written to %s\n", record, qPrintable(folder.absolutePath()));
    return 0;
}
