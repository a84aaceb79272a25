// A creature's art: the set and file its body type and state choose, the layers' order,
// and blood.
#include "Source/creatures/creature_animation_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/mem_stream.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/tile_map_support.h"
#include "Library/world/vehicle.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/spell.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kFrames = 4; // each direction's
constexpr uint32_t kGround[3] = {0, 0x100, 0};

class CreatureArtTest : public testsupport::MapDataRoot {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadBytes(testsupport::MapBytes(16, 16, kGround)));
        const std::pair<const char*, std::vector<const char*>> sets[] = {
            {"Creat/scimale", {"s0", "w0", "d0"}},
            {"Char/chmf4", {"s0", "w0", "w1"}},
            {"Char/cshd", {"s0", "w0", "w1"}},
            {"Creat/nfam", {"s0"}},
            {"Misc/shadow", {"misc_1"}}};
        for (const auto& [set, files] : sets)
            for (const char* file : files)
                testsupport::WriteAni(m_root, set, file, 8 * kFrames, 8, 50);
        for (const char* blood : {"Misc/blood0", "Misc/blood2"})
            testsupport::WriteAni(m_root, blood, "h0", 3, 1, 50);
        g_uniAnimationMgr = &m_pool;
    }
    void TearDown() override { g_uniAnimationMgr = nullptr; }

    SoldierEntity* Soldier(int body) {
        auto* soldier = static_cast<SoldierEntity*>(
            m_manager.CreateEntity(5.5f, 5.5f, 0, Entity::kTypeSoldier));
        soldier->SetRadius(0.5f, 0);
        CreatureData& data = Creature::Of(soldier)->GetData();
        data.SetBodyType(0, static_cast<uint16_t>(body));
        data.SetMaxHitPoints(10);
        data.AddHitPoints(10);
        return soldier;
    }
    // Moving along the 16-way direction for one frame: the walk facing follows it.
    static void WalkToward(SoldierEntity* soldier, int direction16) {
        const double angle = direction16 * 3.14159265358979 / 8;
        soldier->GetVehicle()->SetVelocity(Vector(static_cast<float>(3 * std::sin(angle)),
                                                  static_cast<float>(-3 * std::cos(angle)), 0));
        soldier->Update(33);
    }

    testsupport::ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
    ScopedCreatureFactory m_creatures;
    EntityMgr m_manager{&m_map};
};

TEST_F(CreatureArtTest, TheBodyTypeChoosesTheSetAndTheStateTheFile) {
    struct Case {
        int body;
        int state;
        const char* set;
        const char* file;
        int frame;
    };
    const Case cases[] = {
        {1, SoldierEntity::kStateStanding, "Creat/scimale", "s0", 2}, // a random start
        {1, SoldierEntity::kStateDying, "Creat/scimale", "d0", 0},
        {1, SoldierEntity::kStateDead, "Creat/scimale", "d0", kFrames - 1},
        {1, SoldierEntity::kStateHit, "Creat/scimale", "s0", 0},
        {CreatureAnimationMgr::kCompositeBody, SoldierEntity::kStateStanding, "Char/chmf4", "s0",
         1},
        {51200, SoldierEntity::kStateStanding, "Creat/nfam", "s0", 2},
        {99, SoldierEntity::kStateStanding, "", "", 0},
    };
    testsupport::ScriptedRandom random({2, 1, 2});
    for (const Case& c : cases) {
        SoldierEntity* soldier = Soldier(c.body);
        soldier->SetState(c.state);
        const AnimationMgr& body = soldier->GetAnimation();
        EXPECT_STREQ(body.GetAnimationName().c_str(), c.set) << c.body << " " << c.state;
        EXPECT_STREQ(body.GetName().c_str(), c.file) << c.body << " " << c.state;
        EXPECT_EQ(body.GetFrame(), c.frame) << c.body << " " << c.state;
    }
    EXPECT_EQ(random.Ranges()[0], std::make_pair(0, kFrames - 1));
}

// Only the composite body starts its walk on an odd heading in its second file; a walker
// that turns changes its facing and keeps the walk it started.
TEST_F(CreatureArtTest, TheCompositeBodyStartsItsWalkInItsOtherFileOnOddHeadings) {
    testsupport::ScriptedRandom random({0, 0, 0});
    SoldierEntity* player = Soldier(CreatureAnimationMgr::kCompositeBody);
    SoldierEntity* scientist = Soldier(1);
    SoldierEntity* turner = Soldier(CreatureAnimationMgr::kCompositeBody);
    WalkToward(player, 5);
    WalkToward(scientist, 5);
    WalkToward(turner, 2);
    WalkToward(turner, 5);
    EXPECT_TRUE(player->IsInState(SoldierEntity::kStateWalking));
    EXPECT_EQ(player->GetWalkDirection(), 5);
    EXPECT_EQ(player->GetDirection(), 2);
    EXPECT_STREQ(player->GetAnimation().GetName().c_str(), "w1");
    EXPECT_STREQ(scientist->GetAnimation().GetName().c_str(), "w0");
    EXPECT_EQ(turner->GetDirection(), 2);
    EXPECT_STREQ(turner->GetAnimation().GetName().c_str(), "w0");
}

// A splash plays to its end before another may start.
TEST_F(CreatureArtTest, BloodIsIgnoredWhileASplashPlays) {
    testsupport::ScriptedRandom random({0, 2});
    CreatureAnimationMgr& art = Creature::Of(Soldier(1))->GetArt();
    art.ShowBlood();
    const AnimationMgr& blood = art.GetLayer(CreatureAnimationMgr::kBlood);
    EXPECT_STREQ(blood.GetAnimationName().c_str(), "Misc/blood0");
    EXPECT_TRUE(art.IsBloodPlaying());
    art.Refresh(50);
    art.ShowBlood();
    EXPECT_EQ(random.Left(), 1u);
    EXPECT_EQ(blood.GetFrame(), 1);
    art.Refresh(50);
    EXPECT_FALSE(art.IsBloodPlaying());
    art.ShowBlood();
    EXPECT_STREQ(blood.GetAnimationName().c_str(), "Misc/blood2");
    EXPECT_EQ(blood.GetFrame(), 0);
}

// A composite body casts with the animation file its spell names; any other body stands.
TEST_F(CreatureArtTest, CastingShowsTheFileTheSpellNames) {
    testsupport::WriteAni(m_root, "Char/chmf4", "c3", 8 * kFrames, 8, 50);
    Spell spell;
    spell.SetId(2112);
    spell.SetAnimationSet("c3");
    MemStream out(kStreamWriteBinary);
    ASSERT_TRUE(spell.WriteFields(out));
    m_root.WriteFile(std::string("Data/Spell/") + UniSpellMgr::kDefinitions[0] + ".dat",
                     testsupport::BytesOf(out));
    UniSpellMgr spells;
    ::testing::internal::CaptureStderr();
    spells.LoadAll();
    ::testing::internal::GetCapturedStderr();
    g_uniSpellMgr = &spells;
    for (const auto& [body, file] : {std::make_pair(CreatureAnimationMgr::kCompositeBody, "c3"),
                                     std::make_pair(1, "s0")}) {
        SoldierEntity* caster = Soldier(body);
        caster->OnEvent(SoldierEntity::kEventCast, 2112, 0, 0);
        caster->Update(33);
        EXPECT_EQ(caster->GetCurrentSpell(), 2112u);
        EXPECT_TRUE(caster->IsInState(SoldierEntity::kStateCasting));
        EXPECT_STREQ(caster->GetAnimation().GetName().c_str(), file) << body;
    }
    g_uniSpellMgr = nullptr;
}

// A real screen for the drawing.
class CreatureArtDrawing : public CreatureArtTest {
protected:
    void SetUp() override {
        CreatureArtTest::SetUp();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        m_screen = std::make_unique<Screen>(800, 600, SDL_FULLSCREEN, 16, 0.0);
        ASSERT_TRUE(m_screen->IsReady());
    }
    void TearDown() override {
        m_screen.reset();
        SDL_Quit();
        CreatureArtTest::TearDown();
    }
    std::vector<uint16_t> Drawn(CreatureAnimationMgr& art) {
        m_screen->SetDrawColour(0);
        m_screen->Clear();
        art.Draw(*m_screen);
        const PixelSurface& s = m_screen->GetSurface();
        return std::vector<uint16_t>(s.pixels, s.pixels + s.width * s.height);
    }

    std::unique_ptr<Screen> m_screen;
};

// A splash is drawn in its own colours, tinted only when the blood block tints; the
// block's levels do not reach it.
TEST_F(CreatureArtDrawing, BloodTakesOnlyItsBlocksTint) {
    testsupport::ScriptedRandom random({0});
    SoldierEntity* bleeder = Soldier(1);
    CreatureAnimationMgr& art = Creature::Of(bleeder)->GetArt();
    art.ShowBlood();
    art.Update();
    ColourMod& block = Creature::Of(bleeder)->GetData().GetColourMod(4);
    const std::vector<uint16_t> plain = Drawn(art);
    ASSERT_NE(plain, std::vector<uint16_t>(plain.size(), 0)) << "the splash shows";
    block.SetLevel(120, 0, 0);
    EXPECT_EQ(Drawn(art), plain);
    block.SetTint(true, Colour(0, 0, 255));
    const std::vector<uint16_t> tinted = Drawn(art);
    EXPECT_NE(tinted, plain);
    block.SetLevel(0, 0, 0);
    EXPECT_EQ(Drawn(art), tinted);
}

} // namespace
