#pragma once

#include "workspace/Pano.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <memory>

class DrawOptionsPanel;
class PictureCommands;
class Prompter;
class QAction;
class QMenu;
class QProgressBar;
class QPushButton;
class StatusBar;
class Workspace;

// The routines that draw on the canvas while the left button is dragged with a tool.
class DrawingRoutines {
public:
    virtual ~DrawingRoutines() = default;
    virtual void DrawBox(int16_t x, int16_t y, int32_t colour, bool Final) = 0;
    virtual void DrawLine(int16_t x, int16_t y, int32_t colour, bool Final) = 0;
    virtual void DrawCircle(int16_t x, int16_t y, int32_t colour, bool Krag, bool Final) = 0;
    virtual void DrawSelection(int16_t x, int16_t y, int32_t colour, bool Final) = 0;
};

// The main window: command buttons, the canvas, the status bar, the menus and the
// floating panels. The behaviour of each subsystem lives with the subsystem; this class
// builds the window, lays it out and wires the events.
class frmMain : public QWidget, private DrawingRoutines {
    Q_OBJECT

public:
    struct Paths {
        QString programDir;    // the executable's folder: data and settings.ini
        QString userConfigDir; // where settings go when the program folder is read-only
    };

    frmMain(Prompter& prompter, const Paths& paths, QWidget* parent = nullptr);
    ~frmMain() override;

    Workspace& workspace() const { return *m_workspace; }
    Prompter& prompter() const { return m_prompter; }
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
    QList<QPushButton*> commandButtons() const;

    Pano* pano = nullptr;
    StatusBar* StatInfo = nullptr;
    QProgressBar* Progres = nullptr;
    DrawOptionsPanel* DrawOptions = nullptr;

    QMenu* mnuMenu = nullptr;
    QMenu* mnuAddElipse = nullptr;
    // Menu entries by their names ("mnuAddRect", "mnuPaste", ...).
    QAction* menuAction(const QString& name) const;

    // Element store operations, reachable from every window.
    int16_t FindEmpty(int16_t MasivNomer);
    int16_t PraznaTablica() const;
    void DobaviNov(const QString& Vid);
    void Iz4isti();
    bool ZapaziPromenite();
    void Kontrolite(bool Systoqnie);
    void Pre4ertai();
    void Proveri();

    // Writes the settings record to settings.ini; false when the file could not be written.
    bool SaveSettings();

    // Commands.
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
    void lblHidefr_Click();
    void cmdColor_Click();
    void cmdConnectColor_Click();
    void PaintFill_Click();
    void DebelinaLinii_Change();
    void SpriInstrumentite();
    bool Opcii4ertane();

    // Shifts every element by the change of the scroll bars since the last call.
    void Izmesti();
    // The diagram's extent as the last Proveri found it (twips).
    int32_t extentLeft = 0;
    int32_t extentTop = 0;
    int32_t extentRight = 0;
    int32_t extentBottom = 0;

    PictureCommands* pictures() const { return m_pictures; }

    // Pops a menu up with its corner at the centre of a button.
    void popupAtCentreOf(QMenu* menu, QWidget* button);

    // Progress of long operations: a bar centred on the canvas and the hourglass.
    void beginProgress();
    void endProgress();

    // The drawing routines the canvas calls; replaceable so each tool can bring its own.
    void setDrawingRoutines(DrawingRoutines* routines);

    // The selection rectangle shown while a region is marked.
    bool selectionVisible() const { return m_selectionVisible; }
    QRectF selectionRect() const { return m_selectionRect; }

    // Ends the program; replaceable so tests can watch it happen.
    std::function<void()> endProgram;
    bool ending() const { return m_ending; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void createButtons();
    void createMenu();
    void createPanels();
    void applyLayout();
    void updateCaption();
    void startTool(const QString& mode);
    void syncToolButtons();
    void setMenuChecks(QAction* checked);
    void showDrawOptions();
    QPushButton* buttonByName(const QString& name) const;

    // Canvas mouse.
    void canvasMouseDown(Qt::MouseButton button, QPointF twips);
    void canvasMouseMove(Qt::MouseButtons buttons, QPointF twips);
    void canvasMouseUp(Qt::MouseButton button, QPointF twips);
    void callDrawingRoutine(const QString& mode, int16_t x, int16_t y, bool Final);

    // The routines until the shape, grid and export commands bring theirs.
    void DrawBox(int16_t x, int16_t y, int32_t colour, bool Final) override;
    void DrawLine(int16_t x, int16_t y, int32_t colour, bool Final) override;
    void DrawCircle(int16_t x, int16_t y, int32_t colour, bool Krag, bool Final) override;
    void DrawSelection(int16_t x, int16_t y, int32_t colour, bool Final) override;

    Prompter& m_prompter;
    Paths m_paths;
    std::unique_ptr<Workspace> m_workspace;
    QHash<QString, QAction*> m_actions;
    DrawingRoutines* m_routines = this;
    QImage m_Image1; // background tile
    bool m_ending = false;
    bool m_selectionVisible = false;
    QRectF m_selectionRect;
    QString m_settingsPath;
    PictureCommands* m_pictures = nullptr;
    int16_t m_previousHorizontal = 0;
    int16_t m_previousVertical = 0;
};
