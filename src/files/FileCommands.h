#pragma once

#include "files/ImageExport.h"

#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>

class EditorContext;
class SelectionTool;

// Save, Load and the image export: the .dia file with the progress bar and the commands
// locked, BMP, GIF and JPEG pictures and SVG and PDF drawings of the whole diagram or of a
// region marked with the mouse (which spans two user actions: the command, then the
// rectangle).
class FileCommands : public QObject {
    Q_OBJECT

public:
    explicit FileCommands(EditorContext& context);
    ~FileCommands() override;

    // Export formats, as the region export remembers them.
    enum ExportFormat : int16_t { Jpeg = 1, Gif = 2, Bmp = 3, Svg = 4, Pdf = 5 };

    static QString saveFilters();
    static QString loadFilters();

    // The selection tool of the canvas: it serves the region export here, and new grids.
    SelectionTool& selection() const { return *m_selection; }

    void cmdSave_Click();
    void cmdLoad_Click();
    // Opens a diagram without the questions of the Load command (a file named on the command
    // line at start-up, a recent file).
    void openDiagram(const QString& fileName);
    // Opens a diagram kept by the autosave as changed, under the name it had (`fileName`, or
    // none when empty). True when the whole file was read.
    bool openRecovered(const QString& path, const QString& fileName);

    // The writer and the reader with the progress bar, the hourglass and the commands
    // locked. SaveFile tells the user when the file could not be written and returns false;
    // the old file is then untouched.
    bool SaveFile(const QString& fileName);
    // Gives the library keys the diagram names that the library lacks.
    QStringList LoadFile(const QString& fileName);

signals:
    // A diagram was written whole to `fileName` by the Save command.
    void diagramSaved(const QString& fileName);
    // A diagram was read from `fileName` (Load, the command line, a recent file).
    void diagramOpened(const QString& fileName);

private:
    void scrollToOrigin();
    void exportImage(int16_t format, const QString& fileName);
    void regionMarked(const QRectF& box);
    // Writes a BMP or GIF picture; false after telling the user why it could not.
    bool writePicture(int16_t format, const QImage& picture, const QString& fileName);
    // Writes the picture of an export, or tells the user why there is none.
    void finishExport(int16_t format, const ImageExport::Rendering& rendering,
                      const QString& fileName, const QString& whenEmpty);
    // Writes the SVG or PDF drawing of the `box` rectangle, or tells the user why there is none.
    void finishVectorExport(int16_t format, const QRectF& box, const QString& fileName,
                            const QString& whenEmpty);
    // The end of a successful save; only writing the diagram itself clears its changes.
    void completeSave(bool diagramWritten);
    void showFileName(const QString& fileName);
    // Tells the user which library pictures a diagram read lacks.
    void tellMissing(const QStringList& missing);

    EditorContext& m_context;
    SelectionTool* m_selection = nullptr;
    int16_t m_exportFormat = 0;
    QString m_exportFile; // the file a pending region export goes to
    // How the last LoadFile went.
    bool m_readRecognised = false; // read, and a diagram
    bool m_readWhole = false;      // and nothing in it was damaged
};
