#include "print/frmPrint.h"

#include "common/Prompter.h"
#include "print/PrintPreview.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>

namespace {

// The hourglass for as long as it lives.
struct BusyPointer {
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

frmPrint::frmPrint(const SettingsRecord& settings, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window), ProgramWindow(*this, SettingsWindow::PrintPreview),
      m_settings(settings), m_prompter(prompter) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Визуализация на печат"));
    setAttribute(Qt::WA_DeleteOnClose);

    QMenuBar* bar = menuBar();
    mnuPrint = bar->addAction(QStringLiteral("Печат"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuZoom = bar->addMenu(QStringLiteral("Увеличи"));
    mnuZoom->setObjectName(QStringLiteral("mnuZoom"));
    const struct {
        QAction*& action;
        const char* name;
        int percent;
    } zooms[] = {{mnu100, "mnu100", 100}, {mnu50, "mnu50", 50}, {mnu25, "mnu25", 25}};
    for (const auto& zoom : zooms) {
        zoom.action = mnuZoom->addAction(QStringLiteral("%1%").arg(zoom.percent));
        zoom.action->setObjectName(QString::fromLatin1(zoom.name));
        const int percent = zoom.percent;
        connect(zoom.action, &QAction::triggered, this, [this, percent] { setZoom(percent); });
    }
    mnuClose = bar->addAction(QStringLiteral("Затвори"));
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
    connect(mnuPrint, &QAction::triggered, this, &frmPrint::mnuPrint_Click);
    connect(mnuClose, &QAction::triggered, this, &frmPrint::mnuClose_Click);

    auto* central = new QWidget(this);
    picHolder = new QWidget(central);
    picHolder->setObjectName(QStringLiteral("picHolder"));
    picHolder->setAutoFillBackground(true);
    QPalette ground = picHolder->palette();
    ground.setColor(QPalette::Window, QColor(128, 128, 128));
    picHolder->setPalette(ground);
    picZoom = new QLabel(picHolder);
    picZoom->setObjectName(QStringLiteral("picZoom"));
    hbarScroller = new QScrollBar(Qt::Horizontal, central);
    hbarScroller->setObjectName(QStringLiteral("hbarScroller"));
    vbarScroller = new QScrollBar(Qt::Vertical, central);
    vbarScroller->setObjectName(QStringLiteral("vbarScroller"));
    // The value follows the thumb while it is dragged as well.
    connect(hbarScroller, &QScrollBar::valueChanged, this, &frmPrint::scrolled);
    connect(vbarScroller, &QScrollBar::valueChanged, this, &frmPrint::scrolled);

    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(picHolder, 0, 0);
    grid->addWidget(vbarScroller, 0, 1);
    grid->addWidget(hbarScroller, 1, 0);
    setCentralWidget(central);

    runDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };

    // Watched once every control is there: the holder's size places the page.
    picHolder->installEventFilter(this);
    resize(640, 560);
    applyAppearance();
}

frmPrint::~frmPrint() = default;

void frmPrint::setPage(const QImage& picture, const PrintLayout::Page& page) {
    m_picture = picture;
    m_page = page;
    setZoom(m_zoom);
}

QSize frmPrint::pageSize() const {
    return m_picture.size();
}

void frmPrint::setZoom(int percent) {
    m_zoom = percent;
    const QSize size = PrintPreview::zoomSize(pageSize(), percent);
    picZoom->hide();
    picZoom->resize(size);
    if (m_picture.isNull())
        picZoom->clear();
    else if (percent == 100)
        picZoom->setPixmap(QPixmap::fromImage(m_picture));
    else
        picZoom->setPixmap(QPixmap::fromImage(
            m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    placeZoom(percent != 100);
    picZoom->show();
}

void frmPrint::placeZoom(bool centred) {
    const QSize holder = picHolder->size();
    const QSize zoom = picZoom->size();
    const QPoint corner = PrintPreview::place(holder, zoom, centred);
    m_placing = true;
    picZoom->move(corner);
    setRanges();
    hbarScroller->setValue(PrintPreview::value(corner.x(), holder.width(), zoom.width()));
    vbarScroller->setValue(PrintPreview::value(corner.y(), holder.height(), zoom.height()));
    m_placing = false;
}

void frmPrint::setRanges() {
    const QSize holder = picHolder->size();
    const QSize zoom = picZoom->size();
    const struct {
        QScrollBar* bar;
        int holder;
        int zoom;
    } bars[] = {{hbarScroller, holder.width(), zoom.width()},
                {vbarScroller, holder.height(), zoom.height()}};
    for (const auto& one : bars) {
        const PrintPreview::Axis axis = PrintPreview::axis(one.holder, one.zoom);
        one.bar->setRange(0, axis.maximum);
        one.bar->setPageStep(axis.pageStep);
        one.bar->setSingleStep(axis.singleStep);
    }
}

void frmPrint::scrolled() {
    if (m_placing)
        return;
    const QSize holder = picHolder->size();
    const QSize zoom = picZoom->size();
    picZoom->move(PrintPreview::offset(hbarScroller->value(), holder.width(), zoom.width()),
                  PrintPreview::offset(vbarScroller->value(), holder.height(), zoom.height()));
}

bool frmPrint::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        setZoom(25);
    return QMainWindow::event(event);
}

bool frmPrint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picHolder && event->type() == QEvent::Resize && !isMinimized() &&
        picHolder->height() > 0)
        placeZoom(PrintPreview::centredOnResize(picHolder->size(), picZoom->size()));
    return QMainWindow::eventFilter(watched, event);
}

void frmPrint::closeEvent(QCloseEvent* event) {
    m_picture = QImage();
    picZoom->clear();
    QMainWindow::closeEvent(event);
}

void frmPrint::mnuClose_Click() {
    close();
}

void frmPrint::paintPage(QPainter& painter, const QRectF& sheet) const {
    if (m_picture.isNull())
        return;
    // The page keeps its proportions, centred, should the sheet have other ones.
    QSizeF drawn = QSizeF(m_picture.size()).scaled(sheet.size(), Qt::KeepAspectRatio);
    const QRectF target(sheet.center() - QPointF(drawn.width() / 2, drawn.height() / 2), drawn);
    if (pagePainter) {
        pagePainter(painter, target);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
}

void frmPrint::mnuPrint_Click() {
    if (m_picture.isNull())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(m_page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    if (!runDialog(printer))
        return;

    QString failure;
    {
        BusyPointer busy;
        QPainter painter;
        if (!painter.begin(&printer)) {
            failure = printer.outputFileName().isEmpty()
                          ? QStringLiteral("принтерът не може да започне печата.")
                          : QStringLiteral("файлът „%1“ не може да бъде записан.")
                                .arg(printer.outputFileName());
        } else {
            const QRectF sheet(QPointF(0, 0),
                               printer.pageLayout().fullRectPixels(printer.resolution()).size());
            paintPage(painter, sheet);
            if (!painter.end() || printer.printerState() == QPrinter::Error)
                failure = QStringLiteral("принтерът съобщи за грешка.");
        }
    }
    if (!failure.isEmpty())
        m_prompter.message(QStringLiteral("Печат"),
                           QStringLiteral("Печатът не бе успешен: ") + failure,
                           Prompter::Icon::Warning, Prompter::Buttons::Ok);
}
