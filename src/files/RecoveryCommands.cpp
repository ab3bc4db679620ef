#include "files/RecoveryCommands.h"

#include "common/Prompter.h"
#include "files/FileCommands.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QApplication>

RecoveryCommands::RecoveryCommands(EditorContext& context, FileCommands& files,
                                   const QString& folder)
    : m_context(context), m_files(files), m_recovery(context.workspace(), folder) {
    connect(&files, &FileCommands::diagramSaved, &m_recovery, &Recovery::saved);
    connect(&files, &FileCommands::diagramOpened, &m_recovery, &Recovery::setFileName);
    connect(&m_recovery, &Recovery::unavailable, this, [this](const QString& message) {
        m_untold = message;
        tellUnavailable();
    });
    connect(&m_timer, &QTimer::timeout, this, &RecoveryCommands::tick);
    m_timer.start(Recovery::IntervalMs);
}

RecoveryCommands::~RecoveryCommands() {
    m_recovery.discard();
}

void RecoveryCommands::tick() {
    m_recovery.autosave();
    tellUnavailable();
}

void RecoveryCommands::tellUnavailable() {
    if (m_untold.isEmpty())
        return;
    // Not in the middle of a drag, a menu or another dialog: the next tick tells it then.
    if (QApplication::mouseButtons() != Qt::NoButton || QApplication::activePopupWidget() ||
        QApplication::activeModalWidget())
        return;
    const QString message = std::exchange(m_untold, QString());
    m_context.prompter().message(QStringLiteral("Автоматично запазване"), message,
                                 Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void RecoveryCommands::offer() {
    m_recovery.offer(m_context.prompter(), [this](const QString& path, const QString& fileName) {
        return m_files.openRecovered(path, fileName);
    });
}
