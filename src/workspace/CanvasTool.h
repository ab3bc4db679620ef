#pragma once

#include <cstdint>

// What a left-button drag on the bare canvas does in one tool mode ("butbox", "butline",
// "butcircle", "butcirclecir", "selection"). The subsystem that owns the tool registers it.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;
    // x, y: the mouse on the canvas in whole twips; the start point is in the tool state.
    // Final is false while the button is held and true once, when it is released.
    virtual void draw(int32_t x, int32_t y, int32_t colour, bool Final) = 0;
};
