#include "Source/world/image_decompressor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
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

TEST(ImageDecompressor, TheListsHoldTheShippedMediaOnceEach) {
    struct List {
        const char* (*name)(int);
        int count;
        const char* first;
        const char* last;
    };
    for (const List& list : {List{ImageDecompressor::MapSuffix, 38, "001", "032"},
                             List{ImageDecompressor::SoundName, 31, "ant_bite", "uzi_shoot"},
                             List{ImageDecompressor::StreamName, 2, "rain1", "wind1"}}) {
        SCOPED_TRACE(list.first);
        std::set<std::string> names;
        for (int i = 0; i < list.count; ++i)
            names.insert(list.name(i));
        EXPECT_EQ(names.size(), static_cast<size_t>(list.count));
        EXPECT_STREQ(list.name(0), list.first);
        EXPECT_STREQ(list.name(list.count - 1), list.last);
        EXPECT_EQ(list.name(list.count), nullptr);
        EXPECT_EQ(list.name(-1), nullptr);
    }
    for (int i = 0; i < ImageDecompressor::kMapCount; ++i)
        EXPECT_STRNE(ImageDecompressor::MapSuffix(i), "025");
}

} // namespace
