#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSizeF>

class EditorContext;
class frmAddPaint;

// "Добави от Скицника": opens the sketchpad beside the main window (one at a time) and puts
// what it inserts into the diagram as a picture object of the diagram's own.
class SketchpadCommands : public QObject {
    Q_OBJECT

public:
    explicit SketchpadCommands(EditorContext& context);
    ~SketchpadCommands() override;

    void mnuAddSketchPad_Click();
    frmAddPaint* sketchpad() const;
    // One step of the diagram: a new "SKETCHPAD" object holding `picture`, `twips` in size.
    bool insert(const QImage& picture, QSizeF twips);

private:
    EditorContext& m_context;
    QPointer<frmAddPaint> m_window;
};
