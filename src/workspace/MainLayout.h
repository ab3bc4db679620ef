#pragma once

#include <QList>
#include <QString>
#include <optional>

// Where the main window puts its command buttons and the canvas for a given inner size.
// All values are twips.
namespace MainLayout {

struct Placement {
    QString button; // object name of the button
    int left = 0;
    int top = 0;
};

struct Result {
    QList<Placement> buttons; // buttons not listed keep their positions
    int canvasTop = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
};

constexpr int CanvasLeft = 150;
constexpr int ButtonWidth = 900;
constexpr int ButtonHeight = 735;

// The fifteen command buttons in their design positions (one row at the top).
QList<Placement> designPositions();

// The layout for inner width W and height H, or nothing when the window is too small or W
// sits exactly on a band edge (the buttons and the canvas then stay as they are).
std::optional<Result> compute(int W, int H);

// Scroll-bar maximum after the "enlarge by 10%" button: 0 becomes 200, anything else grows by
// a tenth rounded half to even. A scroll bar cannot go past 32767, so it stops there.
int enlargedScrollMaximum(int maximum);

} // namespace MainLayout
