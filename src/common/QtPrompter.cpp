#include "common/QtPrompter.h"

#include "common/Units.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon ToQtIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtPrompter::QtPrompter(QWidget* parent) : m_parent(parent) {}

Prompter::Answer QtPrompter::message(const QString& title, const QString& text, Icon icon,
                                     Buttons buttons) {
    QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);

    // The escape button is also what closing the box from its title bar reports.
    Answer onClose = Answer::Ok;
    switch (buttons) {
    case Buttons::Ok:
        box.setEscapeButton(box.addButton(QMessageBox::Ok));
        onClose = Answer::Ok;
        break;
    case Buttons::OkCancel:
        box.addButton(QMessageBox::Ok);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        onClose = Answer::Cancel;
        break;
    case Buttons::YesNo:
        box.addButton(QMessageBox::Yes);
        box.setEscapeButton(box.addButton(QMessageBox::No));
        onClose = Answer::No;
        break;
    case Buttons::YesNoCancel:
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        onClose = Answer::Cancel;
        break;
    }

    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return onClose;
    }
}

std::optional<QString> QtPrompter::inputText(const QString& title, const QString& prompt,
                                             const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

int QtPrompter::FilterIndex(const QString& filters, const QString& chosen) {
    const QString wanted = chosen.trimmed();
    if (wanted.isEmpty())
        return -1;
    const QStringList entries = filters.split(QStringLiteral(";;"));
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).trimmed() == wanted)
            return i;
    }
    return -1;
}

QString QtPrompter::fileName(bool save, const QString& title, const QString& filters,
                             const QString& directory, int* selectedFilter) {
    QString chosen;
    const QString name =
        save ? QFileDialog::getSaveFileName(m_parent, title, directory, filters, &chosen)
             : QFileDialog::getOpenFileName(m_parent, title, directory, filters, &chosen);
    if (!name.isEmpty() && selectedFilter)
        *selectedFilter = FilterIndex(filters, chosen);
    return name;
}

QString QtPrompter::openFileName(const QString& title, const QString& filters,
                                 const QString& directory, int* selectedFilter) {
    return fileName(false, title, filters, directory, selectedFilter);
}

QString QtPrompter::saveFileName(const QString& title, const QString& filters,
                                 const QString& directory, int* selectedFilter) {
    return fileName(true, title, filters, directory, selectedFilter);
}

std::optional<int32_t> QtPrompter::chooseColour(int32_t initial) {
    const QColor colour = QColorDialog::getColor(ColourToQColor(initial), m_parent);
    if (!colour.isValid())
        return std::nullopt;
    return QColorToColour(colour);
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    if (!ok)
        return std::nullopt;
    return font;
}
