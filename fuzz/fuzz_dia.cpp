// The .dia reader: any bytes read into a diagram; whatever it accepts saves and reads back,
// whole, to the same file, the store it builds keeps its own rules, and the diagram renders
// as the export makes it (with a small size bound, so a run stays within memory and time) and
// prints as the print command does, through the renderer's vector path.

#include "FuzzSupport.h"

#include "common/SilentPrompter.h"
#include "files/DiaFile.h"
#include "files/ImageExport.h"
#include "kinds/CoreKinds.h"
#include "print/PagePainter.h"
#include "print/PrintLayout.h"
#include "workspace/Workspace.h"

#include <QPainter>
#include <QPicture>

#include <algorithm>
#include <cmath>

namespace {

void withLibrary(Workspace& ws) {
    QImage router(6, 4, QImage::Format_RGB32);
    router.fill(Qt::blue);
    ws.kartinki.add(QStringLiteral("ROUTER"), router, QStringLiteral("Рутер"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SilentPrompter prompter;
    Workspace ws(prompter, CoreKinds());
    withLibrary(ws);
    DiaFile::read(ws, FuzzBytes(data, size));

    const ElementStore& store = ws.store();
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        FUZZ_CHECK(store.objectStatus[slot] == ElementStore::Free ||
                   store.objectStatus[slot] == ElementStore::Used);
        if (store.objectStatus[slot] == ElementStore::Used) {
            const QImage& picture = store.objects[slot].picture;
            FUZZ_CHECK(!picture.isNull());
            FUZZ_CHECK(picture.width() <= DiaFile::LargestPictureSide &&
                       picture.height() <= DiaFile::LargestPictureSide);
            FUZZ_CHECK(store.objects[slot].Width > 0 && store.objects[slot].Height > 0);
        }
        FUZZ_CHECK(store.textStatus[slot] != ElementStore::Used || store.texts[slot].Visible);
        if (store.objectStatus[slot] == ElementStore::Used) {
            const PictureObject& o = store.objects[slot];
            FUZZ_CHECK(std::abs(o.Left) <= DiaFile::LargestCoordinate &&
                       std::abs(o.Top) <= DiaFile::LargestCoordinate);
        }
        if (store.textStatus[slot] == ElementStore::Used) {
            const TextField& t = store.texts[slot];
            FUZZ_CHECK(!t.Caption.isEmpty());
            FUZZ_CHECK(std::abs(t.Left) <= DiaFile::LargestCoordinate &&
                       std::abs(t.Top) <= DiaFile::LargestCoordinate);
        }
        const ShapeRecord& s = store.shapes[slot];
        FUZZ_CHECK(s.Kind >= 0 && s.Kind <= 3);
        const LineRecord& l = store.lines[slot];
        if (l.Used > 0)
            FUZZ_CHECK(store.objectStatus[l.FromObject] == ElementStore::Used &&
                       store.objectStatus[l.ToObject] == ElementStore::Used);
    }
    for (int slot = 1; slot <= ElementStore::GridCapacity; ++slot) {
        const GridRecord& g = store.grids[slot];
        if (g.Used > 0)
            FUZZ_CHECK(g.Rows >= 1 && g.Rows <= 10 && g.Columns >= 1 && g.Columns <= 10 &&
                       std::abs(g.Left) <= DiaFile::LargestCoordinate &&
                       std::abs(g.Width) <= DiaFile::LargestCoordinate);
    }

    // Rendered as the export does: within the bound, or refused with a reason.
    ImageExport::SizeLimits limits;
    limits.largestSide = 4096;
    limits.largestBytes = qint64(4096) * 4096 * 4;
    const ImageExport::Rendering rendering = ImageExport::wholeDiagram(ws, 0, 0, limits);
    const bool anything = store.usedCount(ElementKind::Picture) +
                              store.usedCount(ElementKind::Text) +
                              store.usedCount(ElementKind::Shape) + store.usedGridCount() >
                          0;
    FUZZ_CHECK(rendering.picture.isNull() == (!anything || rendering.error.has_value()));
    if (!rendering.picture.isNull())
        FUZZ_CHECK(rendering.picture.width() <= 4096 && rendering.picture.height() <= 4096);

    // Printed: the captured part on its page, recorded as a printer would get it.
    const QRectF captured = PrintLayout::capture(ws);
    FUZZ_CHECK(captured.isEmpty() == !anything);
    if (!captured.isEmpty()) {
        QPicture page;
        QPainter painter(&page);
        PagePainter::paint(painter, ws, captured, PrintLayout::fit(captured.size()),
                           QRectF(0, 0, 612, 792));
    }

    // What was read saves, reads back and saves again to the very same bytes.
    const QByteArray saved = DiaFile::write(ws);

    // Taken from a source a few bytes at a time, as a file is, the input reads the same.
    Workspace streamed(prompter, CoreKinds());
    withLibrary(streamed);
    std::size_t at = 0;
    const std::size_t block = 1 + size % 7;
    DiaFile::read(streamed, [&](char* buffer, qsizetype capacity) {
        const std::size_t n = std::min({block, std::size_t(capacity), size - at});
        std::copy_n(data + at, n, buffer);
        at += n;
        return qsizetype(n);
    });
    FUZZ_CHECK(DiaFile::write(streamed) == saved);
    Workspace again(prompter, CoreKinds());
    withLibrary(again);
    const DiaFile::ReadResult read = DiaFile::read(again, saved);
    FUZZ_CHECK(read.recognised && read.ended && read.damagedRecords == 0);
    FUZZ_CHECK(DiaFile::write(again) == saved);
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
        FUZZ_CHECK(again.store().objectStatus[slot] == store.objectStatus[slot]);
    return 0;
}
