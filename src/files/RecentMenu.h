#pragma once

#include <QObject>
#include <QString>

class EditorContext;
class FileCommands;
class QMenu;

// "Последни файлове": the diagrams opened or saved last (RecentFiles), filled in each time
// the menu opens, so that what another copy of the program added shows too. Choosing one
// opens it as Load does.
class RecentMenu : public QObject {
    Q_OBJECT

public:
    RecentMenu(EditorContext& context, FileCommands& files);

    // Fills the menu from the list.
    void refresh();
    // Opens a diagram of the list, after the question about unsaved changes; a file that is
    // gone is dropped from the list.
    void open(const QString& path);

private:
    EditorContext& m_context;
    FileCommands& m_files;
    QMenu& m_menu;
};
