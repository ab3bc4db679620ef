#pragma once

#include "print/PrintLayout.h"

#include <QImage>
#include <QPoint>
#include <QSize>

// The geometry of the print-preview window and the page picture it shows, in screen pixels
// (15 twips each).
namespace PrintPreview {

// The page picture: a white page of `page.size`, the captured image drawn into `page.image`,
// smoothly scaled when the page layout scaled it.
QImage pagePicture(const QImage& captured, const PrintLayout::Page& page);

// The zoomed page at 25, 50 or 100 percent.
QSize zoomSize(const QSize& page, int percent);

// Where the zoomed page lies in the holder: centred (halves rounded towards zero, so a page
// larger than the holder lies partly left of or above it), or at the holder's corner.
QPoint place(const QSize& holder, const QSize& zoom, bool centred);
// A change of the window's size centres the page only while it is narrower and lower than
// the holder.
bool centredOnResize(const QSize& holder, const QSize& zoom);

// A scroll bar over one direction of the holder. It runs from 0 to the room between holder
// and page; when the page is the larger, the value is how far the page is moved left (or up),
// otherwise how far right (or down).
struct Axis {
    int maximum = 0;
    int pageStep = 0;
    int singleStep = 0;
};
Axis axis(int holder, int zoom);
// The page's left (or top) for a value of the bar, and the value that shows a given one,
// kept within the bar's range.
int offset(int value, int holder, int zoom);
int value(int offset, int holder, int zoom);

// The reduced preview window: `width` wide with the captured image's proportions; when that
// would be higher than `largestHeight`, that high and narrower in proportion. Empty for an
// empty capture.
QSize previewWindowSize(int width, const QSizeF& captured, int largestHeight);

} // namespace PrintPreview
