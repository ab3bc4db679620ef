#include "files/RecentFiles.h"

#include "common/ShownText.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace RecentFiles {

namespace {

const QString Key = QStringLiteral("RecentFiles/Diagrams");
constexpr int LongestPath = 4096;

// The one spelling of a file: symbolic links and "..", "." resolved while it is there.
QString Identity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool Acceptable(const QString& path) {
    if (path.isEmpty() || path.size() > LongestPath || !QDir::isAbsolutePath(path) ||
        !path.endsWith(QLatin1String(".dia"), Qt::CaseInsensitive))
        return false;
    for (const QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

void Store(const QStringList& files) {
    QSettings().setValue(Key, files);
}

} // namespace

QStringList list() {
    QStringList files;
    // Anything but a list of texts counts as no list.
    const QVariant value = QSettings().value(Key);
    const QStringList stored = value.typeId() == QMetaType::QStringList ? value.toStringList()
                               : value.typeId() == QMetaType::QString
                                   ? QStringList{value.toString()}
                                   : QStringList();
    for (const QString& path : stored) {
        if (!Acceptable(path) || files.contains(path))
            continue;
        files << path;
        if (files.size() == Capacity)
            break;
    }
    return files;
}

void add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString file = Identity(path);
    if (!Acceptable(file))
        return;
    QStringList files = list();
    files.removeIf([&file](const QString& known) { return Identity(known) == file; });
    files.prepend(file);
    Store(files.mid(0, Capacity));
}

void remove(const QString& path) {
    const QString file = Identity(path);
    QStringList files = list();
    if (files.removeIf(
            [&](const QString& known) { return known == path || Identity(known) == file; }) > 0)
        Store(files);
}

QString caption(const QString& path) {
    const QFileInfo info(path);
    QString folder = QDir::toNativeSeparators(info.path());
    constexpr int Longest = 40;
    if (folder.size() > Longest)
        folder = QStringLiteral("…") + folder.right(Longest - 1);
    QString text = ShownText(info.fileName(), 60, ShownCharacters::CodeUnits) +
                   QStringLiteral("  (") + ShownText(folder, Longest, ShownCharacters::CodeUnits) +
                   QLatin1Char(')');
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace RecentFiles
