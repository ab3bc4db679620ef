#include "app/Editor.h"
#include "common/QtPrompter.h"
#include "library/frmSplash.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <algorithm>
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

} // namespace

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
    paths.userConfigDir = SettingsFile::userConfigFolder();
    const std::optional<QSize> size = ParseSize(parser.value(sizeOption));

    // The splash makes the editor, fills its picture library and shows it when done.
    frmSplash splash(
        [&prompter, &paths] {
            auto editor = std::make_unique<Editor>(prompter, paths);
            prompter.setParentWidget(&editor->window());
            return editor;
        },
        [&size](QWidget& window) {
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
        });
    splash.show();
    splash.Form_Load();
    if (!splash.editor())
        return 1;
    return app.exec();
}
