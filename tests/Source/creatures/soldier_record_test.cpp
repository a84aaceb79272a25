// A soldier's record with its creature: typed field by field, cut short and forged.
#include "Library/core/test_stream_support.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "scripted_random.h"
#include "soldier_bytes.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TypedSoldier;

class SoldierRecord : public testsupport::SoldierRecords {
protected:
    SoldierEntity* Soldier() {
        return static_cast<SoldierEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier));
    }
    bool Load(SoldierEntity* soldier, const Bytes& bytes) {
        TestStream stream(bytes);
        return soldier->Load(stream);
    }

    EntityMgr m_manager;
};

TEST_F(SoldierRecord, StoredAsTheEntityThenTheCreatureTargetsBubbleAndHealTimer) {
    const Bytes bytes = TypedSoldier().bytes.Get();
    testsupport::ScriptedRandom random({0}); // the standing animation's first frame
    SoldierEntity* soldier = Soldier();
    ASSERT_TRUE(Load(soldier, bytes));
    EXPECT_EQ(WrittenBy([&](Stream& stream) { return soldier->Save(stream); }), bytes);
    EXPECT_TRUE(soldier->IsRunning());
    EXPECT_TRUE(soldier->IsInState(SoldierEntity::kStateStanding));
    EXPECT_EQ(soldier->GetDirection(), 3);
    EXPECT_FLOAT_EQ(soldier->GetCreature()->GetHitPoints(), 12.0f);
    EXPECT_EQ(soldier->GetCreature()->GetExperienceValue(), 50u);
    EXPECT_STREQ(soldier->GetCreature()->GetTarget(1).GetName().c_str(), "hero");
}

TEST_F(SoldierRecord, ARecordCutShortOrForgedIsRefused) {
    const testsupport::SoldierBytes golden = TypedSoldier();
    const Bytes& bytes = golden.bytes.Get();
    testsupport::ScriptedRandom random;
    for (size_t size = 0; size < bytes.size(); size += size < 2100 ? 97 : 1)
        EXPECT_FALSE(Load(Soldier(), Bytes(bytes.begin(), bytes.begin() + size))) << size;
    struct Forgery {
        const char* what;
        size_t at;
        uint8_t value;
    };
    for (const Forgery& forgery : {Forgery{"a door's record", testsupport::kKindAt, 7},
                                   Forgery{"a hand that is no hand", golden.handAt, 20}}) {
        Bytes forged = bytes;
        forged[forgery.at] = forgery.value;
        EXPECT_FALSE(Load(Soldier(), forged)) << forgery.what;
    }
}

} // namespace
