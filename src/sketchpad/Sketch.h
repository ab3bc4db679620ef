#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <cstdint>
#include <deque>
#include <optional>

// What the sketchpad draws on: a white picture that keeps what is drawn, the drawing
// settings, and the box around everything drawn since the last clear. The figures, the pencil
// and the text take twips; the flood fill and the eraser take pixels, as the tools do.
class Sketch {
public:
    enum class Tool { None, Pencil, Line, Box, Circle, Fill, Rubber, Text };
    // The tool's mode name ("butpencil" …, empty for none).
    static QString modeName(Tool tool);

    // The box around what was drawn, in twips. A minimum of 0 means that no value has been
    // recorded on that axis yet.
    struct Area {
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
        void add(double x, double y);
        bool drawn() const { return minX >= 0 && maxX > 0 && minY >= 0 && maxY > 0; }
    };

    // The margin around the drawn area that insert takes with it.
    static constexpr double SelectionMargin = 120;
    static constexpr int RubberWidth = 10;
    static constexpr int WidestPen = 5;
    // Undo keeps this many steps, and never more pictures than this many bytes.
    static constexpr int UndoSteps = 20;
    static constexpr qsizetype UndoBytes = qsizetype(96) << 20;

    explicit Sketch(QSize pixels = QSize(1, 1));

    const QImage& image() const { return m_image; }
    // The surface is at least this large from now on; what is drawn is never cut off.
    void growTo(QSize pixels);

    // Drawing settings.
    QColor colour = Qt::black;     // lines, outlines, fills of the paint bucket, text
    QColor fillColour = Qt::black; // rectangles and ellipses
    int penWidth = 1;              // pixels, 1 to WidestPen
    int32_t penStyle = 0;          // 0 solid, 1 dashes, 2 dots, 3 dash-dot, 4 dash-dot-dot
    int32_t fillStyle = 1;         // 0 solid, 1 none, 2..7 hatches
    QFont font;
    Area area;

    // Figures from a to b in twips; each returns the pixels it changed. The line, rectangle
    // and ellipse add nothing to the area: the tool records their end points.
    QRect drawLine(QPointF a, QPointF b);
    QRect drawBox(QPointF a, QPointF b);
    QRect drawCircle(QPointF a, QPointF b);
    // A pencil stroke from a to b; b counts in the drawn area.
    QRect drawPencil(QPointF a, QPointF b);
    // The eraser: a line RubberWidth pixels wide in the background colour.
    QRect erase(QPoint a, QPoint b);
    // Fills the 4-connected region of the colour under `pixel` with the drawing colour, up to
    // any other colour. Nothing happens outside the surface or when the colours are the same.
    QRect fill(QPoint pixel);
    // Writes `text` with its top-left corner at `at`; only that corner counts in the area.
    QRect drawText(QPointF at, const QString& text);
    // Draws a loaded picture at its own size with its top-left corner at `pixel`; the drawn
    // area becomes the picture's box, together with what was drawn before.
    QRect mount(const QImage& picture, QPoint pixel);
    // A white surface and no drawn area.
    void clear();
    // Nothing but background on the surface.
    bool blank() const;

    // The area insert takes, in twips (empty when nothing is drawn), and its pixels, white
    // where it reaches past the surface.
    QRectF selection() const;
    QImage selectedPicture() const;

    // Undo: remember() before a change; changes that leave the picture as it was are no
    // steps. undo() puts the last step back; false when there is none.
    void remember();
    bool undo();
    int undoDepth() const;

private:
    struct Step {
        QImage image;
        Area area;
    };
    QRect figure(QPointF a, QPointF b, bool ellipse);
    void trimUndo();
    bool pendingChanged() const;
    void commitPending();

    QImage m_image;
    std::deque<Step> m_undo;
    // The state before the change in progress; a step once the change proves to be one.
    std::optional<Step> m_pending;
};
