#include "print/frmPreviewDia.h"

#include "settings/WindowAppearance.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

frmPreviewDia::frmPreviewDia(const QImage& picture, const SettingsRecord& settings, QWidget* parent)
    : QWidget(parent, Qt::Window), ProgramWindow(*this, SettingsWindow::DiagramPreview),
      m_settings(settings) {
    setObjectName(QStringLiteral("frmPreviewDia"));
    setWindowTitle(QStringLiteral("Преглед на диаграмата"));
    setAttribute(Qt::WA_DeleteOnClose);

    Preview = new QLabel(this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setToolTip(QStringLiteral("Умален вариант на диаграмата"));
    Preview->setScaledContents(true);
    Preview->setMinimumSize(1, 1);
    Preview->setPixmap(QPixmap::fromImage(picture));
    Preview->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Preview);

    applyAppearance();
}

frmPreviewDia::~frmPreviewDia() = default;

bool frmPreviewDia::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Preview && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmPreviewDia::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyWindowTransparency(this, m_settings.transparency[int(SettingsWindow::DiagramPreview)]);
}
