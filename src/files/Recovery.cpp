#include "files/Recovery.h"

#include "common/AtomicSave.h"
#include "common/BoundedFileReader.h"
#include "common/Prompter.h"
#include "common/ShownText.h"
#include "common/WriteNotationReader.h"
#include "common/WriteNotationWriter.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>
#include <vector>

namespace {

const QLatin1String Prefix("autosave-");
const QLatin1String InfoFormat("Vexilardo recovery");
constexpr int InfoVersion = 1;

QString Title() {
    return QStringLiteral("Възстановяване");
}

// Names and folders as a message shows them.
QString Shown(const QString& text) {
    return ShownText(text, 80, ShownCharacters::CodeUnits);
}

// A marker record exactly as the .dia writer puts it down.
QByteArray MarkerRecord(const QString& marker) {
    WriteNotationWriter writer;
    writer.writeString(marker);
    writer.endRecord();
    return writer.bytes();
}

// What a write cut short by a kill would leave beside a file, were the temporary file named.
void RemoveTemporaries(const QDir& folder, const QString& id) {
    const QRegularExpression temporary(QStringLiteral("^") + QRegularExpression::escape(id) +
                                       QStringLiteral("\\.(dia|info)\\.[A-Za-z0-9]{6}$"));
    const QStringList entries = folder.entryList({id + QStringLiteral(".*")}, QDir::Files);
    for (const QString& entry : entries)
        if (temporary.match(entry).hasMatch())
            QFile::remove(folder.filePath(entry));
}

} // namespace

struct Recovery::LeftBehind {
    QString diagram;
    QString info;
    QString fileName;
    QDateTime saved;
    std::unique_ptr<QLockFile> lock;
};

QString Recovery::defaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("recovery"));
}

Recovery::Recovery(Workspace& workspace, const QString& folder, QObject* parent)
    : QObject(parent), m_workspace(workspace), m_folder(folder),
      m_id(Prefix + QUuid::createUuid().toString(QUuid::Id128)) {
    m_worker.setMaxThreadCount(1);
    connect(&workspace.document(), &Diagram::changed, this, [this](const DiagramChange& change) {
        switch (change.scope) {
        case DiagramChange::Scope::Diagram:
            m_changes = true;
            break;
        case DiagramChange::Scope::Replaced:
            m_fileName.clear();
            discard();
            break;
        case DiagramChange::Scope::View:
            break;
        }
    });
}

Recovery::~Recovery() {
    m_worker.waitForDone();
}

QString Recovery::diagramPath() const {
    return QDir(m_folder).filePath(m_id + QStringLiteral(".dia"));
}

QString Recovery::infoPath() const {
    return QDir(m_folder).filePath(m_id + QStringLiteral(".info"));
}

QString Recovery::lockPath() const {
    return QDir(m_folder).filePath(m_id + QStringLiteral(".lock"));
}

// ---- Autosave ----

bool Recovery::prepare() {
    if (m_lock && m_lock->isLocked())
        return true;
    const bool existed = !m_folder.isEmpty() && QFileInfo(m_folder).isDir();
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder)) {
        fail(QStringLiteral("Папката липсва и не може да бъде създадена."));
        return false;
    }
    // The diagrams in it are the user's: nobody else need read them.
    if (!existed)
        QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ExeOwner);
    auto lock = std::make_unique<QLockFile>(lockPath());
    // Held as long as this copy runs, however long that is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        fail(QStringLiteral("В папката не може да се пише."));
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

void Recovery::fail(const QString& reason, bool retry) {
    // Tried again at the next autosave; the user hears of it once.
    if (retry)
        m_changes = true;
    if (m_told)
        return;
    m_told = true;
    emit unavailable(
        QStringLiteral("Диаграмата не може да се запазва автоматично в папка „%1“.\n%2\n"
                       "Работата продължава, но ако програмата спре внезапно, промените няма "
                       "да могат да бъдат възстановени.")
            .arg(Shown(QDir::toNativeSeparators(m_folder)), reason));
}

QByteArray Recovery::info(const QDateTime& saved) const {
    const QJsonObject info{
        {QStringLiteral("format"), InfoFormat},
        {QStringLiteral("version"), InfoVersion},
        {QStringLiteral("file"), m_fileName.size() <= LongestFileName ? m_fileName : QString()},
        {QStringLiteral("saved"), saved.toUTC().toString(Qt::ISODate)},
    };
    return QJsonDocument(info).toJson(QJsonDocument::Compact);
}

bool Recovery::autosave() {
    if (!m_changes || !prepare())
        return false;
    // The copy is all the worker reads; the window goes on changing the diagram meanwhile.
    auto copy = std::make_shared<const ElementStore>(m_workspace.document().snapshot());
    const KindRegistry* kinds = &m_workspace.kinds();
    const QByteArray info = this->info(QDateTime::currentDateTimeUtc());
    const quint64 generation = m_generation.load();
    m_changes = false;
    m_worker.start([this, copy, kinds, info, generation, diagram = diagramPath(),
                    infoFile = infoPath()] {
        // Discarded before it started: nothing to write.
        if (m_generation.load() != generation)
            return;
        std::optional<QString> error = ImageExport::saveStream(
            [&](const ImageExport::ByteSink& sink) { return DiaFile::write(*copy, *kinds, sink); },
            diagram);
        if (!error)
            error = AtomicSave::save(infoFile, info);
        // The diagram is still to be written, unless its files went meanwhile.
        if (error)
            QMetaObject::invokeMethod(
                this,
                [this, reason = *error, generation] {
                    fail(reason, m_generation.load() == generation);
                },
                Qt::QueuedConnection);
    });
    return true;
}

void Recovery::wait() {
    m_worker.waitForDone();
}

void Recovery::saved(const QString& fileName) {
    discard();
    m_fileName = fileName;
}

void Recovery::discard() {
    ++m_generation;
    m_worker.waitForDone();
    m_changes = false;
    if (!m_lock)
        return;
    QFile::remove(diagramPath());
    QFile::remove(infoPath());
    m_lock.reset(); // lets the lock go and removes its file
}

// ---- Recovery at start ----

bool Recovery::readInfo(const QString& path, QString& fileName, QDateTime& saved) {
    const BoundedFileReader::Result read = BoundedFileReader::read(path, LargestInfoBytes);
    if (read.status != BoundedFileReader::Status::Read)
        return false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(read.bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject info = document.object();
    const QJsonValue file = info.value(QStringLiteral("file"));
    const QJsonValue when = info.value(QStringLiteral("saved"));
    if (info.value(QStringLiteral("format")).toString() != InfoFormat ||
        info.value(QStringLiteral("version")).toInt(-1) != InfoVersion || !file.isString() ||
        !when.isString())
        return false;
    const QString name = file.toString();
    if (name.size() > LongestFileName || (!name.isEmpty() && !QDir::isAbsolutePath(name)))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    const QString text = when.toString();
    const QDateTime time =
        text.size() <= 40 ? QDateTime::fromString(text, Qt::ISODate) : QDateTime();
    if (!time.isValid())
        return false;
    fileName = name;
    saved = time.toUTC();
    return true;
}

bool Recovery::looksLikeDiagram(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || info.size() > WriteNotationReader::MaxFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Whole files only: the program writes them whole, so anything else came from elsewhere.
    const QByteArray start = MarkerRecord(DiaFile::startMarker());
    const QByteArray end = MarkerRecord(DiaFile::endMarker());
    if (file.read(start.size()) != start || file.size() < start.size() + end.size() ||
        !file.seek(file.size() - end.size()))
        return false;
    return file.read(end.size()) == end;
}

QString Recovery::setAside(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    // "autosave-<id>.dia" becomes "autosave-<id>.damaged.dia": no longer a recovery file, and
    // still a diagram the Load command shows.
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    for (int n = 1; n <= 99; ++n) {
        const QString name = base + QStringLiteral(".damaged") +
                             (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QLatin1Char('.') +
                             suffix;
        const QString target = info.dir().filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        return QFile::rename(path, target) ? name : QString();
    }
    return QString();
}

void Recovery::adopt(LeftBehind& found) {
    m_fileName = found.fileName;
    // Until it is this copy's, the old file stays where it is, to be offered again.
    m_changes = true;
    if (!prepare())
        return;
    QFile::remove(diagramPath());
    QFile::remove(infoPath());
    if (!QFile::rename(found.diagram, diagramPath()))
        return;
    QFile::remove(found.info);
    m_changes = AtomicSave::save(infoPath(), info(found.saved)).has_value();
}

void Recovery::offer(Prompter& prompter, const Opener& open) {
    const QDir folder(m_folder);
    if (m_folder.isEmpty() || !folder.exists())
        return;
    static const QRegularExpression recoveryFile(
        QStringLiteral("^(autosave-[0-9a-f]{32})\\.(dia|info|lock)$"));
    QStringList ids;
    const QStringList entries = folder.entryList(
        {Prefix + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = recoveryFile.match(entry);
        if (!match.hasMatch())
            continue;
        const QString id = match.captured(1);
        // Sorted by name, so the files of one copy come together.
        if (id == m_id || (!ids.isEmpty() && ids.last() == id))
            continue;
        if (ids.size() == MostLeftBehind)
            break;
        ids << id;
    }

    std::vector<LeftBehind> found;
    QStringList damaged;
    for (const QString& id : ids) {
        auto lock = std::make_unique<QLockFile>(folder.filePath(id + QStringLiteral(".lock")));
        // A copy that still runs holds its lock however old it is; one that died does not.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        RemoveTemporaries(folder, id);
        LeftBehind item;
        item.diagram = folder.filePath(id + QStringLiteral(".dia"));
        item.info = folder.filePath(id + QStringLiteral(".info"));
        const QFileInfo diagram(item.diagram);
        const QFileInfo info(item.info);
        if (!diagram.exists() && !diagram.isSymLink()) {
            // Nothing to recover.
            QFile::remove(item.info);
            continue;
        }
        bool good = looksLikeDiagram(item.diagram);
        if (good && (info.exists() || info.isSymLink()))
            good = !info.isSymLink() && readInfo(item.info, item.fileName, item.saved);
        else if (good)
            // Written just before its info file: the name it had is not known.
            item.saved = diagram.lastModified().toUTC();
        if (!good) {
            const QString kept = setAside(item.diagram);
            setAside(item.info);
            damaged << (kept.isEmpty() ? diagram.fileName() : kept);
            continue;
        }
        item.lock = std::move(lock);
        found.push_back(std::move(item));
    }

    const QString where = Shown(QDir::toNativeSeparators(folder.absolutePath()));
    if (damaged.size() == 1)
        prompter.message(Title(),
                         QStringLiteral("Намерена е повредена автоматично запазена диаграма, "
                                        "която не може да бъде възстановена. Файлът е оставен "
                                        "настрана като „%1“ в папка „%2“.")
                             .arg(Shown(damaged.first()), where),
                         Prompter::Icon::Warning, Prompter::Buttons::Ok);
    else if (damaged.size() > 1)
        prompter.message(Title(),
                         QStringLiteral("Намерени са %1 повредени автоматично запазени "
                                        "диаграми, които не могат да бъдат възстановени. "
                                        "Файловете са оставени настрана в папка „%2“.")
                             .arg(QString::number(damaged.size()), where),
                         Prompter::Icon::Warning, Prompter::Buttons::Ok);

    std::stable_sort(found.begin(), found.end(),
                     [](const LeftBehind& a, const LeftBehind& b) { return a.saved > b.saved; });
    for (LeftBehind& item : found) {
        const QString when = item.saved.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
        const QString question =
            item.fileName.isEmpty()
                ? QStringLiteral("Намерена е автоматично запазена диаграма без име от %1. Да "
                                 "бъде ли възстановена ?")
                      .arg(when)
                : QStringLiteral("Намерена е автоматично запазена диаграма „%1“ от %2. Да бъде "
                                 "ли възстановена ?")
                      .arg(Shown(QFileInfo(item.fileName).fileName()), when);
        if (prompter.message(Title(), question, Prompter::Icon::Question,
                             Prompter::Buttons::YesNo) != Prompter::Answer::Yes) {
            QFile::remove(item.diagram);
            QFile::remove(item.info);
            continue;
        }
        if (open(item.diagram, item.fileName)) {
            adopt(item);
        } else {
            // What could be read is on the canvas; the file is kept for whoever can do more.
            m_changes = true;
            m_fileName = item.fileName;
            const QString kept = setAside(item.diagram);
            setAside(item.info);
            prompter.message(
                Title(),
                QStringLiteral("Диаграмата е възстановена само отчасти. "
                               "Автоматично запазеният файл е оставен настрана "
                               "като „%1“ в папка „%2“.")
                    .arg(Shown(kept.isEmpty() ? QFileInfo(item.diagram).fileName() : kept), where),
                Prompter::Icon::Warning, Prompter::Buttons::Ok);
        }
        // One diagram at a time: the others wait for the next start.
        break;
    }
}
