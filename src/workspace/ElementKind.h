#pragma once

#include <cstdint>

// What an element on the canvas is. Elements are identified everywhere by kind and slot;
// a handle belongs to the element it edits, so the handle of line 7 is {Line, 7}. The four
// resize handles are {ResizeHandle, 1..4}.
enum class ElementKind { None, Picture, Text, Shape, Line, Grid, ResizeHandle };

struct ElementRef {
    ElementKind kind = ElementKind::None;
    int16_t slot = 0;

    bool isNone() const { return kind == ElementKind::None; }
    bool operator==(const ElementRef& other) const {
        return kind == other.kind && slot == other.slot;
    }
    bool operator!=(const ElementRef& other) const { return !(*this == other); }
};
