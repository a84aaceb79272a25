// What the player must make out in the demo world's pictures stands clear of what lies under
// it: the level-up signs, the Done labels on either face, the empty radio boxes; and the
// field's picture covers the largest view.
#include "Library/files/data_paths.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface_object.h"
#include "Library/world/tile_map.h"
#include "Source/screens/character_panel.h"
#include "Source/screens/options_panel.h"
#include "Source/screens/select_player_script_panel.h"
#include "demo_world_dir.h"

#include <gtest/gtest.h>

#include <SDL/SDL_image.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kLeastContrast = 80; // of 255, in luminance

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Picture = std::unique_ptr<SDL_Surface, SurfaceFree>;

int LuminanceAt(SDL_Surface* picture, int x, int y) {
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(Screen::GetPixel(picture, x, y), picture->format, &r, &g, &b);
    return (299 * r + 587 * g + 114 * b) / 1000;
}

// The luminance most of the picture's inside (its edge of two pixels left out) has.
int FaceLuminance(SDL_Surface* picture) {
    std::map<int, int> counts;
    for (int y = 2; y < picture->h - 2; ++y)
        for (int x = 2; x < picture->w - 2; ++x)
            ++counts[LuminanceAt(picture, x, y)];
    int face = 0;
    for (const auto& [luminance, count] : counts)
        if (count > counts[face])
            face = luminance;
    return face;
}

bool StandsOut(SDL_Surface* picture, int x, int y, int under) {
    return std::abs(LuminanceAt(picture, x, y) - under) >= kLeastContrast;
}

class DemoArt : public testsupport::DemoWorldSuite {
protected:
    void SetUp() override { ASSERT_TRUE(World().Built()); }
    Picture Load(const char* name) const {
        const Stringc path = m_paths.GetInterfaceDir() + "/" + name;
        Picture picture(IMG_Load(path.c_str()));
        EXPECT_NE(picture, nullptr) << name;
        return picture;
    }

    DataPaths m_paths{World().Root().c_str()};
};

// Each level-up button carries its sign across its middle row, and only "+" a stroke down
// its middle column; the sheet's Done reads on both its faces.
TEST_F(DemoArt, TheLevelUpSignsAndTheSheetsDoneStandOutOfTheirFaces) {
    for (const char* name : {"button_skill_up_press.tga", "button_skill_up_unpress.tga",
                             "button_skill_dwn_press.tga", "button_skill_dwn_unpress.tga"}) {
        const Picture button = Load(name);
        ASSERT_NE(button, nullptr);
        const int face = FaceLuminance(button.get());
        const int middleX = button->w / 2, middleY = button->h / 2;
        int across = 0, down = 0;
        for (int x = 2; x < button->w - 2; ++x)
            across += StandsOut(button.get(), x, middleY, face);
        for (int y = 1; y < button->h - 1; ++y)
            down += StandsOut(button.get(), middleX, y, face);
        const bool plus = std::string(name).find("_up_") != std::string::npos;
        EXPECT_GE(across, 3) << name;
        EXPECT_GE(down, plus ? 3 : 1) << name;
        EXPECT_LE(down, plus ? button->h : 1) << name;
    }
    for (const char* name : {"button_done.tga", "button_done_up.tga"}) {
        const Picture done = Load(name);
        ASSERT_NE(done, nullptr);
        const int face = FaceLuminance(done.get());
        int label = 0;
        for (int y = 2; y < done->h - 2; ++y)
            for (int x = 2; x < done->w - 2; ++x)
                label += StandsOut(done.get(), x, y, face);
        EXPECT_GE(label, 10) << name;
    }
}

// An empty radio box shows by its edge, against the plate round it and its own inside.
TEST_F(DemoArt, EachUnchosenRadioBoxShowsOnItsScreen) {
    const struct {
        WindowLayout radios;
        const char* screen;
    } screens[] = {{OptionsPanel::SizeLayout(), OptionsPanel::MainLayout().window.image},
                   {SelectPlayerScriptPanel::PanelLayout(),
                    SelectPlayerScriptPanel::PanelLayout().window.image}};
    for (const auto& entry : screens) {
        const Picture screen = Load(entry.screen);
        ASSERT_NE(screen, nullptr);
        for (const WidgetEntry& radio : entry.radios) {
            if (radio.type != kWidgetRadio)
                continue;
            const int x = entry.radios.window.x + radio.x;
            const int y = entry.radios.window.y + radio.y + 10;
            const int edge = LuminanceAt(screen.get(), x, y);
            EXPECT_GE(std::abs(edge - LuminanceAt(screen.get(), x - 2, y)), kLeastContrast)
                << entry.screen << " " << radio.id;
            EXPECT_GE(std::abs(edge - LuminanceAt(screen.get(), x + 4, y)), kLeastContrast)
                << entry.screen << " " << radio.id;
        }
    }
}

TEST_F(DemoArt, TheFieldsPictureCoversTheLargestView) {
    const Stringc path = m_paths.GetMapGraphicDir() + "/field.tga";
    const Picture field(IMG_Load(path.c_str()));
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(Graphic::InitScratch());
    {
        const TileMap map(m_paths, nullptr); // its view the largest
        const Rect& view = map.GetViewRect();
        EXPECT_GE(field->w, view.x2 - view.x1);
        EXPECT_GE(field->h, view.y2 - view.y1);
    }
    Graphic::FreeScratch();
}

} // namespace
