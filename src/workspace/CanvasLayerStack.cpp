#include "workspace/CanvasLayerStack.h"

#include <QPainter>
#include <algorithm>

ElementRef CanvasLayerStack::Hit::element() const {
    if (!layer)
        return {};
    return ElementRef{layer->kind(), static_cast<int16_t>(slot)};
}

CanvasLayer& CanvasLayerStack::add(std::unique_ptr<CanvasLayer> layer, int order) {
    const auto at = std::upper_bound(m_layers.begin(), m_layers.end(), order,
                                     [](int o, const Entry& e) { return o < e.order; });
    CanvasLayer& added = *layer;
    m_layers.insert(at, Entry{std::move(layer), order});
    return added;
}

void CanvasLayerStack::remove(const CanvasLayer* layer) {
    if (m_grab.layer == layer) {
        m_grab = {};
        m_grabButton = Qt::NoButton;
    }
    m_layers.erase(std::remove_if(m_layers.begin(), m_layers.end(),
                                  [layer](const Entry& e) { return e.layer.get() == layer; }),
                   m_layers.end());
}

CanvasLayer* CanvasLayerStack::layer(ElementKind kind) const {
    for (const Entry& e : m_layers)
        if (e.layer->kind() == kind)
            return e.layer.get();
    return nullptr;
}

void CanvasLayerStack::paint(QPainter& painter) const {
    for (const Entry& e : m_layers)
        e.layer->paint(painter);
}

CanvasLayerStack::Hit CanvasLayerStack::hitTest(QPointF twips) const {
    for (auto it = m_layers.rbegin(); it != m_layers.rend(); ++it) {
        CanvasLayer* layer = it->layer.get();
        if (!layer->takesMouse())
            continue;
        for (int slot = layer->slotCount(); slot >= 1; --slot) {
            if (layer->present(slot) && layer->hitRect(slot).contains(twips))
                return Hit{layer, slot};
        }
    }
    return {};
}

CanvasMouse CanvasLayerStack::mouseFor(const Hit& hit, Qt::MouseButton button,
                                       Qt::MouseButtons buttons, QPointF twips) const {
    return CanvasMouse{button, buttons, twips, twips - hit.layer->rect(hit.slot).topLeft()};
}

bool CanvasLayerStack::press(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF twips) {
    // A grab whose button is no longer down ended somewhere we did not see.
    if (m_grab && !(buttons & m_grabButton))
        endElementGrab(buttons & ~button, twips);
    if (m_canvasGrab && !(buttons & m_canvasButton)) {
        m_canvasGrab = false;
        m_missedCanvasRelease = m_canvasButton;
    }
    if (m_grab) {
        // Another button while an element holds the mouse goes to that element.
        m_grab.layer->mousePress(m_grab.slot, mouseFor(m_grab, button, buttons, twips));
        return true;
    }
    if (m_canvasGrab)
        return false;
    if (const Hit hit = hitTest(twips)) {
        m_grab = hit;
        m_grabButton = button;
        hit.layer->mousePress(hit.slot, mouseFor(hit, button, buttons, twips));
        return true;
    }
    m_canvasGrab = true;
    m_canvasButton = button;
    return false;
}

bool CanvasLayerStack::move(Qt::MouseButtons buttons, QPointF twips) {
    if (m_grab) {
        // The button that started the grab came up where we did not see it (a popup had the
        // mouse): the grab ends here, before the element could follow a bare pointer.
        if (!(buttons & m_grabButton)) {
            endElementGrab(buttons, twips);
            return true;
        }
        m_grab.layer->mouseMove(m_grab.slot, mouseFor(m_grab, Qt::NoButton, buttons, twips));
        return true;
    }
    if (m_canvasGrab) {
        if (buttons & m_canvasButton)
            return false;
        m_canvasGrab = false;
        m_missedCanvasRelease = m_canvasButton;
        return false;
    }
    // Hovering: the element under the pointer sees the move too.
    if (const Hit hit = hitTest(twips)) {
        hit.layer->mouseMove(hit.slot, mouseFor(hit, Qt::NoButton, buttons, twips));
        return true;
    }
    return false;
}

bool CanvasLayerStack::release(Qt::MouseButton button, Qt::MouseButtons buttons, QPointF twips) {
    if (m_grab) {
        const Hit grab = m_grab;
        if (button == m_grabButton) {
            m_grab = {};
            m_grabButton = Qt::NoButton;
        }
        grab.layer->mouseRelease(grab.slot, mouseFor(grab, button, buttons, twips));
        return true;
    }
    if (m_canvasGrab && button == m_canvasButton)
        m_canvasGrab = false;
    return false;
}

void CanvasLayerStack::endElementGrab(Qt::MouseButtons buttons, QPointF twips) {
    const Hit grab = m_grab;
    const Qt::MouseButton button = m_grabButton;
    m_grab = {};
    m_grabButton = Qt::NoButton;
    grab.layer->mouseRelease(grab.slot, mouseFor(grab, button, buttons & ~button, twips));
}

void CanvasLayerStack::cancelGrab(QPointF twips) {
    if (m_grab)
        endElementGrab(Qt::NoButton, twips);
    if (m_canvasGrab) {
        m_canvasGrab = false;
        m_missedCanvasRelease = m_canvasButton;
    }
}

Qt::MouseButton CanvasLayerStack::takeMissedCanvasRelease() {
    const Qt::MouseButton button = m_missedCanvasRelease;
    m_missedCanvasRelease = Qt::NoButton;
    return button;
}
