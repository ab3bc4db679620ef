#include "app/ProgramFolders.h"

#include "library/CatalogueLoader.h"

#include <QDir>
#include <QFileInfo>

bool ProgramFolders::holdsData(const QString& folder) {
    const QDir library(QDir(folder).filePath(CatalogueLoader::folderName()));
    return QFileInfo(library.filePath(CatalogueLoader::catalogueFileName())).isFile();
}

ProgramFolders ProgramFolders::locate(const QString& executableFolder,
                                      const QString& installedData) {
    if (holdsData(executableFolder))
        return {executableFolder, false};
    if (!installedData.isEmpty()) {
        const QString shared = QDir::cleanPath(QDir(executableFolder).filePath(installedData));
        if (holdsData(shared))
            return {shared, true};
    }
    return {executableFolder, false};
}
