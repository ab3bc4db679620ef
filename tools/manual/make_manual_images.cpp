// Makes the pictures of the user manual from the program itself, without a screen:
//     make_manual_images PROGRAM_FOLDER OUTPUT_FOLDER
// PROGRAM_FOLDER holds the picture library (build/program); the PNG files go to
// OUTPUT_FOLDER (data/help/images). Run with QT_QPA_PLATFORM=offscreen.
#include "app/Editor.h"
#include "common/SilentPrompter.h"
#include "export/frmJPGQuality.h"
#include "grids/GridCommands.h"
#include "grids/Grids.h"
#include "grids/frmAddTable.h"
#include "grids/frmEditTable.h"
#include "help/AboutDialog.h"
#include "help/HelpCommands.h"
#include "help/HelpWindow.h"
#include "library/CatalogueLoader.h"
#include "library/frmAddObject.h"
#include "objects/PictureCommands.h"
#include "presentation/SettingsCommands.h"
#include "print/PrintCommands.h"
#include "print/frmPreviewDia.h"
#include "print/frmPrint.h"
#include "search/SearchBox.h"
#include "search/SearchCommands.h"
#include "search/frmBuffer.h"
#include "settings/frmSettings.h"
#include "shapes/Shapes.h"
#include "sketchpad/SketchSurface.h"
#include "sketchpad/SketchpadCommands.h"
#include "sketchpad/frmAddPaint.h"
#include "text/Dialog.h"
#include "text/TextCommands.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/ElementMenu.h"
#include "workspace/Pano.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

namespace {

QString g_output;
int g_failures = 0;

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Saves what a widget shows as PNG; the manual names the files, so a failure is loud.
void shoot(QWidget& widget, const char* name) {
    settle();
    const QString path = QDir(g_output).filePath(QString::fromLatin1(name) + ".png");
    if (!widget.grab().save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

void shootMenu(QMenu& menu, QWidget& near, const char* name) {
    menu.popup(near.mapToGlobal(QPoint(200, 150)));
    shoot(menu, name);
    menu.hide();
}

QMenu& menuNamed(QWidget& window, const char* name) {
    auto* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
    if (!menu) {
        std::fprintf(stderr, "no menu %s\n", name);
        std::exit(1);
    }
    return *menu;
}

int32_t rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// A small office network: pictures joined by lines of each type, a text, shapes and a grid.
void drawSample(Editor& editor) {
    Workspace& ws = editor.workspace();
    const struct {
        const char* key;
        double left, top;
    } pictures[] = {{"ROUTER", 1200, 1500}, {"HUB", 4200, 1500},     {"PCOMPUTER", 2400, 3900},
                    {"LAPTOP", 4200, 3900}, {"PRINTER", 6000, 3900}, {"WWW_SERVER", 7200, 1500}};
    for (const auto& p : pictures) {
        ws.DobaviNov(QString::fromLatin1(p.key));
        const int16_t slot = ws.diagram.Nomer;
        Diagram::Edit change = ws.edit(QStringLiteral("Преместване на обект"));
        change.store().objects[slot].Left = p.left;
        change.store().objects[slot].Top = p.top;
    }
    Diagram::Edit change = ws.edit(QStringLiteral("Пример"));
    ElementStore& store = change.store();
    const int lines[][3] = {{1, 2, 1}, {2, 3, 2}, {2, 4, 2}, {2, 5, 3}, {2, 6, 1}};
    for (int i = 0; i < 5; ++i)
        store.lines[i + 1] = {1, lines[i][0], lines[i][1], lines[i][2], rgb(0, 0, 160), 2, 0};
    store.textStatus[1] = ElementStore::Used;
    TextField& title = store.texts[1];
    title.Caption = QStringLiteral("Мрежа на офиса");
    title.Left = 1200;
    title.Top = 450;
    title.FontName = QStringLiteral("DejaVu Sans");
    title.FontSize = 16;
    title.FontBold = true;
    title.ForeColor = rgb(128, 0, 0);
    title.Visible = true;
    store.shapes[1] = {Shapes::Rectangle,   900, 1200, 8700, 5600, rgb(0, 128, 0), 1,
                       Shapes::Transparent, 0,   1};
    store.shapes[2] = {Shapes::EllipseKind, 9300, 3900, 11700, 5400, rgb(0, 0, 0), 2, Shapes::Solid,
                       rgb(255, 255, 160),  0};
    for (int slot : {1, 2})
        store.shapeHandles[slot] = Shapes::handleTopLeft(store.shapes[slot]);
}

void addGrid(Editor& editor) {
    Workspace& ws = editor.workspace();
    ws.canvas.shpSelection.rect = QRectF(9300, 900, 2700, 1800);
    Grids::NachertaiTablica(ws, 3, 3);
    ws.canvas.shpSelection = {};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_manual_images PROGRAM_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_bg"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    const QString programDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    g_output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(g_output);
    QTemporaryDir config;
    QTemporaryDir recovery;

    SilentPrompter prompter;
    Editor editor(prompter, frmMain::Paths{programDir, config.path()}, recovery.path());
    CatalogueLoader loader(QDir(programDir).filePath(CatalogueLoader::folderName()),
                           editor.pictureLibrary());
    while (loader.loadNext()) {
    }
    frmMain& window = editor.window();
    Workspace& ws = editor.workspace();
    // A fixed date and time in the status bar, so pictures made again differ only where the
    // program does.
    window.StatInfo->setClock([] { return QDateTime(QDate(2027, 3, 1), QTime(10, 30)); });
    window.resize(1040, 660);
    window.show();
    settle();

    drawSample(editor);
    addGrid(editor);
    window.Pre4ertai();
    window.Proveri();
    shoot(window, "glaven-prozorec");

    // The main menu and the element menus.
    shootMenu(*window.mnuMenu, window, "glavno-menu");
    shootMenu(menuNamed(window, "mnuFunct"), window, "menu-funkcii");
    shootMenu(menuNamed(window, "mnuDraw"), window, "menu-figuri-glavno");
    ws.diagram.contextElement = {ElementKind::Picture, 1};
    window.elementMenu().open({ElementKind::Picture, 1});
    shoot(window.elementMenu().menu(), "menu-obekt");
    window.elementMenu().menu().hide();
    window.elementMenu().open({ElementKind::Text, 1});
    shoot(window.elementMenu().menu(), "menu-tekst");
    window.elementMenu().menu().hide();
    window.SpriInstrumentite();
    shootMenu(menuNamed(window, "mnuLines"), window, "menu-linii");
    // As the menu of a rectangle shows it: no mirroring, which only lines have.
    QMenu& figures = menuNamed(window, "mnuFigures");
    for (QAction* entry : figures.actions())
        if (entry->objectName() == QLatin1String("mnuFlip"))
            entry->setVisible(false);
    shootMenu(figures, window, "menu-figuri");
    shootMenu(menuNamed(window, "mnuTables"), window, "menu-tablici");

    // The panels of the main window.
    window.action(QStringLiteral("mnuOptDraw")).trigger();
    shoot(*window.DrawOptions, "opcii-chertane");
    window.DrawOptions->hide();
    editor.search().mnuSearch_Click();
    if (auto* box = window.findChild<SearchBox*>())
        shoot(*box, "tarsene");
    editor.search().cmdClose_Click();

    // The windows and dialogs.
    editor.pictures().mnuAddLib_Click();
    if (frmAddObject* chooser = editor.pictures().chooser()) {
        // A category chosen and a picture of it, as the user would.
        if (chooser->cmdCateg->count() > 1) {
            chooser->cmdCateg->setCurrentIndex(1);
            emit chooser->cmdCateg->activated(1);
        }
        if (chooser->lstObjects->count() > 2)
            chooser->lstObjects->setCurrentRow(2);
        shoot(*chooser, "izbor-na-obekt");
        chooser->close();
    }
    editor.texts().cmdTekst_Click();
    if (auto* dialog = window.findChild<Dialog*>()) {
        if (auto* keyboard = dialog->findChild<QAbstractButton*>(QStringLiteral("cmdKeyboard")))
            keyboard->click();
        shoot(*dialog, "tekst-dialog");
        dialog->close();
    }
    {
        frmAddTable dialog(window);
        dialog.show();
        shoot(dialog, "reshetka");
    }
    editor.grids().runEditDialog = [](frmEditTable& dialog) {
        dialog.show();
        shoot(dialog, "parametri-reshetka");
    };
    ws.diagram.contextElement = {ElementKind::Grid, 1};
    editor.grids().mnuEdit_Click();
    {
        frmJPGQuality dialog(window, QImage(64, 64, QImage::Format_RGB32),
                             QDir(config.path()).filePath(QStringLiteral("x.jpg")));
        dialog.show();
        shoot(dialog, "jpg-kachestvo");
    }
    editor.search().runBufferView = [](frmBuffer& view) {
        view.show();
        shoot(view, "bufer");
    };
    editor.search().mnuBuffers_Click();

    editor.printing().mnuPrint_Click();
    if (auto* print = window.findChild<frmPrint*>()) {
        print->resize(760, 560);
        shoot(*print, "pechat");
        print->close();
    }
    editor.printing().mnuPreview_Click();
    if (auto* preview = window.findChild<frmPreviewDia*>()) {
        shoot(*preview, "prevu");
        preview->close();
    }

    // The sketchpad with a little drawing: a framed router sign, hatched and filled figures.
    editor.sketchpad().mnuAddSketchPad_Click();
    if (frmAddPaint* pad = editor.sketchpad().sketchpad()) {
        pad->resize(640, 460);
        settle();
        Sketch& sketch = pad->sketch();
        sketch.colour = QColor(0, 0, 128);
        sketch.fillColour = QColor(0, 128, 128);
        sketch.fillStyle = 6;
        sketch.penWidth = 2;
        sketch.drawBox(QPointF(600, 600), QPointF(3600, 2700));
        sketch.fillStyle = 0;
        sketch.fillColour = QColor(255, 255, 0);
        sketch.drawCircle(QPointF(4200, 600), QPointF(6600, 2700));
        sketch.colour = QColor(255, 0, 0);
        sketch.drawLine(QPointF(600, 3300), QPointF(6600, 3300));
        sketch.colour = QColor(0, 0, 0);
        sketch.drawText(QPointF(600, 3600), QStringLiteral("Скица на помещението"));
        pad->Picture1->update();
        shoot(*pad, "skicnik");
        pad->sketch().clear();
        pad->close();
    }
    editor.settings().runDialog = [](frmSettings& dialog) {
        dialog.show();
        shoot(dialog, "nastroiki");
    };
    editor.settings().mnuSettings_Click();

    editor.help().cmdHelp_Click();
    if (HelpWindow* help = editor.help().helpWindow()) {
        help->resize(900, 560);
        shoot(*help, "pomosht");
        help->txtFind->setText(QStringLiteral("линия"));
        emit help->txtFind->returnPressed();
        shoot(*help, "pomosht-tarsene");
        help->close();
    }
    editor.help().mnuAbout_Click();
    if (AboutDialog* about = editor.help().aboutDialog()) {
        shoot(*about, "otnosno");
        about->close();
    }
    settle();
    return g_failures ? 1 : 0;
}
