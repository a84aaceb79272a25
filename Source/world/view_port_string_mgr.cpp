#include "Source/world/view_port_string_mgr.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/screen.h"
#include "Library/world/game_mode.h"

ViewPortStringMgr* g_viewPortStringMgr = nullptr;

ViewPortStringMgr::ViewPortStringMgr(const GameMode& game, const MapView& view,
                                     const Screen& screen)
    : m_game(game), m_view(view), m_screen(screen), m_strings(kInitialCapacity) {}

void ViewPortStringMgr::Add(int x, int y, const Stringc& text) {
    if (m_game.GetModeId() != kModeAreaMap)
        return;
    const Vector offset = m_view.GetViewOffset();
    const int screenX = static_cast<int>(offset.x) + x;
    const int screenY = y * m_screen.FontHeight() + static_cast<int>(offset.y);
    const int slot = m_strings.FindUsed([&](const ViewPortString& entry) {
        return entry.position.x == screenX && entry.position.y == screenY && entry.text == text;
    });
    if (slot >= 0) {
        m_strings.Get(slot)->remaining = ViewPortString::kLifeSeconds;
        return;
    }
    ViewPortString& entry = *m_strings.Alloc();
    entry.position.x = screenX;
    entry.position.y = screenY;
    entry.text = text;
    entry.font = m_font;
    entry.remaining = ViewPortString::kLifeSeconds;
}

void ViewPortStringMgr::Update() {
    const bool paused = m_game.IsPaused();
    for (int slot = 0; slot < m_strings.GetCount(); ++slot) {
        if (!m_strings.IsUsed(slot))
            continue;
        ViewPortString& entry = *m_strings.Get(slot);
        if (!paused && entry.remaining > 0.0f)
            entry.remaining -= static_cast<float>(m_game.GetFrameSeconds());
        if (entry.remaining <= 0.0f)
            m_strings.Free(slot);
    }
}

void ViewPortStringMgr::Draw(Screen& screen) const {
    for (int slot = 0; slot < m_strings.GetCount(); ++slot)
        if (m_strings.IsUsed(slot))
            m_strings.Get(slot)->Draw(screen);
}

void ViewPortStringMgr::Clear() {
    m_strings.FreeAll();
}
