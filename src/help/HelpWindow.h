#pragma once

#include "help/HelpManual.h"

#include <QString>
#include <QVector>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

// The manual's window: the contents on the left, the page on the right, and a search box
// above the contents. Enter in the box finds the word across the pages and shows the first
// match; Enter again goes to the next one, after the last back to the first.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow(HelpManual manual, QWidget* parent);

    const HelpManual& manual() const { return m_manual; }
    // Shows a page of the manual by its file name.
    void showPage(const QString& file);
    // The file name of the page shown.
    QString currentPage() const;
    // What the search found, and which of it is shown (-1 for none).
    const QVector<HelpManual::Match>& matches() const { return m_matches; }
    int currentMatch() const { return m_current; }

    QLineEdit* txtFind = nullptr;
    QLabel* lblFound = nullptr;
    QListWidget* lstContents = nullptr;
    QListWidget* lstFound = nullptr;
    QTextBrowser* txtPage = nullptr;

private:
    void findNext();
    void showMatch(int index);
    void pageShown(const QUrl& url);

    HelpManual m_manual;
    QString m_searched; // the word the matches are of
    QVector<HelpManual::Match> m_matches;
    int m_current = -1;
};
