#include "workspace/History.h"

#include <QSet>

History::History(Diagram& document, qint64 byteBound, QObject* parent)
    : QObject(parent), m_document(document), m_byteBound(byteBound) {
    m_states.push_back(State{document.snapshot(), QString()});
    hold(m_states.back().store);
    connect(&document, &Diagram::changed, this, &History::record);
}

QString History::undoStep() const {
    return canUndo() ? m_states[m_current].step : QString();
}

QString History::redoStep() const {
    return canRedo() ? m_states[m_current + 1].step : QString();
}

bool History::undo(const Show& show) {
    return canUndo() && moveTo(m_current - 1, m_states[m_current].step, show);
}

bool History::redo(const Show& show) {
    return canRedo() && moveTo(m_current + 1, m_states[m_current + 1].step, show);
}

bool History::moveTo(int index, const QString& step, const Show& show) {
    // Not in the middle of an edit (a drag still held): its step is not finished.
    if (m_applying || m_document.editing())
        return false;
    const bool wasClean = isClean();
    m_applying = true;
    show(m_states[index].store, step);
    m_applying = false;
    m_current = index;
    announce(wasClean);
    return true;
}

void History::record(const DiagramChange& change) {
    if (m_applying || change.scope == DiagramChange::Scope::View)
        return;
    if (change.scope == DiagramChange::Scope::Replaced) {
        clear();
        return;
    }
    const bool wasClean = isClean();
    // A step after an undo takes the place of what could have been redone.
    while (canRedo()) {
        release(m_states.back().store);
        m_states.pop_back();
    }
    if (m_clean > m_current)
        m_clean = -1;
    m_states.push_back(State{m_document.snapshot(), change.step});
    hold(m_states.back().store);
    ++m_current;
    trim();
    announce(wasClean);
}

void History::clear() {
    const bool wasClean = isClean();
    m_states.clear();
    m_pictures.clear();
    m_pictureBytes = 0;
    m_states.push_back(State{m_document.snapshot(), QString()});
    hold(m_states.back().store);
    m_current = 0;
    m_clean = 0;
    announce(wasClean);
}

void History::setClean() {
    const bool wasClean = isClean();
    m_clean = m_current;
    announce(wasClean);
}

void History::forgetClean() {
    const bool wasClean = isClean();
    m_clean = -1;
    announce(wasClean);
}

void History::announce(bool wasClean) {
    emit changed();
    if (wasClean != isClean())
        emit cleanChanged(isClean());
}

// ---- the byte bound ----

void History::hold(const ElementStore& store) {
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const QImage& picture = store.objects[slot].picture;
        if (store.objectStatus[slot] != ElementStore::Used || picture.isNull())
            continue;
        Held& held = m_pictures[picture.cacheKey()];
        if (held.copies++ == 0) {
            held.bytes = picture.sizeInBytes();
            m_pictureBytes += held.bytes;
        }
    }
}

void History::release(const ElementStore& store) {
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const QImage& picture = store.objects[slot].picture;
        if (store.objectStatus[slot] != ElementStore::Used || picture.isNull())
            continue;
        const auto held = m_pictures.find(picture.cacheKey());
        if (held == m_pictures.end())
            continue;
        if (--held->copies == 0) {
            m_pictureBytes -= held->bytes;
            m_pictures.erase(held);
        }
    }
}

qint64 History::heldBytes() const {
    const ElementStore& current = m_states[m_current].store;
    QSet<qint64> shared;
    qint64 sharedBytes = 0;
    for (int slot = 1; slot <= ElementStore::Capacity; ++slot) {
        const QImage& picture = current.objects[slot].picture;
        if (current.objectStatus[slot] != ElementStore::Used || picture.isNull())
            continue;
        const qint64 key = picture.cacheKey();
        const auto held = m_pictures.constFind(key);
        if (held != m_pictures.cend() && !shared.contains(key)) {
            shared.insert(key);
            sharedBytes += held->bytes;
        }
    }
    const qint64 records = qint64(m_states.size() - 1) * qint64(sizeof(ElementStore));
    return m_pictureBytes - sharedBytes + records;
}

void History::dropOldest() {
    release(m_states.front().store);
    m_states.pop_front();
    m_states.front().step.clear();
    --m_current;
    m_clean = m_clean > 0 ? m_clean - 1 : -1;
}

void History::trim() {
    while (m_current > 0 && heldBytes() > m_byteBound)
        dropOldest();
}
