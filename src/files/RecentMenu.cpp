#include "files/RecentMenu.h"

#include "common/Prompter.h"
#include "common/ShownText.h"
#include "files/FileCommands.h"
#include "files/RecentFiles.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

RecentMenu::RecentMenu(EditorContext& context, FileCommands& files)
    : m_context(context), m_files(files), m_menu(context.menu(QStringLiteral("mnuRecent"))) {
    connect(&m_menu, &QMenu::aboutToShow, this, &RecentMenu::refresh);
    connect(&files, &FileCommands::diagramSaved, this,
            [](const QString& fileName) { RecentFiles::add(fileName); });
    connect(&files, &FileCommands::diagramOpened, this,
            [](const QString& fileName) { RecentFiles::add(fileName); });
    refresh();
}

void RecentMenu::refresh() {
    m_menu.clear();
    const QStringList files = RecentFiles::list();
    if (files.isEmpty()) {
        QAction* none = m_menu.addAction(QStringLiteral("(няма)"));
        none->setObjectName(QStringLiteral("mnuRecentNone"));
        none->setEnabled(false);
        return;
    }
    for (const QString& path : files) {
        QAction* entry = m_menu.addAction(RecentFiles::caption(path));
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(m_menu.actions().size()));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { open(path); });
    }
}

void RecentMenu::open(const QString& path) {
    m_context.SpriInstrumentite();
    if (!QFileInfo::exists(path)) {
        // The menu is filled again when it next opens; this entry's action is still busy.
        RecentFiles::remove(path);
        m_context.prompter().message(
            QStringLiteral("Грешка"),
            QStringLiteral("Файлът „%1“ вече не съществува и е премахнат от списъка.")
                .arg(ShownText(QFileInfo(path).fileName(), 80, ShownCharacters::CodeUnits)),
            Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    if (!m_context.workspace().ZapaziPromenite())
        return;
    m_files.openDiagram(path);
}
