#pragma once
// A region manager for reading and writing regions away from play (the demo world's
// builder, checks of region files): no sound, mouse, map actions, highlight or clock, and
// a map only when one is given for its entities to stand on.
// Like the game's, it holds the region's managers in their globals while it lives.

#include "Source/world/entity_mgr_store.h"
#include "Source/world/region_mgr.h"

class GameMode;
class ResFileMgr;

class OffscreenRegion {
public:
    // The game mode gives the data paths; the archive serves the region files when they say.
    OffscreenRegion(GameMode& game, ResFileMgr* archive, TileMap* map = nullptr);
    OffscreenRegion(const OffscreenRegion&) = delete;
    OffscreenRegion& operator=(const OffscreenRegion&) = delete;

    RegionMgr& Get() { return m_region; }

private:
    TileMap* m_map;
    SoundMgr* m_sound = nullptr;
    MouseMgr* m_mouse = nullptr;
    MapActions* m_actions = nullptr;
    EntityHighlighter* m_highlighter = nullptr;
    GameClock* m_clock = nullptr;
    EntityMgrStore m_entities;
    RegionMgr m_region;
};
