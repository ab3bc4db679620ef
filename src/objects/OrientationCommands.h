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
    // The slot of the context element when it is a picture object with a picture, else 0.
    int16_t contextPicture() const;
    // Gives the object a new picture as the step `step`; `swapSides` swaps its width and
    // height in the same step.
    void showNewPicture(int16_t slot, const QImage& picture, const QString& step,
                        bool swapSides = false);

    EditorContext& m_context;
};
