#pragma once

#include "workspace/ViewTransform.h"

#include <QImage>
#include <QSize>

class DiagramRenderer;

// The canvas's persistent bitmap: what the repaint draws (lines, shapes, grids) and what
// flattening adds. Only the repaint and the flattening write it. A repaint only marks it out
// of date; it is drawn again once, when it is next looked at, so a burst of repaints costs
// one.
class CanvasBitmap {
public:
    explicit CanvasBitmap(const DiagramRenderer& renderer) : m_renderer(renderer) {}

    // Size in pixels; the content is drawn again at the next look.
    void resize(QSize pixels);
    QSize size() const { return m_image.size(); }
    // The part of the document it shows; another one is drawn at the next look.
    void setView(const ViewTransform& view);

    // The repaint: clears the bitmap and paints the persistent layer again, lazily.
    void invalidate() { m_dirty = true; }
    bool isDirty() const { return m_dirty; }
    // The bitmap, brought up to date first.
    const QImage& image();

    // Flattening: paints every picture object and text field onto the bitmap.
    void combine();

    // True when the bitmap holds something besides white, or will after its next update.
    bool showsAnything() const;
    // How often the bitmap has been drawn again.
    int repaintCount() const { return m_repaints; }

private:
    void update();

    const DiagramRenderer& m_renderer;
    ViewTransform m_view;
    QImage m_image;
    bool m_dirty = true;
    bool m_drawn = false; // the last drawing put something on the bitmap
    int m_repaints = 0;
};
