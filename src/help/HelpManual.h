#pragma once

#include <QString>
#include <QVector>

// The user manual: HTML pages in one folder, index.html first and then the pages it links to,
// in the order it names them. The pages are read once, as plain text, for the search.
class HelpManual {
public:
    struct Page {
        QString file;  // its name in the manual's folder
        QString title; // its <title>, or the file name when it has none
        QString text;  // the text a reader sees, without the markup
    };
    // One place where a searched word occurs: the page and which occurrence on it (0 for the
    // first), with a little of the text around it.
    struct Match {
        int page = 0;
        int occurrence = 0;
        QString excerpt;
    };

    // What is read at most, whatever the folder holds.
    static constexpr qint64 MaxPageBytes = 2 * 1024 * 1024;
    static constexpr int MaxPages = 200;
    static constexpr int MaxMatches = 1000;

    // The page every manual starts from.
    static QString indexFile() { return QStringLiteral("index.html"); }

    // Reads the manual of `folder`. False when it has no index page (or it cannot be read);
    // pages the index names that are missing, too large or outside the folder are left out.
    bool load(const QString& folder);

    const QString& folder() const { return m_folder; }
    const QVector<Page>& pages() const { return m_pages; }
    // The page of that file name, or -1.
    int pageOf(const QString& file) const;

    // Every occurrence of `word` in the pages' text, page by page, ignoring case (Cyrillic
    // letters too). Blanks around the word do not count; an empty word finds nothing.
    QVector<Match> find(const QString& word) const;

private:
    QString m_folder;
    QVector<Page> m_pages;
};
