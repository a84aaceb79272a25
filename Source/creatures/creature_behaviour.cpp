#include "Source/creatures/creature_behaviour.h"

#include "Source/creatures/attack_command.h"
#include "Source/creatures/attack_one_round_command.h"
#include "Source/creatures/attack_reevaluate_command.h"
#include "Source/creatures/charge_command.h"
#include "Source/creatures/collect_item_map_command.h"
#include "Source/creatures/collect_item_targ_command.h"
#include "Source/creatures/escape_area_command.h"
#include "Source/creatures/evade_pt_command.h"
#include "Source/creatures/evade_targ_command.h"
#include "Source/creatures/follow_way_points_command.h"
#include "Source/creatures/go_to_dest_and_leave_command.h"
#include "Source/creatures/go_to_dest_offset_command.h"
#include "Source/creatures/go_to_targ_command.h"
#include "Source/creatures/go_to_targ_offset_command.h"
#include "Source/creatures/go_to_targ_start_dialogue_command.h"
#include "Source/creatures/open_targ_command.h"
#include "Source/creatures/protect_point_command.h"
#include "Source/creatures/protect_target_command.h"
#include "Source/creatures/spell_command.h"
#include "Source/creatures/spell_point_command.h"
#include "Source/creatures/spell_target_command.h"
#include "Source/creatures/use_item_point_command.h"
#include "Source/creatures/use_item_targ_command.h"
#include "Source/creatures/wait_command.h"
#include "Source/creatures/wander_command.h"
#include "Source/entities/soldier_entity.h"

namespace {

constexpr int kLeaveFlagBits = 0xFF;

using Command = std::unique_ptr<CreatureCommand>;

Command MakeCommand(int id, SoldierEntity& owner, const CommandArg& a, const CommandArg& b,
                    const CommandArg& c, int flag) {
    switch (id) {
    case CreatureCommand::kNone:
        return std::make_unique<CreatureCommand>(owner);
    case CreatureCommand::kWait:
        return std::make_unique<WaitCommand>(owner, a.AsNumber());
    case CreatureCommand::kWander:
        return std::make_unique<WanderCommand>(owner);
    case CreatureCommand::kAttack:
        return std::make_unique<AttackCommand>(owner, a.AsEntity());
    case CreatureCommand::kAttackOneRound:
        return std::make_unique<AttackOneRoundCommand>(owner, a.AsEntity());
    case CreatureCommand::kAttackReevaluate:
        return std::make_unique<AttackReevaluateCommand>(owner, a.AsEntity(), b.AsNumber());
    case CreatureCommand::kCharge:
        return std::make_unique<ChargeCommand>(owner);
    case CreatureCommand::kProtectTarget:
        return std::make_unique<ProtectTargetCommand>(owner, a.AsEntity());
    case CreatureCommand::kProtectPoint:
        return std::make_unique<ProtectPointCommand>(owner, a.AsPoint(), b.AsNumber());
    case CreatureCommand::kEvadeTarg:
        return std::make_unique<EvadeTargCommand>(owner, a.AsEntity(), b.AsNumber());
    case CreatureCommand::kEvadePt:
        return std::make_unique<EvadePtCommand>(owner, a.AsPoint(), b.AsNumber());
    case CreatureCommand::kEscapeArea:
        return std::make_unique<EscapeAreaCommand>(owner, (a.AsInt() & kLeaveFlagBits) != 0);
    case CreatureCommand::kGoToDest:
        return std::make_unique<GoToDestCommand>(owner, a.AsPoint());
    case CreatureCommand::kGoToDestOffset:
        return std::make_unique<GoToDestOffsetCommand>(owner, a.AsPoint(), b.AsPoint());
    case CreatureCommand::kGoToDestAndLeave:
        return std::make_unique<GoToDestAndLeaveCommand>(owner, a.AsPoint());
    case CreatureCommand::kGoToTarg:
        return std::make_unique<GoToTargCommand>(owner, a.AsEntity(), b.AsNumber());
    case CreatureCommand::kGoToTargOffset:
        return std::make_unique<GoToTargOffsetCommand>(owner, a.AsEntity(), b.AsPoint());
    case CreatureCommand::kFollowWayPoints:
        return std::make_unique<FollowWayPointsCommand>(owner);
    case CreatureCommand::kCollectItemMap:
        return std::make_unique<CollectItemMapCommand>(owner, a.AsEntity());
    case CreatureCommand::kCollectItemTarg:
        return std::make_unique<CollectItemTargCommand>(owner, a.AsEntity(), b.AsEntity());
    case CreatureCommand::kUseItemPoint:
        return std::make_unique<UseItemPointCommand>(owner, a.AsEntity(), b.AsPoint());
    case CreatureCommand::kUseItemTarg:
        return std::make_unique<UseItemTargCommand>(owner, a.AsEntity(), b.AsEntity());
    case CreatureCommand::kSpell:
        return std::make_unique<SpellCommand>(owner, a.AsSpell(), b.AsInt());
    case CreatureCommand::kSpellPoint:
        return std::make_unique<SpellPointCommand>(owner, a.AsSpell(), b.AsEntity(), c.AsPoint(),
                                                   flag);
    case CreatureCommand::kSpellTarget:
        return std::make_unique<SpellTargetCommand>(owner, a.AsSpell(), b.AsEntity(), c.AsInt());
    case CreatureCommand::kOpenTarg:
        return std::make_unique<OpenTargCommand>(owner, a.AsEntity(), b.AsInt());
    case CreatureCommand::kGoToTargStartDialogue:
        return std::make_unique<GoToTargStartDialogueCommand>(owner, a.AsEntity(), b.AsNumber());
    default:
        return nullptr;
    }
}

} // namespace

CreatureBehaviour::CreatureBehaviour(SoldierEntity& owner) : m_owner(owner) {}

CreatureBehaviour::~CreatureBehaviour() = default;

void CreatureBehaviour::Retire() {
    if (m_updating && m_retired == nullptr)
        m_retired = std::move(m_command);
    else
        m_command.reset();
}

void CreatureBehaviour::ClearCommand() {
    Retire();
    m_status = kStatusDone;
}

void CreatureBehaviour::SetCommand(int id, const CommandArg& a, const CommandArg& b,
                                   const CommandArg& c, int flag) {
    if (id < 0 || id >= static_cast<int>(CreatureCommand::kIdCount)) {
        m_status = m_command ? m_command->GetOutcome() : kStatusFailed;
        return;
    }
    Retire();
    m_command = MakeCommand(id, m_owner, a, b, c, flag);
    m_status = m_command ? m_command->GetOutcome() : kStatusFailed;
}

void CreatureBehaviour::Update() {
    if (m_command == nullptr)
        return;
    const CreatureCommand* running = m_command.get();
    m_updating = true;
    bool goesOn = false;
    if (m_command->LostEntity())
        m_command->Abandon();
    else
        goesOn = m_command->Update();
    m_updating = false;
    m_retired.reset();
    if (m_command.get() != running || goesOn)
        return;
    m_status =
        m_command->GetOutcome() == CreatureCommand::kOutcomeNormal ? kStatusDone : kStatusFailed;
    m_owner.ClearAll();
    m_command.reset();
}

void CreatureBehaviour::Describe(int x, int y, Screen& screen) const {
    if (m_command)
        m_command->Describe(x, y, screen);
}
