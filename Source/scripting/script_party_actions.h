#pragma once
// The party's commands to its members given through the creatures' script functions, which
// test their arguments first and refuse what does not suit the command.

#include "Source/world/party_actions.h"

class ScriptPartyActions : public PartyActions {
public:
    void Stop(SoldierEntity& member) override;
    bool GoToDest(SoldierEntity& member, const Vector& point) override;
    bool EscapeArea(SoldierEntity& member, bool leave) override;
    bool Attack(SoldierEntity& member, Entity* target) override;
    bool CollectItem(SoldierEntity& member, Entity* item) override;
    bool OpenTarget(SoldierEntity& member, Entity* target, bool open) override;
    bool StartDialogue(SoldierEntity& member, Entity* target, float distance) override;
    bool UseItemOn(SoldierEntity& member, ItemEntity* item, Entity* target) override;
    bool Cast(SoldierEntity& member, SpellAbility& spell) override;
    bool CastAtTarget(SoldierEntity& member, SpellAbility& spell, Entity* target) override;
    bool CastAtPoint(SoldierEntity& member, SpellAbility& spell, Entity* target,
                     const Vector& point) override;
};
