#include "workspace/KindRegistry.h"

#include <QPainter>
#include <algorithm>
#include <map>
#include <utility>

void KindRegistry::add(KindDescriptor descriptor) {
    m_kinds.push_back(std::move(descriptor));
}

const KindDescriptor* KindRegistry::find(ElementKind kind) const {
    for (const KindDescriptor& d : m_kinds)
        if (d.kind == kind)
            return &d;
    return nullptr;
}

KindDescriptor* KindRegistry::find(ElementKind kind) {
    return const_cast<KindDescriptor*>(std::as_const(*this).find(kind));
}

const KindDescriptor* KindRegistry::byFileTag(const QString& tag) const {
    for (const KindDescriptor& d : m_kinds)
        if (d.fileTags.contains(tag))
            return &d;
    return nullptr;
}

const KindDescriptor* KindRegistry::slotOf(ElementRef element) const {
    const KindDescriptor* d = find(element.kind);
    if (!d || element.slot < 1 || element.slot > d->slotCount)
        return nullptr;
    return d;
}

bool KindRegistry::present(const ElementStore& store, ElementRef element) const {
    const KindDescriptor* d = slotOf(element);
    return d && d->present && d->present(store, element.slot);
}

QRectF KindRegistry::box(const ElementStore& store, ElementRef element) const {
    const KindDescriptor* d = slotOf(element);
    return d && d->box ? d->box(store, element.slot) : QRectF();
}

void KindRegistry::erase(ElementStore& store, ElementRef element) const {
    const KindDescriptor* d = slotOf(element);
    if (d && d->erase)
        d->erase(store, element.slot);
}

std::vector<std::vector<const KindDescriptor*>> KindRegistry::paintPasses(bool persistent) const {
    std::map<int, std::vector<const KindDescriptor*>> passes;
    for (const KindDescriptor& d : m_kinds)
        if (d.persistent == persistent && (d.paint || d.paintAll))
            passes[d.paintPass].push_back(&d);
    std::vector<std::vector<const KindDescriptor*>> ordered;
    for (auto& [pass, kinds] : passes) {
        std::stable_sort(kinds.begin(), kinds.end(),
                         [](const KindDescriptor* a, const KindDescriptor* b) {
                             return a->paintRank < b->paintRank;
                         });
        ordered.push_back(std::move(kinds));
    }
    return ordered;
}

void KindRegistry::paint(QPainter& painter, const ElementStore& store, bool persistent) const {
    for (const auto& pass : paintPasses(persistent)) {
        if (pass.size() == 1 && pass.front()->paintAll) {
            pass.front()->paintAll(painter, store);
            continue;
        }
        int lastSlot = 0;
        for (const KindDescriptor* d : pass)
            lastSlot = std::max(lastSlot, d->slotCount);
        for (int slot = 1; slot <= lastSlot; ++slot) {
            for (const KindDescriptor* d : pass) {
                if (slot > d->slotCount || !d->paint || !d->present(store, slot))
                    continue;
                painter.save();
                d->paint(painter, store, slot);
                painter.restore();
            }
        }
    }
}

bool KindRegistry::hasAnything(const ElementStore& store, bool persistent) const {
    for (const KindDescriptor& d : m_kinds) {
        if (d.persistent != persistent || !(d.paint || d.paintAll))
            continue;
        for (int slot = 1; slot <= d.slotCount; ++slot)
            if (d.present(store, slot))
                return true;
    }
    return false;
}
