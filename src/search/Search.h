#pragma once

#include "workspace/ElementKind.h"

#include <QPoint>
#include <QRectF>
#include <QString>
#include <cstdint>

class ElementStore;

// The state of the search panel and its walk over the slots: each click finds the next
// picture object whose name, or text field whose caption, contains the key, whatever the
// case. Objects and texts of one slot are looked at in that order; a click that matches an
// object stops there, so the text of the same slot is passed over. Once every element has
// been looked at, or the walk has gone past the last slot, the next click starts again from
// the first.
class Search {
public:
    enum class Result { EmptyKey, Found, NotFound };

    // The highlight lies this far outside the matched element on every side (twips).
    static constexpr double HighlightMargin = 40;

    // Which kinds are searched (the panel's check boxes). Change them through setScope, which
    // starts the search again, so the counts stay of one kind.
    bool inObjects() const { return m_inObjects; }
    bool inTexts() const { return m_inTexts; }
    void setScope(const ElementStore& store, bool objects, bool texts);

    // Starts again: nothing examined, the walk at slot 0, total counting the elements of the
    // searched kinds there are now.
    void reset(const ElementStore& store);
    // One click: the next element after the last match that contains `key`; found() then
    // names it. An empty key changes nothing and finds nothing.
    Result next(const ElementStore& store, const QString& key);
    // The element the last click found; none when it found nothing or the search was reset.
    ElementRef found() const { return m_found; }

    int16_t total() const { return m_total; }
    int16_t nextSlot() const { return m_nextSlot; }
    int16_t examined() const { return m_examined; }
    // "Претърсени : examined / total".
    QString counterText() const;

    // Whether `text` contains `key`, both taken in upper case (Cyrillic as well).
    static bool contains(const QString& text, const QString& key);
    // The highlight around an element's box.
    static QRectF highlight(const QRectF& element);
    // A match closer than this to an edge of the canvas counts as out of view: the scroll bars
    // lie over the edges (twips).
    static constexpr double ViewMargin = 300;
    // Where the view must stand for `box` to be seen on a canvas now showing `visible`: where
    // it stands, on an axis where the box already lies clear of the edges; otherwise with the
    // box in the middle (its left or top edge first where it is too large for that). Within
    // 0..`maximum`, the scroll bars' maxima.
    static QPoint originShowing(const QRectF& box, const QRectF& visible, const QPoint& maximum);

private:
    bool m_inObjects = true;
    bool m_inTexts = true;
    int16_t m_total = 0;
    int16_t m_nextSlot = 0;
    int16_t m_examined = 0;
    ElementRef m_found;
};
