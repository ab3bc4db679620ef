#pragma once

#include <QString>

class ImageStore;
class Prompter;
class QWidget;

// What the splash window starts: the editor whose picture library it fills and whose main
// window it shows at the end.
class SplashTarget {
public:
    virtual ~SplashTarget() = default;
    virtual ImageStore& pictureLibrary() = 0;
    // The program's folder, which holds the library folder Kartinki.
    virtual QString programFolder() const = 0;
    virtual Prompter& prompter() = 0;
    virtual QWidget& mainWindow() = 0;
};
