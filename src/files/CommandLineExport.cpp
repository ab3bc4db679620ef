#include "files/CommandLineExport.h"

#include "common/BoundedFileReader.h"
#include "common/Prompter.h"
#include "common/WriteNotationReader.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "files/VectorExport.h"
#include "kinds/CoreKinds.h"
#include "library/CatalogueLoader.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QFileInfo>

namespace CommandLineExport {

namespace {

int fail(Prompter& prompter, const QString& text) {
    prompter.message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                     Prompter::Buttons::Ok);
    return Failed;
}

} // namespace

int readDiagram(Workspace& ws, const QString& diagram, const QString& programFolder,
                Prompter& prompter) {
    // The library's own faults do not stop an export; missing pictures are told below.
    CatalogueLoader(QDir(programFolder).filePath(CatalogueLoader::folderName()), ws.kartinki)
        .loadAll();

    DiaFile::ReadResult read;
    // Read as it is parsed: a large diagram is never held whole.
    if (BoundedFileReader::stream(diagram, WriteNotationReader::MaxFileBytes,
                                  [&ws, &read](const BoundedFileReader::Source& source) {
                                      read = DiaFile::read(ws, source);
                                  }) != BoundedFileReader::Status::Read)
        return fail(prompter, QStringLiteral("Файлът „%1“ не може да бъде прочетен.")
                                  .arg(QFileInfo(diagram).fileName()));
    if (!read.recognised)
        return Failed;
    if (!read.missingKeys.isEmpty())
        prompter.message(QStringLiteral("Внимание"),
                         QStringLiteral("Библиотеката няма картинките на тези обекти; на тяхно "
                                        "място стои заместител: ") +
                             read.missingKeys.join(QStringLiteral(", ")),
                         Prompter::Icon::Warning, Prompter::Buttons::Ok);
    return Done;
}

int run(const QString& diagram, const QString& output, int quality, const QString& programFolder,
        Prompter& prompter) {
    const QString suffix = QFileInfo(output).suffix().toLower();
    static const QStringList known = {QStringLiteral("dia"),  QStringLiteral("bmp"),
                                      QStringLiteral("gif"),  QStringLiteral("jpg"),
                                      QStringLiteral("jpeg"), QStringLiteral("png"),
                                      QStringLiteral("svg"),  QStringLiteral("pdf")};
    if (!known.contains(suffix)) {
        fail(prompter, QStringLiteral("Непознат вид на изходния файл „%1“: очаква се .dia, .bmp, "
                                      ".gif, .jpg, .png, .svg или .pdf.")
                           .arg(QFileInfo(output).fileName()));
        return Usage;
    }
    if (quality < 1 || quality > 100) {
        fail(prompter, QStringLiteral("Качеството на JPG трябва да е от 1 до 100."));
        return Usage;
    }

    Workspace ws(prompter, CoreKinds());
    if (const int read = readDiagram(ws, diagram, programFolder, prompter); read != Done)
        return read;

    std::optional<QString> error;
    if (suffix == QLatin1String("dia")) {
        error = ImageExport::saveStream(
            [&ws](const ImageExport::ByteSink& sink) { return DiaFile::write(ws, sink); }, output);
    } else if (const std::optional<VectorExport::Format> vector = VectorExport::formatOf(output)) {
        const QRectF box = ImageExport::wholeDiagramBox(ws, 0, 0);
        if (box.isEmpty())
            return fail(prompter, QStringLiteral("Диаграмата е празна и няма какво да се запише."));
        error = VectorExport::save(ws, box, *vector, output);
    } else {
        const ImageExport::Rendering rendering = ImageExport::wholeDiagram(ws, 0, 0);
        if (rendering.error)
            return fail(prompter, *rendering.error);
        const QImage& picture = rendering.picture;
        if (picture.isNull())
            return fail(
                prompter,
                QStringLiteral("Диаграмата е празна и няма какво да се запише като картина."));
        if (suffix == QLatin1String("bmp"))
            error = ImageExport::saveBmp(picture, output);
        else if (suffix == QLatin1String("gif"))
            error = ImageExport::saveGif(picture, output);
        else if (suffix == QLatin1String("png"))
            error = ImageExport::savePng(picture, output);
        else
            error = ImageExport::saveJpeg(picture, output, quality, prompter);
    }
    if (error)
        return fail(prompter, *error);
    return Done;
}

} // namespace CommandLineExport
