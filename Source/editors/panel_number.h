#pragma once
// Numbers typed into the editor's text fields. Text that is no number reads 0, as does a
// non-finite one ("nan", "inf"); a number past the type's range reads as its nearest end.

#include <cstdint>

class PanelNumber {
public:
    static int32_t ReadInt(const char* text);
    static float ReadFloat(const char* text);
    static int32_t Clamp(int32_t value, int32_t low, int32_t high);
    static uint8_t Percent(const char* text) { return static_cast<uint8_t>(Clamp(ReadInt(text), 0, 100)); }
};
