#pragma once

#include <QString>

class Prompter;
class cDIBSection;

// Writes the picture held by `picture` as a JPEG file at `quality` (1 to 100; other values are
// taken as the nearest end). The file is written whole or not at all: an old file of that
// name stays as it was when anything fails. Failures are reported through `prompter` and give
// false.
bool WriteJPGFile(const cDIBSection& picture, const QString& fileName, int quality,
                  Prompter& prompter);
