#include "support/ScriptedPrompter.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The per-user settings of every test that answers dialogs live in a folder of its own,
// never in the real configuration of whoever runs the tests.
void IsolateUserSettings() {
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}
Q_COREAPP_STARTUP_FUNCTION(IsolateUserSettings)

template <typename T> T TakeFront(std::deque<T>& queue, T fallback) {
    if (!queue.empty()) {
        fallback = std::move(queue.front());
        queue.pop_front();
    }
    return fallback;
}

const char* AnswerName(Prompter::Answer answer) {
    switch (answer) {
    case Prompter::Answer::Ok:
        return "Ok";
    case Prompter::Answer::Cancel:
        return "Cancel";
    case Prompter::Answer::Yes:
        return "Yes";
    case Prompter::Answer::No:
        return "No";
    }
    return "?";
}

bool IsButtonOf(Prompter::Answer answer, Prompter::Buttons buttons) {
    using A = Prompter::Answer;
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return answer == A::Ok;
    case Prompter::Buttons::OkCancel:
        return answer == A::Ok || answer == A::Cancel;
    case Prompter::Buttons::YesNo:
        return answer == A::Yes || answer == A::No;
    case Prompter::Buttons::YesNoCancel:
        return answer != A::Ok;
    }
    return false;
}

// What closing the box gives: the least harmful way on after a failed script.
Prompter::Answer CloseAnswer(Prompter::Buttons buttons) {
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return Prompter::Answer::Ok;
    case Prompter::Buttons::YesNo:
        return Prompter::Answer::No;
    case Prompter::Buttons::OkCancel:
    case Prompter::Buttons::YesNoCancel:
        break;
    }
    return Prompter::Answer::Cancel;
}

} // namespace

Prompter::Answer ScriptedPrompter::message(const QString& title, const QString& text, Icon icon,
                                           Buttons buttons) {
    Answer answer = Answer::Ok;
    if (buttons != Buttons::Ok) {
        QString fault;
        if (answers.empty()) {
            fault = QStringLiteral("Unscripted question \"%1\": %2").arg(title, text);
            answer = CloseAnswer(buttons);
        } else {
            answer = TakeFront(answers, Answer::Ok);
            if (!IsButtonOf(answer, buttons)) {
                fault = QStringLiteral("Scripted answer %1 is not a button of \"%2\": %3")
                            .arg(QLatin1String(AnswerName(answer)), title, text);
                answer = CloseAnswer(buttons);
            }
        }
        if (!fault.isEmpty())
            QTest::qFail(fault.toUtf8().constData(), __FILE__, __LINE__);
    }
    messages.append({title, text, icon, buttons, answer, QString()});
    return answer;
}

Prompter::Answer ScriptedPrompter::messageWithOkCaption(const QString& title, const QString& text,
                                                        Icon icon, Buttons buttons,
                                                        const QString& okCaption) {
    const Answer answer = message(title, text, icon, buttons);
    messages.last().okCaption = okCaption;
    return answer;
}

std::optional<QString> ScriptedPrompter::inputText(const QString&, const QString& prompt,
                                                   const QString&) {
    inputPrompts.append(prompt);
    return TakeFront<std::optional<QString>>(inputs, std::nullopt);
}

QString ScriptedPrompter::fileDialog(bool save, const QString& title, const QString& filters,
                                     const QString& directory, int* selectedFilter) {
    FileDialog record{title, filters, directory, save, TakeFront(fileNames, QString()), -1};
    // As with the real dialogs, a cancelled one leaves the filter as it was.
    if (!record.fileName.isEmpty()) {
        record.filterIndex = TakeFront(filterIndices, 0);
        if (selectedFilter)
            *selectedFilter = record.filterIndex;
    }
    fileDialogs.append(record);
    return record.fileName;
}

QString ScriptedPrompter::openFileName(const QString& title, const QString& filters,
                                       const QString& directory, int* selectedFilter) {
    return fileDialog(false, title, filters, directory, selectedFilter);
}

QString ScriptedPrompter::saveFileName(const QString& title, const QString& filters,
                                       const QString& directory, int* selectedFilter) {
    return fileDialog(true, title, filters, directory, selectedFilter);
}

std::optional<int32_t> ScriptedPrompter::chooseColour(int32_t initial) {
    ++colourDialogs;
    colourPresets.append(initial);
    return TakeFront<std::optional<int32_t>>(colours, std::nullopt);
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont&) {
    ++fontDialogs;
    return TakeFront<std::optional<QFont>>(fonts, std::nullopt);
}

std::optional<Prompter::FontChoice>
ScriptedPrompter::chooseFontAndColour(const FontChoice& initial) {
    ++fontDialogs;
    fontChoicePresets.append(initial);
    return TakeFront<std::optional<FontChoice>>(fontChoices, std::nullopt);
}

QStringList ScriptedPrompter::titles() const {
    QStringList out;
    for (const Message& m : messages)
        out << m.title;
    return out;
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Message& m : messages)
        out << m.text;
    return out;
}

void ScriptedPrompter::clear() {
    messages.clear();
    fileDialogs.clear();
    inputPrompts.clear();
    fontChoicePresets.clear();
    colourPresets.clear();
    colourDialogs = fontDialogs = 0;
}
