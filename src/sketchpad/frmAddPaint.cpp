#include "sketchpad/frmAddPaint.h"

#include "common/DialogFolders.h"
#include "common/Prompter.h"
#include "common/Units.h"
#include "objects/PictureFile.h"
#include "sketchpad/SketchSurface.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

const QRgb frmAddPaint::StandardColours[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

namespace {

// Where the controls sit, in pixels of the window's inner area.
constexpr int SurfaceLeft = 8;          // 120 twips
constexpr int SurfaceTop = 112;         // 1680 twips
constexpr int SurfaceSpareWidth = 15;   // the surface is the inner width less 230 twips
constexpr int SurfaceSpareHeight = 161; // and the inner height less 2415 twips

// The paint bucket of the fill tool, its button and its pointer.
QPixmap bucketPicture() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bucket;
    bucket.moveTo(5, 9);
    bucket.lineTo(13, 3);
    bucket.lineTo(20, 11);
    bucket.lineTo(12, 18);
    bucket.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(220, 220, 220));
    p.drawPath(bucket);
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(QRectF(2, 14, 5, 8)); // the drop the paint leaves from
    return pixmap;
}

QPixmap swatch(const QColor& colour, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

void tickOnly(QActionGroup* group, int index) {
    const QList<QAction*> entries = group->actions();
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(i == index);
}

QPoint twipsToPixel(QPointF twips) {
    return QPoint(TwipsToPixelRounded(twips.x()), TwipsToPixelRounded(twips.y()));
}

} // namespace

frmAddPaint::frmAddPaint(Prompter& prompter, const SettingsRecord& settings, const QImage& tile,
                         Insert insert, QWidget* parent)
    : QMainWindow(parent, Qt::Window), ProgramWindow(*this, SettingsWindow::Sketchpad),
      m_prompter(prompter), m_settings(settings), m_tile(tile), m_insert(std::move(insert)),
      m_sketch(QSize(700, 400)) {
    setObjectName(QStringLiteral("frmAddPaint"));
    setWindowTitle(QStringLiteral("Скицник"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    applyAppearance();
    // The surface writes in the font the window was given.
    m_sketch.font = Picture1->font();
    resize(760, 600);
}

frmAddPaint::~frmAddPaint() = default;

void frmAddPaint::buildControls() {
    auto* inner = new QWidget(this);
    inner->setObjectName(QStringLiteral("inner"));
    inner->setAutoFillBackground(false);
    setCentralWidget(inner);
    inner->installEventFilter(this); // paints the tiled background

    // Menus.
    QMenuBar* bar = menuBar();
    mnuFileOpen = bar->addAction(QStringLiteral("Зареди файл"));
    mnuFileOpen->setObjectName(QStringLiteral("mnuFileOpen"));
    mnuFont = bar->addAction(QStringLiteral("Шрифт за писане"));
    mnuFont->setObjectName(QStringLiteral("mnuFont"));
    menColor = bar->addMenu(QStringLiteral("Цвят"));
    menColor->setObjectName(QStringLiteral("menColor"));
    mnuColor = menColor->addAction(QStringLiteral("Цвят на чертане"));
    mnuColor->setObjectName(QStringLiteral("mnuColor"));
    mnuFillColor = menColor->addAction(QStringLiteral("Цвят на запълване"));
    mnuFillColor->setObjectName(QStringLiteral("mnuFillColor"));

    const auto ticked = [this](QMenu* menu, QActionGroup*& group,
                               std::initializer_list<std::pair<const char*, const char*>> entries,
                               int initial, void (frmAddPaint::*set)(int32_t)) {
        // Ticks, not radio marks: the entries of a group are set one at a time.
        group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
        int index = 0;
        for (const auto& [name, text] : entries) {
            QAction* action = menu->addAction(QString::fromUtf8(text));
            action->setObjectName(QString::fromLatin1(name));
            action->setCheckable(true);
            action->setChecked(index == initial);
            group->addAction(action);
            connect(action, &QAction::triggered, this, [this, set, index] { (this->*set)(index); });
            ++index;
        }
    };
    mnuDrawStyle = bar->addMenu(QStringLiteral("Стил на чертане"));
    mnuDrawStyle->setObjectName(QStringLiteral("mnuDrawStyle"));
    ticked(mnuDrawStyle, m_drawStyles,
           {{"StyleSolid", "Непрекъснат"},
            {"StyleDash", "Тирета"},
            {"mnuStyleDots", "Точки"},
            {"StyleDashDot", "Тире-Точка"},
            {"StyleDashDotDot", "Тире-Точка-Точка"}},
           m_sketch.penStyle, &frmAddPaint::setDrawStyle);
    mnuFigures = bar->addMenu(QStringLiteral("Запълване на фигурите"));
    mnuFigures->setObjectName(QStringLiteral("mnuFigures"));
    ticked(mnuFigures, m_fillStyles,
           {{"mnuFillFig", "Солиден цвят"},
            {"mnuEmpFigu", "Без запълване"},
            {"mnuHorLines", "Хоризонтални линии"},
            {"mnuVerLines", "Вертикални линии"},
            {"mnuUpwDiag", "Диагонално нагоре"},
            {"mnuDownDiag", "Диагонално надолу"},
            {"mnuCross", "Кръстчета"},
            {"mnuDiagCross", "Диагонални кръстчета"}},
           m_sketch.fillStyle, &frmAddPaint::setFillStyle);
    connect(mnuFileOpen, &QAction::triggered, this, &frmAddPaint::mnuFileOpen_Click);
    connect(mnuFont, &QAction::triggered, this, &frmAddPaint::mnuFont_Click);
    connect(mnuColor, &QAction::triggered, this, &frmAddPaint::mnuColor_Click);
    connect(mnuFillColor, &QAction::triggered, this, &frmAddPaint::mnuFillColor_Click);

    // The tools.
    struct ToolButton {
        QToolButton*& button;
        const char* name;
        const char* caption;
        const char* tip;
        Sketch::Tool tool;
    };
    const ToolButton tools[] = {
        {optDraw, "optDraw", "Молив", "Молив", Sketch::Tool::Pencil},
        {optLine, "optLine", "Линия", "Чертане на линия", Sketch::Tool::Line},
        {optRect, "optRect", "Прав.", "Чертане на правоъгълника", Sketch::Tool::Box},
        {optEllipse, "optEllipse", "Елипса", "Чертане на елипса", Sketch::Tool::Circle},
        {optFlood, "optFlood", "Боя", "Запълни очертания с боя", Sketch::Tool::Fill},
        {optRubber, "optRubber", "Гума", "Гума", Sketch::Tool::Rubber},
        {optText, "optText", "Текст", "Писане на текст", Sketch::Tool::Text},
    };
    int x = SurfaceLeft;
    for (const ToolButton& t : tools) {
        t.button = new QToolButton(inner);
        t.button->setObjectName(QString::fromLatin1(t.name));
        t.button->setText(QString::fromUtf8(t.caption));
        t.button->setToolTip(QString::fromUtf8(t.tip));
        t.button->setCheckable(true);
        t.button->setGeometry(x, 6, 68, 28);
        x += 72;
        const Sketch::Tool tool = t.tool;
        connect(t.button, &QToolButton::clicked, this, [this, tool] { chooseTool(tool); });
    }
    optFlood->setIcon(bucketPicture());
    optFlood->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    // The colours.
    tlbcolor = new QToolBar(inner);
    tlbcolor->setObjectName(QStringLiteral("tlbcolor"));
    tlbcolor->setToolTip(QStringLiteral("Избери цвят"));
    tlbcolor->setIconSize(QSize(17, 13)); // 250 x 200 twips
    ShowColorTlb();
    tlbcolor->setGeometry(QRect(QPoint(SurfaceLeft, 40), tlbcolor->sizeHint()));

    CherColor = new QToolButton(inner);
    CherColor->setObjectName(QStringLiteral("CherColor"));
    CherColor->setToolTip(QStringLiteral("Цвят на чертане"));
    ZapColor = new QToolButton(inner);
    ZapColor->setObjectName(QStringLiteral("ZapColor"));
    ZapColor->setToolTip(QStringLiteral("Цвят на запълване"));
    int swatchLeft = tlbcolor->geometry().right() + 16;
    for (QToolButton* button : {CherColor, ZapColor}) {
        button->setIconSize(QSize(30, 20));
        button->setGeometry(swatchLeft, 40, 38, 28);
        swatchLeft += 44;
    }
    paintSwatch(CherColor, m_sketch.colour);
    paintSwatch(ZapColor, m_sketch.fillColour);
    connect(CherColor, &QToolButton::clicked, this, &frmAddPaint::mnuColor_Click);
    connect(ZapColor, &QToolButton::clicked, this, &frmAddPaint::mnuFillColor_Click);

    lblDebLin = new QLabel(QStringLiteral("Дебелина на линиите:"), inner);
    lblDebLin->setObjectName(QStringLiteral("lblDebLin"));
    lblDebLin->setGeometry(SurfaceLeft, 78, 150, 24);
    sldLines = new QScrollBar(Qt::Horizontal, inner);
    sldLines->setObjectName(QStringLiteral("sldLines"));
    sldLines->setRange(1, Sketch::WidestPen);
    sldLines->setPageStep(1);
    sldLines->setValue(1);
    sldLines->setGeometry(SurfaceLeft + 156, 80, 140, 20);
    connect(sldLines, &QScrollBar::valueChanged, this,
            [this](int value) { m_sketch.penWidth = value; });

    // The surface and the picture that floats on it until it is mounted.
    Picture1 = new SketchSurface(m_sketch, inner);
    Picture1->pressed = [this](Qt::MouseButton button, QPoint p) { surfaceDown(button, p); };
    Picture1->moved = [this](Qt::MouseButtons buttons, QPoint p) { surfaceMove(buttons, p); };
    Picture1->released = [this](Qt::MouseButton button, QPoint p) { surfaceUp(button, p); };
    imgLoad = new QLabel(Picture1);
    imgLoad->setObjectName(QStringLiteral("imgLoad"));
    imgLoad->setCursor(Qt::SizeAllCursor);
    imgLoad->hide();
    imgLoad->installEventFilter(this);
    m_floatDrag = SimpleDragAndDrop(
        [this] {
            const QRect r = imgLoad->geometry();
            return QRectF(PixelsToTwips(r.x()), PixelsToTwips(r.y()), PixelsToTwips(r.width()),
                          PixelsToTwips(r.height()));
        },
        [this](double left, double top) { moveFloating(twipsToPixel(QPointF(left, top))); },
        [this] {
            return QRectF(0, 0, PixelsToTwips(Picture1->width()),
                          PixelsToTwips(Picture1->height()));
        });
    m_floatDrag.LimitMode = 1;

    // The commands.
    const struct {
        QPushButton*& button;
        const char* name;
        const char* caption;
        const char* tip;
        void (frmAddPaint::*run)();
    } commands[] = {
        {cmdGo, "cmdGo", "[ Вмъкни ]", "Вмъкни нарисуваното", &frmAddPaint::cmdGo_Click},
        {cmdClearAll, "cmdClearAll", "[ Изчисти ]", "Изчисти скицата",
         &frmAddPaint::cmdClearAll_Click},
        {cmdExit, "cmdExit", "[Изход ]", "Затвори скицника", &frmAddPaint::cmdExit_Click},
    };
    for (const auto& c : commands) {
        c.button = new QPushButton(QString::fromUtf8(c.caption), inner);
        c.button->setObjectName(QString::fromLatin1(c.name));
        c.button->setToolTip(QString::fromUtf8(c.tip));
        connect(c.button, &QPushButton::clicked, this, c.run);
    }

    // The sketchpad's own undo, apart from the diagram's.
    auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    undoKey->setContext(Qt::WindowShortcut);
    connect(undoKey, &QShortcut::activated, this, &frmAddPaint::undo);
}

void frmAddPaint::ShowColorTlb() {
    m_colours = new QActionGroup(this);
    for (int i = 0; i < 16; ++i) {
        const QColor colour = QColor::fromRgb(StandardColours[i]);
        QAction* action =
            tlbcolor->addAction(QIcon(swatch(colour, tlbcolor->iconSize())), QString());
        action->setObjectName(QStringLiteral("t%1").arg(QColorToColour(colour)));
        action->setToolTip(QStringLiteral("Избери цвят"));
        action->setCheckable(true);
        m_colours->addAction(action);
        connect(action, &QAction::triggered, this, [this, colour] {
            m_sketch.colour = colour;
            paintSwatch(CherColor, colour);
        });
    }
}

void frmAddPaint::paintSwatch(QToolButton* button, const QColor& colour) {
    button->setIcon(QIcon(swatch(colour, button->iconSize())));
}

void frmAddPaint::placeControls() {
    QWidget* inner = centralWidget();
    if (!inner || !Picture1)
        return;
    // A window too small for the surface leaves it at one pixel.
    const QSize surface(std::max(1, inner->width() - SurfaceSpareWidth),
                        std::max(1, inner->height() - SurfaceSpareHeight));
    Picture1->setGeometry(QRect(QPoint(SurfaceLeft, SurfaceTop), surface));
    m_sketch.growTo(surface);
    const int y = SurfaceTop + surface.height() + 12;
    int x = SurfaceLeft;
    for (QPushButton* button : {cmdGo, cmdClearAll, cmdExit}) {
        button->setGeometry(x, y, 110, 28);
        x += 118;
    }
}

void frmAddPaint::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeControls();
}

bool frmAddPaint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Paint && !m_tile.isNull()) {
        // The main window's tile, from the top-left corner on.
        QPainter painter(centralWidget());
        painter.drawTiledPixmap(centralWidget()->rect(), QPixmap::fromImage(m_tile));
        return false;
    }
    if (watched == imgLoad) {
        auto* mouse = dynamic_cast<QMouseEvent*>(event);
        if (!mouse)
            return false;
        const QPointF grab(PixelsToTwips(mouse->position().x()),
                           PixelsToTwips(mouse->position().y()));
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_floatDrag.DragObj(true, grab.x(), grab.y());
            return true;
        }
        if (event->type() == QEvent::MouseMove && m_floatDrag.dragging()) {
            m_floatDrag.MoveObj(grab.x(), grab.y());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            m_floatDrag.DragObj(false, grab.x(), grab.y());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmAddPaint::floating() const {
    return imgLoad && !imgLoad->isHidden();
}

QPoint frmAddPaint::floatingAt() const {
    return imgLoad->pos();
}

void frmAddPaint::moveFloating(QPoint pixel) {
    imgLoad->move(pixel);
}

void frmAddPaint::repaint(const QRect& pixels) {
    if (!pixels.isEmpty())
        Picture1->update(pixels);
}

// ---- tools and settings ----

void frmAddPaint::chooseTool(Sketch::Tool tool) {
    if (floating()) {
        Montirai();
    } else {
        Picture1->setSelection(QRect());
        m_tool = tool;
        if (tool == Sketch::Tool::Fill)
            Picture1->setCursor(QCursor(bucketPicture(), 2, 20));
        else if (tool == Sketch::Tool::Text)
            Picture1->setCursor(Qt::IBeamCursor);
        else
            Picture1->setCursor(Qt::CrossCursor);
    }
    // The buttons show the tool in use, whatever was clicked.
    const std::pair<QToolButton*, Sketch::Tool> buttons[] = {
        {optDraw, Sketch::Tool::Pencil}, {optLine, Sketch::Tool::Line},
        {optRect, Sketch::Tool::Box},    {optEllipse, Sketch::Tool::Circle},
        {optFlood, Sketch::Tool::Fill},  {optRubber, Sketch::Tool::Rubber},
        {optText, Sketch::Tool::Text}};
    for (const auto& [button, buttonTool] : buttons)
        button->setChecked(buttonTool == m_tool);
}

void frmAddPaint::setDrawStyle(int32_t style) {
    m_sketch.penStyle = style;
    tickOnly(m_drawStyles, style);
}

void frmAddPaint::setFillStyle(int32_t style) {
    m_sketch.fillStyle = style;
    tickOnly(m_fillStyles, style);
}

void frmAddPaint::setDrawingColour(const QColor& colour) {
    m_sketch.colour = colour;
    paintSwatch(CherColor, colour);
}

void frmAddPaint::mnuColor_Click() {
    if (const std::optional<int32_t> chosen =
            m_prompter.chooseColour(QColorToColour(m_sketch.colour)))
        setDrawingColour(ColourToQColor(*chosen));
}

void frmAddPaint::mnuFillColor_Click() {
    if (const std::optional<int32_t> chosen =
            m_prompter.chooseColour(QColorToColour(m_sketch.fillColour))) {
        m_sketch.fillColour = ColourToQColor(*chosen);
        paintSwatch(ZapColor, m_sketch.fillColour);
    }
}

void frmAddPaint::mnuFont_Click() {
    if (const std::optional<QFont> chosen = m_prompter.chooseFont(m_sketch.font))
        m_sketch.font = *chosen;
}

// ---- a picture from a file ----

void frmAddPaint::mnuFileOpen_Click() {
    for (QToolButton* button :
         {optDraw, optLine, optRect, optEllipse, optFlood, optRubber, optText})
        button->setChecked(false);
    if (floating()) {
        Montirai();
        return;
    }
    int filter = 0;
    const QString path = m_prompter.openFileName(
        QStringLiteral("Зареди файл"),
        QStringLiteral("Изображения (*.bmp *.jpg *.gif *.ico *.cur *.wmf *.emf *.dib);;"
                       "PNG изображения (*.png);;Всички файлове (*)"),
        DialogFolders::folder(DialogFolders::Kind::Pictures), &filter);
    if (path.isEmpty())
        return;
    DialogFolders::remember(DialogFolders::Kind::Pictures, path);
    loadPicture(path);
}

bool frmAddPaint::loadPicture(const QString& path) {
    const std::optional<QImage> picture = ReadPictureFile(m_prompter, path);
    if (!picture)
        return false;
    m_floatPicture = *picture;
    imgLoad->setPixmap(QPixmap::fromImage(m_floatPicture));
    imgLoad->setGeometry(QRect(QPoint(0, 0), m_floatPicture.size()));
    imgLoad->show();
    imgLoad->raise();
    return true;
}

bool frmAddPaint::Montirai() {
    switch (m_prompter.message(
        QStringLiteral("Въпрос"),
        QStringLiteral("Искате ли да монтирате вмъкнатата картинка тук? Натиснете Cancel, за да "
                       "я преместите още или No, за да я изтриете."),
        Prompter::Icon::Question, Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::Yes:
        m_sketch.remember();
        repaint(m_sketch.mount(m_floatPicture, imgLoad->pos()));
        break;
    case Prompter::Answer::No:
        break;
    default:
        return false;
    }
    imgLoad->hide();
    m_floatPicture = QImage();
    return true;
}

// ---- the mouse on the surface ----

void frmAddPaint::surfaceDown(Qt::MouseButton button, QPoint pixel) {
    if (button != Qt::LeftButton)
        return;
    if (floating()) {
        Montirai();
        return;
    }
    m_start = QPointF(PixelsToTwips(pixel.x()), PixelsToTwips(pixel.y()));
    m_pressed = true;
    if (m_tool == Sketch::Tool::None)
        return;
    Picture1->setSelection(QRect());
    switch (m_tool) {
    case Sketch::Tool::Line:
    case Sketch::Tool::Box:
    case Sketch::Tool::Circle:
        m_sketch.area.add(m_start.x(), m_start.y());
        [[fallthrough]];
    case Sketch::Tool::Pencil:
    case Sketch::Tool::Rubber:
        m_sketch.remember();
        break;
    default:
        break;
    }
}

void frmAddPaint::surfaceMove(Qt::MouseButtons buttons, QPoint pixel) {
    if (!m_pressed || !(buttons & Qt::LeftButton))
        return;
    const QPointF at(PixelsToTwips(pixel.x()), PixelsToTwips(pixel.y()));
    switch (m_tool) {
    case Sketch::Tool::Line:
    case Sketch::Tool::Box:
    case Sketch::Tool::Circle:
        Picture1->setBand(SketchSurface::Band{m_tool, twipsToPixel(m_start), pixel});
        break;
    case Sketch::Tool::Pencil:
        repaint(m_sketch.drawPencil(m_start, at));
        m_start = at;
        break;
    case Sketch::Tool::Rubber:
        repaint(m_sketch.erase(twipsToPixel(m_start), pixel));
        m_start = at;
        break;
    default:
        break;
    }
}

void frmAddPaint::surfaceUp(Qt::MouseButton button, QPoint pixel) {
    if (button != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    const QPointF at(PixelsToTwips(pixel.x()), PixelsToTwips(pixel.y()));
    switch (m_tool) {
    case Sketch::Tool::Line:
    case Sketch::Tool::Box:
    case Sketch::Tool::Circle:
        // The provisional figure goes wherever the last move left it; the final one is drawn
        // to where the button came up.
        Picture1->setBand(std::nullopt);
        m_sketch.area.add(at.x(), at.y());
        repaint(m_tool == Sketch::Tool::Line  ? m_sketch.drawLine(m_start, at)
                : m_tool == Sketch::Tool::Box ? m_sketch.drawBox(m_start, at)
                                              : m_sketch.drawCircle(m_start, at));
        break;
    case Sketch::Tool::Fill:
        m_sketch.remember();
        repaint(m_sketch.fill(pixel));
        break;
    case Sketch::Tool::Text: {
        const std::optional<QString> text = m_prompter.inputText(
            QStringLiteral("Скицник"), QStringLiteral("Въведете текст тук :"), QString());
        if (text && !text->isEmpty()) {
            m_sketch.remember();
            repaint(m_sketch.drawText(at, *text));
        }
        break;
    }
    default:
        break;
    }
}

// ---- insert, clear, exit, undo ----

void frmAddPaint::IzberiRisunkata() {
    const QRectF twips = m_sketch.selection();
    if (twips.isEmpty())
        return;
    Picture1->setSelection(
        QRect(twipsToPixel(twips.topLeft()),
              QSize(TwipsToPixelRounded(twips.width()), TwipsToPixelRounded(twips.height()))));
}

void frmAddPaint::cmdGo_Click() {
    if (floating()) {
        Montirai();
        return;
    }
    IzberiRisunkata();
    if (m_prompter.message(QStringLiteral("Въпрос"),
                           QStringLiteral("Искате ли да вмъкнете нарисуваното на паното ?"),
                           Prompter::Icon::Question,
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    if (!m_sketch.area.drawn()) {
        m_prompter.message(QStringLiteral("Грешка"), QStringLiteral("Няма рисунка в скицника !"),
                           Prompter::Icon::Warning, Prompter::Buttons::Ok);
        return;
    }
    const QImage picture = m_sketch.selectedPicture();
    if (picture.isNull() || !m_insert || !m_insert(picture, m_sketch.selection().size()))
        return;
    // What was drawn is in the diagram now: nothing is lost by closing.
    m_closeAsked = true;
    close();
}

void frmAddPaint::cmdClearAll_Click() {
    if (m_prompter.message(
            QStringLiteral("Въпрос"), QStringLiteral("Наистина ли искате да изчистите паното ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    imgLoad->hide();
    m_floatPicture = QImage();
    m_sketch.remember();
    m_sketch.clear();
    Picture1->setSelection(QRect());
    Picture1->update();
}

void frmAddPaint::cmdExit_Click() {
    close();
}

void frmAddPaint::closeEvent(QCloseEvent* event) {
    if (!m_closeAsked && (floating() || !m_sketch.blank()) &&
        m_prompter.message(
            QStringLiteral("Въпрос"),
            QStringLiteral(
                "Рисунката ще бъде загубена. Наистина ли искате да затворите скицника ?"),
            Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes) {
        event->ignore();
        return;
    }
    m_closeAsked = true;
    event->accept();
}

void frmAddPaint::undo() {
    if (m_pressed)
        return; // not in the middle of a stroke
    if (m_sketch.undo()) {
        Picture1->setSelection(QRect());
        Picture1->update();
    }
}
