#include "workspace/ElementStore.h"

bool ElementStore::isSlotFree(ElementKind buffer, int slot) const {
    switch (buffer) {
    case ElementKind::Picture:
        return objectStatus[slot] == Free;
    case ElementKind::Text:
        return textStatus[slot] == Free;
    case ElementKind::Shape:
        return shapes[slot].Kind == 0;
    case ElementKind::Line:
        return lines[slot].Used == 0;
    default:
        return false;
    }
}

int16_t ElementStore::lowestFree(ElementKind buffer) const {
    for (int slot = 1; slot <= Capacity; ++slot) {
        if (isSlotFree(buffer, slot))
            return static_cast<int16_t>(slot);
    }
    return 0;
}

int16_t ElementStore::lowestFreeGrid() const {
    for (int slot = 1; slot <= GridCapacity; ++slot) {
        if (grids[slot].Used == 0)
            return static_cast<int16_t>(slot);
    }
    return 0;
}

int ElementStore::usedCount(ElementKind buffer) const {
    int count = 0;
    for (int slot = 1; slot <= Capacity; ++slot) {
        switch (buffer) {
        case ElementKind::Picture:
            count += objectStatus[slot] == Used;
            break;
        case ElementKind::Text:
            count += textStatus[slot] == Used;
            break;
        case ElementKind::Shape:
        case ElementKind::Line:
            count += !isSlotFree(buffer, slot);
            break;
        default:
            break;
        }
    }
    return count;
}

int ElementStore::usedGridCount() const {
    int count = 0;
    for (int slot = 1; slot <= GridCapacity; ++slot)
        count += grids[slot].Used != 0;
    return count;
}
