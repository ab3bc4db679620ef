#include "files/VectorExport.h"

#include "common/AtomicSave.h"
#include "common/Units.h"
#include "files/ImageExport.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QtSvg/QSvgGenerator>
#include <cmath>

namespace VectorExport {

namespace {

// The diagram's rectangle on the white of the canvas; the painter maps twips already.
void paintRegion(QPainter& painter, const Workspace& workspace, const QRectF& twips) {
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setClipRect(twips);
    painter.fillRect(twips, Qt::white);
    workspace.renderer().paint(painter);
}

// The generator gives the size in millimetres, rounded, which a viewer may take for a pixel
// more; the size in pixels is the picture export's exactly.
QByteArray exactSize(QByteArray svg, const QSize& pixels) {
    static const QRegularExpression millimetres(
        QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
    const QRegularExpressionMatch found = millimetres.match(QString::fromLatin1(svg.left(512)));
    if (found.hasMatch())
        svg.replace(found.capturedStart(), found.capturedLength(),
                    QStringLiteral("width=\"%1px\" height=\"%2px\"")
                        .arg(pixels.width())
                        .arg(pixels.height())
                        .toLatin1());
    return svg;
}

bool writeSvg(const Workspace& workspace, const QRectF& twips, const QSize& pixels,
              const QString& title, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(96);
    svg.setSize(pixels);
    svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(pixels)));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Вексилардо"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    // As the picture export draws: 15 twips a pixel, the size rounded to whole pixels.
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    painter.translate(-twips.topLeft());
    paintRegion(painter, workspace, twips);
    return painter.end();
}

bool writePdf(const Workspace& workspace, const QRectF& twips, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Вексилардо"));
    // One twip a device unit, at the diagram's own scale. Pages come in whole points: the page
    // reaches up to 19 twips past the rectangle on the right and at the bottom, left white,
    // rather than the drawing being squeezed onto a page a fraction of a point smaller.
    writer.setResolution(1440);
    const QSize points(int(std::ceil(twips.width() / 20.0 - 1e-6)),
                       int(std::ceil(twips.height() / 20.0 - 1e-6)));
    const QPageSize page(points, QString(), QPageSize::ExactMatch);
    if (!writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))))
        return false;
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.fillRect(QRect(0, 0, writer.width(), writer.height()), Qt::white);
    painter.translate(-twips.topLeft());
    paintRegion(painter, workspace, twips);
    return painter.end();
}

} // namespace

std::optional<Format> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

std::optional<QString> save(const Workspace& workspace, const QRectF& twips, Format format,
                            const QString& path) {
    const QSize pixels = ImageExport::regionPixels(twips);
    if (!std::isfinite(twips.width()) || !std::isfinite(twips.height()) || pixels.width() <= 0 ||
        pixels.height() <= 0)
        return AtomicSave::cannotWrite(path, QStringLiteral("няма какво да се запише."));
    // The picture's bound on a side: beyond it viewers no longer show the page.
    constexpr int largestSide = ImageExport::SizeLimits().largestSide;
    if (pixels.width() > largestSide || pixels.height() > largestSide)
        return QStringLiteral("Диаграмата би била %1 x %2 пиксела, а може да бъде най-много %3 "
                              "пиксела на страна.")
            .arg(pixels.width())
            .arg(pixels.height())
            .arg(largestSide);
    if (format == Format::Svg) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!writeSvg(workspace, twips, pixels, QFileInfo(path).completeBaseName(), buffer))
            return AtomicSave::cannotWrite(path,
                                           QStringLiteral("рисунката не може да бъде създадена."));
        return ImageExport::saveBytes(exactSize(bytes, pixels), path);
    }
    return ImageExport::saveStream(
        [&](const ImageExport::ByteSink& sink) {
            ImageExport::SinkDevice device(sink);
            return writePdf(workspace, twips, device) && !device.failed();
        },
        path);
}

} // namespace VectorExport
