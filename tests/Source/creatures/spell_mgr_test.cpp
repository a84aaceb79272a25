// A creature's spells and their charges: the record, learning, casting and forgetting.
#include "Source/creatures/spell_mgr.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

namespace {

bool Load(SpellMgr& spells, const Bytes& bytes) {
    TestStream stream(bytes);
    return spells.Load(stream);
}

TEST(SpellMgr, TheRecordListsTheKnownSpellsThenTheCharges) {
    TypedBytes b;
    b.U32(10).U32(12).U32(2).U32(7).U32(2).U32(9).U32(1);
    b.U32(3).U32(7).U8(1).U32(7).U8(0).U32(9).U8(1);
    const Bytes& bytes = b.Get();
    SpellMgr spells;
    ASSERT_TRUE(Load(spells, bytes));
    EXPECT_EQ(WrittenBy([&](Stream& out) { return spells.Save(out); }), bytes);
    EXPECT_EQ(spells.GetLevel(7), 2u);
    EXPECT_EQ(spells.CountCharges(7, true), 1);
    EXPECT_EQ(spells.CountCharges(7, false), 1);
    for (size_t length = 0; length < bytes.size(); ++length)
        EXPECT_FALSE(Load(spells, Bytes(bytes.begin(), bytes.begin() + length))) << length;
    for (const size_t countAt : {size_t{8}, size_t{28}}) {
        Bytes forged = bytes;
        PutFieldAt(forged.data(), static_cast<long>(countAt), uint32_t{0x20000000});
        EXPECT_FALSE(Load(spells, forged)) << countAt;
    }
}

TEST(SpellMgr, ChargesAreLearnedReadyOrSpentSpentByCastsAndRestoredTogether) {
    SpellMgr spells;
    ASSERT_TRUE(spells.Learn(1, 3, 3, 5));
    EXPECT_EQ(spells.CountCharges(1, true), 3);
    ASSERT_TRUE(spells.Learn(2, 1, 3, -1));
    EXPECT_EQ(spells.CountCharges(2, false), 3);
    EXPECT_FALSE(spells.Learn(2, 1, 1, 1)); // known already
    for (uint32_t id = 3; id <= 10; ++id)
        ASSERT_TRUE(spells.Learn(id, 1, 0, 0));
    EXPECT_FALSE(spells.Learn(11, 1, 1, 1)); // the eleventh

    ASSERT_TRUE(spells.UseCharge(1));
    EXPECT_FALSE(spells.UseCharge(2));
    EXPECT_EQ(spells.CountCharges(1, false), 1); // spent, not removed
    spells.RestoreCharges();
    EXPECT_EQ(spells.CountCharges(2, true), 3);
    EXPECT_TRUE(spells.HasReadyCharge(2));
    spells.Forget(2);
    EXPECT_FALSE(spells.HasReadyCharge(2));
    EXPECT_EQ(spells.CountCharges(2, true) + spells.CountCharges(2, false), 0);
    EXPECT_EQ(spells.CountKnown(), 9);
    EXPECT_TRUE(spells.Learn(11, 1, 1, 1)); // room again

    ASSERT_TRUE(spells.UseCharge(1));
    ASSERT_TRUE(spells.RemoveCharge(1)); // a ready one, not the spent one
    EXPECT_EQ(spells.CountCharges(1, true), 1);
    EXPECT_EQ(spells.CountCharges(1, false), 1);
    EXPECT_FALSE(spells.RemoveCharge(5)); // none to take
}

} // namespace
