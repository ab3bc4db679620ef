#pragma once

#include <QString>

// Where the program finds its data (the picture library, the samples, the help) and where its
// settings go. A program run from its build folder has its data beside the executable and keeps
// settings.ini there too; an installed one finds its data in the shared data folder (for
// /usr/bin/vexilardo, /usr/share/vexilardo) and keeps its settings in the user's own folder,
// whoever runs it.
struct ProgramFolders {
    QString data;
    bool installed = false;

    // `executableFolder` is the folder of the running executable; `installedData` the data
    // folder relative to it once installed (an absolute path is taken as it is). Data beside
    // the executable wins; with data in neither place the executable's folder is named, so the
    // library loader says what is missing there.
    static ProgramFolders locate(const QString& executableFolder, const QString& installedData);
    // Whether `folder` holds the program's data: the picture catalogue.
    static bool holdsData(const QString& folder);
};
