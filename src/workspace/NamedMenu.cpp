#include "workspace/NamedMenu.h"

#include <QAction>
#include <QMenu>

namespace NamedMenu {

QMenu* create(QWidget* parent, const QString& name, const QString& title) {
    QMenu* menu = new QMenu(parent);
    menu->setObjectName(name);
    if (!title.isEmpty())
        menu->setTitle(title);
    return menu;
}

QAction* addEntry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    return entry;
}

QMenu* addSubmenu(QMenu* parent, const QString& name, const QString& caption) {
    QMenu* sub = parent->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    return sub;
}

} // namespace NamedMenu
