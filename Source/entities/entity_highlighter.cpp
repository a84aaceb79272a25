#include "Source/entities/entity_highlighter.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/speech_bubble.h"
#include "Source/entities/view_transform.h"

EntityHighlighter* g_entityHighlighter = nullptr;

void EntityHighlighter::Update() {
    m_level = static_cast<uint32_t>(CurrentPulse());
}

void EntityHighlighter::DrawHighlighted(const EntityPtrList& list, Screen& screen) const {
    const uint8_t grey = static_cast<uint8_t>(m_level - 1);
    list.ForEachUsed([&](Entity& entity) {
        if (entity.IsHidden() || !entity.HasAnyFlag(Entity::kFlagMouseOver))
            return;
        screen.SetDrawColour(Colour(grey, grey, grey).Pack16());
        entity.DrawHighlight(screen);
    });
}

void EntityHighlighter::DrawPartyBubbles(EntityMgr& manager, const GameMode& game,
                                         Screen& screen) const {
    if (const TileMap* map = manager.GetTileMap())
        game.InvalidateRect(map->GetViewRect());
    for (int slot = 0; slot < manager.GetSlotCount(Entity::kTypeSoldier); ++slot) {
        SoldierEntity* soldier = nullptr;
        if (manager.IsSlotUsed(Entity::kTypeSoldier, slot) &&
            Entity::AsSoldier(manager.GetEntity(Entity::kTypeSoldier, slot), &soldier))
            soldier->GetSpeechBubble().Draw(screen);
    }
}
