// The menus of the main window: the main menu mnuMenu and the element menu mnuOpt.
#include "common/Prompter.h"
#include "workspace/ElementMenu.h"
#include "workspace/NamedMenu.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

void frmMain::createMenu() {
    mnuMenu = NamedMenu::create(this, QStringLiteral("mnuMenu"));
    m_menus.insert(mnuMenu->objectName(), mnuMenu);

    const auto add = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* action =
            NamedMenu::addEntry(menu, QString::fromLatin1(name), QString::fromUtf8(caption));
        m_actions.insert(action->objectName(), action);
        return action;
    };
    const auto submenu = [this](QMenu* menu, const char* name, const char* caption) {
        QMenu* sub =
            NamedMenu::addSubmenu(menu, QString::fromLatin1(name), QString::fromUtf8(caption));
        m_actions.insert(sub->objectName(), sub->menuAction());
        m_menus.insert(sub->objectName(), sub);
        return sub;
    };

    add(mnuMenu, "mnuAddLast", "Добави последният");
    add(mnuMenu, "mnuDellLast", "Изтрий последния");
    mnuMenu->addSeparator();
    QMenu* mnuFunct = submenu(mnuMenu, "mnuFunct", "Функции");
    add(mnuFunct, "mnuSearch", "Търсене");
    add(mnuFunct, "mnuTable", "Решетка");
    QMenu* mnuAddEtiquetes = submenu(mnuFunct, "mnuAddEtiquetes", "Добавяне на етикети");
    add(mnuAddEtiquetes, "mnuEtiquetesDown", "Етикети отдолу");
    add(mnuAddEtiquetes, "mnuEtiquetesUp", "Етикети отгоре");
    add(mnuAddEtiquetes, "mnuEtiquetesLeft", "Етикети отляво");
    add(mnuAddEtiquetes, "mnuEtiquetesRight", "Етикети отдясно");
    add(mnuFunct, "mnuPreview", "Превю");
    mnuMenu->addSeparator();
    add(mnuMenu, "mnuAddText", "Добави текст");
    QMenu* mnuAddObject = submenu(mnuMenu, "mnuAddObject", "Добави обект");
    add(mnuAddObject, "mnuAddLib", "Добави от библиотеката");
    add(mnuAddObject, "mnuAddSketchPad", "Добави от Скицника");
    add(mnuAddObject, "mnuAddFromFile", "Добави от външен файл");
    QMenu* mnuDraw = submenu(mnuMenu, "mnuDraw", "Фигури");
    QAction* mnuAddRect = add(mnuDraw, "mnuAddRect", "Начертай квадрат");
    mnuAddElipse = submenu(mnuDraw, "mnuAddElipse", "Начертай окръжност");
    QAction* mnuEllEllipse = add(mnuAddElipse, "mnuEllEllipse", "Елипса");
    QAction* mnuEllOkr = add(mnuAddElipse, "mnuEllOkr", "Окръжност");
    QAction* mnuAddLine = add(mnuDraw, "mnuAddLine", "Начертай линия");
    mnuDraw->addSeparator();
    QAction* mnuStopInstr = add(mnuDraw, "mnuStopInstr", "Спри инструментите");
    mnuDraw->addSeparator();
    QAction* mnuHideManiFig = add(mnuDraw, "mnuHideManiFig", "Скрий манипулаторите");
    QMenu* mnuConnect = submenu(mnuMenu, "mnuConnect", "Свържи обекти");
    add(mnuConnect, "mnuCon", "Свържи с линия тип 1");
    add(mnuConnect, "mnuCon1", "Свържи с линия тип 2");
    add(mnuConnect, "mnuCon2", "Свържи с линия тип 3");
    QAction* mnuOptDraw = add(mnuMenu, "mnuOptDraw", "Опции за чертане");
    mnuMenu->addSeparator();
    add(mnuMenu, "mnuPaste", "Постави");
    mnuMenu->addSeparator();
    add(mnuMenu, "mnuPrint", "Печат");
    mnuMenu->addSeparator();
    QAction* mnuNewFile = add(mnuMenu, "mnuNewFile", "Нов файл");
    add(mnuMenu, "mnuSaveFile", "Запази файл");
    add(mnuMenu, "mnuLoadFile", "Зареди файл");
    mnuMenu->addSeparator();
    add(mnuMenu, "mnuBuffers", "Натоварване на буферите");
    add(mnuMenu, "mnuSettings", "Потребителски настройки");
    add(mnuMenu, "mnuHelp", "Помощ");
    add(mnuMenu, "mnuAbout", "Относно програмата");
    QAction* mnuExit = add(mnuMenu, "mnuExit", "Изход");
    // Beyond the program's own entries, so theirs keep their places.
    mnuMenu->addSeparator();
    QAction* mnuUndo = add(mnuMenu, "mnuUndo", "Отмени");
    QAction* mnuRedo = add(mnuMenu, "mnuRedo", "Повтори");
    submenu(mnuMenu, "mnuRecent", "Последни файлове");
    add(mnuMenu, "mnuCopyPicture", "Копирай като картинка");
    // The zoom's commands name the zoom in the caption and tick its step.
    QMenu* mnuZoom = submenu(mnuMenu, "mnuZoom", "Мащаб: 100 %");
    add(mnuZoom, "mnuZoomIn", "Увеличи");
    add(mnuZoom, "mnuZoomOut", "Намали");
    mnuZoom->addSeparator();
    for (const char* step : {"25", "50", "75", "100", "150", "200", "300", "400"}) {
        const QByteArray name = QByteArray("mnuZoom") + step;
        const QByteArray caption = QByteArray(step) + " %";
        add(mnuZoom, name.constData(), caption.constData())->setCheckable(true);
    }
    // The history's commands fill them in.
    mnuUndo->setEnabled(false);
    mnuRedo->setEnabled(false);

    for (QAction* checkable : {mnuAddRect, mnuAddElipse->menuAction(), mnuAddLine})
        checkable->setCheckable(true);

    connect(mnuAddRect, &QAction::triggered, this, &frmMain::mnuAddRect_Click);
    connect(mnuAddLine, &QAction::triggered, this, &frmMain::mnuAddLine_Click);
    connect(mnuEllEllipse, &QAction::triggered, this, &frmMain::mnuEllEllipse_Click);
    connect(mnuEllOkr, &QAction::triggered, this, &frmMain::mnuEllOkr_Click);
    connect(mnuStopInstr, &QAction::triggered, this, &frmMain::SpriInstrumentite);
    connect(mnuOptDraw, &QAction::triggered, this, &frmMain::mnuOptDraw_Click);
    connect(mnuHideManiFig, &QAction::triggered, this, &frmMain::mnuHideManiFig_Click);
    connect(mnuNewFile, &QAction::triggered, this, &frmMain::cmdNewDia_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);

    // The element menu: its entries are looked up like the main menu's.
    m_elementMenu = std::make_unique<ElementMenu>(*m_workspace, this);
    m_menus.insert(QStringLiteral("mnuOpt"), &m_elementMenu->menu());
    for (auto it = m_elementMenu->actions().cbegin(); it != m_elementMenu->actions().cend(); ++it) {
        Q_ASSERT(!m_actions.contains(it.key()));
        m_actions.insert(it.key(), it.value());
    }
    createShortcuts();
}

void frmMain::createShortcuts() {
    // Plain Ctrl only: Ctrl+Shift and Alt+Shift switch the keyboard layout on many desktops.
    const struct {
        const char* entry;
        QKeySequence keys;
    } shortcuts[] = {
        {"mnuCopy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"mnuPaste", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"mnuRedo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"mnuNewFile", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"mnuLoadFile", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuSaveFile", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuHelp", QKeySequence(Qt::Key_F1)},
        {"mnuSearch", QKeySequence(Qt::CTRL | Qt::Key_F)},
        // Ctrl++ needs Shift on most layouts: Ctrl+= instead, and Ctrl with the keypad's + (the
        // keypad's mark does not reach shortcuts on every platform, so Ctrl with any + does).
        {"mnuZoomIn", QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        {"mnuZoomIn", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"mnuZoomOut", QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"mnuZoom100", QKeySequence(Qt::CTRL | Qt::Key_0)},
    };
    for (const auto& shortcut : shortcuts) {
        QAction& entry = action(QString::fromLatin1(shortcut.entry));
        // The first keys of an entry are shown beside it; they work from the menu while the
        // menu is open.
        if (entry.shortcut().isEmpty())
            entry.setShortcut(shortcut.keys);
        // And from the window, as the entry would: not while the commands are locked or the
        // entry is disabled.
        auto* key = new QShortcut(shortcut.keys, this);
        connect(key, &QShortcut::activated, this, [this, &entry] {
            if (mnuMenu->isEnabled() && entry.isEnabled())
                entry.trigger();
        });
    }
}

void frmMain::cmdMenu_Click() {
    popupAtCentreOf(*mnuMenu, *cmdMenu);
}
