#pragma once

#include "workspace/SimpleDragAndDrop.h"

#include <QFrame>
#include <QHash>
#include <functional>

class QLabel;

// A panel floating on the main window, under a title bar: the user drags it by any bare part
// of it, and it stays inside the window. Its subclasses put their controls under `caption`.
class FloatingPanel : public QFrame {
    Q_OBJECT

public:
    FloatingPanel(const QString& name, const QString& title, QWidget* parent);

    QLabel* caption = nullptr;

    // True once the user has dragged the panel somewhere.
    bool movedByUser() const { return m_movedByUser; }
    // Puts the panel back inside its window when it no longer fits (the window shrank).
    void keepInside();

protected:
    // A label that works as a link: underlined, under a pointing hand, `clicked` on a left
    // release over it. A press on it starts no drag of the panel.
    QLabel* addLink(const QString& name, const QString& text, const QString& tooltip,
                    std::function<void()> clicked);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SimpleDragAndDrop m_drag;
    bool m_movedByUser = false;
    QHash<QObject*, std::function<void()>> m_links;
};
