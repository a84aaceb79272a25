// The trade screen with the demo's trader through the main loop: offers dragged out of both
// backpacks, the value and weight checks in their order, and the offers going back however
// the screen is left.
#include "Source/screens/trade_panel.h"

#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_record.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_ptr_list.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/demo_map_party.h"
#include "Source/screens/gen_inter_routine.h"
#include "Source/world/load_save_mgr.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr Point kTradeButton{650, 545};
constexpr Point kDone{720, 544};
constexpr Point kBoxOk{358, 356};
constexpr Point kMessageOk{400, 356};
constexpr Point kMemberOffer{356, 340};
constexpr Point kTraderOffer{436, 340};

class TradeScreen : public DemoMapParty {
protected:
    void SetUp() override {
        DemoMapParty::SetUp();
        EntityPtrList* soldiers = nullptr;
        ASSERT_TRUE(g_entityMgr->GetPool(Entity::kTypeSoldier, soldiers));
        soldiers->ForEachUsed([&](Entity& soldier) {
            if (soldier.GetTemplateName() == "trader")
                m_trader = &soldier;
        });
        ASSERT_NE(m_trader, nullptr);
    }
    // As the trader's dialogue asks for it.
    void OpenTrade() {
        ModeRecord record(kModeTrade, 0, 0, 0, 0);
        record.SetEntity(m_trader);
        record.SetName("trader_talk");
        g_gameMode->SetModeFromRecord(record);
        Frames(2);
        ASSERT_EQ(Mode(), kModeTrade);
        m_display = &PageAs<TradePanel>()->GetDisplay();
    }
    static CreatureData& Data(Entity* creature) { return Creature::Of(creature)->GetData(); }
    static CreatureInventory& Inventory(Entity* creature) { return Data(creature).GetInventory(); }
    Entity* Member() const { return g_partyMgr->GetLeader(); }
    static Point At(const ItemEntity& item) {
        const ScreenPos& icon = item.GetScreenRect();
        return Point{icon.x + icon.w / 2, icon.y + icon.h / 2};
    }
    // count of the named item from a backpack into its side's offer.
    void Offer(Entity* owner, const char* name, int count, const Point& offer) {
        ItemEntity* item = Inventory(owner).GetBackpack().FindItemByName(name);
        ASSERT_NE(item, nullptr) << name;
        const bool stack = item->GetStackSize() > 1;
        MoveTo(At(*item).x, At(*item).y);
        Push(Event(SDL_MOUSEBUTTONDOWN));
        Frame();
        MoveTo(offer.x, offer.y);
        Push(Event(SDL_MOUSEBUTTONUP));
        Frame();
        if (stack) {
            Type(std::to_string(count).c_str());
            Click(kBoxOk);
        }
        Frame();
    }
    int Count(Entity* owner, const char* name) const {
        const ItemEntity* item = Inventory(owner).GetBackpack().FindItemByName(name);
        return item ? item->GetStackSize() : 0;
    }
    const char* Said() const { return m_display->GetMessageBox().GetText().c_str(); }
    void Refused(const char* message) {
        Click(kTradeButton);
        EXPECT_EQ(m_display->GetState(), GenInterRoutine::kMessageShown);
        EXPECT_STREQ(Said(), message);
        Click(kMessageOk);
    }

    Entity* m_trader = nullptr;
    GenInterRoutine* m_display = nullptr;
};

TEST_F(TradeScreen, EqualValuesSwapAndALowerOfferIsRejectedWithNothingMoved) {
    OpenTrade();
    Offer(Member(), "potion", 1, kMemberOffer); // 25
    Offer(m_trader, "gold", 25, kTraderOffer);  // 25
    Click(kTradeButton);
    EXPECT_TRUE(PageAs<TradePanel>()->HasTraded());
    EXPECT_EQ(Count(Member(), "potion"), 4);
    EXPECT_EQ(Count(Member(), "gold"), 25);
    EXPECT_EQ(Count(m_trader, "potion"), 4);
    EXPECT_EQ(Count(m_trader, "gold"), 175);

    Offer(Member(), "bullets", 1, kMemberOffer); // 10
    Offer(m_trader, "potion", 1, kTraderOffer);  // 25
    Refused(TradePanel::kRejected);
    EXPECT_EQ(m_display->GetList(GenInterRoutine::kMemberOffer)->CountHeld(), 1);
    EXPECT_EQ(m_display->GetList(GenInterRoutine::kTraderOffer)->CountHeld(), 1);

    // Done after the refusal: every offer back with its owner, and the dialogue again.
    Click(kDone);
    Frames(2);
    EXPECT_EQ(Mode(), kModeDialogue);
    EXPECT_EQ(Count(Member(), "bullets"), 10);
    EXPECT_EQ(Count(m_trader, "potion"), 4);
}

// The offers are not part of their sides' inventories: each side's weight after the trade
// is its own and the other side's offer.
TEST_F(TradeScreen, EachSideCarriesItsOwnLoadAndTheOtherSidesOfferAtMost) {
    OpenTrade();
    Data(Member()).SetCarryWeight(0, Inventory(Member()).GetTotalWeight());
    Offer(Member(), "potion", 1, kMemberOffer); // 1 lb, 25
    Offer(m_trader, "potion", 1, kTraderOffer); // 1 lb, 25
    Click(kTradeButton);
    EXPECT_TRUE(PageAs<TradePanel>()->HasTraded()) << Said();

    Offer(Member(), "potion", 1, kMemberOffer);  // 1 lb, 25
    Offer(m_trader, "bullets", 2, kTraderOffer); // 2 lb, 20
    Refused(TradePanel::kTooHeavyForMember);

    Data(Member()).SetCarryWeight(0, 1000.0f);
    Data(m_trader).SetCarryWeight(0, Inventory(m_trader).GetTotalWeight());
    Offer(Member(), "potion", 1, kMemberOffer); // now 2 lb offered for 2 lb
    Refused("That trade is too heavy for Mara the trader to carry.");

    // A forced change of mode with offers out leaves them in the backpacks.
    g_gameMode->SetMode(kModeAreaMap);
    Frames(2);
    EXPECT_EQ(Count(Member(), "potion"), 5);
    EXPECT_EQ(Count(m_trader, "bullets"), 20);
}

// Offers of different weights: each side's limit is measured against what it receives.
TEST_F(TradeScreen, ALimitThatFitsOnlyTheOfferReceivedStillTrades) {
    OpenTrade();
    Data(Member()).SetCarryWeight(0, 1000.0f);
    Offer(Member(), "potion", 1, kMemberOffer);  // 1 lb, 25
    Offer(m_trader, "bullets", 2, kTraderOffer); // 2 lb, 20
    Data(m_trader).SetCarryWeight(0, Inventory(m_trader).GetTotalWeight() + 1.5f);
    Click(kTradeButton);
    EXPECT_TRUE(PageAs<TradePanel>()->HasTraded()) << Said();
    EXPECT_EQ(Count(m_trader, "potion"), 4);

    Data(Member()).SetCarryWeight(0, 1000.0f);
    Offer(Member(), "bullets", 2, kMemberOffer); // 2 lb, 20
    Offer(m_trader, "gold", 1, kTraderOffer);    // lighter, 1
    Data(Member()).SetCarryWeight(0, Inventory(Member()).GetTotalWeight() + 1.5f);
    Data(m_trader).SetCarryWeight(0, 1000.0f);
    Click(kTradeButton);
    EXPECT_EQ(Count(Member(), "gold"), 1) << Said();
}

TEST_F(TradeScreen, ATraderInThePartyTakesAnyOffer) {
    ASSERT_TRUE(g_partyMgr->AddMember(m_trader));
    OpenTrade();
    EXPECT_TRUE(PageAs<TradePanel>()->IsTraderInParty());
    Offer(m_trader, "potion", 1, kTraderOffer);
    Click(kTradeButton);
    EXPECT_TRUE(PageAs<TradePanel>()->HasTraded());
    EXPECT_EQ(Count(Member(), "potion"), 6);
}

TEST_F(TradeScreen, ATradeWithNoCreatureLeadsBackToTheGame) {
    ModeRecord record(kModeTrade, 0, 0, 0, 0);
    record.SetEntity(g_entityMgr->GetEntity(Entity::kTypeTrigger, 0));
    g_gameMode->SetModeFromRecord(record);
    Frames(3);
    EXPECT_EQ(Mode(), kModeAreaMap);
}

// A journey asked for with offers out: the member's offer is back in its backpack before
// the party is written down, so the member arrives with it.
TEST_F(TradeScreen, AJourneyWithOffersOutTakesTheMembersOfferAlong) {
    OpenTrade();
    Offer(Member(), "potion", 2, kMemberOffer);
    Offer(m_trader, "gold", 50, kTraderOffer);
    ASSERT_EQ(Count(Member(), "potion"), 3);
    g_loadSaveMgr->RequestMapToMap("demo2", "road");
    Frames(2);
    ASSERT_EQ(g_loadSaveMgr->GetMapName(), "demo2");
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(Count(Member(), "potion"), 5);
    EXPECT_EQ(Count(Member(), "gold"), 0);
}

} // namespace
