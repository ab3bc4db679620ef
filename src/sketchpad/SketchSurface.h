#pragma once

#include "sketchpad/Sketch.h"

#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

// The sketchpad's drawing surface: shows the sketch, the provisional figure that follows the
// mouse (drawn inverted over the picture, never into it) and the outline of what insert will
// take, and hands the mouse to the window in pixels.
class SketchSurface : public QWidget {
public:
    struct Band {
        Sketch::Tool tool = Sketch::Tool::Line;
        QPoint from, to; // pixels
    };

    SketchSurface(const Sketch& sketch, QWidget* parent);

    void setBand(const std::optional<Band>& band);
    const std::optional<Band>& band() const { return m_band; }
    // The outline of the selection (shpSelect), in pixels; an empty rectangle hides it.
    void setSelection(const QRect& pixels);
    const QRect& selection() const { return m_selection; }

    std::function<void(Qt::MouseButton, QPoint)> pressed, released;
    std::function<void(Qt::MouseButtons, QPoint)> moved;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static QRect bandArea(const Band& band);

    const Sketch& m_sketch;
    std::optional<Band> m_band;
    QRect m_selection;
};
