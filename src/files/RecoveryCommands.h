#pragma once

#include "files/Recovery.h"

#include <QObject>
#include <QString>
#include <QTimer>

class EditorContext;
class FileCommands;

// The autosave in the window: every Recovery::IntervalMs a copy of a changed diagram goes to
// the recovery file; a saved, new or loaded diagram takes it away, as does the end of the
// program. At start-up offer() asks about diagrams that copies which died left behind.
class RecoveryCommands : public QObject {
    Q_OBJECT

public:
    RecoveryCommands(EditorContext& context, FileCommands& files, const QString& folder);
    // The program ends cleanly: the recovery files go.
    ~RecoveryCommands() override;

    Recovery& recovery() { return m_recovery; }
    // Runs tick() every Recovery::IntervalMs.
    QTimer& timer() { return m_timer; }
    // The autosave, when there is something to write.
    void tick();
    // Asks about the diagrams left behind; the window must be up.
    void offer();

private:
    // Shows the autosave's failure once nothing else has the user's attention.
    void tellUnavailable();

    EditorContext& m_context;
    FileCommands& m_files;
    Recovery m_recovery;
    QTimer m_timer;
    QString m_untold; // a failure not yet shown
};
