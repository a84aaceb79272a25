#include "Source/world/region_mgr.h"

#include "Library/core/struct.h"
#include "Library/core/taglist.h"
#include "Library/core/tracked_new.h"
#include "Library/core/vector.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity.h"
#include "Source/entities/entity_highlighter.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/placed_entity_list.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/game_clock.h"
#include "Source/world/map_actions.h"
#include "Source/world/region_entity_store.h"
#include "Source/world/water_mgr.h"
#include "Source/world/weather_mgr.h"

#include <cstdio>

RegionMgr* g_regionMgr = nullptr;

namespace {

constexpr int kZoneTypes[] = {Entity::kTypeTrigger, Entity::kTypeContainerMap, Entity::kTypeDoor};
constexpr int kClockTextY = 180;
constexpr int kCrossHalf = 30;

} // namespace

RegionMgr::RegionMgr(const Services& services) : m_services(services) {
    GameMode& game = m_services.game;
    g_entityMgr = NEW EntityMgr(m_services.map);
    g_entryPtMgr = NEW EntryPtMgr;
    g_ambientSndMgr = NEW AmbientSndMgr(m_services.sound);
    g_waterMgr = NEW WaterMgr(game.Paths(), m_services.archive, game);
    if (m_services.map)
        m_services.map->SetWater(g_waterMgr);
    g_weatherMgr = NEW WeatherMgr(m_services.sound, m_services.map, *g_waterMgr, m_services.clock);
}

RegionMgr::~RegionMgr() {
    ReleaseObject(g_entityMgr);
    ReleaseObject(g_entryPtMgr);
    ReleaseObject(g_ambientSndMgr);
    if (m_services.map && m_services.map->GetWater() == g_waterMgr)
        m_services.map->SetWater(nullptr);
    ReleaseObject(g_waterMgr);
    ReleaseObject(g_weatherMgr);
}

void RegionMgr::SetParty(PartyServices* party) {
    m_party = party;
    g_entityMgr->SetParty(party);
}

void RegionMgr::Reset() {
    if (m_explosions)
        m_explosions->Clear();
    ReleaseObject(g_entityMgr);
    g_entityMgr = NEW EntityMgr(m_services.map, m_party);
    g_entryPtMgr->Clear();
    g_ambientSndMgr->Clear();
    g_weatherMgr->Reset();
}

// ---- the frame ----

void RegionMgr::UpdateScrolling() {
    TileMap* map = m_services.map;
    if (!map)
        return;
    if (MouseMgr* mouse = m_services.mouse) {
        Vector direction;
        float speed = 0;
        mouse->GetScrollVector(direction, speed);
        map->SetScroll(direction, speed);
    }
    map->UpdateScroll(m_services.game.GetFrameSeconds());
}

void RegionMgr::Update() {
    UpdateScrolling();
    if (m_services.highlighter)
        m_services.highlighter->Update();
    GameMode& game = m_services.game;
    if (game.IsPaused())
        return;
    const uint32_t frameMs = game.GetFrameMs();
    if (GameClock* clock = m_services.clock) {
        clock->SetSpeedMode(0);
        clock->Tick(frameMs, game.GetModeId());
    }
    g_weatherMgr->Update(frameMs);
    g_entityMgr->Update(frameMs);
    if (m_services.actions)
        m_services.actions->Update();
    if (m_services.map)
        g_ambientSndMgr->Update(m_services.map->ViewCentre(), frameMs);
    if (m_explosions)
        m_explosions->Update();
}

void RegionMgr::UpdateEditorView(bool sounds) {
    UpdateScrolling();
    if (sounds && m_services.map)
        g_ambientSndMgr->Update(m_services.map->ViewCentre(), m_services.game.GetFrameMs());
    else
        g_ambientSndMgr->StopAll();
}

void RegionMgr::DrawEntityZones(Screen& screen) {
    m_services.game.InvalidateRect(m_services.map->GetViewRect());
    for (const int type : kZoneTypes)
        g_entityMgr->DrawType(type, screen);
    m_services.game.InvalidateScreen();
}

void RegionMgr::Draw(Screen& screen) {
    TileMap* map = m_services.map;
    if (!map)
        return;
    map->Draw(screen, TileMap::kFogOfWar);
    DrawEntityZones(screen);
    map->DrawObjects(screen);
    if (m_services.highlighter)
        m_services.highlighter->DrawPartyBubbles(*g_entityMgr, m_services.game, screen);
    // The rain falls on the map alone, never on the play screen's bars around it.
    m_services.game.InvalidateRect(map->GetViewRect());
    g_weatherMgr->Draw(screen);
    m_services.game.InvalidateScreen();
}

void RegionMgr::DrawDebug(Screen& screen) {
    GameMode& game = m_services.game;
    TileMap* map = m_services.map;
    if (!game.IsDebugView() || !map)
        return;
    DrawEntityZones(screen);
    game.InvalidateRect(map->GetViewRect());
    g_entryPtMgr->DrawDebug(screen, *map);
    g_ambientSndMgr->DrawDebug(screen, *map, game.GetPulse());
    game.InvalidateScreen();
    map->DrawDebugInfo(screen);
    if (m_explosions)
        m_explosions->Draw(screen);
    const Rect& view = map->GetViewRect();
    if (m_services.clock)
        m_services.clock->Draw(view.x1, view.y1 + kClockTextY, screen);
    screen.Printf(400, 320, "Combat Counter: %d", g_entityMgr->GetCombatCountdown());
    int x = 0;
    int y = 0;
    WorldToPixel(*map, map->ViewCentre(), x, y);
    screen.SetDrawColour(Colour(255, 0, 255).Pack16());
    screen.DrawLine(x - kCrossHalf, y, x + kCrossHalf, y);
    screen.DrawLine(x, y - kCrossHalf, x, y + kCrossHalf);
}

// ---- the stored forms ----

bool RegionMgr::Save(Stream& stream) {
    return stream.CheckOpen() == kStreamOk && m_services.map &&
           m_services.entities.Save(*g_entityMgr, stream) &&
           m_services.map->WriteExplored(stream) && SaveSurroundings(stream);
}

bool RegionMgr::Load(Stream& stream) {
    Reset();
    return stream.CheckOpen() == kStreamOk && m_services.map &&
           m_services.entities.Load(*g_entityMgr, stream) && m_services.map->ReadExplored(stream) &&
           LoadSurroundings(stream);
}

bool RegionMgr::CheckState(Stream& stream, long cells) const {
    EntityMgr entities;
    TagList explored;
    return stream.CheckOpen() == kStreamOk && m_services.entities.Load(entities, stream) &&
           TileMap::ReadExploredList(stream, cells, explored) && CheckSurroundings(stream);
}

bool RegionMgr::SaveDefinition(Stream& stream, const EntityPtrList* placed) {
    return stream.CheckOpen() == kStreamOk &&
           m_services.entities.SaveDefinition(*g_entityMgr, stream, placed) &&
           SaveSurroundings(stream);
}

bool RegionMgr::LoadDefinition(Stream& stream, PlacedEntityList* placed) {
    Reset();
    return stream.CheckOpen() == kStreamOk &&
           m_services.entities.LoadDefinition(*g_entityMgr, stream, placed) &&
           LoadSurroundings(stream);
}

bool RegionMgr::SaveSurroundings(Stream& stream) {
    return g_weatherMgr->Save(stream) && g_entryPtMgr->Save(stream) &&
           g_ambientSndMgr->Write(stream);
}

bool RegionMgr::LoadSurroundings(Stream& stream) {
    return g_weatherMgr->Load(stream) && g_entryPtMgr->Load(stream) &&
           g_ambientSndMgr->Read(stream);
}

bool RegionMgr::CheckSurroundings(Stream& stream) {
    EntryPtMgr entries;
    SoundMgr* const silent = nullptr;
    AmbientSndMgr sounds(silent);
    return WeatherMgr::CheckStored(stream) && entries.Load(stream) && sounds.Read(stream);
}

bool RegionMgr::ReadRegData(const char* name, MemStream& data, Stringc& path) const {
    return MakeDataFilePath(&DataPaths::GetRegionDir, name, ".reg", path) &&
           LoadDataFile(path.c_str(), m_services.archive, data);
}

bool RegionMgr::LoadRegFile(const char* name, PlacedEntityList* placed) {
    Stringc path;
    MemStream data(kStreamReadBinary);
    if (!ReadRegData(name, data, path))
        return false;
    if (LoadDefinition(data, placed))
        return true;
    std::fprintf(stderr, "%s: the region is damaged or cut short\n", path.c_str());
    return false;
}

bool RegionMgr::ReadRegFileAside(const char* name, MemStream& data) const {
    Stringc path;
    if (!ReadRegData(name, data, path))
        return false;
    EntityMgr entities;
    PlacedEntityList placed;
    const bool read = data.CheckOpen() == kStreamOk &&
                      m_services.entities.LoadDefinition(entities, data, &placed) &&
                      CheckSurroundings(data);
    data.SeekSet(0);
    if (!read)
        std::fprintf(stderr, "%s: the region is damaged or cut short\n", path.c_str());
    return read;
}
