#pragma once

#include <QLineF>
#include <QRectF>
#include <QVector>
#include <cstdint>

class ElementStore;
class QPainter;
class KindRegistry;
class Workspace;
struct GridRecord;

// Grids: table lattices kept as records of the grid buffer (ten of them) and painted by the
// repaint after every line and shape.
namespace Grids {

// The grid handle ManiTable: its top-left corner on the grid's, 255 x 255 twips.
constexpr double HandleSize = 255;

// Rows and columns a grid may have.
constexpr int MostRowsOrColumns = 10;

// The lattice of a grid, in twips: the outer rectangle, then the inner lines, rows drawn from
// right to left and columns from bottom to top. The steps are height / rows and width /
// columns in single precision, never rounded.
struct Lattice {
    QRectF outer;
    QVector<QLineF> rows;
    QVector<QLineF> columns;
};
Lattice lattice(const GridRecord& grid);

// A new grid of `Redove` rows and `Koloni` columns over the selection rectangle, in the
// drawing colour and line width, with its handle shown. The slot, or 0 after telling the user
// that all ten grids are used.
int16_t NachertaiTablica(Workspace& workspace, int16_t Redove, int16_t Koloni);

// Rows, columns, size, colour and line width of grid `NomerTablica`; its place and its used
// flag stay. Paints nothing: the caller repaints.
void PromeniTablica(Workspace& workspace, int16_t NomerTablica, double Viso4ina, double Shiro4ina,
                    double Redove, double Koloni, double Cvqt, double DebLinii);

// Paints grid `slot` from its record; the painter works in twips.
void paintGrid(QPainter& painter, const ElementStore& store, int slot);

// Makes the workspace's renderer paint the grids.
// Describes grids to the kind registry.
void registerKind(KindRegistry& kinds);

} // namespace Grids
