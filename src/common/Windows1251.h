#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Diagram and settings files are stored in the Windows Cyrillic code page. Characters the
// code page cannot hold are written as '?'; the one unassigned byte reads back as '?'.
QByteArray ToWindows1251(const QString& text);
QString FromWindows1251(QByteArrayView bytes);
