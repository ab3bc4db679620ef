#pragma once

#include <QObject>
#include <QString>

class EditorContext;

// "Отмени" (Ctrl+Z) and "Повтори" (Ctrl+Y) of the main menu: each entry names the step it
// takes back or does again and is disabled when there is none. Nothing happens while the
// window's commands are locked.
class HistoryCommands : public QObject {
    Q_OBJECT

public:
    explicit HistoryCommands(EditorContext& context);

    void undo();
    void redo();

private:
    void step(bool back);
    void refresh();

    EditorContext& m_context;
    // What the state panel said when the diagram was last saved or read; an undo back to that
    // diagram says it again.
    QString m_cleanText;
};
