#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QTimer;
class SplashTarget;

// The start-up window: it creates the editor, loads the picture library into it with
// the bar following the records, lets a short "Инициализиране..." phase run on LoadTimer
// and then hands over to the main window. A click or a key on the splash ends that phase at
// once; with `quickStart` it does not run at all.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    // Makes the editor (its main window not shown yet).
    using Factory = std::function<std::unique_ptr<SplashTarget>()>;
    // Shows the main window at the end; empty shows it maximised.
    using Show = std::function<void(QWidget& mainWindow)>;

    explicit frmSplash(Factory createEditor, Show showMainWindow = {}, QWidget* parent = nullptr);
    ~frmSplash() override;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr; // product name
    QLabel* Label2 = nullptr; // what it is
    QLabel* LabStatus = nullptr;
    QProgressBar* Progres = nullptr;
    QTimer* LoadTimer = nullptr;

    // Hands over as soon as the library is loaded (a diagram to open is waiting).
    bool quickStart = false;

    // Creates the editor and loads the library into it; returns with LoadTimer running.
    void Form_Load();
    // One tick of LoadTimer.
    void LoadTimer_Timer();

    // The editor once Form_Load has made it; the splash keeps owning it.
    SplashTarget* editor() const { return m_editor.get(); }
    // What went wrong while the library was loaded.
    const QStringList& libraryFaults() const { return m_faults; }
    bool handedOver() const { return m_handedOver; }

    static QString loadingText() { return QStringLiteral("Зареждане на обекти..."); }
    static QString initialisingText() { return QStringLiteral("Инициализиране..."); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QPixmap drawLogo(int side);
    // Ends the "Инициализиране..." phase now, if it is running.
    void skipWaiting();
    void handOver();

    Factory m_createEditor;
    Show m_showMainWindow;
    std::unique_ptr<SplashTarget> m_editor;
    QStringList m_faults;
    bool m_loadStarted = false;
    bool m_handedOver = false;
};
