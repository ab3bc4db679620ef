#pragma once

#include <QString>
#include <QStringList>

// The diagrams opened or saved last, most recent first, remembered per user from run to run
// in the program's QSettings (never in settings.ini). Each file is there once, by its
// canonical path (or its absolute one while it is missing). What the configuration holds is
// checked whenever it is read: only absolute .dia paths count, at most Capacity of them.
namespace RecentFiles {

constexpr int Capacity = 8;

QStringList list();
// Puts a diagram at the top of the list; an empty name or a file of another kind changes
// nothing.
void add(const QString& path);
void remove(const QString& path);
// The menu caption: the file's name, then its folder cut short from the left, with "&" shown
// as itself.
QString caption(const QString& path);

} // namespace RecentFiles
