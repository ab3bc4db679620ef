#include "help/HelpCommands.h"

#include "common/Prompter.h"
#include "common/ShownText.h"
#include "help/AboutDialog.h"
#include "help/HelpManual.h"
#include "help/HelpWindow.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"

#include <QAction>
#include <QDir>
#include <QToolButton>

HelpCommands::HelpCommands(EditorContext& context, QString manualFolder)
    : m_context(context), m_folder(std::move(manualFolder)) {
    connect(context.canvas().cmdHelp, &QToolButton::clicked, this, &HelpCommands::cmdHelp_Click);
    connect(&context.action(QStringLiteral("mnuHelp")), &QAction::triggered, this,
            &HelpCommands::cmdHelp_Click);
    connect(&context.action(QStringLiteral("mnuAbout")), &QAction::triggered, this,
            &HelpCommands::mnuAbout_Click);
}

HelpCommands::~HelpCommands() {
    delete m_help;
    delete m_about;
}

HelpWindow* HelpCommands::helpWindow() const {
    return m_help;
}

AboutDialog* HelpCommands::aboutDialog() const {
    return m_about;
}

QString HelpCommands::defaultFolder(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("help"));
}

void HelpCommands::cmdHelp_Click() {
    if (!m_help) {
        HelpManual manual;
        if (!manual.load(m_folder)) {
            const QString index = QDir(m_folder).filePath(HelpManual::indexFile());
            m_context.prompter().message(
                QStringLiteral("Помощ"),
                QStringLiteral("Ръководството на програмата липсва: няма файл „%1“.")
                    .arg(ShownText(QDir::toNativeSeparators(index), 200,
                                   ShownCharacters::CodePoints)),
                Prompter::Icon::Warning, Prompter::Buttons::Ok);
            return;
        }
        m_help = new HelpWindow(std::move(manual), &m_context.mainWindow());
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void HelpCommands::mnuAbout_Click() {
    if (!m_about) {
        m_about = new AboutDialog(&m_context.mainWindow());
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_about->open();
    m_about->raise();
}
