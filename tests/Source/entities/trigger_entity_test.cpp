// Triggers: their record, their names, and when the player sees and picks them.
#include "Source/entities/trigger_entity.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/game_mode.h"
#include "entity_fakes.h"
#include "map_object_bytes.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

Bytes TriggerRecord(const std::string& displayName, uint8_t kind, uint32_t flags) {
    return Concat({Placement(10, 0x40), kTemplateName, kRadiusAuxPicture, Ref("pit"),
                   kClearedColourMod, Text(displayName), Text(""), MapObjectRecord(kind, flags)});
}

TEST(TriggerRecord, IsTheEntityRecordThenTheMapObjectsAndNamesAnUnnamedTriggerByItsKind) {
    CallLog log;
    RecordingScriptFactory scripts(log);
    const struct {
        uint8_t kind;
        uint32_t flags;
        const char* displayName;
        const char* named;
    } cases[] = {
        {0, 0x01, "", "Travel"}, {1, 0x01, "", "Info"},     {2, 0x01, "", ""},
        {2, 0x09, "", "Trap"},   {0, 0x01, "Exit", "Exit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        TriggerEntity trigger;
        trigger.Init();
        ASSERT_TRUE(LoadFrom(trigger, TriggerRecord(c.displayName, c.kind, c.flags)));
        EXPECT_STREQ(trigger.GetDisplayName().c_str(), c.named);
        EXPECT_EQ(SavedForm(trigger), TriggerRecord(c.named, c.kind, c.flags));
    }
    const Bytes placement = MapObjectRecord(1, 0x01);
    TriggerEntity sign;
    TestStream stream(placement);
    ASSERT_TRUE(sign.LoadPlacement(stream));
    EXPECT_EQ(sign.GetPosition(), Vector(4, 5, 0));
    EXPECT_STREQ(sign.GetDisplayName().c_str(), "Info"); // as a loaded one is named
    EXPECT_EQ(WrittenBy([&](Stream& out) { return sign.SavePlacement(out); }), placement);
}

// A trigger anchored at (10, 10), pixel (160, 120), whose zone is the square of half side 1
// around (14, 10), pixel (224, 120).
class TriggerOnScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        g_gameMode = &m_mode;
        m_trigger.Init();
        m_trigger.SetPosition(Vector(10, 10, 0));
        SetSquareZone(m_trigger.GetMapObject(), Vector(14, 10, 0), 1.0f);
    }
    void TearDown() override {
        g_gameMode = nullptr;
        ScreenTest::TearDown();
    }
    void EnterMode(int id) {
        m_mode.SetMode(id);
        m_mode.ApplyPendingMode();
    }

    GameMode m_mode;
    TriggerEntity m_trigger;
};

TEST_F(TriggerOnScreen, ATrapIsShownOnlyOnceFoundAndArmedAndOtherKindsOnlyUnderTheMouse) {
    const uint16_t red = Colour(255, 0, 0).Pack16();
    const uint16_t green = Colour(0, 255, 0).Pack16();
    const struct {
        const char* what;
        uint32_t kind;
        uint8_t found, armed;
        bool mouseOver;
        bool highlighted;
        uint16_t drawn; // 0: nothing
    } cases[] = {
        {"an unfound trap", kMapObjectTrap, 0, 1, true, false, 0},
        {"a found trap", kMapObjectTrap, 1, 1, false, false, red},
        {"a disarmed trap", kMapObjectTrap, 1, 0, true, false, 0},
        {"an info point", kMapObjectInfo, 0, 0, false, false, 0},
        {"an info point under the mouse", kMapObjectInfo, 0, 0, true, true, green},
    };
    EnterMode(kModeAreaMap);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_trigger.GetMapObject().SetKind(c.kind);
        m_trigger.GetMapObject().EditSettings().trapFound = c.found;
        m_trigger.GetMapObject().EditSettings().trapArmed = c.armed;
        g_mouseX = c.mouseOver ? 224 : 0;
        g_mouseY = c.mouseOver ? 120 : 0;
        ClearTo(0);
        EXPECT_TRUE(m_trigger.Draw(*m_screen));
        EXPECT_EQ(m_trigger.HasAnyFlag(Entity::kFlagMouseOver), c.highlighted);
        EXPECT_EQ(CountPixels(red) + CountPixels(green) > 0, c.drawn != 0);
        if (c.drawn != 0) {
            EXPECT_GT(CountPixels(c.drawn), 0);
        }
    }
    EXPECT_FALSE(m_trigger.HitTest(160, 120)); // its anchor: the map editor's pick
    EnterMode(kModeMapEditor);
    EXPECT_TRUE(m_trigger.HitTest(160 + 16, 120));
    EXPECT_FALSE(m_trigger.HitTest(224, 120));
}

} // namespace
