#pragma once

#include "workspace/ElementStore.h"

#include <QMetaType>
#include <QObject>
#include <QString>

// What a `Diagram::changed` signal reports.
struct DiagramChange {
    enum class Scope {
        Diagram,  // the elements changed: something to save, to undo, to repaint
        Replaced, // the diagram was replaced as a whole (cleared, read from a file)
        View,     // only how the diagram is shown changed (scroll, outlines, handle visibility)
    };
    Scope scope = Scope::Diagram;
    // The step the edit named ("Преместване на обект"); empty for a change of the view.
    QString step;
};
Q_DECLARE_METATYPE(DiagramChange)

// The diagram document: it owns the element store, and every change of the diagram goes
// through it, as an edit that names its step. Reading is free through `store()`.
//
//     Diagram::Edit edit = document.edit(QStringLiteral("Изтриване на обект"));
//     edit.store().objectStatus[slot] = ElementStore::Free;
//
// An edit that opens while another one is open joins it, so a command that calls several
// helpers is still one step. When the outermost edit closes, the document emits `changed`
// once, if the store was touched through any of them.
class Diagram : public QObject {
    Q_OBJECT

public:
    class Edit {
    public:
        Edit(Edit&& other) noexcept;
        Edit& operator=(Edit&&) = delete;
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;
        ~Edit();

        // The store, to change it. References into it are good until the edit closes.
        ElementStore& store();

    private:
        friend class Diagram;
        explicit Edit(Diagram& document) : m_document(&document) {}
        Diagram* m_document;
    };

    explicit Diagram(QObject* parent = nullptr);

    const ElementStore& store() const { return m_store; }
    // An edit is open (a drag still holds its step).
    bool editing() const { return m_openEdits > 0; }
    // Opens an edit named `step` (or joins the one that is open, which keeps its own name and
    // scope). A `Replaced` edit puts a whole new diagram in place.
    Edit edit(const QString& step, DiagramChange::Scope scope = DiagramChange::Scope::Diagram);
    // The whole diagram as a value, and putting such a value back as one edit.
    ElementStore snapshot() const { return m_store; }
    void restore(const ElementStore& content, const QString& step);
    // Tells the views that only the view of the diagram changed.
    void notifyViewChanged();

signals:
    void changed(const DiagramChange& change);

private:
    void close();

    ElementStore m_store;
    int m_openEdits = 0;
    QString m_step;
    DiagramChange::Scope m_scope = DiagramChange::Scope::Diagram;
    bool m_touched = false;
};
