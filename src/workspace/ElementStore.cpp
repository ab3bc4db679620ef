#include "workspace/ElementStore.h"

bool ElementStore::isSlotFree(Buffer buffer, int slot) const {
    switch (buffer) {
    case Objects:
        return objectStatus[slot] == Free;
    case Texts:
        return textStatus[slot] == Free;
    case Shapes:
        return shapes[slot].Kind == 0;
    case Lines:
        return lines[slot].Used == 0;
    }
    return false;
}

int16_t ElementStore::lowestFree(Buffer buffer) const {
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

int ElementStore::usedCount(Buffer buffer) const {
    int count = 0;
    for (int slot = 1; slot <= Capacity; ++slot) {
        switch (buffer) {
        case Objects:
            count += objectStatus[slot] == Used;
            break;
        case Texts:
            count += textStatus[slot] == Used;
            break;
        default:
            count += !isSlotFree(buffer, slot);
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
