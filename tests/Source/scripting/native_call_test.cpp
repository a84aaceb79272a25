#include "Source/scripting/native_call.h"

#include "LibraryScriptCompiler/script_func_header.h"
#include "Source/scripting/game_virtual_machine.h"

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

// A point's x and y are held as numbers are, so no NaN or infinity reaches the map's
// arithmetic; z is dropped.
TEST(NativeCall, PointsAreHeldAsNumbersAre) {
    const float nan = std::nanf(""), inf = INFINITY;
    ScriptFuncHeader record;
    for (const Vector& vector :
         {Vector(nan, inf, 5), Vector(-inf, nan, nan), Vector(12.5f, -3, inf)})
        record.AddVector(vector);
    GameVirtualMachine machine;
    const NativeCall call(machine, record);
    const Vector held[] = {Vector(0, FLT_MAX, 0), Vector(-FLT_MAX, 0, 0), Vector(12.5f, -3, 0)};
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(call.Point(index).x, held[index].x);
        EXPECT_EQ(call.Point(index).y, held[index].y);
        EXPECT_EQ(call.Point(index).z, 0.0f);
    }
}
