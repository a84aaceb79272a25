#pragma once
// The speech bubble of a creature standing on a map: drawn above it on its manager's
// tile map, within the map's view.

#include "Source/world/text_bubble_mgr.h"

class SoldierEntity;

class SoldierTextBubble : private TextBubbleMgr::Speaker, public TextBubbleMgr {
public:
    explicit SoldierTextBubble(const SoldierEntity& soldier); // the soldier outlives it

    void Draw(Screen& screen) override; // nothing off a map

private:
    const Vector& GetPosition() const override;
    float GetHeight() const override; // the creature stands twice its radius tall

    const SoldierEntity& m_soldier;
};
