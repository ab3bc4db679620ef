#include "search/frmBuffer.h"

#include "workspace/ElementStore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

frmBuffer::frmBuffer(const BufferLoad& load, const SettingsRecord& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::Buffers), m_settings(settings) {
    setObjectName(QStringLiteral("frmBuffer"));
    setWindowTitle(QStringLiteral("Натовареност на буфера"));
    setModal(true);

    fraLoad = new QGroupBox(QStringLiteral("Натовареност:"), this);
    fraLoad->setObjectName(QStringLiteral("fraLoad"));
    auto* rows = new QVBoxLayout(fraLoad);

    const struct {
        QProgressBar*& bar;
        QLabel*& label;
        const char* barName;
        const char* labelName;
        const char* words;
        int count;
        int capacity;
    } buffers[] = {
        {PrgObj, lblObj, "PrgObj", "lblObj", "Натовареност на буфера за обекти", load.Obekti,
         ElementStore::Capacity},
        {PrgTxt, lblTxt, "PrgTxt", "lblTxt", "Натовареност на буфера за текст", load.Tekst,
         ElementStore::Capacity},
        {PrgLin, lblLin, "PrgLin", "lblLin", "Натовареност на буфера за линии", load.Linii,
         ElementStore::Capacity},
        {PrgShp, lblShp, "PrgShp", "lblShp", "Натовареност на буфера за фигури", load.Figuri,
         ElementStore::Capacity},
        {PrgTab, lblTab, "PrgTab", "lblTab", "Натовареност на буфера за решетки", load.Tablici,
         ElementStore::GridCapacity},
    };
    for (const auto& buffer : buffers) {
        const QString words = QString::fromUtf8(buffer.words);
        buffer.label = new QLabel(
            QStringLiteral("%1: %2/%3").arg(words).arg(buffer.count).arg(buffer.capacity), fraLoad);
        buffer.label->setObjectName(QString::fromLatin1(buffer.labelName));
        buffer.bar = new QProgressBar(fraLoad);
        buffer.bar->setObjectName(QString::fromLatin1(buffer.barName));
        buffer.bar->setRange(0, buffer.capacity);
        buffer.bar->setValue(std::clamp(buffer.count, 0, buffer.capacity));
        buffer.bar->setTextVisible(false);
        buffer.bar->setToolTip(words);
        buffer.bar->setMinimumWidth(320);
        rows->addWidget(buffer.label);
        rows->addWidget(buffer.bar);
        rows->addSpacing(4);
    }

    cmdClose = new QPushButton(QStringLiteral("Затвори"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* root = new QVBoxLayout(this);
    root->addWidget(fraLoad);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    applyAppearance();
}

frmBuffer::~frmBuffer() = default;
