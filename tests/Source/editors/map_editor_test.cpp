// The map editor's states, tools, panels and drawing modes on the demo world's "field",
// driven through the main loop.
#include "Source/editors/map_editor.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Library/world/tile_map_support.h"
#include "Source/editors/map_editor_support.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/container_map_object.h"
#include "Source/entities/door_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/trigger_entity.h"
#include "Source/world/ambient_snd_mgr.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/weather_mgr.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace testsupport;
using W = MapEditor;

TEST_F(MapEditing, ToolButtonsKeepOneToolOnAndTheStatesReturnToEditMap) {
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(g_tileMap->GetWidth(), 0); // the author begins with New or Load
    EXPECT_FALSE(g_gameMode->GetUseResourceFiles());
    EXPECT_EQ(Field(W::kToolbarWindow, W::kPickerLabel), "ENT");
    EXPECT_TRUE(Ticked(W::kToolbarWindow, W::kShowTravel) &&
                Ticked(W::kToolbarWindow, W::kShowTrap) && Ticked(W::kToolbarWindow, W::kShowInfo));
    const struct {
        uint32_t button;
        W::Tool tool;
    } tools[] = {{W::kEntityButton, W::kEntityTool},     {W::kAmbientSndButton, W::kAmbientSndTool},
                 {W::kClipButton, W::kClipTool},         {W::kContainerButton, W::kContainerTool},
                 {W::kDoorButton, W::kDoorTool},         {W::kSearchMapButton, W::kSearchMapTool},
                 {W::kLightMapButton, W::kLightMapTool}, {W::kHeightMapButton, W::kHeightMapTool},
                 {W::kEntryPtButton, W::kEntryPtTool},   {W::kTriggerPtButton, W::kTriggerPtTool}};
    for (const auto& t : tools) {
        Tool(t.button);
        for (int tool = 0; tool < W::kToolCount; ++tool)
            EXPECT_EQ(Editor().IsToolOn(static_cast<W::Tool>(tool)), tool == t.tool) << t.button;
    }
    Tool(W::kTriggerPtButton);
    EXPECT_FALSE(Editor().IsToolOn(W::kTriggerPtTool));

    const struct {
        uint32_t button;
        uint32_t state;
        W::Window window;
    } panels[] = {{W::kSearchColourButton, W::kSearchColour, W::kSearchColourWindow},
                  {W::kLightColourButton, W::kLightColour, W::kLightColourWindow},
                  {W::kHeightColourButton, W::kHeightColour, W::kHeightColourWindow}};
    for (const auto& p : panels) {
        Tool(p.button);
        EXPECT_EQ(State(), p.state);
        Press(p.window, W::kDone);
        EXPECT_EQ(State(), W::kEditMap);
    }
    for (const uint32_t button : {W::kNew, W::kLoad}) {
        Tool(button);
        EXPECT_EQ(State(), button == W::kNew ? W::kNewMap : W::kLoadMap);
        Click(kDirectoryCancel);
        EXPECT_EQ(State(), W::kEditMap);
    }
    // The picker's arrows have nothing to do; the map data panel opens on 'm' and its cancel
    // keeps what was typed out of the region.
    Tool(W::kPickerRight);
    EXPECT_EQ(Editor().GetPickerType(), 0u);
    Release(SDLK_m);
    EXPECT_EQ(State(), W::kMapDataPanel);
    Enter(W::kMapDataWindow, W::kFirstHeaderField, "typed");
    Press(W::kMapDataWindow, W::kCancel);
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(g_entityMgr->GetHeader().regionScript, "");
    // OK stores each field in its own entry, and the panel reopens on them.
    Release(SDLK_m);
    const char* typed[] = {"script", "table_a", "words", "table_b"};
    for (uint32_t field = 0; field < 4; ++field)
        Enter(W::kMapDataWindow, W::kFirstHeaderField + field, typed[field]);
    Press(W::kMapDataWindow, W::kOk);
    EXPECT_EQ(State(), W::kEditMap);
    const EntityMgr::Header& header = g_entityMgr->GetHeader();
    EXPECT_EQ(header.regionScript, "script");
    EXPECT_EQ(header.gridTableA, "table_a");
    EXPECT_EQ(header.text, "words");
    EXPECT_EQ(header.gridTableB, "table_b");
    Release(SDLK_m);
    for (uint32_t field = 0; field < 4; ++field)
        EXPECT_EQ(Field(W::kMapDataWindow, W::kFirstHeaderField + field), typed[field]);
    Press(W::kMapDataWindow, W::kCancel);

    Tool(W::kExit);
    Frame();
    EXPECT_EQ(Mode(), kModeEditorMenu);
    EXPECT_TRUE(g_gameMode->GetUseResourceFiles());
}

// The light and height colour panels share one picture: each writes its own caption over it.
TEST_F(MapEditing, EachColourPanelShowsItsOwnCaption) {
    const auto captionBand = [this] {
        const WindowLayout panel = W::Layout(W::kLightColourWindow);
        std::vector<uint16_t> pixels;
        for (int y = panel.window.y + 4; y < panel.window.y + 24; ++y)
            for (int x = panel.window.x; x < panel.window.x + panel.window.width; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    };
    Click(155, 563); // the light map's "C"
    ASSERT_EQ(State(), W::kLightColour);
    Frame();
    const InterfaceObject* caption =
        Editor().GetWindow(W::kLightColourWindow).FindChild(W::kPanelCaption);
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption->GetText().c_str(), "Light map colour");
    const std::vector<uint16_t> light = captionBand();
    Press(W::kLightColourWindow, W::kDone);
    Tool(W::kHeightColourButton);
    ASSERT_EQ(State(), W::kHeightColour);
    Frame();
    EXPECT_EQ(Field(W::kHeightColourWindow, W::kPanelCaption), "Height map colour");
    EXPECT_NE(captionBand(), light);
}

// A loaded map is drawn where the pointer aims from its first frame, before the view has
// moved, on the medium view and the large one alike.
TEST_F(MapEditing, ALoadedMapIsDrawnUnderThePointerBeforeAnyScroll) {
    for (int view : {1, TileMap::kLargestView}) {
        SCOPED_TRACE(view);
        g_tileMap->SetViewSize(view);
        Load("demo.map");
        ASSERT_EQ(State(), W::kEditMap);
        Tool(W::kTriggerPtButton);
        MoveTo(400, 250);
        Release(SDLK_p);
        const TriggerEntity* trigger = Editor().GetSelectedTrigger();
        ASSERT_NE(trigger, nullptr);
        Frame();
        EXPECT_NEAR(trigger->GetScreenRect().x, 400, 1);
        EXPECT_NEAR(trigger->GetScreenRect().y, 250, 1);
        Tool(W::kTriggerPtButton);
    }
}

// The picture is drawn at 0.09375 of the map's pixels, centred on the screen; a drag
// centres the view on the map point under the pointer.
TEST_F(MapEditing, ANewMapFromFieldAndItsMiniMap) {
    NewField();
    EXPECT_EQ(g_tileMap->GetHeight(), FieldImages::kRows);
    EXPECT_EQ(Editor().GetMapName(), "");
    ASSERT_TRUE(Editor().HasMiniMapPicture());
    EXPECT_EQ(Editor().GetMiniMapX(), (800 - 75) / 2); // the field's 800 x 492 pixels
    EXPECT_EQ(Editor().GetMiniMapY(), (600 - 46) / 2);
    Tool(W::kMiniMapButton);
    ASSERT_EQ(State(), W::kMiniMap);
    MoveTo(Editor().GetMiniMapX() + 45, Editor().GetMiniMapY() + 20);
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frame();
    const Vector dragged = g_tileMap->GetViewOrigin();
    g_tileMap->CentreViewOn(Vector(45 * 10.666666f / 16, 20 * 10.666666f / 12, 0));
    EXPECT_EQ(dragged, g_tileMap->GetViewOrigin());
    Push(Event(SDL_MOUSEBUTTONUP));
    Frame();
    EXPECT_EQ(State(), W::kEditMap);
}

// Only the file lines load ("..", the first line, is none); a template cut short ends the
// loading and the templates before it stay. The type stays 0 throughout.
TEST_F(MapEditing, ThePickerPagesItsTemplatesAndKeepsThoseBeforeOneCutShort) {
    const std::filesystem::path base = World().Path("Data/Entity/Base");
    std::filesystem::copy_file(base / "barrel.dat", base / "crate.dat",
                               std::filesystem::copy_options::overwrite_existing);
    NewField();
    Tool(W::kEntityButton);
    Release(SDLK_e);
    ASSERT_TRUE(Editor().IsPickerShown());
    const DirectoryPanel& box = Editor().GetEntityDirectory();
    Choose(box, W::EntityDirectoryLayout(), "crate.dat");
    EXPECT_EQ(Editor().GetPickerCount(), 3);
    EXPECT_EQ(Editor().GetPickerFirst(), 0);
    for (int click = 0; click < 5; ++click)
        Press(W::kPickerWindow, W::kPickerDown);
    EXPECT_EQ(Editor().GetPickerFirst(), 3); // the window left empty
    for (int click = 0; click < 5; ++click)
        Press(W::kPickerWindow, W::kPickerUp);
    EXPECT_EQ(Editor().GetPickerFirst(), 0);

    const std::string whole = World().ReadFile("Data/Entity/Base/barrel.dat");
    World().WriteFile("Data/Entity/Base/cut.dat", whole.substr(0, whole.size() / 2));
    Tool(W::kNew); // re-entering EDIT MAP lists the directory again
    Click(kDirectoryCancel);
    testing::internal::CaptureStderr();
    Choose(box, W::EntityDirectoryLayout(), "barrel.dat");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cut.dat"), std::string::npos);
    EXPECT_EQ(Editor().GetPickerCount(), 2); // barrel and crate, before the cut one
    EXPECT_EQ(Editor().GetPickerFirst(), 0);
    EXPECT_EQ(Editor().GetPickerType(), 0u);
    EXPECT_EQ(Editor().GetPicker().GetEntity(Entity::kTypeBase, 1)->GetType(), Entity::kTypeBase);
}

// The picker's types stay 0, so no soldier reaches the picker or the map by the editor's keys
// yet: the step both take is tried on its own.
TEST_F(MapEditing, ASoldierTemplateAndItsPlacedCopyFaceDirectionFour) {
    NewField();
    for (bool placed : {false, true}) {
        SoldierEntity* soldier = nullptr;
        ASSERT_TRUE(
            Entity::AsSoldier(g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeSoldier), &soldier) &&
            soldier->LoadByName("trader"));
        ASSERT_GT(soldier->GetDirectionCount(), W::kShownFacing);
        soldier->SetDirection(0);
        EXPECT_TRUE(W::ReadyToShow(*soldier, placed));
        EXPECT_EQ(soldier->GetDirection(), W::kShownFacing) << placed;
    }
}

class EntityPlacing : public MapEditing {
protected:
    void SetUp() override {
        MapEditing::SetUp();
        NewField();
        Tool(W::kEntityButton);
        Release(SDLK_e);
        Choose(Editor().GetEntityDirectory(), W::EntityDirectoryLayout(), "barrel.dat");
        Frame(); // drawn in the picker
        const ScreenPos& barrel =
            Editor().GetPicker().GetEntity(Entity::kTypeBase, 0)->GetScreenRect();
        MoveTo(barrel.x + 3, barrel.y + 4);
        Release(SDLK_s);
        ASSERT_NE(Editor().GetChosenTemplate(), nullptr);
        Release(SDLK_e); // the picker hidden again
    }
    Entity* Place(const Vector& at) {
        KeyAt(at, SDLK_p);
        return Editor().GetSelectedEntity();
    }
    void Arrows(SDLKey key, int count) {
        for (int press = 0; press < count; ++press)
            Release(key);
    }
};

TEST_F(EntityPlacing, ACopyLandsOnTheWholeCellWithTheGrabOffset) {
    EXPECT_EQ(Editor().GetGrabOffset(), Vector(-3.0f / 16, -4.0f / 12, 0));
    Entity* barrel = Place(Vector(10.7f, 12.3f, 0));
    ASSERT_NE(barrel, nullptr);
    EXPECT_EQ(barrel->GetPosition(), Vector(10, 12, 0));
    EXPECT_EQ(barrel->GetVector2(), Vector(-3.0f / 16, -4.0f / 12, 0));
    EXPECT_EQ(barrel->GetTemplateName(), "barrel");
    EXPECT_TRUE(Editor().GetEditList().Contains(barrel));

    // Off the map nothing is placed; over the barrel 'd' deletes it and frees its slot.
    KeyAt(Vector(5, FieldImages::kRows + 0.5f, 0), SDLK_p); // below the map
    EXPECT_EQ(Editor().GetSelectedEntity(), barrel);
    EXPECT_EQ(g_entityMgr->GetSlotCount(Entity::kTypeBase), 1);
    const ScreenPos& shown = barrel->GetScreenRect();
    MoveTo(shown.x + shown.w / 2, shown.y + shown.h / 2);
    Release(SDLK_d);
    EXPECT_EQ(Editor().GetSelectedEntity(), nullptr);
    EXPECT_FALSE(Editor().GetEditList().Contains(barrel));
    EXPECT_FALSE(g_entityMgr->IsSlotUsed(Entity::kTypeBase, 0));
}

// Leaving the mini map by a release renews the picker: an 's' in the same frame finds none of
// the templates drawn before, and a later 'p' places nothing.
TEST_F(EntityPlacing, LeavingTheMiniMapForgetsTheTemplatesLastDrawn) {
    Release(SDLK_e);
    ASSERT_TRUE(Editor().IsPickerShown());
    Frame();
    const ScreenPos barrel = Editor().GetPicker().GetEntity(Entity::kTypeBase, 0)->GetScreenRect();
    Tool(W::kMiniMapButton);
    ASSERT_EQ(State(), W::kMiniMap);
    MoveTo(barrel.x + 3, barrel.y + 4);
    Push(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    Push(KeyUp(SDLK_s));
    Frame();
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_EQ(Editor().GetChosenTemplate(), nullptr);
    EXPECT_EQ(Place(Vector(10.5f, 12.5f, 0)), nullptr);
    EXPECT_EQ(g_entityMgr->GetSlotCount(Entity::kTypeBase), 0);
}

// The barrel is round at its sides: over its see-through corner 's' finds no template, and
// the one chosen before is let go.
TEST_F(EntityPlacing, TheTemplateIsChosenOnItsOwnPixelsOnly) {
    Release(SDLK_e);
    Frame();
    const ScreenPos barrel = Editor().GetPicker().GetEntity(Entity::kTypeBase, 0)->GetScreenRect();
    MoveTo(barrel.x + 1, barrel.y + 1);
    Release(SDLK_s);
    EXPECT_EQ(Editor().GetChosenTemplate(), nullptr);
    MoveTo(barrel.x + 8, barrel.y + 10);
    Release(SDLK_s);
    EXPECT_EQ(Editor().GetChosenTemplate(), Editor().GetPicker().GetEntity(Entity::kTypeBase, 0));
    EXPECT_EQ(Editor().GetGrabOffset(), Vector(-8.0f / 16, -10.0f / 12, 0));
}

TEST_F(EntityPlacing, ArrowsMoveTheSelectedEntityButNeverOffTheMap) {
    Entity* west = Place(Vector(0.5f, 0.5f, 0));
    ASSERT_NE(west, nullptr);
    Arrows(SDLK_LEFT, 1);
    Arrows(SDLK_UP, 1);
    EXPECT_EQ(west->GetPosition(), Vector(0, 0, 0));
    Arrows(SDLK_RIGHT, 1);
    Arrows(SDLK_DOWN, 2);
    EXPECT_FLOAT_EQ(west->GetPosition().x, 0.2f);
    EXPECT_FLOAT_EQ(west->GetPosition().y, 0.4f);

    constexpr float kRight = FieldImages::kColumns, kBottom = FieldImages::kRows;
    Entity* east = Place(Vector(kRight - 0.5f, kBottom - 0.5f, 0));
    Arrows(SDLK_RIGHT, 6);
    Arrows(SDLK_DOWN, 6);
    EXPECT_LT(east->GetPosition().x, kRight);
    EXPECT_GT(east->GetPosition().x, kRight - 0.3f);
    EXPECT_LT(east->GetPosition().y, kBottom);
    EXPECT_GT(east->GetPosition().y, kBottom - 0.3f);
}

// The entry point panel's value is one byte: 300 keeps 44. Cancel keeps what was typed out.
TEST_F(MapEditing, AnEntryPointIsPlacedNamedAndRemoved) {
    NewField();
    Tool(W::kEntryPtButton);
    KeyAt(Vector(5, FieldImages::kRows + 0.5f, 0), SDLK_p); // below the map
    EXPECT_EQ(g_entryPtMgr->Count(), 0);
    KeyAt(Vector(5.5f, 6.5f, 0), SDLK_p);
    ASSERT_EQ(g_entryPtMgr->Count(), 1);
    KeyAt(Vector(5.8f, 6.2f, 0), SDLK_i);
    ASSERT_EQ(State(), W::kEntryPtPanel);
    EXPECT_EQ(Field(W::kEntryPtWindow, W::kEntryX), "5.50");
    EXPECT_EQ(Field(W::kEntryPtWindow, W::kEntryY), "6.50");
    Enter(W::kEntryPtWindow, W::kEntryName, "west");
    Enter(W::kEntryPtWindow, W::kEntryValue, "300");
    Press(W::kEntryPtWindow, W::kOk);
    EXPECT_EQ(State(), W::kEditMap);
    const EntryPt* entry = g_entryPtMgr->FindByName("west");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->facing, 44u);

    KeyAt(Vector(5.5f, 6.5f, 0), SDLK_i);
    Enter(W::kEntryPtWindow, W::kEntryName, "east");
    Press(W::kEntryPtWindow, W::kCancel);
    EXPECT_NE(g_entryPtMgr->FindByName("west"), nullptr);
    // The tool takes every key: the picker's 'e' never reaches the entity tool.
    Release(SDLK_e);
    EXPECT_FALSE(Editor().IsPickerShown());
    KeyAt(Vector(5.5f, 6.5f, 0), SDLK_d);
    EXPECT_EQ(g_entryPtMgr->Count(), 0);
}

// A new trigger's rules flag 0x08 stays beside tick 59's world-map bit.
TEST_F(MapEditing, ATriggerTakesAZoneAndTravelStrings) {
    NewField();
    Tool(W::kTriggerPtButton);
    KeyAt(Vector(20.5f, 10.5f, 0), SDLK_p);
    TriggerEntity* trigger = Editor().GetSelectedTrigger();
    ASSERT_NE(trigger, nullptr);
    MapObject& way = trigger->GetMapObject();
    EXPECT_EQ(way.GetSettings().flags, 0x08u);
    KeyAt(Vector(20.6f, 10.4f, 0), SDLK_i);
    ASSERT_EQ(State(), W::kTriggerPtPanel);
    EXPECT_TRUE(Ticked(W::kTriggerPtWindow, W::kTravelRadio));
    Press(W::kTriggerPtWindow, W::kTriggerZone);
    DrawOutline({Vector(19, 9, 0), Vector(23, 9, 0), Vector(21, 12, 0)});
    EXPECT_TRUE(way.ZoneContains(Vector(21, 10, 0)));
    Enter(W::kTriggerPtWindow, W::kObjectName, "to demo");
    Press(W::kTriggerPtWindow, W::kTriggerApply);
    ASSERT_EQ(State(), W::kTravelPanel);
    EXPECT_EQ(Field(W::kTravelWindow, W::kTargetMap), "");
    Enter(W::kTravelWindow, W::kTargetMap, "demo");
    Enter(W::kTravelWindow, W::kTargetEntry, "gate");
    Press(W::kTravelWindow, 59);
    Press(W::kTravelWindow, W::kDone);
    EXPECT_EQ(State(), W::kTriggerPtPanel);
    Press(W::kTriggerPtWindow, W::kOk);
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(way.GetSettings().flags, 0x0Cu);
    EXPECT_EQ(way.GetSettings().name, "to demo");
    EXPECT_EQ(way.GetSettings().targetMap, "demo");
    EXPECT_EQ(way.GetSettings().targetEntry, "gate");
    EXPECT_EQ(way.GetKind(), kMapObjectTravel);

    // Opened again, the tick shows the flag, and unticking it clears it alone.
    KeyAt(Vector(20.6f, 10.4f, 0), SDLK_i);
    Press(W::kTriggerPtWindow, W::kTriggerApply);
    ASSERT_EQ(State(), W::kTravelPanel);
    EXPECT_TRUE(Ticked(W::kTravelWindow, 59));
    Press(W::kTravelWindow, 59);
    Press(W::kTravelWindow, W::kDone);
    Press(W::kTriggerPtWindow, W::kOk);
    EXPECT_EQ(way.GetSettings().flags, 0x08u);
    EXPECT_EQ(way.GetSettings().targetMap, "demo");
}

// 'p' adds and 'd' removes a cell of the state the door is not in; the tick switches it.
TEST_F(MapEditing, ADoorTakesCellsInBothStatesAndAZone) {
    NewField();
    Tool(W::kDoorButton);
    KeyAt(Vector(30.5f, 15.5f, 0), SDLK_p);
    KeyAt(Vector(30.5f, 15.5f, 0), SDLK_i);
    ASSERT_EQ(State(), W::kDoorPanel);
    DoorEntity* door = Editor().GetSelectedDoor();
    ASSERT_NE(door, nullptr);
    DoorMapObject& gate = door->GetMapObject();
    Press(W::kDoorWindow, W::kDoorOutline);
    DrawOutline({Vector(29, 14, 0), Vector(32, 14, 0), Vector(32, 17, 0), Vector(29, 17, 0)});
    EXPECT_TRUE(gate.ZoneContains(Vector(30.5f, 15.5f, 0)));
    Press(W::kDoorWindow, W::kDoorCells);
    ASSERT_TRUE(Editor().IsDrawingPoints());
    KeyAt(Vector(31.2f, 16.7f, 0), SDLK_p);
    KeyAt(Vector(32.5f, 16.5f, 0), SDLK_p);
    KeyAt(Vector(32.1f, 16.9f, 0), SDLK_d);
    Release(SDLK_a);
    EXPECT_EQ(gate.GetCells(BinaryMapObject::kStateOpen), std::vector<Vector>{Vector(31, 16, 0)});
    Press(W::kDoorWindow, W::kOpenTick); // applies at once
    EXPECT_TRUE(gate.IsOpen());
    Press(W::kDoorWindow, W::kDoorCells);
    KeyAt(Vector(33.5f, 17.5f, 0), SDLK_p);
    Release(SDLK_a);
    Press(W::kDoorWindow, W::kDone);
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(gate.GetCells(0), std::vector<Vector>{Vector(33, 17, 0)});
}

// A deleted door takes the picture it drew into the tiles with it.
TEST_F(MapEditing, ADeletedDoorPutsBackTheTilesItsPictureCovered) {
    for (const char* name : {"shut.tga", "ajar.tga"})
        WriteImage(World().Path(std::string("art/graphic/map/TileGraphic/") + name), 32, 24,
                   [](int, int) { return Packed(200, 36, 36); });
    NewField();
    const auto shown = [this] { // the middle of the picture's first cell, map pixels (160, 120)
        Frame();
        int x = 0, y = 0;
        WorldToPixel(*g_tileMap, Vector(10.5f, 10.5f, 0), x, y);
        return PixelAt(x, y);
    };
    const uint16_t ground = shown();
    Tool(W::kDoorButton);
    KeyAt(Vector(30.5f, 15.5f, 0), SDLK_p);
    KeyAt(Vector(30.5f, 15.5f, 0), SDLK_i);
    Enter(W::kDoorWindow, W::kPatchClosed, "shut.tga");
    Enter(W::kDoorWindow, W::kPatchOpen, "ajar.tga");
    Enter(W::kDoorWindow, W::kPatchX, "160");
    Enter(W::kDoorWindow, W::kPatchY, "120");
    Press(W::kDoorWindow, W::kDone);
    ASSERT_EQ(State(), W::kEditMap);
    EXPECT_NE(shown(), ground);
    KeyAt(Vector(30.5f, 15.5f, 0), SDLK_d);
    EXPECT_FALSE(g_entityMgr->IsSlotUsed(Entity::kTypeDoor, 0));
    EXPECT_EQ(shown(), ground);
    std::filesystem::remove_all(World().Path("art/graphic/map/TileGraphic"));
}

// Two doors whose pictures share a cell: placing the second and deleting it again leaves the
// first drawn pixel for pixel as it was, and the second's own pixels back on the map's.
TEST_F(MapEditing, DeletingADoorKeepsTheNeighboursPictureInTheCellsTheyShare) {
    const struct {
        const char* closed;
        const char* open;
        uint16_t colour;
        Vector label;
        int x;
    } doors[] = {{"left.tga", "left_open.tga", Packed(200, 36, 36), Vector(30.5f, 15.5f, 0), 480},
                 {"right.tga", "right_open.tga", Packed(36, 36, 200), Vector(34.5f, 15.5f, 0),
                  504}}; // half a cell over the first's right column
    for (const auto& door : doors)
        for (const char* name : {door.closed, door.open})
            WriteImage(World().Path(std::string("art/graphic/map/TileGraphic/") + name), 32, 24,
                       [&door](int, int) { return door.colour; });
    NewField();
    // Map pixels 464-559 across and 348-395 down, on grass: both pictures and a cell round.
    constexpr int kLeft = 464, kTop = 348, kWidth = 96, kHeight = 48;
    const auto band = [this] {
        MoveOver(Vector(30.5f, 5.5f, 0)); // the pointer off them
        int left = 0, top = 0;
        WorldToPixel(*g_tileMap, Vector(kLeft / 16, kTop / 12, 0), left, top);
        std::vector<uint16_t> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(PixelAt(left + x, top + y));
        return pixels;
    };
    const auto pixelOf = [](const std::vector<uint16_t>& pixels, int x, int y) {
        return pixels[static_cast<size_t>((y - kTop) * kWidth + x - kLeft)];
    };
    // Of the map pixels from x1 up to x2 across the pictures' rows, those unlike the other's.
    const auto unlike = [&](const std::vector<uint16_t>& a, const std::vector<uint16_t>& b, int x1,
                            int x2) {
        int count = 0;
        for (int y = 360; y < 384; ++y)
            for (int x = x1; x < x2; ++x)
                count += pixelOf(a, x, y) != pixelOf(b, x, y) ? 1 : 0;
        return count;
    };
    const std::vector<uint16_t> ground = band();
    Tool(W::kDoorButton);
    const auto place = [this](const auto& door) {
        KeyAt(door.label, SDLK_p);
        KeyAt(door.label, SDLK_i);
        Enter(W::kDoorWindow, W::kPatchClosed, door.closed);
        Enter(W::kDoorWindow, W::kPatchOpen, door.open);
        Enter(W::kDoorWindow, W::kPatchX, std::to_string(door.x).c_str());
        Enter(W::kDoorWindow, W::kPatchY, "360");
        Press(W::kDoorWindow, W::kDone);
        ASSERT_EQ(State(), W::kEditMap);
    };
    place(doors[0]);
    const std::vector<uint16_t> first = band();
    EXPECT_EQ(pixelOf(first, 480, 360), doors[0].colour);
    EXPECT_EQ(pixelOf(first, 511, 383), doors[0].colour);
    place(doors[1]);
    const std::vector<uint16_t> both = band();
    EXPECT_EQ(pixelOf(both, 480, 360), doors[0].colour);
    EXPECT_EQ(pixelOf(both, 503, 383), doors[0].colour);
    EXPECT_EQ(pixelOf(both, 504, 360), doors[1].colour); // the later drawn over the earlier
    EXPECT_EQ(pixelOf(both, 535, 383), doors[1].colour);

    KeyAt(doors[1].label, SDLK_d);
    ASSERT_TRUE(g_entityMgr->IsSlotUsed(Entity::kTypeDoor, 0));
    EXPECT_FALSE(g_entityMgr->IsSlotUsed(Entity::kTypeDoor, 1));
    const std::vector<uint16_t> after = band();
    EXPECT_TRUE(after == first);
    EXPECT_EQ(unlike(after, first, 464, 512), 0) << "the first door and the cell left of it";
    EXPECT_EQ(unlike(after, ground, 512, 560), 0) << "the second's own pixels and beyond";
    std::filesystem::remove_all(World().Path("art/graphic/map/TileGraphic"));
}

// The tick opens and shuts the chest at once, taking the typed name with it; DONE keeps the
// last name and closes the panel.
TEST_F(MapEditing, AContainerIsPlacedFoundNamedAndOpenedFromItsPanel) {
    NewField();
    Tool(W::kContainerButton);
    KeyAt(Vector(12.5f, 8.5f, 0), SDLK_p);
    ContainerMapEntity* chest = Editor().GetSelectedContainer();
    ASSERT_NE(chest, nullptr);
    EXPECT_EQ(chest->GetPosition(), Vector(12.5f, 8.5f, 0));
    KeyAt(Vector(12.5f, 8.5f, 0), SDLK_i);
    ASSERT_EQ(State(), W::kContainerPanel);
    ASSERT_EQ(Editor().GetSelectedContainer(), chest);
    ContainerMapObject& lid = chest->GetMapObject();
    EXPECT_FALSE(Ticked(W::kContainerWindow, W::kOpenTick));
    Enter(W::kContainerWindow, W::kObjectName, "chest");
    Press(W::kContainerWindow, W::kOpenTick);
    EXPECT_EQ(State(), W::kContainerPanel);
    EXPECT_TRUE(lid.IsOpen());
    EXPECT_EQ(lid.GetSettings().name, "chest");
    Press(W::kContainerWindow, W::kOpenTick);
    EXPECT_FALSE(lid.IsOpen());
    Enter(W::kContainerWindow, W::kObjectName, "strongbox");
    Press(W::kContainerWindow, W::kDone);
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(lid.GetSettings().name, "strongbox");
    EXPECT_FALSE(lid.IsOpen());
}

// The state's name is written below the map's in the black box at the top right.
TEST_F(MapEditing, TheStatusBoxNamesTheStateAndAnUnknownOneIsAnError) {
    const auto litIn = [this](int x1, int x2) {
        int lit = 0;
        for (int y = 20; y < 40; ++y)
            for (int x = x1; x < x2; ++x)
                lit += PixelAt(x, y) != 0 ? 1 : 0;
        return lit;
    };
    for (const Point& button : {Point{-1, -1}, At(W::kToolbarWindow, W::kMiniMapButton)}) {
        if (button.x >= 0)
            Click(button);
        Frame();
        g_screen->SetFont(0);
        const int width = g_screen->TextWidth(W::StateName(State()));
        EXPECT_GT(litIn(650, 650 + width), 0) << State();
        EXPECT_EQ(litIn(650 + width + 1, 800), 0) << State();
    }
    EXPECT_STREQ(W::StateName(W::kStateCount), "ERROR");
}

// Distances below one become one, percentages keep within 0-100, the period within a
// u16, and text that is no finite number reads 0 or saturates.
TEST_F(MapEditing, AnAmbientSoundPanelClampsWhatItStores) {
    NewField();
    Tool(W::kAmbientSndButton);
    KeyAt(Vector(8.5f, 20.5f, 0), SDLK_p);
    ASSERT_EQ(g_ambientSndMgr->Count(), 1);
    KeyAt(Vector(8.5f, 20.5f, 0), SDLK_i);
    ASSERT_EQ(State(), W::kAmbientSndPanel);
    EXPECT_EQ(Field(W::kAmbientSndWindow, W::kSoundMinDistance), "1");
    EXPECT_EQ(Field(W::kAmbientSndWindow, W::kSoundRadius), "5");
    EXPECT_EQ(Field(W::kAmbientSndWindow, W::kSoundVolume), "100");
    EXPECT_EQ(Field(W::kAmbientSndWindow, W::kSoundPeriod), "500");
    EXPECT_EQ(Field(W::kAmbientSndWindow, W::kSoundChance), "50");
    EXPECT_TRUE(Ticked(W::kAmbientSndWindow, W::kSoundContinuous));
    Enter(W::kAmbientSndWindow, W::kSoundName, "wind");
    Enter(W::kAmbientSndWindow, W::kSoundX, "1e39");
    Enter(W::kAmbientSndWindow, W::kSoundY, "nan");
    Enter(W::kAmbientSndWindow, W::kSoundMinDistance, "0.5");
    Enter(W::kAmbientSndWindow, W::kSoundRadius, "7.5");
    Enter(W::kAmbientSndWindow, W::kSoundVolume, "150");
    Enter(W::kAmbientSndWindow, W::kSoundPeriod, "99999999999");
    Enter(W::kAmbientSndWindow, W::kSoundChance, "-5");
    Press(W::kAmbientSndWindow, W::kSoundContinuous);
    Press(W::kAmbientSndWindow, W::kSoundList);
    ASSERT_EQ(State(), W::kAmbientSndListPanel);
    Enter(W::kAmbientSndListWindow, W::kFirstSoundName, "brook");
    Press(W::kAmbientSndListWindow, W::kDone);
    EXPECT_EQ(State(), W::kAmbientSndPanel);
    Press(W::kAmbientSndWindow, W::kOk);
    const AmbientSnd& wind = *g_ambientSndMgr->Get(0);
    EXPECT_EQ(wind.GetName(), "wind");
    EXPECT_EQ(wind.GetPosition().x, FLT_MAX); // kept exactly through the list panel's refill
    EXPECT_EQ(wind.GetPosition().y, 0.0f);
    EXPECT_EQ(wind.GetMinDistance(), 1.0f);
    EXPECT_EQ(wind.GetRadius(), 7.5f);
    EXPECT_EQ(wind.GetVolume(), 100);
    EXPECT_EQ(wind.GetPeriod(), 65535);
    EXPECT_EQ(wind.GetChance(), 0);
    EXPECT_FALSE(wind.IsContinuous());
    EXPECT_EQ(wind.GetSound(0), "brook");
}

// Shift+'s' paints every cell the pointer passes until a key is released.
TEST_F(MapEditing, ShiftSPaintsTheSearchColourUntilAKeyIsReleased) {
    NewField();
    Tool(W::kSearchMapButton);
    Tool(W::kSearchColourButton);
    Press(W::kSearchColourWindow, 35);
    Press(W::kSearchColourWindow, W::kDone);
    EXPECT_EQ(Editor().GetSearchColour(), 3);
    MoveOver(Vector(30.5f, 25.5f, 0));
    ShiftPress(SDLK_s);
    EXPECT_TRUE(Editor().IsPainting());
    MoveOver(Vector(31.5f, 25.5f, 0));
    MoveOver(Vector(32.5f, 25.5f, 0));
    Release(SDLK_s);
    EXPECT_FALSE(Editor().IsPainting());
    MoveOver(Vector(33.5f, 25.5f, 0));
    for (int column = 30; column <= 33; ++column) {
        int type = -1;
        ASSERT_TRUE(g_tileMap->GetTileType(column, 25, type));
        EXPECT_EQ(type, column <= 32 ? 3 : 0) << column;
    }
    // Just left of the map is no cell of column 0.
    ShiftPress(SDLK_s);
    MoveOver(Vector(-0.5f, 25.5f, 0));
    int type = -1;
    ASSERT_TRUE(g_tileMap->GetTileType(0, 25, type));
    EXPECT_EQ(type, 0);
    // Leaving the editor mid-stroke: the next one starts without painting.
    g_gameMode->SetMode(kModeEditorMenu);
    Frame();
    g_gameMode->SetMode(kModeMapEditor);
    Frame();
    EXPECT_FALSE(Editor().IsPainting());
}

// The base point's y in map pixels, rounded, is the zone's new base; then both are cleared.
TEST_F(MapEditing, TheClipToolSetsItsBaseAndClearsItAfterTheUpdate) {
    NewField();
    Tool(W::kClipButton);
    EXPECT_EQ(Editor().GetClipBase(), Vector(-500, -500, 0));
    KeyAt(Vector(10.5f, 25.25f, 0), SDLK_p);
    EXPECT_FLOAT_EQ(Editor().GetClipBase().y, 25.25f);
    DrawOutline({Vector(9, 22, 0), Vector(13, 22, 0), Vector(13, 26, 0), Vector(9, 26, 0)});
    EXPECT_TRUE(Editor().GetClipZone().IsValid());
    KeyAt(Vector(11, 24, 0), SDLK_u);
    EXPECT_EQ(Editor().GetClipBase(), Vector(-500, -500, 0));
    EXPECT_FALSE(Editor().GetClipZone().IsValid());
}

// A save stores the toolbar's chances as those of rain, snow and storm, each within 0-100
// and with any fraction typed.
TEST_F(MapEditing, TheWeatherChancesAreStoredWithTheSave) {
    NewField();
    Enter(W::kToolbarWindow, W::kChanceRain, "150");
    Enter(W::kToolbarWindow, W::kChanceSnow, "-5");
    Enter(W::kToolbarWindow, W::kChanceStorm, "40.5");
    Save("weather");
    EXPECT_EQ(State(), W::kEditMap);
    EXPECT_EQ(g_weatherMgr->GetKindChance(WeatherMgr::kRain), 100.0f);
    EXPECT_EQ(g_weatherMgr->GetKindChance(WeatherMgr::kSnow), 0.0f);
    EXPECT_EQ(g_weatherMgr->GetKindChance(WeatherMgr::kStorm), 40.5f);
}

} // namespace
