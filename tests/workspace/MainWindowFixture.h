#pragma once

#include "support/ScriptedPrompter.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

// A main window on temporary program and configuration folders, answering through a
// scripted prompter. `ends` counts how often the program was asked to end.
struct MainWindowFixture {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    ScriptedPrompter prompter;
    std::unique_ptr<frmMain> window;
    int ends = 0;
    int saves = 0;

    // `settings` is written to settings.ini in the program folder first, when given.
    explicit MainWindowFixture(const QByteArray& settings = QByteArray(),
                               QSize size = {1200, 800}) {
        if (!settings.isEmpty()) {
            QFile file(programDir.filePath(QStringLiteral("settings.ini")));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        window = std::make_unique<frmMain>(prompter,
                                           frmMain::Paths{programDir.path(), configDir.path()});
        window->endProgram = [this] { ++ends; };
        window->workspace().saveCommand = [this] { ++saves; };
        window->resize(size);
        window->show();
    }

    frmMain& w() { return *window; }
};
