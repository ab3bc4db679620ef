#pragma once

#include "workspace/ElementKind.h"

#include <QString>
#include <QStringList>
#include <cstdint>

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

// Connecting two picture objects: the step the user is at and what was picked.
struct ConnectionState {
    enum Step : int16_t { None = 0, WaitForFirst = 1, WaitForSecond = 2 };
    int16_t step = None;
    int16_t lineType = 0;
    int16_t first = 0;
    int16_t second = 0;
};

// The state of the diagram that the commands share besides the elements themselves.
struct DiagramState {
    int16_t Nomer = 0;    // slot of the picture object DobaviNov created last, 0 when full
    QString Posledno;     // library key of the last object added from the library
    bool Promqna = false; // unsaved changes
    QString ImeForma = QStringLiteral("Вексилардо");
    int16_t SelPicture = 0; // -1 while a region export waits for its rectangle
    int16_t Izbr = 0;       // slot chosen by a right-click on a handle
    int16_t lastCreatedObject = 0;
    // The element whose context menu was opened last; context-menu commands act on it.
    ElementRef contextElement;
    ConnectionState connection;
    // The copy buffer: entry 0 names the kind of element ("Pic", "Tekst", "Shp", "Tab"), the
    // others are its values as text. A copy overwrites the entries it uses and leaves the
    // rest; it lives as long as the window, across loaded diagrams.
    QStringList copyBuffer;
    // The identity of the picture object a "Pic" copy was taken from: a paste finds it only
    // while its slot still holds that object.
    quint64 copiedPicture = 0;
};
