// The game's actions as a script calls them on the open meadow: every number with no
// arguments and with arguments of every kind, and the actions at the edges of what they
// accept.
#include "Source/world/entry_pt_mgr.h"
#include "recording_transitions.h"
#include "script_world.h"
#include "tools/templatewriter/template_writer.h"

#include <cmath>
#include <limits>
#include <map>
#include <utility>

using namespace testsupport;

namespace {

class ActionNatives : public ScriptWorld {
protected:
    void SetUp() override {
        ScriptWorld::SetUp();
        g_entryPtMgr = &m_entries;
        m_owner = Named("owner", 10, 10);
    }
    void TearDown() override {
        ScriptWorld::TearDown();
        g_entryPtMgr = nullptr;
    }

    // The action's result, called by a machine of the owner.
    static int32_t Act(Entity* owner, ScriptFuncHeader record) {
        GameVirtualMachine machine(owner);
        return machine.CallAction(record);
    }
    template <class... Arguments>
    static ScriptFuncHeader Action(int number, const Arguments&... a) {
        return ScriptBuilder::Header(kNativeAction, number, a...);
    }
    void Release(Entity* entity) {
        if (m_manager.IsLive(entity))
            m_manager.ReleaseEntity(entity);
    }

    RecordingTransitions m_transitions;
    EntryPtMgr m_entries; // a town made brings one of its name
    SoldierEntity* m_owner = nullptr;
};

bool HasNoNative(int number) {
    const auto within = [number](int low, int high) { return number >= low && number <= high; };
    return number < 0 || number > 507 || number == 102 || number == 223 || within(114, 211) ||
           within(226, 249) || within(255, 316) || within(334, 399) || within(404, 499);
}

// Each number is called with none, one, two, three and many arguments of every kind, once
// ordinary and once at the limits of their types: a native reads only what it asked for.
TEST_F(ActionNatives, EveryNumberAnswersWithoutHarmAndGapsDoNothing) {
    const std::map<int, int32_t> inert = {{0, 1},  {15, 0}, {17, 0}, {20, 1},
                                          {21, 0}, {25, 0}, {224, 1}};
    const double huge = std::numeric_limits<double>::max(), nan = std::nan("");
    const float wide = std::numeric_limits<float>::max();
    const double limits[] = {nan, huge, -huge};
    const auto record = [&](int number, int count, bool atLimits) {
        ScriptFuncHeader header = Action(number);
        for (int i = 0; i < count; ++i) {
            header.AddNumber(atLimits ? limits[i % 3] : i + 2);
            header.AddString(atLimits ? "" : "troll");
            header.AddObject(Pattern("troll"));
            header.AddVector(atLimits ? Vector(wide, -wide, nan) : Vector(20, 12, 0));
        }
        return header;
    };
    for (int number = -5; number <= 600; ++number) {
        SCOPED_TRACE(number);
        SoldierEntity* owner = Named("owner", 10, 10);
        SoldierEntity* target = Named("troll", 12, 10);
        for (int count : {0, 1, 2, 3, 8})
            for (bool atLimits : {false, true}) {
                const int32_t result = Act(owner, record(number, count, atLimits));
                if (HasNoNative(number)) {
                    EXPECT_EQ(result, 0);
                } else if (inert.count(number) > 0) {
                    EXPECT_EQ(result, inert.at(number));
                }
            }
        Release(owner);
        Release(target);
    }
}

// What each answers where the cases lie: facings held within 0 to 7, towns only
// inside the map, the message box answered without a play screen, slots that exist, and
// transitions handed to the load-and-save manager by their kinds.
TEST_F(ActionNatives, ActionsHoldTheirArgumentsWithinWhatTheyAccept) {
    EXPECT_EQ(Act(m_owner, Action(10, 12)), 3);
    EXPECT_EQ(m_owner->GetDirection(), 7);
    EXPECT_EQ(Act(m_owner, Action(10, -3)), 3);
    EXPECT_EQ(m_owner->GetDirection(), 0);
    EXPECT_EQ(Act(m_owner, Action(4, "Hm.")), 1);
    EXPECT_EQ(BubbleOf(m_owner).said, std::vector<std::string>{"alt Hm."});
    EXPECT_EQ(Act(m_owner, Action(105, "Hello")), 3) << "no play screen";
    EXPECT_EQ(Act(m_owner, Action(64, 16)), 1) << "an empty slot";
    EXPECT_EQ(Act(m_owner, Action(64, 17)), 0) << "no slot 17";

    ASSERT_TRUE(TemplateWriter::Write(Entity::kTypeTown, "hamlet", [](Entity&) {}));
    for (const Vector& outside : {Vector(-1, 5, 0), Vector(64, 5, 0), Vector(5, 64, 0)})
        EXPECT_EQ(Act(m_owner, Action(92, "hamlet", outside, 1, 1, 5)), 0);
    EXPECT_EQ(m_entries.Count(), 0);
    EXPECT_EQ(Act(m_owner, Action(92, "hamlet.dat", Vector(63.9f, 0, 0), 1, 1, 5)), 1);
    EXPECT_NE(m_entries.FindByName("hamlet"), nullptr) << "named without its extension";

    const std::pair<ScriptFuncHeader, const char*> transitions[] = {
        {Action(216, "demo", "gate"), "PAGE_TO_MAP demo gate"},
        {Action(217, "cave", "cave_map", "in"), "PAGE_TO_TEMP_MAP cave cave_map in"},
        {Action(218, "world", "mill"), "PAGE_TO_WORLD world mill"},
        {Action(219, "demo", "gate"), "MAP_TO_MAP demo gate"},
        {Action(220, "ending"), "MAP_TO_PAGE ending"},
        {Action(221, "world", "mill"), "MAP_TO_WORLD world mill"},
        {Action(222, "demo", "gate"), ""},
        {Action(225, "world", "mill"), "TEMP_MAP_TO_WORLD world mill"},
    };
    for (const auto& [record, request] : transitions) {
        SCOPED_TRACE(request);
        EXPECT_EQ(Act(m_owner, record), 1);
        EXPECT_EQ(std::exchange(m_transitions.requests, ""), request);
    }
}

// Natives 1 and 2 hand a record of the calling script's own table to the first script of
// a creature: queued there as its own action, or called at once.
TEST_F(ActionNatives, ACreatureRunsTheRecordAnotherScriptHandsIt) {
    SoldierEntity* troll = Named("troll", 12, 10);
    Install(SlotOf(troll), ScriptBuilder("idle").End());
    const auto relay = [](int native, int index) {
        ScriptFuncHeader record = Action(native, Pattern("troll"));
        record.SetReserved(index);
        return record;
    };
    ScriptBuilder script("relays");
    for (const ScriptFuncHeader& record :
         {Action(317, "Grim"), Action(318, "A troll."), relay(1, 0), relay(2, 1), relay(2, 2),
          relay(1, 5), relay(1, 8), relay(2, -1)})
        script.Call(record);
    GameVirtualMachine machine(m_owner);
    Install(machine, script.End());
    const auto call = [&machine](int index) {
        ScriptFuncHeader record = machine.GetHeaders().At(index);
        return machine.CallAction(record);
    };

    EXPECT_EQ(call(2), 1);
    EXPECT_STREQ(troll->GetDisplayName().c_str(), "") << "queued, not yet run";
    SlotOf(troll).Update(0);
    EXPECT_STREQ(troll->GetDisplayName().c_str(), "Grim");
    EXPECT_EQ(call(3), 1);
    EXPECT_STREQ(troll->GetDescription().c_str(), "A troll.");
    EXPECT_EQ(call(4), 0) << "a relay of a relay";
    EXPECT_EQ(call(5), 0) << "a relay of itself";
    EXPECT_EQ(call(6), 0) << "past the table";
    EXPECT_EQ(call(7), 0) << "before the table";
    EXPECT_FALSE(SlotOf(troll).IsBusy());
}

} // namespace
