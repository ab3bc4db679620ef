#pragma once

#include <QObject>

class EditorContext;
class QImage;
struct PictureObject;

// "Завъртане / обръщане" of the element menu: the two mirrors and the exchange of rows and
// columns, on the picture object whose menu was opened. The changed pixels become the
// object's own ("SKETCHPAD"); its name and top-left corner stay.
class OrientationCommands : public QObject {
    Q_OBJECT

public:
    explicit OrientationCommands(EditorContext& context);

    void mnuHoriz_Click();
    void mnuFlipVert_Click();
    void mnuFlip90_Click();

private:
    // The context element when it is a picture object in use, else null.
    PictureObject* contextPicture() const;
    void showNewPicture(PictureObject& object, const QImage& picture);

    EditorContext& m_context;
};
