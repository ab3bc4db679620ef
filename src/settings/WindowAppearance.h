#pragma once

#include <QString>
#include <cstdint>

class QWidget;

// Sets the typeface name (never size or style) of `window`, its child widgets and the menus
// attached to them. A blank name is ignored.
void ApplyProgramFont(QWidget* window, const QString& family);

// The same for the open top-level window called `windowName` (frmMain, frmSettings...);
// false when the name is not one of the program's windows or no such window is open.
bool ApplyProgramFont(const QString& windowName, const QString& family);

// Window opacity from the low byte of `level` (0 invisible, 255 opaque); false when there is
// no top-level window to apply it to.
bool SetWindowTransparency(QWidget* window, int level);

// The per-window setting: below 255 the window is made translucent, otherwise it is opaque.
void ApplyWindowTransparency(QWidget* window, int16_t level);
