#include "workspace/StatusBar.h"

#include "common/Units.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>

// Xlib defines macros (None, Bool, Status, KeyPress...) that break Qt headers, so it
// comes last and its leftovers are removed straight away.
#if defined(VX_HAVE_X11) && QT_CONFIG(xcb)
#define VX_READ_X11_CAPS 1
#include <X11/XKBlib.h>
#undef None
#undef Bool
#undef Status
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef Expose
#undef Unsorted
#endif

namespace {

struct PanelLayout {
    int widthTwips;
    const char* text;
};

constexpr PanelLayout Layout[StatusBar::PanelCount] = {
    {1440, "Вексилардо 1.0"}, {3300, ""}, {3000, ""}, {1440, "CAPS"}, {1440, ""}, {1440, ""},
};

QDateTime SystemClock() {
    return QDateTime::currentDateTime();
}

void SetIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent), m_timer(new QTimer(this)), m_clock(SystemClock) {
    setObjectName(QStringLiteral("StatInfo"));
    for (int i = 0; i < PanelCount; ++i) {
        auto* label = new QLabel(QString::fromUtf8(Layout[i].text), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Panels start at their set widths and grow when the program font needs more room.
        label->setMinimumWidth(TwipsToPixelRounded(Layout[i].widthTwips));
        label->setObjectName(QStringLiteral("StatInfoPanel%1").arg(i + 1));
        m_panels[i] = label;
    }
    m_panels[CapsPanel - 1]->setAlignment(Qt::AlignCenter);
    m_panels[DatePanel - 1]->setAlignment(Qt::AlignCenter);
    m_panels[TimePanel - 1]->setAlignment(Qt::AlignCenter);

    tick();
    connect(m_timer, &QTimer::timeout, this, &StatusBar::tick);
    m_timer->start(1000);
}

void StatusBar::setPanelText(int panel, const QString& text) {
    if (QLabel* label = this->panel(panel))
        label->setText(text);
}

void StatusBar::fitPanelTo(int panel, const QStringList& texts) {
    QLabel* label = this->panel(panel);
    if (!label)
        return;
    const QString kept = label->text();
    int widest = label->minimumWidth();
    for (const QString& text : texts) {
        label->setText(text);
        widest = std::max(widest, label->sizeHint().width());
    }
    label->setText(kept);
    label->setMinimumWidth(widest);
    placePanels();
}

QSize StatusBar::sizeHint() const {
    return QSize(QStatusBar::sizeHint().width(), m_panels[0]->sizeHint().height() + 4);
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    placePanels();
}

void StatusBar::placePanels() {
    int x = 2;
    const int h = height() - 4;
    for (QLabel* label : m_panels) {
        label->setGeometry(x, 2, label->minimumWidth(), h);
        x += label->minimumWidth() + 3;
    }
}

QString StatusBar::panelText(int panel) const {
    const QLabel* label = this->panel(panel);
    return label ? label->text() : QString();
}

QLabel* StatusBar::panel(int panel) const {
    if (panel < 1 || panel > PanelCount)
        return nullptr;
    return m_panels[panel - 1];
}

void StatusBar::refreshCapsLock() {
    QLabel* caps = m_panels[CapsPanel - 1];
    const bool on = CapsLockOn();
    if (caps->isEnabled() != on)
        caps->setEnabled(on);
}

void StatusBar::setClock(Clock clock) {
    m_clock = clock ? std::move(clock) : Clock(SystemClock);
    refreshClock();
}

void StatusBar::refreshClock() {
    const QDateTime now = m_clock();
    SetIfChanged(m_panels[DatePanel - 1], now.date().toString(QStringLiteral("dd.MM.yyyy")));
    SetIfChanged(m_panels[TimePanel - 1], now.time().toString(QStringLiteral("HH:mm")));
}

void StatusBar::tick() {
    refreshClock();
    refreshCapsLock();
}

bool StatusBar::CapsLockOn() {
#ifdef VX_READ_X11_CAPS
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    unsigned int state = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success)
        return false;
    return (state & 1u) != 0;
#else
    return false;
#endif
}
