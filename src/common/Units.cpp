#include "common/Units.h"

#include "common/Numeric.h"

int TwipsToPixelRounded(double twips) {
    return RoundHalfEven(twips / TwipsPerPixel);
}

QColor ColourToQColor(int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int32_t QColorToColour(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}
