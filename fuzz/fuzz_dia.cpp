// The .dia reader: any bytes read into a diagram; whatever it accepts saves and reads back to
// the same file, and the store it builds keeps its own rules.

#include "FuzzSupport.h"

#include "common/SilentPrompter.h"
#include "files/DiaFile.h"
#include "workspace/Workspace.h"

namespace {

void withLibrary(Workspace& ws) {
    QImage router(6, 4, QImage::Format_RGB32);
    router.fill(Qt::blue);
    ws.kartinki.add(QStringLiteral("ROUTER"), router, QStringLiteral("Рутер"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SilentPrompter prompter;
    Workspace ws(prompter);
    withLibrary(ws);
    DiaFile::read(ws, FuzzBytes(data, size));

    const ElementStore& store = ws.store;
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
    }

    // What was read saves, reads back and saves again to the very same bytes.
    const QByteArray saved = DiaFile::write(ws);
    Workspace again(prompter);
    withLibrary(again);
    const DiaFile::ReadResult read = DiaFile::read(again, saved);
    FUZZ_CHECK(read.recognised && read.ended);
    FUZZ_CHECK(DiaFile::write(again) == saved);
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot)
        FUZZ_CHECK(again.store.objectStatus[slot] == store.objectStatus[slot]);
    return 0;
}
