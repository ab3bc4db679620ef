#include "search/SearchCommands.h"

#include "common/Prompter.h"
#include "search/BufferLoad.h"
#include "search/SearchBox.h"
#include "search/frmBuffer.h"
#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

SearchCommands::SearchCommands(EditorContext& context) : m_context(context) {
    QWidget& window = context.mainWindow();
    m_box = std::make_unique<SearchBox>(&window);
    m_box->hide();

    runBufferView = [](frmBuffer& view) { view.exec(); };

    // Its key, Ctrl+F, is the main window's, with the other keys of the menus.
    connect(&context.action(QStringLiteral("mnuSearch")), &QAction::triggered, this,
            &SearchCommands::mnuSearch_Click);
    connect(&context.action(QStringLiteral("mnuBuffers")), &QAction::triggered, this,
            &SearchCommands::mnuBuffers_Click);

    connect(m_box->cmdSearch, &QPushButton::clicked, this, &SearchCommands::cmdSearch_Click);
    connect(m_box->txtKey, &QLineEdit::returnPressed, this, &SearchCommands::cmdSearch_Click);
    connect(m_box->txtKey, &QLineEdit::textChanged, this, &SearchCommands::reset);
    connect(m_box.get(), &SearchBox::clearClicked, this, &SearchCommands::lblClear_Click);
    connect(m_box->cmdClose, &QPushButton::clicked, this, &SearchCommands::cmdClose_Click);
    for (QCheckBox* kind : {m_box->chkObj, m_box->txtText}) {
        connect(kind, &QCheckBox::toggled, this, [this] {
            hideHighlight();
            m_search.setScope(m_context.workspace().store(), m_box->chkObj->isChecked(),
                              m_box->txtText->isChecked());
            showCounter();
        });
    }
    connect(&context.workspace().document(), &Diagram::changed, this,
            &SearchCommands::diagramChanged);
}

SearchCommands::~SearchCommands() = default;

void SearchCommands::mnuSearch_Click() {
    if (!m_placed) {
        // First shown at the top right of the canvas, clear of the buttons and of the point
        // where new objects land; from then on where the user leaves it.
        const QWidget& canvas = m_context.canvas();
        m_box->move(std::max(0, canvas.x() + canvas.width() - m_box->width() - 40),
                    canvas.y() + 20);
        m_placed = true;
    }
    m_box->show();
    m_box->raise();
    m_box->keepInside();
    m_box->txtKey->setFocus(Qt::ShortcutFocusReason);
    m_box->txtKey->selectAll();
}

void SearchCommands::cmdSearch_Click() {
    const QString key = m_box->txtKey->text();
    hideHighlight();
    const Search::Result result = m_search.next(m_context.workspace().store(), key);
    showCounter();
    if (result == Search::Result::EmptyKey) {
        m_context.prompter().message(QStringLiteral("Грешка !!"),
                                     QStringLiteral("Не сте въвели ключ за търсене !"),
                                     Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    if (result == Search::Result::Found) {
        showHighlight();
        bringIntoView();
    }
}

void SearchCommands::lblClear_Click() {
    reset();
}

void SearchCommands::cmdClose_Click() {
    hideHighlight();
    m_box->hide();
}

void SearchCommands::mnuBuffers_Click() {
    Workspace& ws = m_context.workspace();
    frmBuffer view(BufferLoad::of(ws.store()), ws.settings, &m_context.mainWindow());
    runBufferView(view);
}

void SearchCommands::reset() {
    hideHighlight();
    m_search.reset(m_context.workspace().store());
    showCounter();
}

void SearchCommands::showCounter() {
    m_box->lblSBLabel->setText(m_search.counterText());
}

void SearchCommands::hideHighlight() {
    Workspace& ws = m_context.workspace();
    if (!ws.canvas.FoundBox.visible)
        return;
    ws.canvas.FoundBox.visible = false;
    ws.notifyCanvasStateChanged();
}

void SearchCommands::showHighlight() {
    Workspace& ws = m_context.workspace();
    ws.canvas.FoundBox = {true, Search::highlight(ws.elementRect(m_search.found()))};
    ws.notifyCanvasStateChanged();
}

void SearchCommands::bringIntoView() {
    Workspace& ws = m_context.workspace();
    const QRectF visible = ws.canvas.visibleArea();
    const QRectF box = ws.canvas.FoundBox.rect;
    const Pano& canvas = m_context.canvas();
    const QPoint origin = Search::originShowing(
        box, visible, {canvas.MoveHorizont->maximum(), canvas.MoveVertikal->maximum()});
    if (origin != ws.canvas.view.origin.toPoint())
        m_context.scrollTo(origin.x(), origin.y());
}

// The highlight marks its element: it follows it when it moves and goes when it goes, or
// when another diagram takes this one's place.
void SearchCommands::diagramChanged(const DiagramChange& change) {
    Workspace& ws = m_context.workspace();
    if (change.scope == DiagramChange::Scope::View || !ws.canvas.FoundBox.visible)
        return;
    const ElementRef match = m_search.found();
    const ElementStore& store = ws.store();
    const bool present =
        change.scope == DiagramChange::Scope::Diagram &&
        ((match.kind == ElementKind::Picture && store.objectStatus[match.slot] != 0) ||
         (match.kind == ElementKind::Text && store.textStatus[match.slot] != 0));
    if (present)
        showHighlight();
    else
        hideHighlight();
}
