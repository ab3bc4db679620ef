#include "help/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(HelpManual manual, QWidget* parent)
    : QWidget(parent, Qt::Window), m_manual(std::move(manual)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Помощ - Вексилардо"));

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    txtFind = new QLineEdit;
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setPlaceholderText(QStringLiteral("Търсене в ръководството"));
    txtFind->setToolTip(QStringLiteral("Въведете дума и натиснете Enter; Enter отново "
                                       "показва следващото място"));
    txtFind->setClearButtonEnabled(true);
    lblFound = new QLabel;
    lblFound->setObjectName(QStringLiteral("lblFound"));
    lblFound->setWordWrap(true);
    lstFound = new QListWidget;
    lstFound->setObjectName(QStringLiteral("lstFound"));
    lstFound->setWordWrap(true);
    lstFound->hide();
    lstContents = new QListWidget;
    lstContents->setObjectName(QStringLiteral("lstContents"));
    for (const HelpManual::Page& page : m_manual.pages())
        lstContents->addItem(page.title);
    auto* contentsTitle = new QLabel(QStringLiteral("Съдържание"));
    sideLayout->addWidget(txtFind);
    sideLayout->addWidget(lblFound);
    sideLayout->addWidget(lstFound, 1);
    sideLayout->addWidget(contentsTitle);
    sideLayout->addWidget(lstContents, 2);

    txtPage = new QTextBrowser;
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setOpenExternalLinks(false);
    txtPage->setSearchPaths({m_manual.folder()});

    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(txtPage);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 740});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(1000, 700);

    connect(txtFind, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    // Esc closes the manual, as it does a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    connect(lstContents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_manual.pages().size() &&
            m_manual.pages()[row].file != currentPage())
            showPage(m_manual.pages()[row].file);
    });
    connect(lstFound, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showMatch(lstFound->row(item)); });
    connect(lstFound, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showMatch(lstFound->row(item)); });
    connect(txtPage, &QTextBrowser::sourceChanged, this, &HelpWindow::pageShown);

    showPage(HelpManual::indexFile());
}

void HelpWindow::showPage(const QString& file) {
    txtPage->setSource(QUrl::fromLocalFile(QDir(m_manual.folder()).filePath(file)));
}

QString HelpWindow::currentPage() const {
    return QFileInfo(txtPage->source().toLocalFile()).fileName();
}

void HelpWindow::pageShown(const QUrl& url) {
    // The browser tells before source() gives the new page.
    const int page = m_manual.pageOf(QFileInfo(url.toLocalFile()).fileName());
    QSignalBlocker quiet(lstContents);
    lstContents->setCurrentRow(page);
}

void HelpWindow::findNext() {
    const QString word = txtFind->text().trimmed();
    if (word.isEmpty()) {
        lblFound->clear();
        lstFound->hide();
        m_matches.clear();
        m_searched.clear();
        m_current = -1;
        return;
    }
    if (word.compare(m_searched, Qt::CaseInsensitive) != 0 || m_matches.isEmpty()) {
        m_searched = word;
        m_matches = m_manual.find(word);
        m_current = -1;
        lstFound->clear();
        for (const HelpManual::Match& match : m_matches)
            lstFound->addItem(m_manual.pages()[match.page].title + QStringLiteral(": ") +
                              match.excerpt);
        lstFound->setVisible(!m_matches.isEmpty());
        if (m_matches.isEmpty()) {
            lblFound->setText(
                QStringLiteral("Думата „%1“ не се среща в ръководството.").arg(word.left(60)));
            return;
        }
    }
    showMatch((m_current + 1) % m_matches.size());
}

void HelpWindow::showMatch(int index) {
    if (index < 0 || index >= m_matches.size())
        return;
    m_current = index;
    const HelpManual::Match& match = m_matches[index];
    const QString file = m_manual.pages()[match.page].file;
    if (currentPage() != file)
        showPage(file);
    // The page in the browser is laid out from the same HTML, so its n-th occurrence is ours.
    QTextCursor cursor(txtPage->document());
    for (int i = 0; i <= match.occurrence && !cursor.isNull(); ++i)
        cursor = txtPage->document()->find(m_searched, cursor);
    if (!cursor.isNull())
        txtPage->setTextCursor(cursor);
    txtPage->ensureCursorVisible();
    {
        QSignalBlocker quiet(lstFound);
        lstFound->setCurrentRow(index);
    }
    QString text = m_matches.size() == HelpManual::MaxMatches
                       ? QStringLiteral("Намерени: над %1").arg(HelpManual::MaxMatches - 1)
                       : QStringLiteral("Намерени: %1").arg(m_matches.size());
    lblFound->setText(text + QStringLiteral(" (показано %1). Enter — следващо.").arg(index + 1));
}
