#pragma once

#include <QObject>

class EditorContext;

// "Копирай" of the element menu (Ctrl+C: whichever element's menu was opened last), "Постави"
// of the main menu (Ctrl+V) at the point of the last right-click on the canvas, and
// "Копирай като картинка": the whole diagram on the system clipboard.
class CopyCommands : public QObject {
    Q_OBJECT

public:
    explicit CopyCommands(EditorContext& context);

    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuCopyPicture_Click();

private:
    EditorContext& m_context;
};
