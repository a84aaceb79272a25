// Ambient animations and towns: the cycle of loops, end and wait; the town's record and
// its discovery.
#include "Source/entities/cycle_entity.h"

#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/town_entity.h"
#include "entity_fakes.h"
#include "map_object_bytes.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using namespace testsupport;

// A torch of three frames and its end of two, each frame shown for no time.
class CycleTest : public ::testing::Test {
protected:
    CycleTest() {
        WriteAni(m_root, "torch", "misc_1", 3, 1, 0);
        WriteAni(m_root, "torch_end", "misc_1", 2, 1, 0);
        g_uniAnimationMgr = &m_pool;
        platform::SeedRand(7);
    }
    ~CycleTest() override { g_uniAnimationMgr = nullptr; }

    using Step = std::tuple<uint32_t, std::string, int>; // state, animation set, frame
    // What the cycle shows after each of the frames.
    static std::vector<Step> Run(CycleEntity& cycle, int frames, uint32_t frameMs) {
        std::vector<Step> steps;
        for (int frame = 0; frame < frames; ++frame) {
            cycle.Update(frameMs);
            steps.emplace_back(cycle.GetCycleState(),
                               cycle.GetAnimation().GetAnimationName().c_str(), cycle.GetFrame());
        }
        return steps;
    }

    ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
};

TEST_F(CycleTest, OneLoopPlaysItsLoopItsEndWaitsAndStartsAgain) {
    CycleEntity torch;
    torch.Init();
    const int owner = 0;
    torch.SetOwner(&owner);
    torch.Setup("torch", "torch_end", 1, 0.5f);
    // Frames of 600 ms: any wait drawn up to half a second ends in one.
    EXPECT_EQ(Run(torch, 8, 600), (std::vector<Step>{{2, "torch", 0},
                                                     {2, "torch", 1},
                                                     {2, "torch", 2},
                                                     {3, "torch_end", 0},
                                                     {3, "torch_end", 1},
                                                     {4, "torch_end", 1},
                                                     {0, "torch_end", 1},
                                                     {2, "torch", 0}}));
}

// One placed from its template plays once, then its empty end, and then its own animation
// for ever: restarting with an empty loop animation it would show nothing for good.
TEST_F(CycleTest, APlacedCycleStartsAgainWithItsOwnAnimation) {
    CycleEntity torch;
    torch.Init();
    ASSERT_TRUE(LoadFrom(torch, QueuedBarrel(5, Entity::kFlagShown, 0, "torch", 0)));
    const std::vector<Step> steps = Run(torch, 12, 33);
    EXPECT_EQ(steps[1], Step(2, "torch", 2));
    EXPECT_EQ(std::get<1>(steps[2]), ""); // the end animation, none

    EXPECT_EQ(std::get<0>(steps.back()), CycleEntity::kCycleLooping);
    EXPECT_EQ(std::get<1>(steps.back()), "torch");
    EXPECT_NE(torch.GetAnimation().GetAnimation(), nullptr);
}

Bytes TownRecord(const std::string& scriptName, uint8_t found) {
    return Concat({QueuedBarrel(11, Entity::kFlagShown),
                   Text("town"),
                   Text("Millbrook, by the river."),
                   Text(scriptName),
                   {found, 0x01}, // found, discoverable
                   U32(15)});     // difficulty
}

TEST(TownRecord, IsTheQueuedRecordThenTheTownsFieldsAndNeedsItsScript) {
    TownEntity unscripted; // no script machine that could load one
    EXPECT_FALSE(LoadFrom(unscripted, TownRecord("mill", 0)));
    CallLog log;
    RecordingScriptFactory scripts(log);
    for (const char* scriptName : {"mill", ""}) {
        TownEntity town;
        town.Init();
        const Bytes record = TownRecord(scriptName, 0);
        ASSERT_TRUE(LoadFrom(town, record)) << scriptName;
        EXPECT_STREQ(town.GetTownText().c_str(), "Millbrook, by the river.");
        EXPECT_FALSE(town.IsFound());
        EXPECT_EQ(town.GetCycleState(), CycleEntity::kCycleStart); // to loop for ever
        EXPECT_EQ(SavedForm(town), record);
    }
}

TEST(TownEntity, IsFoundByASearchFromCloserThanTenUnits) {
    CallLog log;
    const testsupport::FakeCreatureFactory creatures(&log);
    SoldierEntity searcher;
    searcher.Init();
    FakeCreature& creature = FakeCreature::Of(&searcher);
    const struct {
        float distance;
        bool found, discoverable, succeeds, result, tested;
    } cases[] = {
        {10.0f, false, true, true, false, false}, // exactly ten units
        {9.99f, false, true, true, true, true},   {5.0f, false, true, false, false, true},
        {1.0f, true, true, true, false, false},   {1.0f, false, false, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        log.clear();
        creature.skillSucceeds = c.succeeds;
        TownEntity town;
        town.Init();
        town.SetPosition(Vector(20, 20, 0));
        town.SetDiscovery(c.found, c.discoverable, 15);
        searcher.SetPosition(Vector(20 + c.distance, 20, 0));
        EXPECT_EQ(town.TryDiscover(searcher), c.result);
        EXPECT_EQ(town.IsFound(), c.result || c.found);
        EXPECT_EQ(log, c.tested ? CallLog{"skill 19 against 15"} : CallLog{});
    }
}

TEST(TownRecord, AScriptOrAnimationLeadingOutOfItsFolderIsRefused) {
    CallLog log;
    RecordingScriptFactory scripts(log);
    const Bytes record = TownRecord("mill", 0);
    for (const Bytes& forged : {WithText(record, "mill", "../mill"), WithText(record, "town", "/town")}) {
        TownEntity town;
        town.Init();
        EXPECT_FALSE(LoadFrom(town, forged));
    }
}

} // namespace
