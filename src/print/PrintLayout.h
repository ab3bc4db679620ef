#pragma once

#include <QRectF>
#include <QSizeF>

class Workspace;

// How a diagram is laid out on a printed page: what of it is captured, on which page and at
// what size. All in twips.
namespace PrintLayout {

// Letter paper, portrait; a landscape page is the same turned.
constexpr double PageWidth = 12240;
constexpr double PageHeight = 15840;
// The printable box of a portrait page the captured image is fitted into.
constexpr double PrintableWidth = 10800;
constexpr double PrintableHeight = 14400;

// The captured part of the diagram: the box around its elements with the export margin (400
// twips) on every side, wherever they lie, left of or above the origin too. Empty for an empty
// diagram.
QRectF capture(const Workspace& workspace);

struct Page {
    bool landscape = false;
    QSizeF size;  // the page: 12240 x 15840, or 15840 x 12240 in landscape
    QRectF image; // where the captured image is drawn on it, centred
};

// The page for a captured image of `captured` twips: as it is while it fits the printable box
// of a portrait page, or of a landscape one; otherwise scaled down, proportions kept, and
// never wider than a portrait page can print.
Page fit(const QSizeF& captured);

} // namespace PrintLayout
