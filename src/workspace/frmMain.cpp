#include "workspace/frmMain.h"

#include "common/Prompter.h"
#include "common/Units.h"
#include "kinds/CoreKinds.h"
#include "settings/SettingsFile.h"
#include "workspace/CanvasTools.h"
#include "workspace/DiagramState.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/ElementMenu.h"
#include "workspace/MainLayout.h"
#include "workspace/Pano.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace {

struct ButtonText {
    const char* name;
    const char* caption;
    const char* tooltip;
};

// The fifteen command buttons in the order they stand in the top row.
const ButtonText ButtonTexts[] = {
    {"cmdMenu", "Меню", "Системно меню"},
    {"cmdAdd", "Обекти", "Добавяне на обекти на паното"},
    {"cmdAddLast", "Последен", "Добавяне на инстанция от последния добавен елемент"},
    {"cmdTekst", "Текст", "Добавяне на текст към паното"},
    {"cmdMakeEtiquetes", "Функции", ""},
    {"cmdCon", "Свържи", "Свързваща линия, тип 1"},
    {"cmdCon1", "Свържи", "Свързваща линия, тип 2"},
    {"cmdCon2", "Свържи", "Свързваща линия, тип 3"},
    {"optRect", "Квадрат", "Чертане на квадрат"},
    {"optElipse", "Овал", "Чертане на елипса или окръжност"},
    {"optLine", "Линия", "Чертане на линия"},
    {"cmdNewDia", "Нов файл", "Създаване на празен файл"},
    {"cmdSave", "Запази", "Запазване на диаграмата"},
    {"cmdLoad", "Зареди", "Зареждане на диаграма от файл"},
    {"cmdExit", "Изход", "Изход от програмата"},
};

// A small tile for the window background: a soft steel-blue weave.
QImage makeBackgroundTile() {
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(QColor(196, 208, 222));
    QPainter p(&tile);
    p.setPen(QColor(184, 198, 214));
    p.drawLine(0, 15, 15, 0);
    p.setPen(QColor(206, 216, 228));
    p.drawPoint(3, 3);
    p.drawPoint(11, 11);
    return tile;
}

} // namespace

frmMain::frmMain(Prompter& prompter, const Paths& paths, QWidget* parent)
    : QWidget(parent), ProgramWindow(*this, SettingsWindow::Main), m_prompter(prompter),
      m_paths(paths), m_workspace(std::make_unique<Workspace>(prompter, CoreKinds())),
      m_tools(std::make_unique<CanvasTools>(*m_workspace)) {
    setObjectName(QStringLiteral("frmMain"));
    endProgram = [] { QCoreApplication::exit(0); };
    m_Image1 = makeBackgroundTile();

    pano = new Pano(*m_workspace, this);
    createButtons();
    createPanels();
    createMenu();
    connect(pano, &Pano::canvasMouseDown, this, &frmMain::canvasMouseDown);
    connect(pano, &Pano::canvasMouseMove, this, [this](Qt::MouseButtons buttons, QPointF twips) {
        m_tools->mouseMove(buttons, twips);
    });
    connect(pano, &Pano::canvasMouseUp, this, [this](Qt::MouseButton button, QPointF twips) {
        m_tools->mouseUp(button, twips);
        syncToolButtons();
    });
    connect(pano->Razmer, &QToolButton::clicked, this, &frmMain::Razmer_Click);
    connect(pano->MoveHorizont, &QScrollBar::valueChanged, this, &frmMain::Izmesti);
    connect(pano->MoveVertikal, &QScrollBar::valueChanged, this, &frmMain::Izmesti);
    connect(m_workspace.get(), &Workspace::stateTextChanged, this,
            [this](const QString& text) { StatInfo->setPanelText(2, text); });
    connect(m_workspace.get(), &Workspace::fileTextChanged, this,
            [this](const QString& text) { StatInfo->setPanelText(3, text); });
    // The title carries Qt's mark of unsaved changes: "*" after it while there are any.
    connect(m_workspace.get(), &Workspace::modifiedChanged, this, &QWidget::setWindowModified);

    resize(1000, 700);
    Form_Load();
}

frmMain::~frmMain() {
    // The child windows see the workspace; they go before it does.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

void frmMain::createButtons() {
    for (const ButtonText& text : ButtonTexts) {
        auto* button = new QPushButton(QString::fromUtf8(text.caption), this);
        button->setObjectName(QString::fromLatin1(text.name));
        button->setToolTip(QString::fromUtf8(text.tooltip));
        button->setFocusPolicy(Qt::TabFocus);
        button->resize(TwipsToPixelRounded(MainLayout::ButtonWidth),
                       TwipsToPixelRounded(MainLayout::ButtonHeight));
        m_buttons.append(button);
    }
    cmdMenu = &button(QStringLiteral("cmdMenu"));
    cmdAdd = &button(QStringLiteral("cmdAdd"));
    cmdAddLast = &button(QStringLiteral("cmdAddLast"));
    cmdTekst = &button(QStringLiteral("cmdTekst"));
    cmdMakeEtiquetes = &button(QStringLiteral("cmdMakeEtiquetes"));
    cmdCon = &button(QStringLiteral("cmdCon"));
    cmdCon1 = &button(QStringLiteral("cmdCon1"));
    cmdCon2 = &button(QStringLiteral("cmdCon2"));
    optRect = &button(QStringLiteral("optRect"));
    optElipse = &button(QStringLiteral("optElipse"));
    optLine = &button(QStringLiteral("optLine"));
    cmdNewDia = &button(QStringLiteral("cmdNewDia"));
    cmdSave = &button(QStringLiteral("cmdSave"));
    cmdLoad = &button(QStringLiteral("cmdLoad"));
    cmdExit = &button(QStringLiteral("cmdExit"));
    for (QPushButton* tool : {optRect, optElipse, optLine})
        tool->setCheckable(true);

    for (const MainLayout::Placement& p : MainLayout::designPositions())
        button(p.button).move(TwipsToPixelRounded(p.left), TwipsToPixelRounded(p.top));
    pano->setGeometry(TwipsToPixelRounded(MainLayout::CanvasLeft), TwipsToPixelRounded(960), 767,
                      400);

    connect(cmdMenu, &QPushButton::clicked, this, &frmMain::cmdMenu_Click);
    connect(cmdNewDia, &QPushButton::clicked, this, &frmMain::cmdNewDia_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    // A tool button shows whether its tool is on; the click itself decides.
    connect(optRect, &QPushButton::clicked, this, &frmMain::optRect_Click);
    connect(optLine, &QPushButton::clicked, this, &frmMain::optLine_Click);
    connect(optElipse, &QPushButton::clicked, this, &frmMain::optElipse_Click);
}

void frmMain::createPanels() {
    StatInfo = new StatusBar(this);
    StatInfo->setObjectName(QStringLiteral("StatInfo"));
    StatInfo->setSizeGripEnabled(false);

    Progres = new QProgressBar(this);
    Progres->setObjectName(QStringLiteral("Progres"));
    Progres->setTextVisible(false);
    Progres->hide();

    DrawOptions = new DrawOptionsPanel(this);
    DrawOptions->hide();
    ToolState& tools = m_workspace->tools;
    connect(DrawOptions, &DrawOptionsPanel::hideRequested, this, &frmMain::lblHidefr_Click);
    connect(DrawOptions->cmdColor, &QPushButton::clicked, this,
            [this, &tools] { chooseColour(DrawOptions->cmdColor, tools.drawingColour); });
    connect(DrawOptions->cmdConnectColor, &QPushButton::clicked, this,
            [this, &tools] { chooseColour(DrawOptions->cmdConnectColor, tools.lineColour); });
    connect(DrawOptions->PaintFill, &QPushButton::clicked, this,
            [this, &tools] { chooseColour(DrawOptions->PaintFill, tools.fillColour); });
    connect(DrawOptions->DebelinaLinii, &QComboBox::editTextChanged, this,
            &frmMain::DebelinaLinii_Change);
    connect(DrawOptions->DebelinaLinii, &QComboBox::currentTextChanged, this,
            &frmMain::DebelinaLinii_Change);
    connect(DrawOptions->chkFilled, &QCheckBox::toggled, this,
            [&tools](bool on) { tools.filled = on; });
}

void frmMain::Form_Load() {
    Workspace& ws = *m_workspace;
    ws.tools = ToolState{};
    ws.diagram.connection = ConnectionState{};
    ws.setModified(false);
    ws.Izmesti(0, 0);
    ws.diagram.ImeForma = QStringLiteral("Вексилардо");
    setWindowTitle(ws.diagram.ImeForma + QStringLiteral("[*]"));

    const SettingsFile settingsFile =
        m_paths.settingsInUserFolder
            ? SettingsFile(QDir(m_paths.userConfigDir).filePath(SettingsFile::fileName()))
            : SettingsFile::locate(m_paths.programDir, m_paths.userConfigDir);
    m_settingsPath = settingsFile.path();
    ws.settings = settingsFile.load();

    DrawOptionsPanel::setButtonColour(DrawOptions->cmdColor, ws.tools.drawingColour);
    DrawOptionsPanel::setButtonColour(DrawOptions->cmdConnectColor, ws.tools.lineColour);
    DrawOptionsPanel::setButtonColour(DrawOptions->PaintFill, ws.tools.fillColour);
    ws.tools.drawingOptionsHidden = !ws.settings.ShowDrawOptions;
    if (ws.settings.ShowDrawOptions) {
        placeDrawOptions(false);
        DrawOptions->show();
        DrawOptions->raise();
    }

    applyAppearance();

    StatInfo->fitPanelTo(1, {StatInfo->panelText(1)});
    StatInfo->fitPanelTo(2, {DiagramStateText::none(), DiagramStateText::loaded(),
                             DiagramStateText::changed(), DiagramStateText::saved()});
    StatInfo->setPanelText(2, ws.stateText());
    StatInfo->setPanelText(3, ws.fileText());
    action(QStringLiteral("mnuPaste")).setEnabled(false);

    DrawOptions->DebelinaLinii->blockSignals(true);
    DrawOptions->DebelinaLinii->addItems({QStringLiteral("1"), QStringLiteral("2"),
                                          QStringLiteral("3"), QStringLiteral("4"),
                                          QStringLiteral("5")});
    DrawOptions->DebelinaLinii->setCurrentText(ws.tools.lineWidth);
    DrawOptions->DebelinaLinii->blockSignals(false);
}

const SettingsRecord& frmMain::appearanceSettings() const {
    return m_workspace->settings;
}

bool frmMain::SaveSettings() {
    return SettingsFile(m_settingsPath).save(m_workspace->settings);
}

// ---- layout ----

void frmMain::resizeEvent(QResizeEvent*) {
    applyLayout();
}

void frmMain::applyLayout() {
    const int statusHeight = StatInfo->sizeHint().height();
    StatInfo->setGeometry(0, height() - statusHeight, width(), statusHeight);

    const int W = static_cast<int>(PixelsToTwips(width()));
    const int H = static_cast<int>(PixelsToTwips(height()));
    if (const auto layout = MainLayout::compute(W, H)) {
        for (const MainLayout::Placement& p : layout->buttons)
            button(p.button).move(TwipsToPixelRounded(p.left), TwipsToPixelRounded(p.top));
        pano->setGeometry(TwipsToPixelRounded(MainLayout::CanvasLeft),
                          TwipsToPixelRounded(layout->canvasTop),
                          TwipsToPixelRounded(layout->canvasWidth),
                          std::max(TwipsToPixelRounded(layout->canvasHeight), 1));
    }
    // A hidden canvas hears of its new size only when shown; the workspace needs it now.
    m_workspace->setCanvasSize(pano->width(), pano->height());
    pano->placeEdgeControls();
    if (!DrawOptions->isHidden())
        placeDrawOptions(DrawOptions->movedByUser());
    Proveri();
    Pre4ertai();
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_Image1.isNull())
        return;
    for (int x = 0; x <= width(); x += m_Image1.width())
        for (int y = 0; y <= height(); y += m_Image1.height())
            painter.drawImage(x, y, m_Image1);
}

// ---- the editor context ----

void frmMain::Pre4ertai() {
    m_workspace->Pre4ertai();
}

void frmMain::Proveri() {
    const Workspace::ScrollRanges ranges = m_workspace->Proveri();
    // Scroll values are document twips: a click moves ten pixels, a page half the canvas, at
    // any zoom.
    const int step = std::max(1, static_cast<int>(10 * m_workspace->canvas.view.pixelTwips()));
    const auto apply = [step](QScrollBar* bar, int maximum, double inner) {
        bar->setEnabled(maximum > 0);
        bar->setMaximum(maximum);
        bar->setSingleStep(step);
        bar->setPageStep(std::max(step, static_cast<int>(inner / 2)));
    };
    const QSizeF inner = m_workspace->canvas.visibleArea().size();
    apply(pano->MoveHorizont, ranges.horizontal, inner.width());
    apply(pano->MoveVertikal, ranges.vertical, inner.height());
}

void frmMain::Izmesti() {
    m_workspace->Izmesti(static_cast<int16_t>(pano->MoveHorizont->value()),
                         static_cast<int16_t>(pano->MoveVertikal->value()));
}

bool frmMain::canvasScrollable() {
    return pano->MoveHorizont->isEnabled() || pano->MoveVertikal->isEnabled();
}

void frmMain::scrollTo(int horizontal, int vertical) {
    // The bars move without their own reaction, so the view moves once, by both.
    for (const auto& [bar, value] :
         {std::pair{pano->MoveHorizont, horizontal}, std::pair{pano->MoveVertikal, vertical}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }
    Izmesti();
}

void frmMain::Kontrolite(bool Systoqnie) {
    repaint();
    mnuMenu->setEnabled(Systoqnie);
    for (QPushButton* b : m_buttons)
        b->setEnabled(Systoqnie);
}

void frmMain::beginProgress(int maximum) {
    const int w = pano->width();
    const int h = pano->height();
    Progres->setRange(0, std::max(maximum, 1));
    Progres->setValue(0);
    Progres->resize(std::max(w / 3, 1), Progres->sizeHint().height());
    Progres->move(pano->x() + w / 2 - Progres->width() / 2,
                  pano->y() + h / 2 - Progres->height() / 2);
    Progres->show();
    Progres->raise();
    setCursor(Qt::WaitCursor);
}

void frmMain::setProgress(int value, int maximum) {
    maximum = std::max(maximum, 1);
    if (Progres->maximum() != maximum)
        Progres->setMaximum(maximum);
    // The bar repaints itself when the change shows; the work runs on without the event loop.
    Progres->setValue(std::clamp(value, 0, maximum));
}

void frmMain::endProgress() {
    Progres->hide();
    unsetCursor();
}

QPushButton& frmMain::button(const QString& name) {
    for (QPushButton* b : m_buttons)
        if (b->objectName() == name)
            return *b;
    qFatal("frmMain: no command button named %s", qPrintable(name));
}

QAction& frmMain::action(const QString& name) {
    QAction* found = m_actions.value(name);
    if (!found)
        qFatal("frmMain: no menu entry named %s", qPrintable(name));
    return *found;
}

QMenu& frmMain::menu(const QString& name) {
    QMenu* found = m_menus.value(name);
    if (!found)
        qFatal("frmMain: no menu named %s", qPrintable(name));
    return *found;
}

void frmMain::popupAtCentreOf(QMenu& menu, QWidget& widget) {
    menu.popup(widget.mapToGlobal(QPoint(widget.width() / 2, widget.height() / 2)));
}

void frmMain::popupAtPointer(QMenu& menu) {
    menu.popup(QCursor::pos());
}

// ---- New and leaving the program ----

void frmMain::cmdNewDia_Click() {
    SpriInstrumentite();
    if (!m_workspace->ZapaziPromenite())
        return;
    m_workspace->Iz4isti();
    Proveri();
    m_workspace->setFileText(DiagramStateText::noFile());
    action(QStringLiteral("mnuPaste")).setEnabled(false);
    setWindowTitle(m_workspace->diagram.ImeForma + QStringLiteral("[*]"));
}

void frmMain::Razmer_Click() {
    for (QScrollBar* bar : {pano->MoveHorizont, pano->MoveVertikal}) {
        bar->setEnabled(true);
        bar->setMaximum(MainLayout::enlargedScrollMaximum(bar->maximum()));
    }
}

void frmMain::cmdExit_Click() {
    SpriInstrumentite();
    if (!m_workspace->ZapaziPromenite())
        return;
    // Exit ends the program at once; the close handler must not ask again.
    m_ending = true;
    endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_ending && m_workspace->diagram.Promqna) {
        const Prompter::Answer answer = m_prompter.message(
            QStringLiteral("Въпрос"),
            QStringLiteral("Вие избрахте да затворите програмата. Желаете ли преди това да "
                           "запазите промените ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo);
        if (answer == Prompter::Answer::Yes && m_workspace->saveCommand)
            m_workspace->saveCommand();
    }
    event->accept();
    if (!m_ending) {
        m_ending = true;
        endProgram();
    }
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    StatInfo->refreshCapsLock();
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        cancelInProgress())
        return;
    QWidget::keyPressEvent(event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    StatInfo->refreshCapsLock();
    QWidget::keyReleaseEvent(event);
}
