#include "app/Editor.h"
#include "app/ProgramFolders.h"
#include "common/ConsolePrompter.h"
#include "common/QtPrompter.h"
#include "files/CommandLineExport.h"
#include "files/FileCommands.h"
#include "files/RecoveryCommands.h"
#include "library/frmSplash.h"
#include "print/CommandLinePrint.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// "WxH" in pixels, or nothing when the text is no such size.
std::optional<QSize> ParseSize(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool wideOk = false;
    bool highOk = false;
    const int width = parts[0].toInt(&wideOk);
    const int height = parts[1].toInt(&highOk);
    if (!wideOk || !highOk || width <= 0 || height <= 0)
        return std::nullopt;
    return QSize(width, height);
}

// For timing the start as a whole: once the main window it watches has been painted on the
// screen, says "shown" on the standard output and ends the program (VEXILARDO_QUIT_WHEN_SHOWN
// set).
class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;

private:
    bool m_told = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_told) {
            m_told = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

bool HasArgument(int argc, char* argv[], const char* wanted) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], wanted) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // An export, a print to PDF and the help text open no window, so they need no display
    // either; the export and the print print only their own messages.
    const bool writes = HasArgument(argc, argv, "--export") || HasArgument(argc, argv, "--print");
    const bool windowless =
        writes || HasArgument(argc, argv, "--help") || HasArgument(argc, argv, "-h");
    if (windowless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    if (writes)
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg)
                ConsolePrompter::say(text);
        });
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexilardo"));
    QCoreApplication::setApplicationName(QStringLiteral("Vexilardo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The menu entry this program is started from, for the desktop to match its windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("vexilardo"));

    // The program font is an old bitmap face on the systems it comes from; here it maps to
    // the nearest installed sans serif, at its customary small size.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    // Qt's own dialogs and buttons speak Bulgarian.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_bg"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Вексилардо: редактор на диаграми."));
    parser.addHelpOption();
    QCommandLineOption sizeOption(QStringLiteral("size"),
                                  QStringLiteral("Начален размер на прозореца (ШxВ в пиксели)."),
                                  QStringLiteral("WxH"));
    QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral("Записва ДИАГРАМА.dia като ИЗХОД (.bmp, .gif, .jpg, .png, .svg, .pdf или "
                       ".dia) без прозорец и излиза."));
    QCommandLineOption qualityOption(QStringLiteral("quality"),
                                     QStringLiteral("Качество на JPG при --export, от 1 до 100."),
                                     QStringLiteral("N"), QStringLiteral("90"));
    QCommandLineOption printOption(
        QStringLiteral("print"),
        QStringLiteral("Записва страницата, която печатът на ДИАГРАМА.dia дава (Letter), като "
                       "ИЗХОД.pdf без прозорец и излиза."));
    parser.addOptions({sizeOption, exportOption, qualityOption, printOption});
    parser.addPositionalArgument(QStringLiteral("ДИАГРАМА.dia"),
                                 QStringLiteral("Диаграмата, която да се отвори."),
                                 QStringLiteral("[ДИАГРАМА.dia]"));
    parser.addPositionalArgument(
        QStringLiteral("ИЗХОД"),
        QStringLiteral("При --export и --print: файлът, който да се запише."),
        QStringLiteral("[ИЗХОД]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    // The data beside the executable in the build folder, else where the installation put it.
    const ProgramFolders folders = ProgramFolders::locate(QCoreApplication::applicationDirPath(),
                                                          QStringLiteral(VX_INSTALLED_DATA));

    if (parser.isSet(printOption)) {
        ConsolePrompter console;
        if (files.size() != 2 || parser.isSet(exportOption)) {
            ConsolePrompter::say(
                QStringLiteral("Употреба: vexilardo --print ДИАГРАМА.dia ИЗХОД.pdf"));
            return CommandLineExport::Usage;
        }
        return CommandLinePrint::run(files[0], files[1], folders.data, console);
    }
    if (parser.isSet(exportOption)) {
        ConsolePrompter console;
        bool numeric = false;
        const int quality = parser.value(qualityOption).toInt(&numeric);
        if (files.size() != 2 || !numeric) {
            ConsolePrompter::say(QStringLiteral("Употреба: vexilardo --export ДИАГРАМА.dia ИЗХОД "
                                                "[--quality N]"));
            return CommandLineExport::Usage;
        }
        return CommandLineExport::run(files[0], files[1], quality, folders.data, console);
    }
    if (files.size() > 1) {
        ConsolePrompter::say(QStringLiteral("Употреба: vexilardo [ДИАГРАМА.dia] [--size ШxВ]"));
        return CommandLineExport::Usage;
    }
    const QString diagram = files.value(0);

    QtPrompter prompter;
    frmMain::Paths paths;
    paths.programDir = folders.data;
    paths.userConfigDir = SettingsFile::userConfigFolder();
    paths.settingsInUserFolder = folders.installed;
    const std::optional<QSize> size = ParseSize(parser.value(sizeOption));

    // The splash makes the editor, fills its picture library and shows it when done; a
    // diagram named on the command line opens then.
    Editor* editor = nullptr;
    frmSplash splash(
        [&prompter, &paths, &editor] {
            auto made = std::make_unique<Editor>(prompter, paths);
            prompter.setParentWidget(&made->window());
            editor = made.get();
            return made;
        },
        [&size, &editor, &diagram](QWidget& window) {
            const QScreen* screen = window.screen();
            const QSize available = screen ? screen->availableGeometry().size() : QSize();
            if (size) {
                // A window larger than the screen could not be used; it gets the screen.
                window.resize(available.isValid() ? size->boundedTo(available) : *size);
                window.show();
            } else {
                if (available.isValid())
                    window.resize(available);
                window.showMaximized();
            }
            if (!diagram.isEmpty() && editor)
                editor->files().openDiagram(QFileInfo(diagram).absoluteFilePath());
            // Then what a copy of the program that died left behind, which the user may take
            // in its place.
            if (editor)
                editor->recovery().offer();
            if (qEnvironmentVariableIsSet("VEXILARDO_QUIT_WHEN_SHOWN"))
                window.installEventFilter(new QuitWhenPainted(&window));
        });
    // Someone who opened a diagram is waiting for it: no pause once the library is in.
    splash.quickStart = !diagram.isEmpty();
    splash.show();
    splash.Form_Load();
    if (!splash.editor())
        return 1;
    return app.exec();
}
