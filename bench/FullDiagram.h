#pragma once

// The fullest diagram the buffers hold, for the benchmarks of the document.
#include "common/Units.h"
#include "shapes/Shapes.h"
#include "workspace/Workspace.h"

#include <QColor>
#include <QImage>

// 255 picture objects, each with a 64 x 48 picture of its own, 255 text fields, 255 connection
// lines, 255 shapes with their handles and ten 10 x 10 grids with theirs; with `photo`, the
// last object holds a 2000 x 1500 pixel photo instead.
inline void fill(Workspace& ws, bool photo = false) {
    Diagram::Edit fill = ws.edit(QStringLiteral("Проба"), DiagramChange::Scope::Replaced);
    ElementStore& store = fill.store();
    for (int i = 1; i <= ElementStore::Capacity; ++i) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(QColor(i, 255 - i, (i * 7) & 0xFF));
        store.objects[i] = {picture,
                            QStringLiteral("SKETCHPAD"),
                            QStringLiteral("Обект %1").arg(i),
                            double((i % 20) * 1150),
                            double((i / 20) * 1100),
                            PixelsToTwips(64),
                            PixelsToTwips(48),
                            true};
        store.objectStatus[i] = ElementStore::Used;
        store.texts[i] = {QStringLiteral("Текст %1").arg(i),
                          double((i % 20) * 1150),
                          double((i / 20) * 1100 + 750),
                          255,
                          QStringLiteral("DejaVu Sans"),
                          8.25,
                          i % 2 == 0,
                          false,
                          false,
                          false,
                          true};
        store.textStatus[i] = ElementStore::Used;
        store.lines[i] = {1, i, (i * 37) % 255 + 1, 1 + i % 3, 0, 1 + i % 5, i % 5};
        const int x = (i % 17) * 1400 + 300;
        const int y = (i / 17) * 1000 + 200;
        store.shapes[i] = {
            1 + i % 3, x,         y,     x + 600 + (i * 53) % 1650, y + 600 + (i * 31) % 1650,
            0,         1 + i % 5, i % 8, Rgb(200, 120, 40),         (i / 8) % 5};
        store.shapeHandles[i] = Shapes::handleTopLeft(store.shapes[i]);
    }
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
        const int x = ((slot - 1) % 5) * 4600 + 500;
        const int y = ((slot - 1) / 5) * 7000 + 1000;
        store.grids[slot] = GridRecord{1, 10, 10, y, x, 4000, 4500, Rgb(0, 0, 128), 1};
        store.gridHandles[slot] = QPointF(x, y);
    }
    if (photo) {
        QImage picture(2000, 1500, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
        }
        PictureObject& last = store.objects[ElementStore::Capacity];
        last.picture = picture;
        last.Width = PixelsToTwips(picture.width());
        last.Height = PixelsToTwips(picture.height());
    }
}
