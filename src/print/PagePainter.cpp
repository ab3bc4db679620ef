#include "print/PagePainter.h"

#include "files/ImageExport.h"
#include "workspace/DiagramRenderer.h"
#include "workspace/Workspace.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTransform>

namespace PagePainter {

void paint(QPainter& painter, const Workspace& workspace, const QRectF& captured,
           const PrintLayout::Page& page, const QRectF& sheet) {
    if (captured.isEmpty() || page.size.isEmpty() || page.image.isEmpty() || sheet.isEmpty())
        return;
    painter.save();
    painter.translate(sheet.topLeft());
    painter.scale(sheet.width() / page.size.width(), sheet.height() / page.size.height());
    painter.setClipRect(page.image, Qt::IntersectClip);
    painter.translate(page.image.topLeft());
    painter.scale(page.image.width() / captured.width(), page.image.height() / captured.height());
    painter.translate(-captured.topLeft());
    workspace.renderer().paint(painter);
    painter.restore();
}

std::optional<QString> writePdf(const Workspace& workspace, const QString& path) {
    const QRectF captured = PrintLayout::capture(workspace);
    if (captured.isEmpty())
        return QStringLiteral("Диаграмата е празна и няма какво да се отпечата.");
    const PrintLayout::Page page = PrintLayout::fit(captured.size());
    return ImageExport::saveStream(
        [&](const ImageExport::ByteSink& sink) {
            ImageExport::SinkDevice device(sink);
            QPdfWriter writer(&device);
            writer.setCreator(QStringLiteral("Вексилардо"));
            writer.setPageLayout(
                QPageLayout(QPageSize(QPageSize::Letter),
                            page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                            QMarginsF(0, 0, 0, 0)));
            QPainter painter;
            if (!painter.begin(&writer))
                return false;
            painter.setRenderHint(QPainter::LosslessImageRendering);
            // The whole sheet: with no margins the painter's area is the paper.
            const QRectF sheet(0, 0, writer.width(), writer.height());
            paint(painter, workspace, captured, page, sheet);
            return painter.end() && !device.failed();
        },
        path);
}

} // namespace PagePainter
