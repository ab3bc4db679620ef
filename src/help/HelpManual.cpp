#include "help/HelpManual.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

// The HTML of a page, or nothing when it is no regular file or larger than a page may be.
bool readPage(const QString& path, QString* html) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > HelpManual::MaxPageBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(HelpManual::MaxPageBytes + 1);
    if (bytes.size() > HelpManual::MaxPageBytes)
        return false;
    *html = QString::fromUtf8(bytes);
    return true;
}

HelpManual::Page makePage(const QString& file, const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    HelpManual::Page page;
    page.file = file;
    page.title = document.metaInformation(QTextDocument::DocumentTitle).simplified();
    if (page.title.isEmpty())
        page.title = file;
    page.text = document.toPlainText();
    return page;
}

QString excerptAround(const QString& text, int at, int length) {
    constexpr int Around = 40;
    const int from = qMax(0, at - Around);
    const int to = qMin(text.size(), at + length + Around);
    QString excerpt = text.mid(from, to - from).simplified();
    // Object marks stand where the pictures are.
    excerpt.remove(QChar(QChar::ObjectReplacementCharacter));
    if (from > 0)
        excerpt.prepend(QStringLiteral("…"));
    if (to < text.size())
        excerpt.append(QStringLiteral("…"));
    return excerpt;
}

} // namespace

bool HelpManual::load(const QString& folder) {
    m_folder = folder;
    m_pages.clear();
    const QDir dir(folder);
    QString index;
    if (!readPage(dir.filePath(indexFile()), &index))
        return false;
    m_pages.push_back(makePage(indexFile(), index));

    // Only plain names of the manual's own folder: no paths, no addresses elsewhere.
    static const QRegularExpression link(
        QStringLiteral("href\\s*=\\s*\"([A-Za-z0-9_-]{1,64}\\.html)(#[^\"]*)?\""),
        QRegularExpression::CaseInsensitiveOption);
    auto it = link.globalMatch(index);
    while (it.hasNext() && m_pages.size() < MaxPages) {
        const QString file = it.next().captured(1);
        if (pageOf(file) >= 0)
            continue;
        QString html;
        if (readPage(dir.filePath(file), &html))
            m_pages.push_back(makePage(file, html));
    }
    return true;
}

int HelpManual::pageOf(const QString& file) const {
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i].file == file)
            return i;
    return -1;
}

QVector<HelpManual::Match> HelpManual::find(const QString& word) const {
    QVector<Match> matches;
    const QString key = word.trimmed();
    if (key.isEmpty())
        return matches;
    for (int p = 0; p < m_pages.size(); ++p) {
        const QString& text = m_pages[p].text;
        int occurrence = 0;
        for (int at = text.indexOf(key, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(key, at + key.size(), Qt::CaseInsensitive)) {
            if (matches.size() >= MaxMatches)
                return matches;
            matches.push_back({p, occurrence++, excerptAround(text, at, key.size())});
        }
    }
    return matches;
}
