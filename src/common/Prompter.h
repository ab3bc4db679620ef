#pragma once

#include <QFont>
#include <QString>
#include <cstdint>
#include <optional>

// Every question the program asks the user goes through this interface, so the
// program shows real dialogs while tests script the answers and record the messages.
class Prompter {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    // A modal message box. Closing the box counts as Cancel (or No where there is no Cancel,
    // Ok for a box with only Ok).
    virtual Answer message(const QString& title, const QString& text, Icon icon,
                           Buttons buttons) = 0;
    // As message(), with the OK button captioned `okCaption` instead of the platform's word,
    // for a text that tells the user which button to press.
    virtual Answer messageWithOkCaption(const QString& title, const QString& text, Icon icon,
                                        Buttons buttons, const QString& /*okCaption*/) {
        return message(title, text, icon, buttons);
    }

    // An input box; nothing when the user cancels.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial) = 0;

    // File dialogs; an empty name when the user cancels. When a file is chosen,
    // `selectedFilter` receives the index of the chosen filter entry (entries separated by
    // ";;"), or -1 when the dialog reports a filter that is none of them; a cancelled dialog
    // leaves it as it was.
    virtual QString openFileName(const QString& title, const QString& filters,
                                 const QString& directory, int* selectedFilter) = 0;
    virtual QString saveFileName(const QString& title, const QString& filters,
                                 const QString& directory, int* selectedFilter) = 0;

    // Colour dialog preset to `initial` (0x00BBGGRR); nothing when cancelled.
    virtual std::optional<int32_t> chooseColour(int32_t initial) = 0;

    // Font dialog; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;

    // The font dialog with effects (underline, strikethrough) and the text colour
    // (0x00BBGGRR), preset from `initial`; nothing when cancelled. What the user left alone
    // comes back exactly as given, even where the dialog could only show something near it
    // (a typeface this machine lacks, a fractional size).
    struct FontChoice {
        QFont font;
        int32_t colour = 0;
    };
    virtual std::optional<FontChoice> chooseFontAndColour(const FontChoice& initial) = 0;
};
