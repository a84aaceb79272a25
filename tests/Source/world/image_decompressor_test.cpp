#include "Source/world/image_decompressor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ImageDecompressor, PercentRoundsToTheNearestAndIsZeroBeforeTheFirstFile) {
    struct Case {
        int toConvert;
        int converted;
        int percent;
    };
    for (const Case& c : {Case{2, 0, 0}, Case{2, 1, 50}, Case{3, 1, 33}, Case{3, 2, 67},
                          Case{8, 1, 13}, Case{200, 1, 1}, Case{38, 38, 100}}) {
        SCOPED_TRACE(std::to_string(c.converted) + " of " + std::to_string(c.toConvert));
        EXPECT_EQ(ImageDecompressor::Percent(c.toConvert, c.converted), c.percent);
    }
}

} // namespace
