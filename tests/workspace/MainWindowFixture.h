#pragma once

#include "app/Editor.h"
#include "common/Units.h"
#include "grids/GridCommands.h"
#include "grids/frmAddTable.h"
#include "support/ScriptedPrompter.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QByteArray>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// settings.ini showing the drawing options at start, so no drawing or connecting command asks
// about them first.
inline QByteArray settingsShowingDrawOptions() {
    QByteArray bytes = "\"[NASTROIKIVX]\"\r\n\"MS Sans Serif\"\r\n";
    for (int i = 0; i < 11; ++i)
        bytes += "255\r\n";
    return bytes + "#TRUE#\r\n#TRUE#\r\n#TRUE#\r\n";
}

// The canvas pixel nearest to a twip position.
inline QPoint px(double xTwips, double yTwips) {
    return QPoint(TwipsToPixelRounded(xTwips), TwipsToPixelRounded(yTwips));
}

// The wired editor on temporary program and configuration folders, answering through a
// scripted prompter. `ends` counts how often the program was asked to end, `saves` how
// often the save command ran, `gridDialogs` how often the rows-and-columns dialog came up;
// `answerGridDialog` answers it (left alone, the dialog is simply not shown).
// The title as the window shows it: Qt's "[*]" becomes "*" while there are unsaved changes
// and goes otherwise; "[*][*]" stands for "[*]" itself.
inline QString shownTitle(const QWidget& window) {
    const QStringList parts = window.windowTitle().split(QStringLiteral("[*][*]"));
    QStringList shown;
    for (QString part : parts)
        shown << part.replace(QStringLiteral("[*]"), window.isWindowModified() ? "*" : "");
    return shown.join(QStringLiteral("[*]"));
}

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
