// The picture library loader on a Kartinki folder made from the input:
//   kartinki.dat [ "\n#init.dat\n" init.dat [ "\n#picture\n" p.png ] ]
// A part that is not there is a file that is not there. The folder also holds a symbolic link
// to a picture outside it, a subfolder and a FIFO, which the catalogue may name.

#include "FuzzSupport.h"

#include "library/CatalogueLoader.h"
#include "library/ImageStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <sys/stat.h>

namespace {

const QByteArray InitMark("\n#init.dat\n");
const QByteArray PictureMark("\n#picture\n");
// Longer than any fault line with both of its catalogue texts cut to their shown length.
constexpr qsizetype MaxFaultLength = 200;
const QRgb OutsideColour = qRgb(1, 2, 3);

struct Folder {
    QTemporaryDir root;
    QString path;

    Folder() {
        FUZZ_CHECK(root.isValid());
        FUZZ_CHECK(QDir(root.path()).mkpath(QStringLiteral("Kartinki/sub")));
        path = root.filePath(QStringLiteral("Kartinki"));
        QImage outside(7, 3, QImage::Format_RGB32);
        outside.fill(OutsideColour);
        FUZZ_CHECK(outside.save(root.filePath(QStringLiteral("outside.png")), "PNG"));
        FUZZ_CHECK(QFile::link(QStringLiteral("../outside.png"), file("link.png")));
        FUZZ_CHECK(::mkfifo(QFile::encodeName(file("fifo")).constData(), 0600) == 0);
    }

    QString file(const char* name) const { return QDir(path).filePath(QLatin1String(name)); }

    // A part that is not there removes the file.
    void write(const char* name, const std::optional<QByteArray>& bytes) const {
        QFile f(file(name));
        if (!bytes) {
            f.remove();
            return;
        }
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(f.write(*bytes) == bytes->size());
    }
};

bool IsOutsidePicture(const QImage& picture) {
    return picture.size() == QSize(7, 3) && picture.pixel(0, 0) == OutsideColour &&
           picture.pixel(6, 2) == OutsideColour;
}

bool IsShowable(const QString& line) {
    for (const QChar c : line) {
        if (!c.isPrint() || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Folder folder;

    const QByteArray input = FuzzBytes(data, size);
    QByteArray catalogue = input;
    std::optional<QByteArray> count;
    std::optional<QByteArray> picture;
    if (const qsizetype at = catalogue.indexOf(PictureMark); at >= 0) {
        picture = catalogue.mid(at + PictureMark.size());
        catalogue.truncate(at);
    }
    if (const qsizetype at = catalogue.indexOf(InitMark); at >= 0) {
        count = catalogue.mid(at + InitMark.size());
        catalogue.truncate(at);
    }
    folder.write("kartinki.dat", catalogue);
    folder.write("init.dat", count);
    folder.write("p.png", picture);

    ImageStore store;
    store.addSketchpadEntry();
    CatalogueLoader loader(folder.path, store);
    int lastValue = -1;
    loader.progress = [&](int value, int maximum) {
        FUZZ_CHECK(maximum >= 1 && value >= 0 && value <= maximum);
        FUZZ_CHECK(value >= lastValue);
        lastValue = value;
    };
    int records = 0;
    while (loader.loadNext()) {
        ++records;
        FUZZ_CHECK(records <= CatalogueLoader::MaxRecords);
    }
    FUZZ_CHECK(loader.finished());
    FUZZ_CHECK(!loader.loadNext());
    FUZZ_CHECK(loader.value() == records && loader.value() <= loader.maximum());

    FUZZ_CHECK(store.count() <= CatalogueLoader::MaxRecords + 1);
    FUZZ_CHECK(store.count() <= records + 1);
    FUZZ_CHECK(store.contains(ImageStore::sketchpadKey()));
    for (const QString& key : store.keys()) {
        FUZZ_CHECK(!key.isEmpty() && key == key.trimmed());
        const ImageStore::Entry* entry = store.find(key);
        FUZZ_CHECK(entry != nullptr);
        FUZZ_CHECK(!entry->picture.isNull());
        FUZZ_CHECK(entry->picture.width() <= CatalogueLoader::MaxPictureSide &&
                   entry->picture.height() <= CatalogueLoader::MaxPictureSide);
        // Nothing outside the folder is read, not even through a link.
        FUZZ_CHECK(!IsOutsidePicture(entry->picture));
    }

    const QStringList& faults = loader.faults();
    FUZZ_CHECK(faults.size() <= 2 * records + 5);
    for (const QString& line : faults) {
        FUZZ_CHECK(!line.isEmpty() && line.size() <= MaxFaultLength);
        FUZZ_CHECK(IsShowable(line));
    }
    return 0;
}
