#pragma once

#include <QImage>
#include <QString>
#include <optional>

class Prompter;

// Reads an image file the user chose, within the program's size limit for pictures. When the
// file is no picture this program can read, or too large, tells the user why and gives
// nothing.
std::optional<QImage> ReadPictureFile(Prompter& prompter, const QString& path);
