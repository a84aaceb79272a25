#include "Source/loops.h"

#include "Library/core/stringc.h"
#include "Library/core/struct.h"
#include "Library/core/tick_source.h"
#include "Library/core/tracked_new.h"
#include "Library/core/vector.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/frame_rate_meter.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/framed_info_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Library/scripts/global_mgr.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_page.h"
#include "Library/world/mode_page_factory.h"
#include "Library/world/mode_pages.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/explosion_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/two_dim_array_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/creatures/world_delivery.h"
#include "Source/entities/entity_highlighter.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/journey_requests.h"
#include "Source/entities/player_messages.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/entities/soldier_entity.h"
#include "Source/main.h"
#include "Source/screens/game_play_panel.h"
#include "Source/screens/party_cmd_orders.h"
#include "Source/screens/world_map_panel.h"
#include "Source/scripting/game_machine_factory.h"
#include "Source/scripting/load_save_transitions.h"
#include "Source/scripting/party_mgr_queries.h"
#include "Source/scripting/party_mgr_requests.h"
#include "Source/scripting/script_party_actions.h"
#include "Source/world/drifting_lantern_page.h"
#include "Source/world/entity_mgr_store.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/game_clock.h"
#include "Source/world/game_config.h"
#include "Source/world/game_services.h"
#include "Source/world/game_soldier_factory.h"
#include "Source/world/info_panels.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/log_mgr.h"
#include "Source/world/map_actions.h"
#include "Source/world/party_actions.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"
#include "Source/world/story_pages.h"
#include "Source/world/view_port_string_mgr.h"
#include "Source/world/weather_mgr.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* kScreenshotName = "screen.bmp";
constexpr int kPauseFont = 3;
constexpr int kTutorialWidth = 307;
constexpr int kTutorialHeight = 164;

ModePages g_modePages;
EntityMgrStore g_regionEntities;
// What items and creatures reach of the rules and of the game around them.
CreatureItemRules* g_creatureItemRules = nullptr;
GameServices* g_gameServices = nullptr;
// The screens' orders to the party, and the commands they give its members.
PartyCmdOrders* g_partyCmdOrders = nullptr;
ScriptPartyActions g_scriptPartyActions;
// What scripts ask of the party and of the load-and-save manager.
PartyMgrQueries* g_partyQueries = nullptr;
PartyMgrRequests* g_partyRequests = nullptr;
LoadSaveTransitions* g_loadSaveTransitions = nullptr;
// Every soldier's creature, and every entity's script machine.
const GameSoldierFactory g_creatureFactory;
const GameMachineFactory g_machineFactory;

// Carries out the game mode's changes on the frame driver.
class LoopsPageFactory : public ModePageFactory {
public:
    void DeleteModePages() override { Loops::DeleteModePages(); }
    void CreateModePages(const ModeRecord& mode) override { Loops::CreateModePages(mode); }
    void DeleteSessionObjects() override { Loops::DeleteSessionObjects(); }
    void CreateSessionObjects() override { Loops::CreateSessionObjects(); }
};

LoopsPageFactory g_pageFactory;

// The map objects' messages go to the play screen's message lines.
class HudMessages : public PlayerMessages {
public:
    void Add(const char* text) override {
        if (g_hudMessages)
            g_hudMessages->AddText(text);
    }
};

HudMessages g_hudPlayerMessages;

// The explosions as the region's world runs them: a frame's length at a time, over the map.
class RegionExplosions : public RegionMgr::Explosions {
public:
    void Update() override {
        if (g_explosionMgr)
            g_explosionMgr->Update(static_cast<float>(g_gameMode->GetFrameSeconds()));
    }
    void Draw(Screen& screen) override {
        if (g_explosionMgr && g_tileMap)
            g_explosionMgr->Draw(screen, *g_tileMap);
    }
    void Clear() override {
        if (g_explosionMgr)
            g_explosionMgr->Clear();
    }
};

RegionExplosions g_regionExplosions;

// Uses of items and spells reach the current region's world.
WorldDelivery g_worldDelivery({g_entityMgr, g_projectileLauncher, g_explosionMgr, g_uniSpellMgr});

bool IsMapMode(int id) {
    return id == kModeAreaMap || id == kModeWorldMap;
}

bool HasPages(int id) {
    return id >= kModeTitleMenu && id < kModeCount;
}

// Where the player goes back to from a screen that is not there: the play screen of the
// game in progress, or the title menu outside a game.
int ModeWithoutMissingPage() {
    if (!g_gameMode->IsInGame())
        return kModeTitleMenu;
    return g_gameMode->IsOnMap() ? kModeAreaMap : kModeStoryPage;
}

// A mode whose page is not built, or whose page refused its arguments (an inventory beside
// what holds none, a trade with no creature), would leave a screen that nothing leads out
// of.
void LeaveModeWithoutPage(const ModeRecord& mode) {
    const int id = mode.GetId();
    if (!HasPages(id) || id == kModeNoPage || g_modePages.GetPage())
        return;
    const int back = ModeWithoutMissingPage();
    std::fprintf(stderr, "Game mode %d has no screen to show: back to game mode %d\n", id, back);
    g_gameMode->SetMode(back);
}

Rect ScreenRect(const Screen& screen) {
    const PixelSurface& surface = screen.GetSurface();
    return Rect::Make(0, 0, surface.width, surface.height);
}

Rect TutorialRect(int x, int y) {
    return Rect::Make(x, y, x + kTutorialWidth, y + kTutorialHeight);
}

void AddUpdate(const Rect& rect) {
    g_updateRects->Add(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1);
}

void DrawPauseBox(Screen& screen, const Rect& view) {
    const Stringc text("PAUSE MODE");
    const int x = view.x1 + std::abs(view.x1 - view.x2) / 2 - 38;
    const int y = view.y1 + std::abs(view.y1 - view.y2) / 2 - 8;
    const uint16_t colour = screen.GetDrawColour();
    screen.SetFont(kPauseFont);
    screen.DrawTextBox(x, y, text, 1, 0, 0, 0);
    screen.DrawText(x, y, text);
    screen.SetDrawColour(colour);
}

// On the area map the listener is at the party's leader, or at the view's centre without a
// party; elsewhere it has no position. It faces up the screen with the viewer's eye above
// the map, so game +x is on its right.
void UpdateSoundListener() {
    if (!g_soundMgr)
        return;
    const Vector forward(0, -1, 0);
    const Vector up(0, 0, 1);
    if (g_gameMode->GetModeId() == kModeAreaMap) {
        const Entity* leader = g_partyMgr->GetLeader();
        const Vector at = leader ? leader->GetPosition() : g_tileMap->ViewCentre();
        g_soundMgr->Update(&at, nullptr, forward, up);
        return;
    }
    g_soundMgr->Update(nullptr, nullptr, forward, up);
}

bool IsGameKey(SDLKey key) {
    return (key >= SDLK_0 && key <= SDLK_9) || key == SDLK_TAB || key == SDLK_PAGEUP ||
           key == SDLK_PAGEDOWN;
}

// Leaving the area map drops its floating texts and silences its weather.
void ApplyPendingMode() {
    if (g_gameMode->ApplyPendingMode() == GameMode::kModeUnchanged ||
        g_gameMode->GetModeId() == kModeAreaMap)
        return;
    g_viewPortStringMgr->Clear();
    g_weatherMgr->StopSound();
}

// The story page and the region's script hear the game keys, but not while the play
// screen's message box waits for its OK.
bool PlayScreenTakesKeys() {
    const auto* play = dynamic_cast<const GamePlayPanel*>(g_modePages.GetPage());
    return play && play->GetHudState() != GamePlayPanel::kMessageShown;
}

// The tutorial's scripts wait for a world map frame whose screen did not run the world.
bool WorldMapKeepsScriptsWaiting() {
    const auto* world = dynamic_cast<const WorldMapPanel*>(g_modePages.GetPage());
    return world && g_gameMode->GetModeId() == kModeWorldMap && g_loadSaveMgr->IsTutorialActive() &&
           !world->HasRunWorld();
}

// Outside the story page and the area map, the region's script hears them in a tutorial.
void HandleKeyRelease(SDLKey key) {
    const int mode = g_gameMode->GetModeId();
    if (IsGameKey(key) && mode != kModeStoryPage && mode != kModeAreaMap) {
        if (g_loadSaveMgr->IsTutorialActive())
            g_entityMgr->PostKeyEvent(key);
    } else if (IsGameKey(key) && PlayScreenTakesKeys()) {
        if (mode == kModeStoryPage)
            g_page->HandleKey(key);
        else if (g_entityMgr)
            g_entityMgr->PostKeyEvent(key);
    }
    if (mode == kModeAreaMap && key == SDLK_SPACE)
        g_gameMode->SetPaused(!g_gameMode->IsPaused());
    if (key == SDLK_F11 && g_screen)
        g_screen->SaveScreenshot(kScreenshotName);
}

// The cursor is drawn over the finished frame and taken off again once it is shown, so the
// page's own drawing stays intact.
void DrawCursorAndFlush(Screen& screen) {
    if (g_mouseMgr) {
        g_mouseMgr->PrepareDraw(screen);
        g_mouseMgr->Draw(screen);
    }
    g_updateRects->Flush(screen);
    if (g_mouseMgr)
        g_mouseMgr->Erase(screen);
}

} // namespace

void Loops::SetUp() {
    g_gameMode->SetPageFactory(&g_pageFactory);
    SetSoldierPartsFactory(&g_creatureFactory);
    SetScriptMachineFactory(&g_machineFactory);
    g_graphicMgr = NEW GraphicMgr; // chooses the colour key for the video layout
    g_graphicMgr->SetEncode(true);
    g_entityHighlighter = NEW EntityHighlighter;
    g_globalMgr = NEW GlobalMgr;
    g_gameTimeTimers = NEW GlobalTimerTable;
    g_realTimeTimers = NEW GlobalTimerTable;
    g_logMgr = NEW LogMgr;
    g_gameClock = NEW GameClock(*g_gameTimeTimers, *g_realTimeTimers);
    const Rect fullScreen{5, 0, 795, 600};
    g_hudMessages = NEW InfoPanel(Rect{5, 0, 343, 53}, 0, 30, 5, 5);
    g_playerMessages = &g_hudPlayerMessages;
    g_infoPanel2 = NEW InfoPanel(fullScreen, 1, 200, 1, 1);
    g_infoPanel3 = NEW InfoPanel(fullScreen, 1, 30, 1, 1);
    g_infoPanel4 = NEW InfoPanel(fullScreen, 1, 30, 1, 1);
    g_tutorialPanel = NEW FramedInfoPanel(fullScreen, 1, 30, 5, 5);
    g_tutorialPanel->SetVisible(false);
    g_gameServices = NEW GameServices(*g_gameClock, *g_hudMessages);
    SetCreatureServices(g_gameServices);
    g_creatureItemRules = NEW CreatureItemRules;
    RegisterModePages();
    g_gameMode->SetMode(kModeTitleMenu);
    g_tileMap = NEW TileMap(g_gameMode->Paths(), g_generalRes);
    g_updateRects = NEW UpdateRectangles;
    g_projectileLauncher = NEW ProjectileLauncher(g_entityMgr);
    g_explosionMgr = NEW ExplosionMgr(g_entityMgr);
    g_uniSpellMgr = NEW UniSpellMgr;
    g_uniSpellMgr->LoadAll();
    SetAbilityDelivery(&g_worldDelivery);
    g_gameRules = NEW GameRules;
    g_config = NEW GameConfig(g_gameMode->GetRootDir(), g_tileMap, g_soundMgr);
    g_partyMgr = NEW PartyMgr({g_entityMgr, g_entryPtMgr, g_playerMessages, g_journeyRequests,
                               g_partyActions, g_gameMode->GetSavePath() + "/player.dat"});
    g_uniAnimationMgr = NEW UniAnimationMgr;
    g_regionMgr = NEW RegionMgr({*g_gameMode, g_generalRes, g_tileMap, g_soundMgr, g_mouseMgr,
                                 g_mapActions, g_entityHighlighter, g_gameClock, g_regionEntities});
    g_regionMgr->SetExplosions(&g_regionExplosions);
    g_regionMgr->SetParty(g_partyMgr);
    // After the region manager, whose maps it enters.
    g_loadSaveMgr =
        NEW LoadSaveMgr({*g_gameMode, *g_partyMgr, *g_regionMgr, *g_tileMap, g_entityMgr,
                         g_entryPtMgr, *g_globalMgr, *g_gameTimeTimers, *g_realTimeTimers,
                         *g_logMgr, *g_gameClock, *g_hudMessages, *g_tutorialPanel, g_storyPages,
                         [] {
                             DeleteSessionObjects();
                             CreateSessionObjects();
                         },
                         &Main::Quit});
    g_journeyRequests = g_loadSaveMgr;
    g_partyActions = &g_scriptPartyActions;
    g_partyQueries = NEW PartyMgrQueries(*g_partyMgr);
    SetPartyQueries(g_partyQueries);
    g_partyRequests = NEW PartyMgrRequests(*g_partyMgr);
    g_scriptParty = g_partyRequests;
    g_loadSaveTransitions = NEW LoadSaveTransitions(*g_loadSaveMgr);
    g_transitionRequests = g_loadSaveTransitions;
    g_partyCmdOrders = NEW PartyCmdOrders(*g_partyMgr);
    g_partyOrders = g_partyCmdOrders;
    TwoDimArrayMgr::LoadTables();
    g_page = NEW DriftingLanternPage(&Main::Quit);
    g_storyPages = g_page;
    g_viewPortStringMgr = NEW ViewPortStringMgr(*g_gameMode, *g_tileMap, *g_screen);
    CreateSessionObjects();
}

void Loops::DeleteGlobals() {
    DeleteModePages();
    DeleteSessionObjects();
    g_journeyRequests = nullptr;
    g_partyOrders = nullptr;
    ReleaseObject(g_partyCmdOrders);
    g_partyActions = nullptr;
    SetPartyQueries(nullptr);
    ReleaseObject(g_partyQueries);
    g_scriptParty = nullptr;
    ReleaseObject(g_partyRequests);
    g_transitionRequests = nullptr;
    ReleaseObject(g_loadSaveTransitions);
    ReleaseObject(g_partyMgr);
    ReleaseObject(g_loadSaveMgr);
    SetCreatureServices(nullptr);
    ReleaseObject(g_gameServices);
    g_playerMessages = nullptr;
    ReleaseObject(g_hudMessages);
    ReleaseObject(g_infoPanel2);
    ReleaseObject(g_infoPanel3);
    ReleaseObject(g_infoPanel4);
    ReleaseObject(g_tutorialPanel);
    ReleaseObject(g_graphicMgr);
    ReleaseObject(g_entityHighlighter);
    ReleaseObject(g_globalMgr);
    ReleaseObject(g_gameTimeTimers);
    ReleaseObject(g_realTimeTimers);
    ReleaseObject(g_logMgr);
    ReleaseObject(g_gameClock);
    ReleaseObject(g_tileMap);
    ReleaseObject(g_updateRects);
    ReleaseObject(g_projectileLauncher);
    ReleaseObject(g_explosionMgr);
    SetAbilityDelivery(nullptr);
    ReleaseObject(g_uniSpellMgr);
    ReleaseObject(g_gameRules);
    ReleaseObject(g_config);
    ReleaseObject(g_uniAnimationMgr);
    ReleaseObject(g_regionMgr);         // its entities left the map with the session objects
    ReleaseObject(g_creatureItemRules); // after the entities that hold items
    TwoDimArrayMgr::FreeTables();
    g_storyPages = nullptr;
    ReleaseObject(g_page);
    ReleaseObject(g_viewPortStringMgr);
    SetSoldierPartsFactory(nullptr);
    SetScriptMachineFactory(nullptr);
    if (g_gameMode)
        g_gameMode->SetPageFactory(nullptr);
}

void Loops::CreateSessionObjects() {
    g_mapActions = NEW MapActions(g_soundMgr);
    g_mouseMgr = NEW MouseMgr(g_gameMode->GetScreenWidth(), g_gameMode->GetScreenHeight());
}

// Leaving a map leaves its region behind: it starts again empty, and the party, whose
// members were its soldiers, with it.
void Loops::DeleteSessionObjects() {
    if (g_partyMgr)
        g_partyMgr->Reset();
    if (g_regionMgr)
        g_regionMgr->Reset();
    ReleaseObject(g_mapActions);
    ReleaseObject(g_mouseMgr); // before the caches its animations came from
    if (g_graphicMgr)
        g_graphicMgr->Clear();
    if (g_uniAnimationMgr)
        g_uniAnimationMgr->Clear();
    if (g_tileMap)
        g_tileMap->Clear();
}

void Loops::CreateModePages(const ModeRecord& mode) {
    g_modePages.Create(mode);
    LeaveModeWithoutPage(mode);
    if (g_screen)
        g_screen->StartFade(1);
}

void Loops::DeleteModePages() {
    g_modePages.Delete();
    if (g_interface)
        g_interface->Clear();
}

ModePages& Loops::GetModePages() {
    return g_modePages;
}

void Loops::UpdateFrame(Screen& screen) {
    if (g_mouseMgr) {
        g_mouseMgr->SetPosition(g_mouseX, g_mouseY);
        g_mouseMgr->Update(g_gameMode->GetFrameMs(), g_gameMode->GetModeId());
    }
    if (g_loadSaveMgr->GetPending() != LoadSaveMgr::kNone)
        if (ModePage* page = g_modePages.GetPage())
            page->LeaveWorld();
    g_loadSaveMgr->Update();
    ApplyPendingMode();
    // The tutorial's scripts run in every mode, but the area map's world update already runs
    // them when it is not paused: a second pass would run their waits and timers twice as fast.
    // The world map decides after its screen's update.
    const bool worldRunsScripts =
        (g_gameMode->GetModeId() == kModeAreaMap && !g_gameMode->IsPaused()) ||
        g_gameMode->GetModeId() == kModeWorldMap;
    if (g_loadSaveMgr->IsTutorialActive() && !worldRunsScripts)
        g_entityMgr->UpdateScripts(g_gameMode->GetFrameMs());
    // The game mode keeps the old page for these ids; the fatal error box shown over mode 0
    // is a window of the interface, so the interface keeps its windows.
    if (!HasPages(g_gameMode->GetModeId()))
        g_modePages.Delete();
    if (ModePage* page = g_modePages.GetPage())
        page->Update(screen);
    if (WorldMapKeepsScriptsWaiting())
        g_entityMgr->UpdateScripts(g_gameMode->GetFrameMs());
    if (g_gameMode->GetModeId() == kModeStoryPage)
        g_page->Update();
    if (g_gameMode->GetModeId() == kModeAreaMap) {
        g_viewPortStringMgr->Update();
        g_regionMgr->Update();
        g_partyMgr->UpdateFlee();
    }
    UpdateSoundListener();
}

void Loops::RenderFrame(Screen& screen) {
    screen.GetSurfaceRect();
    DrawMode(screen);
    if (IsMapMode(g_gameMode->GetModeId())) {
        const Rect view = g_tileMap->GetViewRect();
        if (g_gameMode->IsPaused())
            DrawPauseBox(screen, view);
        g_tutorialPanel->SetRect(TutorialRect(view.x1, view.y1));
        g_tutorialPanel->Draw(screen);
        AddUpdate(view);
        DrawCursorAndFlush(screen);
        return;
    }
    // The panel's background goes back after the flush, so the page's own drawing is
    // intact for the next frame.
    g_tutorialPanel->SetRect(TutorialRect(0, 0));
    AddUpdate(ScreenRect(screen));
    g_tutorialPanel->SaveBackground(screen);
    g_tutorialPanel->Draw(screen);
    DrawCursorAndFlush(screen);
    g_tutorialPanel->RestoreBackground(screen);
}

void Loops::DrawMode(Screen& screen) {
    g_gameMode->InvalidateScreen();
    g_loadSaveMgr->DrawErrorBox(screen);
    const bool onMap = g_gameMode->GetModeId() == kModeAreaMap;
    if (onMap) {
        g_regionMgr->Draw(screen);
        g_regionMgr->DrawDebug(screen);
    }
    if (ModePage* page = g_modePages.GetPage())
        page->Draw(screen);
    if (onMap)
        g_viewPortStringMgr->Draw(screen);
    g_gameMode->InvalidateAll();
}

void Loops::HandleKey(const SDL_Event& event) {
    if (event.type == SDL_KEYUP)
        HandleKeyRelease(event.key.keysym.sym);
    if (g_mouseMgr)
        g_mouseMgr->HandleButton(event);
    if (ModePage* page = g_modePages.GetPage())
        page->HandleEvent(event);
}

void Loops::DrawFrameRate(Screen& screen, int x, int y) {
    static FrameRateMeter meter(TickSource::Sdl());
    meter.Draw(screen, x, y);
}
