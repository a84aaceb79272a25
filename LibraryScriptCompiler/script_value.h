#pragma once
// One value slot of a running script, and whether a temporary may take it.

#include <cstdint>

struct ScriptValue {
    // Truncated toward zero and held within 32 bits; NaN gives 0.
    static int32_t ToInt(double number) {
        if (!(number > INT32_MIN - 1.0)) // also NaN
            return number < 0 ? INT32_MIN : 0;
        return number < INT32_MAX + 1.0 ? static_cast<int32_t>(number) : INT32_MAX;
    }

    int32_t AsInt() const { return ToInt(value); }
    void SetInt(int32_t number) { value = number; }

    double value = 0.0;
    bool free = true;
};
