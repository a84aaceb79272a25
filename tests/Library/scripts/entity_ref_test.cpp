#include "Library/scripts/entity_ref.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

namespace {

// side 200, life state 3, match codes 5 to 9, name "Guard", list 1 and 0x10.
const Bytes kGuard = {
    0x03, 0x00, 0x00, 0x00,                         // lifeState
    0x09, 0x00, 0x00, 0x00,                         // match5
    0x08, 0x00, 0x00, 0x00,                         // match4
    0x05, 0x00, 0x00, 0x00,                         // match1
    0x06, 0x00, 0x00, 0x00,                         // match2
    0x07, 0x00, 0x00, 0x00,                         // match3
    0xC8, 0x00, 0x00, 0x00,                         // side
    0x06, 0x00, 'G',  'u',  'a',  'r',  'd',  0x00, // name
    0x02, 0x00, 0x00, 0x00,                         // listCount
    0x01, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00,
};

EntityRef Guard() {
    EntityRef ref;
    ref.Set(200, 3, 5, 6, 7, 8, 9);
    ref.SetName("Guard");
    ref.AddToList(1);
    ref.AddToList(0x10);
    return ref;
}

TEST(EntityRef, StoredFieldByFieldInItsOwnOrder) {
    EXPECT_EQ(StoredForm(Guard()), kGuard);

    TestStream stream(kGuard);
    EntityRef read;
    ASSERT_TRUE(read.Read(stream));
    EXPECT_EQ(read.GetSide(), 200u);
    EXPECT_EQ(read.GetLifeState(), 3u);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(read.GetMatch(i), 4u + i);
    EXPECT_STREQ(read.GetName().c_str(), "Guard");
    EXPECT_EQ(read.GetListCount(), 2);
    EXPECT_EQ(read.GetListEntry(1), 0x10u);
    EXPECT_EQ(read.GetListEntry(2), EntityRef::kNoListEntry);
    EXPECT_EQ(StoredForm(read), kGuard);
}

TEST(EntityRef, DamagedRecordsAreRefusedAndChangeNothing) {
    struct Forgery {
        const char* what;
        size_t at;
        Bytes bytes;
    };
    const size_t listCountAt = 28 + 8;
    const Forgery forgeries[] = {
        {"a negative list count", listCountAt, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"six list entries", listCountAt, {0x06, 0x00, 0x00, 0x00}},
        {"a name without its NUL", 28 + 7, {'s'}},
        {"a name with an early NUL", 28 + 4, {0x00}},
    };
    for (const Forgery& forgery : forgeries) {
        SCOPED_TRACE(forgery.what);
        Bytes bytes = kGuard;
        bytes.insert(bytes.end(), 24, 0); // room for six entries
        std::copy(forgery.bytes.begin(), forgery.bytes.end(), bytes.begin() + forgery.at);
        TestStream stream(bytes);
        EntityRef ref;
        EXPECT_FALSE(ref.Read(stream));
        EXPECT_TRUE(ref.IsEmpty());
    }
    for (size_t size = 0; size < kGuard.size(); ++size) {
        TestStream stream(Bytes(kGuard.begin(), kGuard.begin() + size));
        EntityRef ref = Guard();
        ref.SetName("Kept");
        EXPECT_FALSE(ref.Read(stream)) << size;
        EXPECT_STREQ(ref.GetName().c_str(), "Kept");
    }
}

TEST(EntityRef, EqualsComparesTheSevenCodesOnlyAndTheListHoldsFive) {
    EntityRef other = Guard();
    other.SetName("Someone else");
    for (uint32_t i = 0; i < 7; ++i)
        other.AddToList(i);
    EXPECT_EQ(other.GetListCount(), 5);
    EXPECT_TRUE(Guard().Equals(other));
    other.Set(200, 3, 5, 6, 7, 8, 10);
    EXPECT_FALSE(Guard().Equals(other));
    other.Reset();
    EXPECT_TRUE(other.IsEmpty());
}

TEST(EntityRef, ANamedPatternMatchesByNameAloneAndAnEmptyOneMatchesAll) {
    EntityRef player;
    player.Set(2, 1, 4, 0, 0, 0, 0);
    player.SetName("Hero");
    EntityRef pattern;
    EXPECT_TRUE(pattern.Matches(player));
    EXPECT_TRUE(pattern.Matches(Guard()));
    pattern.Set(200, 0, 0, 0, 0, 0, 0);
    pattern.SetName("HERO");
    EXPECT_TRUE(pattern.Matches(player)); // the side is not looked at
    EXPECT_FALSE(pattern.Matches(Guard()));

    EntityRef codes;
    codes.Set(2, 0, 4, 0, 0, 0, 0); // zero codes match anything
    EXPECT_TRUE(codes.Matches(player));
    codes.Set(2, 0, 4, 0, 0, 0, 1);
    EXPECT_FALSE(codes.Matches(player));
}

TEST(EntityRef, SidesAndLifeStates) {
    struct Side {
        uint32_t side;
        bool player, neutral, hostile;
    };
    for (const Side& s :
         {Side{0, false, false, false}, Side{1, false, false, false}, Side{2, true, false, false},
          Side{30, true, false, false}, Side{31, false, true, false}, Side{199, false, true, false},
          Side{200, false, false, true}, Side{0xFFFFFFFF, false, false, true}}) {
        EntityRef ref;
        ref.Set(s.side, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(ref.IsPlayerSide(), s.player) << s.side;
        EXPECT_EQ(ref.IsNeutralSide(), s.neutral) << s.side;
        EXPECT_EQ(ref.IsHostileSide(), s.hostile) << s.side;
    }
    EntityRef hero, ally, orc, trader;
    hero.Set(2, 0, 0, 0, 0, 0, 0);
    ally.Set(30, 0, 0, 0, 0, 0, 0);
    orc.Set(200, 0, 0, 0, 0, 0, 0);
    trader.Set(100, 0, 0, 0, 0, 0, 0);
    EXPECT_TRUE(hero.IsSameSide(ally));
    EXPECT_TRUE(orc.IsOpposedSide(hero));
    EXPECT_FALSE(hero.IsOpposedSide(ally));
    EXPECT_FALSE(trader.IsSameSide(trader)); // neutral: nobody's side
    EXPECT_FALSE(trader.IsOpposedSide(orc));

    for (uint32_t state = 0; state < 260; ++state) {
        EntityRef ref;
        ref.Set(0, state, 0, 0, 0, 0, 0);
        EXPECT_EQ(ref.IsStateAwayOrNone(), state == 4 || state == 5 || state == 255) << state;
        EXPECT_EQ(ref.IsStateKnown(), (state >= 1 && state <= 5) || state == 255) << state;
        EXPECT_EQ(ref.IsDead(), state == 3) << state;
    }
}

} // namespace
