#pragma once

#include "workspace/Pano.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QImage;
class QMenu;
class frmAddObject;
class frmMain;

// Adding, dragging and deleting picture objects, and the context menu of canvas elements.
class PictureCommands : public QObject, public Pano::ElementHandler {
    Q_OBJECT

public:
    explicit PictureCommands(frmMain& main);
    ~PictureCommands() override;

    QMenu* mnuAddObject = nullptr; // "Добави обект", popped up by cmdAdd
    QMenu* mnuOpt = nullptr;       // "Опции", the context menu of pictures and text fields
    QAction* contextAction(const QString& name) const;

    void cmdAdd_Click();
    void cmdAddLast_Click();
    void mnuAddLib_Click();
    void mnuAddFromFile_Click();
    // Reads an image file and adds it as a picture object; false (after telling the user
    // why) when the file is no picture this program can read.
    bool addPictureFromFile(const QString& path);
    void mnuOptDelete_Click();

    frmAddObject* chooser() const;
    bool dragging() const { return m_dragging; }

    // The outline 40 twips outside an element's box.
    static QRectF outlineAround(const QRectF& box);

    // Mouse on a picture object.
    void elementMouseDown(int slot, Qt::MouseButton button, QPointF relative,
                          QPointF canvas) override;
    void elementMouseMove(int slot, Qt::MouseButtons buttons, QPointF relative) override;
    void elementMouseUp(int slot, Qt::MouseButton button, QPointF relative) override;

    // Opens the context menu for a picture object or a text field at the mouse.
    void openContextMenu(Pano::ElementKind kind, int slot);

private:
    void createMenus();

    frmMain& m_main;
    QPointer<frmAddObject> m_chooser;
    bool m_dragging = false;
};
