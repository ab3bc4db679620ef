#include "workspace/frmMain.h"

#include "common/Prompter.h"
#include "common/Units.h"
#include "objects/PictureCommands.h"
#include "settings/SettingsFile.h"
#include "settings/WindowAppearance.h"
#include "workspace/DiagramState.h"
#include "workspace/DrawOptionsPanel.h"
#include "workspace/MainLayout.h"
#include "workspace/StatusBar.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

struct ButtonText {
    const char* name;
    const char* caption;
    const char* tooltip;
};

// Captions and tooltips of the fifteen command buttons, in the order Kontrolite walks them
// (cmdMenu, which it takes last, comes first here because it stands first in the row).
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
    : QWidget(parent), m_prompter(prompter), m_paths(paths),
      m_workspace(std::make_unique<Workspace>(prompter)) {
    setObjectName(QStringLiteral("frmMain"));
    endProgram = [] { QCoreApplication::exit(0); };
    m_Image1 = makeBackgroundTile();

    pano = new Pano(*m_workspace, this);
    createButtons();
    createPanels();
    createMenu();
    connect(pano, &Pano::canvasMouseDown, this, &frmMain::canvasMouseDown);
    connect(pano, &Pano::canvasMouseMove, this, &frmMain::canvasMouseMove);
    connect(pano, &Pano::canvasMouseUp, this, &frmMain::canvasMouseUp);
    connect(pano->Razmer, &QToolButton::clicked, this, &frmMain::Razmer_Click);
    connect(pano->MoveHorizont, &QScrollBar::valueChanged, this, &frmMain::Izmesti);
    connect(pano->MoveVertikal, &QScrollBar::valueChanged, this, &frmMain::Izmesti);
    m_pictures = new PictureCommands(*this);
    connect(m_workspace.get(), &Workspace::stateTextChanged, this,
            [this](const QString& text) { StatInfo->setPanelText(2, text); });
    connect(m_workspace.get(), &Workspace::fileTextChanged, this,
            [this](const QString& text) { StatInfo->setPanelText(3, text); });

    resize(1000, 700);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createButtons() {
    for (const ButtonText& text : ButtonTexts) {
        auto* button = new QPushButton(QString::fromUtf8(text.caption), this);
        button->setObjectName(QString::fromLatin1(text.name));
        button->setToolTip(QString::fromUtf8(text.tooltip));
        button->setFocusPolicy(Qt::TabFocus);
        button->resize(TwipsToPixel(MainLayout::ButtonWidth),
                       TwipsToPixel(MainLayout::ButtonHeight));
    }
    cmdMenu = buttonByName(QStringLiteral("cmdMenu"));
    cmdAdd = buttonByName(QStringLiteral("cmdAdd"));
    cmdAddLast = buttonByName(QStringLiteral("cmdAddLast"));
    cmdTekst = buttonByName(QStringLiteral("cmdTekst"));
    cmdMakeEtiquetes = buttonByName(QStringLiteral("cmdMakeEtiquetes"));
    cmdCon = buttonByName(QStringLiteral("cmdCon"));
    cmdCon1 = buttonByName(QStringLiteral("cmdCon1"));
    cmdCon2 = buttonByName(QStringLiteral("cmdCon2"));
    optRect = buttonByName(QStringLiteral("optRect"));
    optElipse = buttonByName(QStringLiteral("optElipse"));
    optLine = buttonByName(QStringLiteral("optLine"));
    cmdNewDia = buttonByName(QStringLiteral("cmdNewDia"));
    cmdSave = buttonByName(QStringLiteral("cmdSave"));
    cmdLoad = buttonByName(QStringLiteral("cmdLoad"));
    cmdExit = buttonByName(QStringLiteral("cmdExit"));
    for (QPushButton* tool : {optRect, optElipse, optLine})
        tool->setCheckable(true);

    for (const MainLayout::Placement& p : MainLayout::designPositions())
        buttonByName(p.button)->move(TwipsToPixel(p.left), TwipsToPixel(p.top));
    pano->setGeometry(TwipsToPixel(MainLayout::CanvasLeft), TwipsToPixel(960), 767, 400);

    connect(cmdMenu, &QPushButton::clicked, this, &frmMain::cmdMenu_Click);
    connect(cmdNewDia, &QPushButton::clicked, this, &frmMain::cmdNewDia_Click);
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        SpriInstrumentite();
        if (m_workspace->saveCommand)
            m_workspace->saveCommand();
    });
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    // A tool button shows whether its tool is on; the click itself decides.
    connect(optRect, &QPushButton::clicked, this, &frmMain::optRect_Click);
    connect(optLine, &QPushButton::clicked, this, &frmMain::optLine_Click);
    connect(optElipse, &QPushButton::clicked, this, &frmMain::optElipse_Click);
}

QList<QPushButton*> frmMain::commandButtons() const {
    return {cmdMenu, cmdAdd,    cmdAddLast, cmdTekst,  cmdMakeEtiquetes, cmdCon,  cmdCon1, cmdCon2,
            optRect, optElipse, optLine,    cmdNewDia, cmdSave,          cmdLoad, cmdExit};
}

QPushButton* frmMain::buttonByName(const QString& name) const {
    return findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
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
    connect(DrawOptions, &DrawOptionsPanel::hideRequested, this, &frmMain::lblHidefr_Click);
    connect(DrawOptions->cmdColor, &QPushButton::clicked, this, &frmMain::cmdColor_Click);
    connect(DrawOptions->cmdConnectColor, &QPushButton::clicked, this,
            &frmMain::cmdConnectColor_Click);
    connect(DrawOptions->PaintFill, &QPushButton::clicked, this, &frmMain::PaintFill_Click);
    connect(DrawOptions->DebelinaLinii, &QComboBox::editTextChanged, this,
            &frmMain::DebelinaLinii_Change);
    connect(DrawOptions->DebelinaLinii, &QComboBox::currentTextChanged, this,
            &frmMain::DebelinaLinii_Change);
    connect(DrawOptions->chkFilled, &QCheckBox::toggled, this,
            [this](bool on) { m_workspace->tools.filled = on; });
}

void frmMain::Form_Load() {
    Workspace& ws = *m_workspace;
    ws.tools = ToolState{};
    ws.connectionStep = 0;
    ws.chosenLineType = 0;
    ws.Promqna = false;
    m_previousHorizontal = 0;
    m_previousVertical = 0;
    ws.ImeForma = QStringLiteral("Вексилардо");
    updateCaption();

    const SettingsFile settingsFile =
        SettingsFile::locate(m_paths.programDir, m_paths.userConfigDir);
    m_settingsPath = settingsFile.path();
    ws.settings = settingsFile.load();

    DrawOptionsPanel::setButtonColour(DrawOptions->cmdColor, ws.tools.drawingColour);
    DrawOptionsPanel::setButtonColour(DrawOptions->cmdConnectColor, ws.tools.lineColour);
    DrawOptionsPanel::setButtonColour(DrawOptions->PaintFill, ws.tools.fillColour);
    if (ws.settings.ShowDrawOptions) {
        ws.tools.drawingOptionsHidden = false;
        DrawOptions->move(TwipsToPixel(375), pano->y() + TwipsToPixel(120));
        DrawOptions->show();
        DrawOptions->raise();
    } else {
        ws.tools.drawingOptionsHidden = true;
    }

    ApplyProgramFont(this, ws.settings.ProgramFont);
    ApplyWindowTransparency(this, ws.settings.transparency[0]);

    StatInfo->fitPanelTo(1, {StatInfo->panelText(1)});
    StatInfo->fitPanelTo(2, {DiagramStateText::none(), DiagramStateText::loaded(),
                             DiagramStateText::changed(), DiagramStateText::saved()});
    StatInfo->setPanelText(2, ws.stateText());
    StatInfo->setPanelText(3, ws.fileText());
    menuAction(QStringLiteral("mnuPaste"))->setEnabled(false);

    DrawOptions->DebelinaLinii->blockSignals(true);
    DrawOptions->DebelinaLinii->addItems({QStringLiteral("1"), QStringLiteral("2"),
                                          QStringLiteral("3"), QStringLiteral("4"),
                                          QStringLiteral("5")});
    DrawOptions->DebelinaLinii->setCurrentText(ws.tools.lineWidth);
    DrawOptions->DebelinaLinii->blockSignals(false);
}

bool frmMain::SaveSettings() {
    return SettingsFile(m_settingsPath).save(m_workspace->settings);
}

void frmMain::updateCaption() {
    setWindowTitle(m_workspace->ImeForma);
}

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
            buttonByName(p.button)->move(TwipsToPixel(p.left), TwipsToPixel(p.top));
        pano->setGeometry(TwipsToPixel(MainLayout::CanvasLeft), TwipsToPixel(layout->canvasTop),
                          TwipsToPixel(layout->canvasWidth),
                          std::max(TwipsToPixel(layout->canvasHeight), 1));
    }
    pano->placeEdgeControls();
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

// ---- element store operations ----

int16_t frmMain::FindEmpty(int16_t MasivNomer) {
    return m_workspace->FindEmpty(MasivNomer);
}
int16_t frmMain::PraznaTablica() const {
    return m_workspace->PraznaTablica();
}
void frmMain::DobaviNov(const QString& Vid) {
    m_workspace->DobaviNov(Vid);
}
bool frmMain::ZapaziPromenite() {
    return m_workspace->ZapaziPromenite();
}

void frmMain::Iz4isti() {
    m_workspace->Iz4isti();
    pano->update();
}

void frmMain::Pre4ertai() {
    m_workspace->Pre4ertai();
}

void frmMain::Proveri() {
    const double w = pano->innerWidth();
    const double h = pano->innerHeight();
    const Workspace::Extent extent = m_workspace->extent(w, h);
    extentLeft = extent.minLeft;
    extentTop = extent.minTop;
    extentRight = extent.maxRight;
    extentBottom = extent.maxBottom;
    const auto apply = [](QScrollBar* bar, int maximum, double inner) {
        bar->setEnabled(maximum > 0);
        bar->setMaximum(maximum);
        // Scroll values are twips: a click moves ten pixels, a page half the canvas.
        bar->setSingleStep(150);
        bar->setPageStep(std::max(150, static_cast<int>(inner / 2)));
    };
    apply(pano->MoveHorizont, Workspace::scrollMaximum(extent.maxRight, w), w);
    apply(pano->MoveVertikal, Workspace::scrollMaximum(extent.maxBottom, h), h);
}

void frmMain::Izmesti() {
    const int16_t horizontal = static_cast<int16_t>(pano->MoveHorizont->value());
    const int16_t vertical = static_cast<int16_t>(pano->MoveVertikal->value());
    const int dx = m_previousHorizontal - horizontal;
    const int dy = m_previousVertical - vertical;
    m_previousHorizontal = horizontal;
    m_previousVertical = vertical;
    if (dx == 0 && dy == 0)
        return;
    m_selectionRect.translate(dx, dy);
    pano->setSelectionOutline(m_selectionVisible, m_selectionRect);
    m_workspace->shiftElements(dx, dy);
    Pre4ertai();
}

void frmMain::Kontrolite(bool Systoqnie) {
    repaint();
    mnuMenu->setEnabled(Systoqnie);
    for (QPushButton* b :
         {cmdAdd, cmdAddLast, cmdTekst, cmdMakeEtiquetes, cmdCon, cmdCon1, cmdCon2, optRect,
          optElipse, optLine, cmdNewDia, cmdSave, cmdLoad, cmdExit, cmdMenu})
        b->setEnabled(Systoqnie);
}

void frmMain::cmdNewDia_Click() {
    SpriInstrumentite();
    if (!ZapaziPromenite())
        return;
    Iz4isti();
    Proveri();
    m_workspace->setFileText(DiagramStateText::noFile());
    menuAction(QStringLiteral("mnuPaste"))->setEnabled(false);
    setWindowTitle(m_workspace->ImeForma);
}

void frmMain::Razmer_Click() {
    for (QScrollBar* bar : {pano->MoveHorizont, pano->MoveVertikal}) {
        bar->setEnabled(true);
        bar->setMaximum(MainLayout::enlargedScrollMaximum(bar->maximum()));
    }
}

void frmMain::beginProgress() {
    const int w = pano->width();
    const int h = pano->height();
    Progres->resize(std::max(w / 3, 1), Progres->sizeHint().height());
    Progres->move(pano->x() + w / 2 - Progres->width() / 2,
                  pano->y() + h / 2 - Progres->height() / 2);
    Progres->show();
    Progres->raise();
    setCursor(Qt::WaitCursor);
}

void frmMain::endProgress() {
    Progres->hide();
    unsetCursor();
}

// ---- leaving the program ----

void frmMain::cmdExit_Click() {
    SpriInstrumentite();
    if (!ZapaziPromenite())
        return;
    // Exit ends the program at once; the close handler must not ask again.
    m_ending = true;
    endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_ending && m_workspace->Promqna) {
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
    QWidget::keyPressEvent(event);
}

void frmMain::keyReleaseEvent(QKeyEvent* event) {
    StatInfo->refreshCapsLock();
    QWidget::keyReleaseEvent(event);
}
