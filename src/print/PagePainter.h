#pragma once

#include "print/PrintLayout.h"

#include <QRectF>
#include <QString>
#include <optional>

class QPainter;
class Workspace;

// The printed page: the captured part of the diagram drawn on the page it was fitted to, on
// a device that keeps drawing commands (a printer, a PDF), so that texts stay text and lines
// stay lines at any resolution.
namespace PagePainter {

// Maps the page (twips) onto `sheet` (the whole sheet, in the painter's coordinates) and draws
// the `captured` rectangle of the diagram (twips) into `page.image`, scaled as the fitting
// scaled it, clipped to it.
void paint(QPainter& painter, const Workspace& workspace, const QRectF& captured,
           const PrintLayout::Page& page, const QRectF& sheet);

// Writes the one page printing gives, on Letter paper without margins, as a PDF file. The
// file is replaced only once it is written whole. Nothing on success, else what went wrong.
std::optional<QString> writePdf(const Workspace& workspace, const QString& path);

} // namespace PagePainter
