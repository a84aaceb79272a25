// The title menu and the first-run converter, driven through the main loop.
#include "Source/screens/main_panel.h"

#include "Library/world/game_mode.h"
#include "Source/main.h"
#include "Source/real_game.h"
#include "Source/world/image_decompressor.h"

#include <gtest/gtest.h>

#include <SDL/SDL_image.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

// The menu picture's gold edge shows in the corner; the splash is there while converting.
constexpr int kEdgeX = 1;
constexpr int kEdgeY = 1;

uint32_t Le(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

class TitleMenu : public RealGame {
protected:
    MainPanel& Title() {
        MainPanel* title = PageAs<MainPanel>();
        EXPECT_NE(title, nullptr);
        return *title;
    }
    bool MenuShown() const { return PixelAt(kEdgeX, kEdgeY) == Packed(238, 196, 92); }
    bool Exists(const char* relative) const {
        return std::filesystem::exists(World().Path(relative));
    }
};

TEST_F(TitleMenu, TheFirstRunShowsTheProgressAndConvertsOneFilePerFrame) {
    RemoveConvertedMedia();
    Frame();
    ASSERT_TRUE(Title().IsConverting());
    ASSERT_TRUE(Title().GetConverter().HasWork());
    Frames(150); // 4.95 s of frame time: waiting, nothing converted yet
    EXPECT_FALSE(Exists("art/graphic/map/Area_001.tga"));
    EXPECT_FALSE(MenuShown());

    // Each step one file, and one more step to close each phase.
    const std::vector<std::vector<const char*>> expected = {
        {"art/graphic/map/Area_001.tga"},
        {"art/graphic/map/Area_001.tga", "art/graphic/map/Area_002.tga"},
        {"art/graphic/map/Area_001.tga", "art/graphic/map/Area_002.tga"},
        {"sound/sfx/dog_bark1.wav"},
        {"sound/sfx/dog_bark1.wav"},
        {"sound/music/rain1.wav"},
    };
    Frame(); // the delay runs out on this frame: the first step
    for (size_t step = 0; step < expected.size(); ++step) {
        SCOPED_TRACE(step);
        for (const char* file : expected[step])
            EXPECT_TRUE(Exists(file)) << file;
        EXPECT_TRUE(Title().IsConverting());
        Frame();
    }
    EXPECT_TRUE(Title().IsConverting()); // the stream phase closes on this frame
    Frame();
    EXPECT_FALSE(Title().IsConverting());
    EXPECT_TRUE(MenuShown());
}

} // namespace
