#pragma once

#include "app/Editor.h"
#include "grids/GridCommands.h"
#include "grids/frmAddTable.h"
#include "support/ScriptedPrompter.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// The wired editor on temporary program and configuration folders, answering through a
// scripted prompter. `ends` counts how often the program was asked to end, `saves` how
// often the save command ran, `gridDialogs` how often the rows-and-columns dialog came up;
// `answerGridDialog` answers it (left alone, the dialog is simply not shown).
struct MainWindowFixture {
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    ScriptedPrompter prompter;
    std::unique_ptr<Editor> editor;
    int ends = 0;
    int saves = 0;
    int gridDialogs = 0;
    std::function<void(frmAddTable&)> answerGridDialog;

    // `settings` is written to settings.ini in the program folder first, when given.
    explicit MainWindowFixture(const QByteArray& settings = QByteArray(),
                               QSize size = {1200, 800}) {
        if (!settings.isEmpty()) {
            QFile file(programDir.filePath(QStringLiteral("settings.ini")));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        editor =
            std::make_unique<Editor>(prompter, frmMain::Paths{programDir.path(), configDir.path()});
        w().endProgram = [this] { ++ends; };
        ws().saveCommand = [this] { ++saves; };
        editor->grids().runDialog = [this](frmAddTable& dialog) {
            ++gridDialogs;
            if (answerGridDialog)
                answerGridDialog(dialog);
        };
        w().resize(size);
        w().show();
    }

    frmMain& w() { return editor->window(); }
    Workspace& ws() { return editor->workspace(); }
};
