#include "help/AboutDialog.h"

#include "Version.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtGlobal>

QString AboutDialog::version() {
    return QStringLiteral(VX_VERSION);
}

QVector<AboutDialog::Library> AboutDialog::libraries() {
    QVector<Library> list{
        {QStringLiteral("Qt 6 (Core, Gui, Widgets, PrintSupport)"), QString::fromLatin1(qVersion()),
         QStringLiteral("GNU LGPL, версия 3")},
        {QStringLiteral("libjpeg-turbo"), QString(), QStringLiteral("IJG и BSD с 3 клаузи")},
    };
#ifdef VX_HAVE_X11
    list.push_back({QStringLiteral("Xlib (libX11)"), QString(), QStringLiteral("MIT/X11")});
#endif
    list.push_back({QStringLiteral("GNU C Library (iconv)"), QString(),
                    QStringLiteral("GNU LGPL, версия 2.1")});
    return list;
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Относно програмата"));

    auto* name = new QLabel(QStringLiteral("Вексилардо"));
    name->setObjectName(QStringLiteral("lblName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    name->setFont(big);
    auto* about = new QLabel(QStringLiteral("Версия %1\nРедактор на диаграми").arg(version()));
    about->setObjectName(QStringLiteral("lblVersion"));

    const QVector<Library> libs = libraries();
    auto* table = new QTableWidget(libs.size(), 3);
    table->setObjectName(QStringLiteral("lstLibraries"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Библиотека"), QStringLiteral("Версия"), QStringLiteral("Лиценз")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < libs.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(libs[row].name));
        table->setItem(row, 1, new QTableWidgetItem(libs[row].version));
        table->setItem(row, 2, new QTableWidgetItem(libs[row].licence));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(about);
    layout->addWidget(new QLabel(QStringLiteral("Програмата използва:")));
    layout->addWidget(table);
    layout->addWidget(buttons);
    setMinimumWidth(640);
}
