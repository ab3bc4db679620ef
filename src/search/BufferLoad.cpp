#include "search/BufferLoad.h"

#include "workspace/ElementStore.h"

BufferLoad BufferLoad::of(const ElementStore& store) {
    BufferLoad load;
    load.Obekti = store.usedCount(ElementKind::Picture);
    load.Tekst = store.usedCount(ElementKind::Text);
    load.Linii = store.usedCount(ElementKind::Line);
    load.Figuri = store.usedCount(ElementKind::Shape);
    load.Tablici = store.usedGridCount();
    return load;
}
