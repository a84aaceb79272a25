#include "Source/screens/world_map_panel.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/update_rectangles.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/map_object.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/interface_routines.h"
#include "Source/screens/party_orders.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/world/game_clock.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/map_actions.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"

#include <cstring>

namespace {

constexpr int kTravelSpeedMode = 2;
constexpr int kFont = 5;
constexpr int kIconWidth = 25;
constexpr int kIconHeight = 13;
constexpr int kDateX = 71;
constexpr int kDateY = 540;
constexpr int kHotSpotSlots = 50;
constexpr Rect kDateBlock{69, 533, 206, 586};

const WidgetEntry kBottomBarButtons[] = {
    {WorldMapPanel::kMessagesUp, kWidgetButton, 613, 21, 12, 20, "button_up2.tga", "U"},
    {WorldMapPanel::kMessagesDown, kWidgetButton, 613, 46, 12, 20, "button_dwn2.tga", "D"},
    {WorldMapPanel::kArea, kWidgetButton, 644, 39, 91, 15, "button_area_world.tga", ""},
};
const WidgetEntry kIconButton[] = {
    {WorldMapPanel::kIcon, kWidgetButton, 0, 0, kIconWidth, kIconHeight, "hs2.tga", ""},
};

void AddUpdate(const Rect& rect) {
    if (g_updateRects)
        g_updateRects->Add(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1);
}

// Script names come from scripts: only a plain name, never a path elsewhere.
bool IsPlainName(const Stringc& name) {
    const char* text = name.c_str();
    return name.Length() > 0 && std::strpbrk(text, "/\\:") == nullptr;
}

} // namespace

WindowLayout WorldMapPanel::TopBarLayout() {
    return WindowLayout{WindowEntry{"menu_world_map_top.tga", "", 0, 0, 800, 31}, nullptr, 0};
}

WindowLayout WorldMapPanel::BottomBarLayout() {
    return MakeLayout(WindowEntry{"menu_world_map_bottom.tga", "", 0, 517, 800, 83},
                      kBottomBarButtons);
}

WindowLayout WorldMapPanel::IconLayout() {
    return MakeLayout(WindowEntry{"", "", 0, 0, kIconWidth, kIconHeight}, kIconButton);
}

WorldMapPanel::WorldMapPanel(const Services& services)
    : m_services(services), m_machine(std::make_unique<GameVirtualMachine>()) {
    m_services.messages.SetRect(Rect{229, 523, 607, 596});
    m_topBar = BuildWindow(TopBarLayout());
    m_bottomBar = BuildWindow(BottomBarLayout());
    m_confirmBox = std::make_unique<MessageBox>("msg_box_2.tga", 300, 235);
    m_confirmBox->SetTextLayout(25, 20, kFont, 155);
    m_confirmBox->AddButton("button_ok2.tga", 29, 113);
    m_confirmBox->AddSecondButton("button_no2.tga", 107, 113);
    m_iconWindow = BuildWindow(IconLayout());
    m_iconWindow->FindChild(kIcon)->SetImage2("hs1.tga");
    m_machine->Reset();
    SetState(kOverBottomBar);
    m_hotSpots = std::make_unique<MemMgr<WorldMapHotSpot>>(kHotSpotSlots);
    RefreshHitPoints();
    LoadSidePanelPicture();
    g_worldMapControls = this;
}

// The interface's images outlive the screen when the fatal error box replaces it: the
// picture goes back here, not with the next mode's change.
WorldMapPanel::~WorldMapPanel() {
    if (g_worldMapControls == this)
        g_worldMapControls = nullptr;
    FreeGraphic(m_sidePanel);
}

SoldierEntity* WorldMapPanel::Leader() const {
    SoldierEntity* soldier = nullptr;
    return m_services.party && Entity::AsSoldier(m_services.party->GetActiveMember(), &soldier)
               ? soldier
               : nullptr;
}

void WorldMapPanel::SetState(int state) {
    if (state == m_state)
        return;
    m_state = state;
    m_redrawTopBar = m_redrawBottomBar = m_redrawDate = true;
    if (state == kOverBottomBar)
        g_interface->SetActive(m_bottomBar);
    else if (state == kMapView)
        g_interface->SetActive(m_iconWindow);
}

// ---- the scripts' controls ----

void WorldMapPanel::AddHotSpot(const Stringc& name, const Vector& position, const Stringc& map,
                               const Stringc& entryPoint) {
    WorldMapHotSpot& hotSpot = *m_hotSpots->Alloc();
    hotSpot.name = name;
    hotSpot.position = position;
    hotSpot.mapName = map;
    hotSpot.entryName = entryPoint;
    ++m_lastHotSpot;
}

void WorldMapPanel::SetAreaScript(const Stringc& name, bool encounters) {
    m_areaScript = name;
    m_areaScriptPending = true;
    g_gameMode->SetEncounterFlag(encounters);
    m_encounterChance = encounters ? kForcedChance : -1;
}

void WorldMapPanel::SetConfirmText(const Stringc& text) {
    m_confirmBox->SetText(text.c_str());
}

void WorldMapPanel::SetEncounterMapName(const Stringc& name) {
    m_encounterMap = name;
}

void WorldMapPanel::SetEncounterScriptName(const Stringc& name) {
    m_encounterScript = name;
}

bool WorldMapPanel::LoadScript(const Stringc& name) {
    return IsPlainName(name) && m_machine->LoadScript(CompiledScriptPath(name));
}

// ---- the frame ----

void WorldMapPanel::Update(Screen&) {
    m_ranWorld = false;
    if (m_state != kConfirm && m_state != kAreaView)
        SetState(m_bottomBar->GetRect().Covers(g_mouseX, g_mouseY) ? kOverBottomBar : kMapView);
    if (m_areaScriptPending)
        RunAreaScript();
    RefreshHitPoints();
    // Lines come while travelling too, from discoveries and scripts: they show at once.
    if (m_services.messages.TakeRedraw())
        m_redrawBottomBar = true;
    switch (m_state) {
    case kOverBottomBar:
        UpdateBottomBar();
        TravelStep();
        TryDiscovery();
        break;
    case kAreaView:
        UpdateBottomBar();
        break;
    case kMapView:
        TravelStep();
        TryDiscovery();
        break;
    case kConfirm:
        m_confirmBox->Poll();
        if (m_confirmBox->TakeFirstButton())
            RequestEncounter();
        else if (m_confirmBox->TakeSecondButton())
            SetState(kOverBottomBar);
        break;
    }
    PlaceIcon();
}

// The area script first; only once it has run, the encounter's own script, and then the
// player is asked, or the encounter is forced on a failed draw.
void WorldMapPanel::RunAreaScript() {
    m_areaScriptPending = false;
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (!LoadScript(m_areaScript))
        return;
    m_machine->PostWorldAreaEvent();
    m_machine->Update(frameMs);
    if (!LoadScript(m_encounterScript))
        return;
    m_machine->PostWorldAreaEvent();
    m_machine->Update(frameMs);
    if (m_encounterChance <= 0 || GameRules::Chance(m_encounterChance))
        SetState(kConfirm);
    else
        RequestEncounter();
}

void WorldMapPanel::RequestEncounter() {
    g_loadSaveMgr->RequestWorldToTempMap2(m_encounterMap, m_encounterScript);
}

void WorldMapPanel::RefreshHitPoints() {
    int hitPoints = 0, maximum = 0;
    HitPointsOf(Leader(), hitPoints, maximum);
    if (hitPoints == m_hitPoints && maximum == m_maxHitPoints)
        return;
    m_hitPoints = hitPoints;
    m_maxHitPoints = maximum;
    m_redrawTopBar = true;
}

void WorldMapPanel::LoadSidePanelPicture() {
    FreeGraphic(m_sidePanel);
    m_sidePanel = LoadSidePanel();
    m_redrawSidePanel = HasSidePanel();
}

void WorldMapPanel::UpdateBottomBar() {
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    if (m_bottomBar->FindChild(kMessagesUp)->IsPressed())
        m_services.messages.ScrollDown(frameMs);
    if (m_bottomBar->FindChild(kMessagesDown)->IsPressed())
        m_services.messages.ScrollUp(frameMs);
    const InterfaceObject* clicked = m_bottomBar->GetClickedChild();
    if (clicked == nullptr || clicked->GetId() != kArea)
        return;
    if (m_state == kOverBottomBar)
        ActOnPartySpot();
    else
        SetState(kOverBottomBar);
}

// Game time runs only while the leader moves or acts, and always at the same pace.
void WorldMapPanel::TravelStep() {
    const uint32_t frameMs = g_gameMode->GetFrameMs();
    g_regionMgr->UpdateScrolling();
    g_entityMgr->Update(frameMs);
    if (g_mapActions)
        g_mapActions->Update();
    m_ranWorld = true;
    SoldierEntity* leader = Leader();
    if (leader == nullptr || !leader->IsBusy())
        return;
    m_redrawDate = true;
    g_gameClock->SetSpeedMode(kTravelSpeedMode);
    g_gameClock->Tick(frameMs, kModeWorldMap);
    g_partyMgr->UpdateHealTimers();
}

void WorldMapPanel::TryDiscovery() {
    SoldierEntity* leader = Leader();
    if (leader && g_gameRules && g_gameRules->TryDiscoverTowns(leader, g_gameMode->GetFrameMs()))
        m_services.messages.AddText(kDiscoveryText);
}

// A trigger under the leader takes the leader; elsewhere the region's scripts hear that
// the party looks around.
void WorldMapPanel::ActOnPartySpot() {
    SoldierEntity* leader = Leader();
    if (leader == nullptr)
        return;
    for (uint32_t kind = kMapObjectTravel; kind <= kMapObjectTrap; ++kind) {
        Entity* trigger =
            g_entityMgr->FindMapObjectAt(Entity::kTypeTrigger, kind, leader->GetPosition());
        MapObject* mapObject = nullptr;
        if (trigger != nullptr && Entity::GetMapObject(trigger, &mapObject)) {
            mapObject->Activate(*leader);
            return;
        }
    }
    g_entityMgr->PostWorldMapEvent();
}

void WorldMapPanel::PlaceIcon() {
    g_gameMode->InvalidateRect(g_tileMap->GetViewRect());
    SoldierEntity* leader = Leader();
    if (leader == nullptr || leader->IsBusy()) {
        m_iconWindow->SetVisible(false);
        return;
    }
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, leader->GetPosition(), x, y);
    const Rect at = Rect::Make(x - kIconWidth / 2, y - kIconHeight / 2,
                               x - kIconWidth / 2 + kIconWidth, y - kIconHeight / 2 + kIconHeight);
    m_iconWindow->SetRect(at);
    m_iconWindow->FindChild(kIcon)->SetRect(at);
    m_iconWindow->SetVisible(true);
    if (m_state == kMapView && m_iconWindow->FindChild(kIcon)->IsClicked())
        ActOnPartySpot();
}

// ---- input ----

void WorldMapPanel::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_KEYUP && event.key.keysym.sym == SDLK_r) {
        if (m_services.party)
            m_services.party->ToggleRun(Leader());
        return;
    }
    if (!m_view.Covers(g_mouseX, g_mouseY) ||
        !(event.type == SDL_MOUSEBUTTONUP && event.button.button == SDL_BUTTON_LEFT))
        return;
    SoldierEntity* leader = Leader();
    const InterfaceObject* icon = m_iconWindow->FindChild(kIcon);
    if (leader && !leader->IsBusy() && (icon->IsClicked() || icon->IsPressed()))
        return; // the release belongs to the party's icon
    if (m_state == kMapView && m_services.party)
        m_services.party->WalkToMouse(leader);
}

// ---- drawing ----

void WorldMapPanel::Draw(Screen& screen) {
    g_gameMode->InvalidateScreen();
    switch (m_state) {
    case kOverBottomBar:
    case kMapView:
        DrawTopBar(screen);
        DrawBottomBar(screen);
        g_regionMgr->Draw(screen);
        g_regionMgr->DrawDebug(screen);
        DrawPartySign(screen);
        break;
    case kAreaView:
        DrawTopBar(screen);
        DrawBottomBar(screen);
        break;
    case kConfirm:
        g_regionMgr->Draw(screen);
        m_confirmBox->Draw(screen);
        break;
    }
    DrawSidePanel(screen);
}

void WorldMapPanel::DrawTopBar(Screen& screen) {
    if (!m_redrawTopBar && !m_topBar->IsDirty())
        return;
    m_redrawTopBar = false;
    m_topBar->SetDirty(true);
    m_topBar->Draw(screen);
    screen.SetFont(kFont);
    screen.Printf(732, 8, "%d/%d", m_hitPoints, m_maxHitPoints);
    AddUpdate(m_topBar->GetRect());
}

void WorldMapPanel::DrawBottomBar(Screen& screen) {
    if (m_redrawBottomBar || m_bottomBar->IsDirty()) {
        m_redrawBottomBar = false;
        m_bottomBar->SetDirty(true);
        m_bottomBar->Draw(screen);
        m_services.messages.Draw(screen);
        AddUpdate(m_bottomBar->GetRect());
        m_redrawDate = true;
    }
    DrawDate(screen);
}

void WorldMapPanel::DrawDate(Screen& screen) {
    if (!m_redrawDate)
        return;
    m_redrawDate = false;
    screen.SetDrawColour(Colour(16, 66, 49).Pack16());
    screen.FillRectColour(kDateBlock);
    screen.SetFont(kFont);
    const DateTime& now = g_gameClock->GetDateTime();
    const int line = screen.FontHeight();
    screen.Printf(kDateX, kDateY, "%2.2d hr, %2.2d min", now.GetHours(), now.GetMinutes());
    screen.Printf(kDateX, kDateY + line, "%s", g_gameClock->GetPeriodName().c_str());
    screen.Printf(kDateX, kDateY + 2 * line, "%.4s, %2.2d %3.4s, %d", now.DayName().c_str(),
                  now.GetDay(), now.MonthName().c_str(), now.GetYear());
    AddUpdate(kDateBlock);
}

// The icon stands where the leader rests; a small green cross marks a moving leader.
void WorldMapPanel::DrawPartySign(Screen& screen) {
    SoldierEntity* leader = Leader();
    if (leader == nullptr)
        return;
    if (!leader->IsBusy()) {
        m_iconWindow->SetDirty(true);
        m_iconWindow->Draw(screen);
        return;
    }
    int x = 0, y = 0;
    WorldToPixel(*g_tileMap, leader->GetPosition(), x, y);
    screen.SetDrawColour(Colour(0, 255, 0).Pack16());
    screen.DrawLine(x - 3, y, x + 4, y);
    screen.DrawLine(x, y - 3, x, y + 3);
}

void WorldMapPanel::DrawSidePanel(Screen& screen) {
    const Graphic* picture = m_sidePanel.Get();
    if (!m_redrawSidePanel || picture == nullptr)
        return;
    m_redrawSidePanel = false;
    g_gameMode->InvalidateScreen();
    Graphic::SetBlitMode(0);
    picture->Draw(screen.GetSurface(), 0, 32);
    AddUpdate(Rect::Make(0, 32, picture->GetWidth(), 32 + picture->GetHeight()));
}
