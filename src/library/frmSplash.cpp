#include "library/frmSplash.h"

#include "common/Prompter.h"
#include "library/CatalogueLoader.h"
#include "library/SplashTarget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {

// How long the load may run before the splash gets a chance to paint.
constexpr int PaintIntervalMs = 30;

} // namespace

frmSplash::frmSplash(Factory createEditor, Show showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_createEditor(std::move(createEditor)), m_showMainWindow(std::move(showMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Вексилардо"));
    setFixedSize(440, 240);
    // So that a key pressed on the splash reaches it.
    setFocusPolicy(Qt::StrongFocus);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 24, 120, 120);
    Image1->setPixmap(drawLogo(120));

    Label1 = new QLabel(QStringLiteral("Вексилардо"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setPixelSize(34);
    nameFont.setBold(true);
    Label1->setFont(nameFont);
    Label1->setStyleSheet(QStringLiteral("color: #1f3f7f;"));
    Label1->setGeometry(160, 40, 264, 48);

    Label2 = new QLabel(QStringLiteral("Редактор на диаграми"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont subtitleFont(QStringLiteral("DejaVu Sans"));
    subtitleFont.setPixelSize(15);
    subtitleFont.setItalic(true);
    Label2->setFont(subtitleFont);
    Label2->setStyleSheet(QStringLiteral("color: #505050;"));
    Label2->setGeometry(162, 92, 262, 24);

    LabStatus = new QLabel(loadingText(), this);
    LabStatus->setObjectName(QStringLiteral("LabStatus"));
    LabStatus->setGeometry(24, 168, 392, 20);

    Progres = new QProgressBar(this);
    Progres->setObjectName(QStringLiteral("Progres"));
    Progres->setGeometry(24, 192, 392, 18);
    Progres->setTextVisible(false);
    Progres->setRange(0, 1);
    Progres->setValue(0);

    LoadTimer = new QTimer(this);
    LoadTimer->setObjectName(QStringLiteral("LoadTimer"));
    LoadTimer->setInterval(100);
    connect(LoadTimer, &QTimer::timeout, this, &frmSplash::LoadTimer_Timer);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load() {
    if (m_loadStarted)
        return;
    m_loadStarted = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    m_editor = m_createEditor ? m_createEditor() : nullptr;
    if (!m_editor) {
        m_handedOver = true;
        close();
        return;
    }

    const QString folder = QDir(m_editor->programFolder()).filePath(CatalogueLoader::folderName());
    CatalogueLoader loader(folder, m_editor->pictureLibrary());
    // The maximum only ever grows, so setting it first keeps the value inside the range.
    loader.progress = [this](int value, int maximum) {
        Progres->setMaximum(maximum);
        Progres->setValue(value);
    };
    QElapsedTimer sincePaint;
    sincePaint.start();
    while (loader.loadNext()) {
        if (sincePaint.elapsed() >= PaintIntervalMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sincePaint.restart();
        }
    }
    m_faults = loader.faults();

    if (quickStart) {
        handOver();
        return;
    }
    LabStatus->setText(initialisingText());
    Progres->setValue(0);
    Progres->setMaximum(100);
    LoadTimer->start();
}

void frmSplash::LoadTimer_Timer() {
    if (!m_editor || m_handedOver) {
        LoadTimer->stop();
        return;
    }
    if (Progres->value() < 100) {
        Progres->setValue(qMin(Progres->value() + 5, 100));
        return;
    }
    handOver();
}

void frmSplash::skipWaiting() {
    if (LoadTimer->isActive())
        handOver();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    skipWaiting();
    event->accept();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    skipWaiting();
    event->accept();
}

void frmSplash::handOver() {
    LoadTimer->stop();
    m_handedOver = true;
    // The main window goes up before the splash closes, so there is always a window open
    // and the application does not take the gap for its last window closing.
    if (m_showMainWindow)
        m_showMainWindow(m_editor->mainWindow());
    else
        m_editor->mainWindow().showMaximized();
    close();

    if (!m_faults.isEmpty())
        m_editor->prompter().message(QStringLiteral("Грешка"),
                                     CatalogueLoader::faultReport(m_faults),
                                     Prompter::Icon::Warning, Prompter::Buttons::Ok);
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // Closing the splash half way would leave no window and no program.
    if (m_handedOver)
        event->accept();
    else
        event->ignore();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    background.setColorAt(1, QColor(0xDC, 0xE6, 0xF4));
    p.fillRect(rect(), background);
    p.setPen(QPen(QColor(0x1F, 0x3F, 0x7F), 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

QPixmap frmSplash::drawLogo(int side) {
    QPixmap logo(side, side);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = side / 120.0;
    p.scale(u, u);

    // A flag on its pole, with a small diagram on the cloth: two boxes and a link.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x4A, 0x3A));
    p.drawRoundedRect(QRectF(14, 8, 6, 106), 2, 2);
    p.setBrush(QColor(0xC8, 0xA0, 0x30));
    p.drawEllipse(QPointF(17, 8), 6, 6);

    QPainterPath cloth;
    cloth.moveTo(20, 16);
    cloth.cubicTo(50, 6, 70, 26, 108, 14);
    cloth.lineTo(108, 74);
    cloth.cubicTo(70, 86, 50, 66, 20, 76);
    cloth.closeSubpath();
    p.setBrush(QColor(0x2F, 0x6F, 0xCF));
    p.setPen(QPen(QColor(0x1F, 0x3F, 0x7F), 2));
    p.drawPath(cloth);

    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(46, 44), QPointF(82, 44));
    p.setPen(QPen(QColor(0x1F, 0x3F, 0x7F), 1.5));
    p.setBrush(QColor(0xFF, 0xE0, 0x80));
    p.drawRect(QRectF(32, 34, 18, 18));
    p.setBrush(QColor(0xB0, 0xF0, 0xB0));
    p.drawEllipse(QRectF(80, 34, 18, 18));
    p.end();
    return logo;
}
