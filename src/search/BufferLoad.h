#pragma once

class ElementStore;

// How many slots of each of the five buffers hold an element: what the buffer view shows.
struct BufferLoad {
    int Obekti = 0;  // picture objects, of 255
    int Tekst = 0;   // text fields, of 255
    int Linii = 0;   // connection lines, of 255
    int Figuri = 0;  // shapes, of 255
    int Tablici = 0; // grids, of 10

    static BufferLoad of(const ElementStore& store);
};
