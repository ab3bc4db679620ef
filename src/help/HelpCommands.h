#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class AboutDialog;
class EditorContext;
class HelpWindow;

// "Помощ" (the main menu, the canvas corner button and F1) shows the user manual in the help
// window; "Относно програмата" shows the about window.
class HelpCommands : public QObject {
    Q_OBJECT

public:
    // The manual is read from `manualFolder` each time its window is opened anew.
    HelpCommands(EditorContext& context, QString manualFolder);
    ~HelpCommands() override;

    // The manual's folder beside the program.
    static QString defaultFolder(const QString& programFolder);

    void cmdHelp_Click();
    void mnuAbout_Click();

    // The windows while they are open (tests look at them).
    HelpWindow* helpWindow() const;
    AboutDialog* aboutDialog() const;

private:
    EditorContext& m_context;
    QString m_folder;
    QPointer<HelpWindow> m_help;
    QPointer<AboutDialog> m_about;
};
