#include "objects/PictureCommands.h"

#include "common/Prompter.h"
#include "common/Units.h"
#include "library/frmAddObject.h"
#include "workspace/Workspace.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QCursor>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QPushButton>
#include <QRect>

namespace {

constexpr int LargestImportSide = 8192;

QString importFilters() {
    return QStringLiteral("Изображения (*.bmp *.jpg *.gif *.ico *.cur *.wmf *.emf *.dib);;"
                          "PNG изображения (*.png);;"
                          "Всички файлове (*)");
}

} // namespace

PictureCommands::PictureCommands(frmMain& main) : QObject(&main), m_main(main) {
    createMenus();
    main.pano->setElementHandler(Pano::ElementKind::Picture, this);
}

PictureCommands::~PictureCommands() {
    if (m_main.pano)
        m_main.pano->setElementHandler(Pano::ElementKind::Picture, nullptr);
}

void PictureCommands::createMenus() {
    // The "Добави обект" submenu of the main menu doubles as the popup of cmdAdd.
    mnuAddObject = m_main.findChild<QMenu*>(QStringLiteral("mnuAddObject"));

    mnuOpt = new QMenu(&m_main);
    mnuOpt->setObjectName(QStringLiteral("mnuOpt"));
    mnuOpt->setTitle(QStringLiteral("Опции"));
    const auto add = [](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    add(mnuOpt, "mnuCopy", "Копирай");
    QAction* mnuOptDelete = add(mnuOpt, "mnuOptDelete", "Изтрий");
    mnuOpt->addSeparator();
    add(mnuOpt, "mnuOptEdit", "Текст");
    add(mnuOpt, "mnuOptFont", "Шрифт");
    mnuOpt->addSeparator()->setObjectName(QStringLiteral("EmpL2"));
    add(mnuOpt, "mnuSizePic", "Оразмери");
    QMenu* mnuFlPic = mnuOpt->addMenu(QStringLiteral("Завъртане / обръщане"));
    mnuFlPic->menuAction()->setObjectName(QStringLiteral("mnuFlPic"));
    add(mnuFlPic, "mnuHoriz", "Обърни хоризонтално");
    add(mnuFlPic, "mnuFlip90", "Обърни на 90 градуса");
    add(mnuFlPic, "mnuFlipVert", "Обърни вертикално");
    QMenu* mnuEtiket = mnuOpt->addMenu(QStringLiteral("Изведи етикет"));
    mnuEtiket->menuAction()->setObjectName(QStringLiteral("mnuEtiket"));
    add(mnuEtiket, "mnuEtiketDown", "Отдолу");
    add(mnuEtiket, "mnuEtiketUp", "Отгоре");
    add(mnuEtiket, "mnuEtiketLeft", "Отляво");
    add(mnuEtiket, "mnuEtiketRight", "Отдясно");

    connect(mnuOptDelete, &QAction::triggered, this, &PictureCommands::mnuOptDelete_Click);
    connect(m_main.cmdAdd, &QPushButton::clicked, this, &PictureCommands::cmdAdd_Click);
    connect(m_main.cmdAddLast, &QPushButton::clicked, this, &PictureCommands::cmdAddLast_Click);
    connect(m_main.menuAction(QStringLiteral("mnuAddLast")), &QAction::triggered, this,
            &PictureCommands::cmdAddLast_Click);
    connect(m_main.menuAction(QStringLiteral("mnuAddLib")), &QAction::triggered, this,
            &PictureCommands::mnuAddLib_Click);
    connect(m_main.menuAction(QStringLiteral("mnuAddFromFile")), &QAction::triggered, this,
            &PictureCommands::mnuAddFromFile_Click);
}

QAction* PictureCommands::contextAction(const QString& name) const {
    for (QAction* a : mnuOpt->findChildren<QAction*>())
        if (a->objectName() == name)
            return a;
    for (QAction* a : mnuOpt->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

frmAddObject* PictureCommands::chooser() const {
    return m_chooser;
}

QRectF PictureCommands::outlineAround(const QRectF& box) {
    return QRectF(box.left() - 40, box.top() - 40, box.width() + 80, box.height() + 80);
}

void PictureCommands::cmdAdd_Click() {
    m_main.SpriInstrumentite();
    m_main.popupAtCentreOf(mnuAddObject, m_main.cmdAdd);
}

void PictureCommands::cmdAddLast_Click() {
    m_main.SpriInstrumentite();
    Workspace& ws = m_main.workspace();
    if (!ws.Posledno.isEmpty())
        ws.DobaviNov(ws.Posledno);
}

void PictureCommands::mnuAddLib_Click() {
    if (!m_chooser) {
        m_chooser = new frmAddObject(m_main.workspace(), &m_main);
        // Open over the canvas; later showings keep where the user left it.
        m_chooser->adjustSize();
        const QRect canvas(m_main.pano->mapToGlobal(QPoint(0, 0)), m_main.pano->size());
        m_chooser->move(canvas.center() - QPoint(m_chooser->width() / 2, m_chooser->height() / 2));
    }
    m_chooser->show();
    m_chooser->raise();
    m_chooser->activateWindow();
}

void PictureCommands::mnuAddFromFile_Click() {
    int filter = 0;
    const QString path = m_main.prompter().openFileName(QStringLiteral("Добави от външен файл"),
                                                        importFilters(), QString(), &filter);
    if (!path.isEmpty())
        addPictureFromFile(path);
}

bool PictureCommands::addPictureFromFile(const QString& path) {
    Prompter& prompter = m_main.prompter();
    const QString name = QFileInfo(path).fileName();
    const auto refuse = [&](const QString& text) {
        prompter.message(QStringLiteral("Грешка"), text, Prompter::Icon::Warning,
                         Prompter::Buttons::Ok);
        return false;
    };

    // Read the picture before a slot is taken, so a bad file leaves the diagram as it was.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dib"))
        reader.setFormat("bmp");
    const auto tooLarge = [&](QSize size) {
        if (size.width() <= LargestImportSide && size.height() <= LargestImportSide)
            return false;
        refuse(QStringLiteral("Картинката „%1“ е твърде голяма (%2 x %3 точки). Най-големият "
                              "допустим размер е %4 x %4 точки.")
                   .arg(name)
                   .arg(size.width())
                   .arg(size.height())
                   .arg(LargestImportSide));
        return true;
    };
    // The header tells the size before anything is decoded; some formats only tell after.
    if (reader.size().isValid() && tooLarge(reader.size()))
        return false;
    QImage picture = reader.read();
    if (picture.isNull()) {
        if (suffix == QLatin1String("wmf") || suffix == QLatin1String("emf"))
            return refuse(QStringLiteral("Файлът „%1“ е метафайл (WMF/EMF), а този формат не се "
                                         "поддържа. Запазете картинката като BMP, PNG, JPEG или "
                                         "GIF и опитайте отново.")
                              .arg(name));
        return refuse(
            QStringLiteral("Файлът „%1“ не може да бъде прочетен като картинка.").arg(name));
    }
    if (tooLarge(picture.size()))
        return false;

    Workspace& ws = m_main.workspace();
    ws.DobaviNov(ImageStore::sketchpadKey());
    if (ws.Nomer < 1)
        return false;
    PictureObject& object = ws.store.objects[ws.Nomer];
    object.picture = picture.convertToFormat(
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    object.Width = PixelsToTwips(picture.width());
    object.Height = PixelsToTwips(picture.height());
    object.ToolTipText = QStringLiteral("Импортирана картинка");
    ws.notifyElementsChanged();
    return true;
}

void PictureCommands::openContextMenu(Pano::ElementKind kind, int slot) {
    Workspace& ws = m_main.workspace();
    m_main.SpriInstrumentite();
    const bool picture = kind == Pano::ElementKind::Picture;
    ws.contextElement = {picture ? Workspace::ContextElement::Kind::Picture
                                 : Workspace::ContextElement::Kind::Text,
                         static_cast<int16_t>(slot)};
    contextAction(QStringLiteral("mnuOptFont"))->setVisible(!picture);
    for (const char* name : {"mnuEtiket", "mnuSizePic", "mnuFlPic", "EmpL2"})
        contextAction(QString::fromLatin1(name))->setVisible(picture);
    m_main.pano->setOutline(1, true, outlineAround(m_main.pano->elementRect({kind, slot})));
    mnuOpt->popup(QCursor::pos());
}

void PictureCommands::mnuOptDelete_Click() {
    Workspace& ws = m_main.workspace();
    const Workspace::ContextElement element = ws.contextElement;
    Prompter& prompter = m_main.prompter();
    if (element.kind == Workspace::ContextElement::Kind::Picture) {
        if (prompter.message(QStringLiteral("Въпрос"),
                             QStringLiteral("Искате ли да изтриете обект ? С него ще бъдат "
                                            "изтрити и всички свързани с него линии !"),
                             Prompter::Icon::Question,
                             Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
        m_main.SpriInstrumentite();
        ws.deletePicture(element.slot);
    } else if (element.kind == Workspace::ContextElement::Kind::Text) {
        if (prompter.message(
                QStringLiteral("Въпрос"), QStringLiteral("Искате ли да изтриете текстовото поле ?"),
                Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
        m_main.SpriInstrumentite();
        ws.deleteText(element.slot);
    } else {
        return;
    }
    ws.contextElement = {};
    m_main.Pre4ertai();
}

// ---- mouse on a picture object ----

void PictureCommands::elementMouseDown(int slot, Qt::MouseButton button, QPointF relative,
                                       QPointF) {
    Workspace& ws = m_main.workspace();
    if (button == Qt::LeftButton) {
        m_main.SpriInstrumentite();
        // While a connection is being made the click picks the object for it; until
        // connecting arrives the step stays at none.
        if (ws.connectionStep == 0 && !m_dragging) {
            m_main.SpriInstrumentite();
            ws.pictureDrag[slot].DragObj(true, relative.x(), relative.y());
            m_dragging = true;
        }
    } else if (button == Qt::RightButton) {
        openContextMenu(Pano::ElementKind::Picture, slot);
    }
}

void PictureCommands::elementMouseMove(int slot, Qt::MouseButtons buttons, QPointF relative) {
    if (!m_dragging)
        return;
    Workspace& ws = m_main.workspace();
    ws.pictureDrag[slot].MoveObj(relative.x(), relative.y());
    if ((buttons & Qt::LeftButton) && ws.settings.Pre4ertaiPriMestene)
        m_main.Pre4ertai();
}

void PictureCommands::elementMouseUp(int slot, Qt::MouseButton, QPointF) {
    if (!m_dragging)
        return;
    Workspace& ws = m_main.workspace();
    ws.pictureDrag[slot].DragObj(false, 0, 0);
    m_dragging = false;
    ws.markModified();
    m_main.Pre4ertai();
}
