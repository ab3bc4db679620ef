#include "files/ImageExport.h"

#include "common/AtomicSave.h"
#include "common/Numeric.h"
#include "common/Units.h"
#include "export/GIF.h"
#include "export/JpegWriter.h"
#include "export/cDIBSection.h"
#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <limits>

namespace ImageExport {

namespace {

bool isEmpty(const ElementStore& store) {
    return store.usedCount(ElementKind::Picture) == 0 && store.usedCount(ElementKind::Text) == 0 &&
           store.usedCount(ElementKind::Shape) == 0 && store.usedGridCount() == 0;
}

std::optional<QString> savePicture(const QImage& picture, const QString& path, const char* format) {
    if (picture.isNull())
        return AtomicSave::cannotWrite(path, QStringLiteral("картината е празна."));
    // Encoded in memory first: image writers do not all notice a failing device.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        return AtomicSave::cannotWrite(path, QStringLiteral("картината не може да бъде кодирана."));
    return saveBytes(bytes, path);
}

} // namespace

QRectF wholeDiagramBox(const Workspace& workspace, double innerWidth, double innerHeight) {
    if (isEmpty(workspace.store()))
        return {};
    constexpr double none = std::numeric_limits<int>::max();
    const DiagramExtent e =
        workspace.extent(innerWidth > 0 ? innerWidth : none, innerHeight > 0 ? innerHeight : none);
    const double margin = CanvasGeometry::ExportMargin;
    return QRectF(e.minLeft - margin, e.minTop - margin,
                  double(e.maxRight) - e.minLeft + 2 * margin,
                  double(e.maxBottom) - e.minTop + 2 * margin);
}

QSize regionPixels(const QRectF& twips) {
    return QSize(RoundHalfEven(TwipsToPixelsExact(twips.width())),
                 RoundHalfEven(TwipsToPixelsExact(twips.height())));
}

std::optional<QString> refusedSize(const QSize& pixels, const SizeLimits& limits) {
    const qint64 bytes = qint64(pixels.width()) * pixels.height() * 4;
    if (pixels.width() <= limits.largestSide && pixels.height() <= limits.largestSide &&
        bytes <= limits.largestBytes)
        return std::nullopt;
    return QStringLiteral("Картината би била %1 x %2 пиксела, а може да бъде най-много %3 "
                          "пиксела на страна и %4 MiB памет.")
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(limits.largestSide)
        .arg(limits.largestBytes >> 20);
}

Rendering region(const Workspace& workspace, const QRectF& twips, const SizeLimits& limits) {
    const QSize pixels = regionPixels(twips);
    if (pixels.width() <= 0 || pixels.height() <= 0)
        return {};
    if (std::optional<QString> refused = refusedSize(pixels, limits))
        return {QImage(), refused};
    QImage picture = workspace.renderRegion(twips);
    if (picture.isNull())
        return {QImage(), QStringLiteral("Няма достатъчно памет за картина от %1 x %2 пиксела.")
                              .arg(pixels.width())
                              .arg(pixels.height())};
    return {picture, std::nullopt};
}

Rendering wholeDiagram(const Workspace& workspace, double innerWidth, double innerHeight,
                       const SizeLimits& limits) {
    const QRectF box = wholeDiagramBox(workspace, innerWidth, innerHeight);
    return box.isEmpty() ? Rendering{} : region(workspace, box, limits);
}

std::optional<QString> saveBmp(const QImage& picture, const QString& path) {
    return savePicture(picture.convertToFormat(QImage::Format_RGB888), path, "BMP");
}

std::optional<QString> savePng(const QImage& picture, const QString& path) {
    return savePicture(picture, path, "PNG");
}

std::optional<QString> saveGif(const QImage& picture, const QString& path,
                               const std::function<void(int percents)>& progress) {
    // The program's own exports: no transparency, so the colour is not looked at.
    GIF gif;
    if (progress)
        gif.Progress = [&progress](int16_t percents) { progress(percents); };
    const int32_t corner = picture.isNull() ? 0 : QColorToColour(picture.pixelColor(0, 0));
    if (!gif.SaveGIF(picture, path, false, corner))
        return gif.lastError();
    return std::nullopt;
}

std::optional<QString> saveJpeg(const QImage& picture, const QString& path, int quality,
                                Prompter& prompter) {
    cDIBSection dib;
    if (!dib.CreateFromPicture(picture) || !WriteJPGFile(dib, path, quality, prompter))
        return QStringLiteral("Не може да се съхрани Jpg файла: '%1'").arg(path);
    return std::nullopt;
}

std::optional<QString> saveBytes(const QByteArray& bytes, const QString& path) {
    return AtomicSave::save(path, bytes);
}

std::optional<QString> saveStream(const std::function<bool(const ByteSink&)>& produce,
                                  const QString& path) {
    AtomicSave file(path);
    if (!file.open())
        return file.message();
    if (!produce([&file](const char* data, qsizetype size) { return file.write(data, size); }))
        return file.reason().isEmpty()
                   ? AtomicSave::cannotWrite(
                         path, QStringLiteral("записът прекъсна (няма ли място на диска?)."))
                   : file.message();
    if (!file.commit())
        return file.message();
    return std::nullopt;
}

} // namespace ImageExport
