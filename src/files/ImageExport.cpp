#include "files/ImageExport.h"

#include "workspace/CanvasGeometry.h"
#include "workspace/Workspace.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <limits>

namespace ImageExport {

namespace {

bool isEmpty(const ElementStore& store) {
    return store.usedCount(ElementStore::Objects) == 0 &&
           store.usedCount(ElementStore::Texts) == 0 &&
           store.usedCount(ElementStore::Shapes) == 0 && store.usedGridCount() == 0;
}

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("Файлът „%1“ не може да бъде записан: %2")
        .arg(QFileInfo(path).fileName(), reason);
}

std::optional<QString> savePicture(const QImage& picture, const QString& path, const char* format) {
    if (picture.isNull())
        return cannotWrite(path, QStringLiteral("картината е празна."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    QImageWriter writer(&file, format);
    if (!writer.write(picture)) {
        file.cancelWriting();
        return cannotWrite(path, writer.errorString());
    }
    if (!file.commit())
        return cannotWrite(path, file.errorString());
    return std::nullopt;
}

} // namespace

QRectF wholeDiagramBox(const Workspace& workspace, double innerWidth, double innerHeight) {
    if (isEmpty(workspace.store))
        return {};
    constexpr double none = std::numeric_limits<int>::max();
    const DiagramExtent e =
        workspace.extent(innerWidth > 0 ? innerWidth : none, innerHeight > 0 ? innerHeight : none);
    const double margin = CanvasGeometry::ExportMargin;
    return QRectF(e.minLeft - margin, e.minTop - margin,
                  double(e.maxRight) - e.minLeft + 2 * margin,
                  double(e.maxBottom) - e.minTop + 2 * margin);
}

QImage wholeDiagram(const Workspace& workspace, double innerWidth, double innerHeight) {
    const QRectF box = wholeDiagramBox(workspace, innerWidth, innerHeight);
    return box.isEmpty() ? QImage() : workspace.renderRegion(box);
}

std::optional<QString> saveBmp(const QImage& picture, const QString& path) {
    return savePicture(picture.convertToFormat(QImage::Format_RGB888), path, "BMP");
}

std::optional<QString> savePng(const QImage& picture, const QString& path) {
    return savePicture(picture, path, "PNG");
}

std::optional<QString> saveGif(const QImage&, const QString& path) {
    return cannotWrite(path, QStringLiteral("GIF"));
}

std::optional<QString> saveBytes(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWrite(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return cannotWrite(path, reason);
    }
    if (!file.commit())
        return cannotWrite(path, file.errorString());
    return std::nullopt;
}

} // namespace ImageExport
