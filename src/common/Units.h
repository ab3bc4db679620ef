#pragma once

#include <QColor>
#include <cstdint>

// Canvas coordinates are twips; the screen is fixed at 15 twips per pixel.
constexpr int TwipsPerPixel = 15;

constexpr double TwipsToPixelsExact(double twips) {
    return twips / TwipsPerPixel;
}
constexpr double PixelsToTwips(double pixels) {
    return pixels * TwipsPerPixel;
}

// Twips to a whole pixel position, rounding halves to even like every other conversion.
int TwipsToPixelRounded(double twips);

// Colours are 0x00BBGGRR (red in the low byte) in the model and in files.
QColor ColourToQColor(int32_t colour);
int32_t QColorToColour(const QColor& colour);
constexpr int32_t Rgb(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
