#include "search/Search.h"

#include "workspace/ElementStore.h"

#include <algorithm>
#include <cmath>

void Search::setScope(const ElementStore& store, bool objects, bool texts) {
    m_inObjects = objects;
    m_inTexts = texts;
    reset(store);
}

void Search::reset(const ElementStore& store) {
    m_examined = 0;
    m_nextSlot = 0;
    m_found = {};
    int total = 0;
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        total += m_inObjects && store.objectStatus[slot] != ElementStore::Free;
        total += m_inTexts && store.textStatus[slot] != ElementStore::Free;
    }
    m_total = static_cast<int16_t>(total);
}

Search::Result Search::next(const ElementStore& store, const QString& key) {
    m_found = {};
    // Everything seen, or the walk past the last slot with elements unseen (deleted since the
    // count, or passed over after a match in their slot): start again from the first.
    if (m_nextSlot > 0 && (m_examined >= m_total || m_nextSlot > ElementStore::Capacity))
        reset(store);
    if (key.isEmpty())
        return Result::EmptyKey;

    const QString upperKey = key.toUpper();
    const auto holds = [&upperKey](const QString& text) {
        return text.toUpper().contains(upperKey);
    };
    while (m_nextSlot <= ElementStore::Capacity) {
        const int slot = m_nextSlot++;
        if (slot == 0)
            continue;
        if (m_inObjects && store.objectStatus[slot] != ElementStore::Free) {
            ++m_examined;
            if (holds(store.objects[slot].ToolTipText)) {
                m_found = {ElementKind::Picture, static_cast<int16_t>(slot)};
                return Result::Found;
            }
        }
        if (m_inTexts && store.textStatus[slot] != ElementStore::Free) {
            ++m_examined;
            if (holds(store.texts[slot].Caption)) {
                m_found = {ElementKind::Text, static_cast<int16_t>(slot)};
                return Result::Found;
            }
        }
    }
    return Result::NotFound;
}

QString Search::counterText() const {
    return QStringLiteral("Претърсени : %1 / %2").arg(m_examined).arg(m_total);
}

bool Search::contains(const QString& text, const QString& key) {
    return text.toUpper().contains(key.toUpper());
}

QRectF Search::highlight(const QRectF& element) {
    return element.adjusted(-HighlightMargin, -HighlightMargin, HighlightMargin, HighlightMargin);
}

QPoint Search::originShowing(const QRectF& box, const QRectF& visible, const QPoint& maximum) {
    const auto axis = [](double low, double high, double viewLow, double viewSize, int most) {
        double origin = viewLow;
        if (low < viewLow + ViewMargin || high > viewLow + viewSize - ViewMargin) {
            if (high - low > viewSize - 2 * ViewMargin)
                origin = low - ViewMargin;
            else
                origin = (low + high - viewSize) / 2;
        }
        return std::clamp(static_cast<int>(std::lround(origin)), 0, std::max(most, 0));
    };
    return {axis(box.left(), box.right(), visible.left(), visible.width(), maximum.x()),
            axis(box.top(), box.bottom(), visible.top(), visible.height(), maximum.y())};
}
