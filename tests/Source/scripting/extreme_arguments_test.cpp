// Scripts in the running game that hand natives numbers and points no author meant: NaN,
// infinities, far points and huge counts leave the game whole, its creatures on the map and
// each frame's work bounded.
#include "Library/graphics/screen.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/text_bubble_mgr.h"
#include "Source/world/view_port_string_mgr.h"
#include "demo_script_game.h"

#include <cfloat>
#include <cmath>

using namespace testsupport;

namespace {

const char* const kScientist = "scimale_hostile"; // armed: it guards as it is told

class ExtremeArguments : public DemoScriptGame {
protected:
    static SoldierEntity* Scientist() {
        return CreateCreature(*g_entityMgr, kScientist, Leader()->GetPosition(), 0);
    }
    static bool OnMap(const Vector& point) {
        return std::isfinite(point.x) && std::isfinite(point.y) && point.x >= 0 && point.y >= 0 &&
               point.x < g_tileMap->GetWidth() && point.y < g_tileMap->GetHeight();
    }
};

// A script walking, guarding and following toward points that are no places, one coordinate
// or both: the creature stays on the map, at a place it can stand.
TEST_F(ExtremeArguments, CreaturesSentTowardNoPlaceStayOnTheMap) {
    const float nan = std::nanf("");
    const float inf = INFINITY;
    const Vector points[] = {Vector(nan, nan, 0),         Vector(inf, -inf, nan),
                             Vector(FLT_MAX, FLT_MAX, 0), Vector(-FLT_MAX, 43, 0),
                             Vector(nan, 43, 0),          Vector(49.5f, inf, 0)};
    for (const Vector& point : points) {
        SoldierEntity* scientist = Scientist();
        ASSERT_NE(scientist, nullptr);
        ScriptMachine& slot = scientist->GetScriptSlot(0);
        Run(slot, 5, point);
        Frames(10);
        Run(slot, 23, point, 3.0);
        Frames(10);
        Run(slot, 501, Leader()->GetRef(), point);
        Frames(10);
        EXPECT_TRUE(OnMap(scientist->GetPosition()))
            << point.x << ", " << point.y << " left it at " << scientist->GetPosition().x << ", "
            << scientist->GetPosition().y;
        g_entityMgr->ReleaseEntity(scientist);
    }
}

// Teleports to no place and creatures made there: nothing is put anywhere, and whatever
// stood on the map stays on it.
TEST_F(ExtremeArguments, NothingIsTeleportedOrMadeAtNoPlace) {
    const float nan = std::nanf("");
    const float inf = INFINITY;
    const Vector points[] = {Vector(nan, nan, 0), Vector(nan, 43, 0), Vector(49.5f, nan, 0),
                             Vector(49.5f, inf, 0), Vector(-inf, 43, 0)};
    ScriptMachine& region = g_entityMgr->GetRegionScript();
    for (const Vector& point : points) {
        SoldierEntity* leader = Leader();
        const float far = point.x + point.y; // NaN or infinite: a distance to nowhere
        Run(leader->GetScriptSlot(0), 83, leader->GetRef(), point);
        Run(region, 503, leader->GetRef(), leader->GetRef(), Vector(far, 0, 0));
        Run(region, 504, leader->GetRef(), leader->GetRef(), double{far}, 90.0);
        Frames(2);
        EXPECT_TRUE(OnMap(leader->GetPosition()))
            << point.x << ", " << point.y << " left it at " << leader->GetPosition().x << ", "
            << leader->GetPosition().y;
        EXPECT_EQ(Act(region, 82, kScientist, point, 0), kActionFailed)
            << point.x << ", " << point.y;
    }
}

// A text floated however far off lands within reach of the map's view.
TEST_F(ExtremeArguments, AFarFloatingTextIsHeldWithinTheMap) {
    ScriptMachine& region = g_entityMgr->GetRegionScript();
    const float wide = static_cast<float>(g_tileMap->GetWidth()) * g_tileMap->GetPixelsPerUnit().x;
    const float high = static_cast<float>(g_tileMap->GetHeight()) * g_tileMap->GetPixelsPerUnit().y;
    ASSERT_EQ(Act(region, 113, "far", Vector(3e9f, -3e9f, 0)), 1);
    ASSERT_EQ(Act(region, 113, "near", Vector(20, 3, 0)), 1);
    ASSERT_EQ(g_viewPortStringMgr->Count(), 2);
    const ViewPortString& far = *g_viewPortStringMgr->Get(0);
    const ViewPortString& near = *g_viewPortStringMgr->Get(1);
    EXPECT_EQ(far.position.x - near.position.x, static_cast<int>(wide) - 20);
    EXPECT_EQ(near.position.y - far.position.y,
              (static_cast<int>(high) + 3) * g_screen->FontHeight());
    Frames(2); // and drawn
}

// A member whose first script leaves the party when it is placed: it is out, and its last
// slot still heard of the placing.
TEST_F(ExtremeArguments, AMemberLeavingAsThePartyIsPlacedHearsItInEverySlot) {
    SoldierEntity* scientist = Scientist();
    ASSERT_NE(scientist, nullptr);
    ASSERT_EQ(Act(scientist->GetScriptSlot(0), 11), 1);
    ASSERT_TRUE(g_partyMgr->IsMember(scientist));
    OnEvent(scientist->GetScriptSlot(0), 3, ScriptBuilder::Header(kNativeAction, 12));
    OnEvent(scientist->GetScriptSlot(4), 3, ScriptBuilder::Header(kNativeAction, 3, "Placed."));

    EXPECT_EQ(Act(g_entityMgr->GetRegionScript(), 95, Vector(49.5f, 43, 0)), 1);
    EXPECT_FALSE(g_partyMgr->IsMember(scientist));
    EXPECT_EQ(g_partyMgr->GetCount(), 1);
    Frames(2);
    const auto& bubble = static_cast<const TextBubbleMgr&>(scientist->GetSpeechBubble());
    EXPECT_STREQ(bubble.GetText().GetText().c_str(), "Placed.");
}

// A member whose first script frees it when the party is placed, without its leaving the
// party: the freed creature's other scripts run no more, so its last slot tells nothing.
TEST_F(ExtremeArguments, AMemberFreedAsThePartyIsPlacedRunsNoMoreOfItsScripts) {
    SoldierEntity* scientist = Scientist();
    ASSERT_NE(scientist, nullptr);
    ASSERT_EQ(Act(scientist->GetScriptSlot(0), 11), 1);
    OnEvent(scientist->GetScriptSlot(0), 3, ScriptBuilder::Header(kNativeAction, 85));
    OnEvent(scientist->GetScriptSlot(4), 3, ScriptBuilder::Header(kNativeAction, 401, "Placed."));
    const int messages = MessageCount();

    EXPECT_EQ(Act(g_entityMgr->GetRegionScript(), 95, Vector(49.5f, 43, 0)), 1);
    EXPECT_FALSE(g_entityMgr->IsSoldierLive(scientist));
    EXPECT_EQ(MessageCount(), messages) << LastMessage();
    Frames(2);
}

// A script learning a spell with tens of thousands of charges gets the most a spell holds,
// all ready as asked; another learnt after it takes its own.
TEST_F(ExtremeArguments, ASpellLearntWithCountlessChargesHoldsTheMost) {
    SoldierEntity* scientist = Scientist();
    ASSERT_NE(scientist, nullptr);
    ScriptMachine& slot = scientist->GetScriptSlot(0);
    EXPECT_EQ(Act(slot, 71, 40, 1, 65536, 65536), 1);
    EXPECT_EQ(Act(slot, 71, 41, 1, 3, -5), 1);
    const SpellMgr& spells = Creature::Of(scientist)->GetData().GetSpellMgr();
    EXPECT_EQ(spells.CountCharges(40, true), SpellMgr::kMaxCharges);
    EXPECT_EQ(spells.CountCharges(40, false), 0);
    EXPECT_EQ(spells.CountCharges(41, false), 3);
    Frames(2);
}

} // namespace
