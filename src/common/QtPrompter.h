#pragma once

#include "common/Prompter.h"

#include <QPointer>
#include <QWidget>

class QWidget;

// The real dialogs behind Prompter, parented to the window that asks.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);

    // The window the dialogs belong to; set once that window exists.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    Answer messageWithOkCaption(const QString& title, const QString& text, Icon icon,
                                Buttons buttons, const QString& okCaption) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    QString openFileName(const QString& title, const QString& filters, const QString& directory,
                         int* selectedFilter) override;
    QString saveFileName(const QString& title, const QString& filters, const QString& directory,
                         int* selectedFilter) override;
    std::optional<int32_t> chooseColour(int32_t initial) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<FontChoice> chooseFontAndColour(const FontChoice& initial) override;

    // Position of `chosen` among the ";;"-separated `filters`; -1 when it is not there, so a
    // caller never mistakes an unknown filter for the first one.
    static int FilterIndex(const QString& filters, const QString& chosen);

private:
    QString fileName(bool save, const QString& title, const QString& filters,
                     const QString& directory, int* selectedFilter);

    QPointer<QWidget> m_parent;
};
