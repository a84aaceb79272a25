// The behaviour and what every command shares: the status the scripts read, the ids that
// make nothing, the limit on repeated path requests, the chase of a target out of sight,
// the action timer's hold, and targets released under a running command.
#include "Source/creatures/creature_behaviour.h"

#include "behaviour_world.h"

#include <gtest/gtest.h>

namespace {

using Command = CreatureCommand;

class CreatureBehaviourTest : public testsupport::BehaviourWorld {};

TEST_F(CreatureBehaviourTest, StatusIsDoneWithoutACommandRunningWhileOneRunsThenItsResult) {
    SoldierEntity* walker = Placed(10.5f, 10.5f);
    Step(walker);
    EXPECT_EQ(Status(walker), 1);

    const Vector goal(14.5f, 10.5f, 0);
    walker->IssueCommand(Command::kGoToDest, goal);
    EXPECT_EQ(Status(walker), 3);
    ASSERT_TRUE(RunUntilDone(walker, 300));
    EXPECT_EQ(Status(walker), 1);
    EXPECT_LT((walker->GetPosition() - goal).Length(), 0.5f);

    Wall(13, 9, 15, 11); // no walkable cell at or next to the walker: no path anywhere
    walker->IssueCommand(Command::kGoToDest, Vector(30.5f, 30.5f, 0));
    Step(walker);
    EXPECT_EQ(State(walker), kNoCommand);
    EXPECT_EQ(Status(walker), 0);
}

// An unknown id leaves the command in place, the status its outcome; the plain and the
// charge commands end their state but stay until replaced.
TEST_F(CreatureBehaviourTest, UnknownIdsMakeNothingAndPlaceholdersStayUntilReplaced) {
    SoldierEntity* soldier = Placed(10.5f, 10.5f);
    soldier->IssueCommand(27);
    EXPECT_EQ(Status(soldier), 0);

    soldier->IssueCommand(Command::kWait, 10.0f);
    const CreatureCommand* waiting = BehaviourOf(soldier).GetCommand();
    soldier->IssueCommand(27);
    EXPECT_EQ(BehaviourOf(soldier).GetCommand(), waiting);
    EXPECT_EQ(Status(soldier), 3);

    for (int id : {Command::kNone, Command::kCharge}) {
        soldier->IssueCommand(id);
        Step(soldier, 3);
        EXPECT_EQ(State(soldier), Command::kEnd) << id;
        EXPECT_EQ(Status(soldier), 3) << id;
    }
    soldier->ClearCommand();
    EXPECT_EQ(State(soldier), kNoCommand);
    EXPECT_EQ(Status(soldier), 1);
}

class RepathProbe : public CreatureCommand {
public:
    using CreatureCommand::CanRepath;
    using CreatureCommand::CreatureCommand;
    using CreatureCommand::ResetRepath;
};

// One goal may be asked for once and repeated three times; another goal, or a reset,
// starts the count again.
TEST_F(CreatureBehaviourTest, TheFifthIdenticalPathRequestIsRefused) {
    SoldierEntity* soldier = Placed(10.5f, 10.5f);
    SoldierEntity* other = Placed(20.5f, 10.5f);
    RepathProbe probe(*soldier);
    const Vector here(5, 5, 0), there(6, 5, 0);
    for (int request = 0; request < 6; ++request)
        EXPECT_EQ(probe.CanRepath(nullptr, here), request < 4) << request;
    EXPECT_TRUE(probe.CanRepath(nullptr, there));
    EXPECT_TRUE(probe.CanRepath(nullptr, here));
    for (int request = 0; request < 5; ++request)
        EXPECT_EQ(probe.CanRepath(other, here), request < 4) << request;
    probe.ResetRepath();
    EXPECT_TRUE(probe.CanRepath(other, here));
}

// Behind a wall, a target within 6 units of the attacker is chased where it stands, one
// farther away where it was last seen.
TEST_F(CreatureBehaviourTest, ATargetOutOfSightIsChasedWhereItIsOnlyWithinSix) {
    Wall(12, 2, 12, 18);
    const Vector seen(10.5f, 15.5f, 0);
    struct Case {
        Vector hidden;
        Vector goal;
    };
    const Case cases[] = {{Vector(13.5f, 10.5f, 0), Vector(13.5f, 10.5f, 0)},
                          {Vector(20.5f, 10.5f, 0), seen}};
    for (const Case& c : cases) {
        SoldierEntity* attacker = Placed(10.5f, 10.5f);
        Arm(attacker);
        SoldierEntity* target = Placed(seen.x, seen.y, kPlayerSide);
        attacker->IssueCommand(Command::kAttack, target);
        target->SetPosition(c.hidden);
        Step(attacker);
        EXPECT_EQ(State(attacker), Command::kPathingToLastTargPos);
        EXPECT_LT((attacker->GetPath().GetGoal() - c.goal).Length(), 2.5f); // a free spot
        m_manager.ReleaseEntity(attacker);
        m_manager.ReleaseEntity(target);
    }
}

TEST_F(CreatureBehaviourTest, WaitCountsOnlyWhileTheActionTimerIsStill) {
    SoldierEntity* soldier = Placed(10.5f, 10.5f);
    DataOf(soldier).AddTimer(1.0f, true);
    soldier->IssueCommand(Command::kWait, 0.1f);
    while (DataOf(soldier).GetTimer().GetSeconds() > 0.0f) {
        m_manager.Update(kFrameMs);
        ASSERT_EQ(State(soldier), Command::kStart);
    }
    int frames = 0;
    while (State(soldier) != kNoCommand && frames < 100) {
        m_manager.Update(kFrameMs);
        ++frames;
    }
    EXPECT_EQ(frames, 4); // 0.1 s in frames of 33 ms, once the timer reads 0
    EXPECT_EQ(Status(soldier), 1);
}

// Each command holding the target is under way when the target is handed back to the
// manager and its object handed out again as another creature; the next step fails the
// command rather than follow the stale pointer.
TEST_F(CreatureBehaviourTest, ATargetReleasedUnderACommandFailsIt) {
    const std::pair<int, float> issued[] = {
        {Command::kAttack, 0.0f},     {Command::kProtectTarget, 0.0f},
        {Command::kEvadeTarg, 30.0f}, {Command::kGoToTarg, 1.0f},
        {Command::kOpenTarg, 0.0f},   {Command::kGoToTargStartDialogue, 1.0f}};
    for (const auto& [id, second] : issued) {
        SoldierEntity* owner = Placed(10.5f, 10.5f);
        Arm(owner);
        SoldierEntity* target = Placed(20.5f, 10.5f, kPlayerSide);
        owner->IssueCommand(id, target, second);
        Step(owner);
        ASSERT_NE(State(owner), kNoCommand) << id;
        m_manager.ReleaseEntity(target);
        SoldierEntity* newcomer = Placed(20.5f, 10.5f, kPlayerSide); // in the freed slot
        Step(owner);
        EXPECT_EQ(State(owner), kNoCommand) << id;
        EXPECT_EQ(Status(owner), 0) << id;
        m_manager.ReleaseEntity(newcomer);
        m_manager.ReleaseEntity(owner);
    }
}

// Walled in, neither finds a path and both leave the map anyway: not under their own
// command's feet, but at the start of the manager's next frame.
TEST_F(CreatureBehaviourTest, ACreatureThatLeavesTheMapGoesAtTheNextFrame) {
    Wall(9, 9, 11, 11);
    for (int id : {Command::kEscapeArea, Command::kGoToDestAndLeave}) {
        SoldierEntity* leaver = Placed(10.5f, 10.5f);
        leaver->IssueCommand(id, id == Command::kEscapeArea ? CommandArg(1) : Vector(30, 30, 0));
        Step(leaver);
        EXPECT_EQ(State(leaver), kNoCommand) << id;
        EXPECT_TRUE(m_manager.IsSoldierLive(leaver)) << id;
        m_manager.Update(kFrameMs);
        EXPECT_FALSE(m_manager.IsSoldierLive(leaver)) << id;
    }
}

} // namespace
