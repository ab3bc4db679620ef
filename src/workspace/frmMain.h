#pragma once

#include "settings/ProgramWindow.h"
#include "workspace/EditorContext.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class CanvasTools;
class DrawOptionsPanel;
class ElementMenu;
class Pano;
class Prompter;
class QAction;
class QMenu;
class QProgressBar;
class QPushButton;
class StatusBar;
class Workspace;

// The main window: command buttons, the canvas, the status bar, the menus and the floating
// panels, laid out for the window's size. It carries the workspace's own commands (New, Exit,
// the drawing tools and options) and offers the rest of the program the editor context; the
// other subsystems bring their commands through the wiring.
class frmMain : public QWidget, public EditorContext, public ProgramWindow {
    Q_OBJECT

public:
    struct Paths {
        QString programDir;    // the executable's folder: data and settings.ini
        QString userConfigDir; // where settings go when the program folder is read-only
        // An installed program keeps its settings in userConfigDir always.
        bool settingsInUserFolder = false;
    };

    frmMain(Prompter& prompter, const Paths& paths, QWidget* parent = nullptr);
    ~frmMain() override;

    const Paths& paths() const { return m_paths; }
    // Where the settings of this run are read from and saved to.
    const QString& settingsPath() const { return m_settingsPath; }

    // Command buttons.
    QPushButton* cmdMenu = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdAddLast = nullptr;
    QPushButton* cmdTekst = nullptr;
    QPushButton* cmdMakeEtiquetes = nullptr;
    QPushButton* cmdCon = nullptr;
    QPushButton* cmdCon1 = nullptr;
    QPushButton* cmdCon2 = nullptr;
    QPushButton* optRect = nullptr;
    QPushButton* optElipse = nullptr;
    QPushButton* optLine = nullptr;
    QPushButton* cmdNewDia = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdExit = nullptr;
    // The fifteen in the order they stand in the top row.
    const QList<QPushButton*>& commandButtons() const { return m_buttons; }

    Pano* pano = nullptr;
    StatusBar* StatInfo = nullptr;
    QProgressBar* Progres = nullptr;
    DrawOptionsPanel* DrawOptions = nullptr;
    QMenu* mnuMenu = nullptr;
    QMenu* mnuAddElipse = nullptr;

    // ---- the editor context ----
    Workspace& workspace() override { return *m_workspace; }
    Prompter& prompter() override { return m_prompter; }
    Pano& canvas() override { return *pano; }
    QWidget& mainWindow() override { return *this; }
    const QImage& backgroundTile() const override { return m_Image1; }
    CanvasTools& tools() override { return *m_tools; }
    ElementMenu& elementMenu() override { return *m_elementMenu; }
    void SpriInstrumentite() override;
    void startTool(const QString& mode) override;
    bool Opcii4ertane() override;
    void Pre4ertai() override;
    void Proveri() override;
    void Kontrolite(bool Systoqnie) override;
    bool canvasScrollable() override;
    void scrollTo(int horizontal, int vertical) override;
    void beginProgress(int maximum) override;
    void setProgress(int value, int maximum) override;
    void endProgress() override;
    QAction& action(const QString& name) override;
    QMenu& menu(const QString& name) override;
    QPushButton& button(const QString& name) override;
    void popupAtCentreOf(QMenu& menu, QWidget& widget) override;
    void popupAtPointer(QMenu& menu) override;

    bool SaveSettings() override;

    // ---- the workspace's own commands ----
    void cmdNewDia_Click();
    void cmdExit_Click();
    void cmdMenu_Click();
    void Razmer_Click();
    void optRect_Click();
    void optLine_Click();
    void optElipse_Click();
    void mnuAddRect_Click();
    void mnuAddLine_Click();
    void mnuEllEllipse_Click();
    void mnuEllOkr_Click();
    void mnuOptDraw_Click();
    // "Скрий манипулаторите" / "Покажи манипулаторите": the handles of shapes and lines.
    void mnuHideManiFig_Click();
    void lblHidefr_Click();
    void DebelinaLinii_Change();
    // Shows the diagram from where the scroll bars stand.
    void Izmesti();
    // Escape: cancels the most specific thing under way, first a region marked for export
    // (which unlocks the commands), then a connection being picked, then a drawing tool.
    // False when nothing was under way.
    bool cancelInProgress();

    // Ends the program; replaceable so tests can watch it happen.
    std::function<void()> endProgram;
    bool ending() const { return m_ending; }

protected:
    const SettingsRecord& appearanceSettings() const override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void createButtons();
    void createMenu();
    // The keys of the menu entries, shown beside them.
    void createShortcuts();
    void createPanels();
    void applyLayout();
    void syncToolButtons();
    void setMenuChecks(const QAction* checked);
    void chooseColour(QPushButton* button, int32_t& colour);
    // Opens the drawing-options panel inside the canvas, clear of the buttons and the point
    // where new objects land; `keepPlace` leaves it where it is when it already fits.
    void placeDrawOptions(bool keepPlace);
    void canvasMouseDown(Qt::MouseButton button, QPointF twips);

    Prompter& m_prompter;
    Paths m_paths;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<CanvasTools> m_tools;
    std::unique_ptr<ElementMenu> m_elementMenu;
    QList<QPushButton*> m_buttons;
    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QImage m_Image1; // background tile
    bool m_ending = false;
    QString m_settingsPath;
};
