#include "common/DialogFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace DialogFolders {

namespace {

QString key(Kind kind) {
    return kind == Kind::Diagrams ? QStringLiteral("FileDialogs/Diagrams")
                                  : QStringLiteral("FileDialogs/Pictures");
}

} // namespace

QString folder(Kind kind) {
    // Whatever the configuration holds is only used when it names a folder that is there.
    const QString remembered = QSettings().value(key(kind)).toString();
    const QFileInfo info(remembered);
    if (!remembered.isEmpty() && info.isAbsolute() && info.isDir())
        return QDir::cleanPath(remembered);
    return QDir::homePath();
}

void remember(Kind kind, const QString& chosenFile) {
    if (chosenFile.isEmpty())
        return;
    QSettings().setValue(key(kind), QFileInfo(chosenFile).absolutePath());
}

} // namespace DialogFolders
