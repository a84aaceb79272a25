#include "Source/editors/panel_number.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

int32_t PanelNumber::ReadInt(const char* text) {
    const double value = std::strtod(text, nullptr);
    if (!std::isfinite(value))
        return 0;
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

float PanelNumber::ReadFloat(const char* text) {
    const double value = std::strtod(text, nullptr);
    if (!std::isfinite(value))
        return 0.0f;
    if (value >= FLT_MAX)
        return FLT_MAX;
    if (value <= -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(value);
}

int32_t PanelNumber::Clamp(int32_t value, int32_t low, int32_t high) {
    return value < low ? low : value > high ? high : value;
}
