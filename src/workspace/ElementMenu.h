#pragma once

#include "workspace/ElementKind.h"

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QWidget;
class Workspace;

// The context menu "Опции" (mnuOpt) of picture objects and text fields, built once with
// named entries. The picture, text, copy, resize, orientation and label commands attach to
// its entries by name.
class ElementMenu {
public:
    ElementMenu(Workspace& workspace, QWidget* parent);

    QMenu& menu() const { return *m_menu; }
    // The entry of that name, or null.
    QAction* action(const QString& name) const { return m_actions.value(name); }
    const QHash<QString, QAction*>& actions() const { return m_actions; }

    // Makes the element the context element, shows the entries that fit its kind, puts the
    // outline Ogr(1) around it and pops the menu up at the mouse pointer.
    void open(ElementRef element);

private:
    Workspace& m_workspace;
    QMenu* m_menu = nullptr;
    QHash<QString, QAction*> m_actions;
};
