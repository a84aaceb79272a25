// The inventory screen on the demo map through the main loop: the player's kit dragged
// between backpack, slots and the ground, the quantity box, the refusals, and the ground
// items going back to the map however the screen is left.
#include "Source/screens/player_inv_panel.h"

#include "Library/core/vector.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/screen.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/message_box.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/binary_map_object.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"
#include "Source/main.h"
#include "Source/real_game.h"
#include "Source/screens/gen_inter_routine.h"
#include "Source/screens/interface_routines.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"
#include "tools/demoworld/demo_dialogues.h"
#include "tools/demoworld/frame_palette.h"

#include <gtest/gtest.h>

#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testsupport;

constexpr Point kInventoryButton{465, 559};
constexpr Point kDone{720, 544};
constexpr Point kBoxOk{358, 356};
constexpr Point kBoxCancel{436, 356};
constexpr Point kMessageOk{400, 356};
constexpr Point kShieldSlot{456, 238};
constexpr Point kSecondHand{397, 298};
constexpr Point kGround{707, 450};
constexpr Point kBackpack{88, 470};
constexpr Point kNowhere{600, 120};
constexpr Point kBackpackDown{124, 312};
const Vector kByTheGate(49.5f, 45.5f, 0); // on the two items lying there
// Above the second list, up to its frame and short of the screen's.
const Rect kSecondListTitle = Rect::Make(682, 92, 790, 105);
constexpr int kNameLineY = 400; // the examined item's first line; the ammo line follows

class InventoryScreen : public RealGame {
protected:
    // The player by the gate, on the area map.
    void EnterMap() {
        ASSERT_TRUE(g_tileMap->Load("demo"));
        ASSERT_TRUE(g_regionMgr->LoadRegFile("demo", nullptr));
        ASSERT_TRUE(g_partyMgr->AddCharacterByName("if_idyl_player_tutorial"));
        m_player = g_partyMgr->GetLeaderSoldier();
        m_player->SetPosition(kByTheGate);
        g_tileMap->CentreViewOn(kByTheGate);
        g_gameMode->SetMode(kModeAreaMap);
        WaitUntilStocked();
    }
    // The crate's script has run its steps: gold and bullets in it, a potion and a sword
    // dropped.
    void WaitUntilStocked() {
        const auto stocked = [] {
            MapObject* crate = nullptr;
            return Entity::GetMapObject(g_entityMgr->GetEntity(Entity::kTypeContainerMap, 1),
                                        &crate) &&
                   crate->GetSettings().valueB == DemoDialogues::kCrateStocked;
        };
        for (int frame = 0; frame < 200 && !stocked(); ++frame)
            Frame();
        ASSERT_TRUE(stocked());
    }
    void OpenInventory() {
        Click(kInventoryButton);
        Frames(2);
        ASSERT_EQ(Mode(), kModeInventory);
        m_display = &PageAs<PlayerInvPanel>()->GetDisplay();
    }
    CreatureInventory& Inventory() { return Creature::Of(m_player)->GetData().GetInventory(); }
    ContainerEntity& Ground() { return *m_display->GetList(GenInterRoutine::kOtherContainer); }
    ItemEntity* Carried(const char* name) {
        ItemEntity* item = nullptr;
        return Inventory().FindByName(name, item) ? item : nullptr;
    }
    static Point At(const ItemEntity& item) {
        const ScreenPos& icon = item.GetScreenRect();
        return Point{icon.x + icon.w / 2, icon.y + icon.h / 2};
    }
    void Drag(const Point& from, const Point& to) {
        MoveTo(from.x, from.y);
        Push(Event(SDL_MOUSEBUTTONDOWN));
        Frame();
        MoveTo(to.x, to.y);
        Push(Event(SDL_MOUSEBUTTONUP));
        Frame();
    }
    // The five potions dragged to the ground and the number typed; OK.
    void MovePotions(const char* typed) {
        Drag(At(*Carried("potion")), kGround);
        ASSERT_EQ(m_display->GetState(), GenInterRoutine::kQuantityBox);
        Type(typed);
        Click(kBoxOk);
    }
    // The command box opened on the item by a right press, its button chosen by the release.
    void Command(const Point& item, int button) {
        MoveTo(item.x, item.y);
        Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
        Frame();
        ASSERT_EQ(m_display->GetState(), GenInterRoutine::kCommandBox);
        MoveTo(item.x + 10, item.y + 6 + button * 16);
        Push(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
        Frames(2);
    }
    // Where the list draws its icon at the row: centred across, 15 a row below the list's top,
    // shifted by the crop.
    static ScreenPos Drawn(ItemEntity& item, const Rect& list, int row) {
        const AnimationMgr& icon = item.GetAnimation();
        const int width = icon.GetFrameWidth();
        return ScreenPos{(list.x1 + list.x2 - width) / 2 + icon.GetCropX(),
                         list.y1 + 15 * (row + 1) + icon.GetCropY(), width, icon.GetFrameHeight()};
    }
    // The runs of rows with white between the column and the list's right edge, from the
    // top: first row and the row after the last.
    std::vector<std::pair<int, int>> WhiteRuns(const Rect& list, int fromX) const {
        std::vector<std::pair<int, int>> runs;
        for (int y = list.y1; y < list.y2; ++y) {
            bool white = false;
            for (int x = fromX; x < list.x2 && !white; ++x)
                white = PixelAt(x, y) == Packed(255, 255, 255);
            if (white && !runs.empty() && runs.back().second == y)
                runs.back().second = y + 1;
            else if (white)
                runs.push_back({y, y + 1});
        }
        return runs;
    }
    // The pixels that differ by more than a step of a channel: the picture's way to the screen
    // may round differently.
    static int Unlike(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b) {
        if (a.size() != b.size())
            return -1;
        const auto far = [](int x, int y, int shift, int mask) {
            return std::abs(((x >> shift) & mask) - ((y >> shift) & mask)) > 1;
        };
        int unlike = 0;
        for (size_t i = 0; i < a.size(); ++i)
            unlike += far(a[i], b[i], 11, 31) || far(a[i], b[i], 5, 63) || far(a[i], b[i], 0, 31);
        return unlike;
    }
    // The title as the demo's art writes a list's caption, shown on the screen: the game's
    // font at 10 points in parchment on the plate.
    std::vector<uint16_t> TitleDrawn(const char* title) const {
        std::vector<uint16_t> pixels;
        const int width = kSecondListTitle.x2 - kSecondListTitle.x1;
        const int height = kSecondListTitle.y2 - kSecondListTitle.y1;
        TTF_Font* font = TTF_OpenFont(World().Path("fonts/Cour.ttf").c_str(), 10);
        if (!font)
            return pixels;
        SDL_Surface* text = TTF_RenderText_Blended(font, title, SDL_Color{226, 212, 176, 0});
        SDL_Surface* plate =
            SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        const Colour& fill = framepalette::kPlate;
        SDL_FillRect(plate, nullptr, SDL_MapRGB(plate->format, fill.red, fill.green, fill.blue));
        SDL_BlitSurface(text, nullptr, plate, nullptr);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                Uint8 r = 0, g = 0, b = 0;
                SDL_GetRGB(Screen::GetPixel(plate, x, y), plate->format, &r, &g, &b);
                pixels.push_back(Packed(r, g, b));
            }
        SDL_FreeSurface(plate);
        SDL_FreeSurface(text);
        TTF_CloseFont(font);
        return pixels;
    }
    // The lowest row below a line's top that any printable letter of the game's font inks.
    int LowestInkRowOfTheFont() const {
        std::string letters;
        for (char letter = '!'; letter <= '~'; ++letter)
            letters += letter;
        TTF_Font* font = TTF_OpenFont(World().Path("fonts/Cour.ttf").c_str(), 12);
        SDL_Surface* text =
            font ? TTF_RenderText_Solid(font, letters.c_str(), SDL_Color{255, 255, 255, 0})
                 : nullptr;
        int lowest = -1;
        for (int y = 0; text && y < text->h; ++y)
            for (int x = 0; x < text->w; ++x)
                if (Screen::GetPixel(text, x, y) != 0)
                    lowest = y;
        SDL_FreeSurface(text);
        if (font)
            TTF_CloseFont(font);
        return lowest;
    }
    int CountOf(const ContainerEntity& list, const char* name) {
        const ItemEntity* item = list.FindItemByName(name);
        return item ? item->GetStackSize() : 0;
    }

    SoldierEntity* m_player = nullptr;
    GenInterRoutine* m_display = nullptr;
};

TEST_F(InventoryScreen, ItemsMoveBetweenBackpackSlotsAndGroundAsTheRulesAllow) {
    EnterMap();
    OpenInventory();
    ContainerEntity& backpack = Inventory().GetBackpack();
    EXPECT_EQ(CountOf(Ground(), "potion"), 1); // lifted from beside the gate
    EXPECT_NE(Ground().FindItemByName("sword"), nullptr);

    // A stack of one moves at once; its own slot is no target.
    ItemEntity* shield = Carried("shield");
    Drag(At(*shield), kShieldSlot);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);
    EXPECT_TRUE(Inventory().IsItemInSlot(shield, CreatureInventory::kShieldSlot));
    Drag(kShieldSlot, kShieldSlot);
    EXPECT_TRUE(Inventory().IsItemInSlot(shield, CreatureInventory::kShieldSlot));
    EXPECT_FALSE(m_display->IsDragging());

    // Both hands for the greataxe while the shield is worn: refused, with the reason.
    ItemEntity* axe = Carried("greataxe");
    Drag(At(*axe), kSecondHand);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kMessageShown);
    EXPECT_STREQ(m_display->GetMessageBox().GetText().c_str(), GenInterRoutine::kShieldRefusal);
    EXPECT_TRUE(backpack.HasItem(axe));
    Click(kMessageOk);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);

    // The quantity box: a part, nothing, and more than the stack.
    MovePotions("2");
    EXPECT_EQ(CountOf(backpack, "potion"), 3);
    EXPECT_EQ(CountOf(Ground(), "potion"), 3); // two onto the one lying there
    MovePotions("0");
    MovePotions("");
    EXPECT_EQ(CountOf(backpack, "potion"), 3);
    EXPECT_FALSE(m_display->IsHolding());
    MovePotions("999");
    EXPECT_EQ(CountOf(backpack, "potion"), 0);
    EXPECT_EQ(CountOf(Ground(), "potion"), 6);
    Drag(At(*Ground().FindItemByName("potion")), kBackpack);
    Click(kBoxCancel);
    EXPECT_EQ(CountOf(Ground(), "potion"), 6);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);

    // Too heavy from the ground: the shared text, and the sword stays there.
    Creature::Of(m_player)->GetData().SetCarryWeight(0, 1.0f);
    ItemEntity* sword = Ground().FindItemByName("sword");
    Drag(At(*sword), kBackpack);
    EXPECT_STREQ(m_display->GetMessageBox().GetText().c_str(), g_tooHeavyText);
    EXPECT_TRUE(Ground().HasItem(sword));
    Click(kMessageOk);
}

// Too heavy from the ground: the refusal stays up until its OK, for a single item and for
// part of a stack taken through the quantity box, and nothing moves.
TEST_F(InventoryScreen, TheTooHeavyRefusalStaysShownUntilItsOk) {
    EnterMap();
    OpenInventory();
    MovePotions("5");
    ASSERT_EQ(CountOf(Ground(), "potion"), 6);
    Creature::Of(m_player)->GetData().SetCarryWeight(0, 1.0f);
    ItemEntity* sword = Ground().FindItemByName("sword");
    Drag(At(*sword), kBackpack);
    Frames(3);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kMessageShown);
    EXPECT_STREQ(m_display->GetMessageBox().GetText().c_str(), g_tooHeavyText);
    EXPECT_TRUE(Ground().HasItem(sword));
    Click(kMessageOk);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);

    Drag(At(*Ground().FindItemByName("potion")), kBackpack);
    ASSERT_EQ(m_display->GetState(), GenInterRoutine::kQuantityBox);
    Type("2");
    Click(kBoxOk);
    Frames(3);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kMessageShown);
    EXPECT_EQ(CountOf(Ground(), "potion"), 6);
    Click(kMessageOk);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);
}

// Icons are cropped to their opaque box and drawn shifted by the crop, across and down by
// amounts of their own (the pistol's are equal, the potion's and the greataxe's are not): the
// drawn rectangle is what a press picks on its first and last rows and what the examined
// item's band outlines.
TEST_F(InventoryScreen, AnIconIsPickedAndHighlightedWhereItIsDrawn) {
    EnterMap();
    OpenInventory();
    const Rect list = m_display->GetListRect(GenInterRoutine::kMemberBackpack);
    const std::pair<const char*, bool> icons[] = {
        {"pistol", false}, {"potion", true}, {"greataxe", true}}; // crops that differ
    for (const auto& [name, cropsDiffer] : icons) {
        ItemEntity* item = Carried(name);
        const AnimationMgr& icon = item->GetAnimation();
        ASSERT_EQ(icon.GetCropX() != icon.GetCropY(), cropsDiffer) << name;
        const int row = Inventory().GetBackpack().IndexOf(item);
        const ScreenPos drawn = Drawn(*item, list, row);
        ASSERT_LT(drawn.y + drawn.h, list.y2) << name;
        for (const int y : {drawn.y, drawn.y + drawn.h - 1}) {
            Command(Point{drawn.x + drawn.w / 2, y}, 0); // examine
            EXPECT_EQ(m_display->GetShownItem(), item) << name << " at " << y;
        }
        Frame();
        const uint16_t green = Packed(0, 255, 0);
        EXPECT_EQ(PixelAt(list.x1 + 2, drawn.y), green) << name;
        EXPECT_EQ(PixelAt(list.x1 + 2, drawn.y + drawn.h), green) << name;
    }
}

// Each stack's count is written at the list's right edge with its bottom on the icon's lower
// edge: its rows are among its own icon's and none of the next one's, before and after a
// scroll.
TEST_F(InventoryScreen, EachCountIsWrittenBesideItsOwnIcon) {
    EnterMap();
    OpenInventory();
    const Rect list = m_display->GetListRect(GenInterRoutine::kMemberBackpack);
    ContainerEntity& backpack = Inventory().GetBackpack();
    for (int scrolled = 0; scrolled < 2; ++scrolled) {
        std::vector<ScreenPos> icons; // of the rows drawn whole, from the top
        int countsFrom = list.x1;
        for (int row = 0; backpack.GetItemAt(backpack.GetSelection() + row); ++row) {
            const ScreenPos drawn =
                Drawn(*backpack.GetItemAt(backpack.GetSelection() + row), list, row);
            if (drawn.y + drawn.h + 15 > list.y2)
                break;
            icons.push_back(drawn);
            countsFrom = std::max(countsFrom, drawn.x + drawn.w);
        }
        const std::vector<std::pair<int, int>> counts = WhiteRuns(list, countsFrom);
        ASSERT_GE(icons.size(), 3u);
        ASSERT_GE(counts.size(), icons.size() - 1);
        for (size_t row = 0; row + 1 < icons.size(); ++row) {
            const ScreenPos &own = icons[row], &next = icons[row + 1];
            const auto [first, end] = counts[row];
            EXPECT_TRUE(first < own.y + own.h && end > own.y) << "row " << row;
            EXPECT_TRUE(end <= next.y || first >= next.y + next.h) << "row " << row;
        }
        Click(kBackpackDown);
        Frame();
    }
}

// The dragged icon puts back all it was drawn over: no strip of it stays behind.
TEST_F(InventoryScreen, ADraggedIconLeavesNothingBehind) {
    EnterMap();
    OpenInventory();
    const Rect area = Rect::Make(560, 130, 640, 170);
    const auto pixels = [&] {
        std::vector<uint16_t> shown;
        for (int y = area.y1; y < area.y2; ++y)
            for (int x = area.x1; x < area.x2; ++x)
                shown.push_back(PixelAt(x, y));
        return shown;
    };
    const std::vector<uint16_t> before = pixels();
    const ScreenPos& icon = Carried("pistol")->GetScreenRect();
    MoveTo(icon.x + icon.w / 2, icon.y + 2);
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frame();
    ASSERT_TRUE(m_display->IsDragging());
    MoveTo(600, 150);
    MoveTo(160, 450);
    EXPECT_EQ(pixels(), before);
    Push(Event(SDL_MOUSEBUTTONUP));
    Frame();
}

// A list writes each stack's size beside its icon, the number the quantity box moves, not the
// charges of one of its items: the white of the five potions' count is the white of "5".
TEST_F(InventoryScreen, AListWritesEachStacksSize) {
    EnterMap();
    OpenInventory();
    Frame();
    const auto whiteShape = [this](int x1, int y1, int x2, int y2) {
        std::set<std::pair<int, int>> shape;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (PixelAt(x, y) == Packed(255, 255, 255))
                    shape.insert({x, y});
        std::set<std::pair<int, int>> moved; // from the leftmost and topmost white
        const int left = shape.empty() ? 0 : std::min_element(shape.begin(), shape.end())->first;
        int top = y2;
        for (const auto& pixel : shape)
            top = std::min(top, pixel.second);
        for (const auto& pixel : shape)
            moved.insert({pixel.first - left, pixel.second - top});
        return moved;
    };
    const ScreenPos& icon = Carried("potion")->GetScreenRect();
    ASSERT_EQ(Carried("potion")->GetStackSize(), 5);
    const auto written = whiteShape(icon.x + icon.w, icon.y + icon.h - g_screen->FontHeight(),
                                    icon.x + icon.w + 40, icon.y + icon.h);
    g_screen->SetDrawColour(0);
    g_screen->FillRect(0, 0, 60, 30);
    g_screen->SetFont(0);
    g_screen->DrawText(10, 5, "5");
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, whiteShape(0, 0, 60, 30));
}

// Whatever ends a drag forgets the held item: the next drawings place no drag image.
TEST_F(InventoryScreen, ARightPressMidDragOrAPressOnNothingEndsTheDrag) {
    EnterMap();
    OpenInventory();
    MoveTo(At(*Carried("greataxe")).x, At(*Carried("greataxe")).y);
    Push(Event(SDL_MOUSEBUTTONDOWN));
    Frame();
    ASSERT_TRUE(m_display->IsDragging());
    Push(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    Frame();
    MoveTo(kNowhere.x, kNowhere.y);
    EXPECT_FALSE(m_display->IsDragging() && !m_display->IsHolding());
    Push(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
    Frames(2);
    Drag(kNowhere, kNowhere);
    EXPECT_FALSE(m_display->IsDragging());
    EXPECT_FALSE(m_display->IsHolding());
    Frames(2);
}

TEST_F(InventoryScreen, GroundItemsGoBackToTheMapWhenAScriptLeavesTheScreen) {
    EnterMap();
    OpenInventory();
    ItemEntity* potion = Ground().FindItemByName("potion");
    ASSERT_NE(potion, nullptr);
    EXPECT_TRUE(potion->HasAnyFlag(Entity::kFlagHidden));
    g_gameMode->SetMode(kModeAreaMap); // as a script's mode change would
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    EXPECT_TRUE(g_entityMgr->IsLive(potion));
    EXPECT_FALSE(potion->HasAnyFlag(Entity::kFlagHidden));
    EXPECT_EQ(potion->GetContainer(), nullptr);

    // Done gives them back the same way, and only once.
    OpenInventory();
    Click(kDone);
    Frames(2);
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_FALSE(potion->HasAnyFlag(Entity::kFlagHidden));
}

// Off the map nothing can be put down: the ground list only gives.
TEST_F(InventoryScreen, OpenedFromAStoryPageTheGroundTakesNothing) {
    EnterMap();
    g_gameMode->SetMode(kModeStoryPage);
    Frames(2);
    ASSERT_EQ(Mode(), kModeStoryPage);
    OpenInventory();
    ContainerEntity& backpack = Inventory().GetBackpack();
    ASSERT_EQ(CountOf(Ground(), "potion"), 1);
    Drag(At(*Carried("potion")), kGround);
    EXPECT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);
    EXPECT_EQ(CountOf(backpack, "potion"), 5);
    EXPECT_EQ(CountOf(Ground(), "potion"), 1);

    ItemEntity* sword = Ground().FindItemByName("sword");
    Drag(At(*sword), kBackpack);
    Frame();
    EXPECT_TRUE(backpack.HasItem(sword));
    Click(kDone);
    Frames(2);
    EXPECT_EQ(Mode(), kModeStoryPage);
}

// Items of the name lying on the map, seen and in no container.
int LyingOnTheMap(const char* name) {
    EntityPtrList* items = nullptr;
    int count = 0;
    if (g_entityMgr->GetPool(Entity::kTypeItem, items))
        items->ForEachUsed([&](Entity& item) {
            count += item.GetTemplateName() == name && !item.HasAnyFlag(Entity::kFlagHidden) &&
                     static_cast<ItemEntity&>(item).GetContainer() == nullptr;
        });
    return count;
}

// A journey asked for while the screen lists the ground saves the map with those items back
// where they lay: the party finds them there on its return.
TEST_F(InventoryScreen, AJourneyFromTheOpenScreenSavesTheMapWithItsGroundItems) {
    ASSERT_TRUE(g_partyMgr->AddCharacterByName("if_idyl_player_tutorial"));
    g_loadSaveMgr->RequestPageToMap("demo", "gate");
    Frame();
    ASSERT_EQ(Mode(), kModeAreaMap);
    m_player = g_partyMgr->GetLeaderSoldier();
    ASSERT_TRUE(TeleportEntity(*m_player, kByTheGate));
    WaitUntilStocked();
    OpenInventory();
    ASSERT_NE(Ground().FindItemByName("potion"), nullptr);
    ASSERT_NE(Ground().FindItemByName("sword"), nullptr);
    EXPECT_EQ(LyingOnTheMap("potion"), 0);

    g_loadSaveMgr->RequestMapToMap("demo2", "road");
    Frames(2);
    ASSERT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    ASSERT_EQ(Mode(), kModeAreaMap);
    g_loadSaveMgr->RequestMapToMap("demo", "road");
    Frames(2);
    ASSERT_EQ(g_loadSaveMgr->GetMapName(), "demo");
    EXPECT_EQ(LyingOnTheMap("potion"), 1);
    EXPECT_EQ(LyingOnTheMap("sword"), 1);
}

TEST_F(InventoryScreen, AChosenInventoryOpensACreatureOrAChestAndRefusesAnythingElse) {
    EnterMap();
    EntityPtrList* items = nullptr;
    ASSERT_TRUE(g_entityMgr->GetPool(Entity::kTypeItem, items));
    ItemEntity* lying = nullptr;
    items->ForEachUsed([&](Entity& item) {
        if (!lying && !item.HasAnyFlag(Entity::kFlagHidden))
            lying = static_cast<ItemEntity*>(&item);
    });
    ASSERT_NE(lying, nullptr);
    g_gameMode->SetMode(kModeChosenInventory, ModeRecord::ToArg(m_player),
                        ModeRecord::ToArg(lying));
    Frames(3);
    EXPECT_EQ(Mode(), kModeAreaMap);
    g_gameMode->SetMode(kModeChosenInventory, ModeRecord::ToArg(m_player), 12345);
    Frames(3);
    EXPECT_EQ(Mode(), kModeAreaMap);

    EntityPtrList* soldiers = nullptr;
    ASSERT_TRUE(g_entityMgr->GetPool(Entity::kTypeSoldier, soldiers));
    Entity* trader = nullptr;
    soldiers->ForEachUsed([&](Entity& soldier) {
        if (soldier.GetTemplateName() == "trader")
            trader = &soldier;
    });
    ASSERT_NE(trader, nullptr);
    g_gameMode->SetMode(kModeChosenInventory, ModeRecord::ToArg(m_player),
                        ModeRecord::ToArg(trader));
    Frames(2);
    ASSERT_EQ(Mode(), kModeChosenInventory);
    m_display = &PageAs<PlayerInvPanel>()->GetDisplay();
    EXPECT_EQ(m_display->GetList(GenInterRoutine::kOtherContainer),
              &Creature::Of(trader)->GetData().GetInventory().GetBackpack());
    EXPECT_GT(CountOf(Ground(), "gold"), 0);
}

// The crate opened by its use shows beside the backpack; Done hands it the use that shuts it.
TEST_F(InventoryScreen, TheCrateOpenedBesideTheBackpackIsShutByDone) {
    EnterMap();
    Entity* crate = g_entityMgr->GetEntity(Entity::kTypeContainerMap, 1);
    MapObject* mapObject = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(crate, &mapObject));
    const auto* lid = dynamic_cast<const BinaryMapObject*>(mapObject);
    ASSERT_NE(lid, nullptr);
    crate->OnEvent(BinaryEntity::kEventUse, 1, 0, m_player);
    Frames(2);
    ASSERT_EQ(Mode(), kModeChosenInventory);
    ASSERT_TRUE(lid->IsOpen());
    m_display = &PageAs<PlayerInvPanel>()->GetDisplay();
    EXPECT_GT(CountOf(Ground(), "gold"), 0);
    Click(kDone);
    Frames(2);
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_FALSE(lid->IsOpen());
}

// The second list's title fits the ground within reach and an opened crate alike.
TEST_F(InventoryScreen, TheSecondListsTitleFitsTheGroundAndAnOpenedCrate) {
    const std::vector<uint16_t> nearby = TitleDrawn("Nearby");
    ASSERT_FALSE(nearby.empty());
    ASSERT_GT(Unlike(TitleDrawn("Ground"), nearby), 20);
    EnterMap();
    OpenInventory();
    EXPECT_EQ(Unlike(PixelsIn(kSecondListTitle), nearby), 0);
    Click(kDone);
    Frames(2);
    ASSERT_EQ(Mode(), kModeAreaMap);
    g_entityMgr->GetEntity(Entity::kTypeContainerMap, 1)
        ->OnEvent(BinaryEntity::kEventUse, 1, 0, m_player);
    Frames(2);
    ASSERT_EQ(Mode(), kModeChosenInventory);
    EXPECT_EQ(Unlike(PixelsIn(kSecondListTitle), nearby), 0);
}

// The crate's fifty coins are one stack, and the gold taken is that much money carried.
TEST_F(InventoryScreen, TheCratesStacksHoldWhatItSaysAndTheGoldTakenIsThatMoney) {
    EnterMap();
    g_entityMgr->GetEntity(Entity::kTypeContainerMap, 1)
        ->OnEvent(BinaryEntity::kEventUse, 1, 0, m_player);
    Frames(2);
    ASSERT_EQ(Mode(), kModeChosenInventory);
    m_display = &PageAs<PlayerInvPanel>()->GetDisplay();
    ASSERT_EQ(CountOf(Ground(), "gold"), DemoDialogues::kCrateGold);
    const int money = g_partyMgr->QueryLeaderStats();

    Drag(At(*Ground().FindItemByName("gold")), kBackpack);
    ASSERT_EQ(m_display->GetState(), GenInterRoutine::kQuantityBox);
    Type(std::to_string(DemoDialogues::kCrateGold).c_str());
    Click(kBoxOk);
    EXPECT_EQ(CountOf(Ground(), "gold"), 0);
    EXPECT_EQ(g_partyMgr->QueryLeaderStats(), money + DemoDialogues::kCrateGold);
}

// Each drink spends one potion of the stack of five and the rest stay in the backpack; the
// last one leaves nothing carried, nothing shown and nothing read.
TEST_F(InventoryScreen, UsingAPotionSpendsOneOfTheStackAndTheLastForgetsIt) {
    EnterMap();
    OpenInventory();
    ASSERT_EQ(CountOf(Inventory().GetBackpack(), "potion"), 5);
    for (int left = 4; left >= 1; --left) {
        Command(At(*Carried("potion")), 1); // use
        ASSERT_EQ(CountOf(Inventory().GetBackpack(), "potion"), left);
        EXPECT_EQ(Carried("potion")->GetCount(), 1);
    }
    ItemEntity* potion = Carried("potion");
    const Point at = At(*potion);
    Command(at, 0); // examine
    ASSERT_EQ(m_display->GetState(), GenInterRoutine::kBrowsing);
    ASSERT_EQ(m_display->GetShownItem(), potion);
    EXPECT_STREQ(m_display->GetShownName().c_str(), "Healing potion");

    Command(at, 1); // use
    EXPECT_EQ(Carried("potion"), nullptr);
    EXPECT_EQ(m_display->GetShownItem(), nullptr);
    EXPECT_EQ(m_display->GetShownName().Length(), 0);
}

// An item given as one kept while it has uses (as a creature's command or order gives it):
// the use that spends one of a stack leaves the others carried with their use; spending a
// lone one removes it.
TEST_F(InventoryScreen, AKeptItemSpentFromAStackLeavesTheOthersTheirUse) {
    EnterMap();
    ItemEntity* potion = Carried("potion");
    potion->GetRef().SetLifeState(100);
    ASSERT_TRUE(m_player->GiveItemTo(potion, m_player));
    ASSERT_EQ(Carried("potion"), potion);
    EXPECT_EQ(potion->GetStackSize(), 4);
    EXPECT_EQ(potion->GetCount(), 1);

    potion->SetStackSize(1);
    ASSERT_TRUE(m_player->GiveItemTo(potion, m_player));
    EXPECT_EQ(Carried("potion"), nullptr);
}

// The lines name the round the current ability fires, by its shown name: the pistol's
// magazine holds "Bullets", the bow shoots what it finds in the pack; a clip's charges count
// the whole stack, a weapon's the rounds left over what its magazine holds. A move forgets the
// shown item but leaves its lines.
TEST_F(InventoryScreen, ExamineNamesTheRoundFiredAndCountsTheStacksChargesAndAMoveForgetsIt) {
    EnterMap();
    ItemEntity* bow = nullptr;
    ItemEntity* arrows = nullptr;
    ItemEntity* merged = nullptr;
    ASSERT_TRUE(Entity::AsItem(g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeItem), &bow) &&
                bow->LoadByName("bow") && Inventory().AddItem(bow, merged));
    ASSERT_TRUE(Entity::AsItem(g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeItem), &arrows) &&
                arrows->LoadByName("arrows") && Inventory().AddItem(arrows, merged));
    bow->GetAbility()->Refresh();
    OpenInventory();

    ItemEntity* bullets = Carried("bullets");
    ASSERT_EQ(bullets->GetStackSize(), 10);
    Command(At(*bullets), 0);
    EXPECT_STREQ(m_display->GetChargesText().c_str(), "100");
    ItemEntity* pistol = Carried("pistol");
    Drag(At(*pistol), kSecondHand);
    Drag(At(*bullets), kSecondHand); // one clip into its magazine
    Command(kSecondHand, 0);
    EXPECT_STREQ(m_display->GetAmmoText().c_str(), "Bullets");
    EXPECT_STREQ(m_display->GetChargesText().c_str(), "10/10");
    int fired = 0;
    ASSERT_TRUE(ItemAbility::Of(pistol->GetAbility())->GetMagazine()->TakeRounds(1, fired));
    Command(kSecondHand, 0);
    EXPECT_STREQ(m_display->GetChargesText().c_str(), "9/10") << "left of what it holds";
    Command(At(*bow), 0);
    EXPECT_STREQ(m_display->GetAmmoText().c_str(), "arrows");

    ItemEntity* shield = Carried("shield");
    Command(At(*shield), 0);
    ASSERT_EQ(m_display->GetShownItem(), shield);
    Drag(At(*shield), kShieldSlot);
    ASSERT_TRUE(Inventory().IsItemInSlot(shield, CreatureInventory::kShieldSlot));
    EXPECT_EQ(m_display->GetShownItem(), nullptr);
    EXPECT_STREQ(m_display->GetShownName().c_str(), "Shield");
}

// The examined item's lines are written on their box: the ammo line's ink, and the lowest
// any letter of the font could reach on that line, lie on the box's field above its frame.
TEST_F(InventoryScreen, TheExaminedItemsAmmoLineLiesOnItsBox) {
    EnterMap();
    OpenInventory();
    constexpr int kInsideTheBox = 212; // left of the lines
    const uint16_t field = PixelAt(kInsideTheBox, kNameLineY);
    int bottomFrame = kNameLineY;
    while (bottomFrame < 600 && PixelAt(kInsideTheBox, bottomFrame) == field)
        ++bottomFrame;

    Drag(At(*Carried("pistol")), kSecondHand);
    Drag(At(*Carried("bullets")), kSecondHand);
    Command(kSecondHand, 0);
    ASSERT_STREQ(m_display->GetAmmoText().c_str(), "Bullets");
    const int ammoY = kNameLineY + g_screen->FontHeight();
    const int lowestRow = LowestInkRowOfTheFont();
    ASSERT_GT(lowestRow, 0);
    int lowestInk = -1;
    for (int y = ammoY; y <= ammoY + lowestRow; ++y)
        for (int x = 215; x < 588; ++x)
            if (PixelAt(x, y) == Packed(0, 0, 0))
                lowestInk = y;
    EXPECT_GE(lowestInk, ammoY) << "the ammo line is written";
    EXPECT_LT(lowestInk, bottomFrame);
    EXPECT_LT(ammoY + lowestRow, bottomFrame) << "a letter reaching below the line";
}

} // namespace
