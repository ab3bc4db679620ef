#include "files/FileCommands.h"

#include "common/BoundedFileReader.h"
#include "common/DialogFolders.h"
#include "common/Prompter.h"
#include "common/ShownText.h"
#include "common/WriteNotationReader.h"
#include "export/frmJPGQuality.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "files/VectorExport.h"
#include "workspace/CanvasTools.h"
#include "workspace/CommandsLocked.h"
#include "workspace/DiagramState.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/SelectionTool.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace {

// Where a message names something from a file: printable characters only, cut short.
QString Shown(const QString& text, int length = 40) {
    return ShownText(text, length, ShownCharacters::CodeUnits);
}

void Warn(Prompter& prompter, const QString& text) {
    prompter.message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                     Prompter::Buttons::Ok);
}

} // namespace

FileCommands::FileCommands(EditorContext& context) : m_context(context) {
    auto selection = std::make_unique<SelectionTool>(context.workspace());
    m_selection = selection.get();
    m_selection->regionMarked = [this](const QRectF& box) { regionMarked(box); };
    context.tools().add(ToolState::selection(), std::move(selection));
    context.workspace().saveCommand = [this] { cmdSave_Click(); };

    connect(&context.button(QStringLiteral("cmdSave")), &QPushButton::clicked, this,
            &FileCommands::cmdSave_Click);
    connect(&context.action(QStringLiteral("mnuSaveFile")), &QAction::triggered, this,
            &FileCommands::cmdSave_Click);
    connect(&context.button(QStringLiteral("cmdLoad")), &QPushButton::clicked, this,
            &FileCommands::cmdLoad_Click);
    connect(&context.action(QStringLiteral("mnuLoadFile")), &QAction::triggered, this,
            &FileCommands::cmdLoad_Click);
}

FileCommands::~FileCommands() {
    // The selection tool stays with the canvas (unless something took its place); it no
    // longer reaches these commands.
    if (m_context.tools().find(ToolState::selection()) == m_selection)
        m_selection->regionMarked = nullptr;
    m_context.workspace().saveCommand = nullptr;
}

QString FileCommands::saveFilters() {
    return QStringLiteral("DIA файлове (*.dia);;BMP файлове (*.bmp);;GIF файлове (*.gif);;"
                          "JPG файлове (*.jpg);;SVG файл (*.svg);;PDF файл (*.pdf)");
}

QString FileCommands::loadFilters() {
    return QStringLiteral("DIA файлове (*.dia)");
}

// ---- Save ----

void FileCommands::cmdSave_Click() {
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    Prompter& prompter = m_context.prompter();
    int filter = 0;
    QString fileName =
        prompter.saveFileName(QStringLiteral("Запазване на диаграмата"), saveFilters(),
                              DialogFolders::folder(DialogFolders::Kind::Diagrams), &filter);
    if (fileName.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Kind::Diagrams, fileName);
    m_context.Kontrolite(false);
    scrollToOrigin();

    // Filter 1 is the diagram, 2 to 4 the pictures, 5 and 6 the drawings that stay sharp; a
    // filter the dialog does not report counts as the first.
    const int index = filter >= 0 && filter <= 5 ? filter + 1 : 1;
    if (index == 1) {
        if (!fileName.endsWith(QLatin1String(".dia"), Qt::CaseInsensitive))
            fileName += QStringLiteral(".dia");
        if (!SaveFile(fileName)) {
            m_context.Kontrolite(true);
            return;
        }
        showFileName(fileName);
        // The file holds the diagram from here on, whatever the message below waits for.
        emit diagramSaved(fileName);
        completeSave(true);
        return;
    }

    ws.diagram.SelPicture = 0;
    static const char* const suffixes[] = {".bmp", ".gif", ".jpg", ".svg", ".pdf"};
    static const ExportFormat formats[] = {Bmp, Gif, Jpeg, Svg, Pdf};
    const QLatin1String suffix(suffixes[index - 2]);
    if (!fileName.endsWith(suffix, Qt::CaseInsensitive))
        fileName += suffix;
    const int16_t format = formats[index - 2];
    const Prompter::Answer part = prompter.message(
        QStringLiteral("Запазване"),
        QStringLiteral("Желаете ли да изберете само дял от диаграмата за съхранение ?"),
        Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (part == Prompter::Answer::Yes) {
        // The export goes on when the rectangle is marked; the commands stay locked until
        // then.
        m_exportFormat = format;
        m_exportFile = fileName;
        if (ws.settings.ShowInfo)
            prompter.message(QStringLiteral("Съхранение на файл"),
                             QStringLiteral("Маркирайте желания дял с мишката сега !"),
                             Prompter::Icon::Information, Prompter::Buttons::Ok);
        ws.diagram.SelPicture = -1;
        ws.tools.mode = ToolState::selection();
        ws.setCanvasPointer(Qt::CrossCursor);
        ws.diagram.connection.step = ConnectionState::None;
        return;
    }
    exportImage(format, fileName);
}

void FileCommands::scrollToOrigin() {
    Workspace& ws = m_context.workspace();
    // After a save or an export the canvas shows the diagram from the unscrolled origin.
    if (!ws.canvas.view.origin.isNull() || m_context.canvasScrollable())
        m_context.scrollTo(0, 0);
}

void FileCommands::exportImage(int16_t format, const QString& fileName) {
    Workspace& ws = m_context.workspace();
    m_context.Proveri();
    if (format == Svg || format == Pdf) {
        finishVectorExport(
            format, ImageExport::wholeDiagramBox(ws, ws.canvas.width, ws.canvas.height), fileName,
            QStringLiteral("Диаграмата е празна и няма какво да се запише."));
        return;
    }
    finishExport(format, ImageExport::wholeDiagram(ws, ws.canvas.width, ws.canvas.height), fileName,
                 QStringLiteral("Диаграмата е празна и няма какво да се запише като "
                                "картина."));
}

void FileCommands::regionMarked(const QRectF& box) {
    // What the canvas shows inside the rectangle: the repaint's layer with every picture
    // object and text field over it.
    m_context.workspace().diagram.SelPicture = 0;
    if (m_exportFormat == Svg || m_exportFormat == Pdf) {
        finishVectorExport(m_exportFormat, box, m_exportFile,
                           QStringLiteral("Маркираният дял е празен и няма какво да се запише."));
        return;
    }
    finishExport(m_exportFormat, ImageExport::region(m_context.workspace(), box), m_exportFile,
                 QStringLiteral("Маркираният дял е празен и няма какво да се запише."));
}

void FileCommands::finishExport(int16_t format, const ImageExport::Rendering& rendering,
                                const QString& fileName, const QString& whenEmpty) {
    if (rendering.error) {
        Warn(m_context.prompter(), *rendering.error);
        m_context.Kontrolite(true);
        return;
    }
    const QImage& picture = rendering.picture;
    if (picture.isNull()) {
        m_context.prompter().message(QStringLiteral("Запазване"), whenEmpty,
                                     Prompter::Icon::Information, Prompter::Buttons::Ok);
        m_context.Kontrolite(true);
        return;
    }
    if (format == Jpeg) {
        // The dialog completes the export, whichever way it ends.
        frmJPGQuality dialog(m_context, picture, fileName);
        dialog.exec();
        return;
    }
    const bool written = writePicture(format, picture, fileName);
    m_context.Pre4ertai();
    if (written)
        completeSave(false);
    else
        m_context.Kontrolite(true);
}

void FileCommands::finishVectorExport(int16_t format, const QRectF& box, const QString& fileName,
                                      const QString& whenEmpty) {
    if (ImageExport::regionPixels(box).isEmpty()) {
        m_context.prompter().message(QStringLiteral("Запазване"), whenEmpty,
                                     Prompter::Icon::Information, Prompter::Buttons::Ok);
        m_context.Kontrolite(true);
        return;
    }
    // The commands are still locked from the Save command.
    const std::optional<QString> error = VectorExport::save(
        m_context.workspace(), box,
        format == Svg ? VectorExport::Format::Svg : VectorExport::Format::Pdf, fileName);
    m_context.Pre4ertai();
    if (!error) {
        completeSave(false);
        return;
    }
    Warn(m_context.prompter(), *error);
    m_context.Kontrolite(true);
}

bool FileCommands::writePicture(int16_t format, const QImage& picture, const QString& fileName) {
    std::optional<QString> error;
    if (format == Bmp) {
        error = ImageExport::saveBmp(picture, fileName);
    } else {
        // The window stays painted while the rows are coded, but takes no input: a click
        // must not start a second command halfway through the file.
        m_context.beginProgress(100);
        error = ImageExport::saveGif(picture, fileName, [this](int percents) {
            m_context.setProgress(percents, 100);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        m_context.endProgress();
    }
    if (error)
        Warn(m_context.prompter(), *error);
    return !error;
}

void FileCommands::completeSave(bool diagramWritten) {
    Workspace& ws = m_context.workspace();
    if (ws.settings.ShowInfo)
        m_context.prompter().message(
            QStringLiteral("Съобщение"),
            QStringLiteral("Диаграмата е съхранена. Може да продължите работата си"),
            Prompter::Icon::Information, Prompter::Buttons::Ok);
    // A picture of the diagram is no copy of it: its changes are still unsaved.
    if (diagramWritten)
        ws.setModified(false);
    ws.setStateText(DiagramStateText::saved());
    m_context.Kontrolite(true);
}

void FileCommands::showFileName(const QString& fileName) {
    Workspace& ws = m_context.workspace();
    ws.setFileText(DiagramStateText::file(fileName));
    // "[*]" is where the window puts its mark of unsaved changes; a name holding those three
    // characters shows them as they are.
    QString name = QFileInfo(fileName).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    m_context.mainWindow().setWindowTitle(ws.diagram.ImeForma + QStringLiteral(" - ") + name +
                                          QStringLiteral("[*]"));
}

bool FileCommands::SaveFile(const QString& fileName) {
    Workspace& ws = m_context.workspace();
    std::optional<QString> error;
    {
        const CommandsLocked locked(m_context, ElementStore::Capacity);
        // Written to the file as it is made: a large diagram is never held whole.
        error = ImageExport::saveStream(
            [this, &ws](const ImageExport::ByteSink& sink) {
                return DiaFile::write(ws, sink, [this](int value, int maximum) {
                    m_context.setProgress(value, maximum);
                });
            },
            fileName);
    }
    // The commands are back before the warning comes up.
    if (error)
        Warn(m_context.prompter(), *error);
    return !error;
}

// ---- Load ----

void FileCommands::cmdLoad_Click() {
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    if (!ws.ZapaziPromenite())
        return;
    int filter = 0;
    const QString fileName = m_context.prompter().openFileName(
        QStringLiteral("Зареждане на диаграма от файл"), loadFilters(),
        DialogFolders::folder(DialogFolders::Kind::Diagrams), &filter);
    if (fileName.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Kind::Diagrams, fileName);
    openDiagram(fileName);
}

void FileCommands::openDiagram(const QString& fileName) {
    Workspace& ws = m_context.workspace();
    ws.Iz4isti();
    const QStringList missing = LoadFile(fileName);
    m_context.action(QStringLiteral("mnuPaste")).setEnabled(false);
    ws.setStateText(DiagramStateText::loaded());
    showFileName(fileName);
    // Told once the diagram is up with its name.
    tellMissing(missing);
    if (m_readRecognised)
        emit diagramOpened(fileName);
}

bool FileCommands::openRecovered(const QString& path, const QString& fileName) {
    Workspace& ws = m_context.workspace();
    m_context.SpriInstrumentite();
    ws.Iz4isti();
    const QStringList missing = LoadFile(path);
    m_context.action(QStringLiteral("mnuPaste")).setEnabled(false);
    if (fileName.isEmpty()) {
        ws.setFileText(DiagramStateText::noFile());
        m_context.mainWindow().setWindowTitle(ws.diagram.ImeForma + QStringLiteral("[*]"));
    } else {
        showFileName(fileName);
    }
    // Whatever the file on disk holds, this diagram has not been saved there.
    ws.setStateText(DiagramStateText::changed());
    ws.setModified(true);
    tellMissing(missing);
    return m_readWhole;
}

void FileCommands::tellMissing(const QStringList& missing) {
    if (!missing.isEmpty()) {
        QStringList keys;
        for (const QString& key : missing.mid(0, 10))
            keys << Shown(key);
        QString text = QStringLiteral("Библиотеката няма картинките на тези обекти; на тяхно "
                                      "място стои заместител:\n") +
                       keys.join(QStringLiteral(", "));
        if (missing.size() > keys.size())
            text += QStringLiteral(" и още %1").arg(missing.size() - keys.size());
        Warn(m_context.prompter(), text);
    }
}

QStringList FileCommands::LoadFile(const QString& fileName) {
    Workspace& ws = m_context.workspace();
    Prompter& prompter = m_context.prompter();
    const CommandsLocked locked(m_context, ElementStore::Capacity);
    // A diagram is shown from the unscrolled origin.
    m_context.scrollTo(0, 0);
    DiaFile::ReadResult result;
    // Read as it is parsed: a large diagram is never held whole.
    const BoundedFileReader::Status status =
        BoundedFileReader::stream(fileName, WriteNotationReader::MaxFileBytes,
                                  [this, &ws, &result](const BoundedFileReader::Source& source) {
                                      result =
                                          DiaFile::read(ws, source, [this](int value, int maximum) {
                                              m_context.setProgress(value, maximum);
                                          });
                                  });
    m_readRecognised = status == BoundedFileReader::Status::Read && result.recognised;
    m_readWhole = m_readRecognised && result.ended && result.damagedRecords == 0;
    if (status != BoundedFileReader::Status::Read) {
        const QString name = Shown(QFileInfo(fileName).fileName(), 80);
        Warn(prompter,
             status == BoundedFileReader::Status::TooLarge
                 ? QStringLiteral("Файлът „%1“ е прекалено голям и не е прочетен.").arg(name)
                 : QStringLiteral("Файлът „%1“ не може да бъде прочетен.").arg(name));
    }
    m_context.Pre4ertai();
    m_context.Proveri();
    return result.missingKeys;
}
