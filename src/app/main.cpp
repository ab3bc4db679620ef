#include "common/QtPrompter.h"
#include "workspace/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

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
    frmMain window(prompter, paths);
    prompter.setParentWidget(&window);

    const QStringList size = parser.value(sizeOption).split(QLatin1Char('x'));
    if (size.size() == 2 && size[0].toInt() > 0 && size[1].toInt() > 0) {
        window.resize(size[0].toInt(), size[1].toInt());
        window.show();
    } else {
        if (const QScreen* screen = window.screen())
            window.resize(screen->availableGeometry().size());
        window.showMaximized();
    }
    return app.exec();
}
