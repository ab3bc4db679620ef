#pragma once

#include <QString>

// The folders the file dialogs open in, remembered per user from run to run in the
// program's QSettings (never in settings.ini): one for Load and Save, which holds the
// diagrams and the pictures exported from them, and one for imported pictures.
namespace DialogFolders {

enum class Kind { Diagrams, Pictures };

// The folder last used for `kind`; the home folder when none is remembered or it is gone.
QString folder(Kind kind);
// Remembers the folder of a file chosen in a dialog of `kind`; an empty name changes nothing.
void remember(Kind kind, const QString& chosenFile);

} // namespace DialogFolders
