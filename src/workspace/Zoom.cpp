#include "workspace/Zoom.h"

#include <algorithm>
#include <cmath>

namespace Zoom {

int percent(double zoom) {
    if (!std::isfinite(zoom))
        return 100;
    return static_cast<int>(std::lround(std::clamp(zoom, Least, Most) * 100));
}

namespace {
// Index of the step at or just below a zoom.
int stepIndex(double zoom) {
    const int p = percent(zoom);
    int index = 0;
    for (int i = 0; i < int(Steps.size()); ++i)
        if (Steps[i] <= p)
            index = i;
    return index;
}
} // namespace

double stepsAway(double zoom, int notches) {
    const long target =
        std::clamp<long>(long(stepIndex(zoom)) + notches, 0, long(Steps.size()) - 1);
    return Steps[target] / 100.0;
}

double zoomIn(double zoom) {
    return stepsAway(zoom, 1);
}

double zoomOut(double zoom) {
    return stepsAway(zoom, -1);
}

QString caption(double zoom) {
    return QStringLiteral("Мащаб: %1 %").arg(percent(zoom));
}

} // namespace Zoom
