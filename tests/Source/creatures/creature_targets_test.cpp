#include "Source/creatures/creature_targets.h"

#include "Library/core/test_stream_support.h"
#include "Source/entities/entity_fakes.h"
#include "creature_world.h"

#include <gtest/gtest.h>

namespace {

using testsupport::CallLog;

// A creature among others whose script slots record what they are told.
class CreatureTargetsTest : public testsupport::CreatureWorld {
protected:
    void SetUp() override {
        CreatureWorld::SetUp();
        m_self = Soldier(10, 10);
    }
    CreatureTargets& Targets() { return Creature::Of(m_self)->GetTargets(); }
    EntityRef Named(const char* name) {
        Entity* other = Soldier(12, 10);
        other->GetRef().SetName(name);
        return other->GetRef();
    }
    // What the five script slots were told, once each.
    CallLog Told(std::initializer_list<const char*> events) const {
        CallLog log;
        for (const char* event : events)
            for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
                log.push_back(std::string("slot ") + event);
        return log;
    }

    CallLog m_log;
    testsupport::RecordingScriptFactory m_scripts{m_log};
    SoldierEntity* m_self = nullptr;
};

TEST_F(CreatureTargetsTest, StoredAsThePendingBitsTheTenSlotsAndTheNumbers) {
    TypedBytes typed;
    typed.U32(0x5A5);
    for (uint32_t slot = 0; slot < CreatureTargets::kSlotCount; ++slot) {
        // life state, match codes 5, 4, 1, 2, 3, side; the name; no list
        typed.U32(slot == 4 ? 3 : 1).U32(0).U32(0).U32(slot).U32(0).U32(0).U32(100 + slot);
        typed.Text(slot == 0 ? "Raider" : "").I32(0);
    }
    typed.I32(-1).I32(2).I32(3).I32(4).I32(5);
    const Bytes& stored = typed.Get();
    TestStream in(stored);
    ASSERT_TRUE(Targets().Load(in));
    EXPECT_EQ(WrittenBy([&](Stream& out) { return Targets().Save(out); }), stored);
    EXPECT_EQ(Targets().GetPending(), 0x5A5u);
    EntityRef ref;
    int32_t number = 0;
    ASSERT_TRUE(Targets().GetAttackedBy(ref, number));
    EXPECT_STREQ(ref.GetName().c_str(), "Raider");
    EXPECT_EQ(number, -1);
    EXPECT_FALSE(Targets().GetSignal10(ref, number)); // slot 4 is dead
    EXPECT_EQ(number, -1);
    ASSERT_TRUE(Targets().GetCommandedBy(ref));
    EXPECT_EQ(ref.GetSide(), 109u);
    EXPECT_EQ(ref.GetMatch(1), 9u);
    EXPECT_EQ(Targets().GetSignalNumber(), 5);

    for (size_t size = 0; size < stored.size(); ++size) {
        TestStream cut(Bytes(stored.begin(), stored.begin() + size));
        EXPECT_FALSE(Targets().Load(cut)) << size;
    }
    EXPECT_EQ(WrittenBy([&](Stream& out) { return Targets().Save(out); }), stored);
}

TEST_F(CreatureTargetsTest, EachPendingNoticeIsPostedOnceAndTheLatestWins) {
    Targets().SetAttackedBy(Named("First"), 3);
    Targets().SetAttackedBy(Named("Second"), 7);
    Targets().SetSeen(Named("Watcher"));
    Targets().SetSignalNumber(42);
    Targets().SetDamagedBy(Named("Shooter"), 9);
    m_log.clear();
    Targets().Update();
    EXPECT_EQ(m_log, Told({"event 6 Second 7", "event 7 Shooter 9", "event 12 42"}));
    EXPECT_EQ(Targets().GetPending(), 0u);

    m_log.clear();
    Targets().Update();
    EXPECT_TRUE(m_log.empty());
    EntityRef seen;
    ASSERT_TRUE(Targets().GetSeen(seen)); // kept for the scripts to ask for
    EXPECT_STREQ(seen.GetName().c_str(), "Watcher");
}

TEST_F(CreatureTargetsTest, ANeverSetSlotIsEmptyAndNamesNobody) {
    EntityRef ref = m_self->GetRef();
    int32_t number = 5;
    ASSERT_TRUE(Targets().GetAttackedBy(ref, number));
    EXPECT_TRUE(ref.IsEmpty());
    EXPECT_EQ(ref.GetEntity(), nullptr);
    EXPECT_EQ(number, 0);

    // A script asking who attacked a creature nobody attacked finds no one, not itself.
    EntityRef query = m_self->GetRef();
    EXPECT_FALSE(m_manager.ResolveRef(17, m_self, query));

    Entity* raider = Soldier(20, 20);
    Targets().SetAttackedBy(raider->GetRef(), 1);
    query = m_self->GetRef();
    ASSERT_TRUE(m_manager.ResolveRef(17, m_self, query));
    EXPECT_EQ(query.GetEntity(), raider);

    // A notice of a creature that has died reads as none.
    raider->GetRef().Set(CreatureWorld::kHostileSide, EntityRef::kLifeDead, 0, 0, 0, 0, 0);
    Targets().SetAttackedBy(raider->GetRef(), 1);
    EXPECT_FALSE(Targets().GetAttackedBy(ref, number));
}

} // namespace
