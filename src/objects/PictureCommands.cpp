#include "objects/PictureCommands.h"

#include "common/DialogFolders.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "library/frmAddObject.h"
#include "lines/Connections.h"
#include "objects/PictureFile.h"
#include "workspace/CanvasLayer.h"
#include "workspace/EditorContext.h"
#include "workspace/ElementMenu.h"
#include "workspace/Pano.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QPushButton>
#include <QRect>

namespace {

QString importFilters() {
    return QStringLiteral("Изображения (*.bmp *.jpg *.gif *.ico *.cur *.wmf *.emf *.dib);;"
                          "PNG изображения (*.png);;"
                          "Всички файлове (*)");
}

} // namespace

PictureCommands::PictureCommands(EditorContext& context)
    : m_context(context), m_drag(context.workspace()) {
    connect(&m_context.action(QStringLiteral("mnuOptDelete")), &QAction::triggered, this,
            &PictureCommands::mnuOptDelete_Click);
    connect(&m_context.button(QStringLiteral("cmdAdd")), &QPushButton::clicked, this,
            &PictureCommands::cmdAdd_Click);
    connect(&m_context.button(QStringLiteral("cmdAddLast")), &QPushButton::clicked, this,
            &PictureCommands::cmdAddLast_Click);
    connect(&m_context.action(QStringLiteral("mnuAddLast")), &QAction::triggered, this,
            &PictureCommands::cmdAddLast_Click);
    connect(&m_context.action(QStringLiteral("mnuAddLib")), &QAction::triggered, this,
            &PictureCommands::mnuAddLib_Click);
    connect(&m_context.action(QStringLiteral("mnuAddFromFile")), &QAction::triggered, this,
            &PictureCommands::mnuAddFromFile_Click);
}

PictureCommands::~PictureCommands() {
    delete m_chooser.data();
}

frmAddObject* PictureCommands::chooser() const {
    return m_chooser;
}

void PictureCommands::cmdAdd_Click() {
    m_context.SpriInstrumentite();
    // The "Добави обект" submenu of the main menu doubles as the popup of cmdAdd.
    m_context.popupAtCentreOf(m_context.menu(QStringLiteral("mnuAddObject")),
                              m_context.button(QStringLiteral("cmdAdd")));
}

void PictureCommands::cmdAddLast_Click() {
    m_context.SpriInstrumentite();
    Workspace& ws = m_context.workspace();
    if (ws.diagram.Posledno.isEmpty())
        return;
    ws.DobaviNov(ws.diagram.Posledno);
}

void PictureCommands::mnuAddLib_Click() {
    if (!m_chooser) {
        m_chooser = new frmAddObject(m_context.workspace(), &m_context.mainWindow());
        // Open over the canvas; later showings keep where the user left it.
        m_chooser->adjustSize();
        const Pano& pano = m_context.canvas();
        const QRect canvas(pano.mapToGlobal(QPoint(0, 0)), pano.size());
        m_chooser->move(canvas.center() - QPoint(m_chooser->width() / 2, m_chooser->height() / 2));
    }
    m_chooser->show();
    m_chooser->raise();
    m_chooser->activateWindow();
}

void PictureCommands::mnuAddFromFile_Click() {
    int filter = 0;
    const QString path = m_context.prompter().openFileName(
        QStringLiteral("Добави от външен файл"), importFilters(),
        DialogFolders::folder(DialogFolders::Kind::Pictures), &filter);
    if (path.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Kind::Pictures, path);
    addPictureFromFile(path);
}

bool PictureCommands::addPictureFromFile(const QString& path) {
    // Read the picture before a slot is taken, so a bad file leaves the diagram as it was.
    const std::optional<QImage> read = ReadPictureFile(m_context.prompter(), path);
    if (!read)
        return false;
    const QImage& picture = *read;

    Workspace& ws = m_context.workspace();
    // The new object and its picture are one step.
    Diagram::Edit change = ws.edit(QStringLiteral("Вмъкване на картинка"));
    ws.DobaviNov(ImageStore::sketchpadKey());
    if (ws.diagram.Nomer < 1)
        return false;
    PictureObject& object = change.store().objects[ws.diagram.Nomer];
    object.picture = picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    object.Width = PixelsToTwips(picture.width());
    object.Height = PixelsToTwips(picture.height());
    object.ToolTipText = QStringLiteral("Импортирана картинка");
    ws.notifyElementsChanged();
    return true;
}

void PictureCommands::mnuOptDelete_Click() {
    Workspace& ws = m_context.workspace();
    const ElementRef element = ws.diagram.contextElement;
    Prompter& prompter = m_context.prompter();
    if (element.kind == ElementKind::Picture) {
        if (prompter.message(QStringLiteral("Въпрос"),
                             QStringLiteral("Искате ли да изтриете обект ? С него ще бъдат "
                                            "изтрити и всички свързани с него линии !"),
                             Prompter::Icon::Question,
                             Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
        m_context.SpriInstrumentite();
        ws.deletePicture(element.slot);
    } else if (element.kind == ElementKind::Text) {
        if (prompter.message(
                QStringLiteral("Въпрос"), QStringLiteral("Искате ли да изтриете текстовото поле ?"),
                Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
        m_context.SpriInstrumentite();
        ws.deleteText(element.slot);
    } else {
        return;
    }
    ws.diagram.contextElement = {};
    m_context.Pre4ertai();
}

// ---- mouse on a picture object ----

void PictureCommands::mouseDown(int slot, const CanvasMouse& mouse) {
    Workspace& ws = m_context.workspace();
    if (mouse.button == Qt::LeftButton) {
        m_context.SpriInstrumentite();
        // While a connection is being made the click picks the object for it.
        if (Connections::pick(ws, static_cast<int16_t>(slot)))
            return;
        const ElementRef object{ElementKind::Picture, static_cast<int16_t>(slot)};
        m_drag.start(object, ws.dragObject(object), mouse);
    } else if (mouse.button == Qt::RightButton) {
        m_context.SpriInstrumentite();
        m_context.elementMenu().open({ElementKind::Picture, static_cast<int16_t>(slot)});
    }
}

void PictureCommands::mouseMove(int, const CanvasMouse& mouse) {
    if (!m_drag.move(mouse))
        return;
    Workspace& ws = m_context.workspace();
    if ((mouse.buttons & Qt::LeftButton) && ws.settings.Pre4ertaiPriMestene)
        m_context.Pre4ertai();
}

void PictureCommands::mouseUp(int, const CanvasMouse&) {
    if (m_drag.finish().isNone())
        return;
    m_context.Pre4ertai();
}
