#include "workspace/ZoomCommands.h"

#include "workspace/EditorContext.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"
#include "workspace/Zoom.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>

namespace {
QString stepEntry(int percent) {
    return QStringLiteral("mnuZoom%1").arg(percent);
}
} // namespace

ZoomCommands::ZoomCommands(EditorContext& context) : m_context(context) {
    Workspace& ws = context.workspace();
    connect(&context.action(QStringLiteral("mnuZoomIn")), &QAction::triggered, this,
            [this] { zoomTo(Zoom::zoomIn(m_context.workspace().zoom())); });
    connect(&context.action(QStringLiteral("mnuZoomOut")), &QAction::triggered, this,
            [this] { zoomTo(Zoom::zoomOut(m_context.workspace().zoom())); });
    for (int percent : Zoom::Steps)
        connect(&context.action(stepEntry(percent)), &QAction::triggered, this,
                [this, percent] { zoomTo(percent / 100.0); });
    connect(&context.canvas(), &Pano::zoomWheel, this, [this](int notches, QPointF pixels) {
        zoomTo(Zoom::stepsAway(m_context.workspace().zoom(), notches), pixels);
    });
    connect(&ws, &Workspace::zoomChanged, this, &ZoomCommands::refresh);
    refresh();
}

bool ZoomCommands::locked() {
    // Locked commands (a long save, a region being marked for an export) take no zoom.
    return !m_context.menu(QStringLiteral("mnuMenu")).isEnabled();
}

void ZoomCommands::zoomTo(double zoom) {
    const Pano& canvas = m_context.canvas();
    zoomTo(zoom, QPointF(canvas.width() / 2.0, canvas.height() / 2.0));
}

void ZoomCommands::zoomTo(double zoom, QPointF anchorPixels) {
    Workspace& ws = m_context.workspace();
    if (locked() || Zoom::percent(zoom) == Zoom::percent(ws.zoom()))
        return;
    ws.setZoom(zoom, anchorPixels);
    // The ranges for the new zoom, and the bars where the view now stands: a range too short
    // to reach it grows, as the enlarging button would make it. (A bar cut short on the way
    // scrolls the view; the scroll below puts it back.)
    const QPoint origin = ws.canvas.view.origin.toPoint();
    m_context.Proveri();
    Pano& canvas = m_context.canvas();
    for (const auto& [bar, value] :
         {std::pair{canvas.MoveHorizont, origin.x()}, std::pair{canvas.MoveVertikal, origin.y()}}) {
        if (value > bar->maximum()) {
            bar->setMaximum(value);
            bar->setEnabled(true);
        }
    }
    m_context.scrollTo(origin.x(), origin.y());
}

void ZoomCommands::refresh() {
    const double zoom = m_context.workspace().zoom();
    m_context.action(QStringLiteral("mnuZoom")).setText(Zoom::caption(zoom));
    for (int percent : Zoom::Steps)
        m_context.action(stepEntry(percent)).setChecked(percent == Zoom::percent(zoom));
    m_context.action(QStringLiteral("mnuZoomIn")).setEnabled(zoom < Zoom::Most);
    m_context.action(QStringLiteral("mnuZoomOut")).setEnabled(zoom > Zoom::Least);
}
