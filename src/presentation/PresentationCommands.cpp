#include "presentation/PresentationCommands.h"

#include "common/Prompter.h"
#include "files/FileCommands.h"
#include "workspace/DiagramState.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int ButtonWidth = 32;
constexpr int ButtonHeight = 28;

QPushButton* makeButton(const char* name, const char* caption, const char* tooltip,
                        QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(tooltip));
    button->setFocusPolicy(Qt::TabFocus);
    button->resize(ButtonWidth, ButtonHeight);
    button->hide();
    return button;
}

} // namespace

PresentationCommands::PresentationCommands(EditorContext& context, FileCommands& files,
                                           const QString& programFolder)
    : m_context(context), m_files(files), m_programFolder(programFolder) {
    QWidget& window = m_context.mainWindow();
    cmdPrevSlide = makeButton("cmdPrevSlide", "<", "Предишен слайд", &window);
    cmdNextSlide = makeButton("cmdNextSlide", ">", "Следващ слайд", &window);
    connect(cmdPrevSlide, &QPushButton::clicked, this, &PresentationCommands::cmdPrevSlide_Click);
    connect(cmdNextSlide, &QPushButton::clicked, this, &PresentationCommands::cmdNextSlide_Click);
    // They stand in the lower right corner of the canvas, wherever the window puts it.
    m_context.canvas().installEventFilter(this);
    placeButtons();
}

PresentationCommands::~PresentationCommands() {
    m_context.canvas().removeEventFilter(this);
    delete cmdPrevSlide;
    delete cmdNextSlide;
}

QString PresentationCommands::slidePath(const QString& programFolder, int slide) {
    return QDir(programFolder).filePath(QStringLiteral("Samples/Slide%1.dia").arg(slide));
}

void PresentationCommands::enter() {
    const std::optional<QString> answer = m_context.prompter().inputText(
        QStringLiteral("Парола"), QStringLiteral("Въведете тайната дума за презентацията:"),
        QString());
    if (answer && answer->toUpper() == password())
        start();
}

void PresentationCommands::start() {
    showSlide(1);
}

void PresentationCommands::cmdNextSlide_Click() {
    // Not while a command holds the window.
    if (m_context.menu(QStringLiteral("mnuMenu")).isEnabled())
        showSlide(nextSlide(m_slide));
}

void PresentationCommands::cmdPrevSlide_Click() {
    if (m_context.menu(QStringLiteral("mnuMenu")).isEnabled())
        showSlide(previousSlide(m_slide));
}

bool PresentationCommands::showSlide(int n) {
    if (n < 1 || n > SlideCount)
        return false;
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    // A slide takes the place of the diagram: its changes are offered for saving first.
    if (!ws.ZapaziPromenite())
        return false;
    ws.Iz4isti();
    // A slide that cannot be read is reported by the reader; the count goes on all the same.
    m_files.LoadFile(slidePath(m_programFolder, n));
    m_slide = n;
    cmdNextSlide->setProperty("Tag", QString::number(n));
    m_context.action(QStringLiteral("mnuPaste")).setEnabled(false);
    ws.setStateText(DiagramStateText::loaded());
    ws.setFileText(QStringLiteral("Слайд: %1 от %2").arg(n).arg(SlideCount));
    m_context.mainWindow().setWindowTitle(ws.diagram.ImeForma +
                                          QStringLiteral(" - Кварелия 2005/06[*]"));
    placeButtons();
    for (QPushButton* button : {cmdPrevSlide, cmdNextSlide}) {
        button->show();
        button->raise();
    }
    QAction& handles = m_context.action(QStringLiteral("mnuHideManiFig"));
    if (handles.text() == QStringLiteral("Скрий манипулаторите"))
        handles.trigger();
    return true;
}

bool PresentationCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        placeButtons();
    return QObject::eventFilter(watched, event);
}

void PresentationCommands::placeButtons() {
    // Inside the canvas, clear of its scroll bars.
    const Pano& canvas = m_context.canvas();
    const QRect area = canvas.geometry();
    const int right = area.right() - canvas.MoveVertikal->width() - 6;
    const int bottom = area.bottom() - canvas.MoveHorizont->height() - 6;
    cmdNextSlide->move(right - ButtonWidth + 1, bottom - ButtonHeight + 1);
    cmdPrevSlide->move(cmdNextSlide->x() - ButtonWidth - 4, cmdNextSlide->y());
}
