#pragma once
// What the party asks of its members' creatures: the script functions that stop a creature
// or issue it a command. The game's scripting installs its functions at set-up; without
// them a member does nothing it is asked.

class Entity;
class ItemEntity;
class SoldierEntity;
class SpellAbility;
class Vector;

class PartyActions {
public:
    virtual ~PartyActions() = default;

    // Its movement stopped, its orders, events and command cleared.
    virtual void Stop(SoldierEntity& member) = 0;
    // Each false when the command is refused: its arguments do not suit it.
    virtual bool GoToDest(SoldierEntity& member, const Vector& point) = 0;
    virtual bool EscapeArea(SoldierEntity& member, bool leave) = 0;
    virtual bool Attack(SoldierEntity& member, Entity* target) = 0;
    virtual bool CollectItem(SoldierEntity& member, Entity* item) = 0;
    virtual bool OpenTarget(SoldierEntity& member, Entity* target, bool open) = 0;
    virtual bool StartDialogue(SoldierEntity& member, Entity* target, float distance) = 0;
    virtual bool UseItemOn(SoldierEntity& member, ItemEntity* item, Entity* target) = 0;
    // The spell's charge is used.
    virtual bool Cast(SoldierEntity& member, SpellAbility& spell) = 0;
    virtual bool CastAtTarget(SoldierEntity& member, SpellAbility& spell, Entity* target) = 0;
    virtual bool CastAtPoint(SoldierEntity& member, SpellAbility& spell, Entity* target,
                             const Vector& point) = 0;
};

// Installed by the game's scripting at set-up; null: none.
extern PartyActions* g_partyActions;
