#pragma once

#include "workspace/Diagram.h"
#include "workspace/ElementStore.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>

// The undo history of a diagram: the diagram as it stood after each step, kept as copies of
// the store. Every change of the diagram the document reports is one step; a diagram put in
// place as a whole (cleared, read from a file) starts a new history.
//
// Copies share their pictures, so a step costs the store's own records plus the pictures
// that no other copy holds. The history is bounded by those bytes: the oldest steps go first
// once they pass `ByteBound`, however few steps are left. The diagram shown now is never
// dropped.
//
// The clean state is the copy that was last saved or read; the diagram has unsaved changes
// exactly when the current copy is another one.
class History : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 ByteBound = qint64(256) << 20;

    explicit History(Diagram& document, qint64 byteBound = ByteBound, QObject* parent = nullptr);

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current + 1 < int(m_states.size()); }
    // The name of the step an undo or a redo would take back or do again; empty when none.
    QString undoStep() const;
    QString redoStep() const;
    // Steps that can be undone and redone together.
    int steps() const { return int(m_states.size()) - 1; }
    int position() const { return m_current; }

    // Puts the diagram as it stood before the last step (after the next one) in place through
    // `show`, which restores it in the document; that change is not a new step. False when
    // there is nothing to undo (redo).
    using Show = std::function<void(const ElementStore& content, const QString& step)>;
    bool undo(const Show& show);
    bool redo(const Show& show);

    // Starts again from the diagram as it is now, which becomes the clean state.
    void clear();
    bool isClean() const { return m_clean == m_current; }
    // The diagram as it is now is the saved one.
    void setClean();
    // No copy is the saved diagram any more (a recovered diagram was never saved as it is).
    void forgetClean();

    // Bytes the history holds beyond the diagram shown now: its pictures that the current
    // diagram does not share, and the records of every other copy.
    qint64 heldBytes() const;

signals:
    // The steps, the position or the clean state changed.
    void changed();
    void cleanChanged(bool clean);

private:
    struct State {
        ElementStore store;
        QString step; // the step that led to this state
    };
    void record(const DiagramChange& change);
    bool moveTo(int index, const QString& step, const Show& show);
    void hold(const ElementStore& store);
    void release(const ElementStore& store);
    void dropOldest();
    void trim();
    void announce(bool wasClean);

    Diagram& m_document;
    const qint64 m_byteBound;
    std::deque<State> m_states;
    int m_current = 0;
    int m_clean = 0; // -1: no copy is the saved diagram
    bool m_applying = false;
    // Every picture the copies hold, by its cache key: its size and how many copies hold it.
    struct Held {
        qint64 bytes = 0;
        int copies = 0;
    };
    QHash<qint64, Held> m_pictures;
    qint64 m_pictureBytes = 0;
};
