#include "library/CatalogueLoader.h"

#include "common/BoundedFileReader.h"
#include "common/CappedImageReader.h"
#include "common/ShownText.h"
#include "library/ImageStore.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <climits>
#include <cmath>

namespace {

// Lines that hold anything but blanks: an upper bound on the records of a catalogue written
// one record per line, used to keep an exaggerated init.dat from freezing the bar.
int CountFilledLines(const QByteArray& bytes) {
    int lines = 0;
    bool filled = false;
    for (const char c : bytes) {
        if (c == '\n' || c == '\r') {
            if (filled && lines < INT_MAX)
                ++lines;
            filled = false;
        } else if (c != ' ' && c != '\t') {
            filled = true;
        }
    }
    if (filled && lines < INT_MAX)
        ++lines;
    return lines;
}

// Whole numbers only; anything else is no position.
std::optional<qint64> WholeNumber(const WriteNotationReader::Field& field) {
    const std::optional<double> number = field.toNumber();
    if (!number || !std::isfinite(*number) || std::floor(*number) != *number)
        return std::nullopt;
    if (*number < -9.0e15 || *number > 9.0e15)
        return std::nullopt;
    return static_cast<qint64>(*number);
}

// Text from the file as a fault line shows it.
QString Shown(const QString& text) {
    return ShownText(text, 40, ShownCharacters::CodePoints);
}

} // namespace

CatalogueLoader::CatalogueLoader(const QString& folder, ImageStore& store)
    : m_folder(folder), m_store(store) {}

void CatalogueLoader::begin() {
    if (m_begun)
        return;
    m_begun = true;
    m_builtinSketchpad = m_store.contains(ImageStore::sketchpadKey());
    m_realFolder = QFileInfo(m_folder).canonicalFilePath();
    readCount();

    const BoundedFileReader::Result file =
        BoundedFileReader::read(QDir(m_folder).filePath(catalogueFileName()), MaxCatalogueBytes);
    if (file.status == BoundedFileReader::Status::TooLarge) {
        fault(QStringLiteral("Файлът %1 е прекалено голям и не е прочетен.")
                  .arg(catalogueFileName()));
    } else if (file.status != BoundedFileReader::Status::Read) {
        fault(QStringLiteral("Файлът %1 липсва или не може да бъде прочетен.")
                  .arg(catalogueFileName()));
    } else {
        m_reader.emplace(file.bytes);
        m_catalogueRead = true;
        // Without a usable count the lines of the file stand in for it.
        const int lines = CountFilledLines(file.bytes);
        m_maximum =
            m_declaredCount ? static_cast<int>(qMin<qint64>(*m_declaredCount, lines)) : lines;
    }
    m_maximum = qBound(1, m_maximum, MaxRecords);
    if (progress)
        progress(m_value, m_maximum);
}

void CatalogueLoader::readCount() {
    // One number is all the file holds; of a bigger file only the start counts.
    const BoundedFileReader::Result file =
        BoundedFileReader::read(QDir(m_folder).filePath(countFileName()), MaxCountBytes);
    if (file.status != BoundedFileReader::Status::Read &&
        file.status != BoundedFileReader::Status::TooLarge) {
        fault(
            QStringLiteral("Файлът %1 липсва или не може да бъде прочетен.").arg(countFileName()));
        return;
    }
    WriteNotationReader reader(file.bytes);
    const std::optional<double> count = reader.next().toNumber();
    if (!count || !std::isfinite(*count) || *count < 0 || std::floor(*count) != *count) {
        fault(QStringLiteral("Файлът %1 не съдържа броя на картинките.").arg(countFileName()));
        return;
    }
    m_declaredCount = static_cast<qint64>(qMin<double>(*count, double(INT_MAX)));
}

bool CatalogueLoader::loadNext() {
    begin();
    if (m_finished)
        return false;
    if (!m_reader || m_reader->atEnd()) {
        finish();
        return false;
    }
    if (m_record >= MaxRecords) {
        fault(QStringLiteral("Файлът %1 има повече от %2 записа; прочетени са само първите %2.")
                  .arg(catalogueFileName())
                  .arg(MaxRecords));
        finish();
        return false;
    }

    ++m_record;
    const WriteNotationReader::Field index = m_reader->next();
    const WriteNotationReader::Field key = m_reader->next();
    const WriteNotationReader::Field description = m_reader->next();
    const WriteNotationReader::Field file = m_reader->next();
    if (file.isMissing()) {
        fault(QStringLiteral("Запис %1 е непълен и е пропуснат.").arg(m_record));
    } else if (key.toString().trimmed().isEmpty()) {
        fault(QStringLiteral("Запис %1 няма ключ и е пропуснат.").arg(m_record));
    } else {
        loadRecord(index, key.toString().trimmed(), description.toString(), file.toString());
    }
    step();
    return true;
}

void CatalogueLoader::loadAll() {
    while (loadNext()) {
    }
}

void CatalogueLoader::step() {
    ++m_value;
    if (m_value > m_maximum)
        m_maximum = m_value;
    if (progress)
        progress(m_value, m_maximum);
}

QString CatalogueLoader::recordName(const QString& key) const {
    return QStringLiteral("Запис %1 (%2)").arg(m_record).arg(Shown(key));
}

void CatalogueLoader::loadRecord(const WriteNotationReader::Field& index, const QString& key,
                                 const QString& description, const QString& file) {
    const bool sketchpad = key == ImageStore::sketchpadKey();
    if (sketchpad && m_builtinSketchpad) {
        // The catalogue's own drawing mark takes the place of the one every store starts with.
        m_store.remove(key);
        m_builtinSketchpad = false;
    } else if (m_store.contains(key)) {
        fault(recordName(key) + QStringLiteral(": ключът се повтаря; запазен е първият запис."));
        return;
    }
    if (sketchpad)
        m_catalogueSketchpad = true;

    const QImage picture = loadPicture(key, file);
    const std::optional<qint64> position = WholeNumber(index);
    if (position && *position >= 1 && *position <= m_store.count() + 1) {
        m_store.insert(static_cast<int>(*position), key, picture, description);
    } else {
        fault(recordName(key) +
              QStringLiteral(": неправилен индекс „%1“; картинката е добавена в края.")
                  .arg(Shown(index.toString())));
        m_store.add(key, picture, description);
    }
}

QImage CatalogueLoader::loadPicture(const QString& key, const QString& file) {
    QString relative = file.trimmed();
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString folder = QDir::cleanPath(QDir(m_folder).absolutePath());
    const QString path = QDir::cleanPath(folder + QLatin1Char('/') + relative);
    const QString name = Shown(file);
    const auto badName = [&] {
        fault(recordName(key) + QStringLiteral(": неправилно име на картинка „%1“.").arg(name));
        return ImageStore::placeholder();
    };
    // The catalogue names pictures of its own folder; nothing elsewhere is opened.
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) ||
        !path.startsWith(folder + QLatin1Char('/')))
        return badName();
    const QString real = QFileInfo(path).canonicalFilePath();
    if (real.isEmpty()) {
        fault(recordName(key) + QStringLiteral(": липсва картинката „%1“.").arg(name));
        return ImageStore::placeholder();
    }
    // A symbolic link inside the folder may still lead out of it.
    if (m_realFolder.isEmpty() || !real.startsWith(m_realFolder + QLatin1Char('/')))
        return badName();

    auto decoded = m_decoded.constFind(real);
    if (decoded == m_decoded.constEnd())
        decoded = m_decoded.insert(real, decode(real, path));
    switch (decoded->problem) {
    case PictureProblem::None:
        return decoded->picture;
    case PictureProblem::Missing:
        fault(recordName(key) + QStringLiteral(": липсва картинката „%1“.").arg(name));
        break;
    case PictureProblem::Unreadable:
        fault(recordName(key) +
              QStringLiteral(": картинката „%1“ не може да бъде прочетена.").arg(name));
        break;
    case PictureProblem::FileTooLarge:
        fault(recordName(key) +
              QStringLiteral(": файлът „%1“ е прекалено голям и не е прочетен.").arg(name));
        break;
    case PictureProblem::TooLarge:
        fault(recordName(key) + QStringLiteral(": картинката „%1“ е по-голяма от %2x%2 точки.")
                                    .arg(name)
                                    .arg(MaxPictureSide));
        break;
    }
    return ImageStore::placeholder();
}

// `path` is the real file; `name` the one the catalogue gave, whose suffix hints the format.
CatalogueLoader::Decoded CatalogueLoader::decode(const QString& path, const QString& name) {
    Decoded result;
    BoundedFileReader::Result file = BoundedFileReader::read(path, MaxPictureBytes);
    switch (file.status) {
    case BoundedFileReader::Status::Read:
        break;
    case BoundedFileReader::Status::Missing:
    case BoundedFileReader::Status::NotRegular:
        result.problem = PictureProblem::Missing;
        return result;
    case BoundedFileReader::Status::Unreadable:
        result.problem = PictureProblem::Unreadable;
        return result;
    case BoundedFileReader::Status::TooLarge:
        result.problem = PictureProblem::FileTooLarge;
        return result;
    }

    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    // The content decides, as it would for a file; the suffix helps formats without a mark.
    QImageReader reader(&buffer);
    if (!reader.canRead())
        reader.setFormat(QFileInfo(name).suffix().toLatin1());
    const CappedImage picture = ReadCappedImage(reader, MaxPictureSide);
    switch (picture.outcome) {
    case CappedImage::Outcome::Decoded:
        result.picture = picture.picture;
        break;
    case CappedImage::Outcome::Unreadable:
        result.problem = PictureProblem::Unreadable;
        break;
    case CappedImage::Outcome::TooLarge:
        result.problem = PictureProblem::TooLarge;
        break;
    }
    return result;
}

void CatalogueLoader::finish() {
    m_finished = true;
    m_reader.reset();
    m_decoded.clear();
    if (m_catalogueRead && !m_catalogueSketchpad)
        fault(QStringLiteral("В %1 няма запис %2; използва се вградената рисунка.")
                  .arg(catalogueFileName(), ImageStore::sketchpadKey()));
    if (!m_store.contains(ImageStore::sketchpadKey()))
        m_store.addSketchpadEntry();
    // The count only sizes the progress bar, so a larger one does no harm.
    if (m_catalogueRead && m_declaredCount && *m_declaredCount < m_record)
        fault(QStringLiteral("Файлът %1 посочва %2 картинки, а в %3 има %4 записа.")
                  .arg(countFileName())
                  .arg(*m_declaredCount)
                  .arg(catalogueFileName())
                  .arg(m_record));
}

QString CatalogueLoader::faultReport(const QStringList& faults, int maxLines) {
    QString text = QStringLiteral("Библиотеката с картинки е заредена с грешки:");
    const int shown = qMin<int>(faults.size(), qMax(maxLines, 0));
    for (int i = 0; i < shown; ++i)
        text += QLatin1Char('\n') + faults.at(i);
    if (faults.size() > shown)
        text += QStringLiteral("\n... и още %1").arg(faults.size() - shown);
    return text;
}
