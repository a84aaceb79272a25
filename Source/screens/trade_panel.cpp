#include "Source/screens/trade_panel.h"

#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_record.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/screens/gen_inter_routine.h"
#include "Source/screens/interface_routines.h"
#include "Source/screens/item_screen_frame.h"
#include "Source/world/party_mgr.h"

namespace {

constexpr int kTextFont = 0;
constexpr int kMemberX = 131;
constexpr int kTraderX = 478;
constexpr int kNameY = 77;
constexpr int kLineStep = 22;
constexpr int kValueY = 358;
constexpr int kWeightY = 377;

const WidgetEntry kButtons[] = {
    {TradePanel::kTrade, kWidgetButton, 621, 537, 60, 20, "button_trade.tga", "trade"},
    {TradePanel::kDone, kWidgetButton, 691, 537, 60, 14, "button_done.tga", "Done"},
    {TradePanel::kMemberUp, kWidgetButton, 118, 277, 12, 20, "button_up.tga", "U"},
    {TradePanel::kMemberDown, kWidgetButton, 118, 302, 12, 20, "button_dwn.tga", "D"},
    {TradePanel::kTraderUp, kWidgetButton, 737, 277, 12, 20, "button_up.tga", "U"},
    {TradePanel::kTraderDown, kWidgetButton, 737, 302, 12, 20, "button_dwn.tga", "D"},
    {TradePanel::kMemberOfferUp, kWidgetButton, 314, 206, 12, 20, "button_up.tga", "U"},
    {TradePanel::kMemberOfferDown, kWidgetButton, 314, 231, 12, 20, "button_dwn.tga", "D"},
    {TradePanel::kTraderOfferUp, kWidgetButton, 466, 206, 12, 20, "button_up.tga", "U"},
    {TradePanel::kTraderOfferDown, kWidgetButton, 466, 231, 12, 20, "button_dwn.tga", "D"},
    {TradePanel::kDescriptionUp, kWidgetButton, 591, 449, 12, 20, "button_up.tga", "U"},
    {TradePanel::kDescriptionDown, kWidgetButton, 591, 474, 12, 20, "button_dwn.tga", "D"},
};

// Each pair of list buttons and the list it moves, back then on.
const struct {
    uint32_t back;
    int list;
} kListButtons[] = {{TradePanel::kMemberUp, GenInterRoutine::kMemberBackpack},
                    {TradePanel::kTraderUp, GenInterRoutine::kTraderBackpack},
                    {TradePanel::kMemberOfferUp, GenInterRoutine::kMemberOffer},
                    {TradePanel::kTraderOfferUp, GenInterRoutine::kTraderOffer}};

CreatureInventory* InventoryOf(Entity* creature) {
    Creature* parts = Creature::Of(creature);
    return parts ? &parts->GetData().GetInventory() : nullptr;
}

float CarryWeightOf(Entity* creature) {
    Creature* parts = Creature::Of(creature);
    return parts ? parts->GetData().GetCarryWeight() : 0.0f;
}

// A text on a framed box, as the sheet's lines are shown.
void DrawBoxed(Screen& screen, int x, int y, const Stringc& text) {
    const uint16_t colour = screen.GetDrawColour();
    screen.DrawTextBox(x, y, text, 1, 0, 0, 0);
    screen.SetDrawColour(colour);
    screen.DrawText(x, y, text);
}

} // namespace

WindowLayout TradePanel::Layout() {
    return MakeLayout(WindowEntry{"menu_trade.tga", "", 0, 0, 800, 600}, kButtons);
}

TradePanel::TradePanel(GraphicMgr& graphics, const PartyMgr& party, Entity* trader,
                       const Stringc& traderName, int32_t returnValue)
    : m_display(std::make_unique<GenInterRoutine>()), m_trader(trader), m_traderName(traderName),
      m_returnValue(returnValue) {
    m_member = g_entityMgr ? g_entityMgr->GetActivePartyMember() : nullptr;
    m_window = BuildWindow(Layout());
    m_display->SetupForTrade(m_member, m_trader);
    m_picture = LoadSplash(graphics, "");
    m_traderInParty = party.IsMember(m_trader);
}

// Offers still out go back to their owners, however the screen is left.
TradePanel::~TradePanel() {
    FreeGraphic(m_picture);
    m_display->ClearTrade();
    m_display.reset();
}

void TradePanel::Update(Screen&) {
    if (const InterfaceObject* clicked =
            UpdateItemScreen(*m_display, *m_window, Layout(), kDescriptionUp, kDescriptionDown))
        Act(clicked->GetId());
}

void TradePanel::Act(uint32_t id) {
    if (id == kTrade) {
        CheckOffer();
        return;
    }
    if (id == kDone) {
        m_display->ClearTrade();
        ModeRecord dialogue(kModeDialogue, m_returnValue, 0, 0, 0);
        dialogue.SetEntity(m_trader);
        dialogue.SetName(m_traderName.c_str());
        g_gameMode->SetModeFromRecord(dialogue);
        return;
    }
    for (const auto& buttons : kListButtons) {
        if (id == buttons.back)
            m_display->SelectPrevious(buttons.list);
        else if (id == buttons.back + 1)
            m_display->SelectNext(buttons.list);
    }
}

// The offers are containers of their own: a side's inventory weight already leaves its own
// offer out, so after the trade it carries that weight and the other side's offer.
bool TradePanel::CheckOffer() {
    ContainerEntity* memberOffer = m_display->GetList(GenInterRoutine::kMemberOffer);
    ContainerEntity* traderOffer = m_display->GetList(GenInterRoutine::kTraderOffer);
    CreatureInventory* memberInventory = InventoryOf(m_member);
    CreatureInventory* traderInventory = InventoryOf(m_trader);
    if (!memberOffer || !traderOffer || !memberInventory || !traderInventory)
        return false;
    if (!m_traderInParty && memberOffer->GetValue() < traderOffer->GetValue()) {
        m_display->ShowMessage(kRejected);
        return false;
    }
    if (memberInventory->GetTotalWeight() + traderOffer->GetWeight() > CarryWeightOf(m_member)) {
        m_display->ShowMessage(kTooHeavyForMember);
        return false;
    }
    if (traderInventory->GetTotalWeight() + memberOffer->GetWeight() > CarryWeightOf(m_trader)) {
        Stringc text;
        text.Format("That trade is too heavy for %s to carry.", m_trader->GetDisplayName().c_str());
        m_display->ShowMessage(text.c_str());
        return false;
    }
    m_traded = true;
    const struct {
        ContainerEntity* offer;
        CreatureInventory* receiver;
    } moves[] = {{memberOffer, traderInventory}, {traderOffer, memberInventory}};
    for (const auto& move : moves) {
        while (!move.offer->IsEmpty()) {
            ItemEntity* item = move.offer->GetFirstItem();
            ItemEntity* out = nullptr;
            if (!move.offer->TakeItem(item->GetStackSize(), item))
                break;
            move.receiver->AddItem(item, out);
        }
    }
    m_display->SetRedraw();
    return true;
}

void TradePanel::LeaveWorld() {
    m_display->ClearTrade();
}

void TradePanel::HandleEvent(const SDL_Event& event) {
    m_display->HandleEvent(event);
}

void TradePanel::Draw(Screen& screen) {
    if (DrawItemScreenWindow(*m_display, *m_window, m_picture.Get(), screen)) {
        screen.SetFont(kTextFont);
        DrawSide(screen, m_member, kMemberX);
        DrawSide(screen, m_trader, kTraderX);
        DrawOffer(screen, GenInterRoutine::kMemberOffer, 276, 332);
        DrawOffer(screen, GenInterRoutine::kTraderOffer, 476, 412);
    }
    m_display->DrawForTrade(screen);
}

void TradePanel::DrawSide(Screen& screen, Entity* creature, int x) {
    const CreatureInventory* inventory = InventoryOf(creature);
    if (!inventory)
        return;
    Stringc text;
    text.Format("Name: %s", creature->GetDisplayName().c_str());
    DrawBoxed(screen, x, kNameY, text);
    text.Format("Weight: %.1f/%d lbs", static_cast<double>(inventory->GetTotalWeight()),
                static_cast<int>(CarryWeightOf(creature)));
    DrawBoxed(screen, x, kNameY + kLineStep, text);
}

void TradePanel::DrawOffer(Screen& screen, int list, int valueX, int weightX) {
    const ContainerEntity* offer = m_display->GetList(list);
    if (!offer)
        return;
    Stringc text;
    if (!m_traderInParty) {
        text.Format("$ %d", static_cast<int>(offer->GetValue()));
        DrawBoxed(screen, valueX, kValueY, text);
    }
    text.Format("%0.1f lbs", static_cast<double>(offer->GetWeight()));
    DrawBoxed(screen, weightX, kWeightY, text);
}
