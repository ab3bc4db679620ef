#pragma once

#include <QRectF>
#include <QString>
#include <optional>

class Workspace;

// Pictures of the diagram that stay sharp at any size: SVG and PDF drawn through the
// renderer's vector path (texts as text, lines, shapes and hatches as paths, pictures embedded
// losslessly at their own pixels), the same rectangle the picture exports would write.
namespace VectorExport {

enum class Format { Svg, Pdf };

// The format a file name asks for by its ending, if it is one of these.
std::optional<Format> formatOf(const QString& path);

// Writes the `twips` rectangle of the diagram on a white ground: an SVG of the size in pixels
// the picture export gives it (96 dots per inch, a pixel being 15 twips), or a one-page PDF of
// that size (a point being 20 twips; the page rounded up to whole points, as PDF pages are).
// The file is replaced only once written whole.
// Nothing on success, else what went wrong, in Bulgarian.
std::optional<QString> save(const Workspace& workspace, const QRectF& twips, Format format,
                            const QString& path);

} // namespace VectorExport
