#pragma once
// The grey of highlighted entities, taken once a frame from the game mode's pulse, and the
// drawing of highlights and of the party's speech bubbles.

#include <cstdint>

class EntityMgr;
class EntityPtrList;
class GameMode;
class Screen;

class EntityHighlighter {
public:
    void Update(); // the level := the game mode's pulse
    // Every used, shown entry under the mouse, its highlight in grey at the level less one.
    void DrawHighlighted(const EntityPtrList& list, Screen& screen) const;
    // Every soldier's speech bubble, in slot order, drawing kept to the map's view.
    void DrawPartyBubbles(EntityMgr& manager, const GameMode& game, Screen& screen) const;

    uint32_t GetLevel() const { return m_level; }

private:
    uint32_t m_level = 0;
};

extern EntityHighlighter* g_entityHighlighter;
