#pragma once

#include "workspace/ElementKind.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class ElementStore;
class QPainter;

// What the program knows of one kind of element, described once by the subsystem that owns
// it. The renderer, the extent, the resize handles, the copy buffer and the file code walk
// these instead of asking each kind by name.
struct KindDescriptor {
    ElementKind kind = ElementKind::None;
    int slotCount = 0; // slots run from 1

    // The names the kind goes by elsewhere: the resize handles' record, entry 0 of the copy
    // buffer and the record tags of the file. Empty where the kind has none.
    QString resizeTag;
    QString copyTag;
    QStringList fileTags;

    // Painting. Passes run in increasing order; the kinds of one pass are painted slot by
    // slot, in the order of their rank within a slot. A persistent kind is painted onto the
    // canvas bitmap by the repaint; the others are drawn over it.
    bool persistent = false;
    int paintPass = 0;
    int paintRank = 0;
    std::function<void(QPainter&, const ElementStore&, int slot)> paint;
    // Paints every present element of the kind at once, in slot order, in place of `paint`
    // (faster where the painter's state can be set up once).
    std::function<void(QPainter&, const ElementStore&)> paintAll;

    std::function<bool(const ElementStore&, int slot)> present;
    // The element's box (twips); `inExtent` says whether it counts in the diagram's extent.
    std::function<QRectF(const ElementStore&, int slot)> box;
    bool inExtent = true;
    // Takes the element out of the store (and what cannot stand without it).
    std::function<void(ElementStore&, int slot)> erase;
    // Writes the element into the copy buffer (entry 0 is `copyTag`).
    std::function<void(const ElementStore&, int slot, QStringList& buffer)> copy;
};

// The registered kinds, in the order they were added.
class KindRegistry {
public:
    void add(KindDescriptor descriptor);

    const std::vector<KindDescriptor>& all() const { return m_kinds; }
    const KindDescriptor* find(ElementKind kind) const;
    KindDescriptor* find(ElementKind kind);
    // The kind whose file records carry `tag`; null for none.
    const KindDescriptor* byFileTag(const QString& tag) const;

    // The questions every kind answers, for any element; an unknown kind or a slot out of
    // range is absent and has no box.
    bool present(const ElementStore& store, ElementRef element) const;
    QRectF box(const ElementStore& store, ElementRef element) const;
    void erase(ElementStore& store, ElementRef element) const;

    // Paints the persistent kinds, or the others, in paint order.
    void paint(QPainter& painter, const ElementStore& store, bool persistent) const;
    bool hasAnything(const ElementStore& store, bool persistent) const;

private:
    const KindDescriptor* slotOf(ElementRef element) const;
    // The persistent or the other kinds in paint order, pass by pass.
    std::vector<std::vector<const KindDescriptor*>> paintPasses(bool persistent) const;

    std::vector<KindDescriptor> m_kinds;
};
