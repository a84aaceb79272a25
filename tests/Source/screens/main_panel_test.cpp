// The title menu and the first-run converter, driven through the main loop.
#include "Source/screens/main_panel.h"

#include "Library/graphics/screen.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/world/game_mode.h"
#include "Source/entities/soldier_entity.h"
#include "Source/loops.h"
#include "Source/main.h"
#include "Source/real_game.h"
#include "Source/world/game_clock.h"
#include "Source/world/image_decompressor.h"
#include "Source/world/info_panels.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "tools/encoders/ogg_writer.h"

#include <gtest/gtest.h>

#include <SDL/SDL_image.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

constexpr int kFramesInFiveSeconds = 152; // of 33 ms each
const char* const kConverted[] = {"art/graphic/map/Area_001.tga", "art/graphic/map/Area_002.tga",
                                  "sound/sfx/dog_bark1.wav", "sound/music/rain1.wav"};

// Little-endian fields of a file's bytes.
uint32_t Le(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

// The centres of the menu's buttons.
constexpr Point kNewGame{400, 262};
constexpr Point kLoadGame{400, 281};
constexpr Point kTutorial{400, 300};
constexpr Point kOptions{400, 319};
constexpr Point kCredits{400, 338};
constexpr Point kExit{400, 357};
constexpr Point kEditGame{752, 575};
// The editor menu's, and the editors' own Exit buttons.
constexpr Point kMapEditor{400, 238};
constexpr Point kMapEditorExit{342, 520}; // the map editor's toolbar
constexpr Point kAnimationEditor{400, 298};
constexpr Point kOffsetEditor{400, 328};
constexpr Point kEditorMenuExit{400, 358};
constexpr Point kAnimationEditorExit{211, 51};
constexpr Point kOffsetEditorExit{205, 86};

class TitleMenu : public RealGame {
protected:
    MainPanel& Title() {
        MainPanel* title = PageAs<MainPanel>();
        EXPECT_NE(title, nullptr);
        return *title;
    }
    // The menu picture's gold edge is in the corner; the splash is there while converting.
    bool MenuShown() const { return PixelAt(1, 1) == Packed(238, 196, 92); }
    bool Exists(const char* relative) const {
        return std::filesystem::exists(World().Path(relative));
    }
    int CountWhite(int x1, int y1, int x2, int y2) const {
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                count += PixelAt(x, y) == Packed(255, 255, 255);
        return count;
    }
    // A fresh run of the program with nothing left to convert, which converts nothing again.
    void RestartConverted() {
        RunTitleUntilMenu();
        std::vector<std::filesystem::file_time_type> times;
        for (const char* file : kConverted)
            times.push_back(std::filesystem::last_write_time(World().Path(file)));
        Stop();
        Start();
        Frame();
        EXPECT_FALSE(Title().GetConverter().HasWork());
        for (size_t file = 0; file < times.size(); ++file)
            EXPECT_EQ(std::filesystem::last_write_time(World().Path(kConverted[file])),
                      times[file]);
    }
};

TEST_F(TitleMenu, TheFirstRunShowsItsProgressAndConvertsOneFilePerFrame) {
    RemoveConvertedMedia();
    Frame();
    ASSERT_TRUE(Title().IsConverting());
    Frames(kFramesInFiveSeconds - 2); // 4.98 s of frame time: waiting, nothing converted yet
    EXPECT_FALSE(Exists(kConverted[0]));
    EXPECT_FALSE(MenuShown());
    const uint16_t back = Packed(127, 0, 0);
    EXPECT_EQ(PixelAt(270, 480), back);             // the bar is empty before the first file
    EXPECT_GT(CountWhite(205, 440, 600, 474), 300); // the waiting and phase texts

    // Each step one file, and one more to close each phase.
    const std::vector<int> filesDone = {1, 2, 2, 3, 3, 4, 4};
    for (size_t step = 0; step < filesDone.size(); ++step) {
        SCOPED_TRACE(step);
        Frame();
        for (int file = 0; file < 4; ++file)
            EXPECT_EQ(Exists(kConverted[file]), file < filesDone[step]) << kConverted[file];
        EXPECT_TRUE(Title().IsConverting());
        EXPECT_FALSE(MenuShown());
        if (step == 0) { // half the maps: half the bar
            EXPECT_EQ(PixelAt(270, 480), Packed(255, 255, 255));
            EXPECT_EQ(PixelAt(270, 481), Packed(255, 255, 255));
            EXPECT_EQ(PixelAt(540, 480), back);
        }
    }
    Frame(); // nothing is left
    EXPECT_FALSE(Title().IsConverting());
    EXPECT_TRUE(MenuShown());
}

TEST_F(TitleMenu, ConvertedPicturesAre555TargasAndSoundsPcmWaves) {
    RemoveConvertedMedia();
    RunTitleUntilMenu();

    const std::string tga = World().ReadFile("art/graphic/map/Area_001.tga");
    ASSERT_GT(tga.size(), 18u);
    EXPECT_EQ(tga[2], 2);            // uncompressed true colour
    EXPECT_EQ(Le(tga, 12, 2), 320u); // width
    EXPECT_EQ(Le(tga, 14, 2), 240u); // height
    EXPECT_EQ(tga[16], 16);
    ASSERT_EQ(tga.size(), 18u + 320 * 240 * 2);
    SDL_Surface* jpeg = IMG_Load(World().Path("art/graphic/map/Area_001.jpg").c_str());
    ASSERT_NE(jpeg, nullptr);
    int mismatches = 0;
    for (int y = 0; y < 240; ++y) { // rows bottom up
        for (int x = 0; x < 320; ++x) {
            Uint8 r = 0, g = 0, b = 0;
            SDL_GetRGB(Screen::GetPixel(jpeg, x, y), jpeg->format, &r, &g, &b);
            const uint32_t stored = Le(tga, 18 + 2 * static_cast<size_t>((239 - y) * 320 + x), 2);
            mismatches += stored != static_cast<uint32_t>((r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
        }
    }
    SDL_FreeSurface(jpeg);
    EXPECT_EQ(mismatches, 0);

    struct Wave {
        const char* path;
        uint32_t channels;
        uint32_t rate;
    };
    for (const Wave& wave :
         {Wave{"sound/sfx/dog_bark1.wav", 1, 22050}, Wave{"sound/music/rain1.wav", 2, 44100}}) {
        SCOPED_TRACE(wave.path);
        const std::string bytes = World().ReadFile(wave.path);
        ASSERT_GT(bytes.size(), 44u);
        EXPECT_EQ(bytes.substr(0, 4), "RIFF");
        EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8);
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(Le(bytes, 16, 4), 16u);
        EXPECT_EQ(Le(bytes, 20, 2), 1u); // PCM
        EXPECT_EQ(Le(bytes, 22, 2), wave.channels);
        EXPECT_EQ(Le(bytes, 24, 4), wave.rate);
        EXPECT_EQ(Le(bytes, 28, 4), wave.rate * wave.channels * 2);
        EXPECT_EQ(Le(bytes, 32, 2), wave.channels * 2);
        EXPECT_EQ(Le(bytes, 34, 2), 16u);
        EXPECT_EQ(bytes.substr(36, 4), "data");
        EXPECT_EQ(Le(bytes, 40, 4), bytes.size() - 44);
    }
}

TEST_F(TitleMenu, WithNothingToConvertTheMenuShowsAfterFiveSecondsOrAtAKeyReleaseOrAMotion) {
    struct Case {
        const char* name;
        Uint8 event; // 0: none
        bool cutsShort;
    };
    for (const Case& c :
         {Case{"nothing", 0, false}, Case{"key release", SDL_KEYUP, true},
          Case{"motion", SDL_MOUSEMOTION, true}, Case{"key press", SDL_KEYDOWN, false},
          Case{"button press", SDL_MOUSEBUTTONDOWN, false}}) {
        SCOPED_TRACE(c.name);
        RestartConverted();
        Frames(10);
        if (c.event) {
            SDL_Event event = c.event == SDL_MOUSEMOTION ? Motion(200, 100) : Event(c.event);
            event.key.keysym.sym = SDLK_a;
            Push(event);
        }
        Frame();
        EXPECT_EQ(Title().IsConverting(), !c.cutsShort);
        EXPECT_EQ(MenuShown(), c.cutsShort);
        Frames(kFramesInFiveSeconds - 13);
        EXPECT_EQ(Title().IsConverting(), !c.cutsShort); // 4.95 s
        Frames(2);
        EXPECT_FALSE(Title().IsConverting());
        EXPECT_TRUE(MenuShown());
    }
}

TEST_F(TitleMenu, EscapeQuitsWhenReleasedNotWhenPressed) {
    Frame();
    Push(KeyDown(SDLK_ESCAPE));
    Frame();
    EXPECT_FALSE(g_quit);
    Release(SDLK_ESCAPE);
    EXPECT_TRUE(g_quit);
}

TEST_F(TitleMenu, ExitEndsTheRun) {
    RunTitleUntilMenu();
    Click(kExit);
    EXPECT_TRUE(g_quit);
}

TEST_F(TitleMenu, TheMenuButtonsOpenTheirScreens) {
    RunTitleUntilMenu();
    struct Case {
        Point at;
        int mode;
    };
    for (const Case& c : {Case{kNewGame, kModeNewGame}, Case{kLoadGame, kModeLoadGame},
                          Case{kOptions, kModeOptions}, Case{kCredits, kModeCredits}}) {
        SCOPED_TRACE(c.mode);
        Click(c.at);
        Frame();
        EXPECT_EQ(Mode(), c.mode);
        EXPECT_NE(Page(), nullptr);
        g_gameMode->SetMode(kModeTitleMenu);
        Frames(2);
    }
    EXPECT_FALSE(g_quit);
}

// The tutorial's start script runs, and its party is the tutorial's character alone.
TEST_F(TitleMenu, TutorialStartsWithItsCharacterAloneAndShowsTheTutorial) {
    RunTitleUntilMenu();
    ASSERT_TRUE(g_partyMgr->AddCharacterByName("scimale_hostile")); // an earlier game's
    g_gameClock->SetDateTime(0, 0, 0, 12, 1, 6, 2003);
    Click(kTutorial);
    Frame();
    EXPECT_FALSE(g_loadSaveMgr->IsShowingErrorBox());
    ASSERT_EQ(g_partyMgr->GetCount(), 1);
    EXPECT_EQ(g_partyMgr->GetLeaderSoldier()->GetTemplateName(), MainPanel::kTutorialCharacter);
    EXPECT_TRUE(g_loadSaveMgr->IsTutorialActive());
    EXPECT_TRUE(g_tutorialPanel->IsVisible());
    EXPECT_EQ(g_gameClock->GetDateTime().GetYear(), 2001) << "the clock starts a new game";
}

TEST_F(TitleMenu, EditGameLeadsToTheEditorMenuWhoseButtonsLeadToTheEditorsAndBack) {
    RunTitleUntilMenu();
    Click(kEditGame);
    Frame();
    ASSERT_EQ(Mode(), kModeEditorMenu);
    struct Case {
        Point button;
        int mode;
        Point exit;
    };
    for (const Case& c : {Case{kAnimationEditor, kModeAnimationEditor, kAnimationEditorExit},
                          Case{kOffsetEditor, kModeGraphicOffsetEditor, kOffsetEditorExit},
                          Case{kMapEditor, kModeMapEditor, kMapEditorExit}}) {
        SCOPED_TRACE(c.mode);
        Click(c.button);
        Frame();
        EXPECT_EQ(Mode(), c.mode);
        EXPECT_NE(Page(), nullptr);
        Click(c.exit);
        Frame();
        EXPECT_EQ(Mode(), kModeEditorMenu);
    }
    Click(Point{100, 100}); // outside the window: nothing
    Frame();
    EXPECT_EQ(Mode(), kModeEditorMenu);
    Click(kEditorMenuExit);
    Frame();
    EXPECT_EQ(Mode(), kModeTitleMenu);
    EXPECT_FALSE(Title().IsConverting()); // once shown, the menu shows at once
    EXPECT_TRUE(MenuShown());
}

// Whatever fails is counted as handled and reported; its target stays missing, so the next
// run tries it again.
TEST_F(TitleMenu, FilesThatCannotBeConvertedAreReportedAndTriedAgainNextRun) {
    RemoveConvertedMedia();
    const std::string picture = World().ReadFile("art/graphic/map/Area_002.jpg");
    const std::string stream = World().ReadFile("sound/music/rain1.ogg");
    std::ofstream(World().Path("art/graphic/map/Area_002.jpg"), std::ios::binary) << "not a jpeg";
    ASSERT_TRUE(WriteOgg(World().Path("sound/music/rain1.ogg"), 22050, 3,
                         std::vector<int16_t>(3 * 4000, 1000))); // more channels than a .wav takes

    testing::internal::CaptureStderr();
    RunTitleUntilMenu();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Failed to decompress " + World().Path("art/graphic/map/Area_002.jpg")),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("Failed to decompress " + World().Path("sound/music/rain1.ogg")),
              std::string::npos)
        << said;
    EXPECT_TRUE(MenuShown());
    EXPECT_TRUE(Exists("art/graphic/map/Area_001.tga"));
    EXPECT_TRUE(Exists("sound/sfx/dog_bark1.wav"));
    EXPECT_FALSE(Exists("art/graphic/map/Area_002.tga"));
    EXPECT_FALSE(Exists("sound/music/rain1.wav"));

    Stop();
    std::ofstream(World().Path("art/graphic/map/Area_002.jpg"), std::ios::binary) << picture;
    std::ofstream(World().Path("sound/music/rain1.ogg"), std::ios::binary) << stream;
    Start();
    Frame();
    EXPECT_TRUE(Title().GetConverter().HasWork());
    RunTitleUntilMenu();
    EXPECT_TRUE(Exists("art/graphic/map/Area_002.tga"));
    EXPECT_TRUE(Exists("sound/music/rain1.wav"));
}

} // namespace
