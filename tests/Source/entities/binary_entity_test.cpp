// Two-state entities: their record, and the change orders that play them open and closed.
#include "Source/entities/binary_entity.h"

#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "entity_record_bytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace testsupport;

constexpr uint32_t kShown = Entity::kFlagShown;
constexpr int kLastFrame = 4;

TEST(BinaryEntityRecord, IsTheQueuedRecordWithTheStateAtRest) {
    struct Case {
        const char* what;
        uint32_t state;
        uint32_t storedFlags;
    };
    const Case cases[] = {
        {"open", BinaryEntity::kStateOpen, 0x0840},
        {"closed", BinaryEntity::kStateClosed, 0x0040},
        {"opening, stored open", BinaryEntity::kStateOpening | Entity::kFlagChanging, 0x0C40},
        {"closing, stored closed", BinaryEntity::kStateClosing | Entity::kFlagChanging, 0x0440},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BinaryEntity entity;
        ASSERT_TRUE(LoadFrom(entity, QueuedBarrel(6, kShown | c.state)));
        entity.SetFlags(kShown | c.state); // loading comes to rest
        EXPECT_EQ(SavedForm(entity), QueuedBarrel(6, c.storedFlags));
    }
    for (size_t length = 1; length <= QueuedBarrel(6, kShown).size(); ++length) {
        BinaryEntity entity;
        EXPECT_FALSE(LoadFrom(entity, Cut(QueuedBarrel(6, kShown), length))) << length;
    }
}

// A chest of five frames, each shown for no time, so every step moves one frame.
class BinaryEntityTest : public ::testing::Test {
protected:
    BinaryEntityTest() {
        WriteAni(m_root, "chest", "misc_1", kLastFrame + 1, 1, 0);
        g_uniAnimationMgr = &m_pool;
    }
    ~BinaryEntityTest() override { g_uniAnimationMgr = nullptr; }

    // A chest at rest, loaded from its record as it was stored.
    void LoadChest(BinaryEntity& entity, uint32_t state) {
        ASSERT_TRUE(LoadFrom(entity, QueuedBarrel(6, kShown | state, 2, "chest", 0)));
    }
    // The frames shown after each update until the change has ended.
    static std::vector<int> FramesUntilAtRest(BinaryEntity& entity) {
        std::vector<int> frames;
        do {
            entity.Update(33);
            frames.push_back(entity.GetFrame());
        } while ((entity.HasPending() || entity.HasAnyFlag(Entity::kFlagChanging)) &&
                 frames.size() < 20);
        return frames;
    }

    ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
};

TEST_F(BinaryEntityTest, AUseOrderPlaysTheAnimationToTheOtherEndAndNeverBeyond) {
    struct Case {
        const char* what;
        uint32_t start;
        int a;
        std::vector<int> frames;
        uint32_t end;
    };
    const Case cases[] = {
        {"closed, opened",
         BinaryEntity::kStateClosed,
         1,
         {4, 3, 2, 1, 0, 0},
         BinaryEntity::kStateOpen},
        {"open, closed",
         BinaryEntity::kStateOpen,
         0,
         {0, 1, 2, 3, 4, 4},
         BinaryEntity::kStateClosed},
        // Already at the end frame: at rest at once, with no wrap round and replay.
        {"open, opened again", BinaryEntity::kStateOpen, 1, {0, 0, 0}, BinaryEntity::kStateOpen},
        {"closed, closed again",
         BinaryEntity::kStateClosed,
         7,
         {4, 4, 4},
         BinaryEntity::kStateClosed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BinaryEntity entity;
        entity.Init();
        LoadChest(entity, c.start);
        Entity user;
        entity.OnEvent(BinaryEntity::kEventUse, c.a, 0, &user);
        EXPECT_EQ(FramesUntilAtRest(entity), c.frames);
        EXPECT_EQ(entity.GetStateBits(), c.end);
        EXPECT_EQ(entity.GetUser(), &user);
    }
}

TEST_F(BinaryEntityTest, SavedHalfWayItLoadsAtTheStateItWasMovingTo) {
    for (int a : {0, 1}) {
        SCOPED_TRACE(a);
        BinaryEntity entity;
        entity.Init();
        LoadChest(entity, a == 1 ? BinaryEntity::kStateClosed : BinaryEntity::kStateOpen);
        entity.OnEvent(BinaryEntity::kEventUse, a, 0, EventArg());
        entity.Update(33);
        entity.Update(33);
        ASSERT_EQ(entity.GetFrame(), a == 1 ? 3 : 1);
        BinaryEntity loaded;
        loaded.Init();
        ASSERT_TRUE(LoadFrom(loaded, SavedForm(entity)));
        EXPECT_EQ(loaded.IsOpen(), a == 1);
        EXPECT_EQ(loaded.GetFrame(), a == 1 ? 0 : kLastFrame);
        EXPECT_FALSE(loaded.HasAnyFlag(Entity::kFlagChanging));
        EXPECT_EQ(entity.GetFrame(), a == 1 ? 3 : 1); // saving leaves the live one moving
    }
}

} // namespace
