#pragma once
// The creatures' commands the party asks for, recorded; the messages for the player and the
// journeys are the entities' recording fakes.

#include "Library/core/vector.h"
#include "Source/entities/entity_fakes.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/party_actions.h"

#include <set>
#include <string>
#include <vector>

namespace testsupport {

// Every command is accepted, or refused for the members in refused.
class RecordingActions : public PartyActions {
public:
    void Stop(SoldierEntity& member) override {
        member.StopMoving();
        member.ClearCommand();
        Note("stop", member);
    }
    bool GoToDest(SoldierEntity& member, const Vector& point) override {
        destination = point;
        return Note("go", member);
    }
    bool EscapeArea(SoldierEntity& member, bool) override { return Note("escape", member); }
    bool Attack(SoldierEntity& member, Entity*) override { return Note("attack", member); }
    bool CollectItem(SoldierEntity& member, Entity*) override { return Note("collect", member); }
    bool OpenTarget(SoldierEntity& member, Entity*, bool open) override {
        return Note(open ? "open" : "close", member);
    }
    bool StartDialogue(SoldierEntity& member, Entity*, float) override {
        return Note("talk", member);
    }
    bool UseItemOn(SoldierEntity& member, ItemEntity*, Entity*) override {
        return Note("use", member);
    }
    bool Cast(SoldierEntity& member, SpellAbility&) override { return Note("cast", member); }
    bool CastAtTarget(SoldierEntity& member, SpellAbility&, Entity*) override {
        return Note("cast at target", member);
    }
    bool CastAtPoint(SoldierEntity& member, SpellAbility&, Entity*, const Vector&) override {
        return Note("cast at point", member);
    }

    std::set<const SoldierEntity*> refused;
    std::vector<std::string> done; // "what by whom"
    Vector destination;

private:
    bool Note(const char* what, SoldierEntity& member) {
        done.push_back(std::string(what) + " by " + member.GetDisplayName().c_str());
        return refused.count(&member) == 0;
    }
};

} // namespace testsupport
