#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed table of the library chooser: main categories, their categories in order, and
// per category the display names with their library keys.
namespace ChooserTable {

struct Entry {
    QString displayName;
    QString key;
};

struct Category {
    QString name;
    QList<Entry> entries;
};

struct MainCategory {
    QString name;
    QList<Category> categories;
};

// The three main categories in the order the chooser lists them.
const QList<MainCategory>& mainCategories();

// The main category or category with exactly this name (letter for letter), or nullptr.
const MainCategory* findMainCategory(const QString& name);
const Category* findCategory(const QString& name);

// The key bound to a display name, empty when there is none.
QString keyForDisplayName(const QString& displayName);

// Every key of the table in table order (191 of them).
QStringList allKeys();

} // namespace ChooserTable
