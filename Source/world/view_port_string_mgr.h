#pragma once
// The game-wide list of short texts floating in the map view: scripts place them on the
// area map, each lasts a second of unpaused time unless placed again, and all are dropped
// when the game leaves the area map.

#include "Library/core/mem_mgr.h"
#include "Source/world/view_port_string.h"

#include <cstdint>

class GameMode;
class MapView;
class Screen;

class ViewPortStringMgr {
public:
    static constexpr int kInitialCapacity = 10;

    // The game mode gives the mode, the pause and the frame time; the view places the
    // strings; the screen's font height counts their lines. Each outlives the manager.
    ViewPortStringMgr(const GameMode& game, const MapView& view, const Screen& screen);
    ViewPortStringMgr(const ViewPortStringMgr&) = delete;
    ViewPortStringMgr& operator=(const ViewPortStringMgr&) = delete;
    virtual ~ViewPortStringMgr() = default;

    // Only on the area map. x is pixels from the view's left, y lines of text from its top;
    // the same text placed again at the same place lives another second instead.
    void Add(int x, int y, const Stringc& text);
    void Update(); // ages them unless paused; drops those whose time is up
    void Draw(Screen& screen) const;
    void Clear();
    void SetFont(uint8_t font) { m_font = font; } // for strings added later
    int Count() const { return m_strings.CountUsed(); }
    const ViewPortString* Get(int slot) const {
        return m_strings.IsUsed(slot) ? m_strings.Get(slot) : nullptr;
    }

private:
    const GameMode& m_game;
    const MapView& m_view;
    const Screen& m_screen;
    uint8_t m_font = 0;
    MemMgr<ViewPortString> m_strings;
};

// Made by the game's set-up.
extern ViewPortStringMgr* g_viewPortStringMgr;
