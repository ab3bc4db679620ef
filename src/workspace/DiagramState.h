#pragma once

#include <QString>

// The status-bar texts of the diagram state and the current file.
namespace DiagramStateText {
inline QString none() {
    return QStringLiteral("Състояние на графиката : Няма");
}
inline QString loaded() {
    return QStringLiteral("Състояние на графиката : Оригинал");
}
inline QString changed() {
    return QStringLiteral("Състояние на графиката : Променена");
}
inline QString saved() {
    return QStringLiteral("Състояние на графиката : Съхранена");
}
inline QString noFile() {
    return QStringLiteral("Файл : Няма");
}
QString file(const QString& path); // "Файл : " and the name without its folder
} // namespace DiagramStateText
