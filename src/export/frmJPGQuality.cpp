#include "export/frmJPGQuality.h"

#include "common/Prompter.h"
#include "export/JpegWriter.h"
#include "export/cDIBSection.h"
#include "settings/SettingsRecord.h"
#include "workspace/EditorContext.h"
#include "workspace/Workspace.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

frmJPGQuality::frmJPGQuality(EditorContext& context, const QImage& picture, const QString& fileName)
    : QDialog(&context.mainWindow(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ProgramWindow(*this, SettingsWindow::JpgQuality), m_context(context), m_picture(picture),
      m_fileName(fileName) {
    setObjectName(QStringLiteral("frmJPGQuality"));
    setWindowTitle(QStringLiteral("Качество на изходния файл"));
    setModal(true);

    buildControls();
    applyAppearance();

    connect(cmdOK, &QPushButton::clicked, this, &frmJPGQuality::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmJPGQuality::cmdCancel_Click);
}

frmJPGQuality::~frmJPGQuality() = default;

const SettingsRecord& frmJPGQuality::appearanceSettings() const {
    return m_context.workspace().settings;
}

void frmJPGQuality::buildControls() {
    fraQual = new QGroupBox(QStringLiteral("Качество на JPG:"), this);
    fraQual->setObjectName(QStringLiteral("fraQual"));

    sldQual = new QSlider(Qt::Horizontal, fraQual);
    sldQual->setObjectName(QStringLiteral("sldQual"));
    sldQual->setToolTip(QStringLiteral("Настройка на качеството"));
    sldQual->setRange(1, 100);
    sldQual->setValue(90);
    sldQual->setTickPosition(QSlider::TicksBelow);
    sldQual->setTickInterval(10);
    sldQual->setSingleStep(1);
    sldQual->setPageStep(5);
    sldQual->setMinimumWidth(260);

    const auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, fraQual);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblZero = label("lblZero", QStringLiteral("0%"));
    lblHalf = label("lblHalf", QStringLiteral("50%"));
    lblFull = label("lblFull", QStringLiteral("100%"));
    lblPoor = label("lblPoor", QStringLiteral("<< Лошо"));
    lblGood = label("lblGood", QStringLiteral("Добро >>"));

    auto* scale = new QGridLayout(fraQual);
    scale->addWidget(sldQual, 0, 0, 1, 3);
    scale->addWidget(lblZero, 1, 0, Qt::AlignLeft);
    scale->addWidget(lblHalf, 1, 1, Qt::AlignHCenter);
    scale->addWidget(lblFull, 1, 2, Qt::AlignRight);
    scale->addWidget(lblPoor, 2, 0, Qt::AlignLeft);
    scale->addWidget(lblGood, 2, 2, Qt::AlignRight);
    for (int column = 0; column < 3; ++column)
        scale->setColumnStretch(column, 1);

    cmdOK = new QPushButton(QStringLiteral("Запази файла"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("Отмени"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* root = new QVBoxLayout(this);
    root->addWidget(fraQual);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

void frmJPGQuality::cmdOK_Click() {
    if (m_finished)
        return;
    m_finished = true;

    cDIBSection dib;
    dib.CreateFromPicture(m_picture);
    const int quality = sldQual->value();
    Workspace& workspace = m_context.workspace();
    Prompter& prompter = m_context.prompter();

    if (!m_fileName.isEmpty()) {
        m_saved = WriteJPGFile(dib, m_fileName, quality, prompter);
        hide();
        if (m_saved) {
            if (workspace.settings.ShowInfo)
                prompter.message(QStringLiteral("Съобщение"),
                                 QStringLiteral("Диаграмата е съхранена. Може да продължите "
                                                "работата си"),
                                 Prompter::Icon::Information, Prompter::Buttons::Ok);
            // A picture of the diagram is no copy of it: its changes are still unsaved.
            workspace.setStateText(DiagramStateText::saved());
            workspace.diagram.SelPicture = 0;
        } else {
            // The diagram stays marked as changed: nothing was saved.
            prompter.message(QStringLiteral("Грешка"),
                             QStringLiteral("Не може да се съхрани Jpg файла: '") + m_fileName +
                                 QLatin1Char('\''),
                             Prompter::Icon::Warning, Prompter::Buttons::Ok);
        }
    }
    // Also without a file name: the export is over either way, and the main window must not
    // stay locked.
    m_context.Kontrolite(true);

    dib.ClearUp();
    m_picture = QImage();
    m_context.Pre4ertai();
    done(m_saved ? Accepted : Rejected);
}

void frmJPGQuality::cmdCancel_Click() {
    if (m_finished)
        return;
    m_finished = true;
    m_context.Kontrolite(true);
    m_picture = QImage();
    m_context.Pre4ertai();
    done(Rejected);
}

void frmJPGQuality::reject() {
    if (m_finished)
        QDialog::reject();
    else
        cmdCancel_Click();
}
