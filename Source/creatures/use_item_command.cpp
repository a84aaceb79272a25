#include "Source/creatures/use_item_command.h"

#include "Source/entities/carried_items.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

UseItemCommand::UseItemCommand(SoldierEntity& owner, Id id, Entity* item, State walking)
    : CreatureCommand(owner, id), m_walking(walking) {
    SetItem(item);
}

bool UseItemCommand::IsCarried() {
    CreatureParts* creature = Owner().GetCreature();
    const CarriedItems* carried = creature ? creature->GetCarried() : nullptr;
    return Checked(GetItem() != nullptr && carried != nullptr && carried->Contains(GetItem()));
}

bool UseItemCommand::Update() {
    return WalkStep(
        m_walking, kStart, [this] { return IsCarried(); }, [this] { return ReachAndUse(); });
}
