#include "workspace/ElementStore.h"

#include <atomic>
#include <cstring>
#include <type_traits>

quint64 PictureObject::newIdentity() {
    static std::atomic<quint64> last{0};
    return ++last;
}

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

namespace {

template <typename Record, std::size_t N>
bool SameBytes(const std::array<Record, N>& a, const std::array<Record, N>& b, int slot) {
    // Records of whole numbers only: equal exactly when their bytes are.
    static_assert(std::is_trivially_copyable_v<Record> &&
                  std::has_unique_object_representations_v<Record>);
    return std::memcmp(&a[slot], &b[slot], sizeof(Record)) == 0;
}

} // namespace

bool ElementStore::sameElement(const ElementStore& other, ElementRef element) const {
    const int slot = element.slot;
    switch (element.kind) {
    case ElementKind::Picture: {
        if (slot < 1 || slot > Capacity || objectStatus[slot] != other.objectStatus[slot])
            return false;
        const PictureObject& a = objects[slot];
        const PictureObject& b = other.objects[slot];
        return a.identity == b.identity && a.picture.cacheKey() == b.picture.cacheKey() &&
               a.Tag == b.Tag && a.ToolTipText == b.ToolTipText && a.Left == b.Left &&
               a.Top == b.Top && a.Width == b.Width && a.Height == b.Height &&
               a.Visible == b.Visible;
    }
    case ElementKind::Text: {
        if (slot < 1 || slot > Capacity || textStatus[slot] != other.textStatus[slot])
            return false;
        const TextField& a = texts[slot];
        const TextField& b = other.texts[slot];
        return a.Caption == b.Caption && a.Left == b.Left && a.Top == b.Top &&
               a.ForeColor == b.ForeColor && a.FontName == b.FontName && a.FontSize == b.FontSize &&
               a.FontBold == b.FontBold && a.FontItalic == b.FontItalic &&
               a.FontStrikethru == b.FontStrikethru && a.FontUnderline == b.FontUnderline &&
               a.Visible == b.Visible;
    }
    case ElementKind::Shape:
        return slot >= 1 && slot <= Capacity && SameBytes(shapes, other.shapes, slot) &&
               shapeHandles[slot] == other.shapeHandles[slot];
    case ElementKind::Line:
        return slot >= 1 && slot <= Capacity && SameBytes(lines, other.lines, slot);
    case ElementKind::Grid:
        return slot >= 1 && slot <= GridCapacity && SameBytes(grids, other.grids, slot) &&
               gridHandles[slot] == other.gridHandles[slot];
    default:
        return false;
    }
}
