#include "common/QtPrompter.h"

#include "common/Units.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cstdlib>

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
    return messageWithOkCaption(title, text, icon, buttons, QString());
}

Prompter::Answer QtPrompter::messageWithOkCaption(const QString& title, const QString& text,
                                                  Icon icon, Buttons buttons,
                                                  const QString& okCaption) {
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

    if (QAbstractButton* ok = box.button(QMessageBox::Ok); ok && !okCaption.isEmpty())
        ok->setText(okCaption);

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

namespace {

// The sixteen basic colours the font dialog offers, as 0x00BBGGRR.
struct NamedColour {
    int32_t colour;
    const char* name;
};
constexpr NamedColour BasicColours[] = {
    {0x000000, "Черно"},        {0x000080, "Тъмночервено"}, {0x008000, "Зелено"},
    {0x008080, "Маслинено"},    {0x800000, "Тъмносиньо"},   {0x800080, "Лилаво"},
    {0x808000, "Синьо-зелено"}, {0x808080, "Сиво"},         {0xC0C0C0, "Сребристо"},
    {0x0000FF, "Червено"},      {0x00FF00, "Светлозелено"}, {0x00FFFF, "Жълто"},
    {0xFF0000, "Синьо"},        {0xFF00FF, "Фуксия"},       {0xFFFF00, "Светлосиньо"},
    {0xFFFFFF, "Бяло"},
};

// What the font dialog can show of `font`: the typeface it is really drawn in (a name this
// machine lacks would preset the first family of the list), in the style of that typeface
// with the font's weight and slant (the dialog matches styles by name, and a name it does
// not find presets the first style of the list).
QFont ShownFont(const QFont& font) {
    QFont shown = font;
    const QString family = QFontInfo(font).family();
    shown.setFamily(family);
    // The style nearest the element's weight with its slant, of normal width: oblique styles
    // count as slanted (the database calls only italic ones italic), and italic is preferred
    // to oblique.
    int nearest = -1;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont candidate = QFontDatabase::font(family, style, 12);
        if ((candidate.style() != QFont::StyleNormal) != font.italic())
            continue;
        // The database tells no width; the style's name does.
        static const QRegularExpression Width(
            QStringLiteral("Condensed|Expanded|Narrow|Wide|Compressed|Extended"),
            QRegularExpression::CaseInsensitiveOption);
        const int distance = std::abs(candidate.weight() - font.weight()) * 4 +
                             (style.contains(Width) ? 2 : 0) +
                             (candidate.style() == QFont::StyleOblique ? 1 : 0);
        if (nearest < 0 || distance < nearest) {
            nearest = distance;
            shown.setStyleName(style);
        }
    }
    return shown;
}

// `chosen` where the user changed it from what the dialog `presented`, `initial` elsewhere.
QFont KeepUntouched(const QFont& initial, const QFont& presented, const QFont& chosen) {
    QFont out = initial;
    if (chosen.family() != presented.family())
        out.setFamily(chosen.family());
    if (chosen.pointSizeF() != presented.pointSizeF() && chosen.pointSizeF() > 0)
        out.setPointSizeF(chosen.pointSizeF());
    if (chosen.bold() != presented.bold())
        out.setBold(chosen.bold());
    if (chosen.italic() != presented.italic())
        out.setItalic(chosen.italic());
    if (chosen.underline() != presented.underline())
        out.setUnderline(chosen.underline());
    if (chosen.strikeOut() != presented.strikeOut())
        out.setStrikeOut(chosen.strikeOut());
    return out;
}

QIcon Swatch(int32_t colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ColourToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

std::optional<Prompter::FontChoice> QtPrompter::chooseFontAndColour(const FontChoice& initial) {
    QDialog dialog(m_parent);
    dialog.setWindowTitle(QStringLiteral("Шрифт"));
    // The platform's font dialog without its buttons, with the colour below it.
    auto* fonts = new QFontDialog(&dialog);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setCurrentFont(ShownFont(initial.font));
    // What the dialog shows before the user touches it; whatever still matches this at the
    // end was left alone.
    const QFont presented = fonts->currentFont();

    auto* colours = new QComboBox(&dialog);
    colours->setObjectName(QStringLiteral("cboColour"));
    const auto addColour = [colours](int32_t colour, const QString& name) {
        colours->addItem(Swatch(colour), name, colour);
    };
    for (const NamedColour& basic : BasicColours)
        addColour(basic.colour, QString::fromUtf8(basic.name));
    int current = colours->findData(initial.colour & 0xFFFFFF);
    if (current < 0) {
        addColour(initial.colour & 0xFFFFFF, QStringLiteral("Собствен"));
        current = colours->count() - 1;
    }
    const int presetColour = current;
    colours->addItem(QStringLiteral("Друг цвят..."));
    colours->setCurrentIndex(current);
    // The last entry opens the colour dialog; its choice joins the list.
    QObject::connect(
        colours, qOverload<int>(&QComboBox::activated), &dialog, [&, colours](int index) {
            if (index != colours->count() - 1) {
                current = index;
                return;
            }
            const QColor chosen =
                QColorDialog::getColor(ColourToQColor(colours->itemData(current).toInt()), &dialog);
            if (chosen.isValid()) {
                colours->insertItem(index, Swatch(QColorToColour(chosen)),
                                    QStringLiteral("Собствен"), QColorToColour(chosen));
                current = index;
            }
            colours->setCurrentIndex(current);
        });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отказ"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Цвят:"), &dialog));
    colourRow->addWidget(colours, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    fonts->show();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice{KeepUntouched(initial.font, presented, fonts->currentFont()),
                      current == presetColour ? initial.colour
                                              : colours->itemData(current).toInt()};
}
