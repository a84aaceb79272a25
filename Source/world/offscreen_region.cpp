#include "Source/world/offscreen_region.h"

OffscreenRegion::OffscreenRegion(GameMode& game, ResFileMgr* archive, TileMap* map)
    : m_map(map), m_region({game, archive, m_map, m_sound, m_mouse, m_actions, m_highlighter,
                            m_clock, m_entities}) {}
