#include "workspace/ElementMenu.h"

#include "workspace/CanvasGeometry.h"
#include "workspace/NamedMenu.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

ElementMenu::ElementMenu(Workspace& workspace, QWidget* parent) : m_workspace(workspace) {
    m_menu = NamedMenu::create(parent, QStringLiteral("mnuOpt"), QStringLiteral("Опции"));
    const auto add = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a =
            NamedMenu::addEntry(menu, QString::fromLatin1(name), QString::fromUtf8(caption));
        m_actions.insert(a->objectName(), a);
        return a;
    };
    const auto submenu = [this](const char* name, const char* caption) {
        QMenu* sub =
            NamedMenu::addSubmenu(m_menu, QString::fromLatin1(name), QString::fromUtf8(caption));
        m_actions.insert(sub->objectName(), sub->menuAction());
        return sub;
    };
    add(m_menu, "mnuCopy", "Копирай");
    add(m_menu, "mnuOptDelete", "Изтрий");
    m_menu->addSeparator();
    add(m_menu, "mnuOptEdit", "Текст");
    add(m_menu, "mnuOptFont", "Шрифт");
    QAction* EmpL2 = m_menu->addSeparator();
    EmpL2->setObjectName(QStringLiteral("EmpL2"));
    m_actions.insert(EmpL2->objectName(), EmpL2);
    add(m_menu, "mnuSizePic", "Оразмери");
    QMenu* mnuFlPic = submenu("mnuFlPic", "Завъртане / обръщане");
    add(mnuFlPic, "mnuHoriz", "Обърни хоризонтално");
    add(mnuFlPic, "mnuFlip90", "Обърни на 90 градуса");
    add(mnuFlPic, "mnuFlipVert", "Обърни вертикално");
    QMenu* mnuEtiket = submenu("mnuEtiket", "Изведи етикет");
    add(mnuEtiket, "mnuEtiketDown", "Отдолу");
    add(mnuEtiket, "mnuEtiketUp", "Отгоре");
    add(mnuEtiket, "mnuEtiketLeft", "Отляво");
    add(mnuEtiket, "mnuEtiketRight", "Отдясно");
}

void ElementMenu::open(ElementRef element) {
    if (element.kind != ElementKind::Picture && element.kind != ElementKind::Text)
        return;
    const bool picture = element.kind == ElementKind::Picture;
    m_workspace.diagram.contextElement = element;
    m_actions.value(QStringLiteral("mnuOptFont"))->setVisible(!picture);
    for (const char* name : {"mnuEtiket", "mnuSizePic", "mnuFlPic", "EmpL2"})
        m_actions.value(QString::fromLatin1(name))->setVisible(picture);
    m_workspace.setOutline(1, true,
                           CanvasGeometry::outlineAround(m_workspace.elementRect(element)));
    m_menu->popup(QCursor::pos());
}
