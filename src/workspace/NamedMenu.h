#pragma once

#include <QString>

class QAction;
class QMenu;
class QWidget;

// Menus built in code: every menu, entry and submenu carries its name, so the commands, the
// wiring and the tests find it by name.
namespace NamedMenu {
QMenu* create(QWidget* parent, const QString& name, const QString& title = QString());
QAction* addEntry(QMenu* menu, const QString& name, const QString& caption);
// The submenu and the entry that opens it share the name.
QMenu* addSubmenu(QMenu* parent, const QString& name, const QString& caption);
} // namespace NamedMenu
