#pragma once

#include "workspace/EditorContext.h"

// Locks the commands for the length of a piece of work and unlocks them when it ends, however
// it ends. Given a maximum, the centred progress bar with the hourglass runs meanwhile: it is
// up before the window repaints locked and gone before it repaints unlocked.
class CommandsLocked {
public:
    explicit CommandsLocked(EditorContext& context, int progressMaximum = -1)
        : m_context(context), m_progress(progressMaximum >= 0) {
        if (m_progress)
            m_context.beginProgress(progressMaximum);
        m_context.Kontrolite(false);
    }
    ~CommandsLocked() {
        if (m_progress)
            m_context.endProgress();
        m_context.Kontrolite(true);
    }
    CommandsLocked(const CommandsLocked&) = delete;
    CommandsLocked& operator=(const CommandsLocked&) = delete;

private:
    EditorContext& m_context;
    bool m_progress;
};
