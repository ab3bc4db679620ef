#include "common/QtPrompter.h"
#include "library/frmSplash.h"
#include "workspace/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vexilardo"));
    QCoreApplication::setApplicationName(QStringLiteral("Vexilardo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

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
    parser.addHelpOption();
    QCommandLineOption sizeOption(QStringLiteral("size"),
                                  QStringLiteral("Начален размер на прозореца (ШxВ в пиксели)."),
                                  QStringLiteral("WxH"));
    parser.addOption(sizeOption);
    parser.process(app);

    QtPrompter prompter;
    frmMain::Paths paths;
    paths.programDir = QCoreApplication::applicationDirPath();
    paths.userConfigDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QStringList size = parser.value(sizeOption).split(QLatin1Char('x'));

    // The splash makes the main window, fills its picture library and shows it when done.
    frmSplash splash(
        [&prompter, &paths] {
            auto window = std::make_unique<frmMain>(prompter, paths);
            prompter.setParentWidget(window.get());
            return window;
        },
        [&size](frmMain& window) {
            if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0) {
                window.resize(size[0].toInt(), size[1].toInt());
                window.show();
            } else {
                if (const QScreen* screen = window.screen())
                    window.resize(screen->availableGeometry().size());
                window.showMaximized();
            }
        });
    splash.show();
    splash.Form_Load();
    if (!splash.mainWindow())
        return 1;
    return app.exec();
}
