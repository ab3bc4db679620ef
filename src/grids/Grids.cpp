#include "grids/Grids.h"

#include "common/Numeric.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "workspace/KindRegistry.h"
#include "workspace/LineRaster.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <tuple>

namespace Grids {

namespace {

// A file may ask for any number of rows; beyond this many lines a lattice is no use to draw.
constexpr int MostLinesPainted = 1000;

int32_t toInt32(double value) {
    if (!std::isfinite(value))
        return 0;
    return int32_t(std::clamp(std::round(value), double(std::numeric_limits<int32_t>::min()),
                              double(std::numeric_limits<int32_t>::max())));
}

} // namespace

Lattice lattice(const GridRecord& g) {
    const float L = float(g.Left);
    const float T = float(g.Top);
    const float W = float(g.Width);
    const float H = float(g.Height);
    Lattice result;
    result.outer = QRectF(L, T, W, H);
    if (g.Rows >= 1) {
        const float step = H / float(g.Rows);
        for (int i = 1; i < std::min(g.Rows, MostLinesPainted); ++i) {
            const float y = T + float(i) * step;
            result.rows << QLineF(L + W, y, L, y);
        }
    }
    if (g.Columns >= 1) {
        const float step = W / float(g.Columns);
        for (int j = 1; j < std::min(g.Columns, MostLinesPainted); ++j) {
            const float x = L + float(j) * step;
            result.columns << QLineF(x, T + H, x, T);
        }
    }
    return result;
}

int16_t NachertaiTablica(Workspace& ws, int16_t Redove, int16_t Koloni) {
    const int16_t slot = ws.PraznaTablica();
    if (slot < 1) {
        ws.prompter().message(QStringLiteral("Грешка"),
                              QStringLiteral("Не може да се изведе таблица !"),
                              Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return 0;
    }
    const QRectF area = ws.canvas.shpSelection.rect;
    Diagram::Edit change = ws.edit(QStringLiteral("Рисуване на таблица"));
    GridRecord& g = change.store().grids[slot];
    g = GridRecord{};
    g.Used = 1;
    g.Rows = Redove;
    g.Columns = Koloni;
    g.Top = RoundHalfEven(area.top());
    g.Left = RoundHalfEven(area.left());
    g.Width = RoundHalfEven(area.width());
    g.Height = RoundHalfEven(area.height());
    g.Colour = ws.tools.drawingColour;
    g.LineWidth = ws.tools.lineWidthValue();
    // A new grid's handle shows whether or not the other handles are hidden.
    change.store().gridHandles[slot] = area.topLeft();
    ws.canvas.gridHandleVisible[slot] = true;
    return slot;
}

void PromeniTablica(Workspace& ws, int16_t NomerTablica, double Viso4ina, double Shiro4ina,
                    double Redove, double Koloni, double Cvqt, double DebLinii) {
    if (NomerTablica < 1 || NomerTablica > ElementStore::GridCapacity)
        return;
    GridRecord g = ws.store().grids[NomerTablica];
    g.Rows = toInt32(Redove);
    g.Columns = toInt32(Koloni);
    g.Width = toInt32(Shiro4ina);
    g.Height = toInt32(Viso4ina);
    g.Colour = toInt32(Cvqt);
    g.LineWidth = toInt32(DebLinii);
    const GridRecord& now = ws.store().grids[NomerTablica];
    if (std::tie(g.Rows, g.Columns, g.Width, g.Height, g.Colour, g.LineWidth) !=
        std::tie(now.Rows, now.Columns, now.Width, now.Height, now.Colour, now.LineWidth))
        ws.edit(QStringLiteral("Промяна на таблица")).store().grids[NomerTablica] = g;
}

void paintGrid(QPainter& painter, const ElementStore& store, int slot) {
    const GridRecord& g = store.grids[slot];
    const Lattice l = lattice(g);
    const QColor colour = ColourToQColor(g.Colour);
    const QRectF& o = l.outer;
    LineRaster::stroke(painter,
                       QPolygonF({o.topLeft(), QPointF(o.right(), o.top()), o.bottomRight(),
                                  QPointF(o.left(), o.bottom())}),
                       g.LineWidth, 0, colour, true);
    for (const QVector<QLineF>* lines : {&l.rows, &l.columns})
        for (const QLineF& line : *lines)
            LineRaster::stroke(painter, QPolygonF({line.p1(), line.p2()}), g.LineWidth, 0, colour);
}

void registerKind(KindRegistry& kinds) {
    KindDescriptor d;
    d.kind = ElementKind::Grid;
    d.slotCount = ElementStore::GridCapacity;
    d.resizeTag = QStringLiteral("Tablica");
    d.copyTag = QStringLiteral("Tab");
    d.fileTags = {QStringLiteral("[TABLICA]")};
    // Painted by the repaint after every line and shape.
    d.persistent = true;
    d.paintPass = 1;
    d.paint = &paintGrid;
    d.present = [](const ElementStore& store, int slot) { return store.grids[slot].Used != 0; };
    d.box = [](const ElementStore& store, int slot) {
        const GridRecord& g = store.grids[slot];
        return QRectF(g.Left, g.Top, g.Width, g.Height);
    };
    // The other fields stay until the slot is used again.
    d.erase = [](ElementStore& store, int slot) { store.grids[slot].Used = 0; };
    // Entries past ours keep what an earlier copy left there.
    d.copy = [](const ElementStore& store, int slot, QStringList& buffer) {
        const GridRecord& g = store.grids[slot];
        const int32_t values[] = {g.Rows,  g.Columns, g.Top,    g.Left,
                                  g.Width, g.Height,  g.Colour, g.LineWidth};
        while (buffer.size() < 1 + int(std::size(values)))
            buffer.append(QString());
        buffer[0] = QStringLiteral("Tab");
        for (size_t i = 0; i < std::size(values); ++i)
            buffer[int(i) + 1] = QString::number(values[i]);
    };
    kinds.add(std::move(d));
}

} // namespace Grids
