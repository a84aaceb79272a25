#pragma once
// A creature standing on a map. Until soldiers are built it acts as a plain queued entity
// that holds what the entity layer needs of it: its creature and its six script slots.

#include "Source/entities/queued_entity.h"

#include <memory>

class CreatureParts;
class ScriptMachine;

class SoldierEntity : public QueuedEntity {
public:
    static constexpr int kScriptSlots = 6;
    static constexpr int kEventSlots = 5; // slots 0-4 take the creature's events

    SoldierEntity(); // the script slots from the installed script machine factory
    ~SoldierEntity() override;

    bool IsDead() const { return GetRef().IsDead(); }
    ScriptMachine& GetScriptSlot(int slot) { return *m_scripts[slot]; } // 0-5

    CreatureParts* GetCreature() const { return m_creature; } // null until one is attached
    void AttachCreature(CreatureParts* creature) { m_creature = creature; } // not owned

private:
    std::unique_ptr<ScriptMachine> m_scripts[kScriptSlots];
    CreatureParts* m_creature = nullptr;
};
