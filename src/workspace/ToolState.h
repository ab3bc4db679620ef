#pragma once

#include "common/Numeric.h"
#include "common/Units.h"

#include <QPointF>
#include <QString>
#include <algorithm>
#include <cstdint>

// The active tool of the canvas and the drawing options of new elements.
struct ToolState {
    static QString box() { return QStringLiteral("butbox"); }
    static QString ellipse() { return QStringLiteral("butcircle"); }
    static QString circle() { return QStringLiteral("butcirclecir"); }
    static QString line() { return QStringLiteral("butline"); }
    static QString selection() { return QStringLiteral("selection"); }

    QString mode; // empty: no tool
    int32_t x0 = 0;
    int32_t y0 = 0;
    QPointF rightClick; // twips; where paste puts its element
    int32_t drawingColour = 0;
    int32_t lineColour = Rgb(0, 0, 128);
    int32_t fillColour = Rgb(192, 192, 192);
    bool filled = false;
    QString lineWidth = QStringLiteral("1");
    bool drawingOptionsHidden = true; // the drawing-options question is still to come

    // The line width of new lines, shapes and grids: the integer value of the line-width text
    // ("2", "2,5" rounded half to even); 1 for a text that is no number.
    int32_t lineWidthValue() const {
        bool ok = false;
        const double value =
            QString(lineWidth).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok)
            return 1;
        return std::clamp(RoundHalfEven(value), 0, 32767);
    }
};
