#pragma once

#include <QImage>
#include <QSize>

class QImageReader;

// Decoding an image with a cap on its size, so that a file which claims or holds a huge
// picture is refused instead of filling the memory. The size the header gives is checked
// before anything is decoded, the picture's own size after: some formats (GIF) decode more
// than their header tells.
struct CappedImage {
    enum class Outcome { Decoded, Unreadable, TooLarge };
    Outcome outcome = Outcome::Unreadable;
    QImage picture; // when decoded
    QSize declared; // what the header told, invalid when it told nothing
    QSize size;     // when too large: the size refused
};

// Reads a picture of at most `maxSide` pixels a side from `reader`, which the caller has set
// up (the device, the hints on the format).
CappedImage ReadCappedImage(QImageReader& reader, int maxSide);

// Qt refuses to decode pictures above its own memory limit, which may be below the cap of a
// caller; this raises the limit (never lowers it) so a picture of `maxSide` pixels a side,
// at four bytes a pixel, can be decoded.
void AllowDecodingUpTo(int maxSide);
