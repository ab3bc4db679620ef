#include "support/ScriptedPrompter.h"

template <typename T> static T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty())
        return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}

Prompter::Answer ScriptedPrompter::message(const QString& title, const QString& text, Icon icon,
                                           Buttons buttons) {
    messages.append({title, text, icon, buttons});
    const Answer first =
        (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
    return takeFront(answers, first);
}

std::optional<QString> ScriptedPrompter::inputText(const QString&, const QString& prompt,
                                                   const QString&) {
    inputPrompts.append(prompt);
    return takeFront<std::optional<QString>>(inputs, std::nullopt);
}

QString ScriptedPrompter::openFileName(const QString&, const QString&, const QString&,
                                       int* selectedFilter) {
    ++fileDialogs;
    if (selectedFilter)
        *selectedFilter = 0;
    return takeFront(fileNames, QString());
}

QString ScriptedPrompter::saveFileName(const QString&, const QString&, const QString&,
                                       int* selectedFilter) {
    ++fileDialogs;
    if (selectedFilter)
        *selectedFilter = 0;
    return takeFront(fileNames, QString());
}

std::optional<int32_t> ScriptedPrompter::chooseColour(int32_t) {
    ++colourDialogs;
    return takeFront<std::optional<int32_t>>(colours, std::nullopt);
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont&) {
    ++fontDialogs;
    return takeFront<std::optional<QFont>>(fonts, std::nullopt);
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
    inputPrompts.clear();
    colourDialogs = fontDialogs = fileDialogs = 0;
}
