#include "Source/scripting/native_call.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

TEST(NativeCall, ScriptNumbersConvertHeldWithinTheirType) {
    const double nan = std::nan("");
    const struct {
        double number;
        int32_t asInt;
        float asFloat;
        uint32_t asBits;
    } cases[] = {
        {nan, 0, 0.0f, 0},
        {-3.7, -3, -3.7f, 0xFFFFFFFDu},
        {7.99, 7, 7.99f, 7},
        {1e20, INT_MAX, 1e20f, 0xFFFFFFFFu},
        {-1e20, INT_MIN, -1e20f, 0},
        {1e300, INT_MAX, FLT_MAX, 0xFFFFFFFFu},
        {-1e300, INT_MIN, -FLT_MAX, 0},
        {4294967296.0 + 6, INT_MAX, 4294967302.0f, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(NativeCall::ToInt(c.number), c.asInt);
        EXPECT_EQ(NativeCall::ToFloat(c.number), c.asFloat);
        EXPECT_EQ(NativeCall::ToBits(c.number), c.asBits);
    }
}
