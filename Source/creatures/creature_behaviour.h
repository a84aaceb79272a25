#pragma once
// A creature's behaviour: the holder of its one current command, run once a frame after the
// creature's orders, and of the status its scripts read: 1 while nothing was asked or the
// last command succeeded, 0 when it failed or could not be made, 3 while one runs.
//
// The arguments each command id takes (a, b, c, then the flag):
//   1 WAIT seconds;  2 WANDER, 0 NONE, 6 CHARGE, 17 FOLLOW_WAY_POINTS nothing;
//   3 ATTACK, 4 ATTACK_ONE_ROUND target;  5 ATTACK_REEVALUATE target, seconds;
//   7 PROTECT_TARGET creature;  8 PROTECT_POINT point, radius;
//   9 EVADE_TARG target, seconds;  10 EVADE_PT point, seconds;  11 ESCAPE_AREA leave (0/1);
//   12 GO_TO_DEST, 14 (and leave the map) point;  13 GO_TO_DEST_OFFSET point, offset;
//   15 GO_TO_TARG target, range;  16 GO_TO_TARG_OFFSET target, offset;
//   18 COLLECT_ITEM_MAP item;  19 COLLECT_ITEM_TARG item, holder;
//   20 USE_ITEM_POINT item, point;  21 USE_ITEM_TARG item, target;
//   22 SPELL spell, number;  23 SPELL_POINT spell, target, point, flag;
//   24 SPELL_TARGET spell, target, number;
//   25 OPEN_TARG target, argument;  26 GO_TO_TARG_START_DIALOGUE target, distance.

#include "Source/entities/creature_commands.h"

#include <memory>

class CreatureCommand;
class SoldierEntity;

class CreatureBehaviour : public CreatureCommands {
public:
    explicit CreatureBehaviour(SoldierEntity& owner); // the owner outlives it
    CreatureBehaviour(const CreatureBehaviour&) = delete;
    CreatureBehaviour& operator=(const CreatureBehaviour&) = delete;
    ~CreatureBehaviour() override;

    // The command is dropped without stopping the creature; status 1.
    void ClearCommand() override;
    // The id's command replaces the current one, its status its outcome; an id of 27 or
    // more makes none and leaves the current one running, the status that one's outcome
    // (0 without one).
    void SetCommand(int id, const CommandArg& a, const CommandArg& b, const CommandArg& c,
                    int flag) override;
    // The command's frame; once it ends the status records whether it succeeded, the
    // creature is stopped and the command goes. A command that has lost an entity it holds
    // ends failed without running.
    void Update() override;
    uint8_t GetStatus() const override { return m_status; }
    void Describe(int x, int y, Screen& screen) const override;

    const CreatureCommand* GetCommand() const { return m_command.get(); } // null: none

private:
    // A command replaced or cleared while it runs is kept until its frame is over.
    void Retire();

    SoldierEntity& m_owner;
    std::unique_ptr<CreatureCommand> m_command;
    std::unique_ptr<CreatureCommand> m_retired;
    bool m_updating = false;
    uint8_t m_status = kStatusDone;
};
