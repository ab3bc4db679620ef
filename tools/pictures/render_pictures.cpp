// The library pictures from their SVG sources, and sheets to review them by.
//
//   render_pictures render <kartinki.dat> <svg folder> <out folder>
//       Renders the picture of every catalogue record: <svg folder>/<name>.svg becomes
//       <out folder>/<name>.png, 64 x 64 pixels on white. Fails on a missing or broken source
//       and on a source the catalogue does not name.
//   render_pictures sheet <Kartinki folder> <out.png>
//       Every picture the program loads, with its display name, category by category.
//   render_pictures preview <out.png> <file.svg>...
//       The given sources, each at its natural size and enlarged pixel for pixel, to look
//       at a few pictures closely while drawing them.

#include "common/WriteNotationReader.h"
#include "library/CatalogueLoader.h"
#include "library/ChooserTable.h"
#include "library/ImageStore.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

constexpr int PictureSize = 64;

void fail(const QString& text) {
    std::fprintf(stderr, "render_pictures: %s\n", qPrintable(text));
}

// A source drawn at the library's size on white, or a null picture when it cannot be read.
QImage renderSource(const QString& path, QString* problem) {
    QSvgRenderer renderer;
    if (!QFileInfo(path).isFile() || !renderer.load(path) || !renderer.isValid()) {
        *problem = QStringLiteral("%1 is missing or not a valid SVG").arg(path);
        return {};
    }
    const QRectF box = renderer.viewBoxF();
    if (box.width() != PictureSize || box.height() != PictureSize) {
        *problem = QStringLiteral("%1: the view box must be 0 0 %2 %2").arg(path).arg(PictureSize);
        return {};
    }
    QImage picture(PictureSize, PictureSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, PictureSize, PictureSize));
    return picture;
}

// The file names the catalogue records name, in their order.
QStringList catalogueFiles(const QString& catalogue) {
    WriteNotationReader reader(WriteNotationReader::readFile(catalogue));
    QStringList files;
    while (!reader.atEnd()) {
        reader.next(); // index
        reader.next(); // key
        reader.next(); // description
        const WriteNotationReader::Field file = reader.next();
        if (!file.isMissing())
            files.append(file.toString());
    }
    return files;
}

int render(const QString& catalogue, const QString& sources, const QString& out) {
    const QStringList files = catalogueFiles(catalogue);
    if (files.isEmpty()) {
        fail(QStringLiteral("%1 names no pictures").arg(catalogue));
        return 1;
    }
    if (!QDir().mkpath(out)) {
        fail(QStringLiteral("cannot make %1").arg(out));
        return 1;
    }
    int failures = 0;
    // A source the catalogue does not name would never be seen.
    QStringList named;
    for (const QString& file : files)
        named.append(QFileInfo(file).completeBaseName() + QStringLiteral(".svg"));
    for (const QString& source : QDir(sources).entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        if (!named.contains(source)) {
            fail(QStringLiteral("%1 is not named by %2").arg(source, catalogue));
            ++failures;
        }
    }
    for (const QString& file : files) {
        const QString base = QFileInfo(file).completeBaseName();
        QString problem;
        const QImage picture =
            renderSource(QDir(sources).filePath(base + QStringLiteral(".svg")), &problem);
        if (picture.isNull()) {
            fail(problem);
            ++failures;
            continue;
        }
        const QString target = QDir(out).filePath(file);
        if (!picture.save(target, "PNG")) {
            fail(QStringLiteral("cannot write %1").arg(target));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

// Sheet layout, in pixels.
constexpr int CellWidth = 132;
constexpr int CellHeight = PictureSize + 44;
constexpr int Columns = 10;
constexpr int Margin = 16;

// A display name over at most two lines of a cell.
void drawName(QPainter& painter, const QRect& box, const QString& name) {
    const QFontMetrics metrics(painter.font());
    const QString text = metrics.elidedText(name, Qt::ElideRight, box.width() * 2 - 8);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
}

int sheet(const QString& folder, const QString& out) {
    ImageStore store;
    store.addSketchpadEntry();
    CatalogueLoader loader(folder, store);
    loader.loadAll();
    for (const QString& fault : loader.faults())
        fail(fault);

    struct Row {
        QString title; // a heading row when not empty
        QList<ChooserTable::Entry> entries;
    };
    QList<Row> rows;
    for (const ChooserTable::MainCategory& main : ChooserTable::mainCategories()) {
        for (const ChooserTable::Category& category : main.categories) {
            rows.append({main.name + QStringLiteral(" / ") + category.name, {}});
            for (qsizetype i = 0; i < category.entries.size(); i += Columns)
                rows.append({QString(), category.entries.mid(i, Columns)});
        }
    }
    rows.append({QStringLiteral("SKETCHPAD"), {}});
    rows.append({QString(), {{ImageStore::sketchpadDescription(), ImageStore::sketchpadKey()}}});

    const int titleHeight = 26;
    int height = Margin * 2;
    for (const Row& row : rows)
        height += row.title.isEmpty() ? CellHeight : titleHeight;
    QImage image(Margin * 2 + Columns * CellWidth, height, QImage::Format_RGB32);
    image.fill(QColor(236, 238, 241));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setPixelSize(15);
    titleFont.setBold(true);
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setPixelSize(11);

    int y = Margin;
    int missing = 0;
    for (const Row& row : rows) {
        if (!row.title.isEmpty()) {
            painter.setFont(titleFont);
            painter.setPen(QColor(30, 40, 55));
            painter.drawText(QRect(Margin, y, Columns * CellWidth, titleHeight),
                             Qt::AlignLeft | Qt::AlignBottom, row.title);
            y += titleHeight;
            continue;
        }
        painter.setFont(nameFont);
        for (qsizetype column = 0; column < row.entries.size(); ++column) {
            const ChooserTable::Entry& entry = row.entries[column];
            const QRect cell(Margin + int(column) * CellWidth, y, CellWidth, CellHeight);
            const ImageStore::Entry* found = store.find(entry.key);
            const QPoint at(cell.center().x() - PictureSize / 2, cell.top() + 6);
            if (found) {
                painter.drawImage(at, found->picture);
            } else {
                ++missing;
                painter.fillRect(QRect(at, QSize(PictureSize, PictureSize)), Qt::red);
            }
            painter.setPen(QColor(30, 40, 55));
            drawName(painter,
                     QRect(cell.left() + 2, cell.top() + PictureSize + 9, cell.width() - 4, 32),
                     entry.displayName);
        }
        y += CellHeight;
    }
    painter.end();
    if (!image.save(out, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(out));
        return 1;
    }
    std::printf("%s: %d pictures, %d missing\n", qPrintable(out), store.count(), missing);
    return missing == 0 ? 0 : 1;
}

int preview(const QString& out, const QStringList& sources) {
    constexpr int Zoom = 4;
    const int rowHeight = PictureSize * Zoom + 40;
    QImage image(Margin * 3 + PictureSize + PictureSize * Zoom + 220,
                 Margin * 2 + int(sources.size()) * rowHeight, QImage::Format_RGB32);
    image.fill(QColor(236, 238, 241));
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    int y = Margin;
    int failures = 0;
    for (const QString& source : sources) {
        QString problem;
        const QImage picture = renderSource(source, &problem);
        if (picture.isNull()) {
            fail(problem);
            ++failures;
        } else {
            painter.drawImage(QPoint(Margin, y), picture);
            painter.drawImage(
                QRect(Margin * 2 + PictureSize, y, PictureSize * Zoom, PictureSize * Zoom),
                picture);
        }
        painter.setPen(Qt::black);
        painter.drawText(QPoint(Margin * 3 + PictureSize + PictureSize * Zoom, y + 16),
                         QFileInfo(source).fileName());
        y += rowHeight;
    }
    painter.end();
    if (!image.save(out, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(out));
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

int usage() {
    std::fprintf(stderr, "usage: render_pictures render <kartinki.dat> <svg folder> <out folder>\n"
                         "       render_pictures sheet <Kartinki folder> <out.png>\n"
                         "       render_pictures preview <out.png> <file.svg>...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts for the sources' texts, and no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 4 && args[0] == QLatin1String("render"))
        return render(args[1], args[2], args[3]);
    if (args.size() == 3 && args[0] == QLatin1String("sheet"))
        return sheet(args[1], args[2]);
    if (args.size() >= 3 && args[0] == QLatin1String("preview"))
        return preview(args[1], args.mid(2));
    return usage();
}
