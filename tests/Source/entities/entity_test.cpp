// The entity base: its reuse, its hit tests and its drawing.
#include "Source/entities/entity.h"

#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/object_dispatcher.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(Entity, AReusedEntityKeepsOneDispatcherId) {
    EntityMgr manager;
    Entity* first = manager.CreateEntity(0, 0, 0, Entity::kTypeItem);
    const uint16_t id = first->GetId();
    ASSERT_NE(id, WorldObject::kNoId);
    for (int reuse = 0; reuse < 100000; ++reuse) {
        manager.ReleaseEntity(first);
        ASSERT_EQ(manager.CreateEntity(0, 0, 0, Entity::kTypeItem), first);
    }
    EXPECT_EQ(first->GetId(), id);
    EXPECT_EQ(g_objectDispatcher.GetObject(id), first);
}

TEST(Entity, CollidesWithOthersWithinTheirRadiiButNeverWithItself) {
    Entity a, b;
    a.SetRadius(1.0f, 0);
    b.SetRadius(0.5f, 0);
    EXPECT_TRUE(a.Collides(b, Vector(1.5f, 0, 0))); // exactly touching
    EXPECT_FALSE(a.Collides(b, Vector(1.6f, 0, 0)));
    EXPECT_FALSE(a.Collides(a, Vector()));
}

class EntityOnScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        // 4 x 4, opaque but for the top-left pixel.
        ASSERT_TRUE(m_picture.Create(4, 4));
        m_picture.Fill(0x07E0);
        m_picture.SetPixel(0, 0, g_colourKey);
        m_entity.Init();
        m_entity.SetGraphic(&m_picture);
        m_entity.SetPosition(Vector(10, 10, 0)); // pixel (160, 120) at a zero view offset
        m_entity.SetRadius(1.0f, 0);
        g_mouseX = g_mouseY = 0;
    }

    Graphic m_picture;
    Entity m_entity;
};

TEST_F(EntityOnScreen, APictureIsHitOnlyOnItsOpaquePixels) {
    m_entity.UpdateScreenPos(*m_screen);
    EXPECT_EQ(m_entity.GetScreenRect().x, 160);
    EXPECT_EQ(m_entity.GetScreenRect().w, 4);
    EXPECT_TRUE(m_entity.HitTest(161, 120));
    EXPECT_FALSE(m_entity.HitTest(160, 120)); // the key pixel
    EXPECT_FALSE(m_entity.HitTest(164, 121)); // just right of the picture
}

// A dead one by its frame's pixels: without a frame, nowhere.
TEST_F(EntityOnScreen, ALivingSoldierIsHitByItsCircleADeadOneNoLonger) {
    EntityMgr manager;
    Entity* soldier = manager.CreateEntity(10, 10, 0, Entity::kTypeSoldier);
    soldier->SetRadius(1.0f, 0);
    EXPECT_TRUE(soldier->HitTest(160 + 8, 120)); // half a tile off the centre
    EXPECT_FALSE(soldier->HitTest(160 + 17, 120));
    soldier->GetRef().Set(0, EntityRef::kLifeDead, 0, 0, 0, 0, 0);
    EXPECT_FALSE(soldier->HitTest(160 + 8, 120));
}

TEST_F(EntityOnScreen, TheMouseOverFlagFollowsThePointerWhileShown) {
    g_mouseX = 162;
    g_mouseY = 121;
    m_entity.UpdateScreenPos(*m_screen);
    EXPECT_TRUE(m_entity.HasAnyFlag(Entity::kFlagMouseOver));
    m_entity.RemoveFlags(Entity::kFlagShown);
    m_entity.UpdateScreenPos(*m_screen);
    EXPECT_FALSE(m_entity.HasAnyFlag(Entity::kFlagMouseOver));
}

TEST_F(EntityOnScreen, OverlappingARectangleLeavesThePartyFlagAlone) {
    m_entity.UpdateScreenPos(*m_screen);
    m_entity.AddFlags(Entity::kFlagPartyMember);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(m_entity.OverlapsRect(150, 110, 162, 122));
        EXPECT_TRUE(m_entity.HasAnyFlag(Entity::kFlagPartyMember));
    }
    EXPECT_FALSE(m_entity.OverlapsRect(0, 0, 100, 100));
}

TEST_F(EntityOnScreen, RingsAreDrawnOnlyWithinTheirLimits) {
    m_screen->SetDrawColour(0xFFFF);
    const struct {
        int a, b;
        bool drawn;
    } rings[] = {{240, 10, false}, {20, -1, false}, {-1, 5, false}, {239, 0, true}, {16, 12, true}};
    for (const auto& ring : rings) {
        ClearTo(0);
        m_entity.DrawRing(ring.a, ring.b, *m_screen);
        EXPECT_EQ(CountPixels(0xFFFF) > 0, ring.drawn) << ring.a << " " << ring.b;
    }
}

// The picture belongs to a graphic cache that a map change empties.
TEST_F(EntityOnScreen, ADrawnPictureLeavesItsOpaquePixelsAndAReusedEntityForgetsIt) {
    ClearTo(0);
    m_entity.UpdateScreenPos(*m_screen);
    ASSERT_TRUE(m_entity.Draw(*m_screen));
    EXPECT_EQ(PixelAt(161, 120), 0x07E0);
    EXPECT_EQ(PixelAt(160, 120), 0); // keyed
    m_entity.Init();
    EXPECT_FALSE(m_entity.Draw(*m_screen));
    EXPECT_FALSE(m_entity.HitTest(161, 120));
}

} // namespace
