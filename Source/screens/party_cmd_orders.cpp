#include "Source/screens/party_cmd_orders.h"

#include "Source/entities/soldier_entity.h"
#include "Source/world/party_cmd.h"
#include "Source/world/party_mgr.h"

namespace {

// Null for anything but a creature, which every order refuses.
SoldierEntity* Character(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    Entity::AsSoldier(entity, &soldier);
    return soldier;
}

} // namespace

Entity* PartyCmdOrders::GetActiveMember() const {
    return m_party.GetLeader();
}

void PartyCmdOrders::LevelUpMembers() {
    m_party.LevelUpMembers();
}

bool PartyCmdOrders::HasLevelUpPending() const {
    int slot = 0;
    return m_party.GetFirstLevelUpPending(slot);
}

bool PartyCmdOrders::ToggleRun(Entity* character) {
    return PartyCmd::ToggleRun(Character(character));
}

bool PartyCmdOrders::NextHand(Entity* character) {
    return PartyCmd::NextHand(Character(character));
}

bool PartyCmdOrders::PrevHand(Entity* character) {
    return PartyCmd::PrevHand(Character(character));
}

bool PartyCmdOrders::TurnNext(Entity* character) {
    return PartyCmd::TurnNext(Character(character));
}

bool PartyCmdOrders::TurnPrev(Entity* character) {
    return PartyCmd::TurnPrev(Character(character));
}

bool PartyCmdOrders::NextItemEntry(Entity* character) {
    return PartyCmd::NextItemEntry(Character(character));
}

bool PartyCmdOrders::ReloadWeapon(Entity* character) {
    return PartyCmd::ReloadWeapon(Character(character));
}

bool PartyCmdOrders::Rest(Entity* character) {
    return PartyCmd::Rest(Character(character));
}

bool PartyCmdOrders::WalkToMouse(Entity* character) {
    return PartyCmd::WalkToMouse(Character(character));
}

bool PartyCmdOrders::Examine(Entity* entity) {
    return PartyCmd::Examine(entity);
}

bool PartyCmdOrders::PickUp(Entity* character, Entity* item) {
    return PartyCmd::PickUp(Character(character), item);
}

bool PartyCmdOrders::Attack(Entity* character, Entity* target) {
    return PartyCmd::Attack(Character(character), target);
}

bool PartyCmdOrders::CastSpell(Entity* character, int spellId, Entity* target,
                               const Vector& point) {
    return PartyCmd::CastSpell(Character(character), static_cast<uint32_t>(spellId), target, point);
}

bool PartyCmdOrders::Open(Entity* character, Entity* target) {
    return PartyCmd::Open(Character(character), target);
}

bool PartyCmdOrders::Talk(Entity* character, Entity* target, float distance) {
    return PartyCmd::Talk(Character(character), target, distance);
}

bool PartyCmdOrders::UseItemOn(Entity* character, ItemEntity* item, Entity* target) {
    return PartyCmd::UseItemOn(Character(character), item, target);
}
