// The player data record typed field by field from its layout, read into its keepers and
// written back the same; cut short or forged, refused.
#include "Library/core/test_stream_support.h"
#include "Source/creatures/scripted_random.h"
#include "Source/creatures/soldier_bytes.h"
#include "Source/entities/entity_record_bytes.h"
#include "Source/world/offscreen_game.h"

#include <gtest/gtest.h>

namespace {

using testsupport::Concat;
using testsupport::Text;
using testsupport::WithText;

constexpr size_t kTutorialAt = 34;
constexpr size_t kPartyCountAt = 37;
constexpr size_t kNamesSize = 21; // description, map, working map and the empty page

// In the demo map, by the pond, in the tutorial, with one member; a variable the scripts
// count visits in and a greeting timer on the game-time clock. It ends with the clock, as
// records did before they kept the page's picture.
Bytes TypedPlayerData() {
    TypedBytes b;
    b.Text("ab").Text("demo").Text("demo").Text(""); // description, map, working map, page
    b.F32(12.5f).F32(8.0f).F32(0.0f);                // view
    b.U8(0).U8(1).Text("");                          // temporary map, tutorial, script state
    b.I32(1);                                        // the party
    Bytes bytes = b.Get();
    const Bytes member = testsupport::TypedSoldier(Entity::kFlagPartyMember).bytes.Get();
    bytes.insert(bytes.end(), member.begin(), member.end());
    TypedBytes rest;
    rest.I32(1).Text("demo").Text("visits").I32(2);                             // variables
    rest.I32(1).Text("demo").Text("greeting").I32(30000).U32(1500);             // game-time timers
    rest.I32(0).U32(250);                                                       // real-time timers
    rest.Text("").I32(0).I32(0);                                                // journal
    rest.U32(2003).U32(10).U32(9).U32(8).U32(7).U32(6).U32(5).F64(48000000.25); // clock
    bytes.insert(bytes.end(), rest.Get().begin(), rest.Get().end());
    return bytes;
}

Bytes WithPagePicture(Bytes bytes, uint8_t picture) {
    bytes.push_back(picture);
    return bytes;
}

class PlayerDataRecord : public testsupport::SoldierRecords {
protected:
    bool Check(const Bytes& bytes) {
        TestStream stream(bytes);
        PlayerData::Place place;
        return PlayerData::Check(stream, place);
    }

    OffscreenGame m_game;
    PlayerData::Keepers m_keepers = m_game.Keepers();
};

TEST_F(PlayerDataRecord, StoredAsThePlaceThePartyTheScriptsGlobalsTheJournalAndTheClock) {
    const Bytes bytes = TypedPlayerData();
    testsupport::ScriptedRandom random({0, 0, 0});
    TestStream stream(bytes);
    PlayerData::Place place;
    ASSERT_TRUE(PlayerData::ReadNames(stream, place) &&
                PlayerData::ReadRestOfPlace(stream, place) && m_keepers.party.Load(stream) &&
                PlayerData::ReadGame(stream, m_keepers));
    EXPECT_EQ(place.description, "ab");
    EXPECT_TRUE(place.tutorial);
    EXPECT_EQ(m_keepers.party.GetCount(), 1);
    EXPECT_TRUE(m_keepers.globals.Equals("demo", "visits", 2));
    EXPECT_EQ(m_keepers.gameTimers.GetClock(), 1500u);
    PlayerData::ReadPagePicture(stream, place);
    EXPECT_EQ(place.pagePicture, 0) << "a record from before the pictures keeps none";
    EXPECT_EQ(WrittenBy([&](Stream& out) { return PlayerData::Write(out, place, m_keepers); }),
              WithPagePicture(bytes, 0));
    EXPECT_TRUE(Check(bytes));
    EXPECT_TRUE(Check(WithPagePicture(bytes, 0)));
}

// The tutorial's byte also tells whether its panel had been put away, and the page's
// picture ends the record: each read back and written again as it was; an unknown picture
// keeps none, while the game still loads.
TEST_F(PlayerDataRecord, TheTutorialByteKeepsThePanelPutAwayAndThePagesPictureEndsTheRecord) {
    struct Case {
        uint8_t tutorial;
        uint8_t picture;
        bool inTutorial;
        bool putAway;
        int keptPicture;
    };
    for (const Case& c : {Case{0, 0, false, false, 0}, Case{1, 5, true, false, 5},
                          Case{2, 1, true, true, 1}, Case{2, 6, true, true, 0}}) {
        SCOPED_TRACE(testing::Message() << int{c.tutorial} << ", picture " << int{c.picture});
        Bytes bytes = WithPagePicture(TypedPlayerData(), c.picture);
        bytes[kTutorialAt] = c.tutorial;
        testsupport::ScriptedRandom random({0, 0, 0});
        PlayerData::Place place;
        ASSERT_TRUE(Check(bytes));
        TestStream stream(bytes);
        ASSERT_TRUE(PlayerData::Check(stream, place));
        EXPECT_EQ(place.tutorial, c.inTutorial);
        EXPECT_EQ(place.tutorialPanelPutAway, c.putAway);
        EXPECT_EQ(place.pagePicture, c.keptPicture);
        TestStream again(bytes);
        ASSERT_TRUE(PlayerData::ReadNames(again, place) &&
                    PlayerData::ReadRestOfPlace(again, place) && m_keepers.party.Load(again) &&
                    PlayerData::ReadGame(again, m_keepers));
        PlayerData::ReadPagePicture(again, place);
        Bytes expected = bytes;
        expected.back() = static_cast<uint8_t>(c.keptPicture);
        EXPECT_EQ(WrittenBy([&](Stream& out) { return PlayerData::Write(out, place, m_keepers); }),
                  expected);
    }
}

TEST_F(PlayerDataRecord, ARecordCutShortOrHoldingTooBigAPartyIsRefused) {
    const Bytes bytes = TypedPlayerData();
    testsupport::ScriptedRandom random(std::vector<int>(100, 0));
    for (size_t size = 0; size < bytes.size(); size += size < kPartyCountAt + 8 ? 1 : 97)
        EXPECT_FALSE(Check(Bytes(bytes.begin(), bytes.begin() + size))) << size;
    EXPECT_FALSE(Check(Cut(bytes)));
    Bytes sevenMembers = bytes;
    sevenMembers[kPartyCountAt] = 7;
    EXPECT_FALSE(Check(sevenMembers));
}

// The names become paths of the save and data folders: the working map's is where the next
// save writes. Each forged record differs from a sound one in its one name alone.
TEST_F(PlayerDataRecord, ANameLeadingOutOfItsFolderMakesTheRecordDamaged) {
    const Bytes bytes = TypedPlayerData();
    const Bytes afterNames(bytes.begin() + static_cast<long>(kNamesSize), bytes.end());
    const auto withNames = [&](const char* map, const char* working, const char* page) {
        return Concat({Text("ab"), Text(map), Text(working), Text(page), afterNames});
    };
    ASSERT_EQ(withNames("demo", "demo", ""), bytes);
    EXPECT_TRUE(Check(withNames("demo", "demo", "page")));
    for (const Bytes& forged :
         {withNames("demo", "../../x", ""), withNames("/tmp/demo", "demo", ""),
          withNames("demo", "demo", "C:page"), withNames("demo", "demo", "../page")})
        EXPECT_FALSE(Check(forged));
    TestStream stream(withNames("demo", "../../x", ""));
    PlayerData::Place place;
    EXPECT_FALSE(PlayerData::ReadNames(stream, place));
}

TEST_F(PlayerDataRecord, AMemberPlacedBeyondEveryMapMakesTheRecordDamaged) {
    Bytes bytes = TypedPlayerData();
    PutFieldAt(bytes.data(), static_cast<long>(kPartyCountAt + 4), 1.0e30f); // its x
    EXPECT_FALSE(Check(bytes));
}

} // namespace
