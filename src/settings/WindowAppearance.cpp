#include "settings/WindowAppearance.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSet>
#include <QWidget>

namespace {

const QStringList& ProgramWindowNames() {
    static const QStringList names{
        QStringLiteral("frmMain"),       QStringLiteral("Dialog"),
        QStringLiteral("frmAbout"),      QStringLiteral("frmAddObject"),
        QStringLiteral("frmAddPaint"),   QStringLiteral("frmAddTable"),
        QStringLiteral("frmBuffer"),     QStringLiteral("frmEditTable"),
        QStringLiteral("frmJPGQuality"), QStringLiteral("frmSettings"),
    };
    return names;
}

void SetFamily(QWidget* widget, const QString& family) {
    QFont font = widget->font();
    if (font.family() == family && font.families() == QStringList(family))
        return;
    font.setFamily(family);
    widget->setFont(font);
}

// Menus reached through actions may be parented elsewhere (or nowhere), so they are
// followed explicitly; `seen` keeps menus that list each other from looping.
void ApplyToTree(QWidget* root, const QString& family, QSet<QWidget*>& seen) {
    if (!root || seen.contains(root))
        return;
    seen.insert(root);
    SetFamily(root, family);

    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget != root) {
            if (seen.contains(widget))
                continue;
            seen.insert(widget);
            SetFamily(widget, family);
        }
        const QList<QAction*> actions = widget->actions();
        for (QAction* action : actions) {
            if (QMenu* menu = action->menu<QMenu*>())
                ApplyToTree(menu, family, seen);
        }
    }
}

} // namespace

void ApplyProgramFont(QWidget* window, const QString& family) {
    if (!window || family.trimmed().isEmpty())
        return;
    QSet<QWidget*> seen;
    ApplyToTree(window, family, seen);
}

bool ApplyProgramFont(const QString& windowName, const QString& family) {
    if (!qApp || !ProgramWindowNames().contains(windowName))
        return false;
    bool found = false;
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == windowName) {
            ApplyProgramFont(window, family);
            found = true;
        }
    }
    return found;
}

bool SetWindowTransparency(QWidget* window, int level) {
    if (!window || !window->isWindow())
        return false;
    window->setWindowOpacity((level & 0xFF) / 255.0);
    return true;
}

void ApplyWindowTransparency(QWidget* window, int16_t level) {
    if (!window)
        return;
    if (level < 255) {
        SetWindowTransparency(window, level);
    } else if (window->windowOpacity() != 1.0) {
        // Going back to opaque must undo an earlier translucent setting.
        window->setWindowOpacity(1.0);
    }
}
