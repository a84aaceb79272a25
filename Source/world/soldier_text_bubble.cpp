#include "Source/world/soldier_text_bubble.h"

#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"

SoldierTextBubble::SoldierTextBubble(const SoldierEntity& soldier)
    : TextBubbleMgr(static_cast<const TextBubbleMgr::Speaker&>(*this)), m_soldier(soldier) {}

void SoldierTextBubble::Draw(Screen& screen) {
    const EntityMgr* manager = m_soldier.GetManager();
    const TileMap* map = manager ? manager->GetTileMap() : nullptr;
    if (map != nullptr)
        TextBubbleMgr::Draw(screen, *map, map->GetViewRect());
}

const Vector& SoldierTextBubble::GetPosition() const {
    return m_soldier.GetPosition();
}

float SoldierTextBubble::GetHeight() const {
    return 2.0f * m_soldier.GetRadius();
}
