#include "common/Numeric.h"

#include <climits>
#include <cmath>

int RoundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    // nearbyint follows the default rounding mode, which is round-half-to-even.
    return static_cast<int>(std::nearbyint(value));
}

std::optional<int16_t> ToInt16Checked(double value) {
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

bool IsNumericText(const QString& text) {
    bool commaSeen = false;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            continue;
        if (c == QLatin1Char(',') && !commaSeen) {
            commaSeen = true;
            continue;
        }
        return false;
    }
    return true;
}
