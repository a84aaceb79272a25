#include "Source/main.h"
#include "Source/world/party_mgr.h"

#include "Library/core/struct.h"
#include "Library/core/tracked_new.h"
#include "Library/core/vector.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/sound/recorded_sound.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_page.h"
#include "Library/world/mode_pages.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/entity_mgr.h"
#include "Source/loops.h"
#include "Source/world/game_clock.h"
#include "Source/world/region_mgr.h"
#include "Source/world/view_port_string_mgr.h"
#include "demo_world_dir.h"
#include "game_events.h"
#include "platform/sdl_sound_layer.h"
#include "platform/sound_listener.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

using namespace testsupport;

// What the pages of one mode saw.
struct PageLog {
    int updates = 0;
    int draws = 0;
    std::vector<SDL_Event> events;
    std::function<void()> onUpdate;
};

class TestPage : public ModePage {
public:
    TestPage(int mode, PageLog& log) : m_mode(mode), m_log(log) { ++s_alive; }
    ~TestPage() override { --s_alive; }

    void Update(Screen&) override {
        ++m_log.updates;
        if (m_log.onUpdate)
            m_log.onUpdate();
    }
    void Draw(Screen& screen) override {
        ++m_log.draws;
        screen.SetDrawColour(kFill);
        screen.Clear();
    }
    void HandleEvent(const SDL_Event& event) override { m_log.events.push_back(event); }

    int Mode() const { return m_mode; }

    static constexpr uint16_t kFill = 0xF800; // red in 5-6-5
    static int s_alive;

private:
    int m_mode;
    PageLog& m_log;
};

int TestPage::s_alive = 0;

// The SDL layer, with where its listener was placed overheard.
class OverhearingLayer : public SdlSoundLayer {
public:
    explicit OverhearingLayer(SoundListener& ear) : m_ear(ear) {}
    void FSOUND_3D_Listener_SetAttributes(const FSoundVector* position,
                                          const FSoundVector* velocity, float forwardX,
                                          float forwardY, float forwardZ, float upX, float upY,
                                          float upZ) override {
        m_ear.Place(position, {forwardX, forwardY, forwardZ}, {upX, upY, upZ});
        SdlSoundLayer::FSOUND_3D_Listener_SetAttributes(position, velocity, forwardX, forwardY,
                                                        forwardZ, upX, upY, upZ);
    }

private:
    SoundListener& m_ear;
};

// The real start-up on the demo world, with test pages for a few modes; the title menu
// is current after the first frame.
class MainLoop : public testsupport::DemoWorldSuite {
protected:
    static constexpr int kPagedModes[] = {kModeTitleMenu, kModeEditorMenu, kModeNewGame,
                                          kModeAreaMap};

    void SetUp() override {
        ASSERT_TRUE(World().Built());
        m_savedDirectory = std::filesystem::current_path();
        std::filesystem::current_path(World().Root());
        ASSERT_TRUE(Main::Init(0, 16, 0.0));
        Loops::SetUp();
        g_gameMode->SetTickSource(m_clock);
        for (int mode : kPagedModes) {
            m_savedFactories[mode] = Loops::GetModePages().SetFactory(
                mode, [this, mode](const ModeRecord&) -> std::unique_ptr<ModePage> {
                    return std::make_unique<TestPage>(mode, m_logs[mode]);
                });
        }
        Main::RunFrame();
        for (auto& entry : m_logs)
            entry.second = PageLog(); // the page keeps its log
    }
    void TearDown() override {
        Main::Shutdown();
        EXPECT_EQ(g_tileMap, nullptr);
        SDL_Quit();
        for (auto& [mode, factory] : m_savedFactories)
            Loops::GetModePages().SetFactory(mode, factory);
        std::filesystem::current_path(m_savedDirectory);
        EXPECT_EQ(TestPage::s_alive, 0);
    }

    const TestPage* CurrentPage() const {
        return dynamic_cast<const TestPage*>(Loops::GetModePages().GetPage());
    }
    int CountPixels(uint16_t value) const {
        const PixelSurface& surface = g_screen->GetSurface();
        int count = 0;
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x)
                count += surface.pixels[y * surface.pitch + x] == value;
        return count;
    }
    uint16_t PixelAt(int x, int y) const {
        const PixelSurface& surface = g_screen->GetSurface();
        return surface.pixels[y * surface.pitch + x];
    }

    std::filesystem::path m_savedDirectory;
    ManualClock m_clock;
    RecordedSound m_recorded; // its log outlives the shutdown that closes the layer
    std::map<int, PageLog> m_logs;
    std::map<int, ModePages::Factory> m_savedFactories;
};

TEST_F(MainLoop, AQuitMidBatchStillDispatchesTheRestAndFinishesTheFrame) {
    Push(KeyUp(SDLK_a));
    Push(Event(SDL_QUIT));
    Push(KeyUp(SDLK_b));
    EXPECT_EQ(Main::Loop(), 0);
    const PageLog& log = m_logs[kModeTitleMenu];
    ASSERT_EQ(log.events.size(), 2u); // the quit reaches no handler
    EXPECT_EQ(log.events[0].key.keysym.sym, SDLK_a);
    EXPECT_EQ(log.events[1].key.keysym.sym, SDLK_b);
    EXPECT_EQ(log.updates, 1);
    EXPECT_EQ(log.draws, 1);
    EXPECT_EQ(Main::Loop(), 0); // the flag stays set: no further frame
    EXPECT_EQ(log.updates, 1);
}

TEST_F(MainLoop, MotionMovesThePointerAndReachesTheHandlers) {
    InterfaceObject* window = g_interface->CreateWindow();
    window->Setup(kWidgetImage, Rect{0, 0, 800, 600}, "", nullptr);
    InterfaceObject* button = window->AddChild(kWidgetButton, Rect{100, 100, 200, 150}, "");
    g_interface->SetActive(window);
    bool clicked = false;
    m_logs[kModeTitleMenu].onUpdate = [&] { clicked = window->GetClickedChild() == button; };

    Push(Motion(123, 145));
    Push(Event(SDL_MOUSEBUTTONDOWN)); // the interface hits at the pointer, not the event
    Push(Event(SDL_MOUSEBUTTONUP));
    Main::RunFrame();
    EXPECT_EQ(g_mouseX, 123);
    EXPECT_EQ(g_mouseY, 145);
    const PageLog& log = m_logs[kModeTitleMenu];
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[0].type, SDL_MOUSEMOTION);
    EXPECT_TRUE(clicked);
    Main::RunFrame();
    EXPECT_FALSE(clicked); // the click lasted one frame
}

TEST_F(MainLoop, ModeRequestsApplyOnTheNextFrameAndTheLastWins) {
    EXPECT_EQ(CurrentPage()->Mode(), kModeTitleMenu); // set-up's request, from the first frame
    m_logs[kModeTitleMenu].onUpdate = [] {
        g_gameMode->SetMode(kModeEditorMenu);
        g_gameMode->SetMode(kModeNewGame, 7);
    };
    Main::RunFrame();
    EXPECT_EQ(CurrentPage()->Mode(), kModeTitleMenu); // drawn once more as it was
    EXPECT_EQ(m_logs[kModeTitleMenu].draws, 1);
    Main::RunFrame();
    ASSERT_NE(CurrentPage(), nullptr);
    EXPECT_EQ(CurrentPage()->Mode(), kModeNewGame);
    EXPECT_EQ(g_gameMode->GetCurrentMode().GetArg(0), 7);
    EXPECT_EQ(m_logs[kModeEditorMenu].updates, 0);
    EXPECT_EQ(TestPage::s_alive, 1);
}

TEST_F(MainLoop, ModeNoneAndUnknownIdsLeaveNoPageButKeepTheInterfaceWindows) {
    for (int mode : {int(kModeNone), 40, -7}) {
        SCOPED_TRACE(mode);
        g_gameMode->SetMode(kModeTitleMenu);
        Main::RunFrame();
        m_logs[kModeTitleMenu] = PageLog();
        InterfaceObject* errorBox = g_interface->CreateWindow(); // shown over no page
        g_gameMode->SetMode(mode);
        Main::RunFrame();
        Push(KeyUp(SDLK_a));
        Main::RunFrame();
        EXPECT_EQ(TestPage::s_alive, 0);
        EXPECT_EQ(m_logs[kModeTitleMenu].updates, 0);
        EXPECT_EQ(m_logs[kModeTitleMenu].draws, 0);
        EXPECT_TRUE(m_logs[kModeTitleMenu].events.empty());
        EXPECT_TRUE(g_interface->Holds(errorBox));
    }
}

TEST_F(MainLoop, FrameTimePulsesAndBlinkRunOnTheInjectedClock) {
    m_clock.now += 2000;
    Main::RunFrame();
    EXPECT_EQ(g_gameMode->GetFrameMs(), 33u);
    EXPECT_EQ(g_gameMode->GetPulse(), 168); // the warm-up frame stepped once already
    EXPECT_EQ(g_gameMode->GetPulse2(), 78);
    for (int frame = 0; frame < 38; ++frame) {
        m_clock.now += 10;
        Main::RunFrame();
    }
    EXPECT_EQ(g_gameMode->GetFrameMs(), 10u);
    EXPECT_FALSE(g_gameMode->GetBlink()); // 33 + 33 + 380 ms so far
    m_clock.now += 10;
    Main::RunFrame();
    EXPECT_TRUE(g_gameMode->GetBlink()); // 456 ms
}

TEST_F(MainLoop, F11SavesTheLastFrameAsScreenBmp) {
    std::filesystem::remove("screen.bmp");
    Push(KeyUp(SDLK_F11));
    Main::RunFrame();
    SDL_Surface* shot = SDL_LoadBMP("screen.bmp");
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->w, 800);
    EXPECT_EQ(shot->h, 600);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(Screen::GetPixel(shot, 400, 300), shot->format, &r, &g, &b);
    EXPECT_GE(r, 248); // the page's red, five bits widened
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    SDL_FreeSurface(shot);
    std::filesystem::remove("screen.bmp");
}

TEST_F(MainLoop, ASoundAtGamePlusXOfTheListenerIsLouderOnTheRight) {
    SoundListener ear;
    ReleaseObject(g_soundMgr);
    g_soundMgr = NEW SoundMgr(Main::kSoundChannels, std::make_unique<OverhearingLayer>(ear));
    Main::RunFrame();
    const auto hear = [&](float x, float y) {
        return ear.Hear(SoundMgr::ToFmodVector(Vector(x, y, 0)), 1.0f, 1000.0f);
    };
    EXPECT_GT(hear(10, 0).right, 2 * hear(10, 0).left);
    EXPECT_GT(hear(-10, 0).left, 2 * hear(-10, 0).right);
    EXPECT_FLOAT_EQ(hear(0, -10).left, hear(0, -10).right); // straight ahead, up the screen
}

// On the area map the party's leader hears; away from the view's centre.
TEST_F(MainLoop, OnTheAreaMapTheListenerStandsAtThePartysLeader) {
    SoundListener ear;
    ReleaseObject(g_soundMgr);
    g_soundMgr = NEW SoundMgr(Main::kSoundChannels, std::make_unique<OverhearingLayer>(ear));
    ASSERT_TRUE(g_tileMap->Load("demo"));
    g_tileMap->CentreViewOn(Vector(20, 20, 0));
    ASSERT_TRUE(g_partyMgr->AddCharacterByName("if_idyl_player_tutorial"));
    g_partyMgr->GetLeader()->SetPosition(Vector(80, 80, 0));
    g_gameMode->SetMode(kModeAreaMap);
    Main::RunFrame();
    const auto loudness = [&](float x, float y) {
        return ear.Hear(SoundMgr::ToFmodVector(Vector(x, y, 0)), 1.0f, 1000.0f).left;
    };
    EXPECT_FLOAT_EQ(loudness(80, 80), 1.0f);
    EXPECT_LT(loudness(20, 20), 0.1f);
}

TEST_F(MainLoop, TheRegionsEntitiesRunOnlyInTheAreaMapAndNotWhilePaused) {
    ASSERT_NE(g_entityMgr, nullptr);
    Entity* shot = g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeProjectile);
    g_entityMgr->ScheduleRelease(shot);
    Main::RunFrame();
    EXPECT_TRUE(g_entityMgr->IsLive(shot)); // the title menu has no world

    g_gameMode->SetMode(kModeAreaMap);
    g_gameMode->SetPaused(true);
    Main::RunFrame();
    EXPECT_TRUE(g_entityMgr->IsLive(shot));
    g_gameMode->SetPaused(false);
    Main::RunFrame();
    EXPECT_FALSE(g_entityMgr->IsLive(shot));
}

// The demo region entered by hand, its view on the pond: the brook sounds from the first
// frame on the area map, and leaving the map drops its floating texts.
TEST_F(MainLoop, TheDemoRegionSoundsOnTheAreaMapAndLeavingItDropsItsTexts) {
    const std::vector<std::string>& log = m_recorded.log;
    ReleaseObject(g_soundMgr);
    g_soundMgr = std::exchange(m_recorded.slot, nullptr); // shutdown deletes it
    ASSERT_TRUE(g_tileMap->Load("demo"));
    ASSERT_TRUE(g_regionMgr->LoadRegFile("demo", nullptr));
    g_tileMap->CentreViewOn(Vector(28, 68, 0));
    g_gameMode->SetMode(kModeAreaMap);
    for (int frame = 0; frame < 3; ++frame)
        Main::RunFrame();
    EXPECT_EQ(CountCalls(log, "FSOUND_PlaySoundEx"), 1);
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& call) {
                                return call.rfind("FSOUND_Sample_Load(", 0) == 0 &&
                                       call.find("brook.wav") != std::string::npos;
                            }),
              1);

    g_viewPortStringMgr->Add(10, 1, "Hello");
    EXPECT_EQ(g_viewPortStringMgr->Count(), 1);
    g_gameMode->SetMode(kModeTitleMenu);
    Main::RunFrame();
    EXPECT_EQ(g_viewPortStringMgr->Count(), 0);
}

TEST_F(MainLoop, SpacePausesOnlyInTheAreaMapAndThePauseBoxShows) {
    Push(KeyUp(SDLK_SPACE));
    Main::RunFrame();
    EXPECT_FALSE(g_gameMode->IsPaused());

    g_gameMode->SetMode(kModeAreaMap);
    Main::RunFrame();
    EXPECT_EQ(PixelAt(400, 270), TestPage::kFill);
    Push(KeyUp(SDLK_SPACE));
    Main::RunFrame();
    EXPECT_TRUE(g_gameMode->IsPaused());
    EXPECT_NE(PixelAt(400, 270), TestPage::kFill); // the box over the middle of the map view
    Push(KeyUp(SDLK_SPACE));
    Main::RunFrame();
    EXPECT_FALSE(g_gameMode->IsPaused());
}

// Set-up loads the demo world's rule tables from the archive; the world's clock runs at the
// normal pace on the area map, while the game is not paused.
TEST_F(MainLoop, TheAreaMapTicksTheClockAndTheRuleTablesAreLoaded) {
    EXPECT_EQ(GameRules::XpRequired(21), 210000);
    EXPECT_EQ(GameRules::XpRequired(22), 232000);
    EXPECT_EQ(GameRules::XpRequired(23), 254000);

    const auto frameAdvance = [&] {
        const DateTime before = g_gameClock->GetDateTime();
        m_clock.now += 33;
        Main::RunFrame();
        return (g_gameClock->GetDateTime().TotalHours() - before.TotalHours()) * 3600000.0;
    };
    EXPECT_EQ(frameAdvance(), 0.0); // the title menu
    g_gameMode->SetMode(kModeAreaMap);
    g_gameClock->SetSpeedMode(5);
    frameAdvance();
    EXPECT_NEAR(frameAdvance(), 792.0, 0.1);
    EXPECT_EQ(g_gameClock->GetSpeedMode(), 0);
    EXPECT_EQ(g_realTimeTimers->GetClock(), 66u);
    g_gameMode->SetPaused(true);
    EXPECT_EQ(frameAdvance(), 0.0);
}

} // namespace

namespace {

TEST_F(MainLoop, TheCursorFollowsThePointerDoubleClicksAndLeavesNoTrail) {
    ASSERT_NE(g_mouseMgr, nullptr); // made with the session objects at set-up
    Push(Motion(5000, 300));
    Main::RunFrame();
    EXPECT_EQ(g_mouseX, 800 - MouseMgr::kCursorSize); // kept on the screen
    Push(Motion(400, 300));
    for (int frame = 0; frame < 3; ++frame)
        Main::RunFrame();
    EXPECT_EQ(g_mouseX, 400);
    // Drawn over each frame and taken off once shown: the page's drawing stays whole.
    EXPECT_EQ(CountPixels(TestPage::kFill), 800 * 600);

    Push(Event(SDL_MOUSEBUTTONUP));
    m_clock.now += 100;
    Main::RunFrame();
    Push(Event(SDL_MOUSEBUTTONUP));
    Main::RunFrame();
    EXPECT_TRUE(g_mouseMgr->TakeLeftDoubleClick());
    EXPECT_FALSE(g_mouseMgr->TakeLeftDoubleClick());
}

// Set-up makes the tile map on the game's paths and archive (start-up reads archives only),
// with the sea showing through the pond's key pixels, and entering an editor clears it with
// the other per-map state.
TEST_F(MainLoop, TheTileMapLoadsFromTheArchiveAndEditorsClearIt) {
    ASSERT_NE(g_tileMap, nullptr);
    ASSERT_TRUE(g_tileMap->Load("demo"));
    EXPECT_EQ(g_tileMap->GetWidth(), 100);
    g_tileMap->CentreViewOn(Vector(28, 68, 0));
    std::vector<uint16_t> pixels(800 * 600);
    g_graphicClipRect = Rect{0, 0, 800, 600};
    ASSERT_TRUE(g_tileMap->DrawTiles(PixelSurface{pixels.data(), 800, 600, 800}, TileMap::kNoFog));
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, Vector(28, 68, 0), x, y);
    EXPECT_NE(pixels[static_cast<size_t>(y * 800 + x)], g_secondColourKey);
    EXPECT_EQ(pixels[static_cast<size_t>(y * 800 + x + 1)], Colour(20, 60, 150).Pack16());
    g_gameMode->SetMode(kModeMapEditor);
    Main::RunFrame();
    EXPECT_EQ(g_tileMap->GetWidth(), 0);
}

} // namespace
