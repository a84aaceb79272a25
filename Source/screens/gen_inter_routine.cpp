#include "Source/screens/gen_inter_routine.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/screen.h"
#include "Library/interface/edit_box.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/message_box.h"
#include "Library/interface/mouse_position.h"
#include "Library/interface/popup_window.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/binary_entity.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/command_boxes.h"
#include "Source/screens/interface_routines.h"

namespace {

constexpr int kSlotWidth = 50;
constexpr int kSlotHeight = 43;
constexpr int kCloseEvent = 0; // the use event's argument that closes a container
constexpr uint32_t kAmmunitionKind = ItemEntity::kClassAmmunition;

// Equipment slots with their rectangles' top-left corners; slots 4 and 10 have none.
const struct {
    int slot;
    int x;
    int y;
} kSlotPlaces[] = {{5, 254, 217}, {1, 313, 217}, {6, 372, 217},  {9, 431, 217},  {3, 490, 217},
                   {7, 195, 277}, {8, 254, 277}, {11, 313, 277}, {12, 372, 277}, {13, 431, 277},
                   {0, 490, 277}, {2, 549, 277}, {14, 313, 337}, {15, 372, 337}, {16, 431, 337}};

CreatureInventory* InventoryOf(Entity* creature) {
    Creature* parts = Creature::Of(creature);
    return parts ? &parts->GetData().GetInventory() : nullptr;
}

bool IsButton(const SDL_Event& event, Uint8 type, Uint8 button) {
    return event.type == type && event.button.button == button;
}

} // namespace

GenInterRoutine::GenInterRoutine() {
    for (Rect& rect : m_slotRects)
        rect = kUnplaced;
    for (Rect& rect : m_listRects)
        rect = kUnplaced;
    m_messageBox = std::make_unique<MessageBox>("msg_box_3.tga", 300, 235);
    m_messageBox->SetTextLayout(25, 20, 5, 155);
    m_messageBox->AddButton("button_ok2.tga", 71, 113);
    if (g_screen)
        g_screen->Clear();
}

GenInterRoutine::~GenInterRoutine() = default;

Entity* GenInterRoutine::Member() const {
    return g_entityMgr ? m_member.Get(*g_entityMgr) : nullptr;
}

Entity* GenInterRoutine::Trader() const {
    return g_entityMgr ? m_trader.Get(*g_entityMgr) : nullptr;
}

void GenInterRoutine::MakeBoxes() {
    m_description = std::make_unique<InfoPanel>(Rect{214, 427, 584, 548}, 1, 30, 1, 1);
    m_quantityBox = std::make_unique<EditBox>("msg_box_enter_qty.tga", 300, 235);
    m_quantityBox->SetTextLayout(25, 20, 5, 155);
    m_quantityBox->AddOkButton("button_ok2.tga", 29, 113);
    m_quantityBox->AddCancelButton("button_cancel2.tga", 107, 113);
    m_quantityBox->SetDigitsOnly(true);
}

void GenInterRoutine::SetListRect(int list, int x1, int y1, int x2, int y2) {
    m_listRects[list] = Rect::Make(x1, y1, x2, y2);
}

void GenInterRoutine::SetupForInventory(ContainerEntity* container) {
    m_memberEntity = g_entityMgr ? g_entityMgr->GetActivePartyMember() : nullptr;
    m_member = EntityHandle(m_memberEntity);
    if (m_memberEntity)
        m_memberName = m_memberEntity->GetDisplayName();
    if (container) {
        m_lists[kOtherContainer] = container;
        container->LoadItemIcons(1);
    } else if (m_memberEntity) {
        m_ownedGround.reset(NEW ContainerEntity);
        m_ownedGround->SetOwner(m_memberEntity);
        m_ownedGround->PickUpNearbyItems();
        m_lists[kOtherContainer] = m_ownedGround.get();
    }
    m_inventory = InventoryOf(m_memberEntity);
    if (m_inventory) {
        m_inventory->LoadItemGraphics(1);
        m_lists[kMemberBackpack] = &m_inventory->GetBackpack();
    }
    MakeBoxes();
    for (const auto& place : kSlotPlaces)
        m_slotRects[place.slot] =
            Rect::Make(place.x, place.y, place.x + kSlotWidth, place.y + kSlotHeight);
    SetListRect(kMemberBackpack, 63, 106, 113, 492);
    SetListRect(kOtherContainer, 682, 106, 732, 492);
}

void GenInterRoutine::SetupForTrade(Entity* member, Entity* trader) {
    m_memberEntity = member;
    m_member = EntityHandle(member);
    m_trader = EntityHandle(trader);
    if (member)
        m_memberName = member->GetDisplayName();
    m_inventory = InventoryOf(member);
    if (m_inventory) {
        m_inventory->LoadItemGraphics(1);
        m_lists[kMemberBackpack] = &m_inventory->GetBackpack();
    }
    m_memberOffer.reset(NEW ContainerEntity);
    m_memberOffer->SetOwner(member);
    m_lists[kMemberOffer] = m_memberOffer.get();
    m_traderInventory = InventoryOf(trader);
    if (m_traderInventory) {
        m_lists[kTraderBackpack] = &m_traderInventory->GetBackpack();
        m_lists[kTraderBackpack]->LoadItemIcons(1);
    }
    m_traderOffer.reset(NEW ContainerEntity);
    m_traderOffer->SetOwner(trader);
    m_lists[kTraderOffer] = m_traderOffer.get();
    SetListRect(kMemberBackpack, 63, 60, 113, 536);
    SetListRect(kMemberOffer, 331, 60, 381, 372);
    SetListRect(kTraderOffer, 411, 60, 461, 372);
    SetListRect(kTraderBackpack, 682, 60, 732, 526);
    MakeBoxes();
}

// A drag under way when the screen goes is a held item that simply stays where it was.
bool GenInterRoutine::CloseInventory() {
    ForgetHeld();
    if (m_closed || !m_lists[kOtherContainer])
        return false;
    m_closed = true;
    Entity* member = Member();
    if (m_ownedGround) {
        if (member)
            m_ownedGround->DropItemOnMap(true);
        return member != nullptr;
    }
    m_lists[kOtherContainer]->OnEvent(BinaryEntity::kEventUse, kCloseEvent, 0, member);
    return true;
}

// Sides that have left the region keep nothing: their items went with them. Offers given
// back already ask nothing of sides that may have gone with a region since.
void GenInterRoutine::ClearTrade() {
    ForgetHeld();
    const bool offered = (m_memberOffer && !m_memberOffer->IsEmpty()) ||
                         (m_traderOffer && !m_traderOffer->IsEmpty());
    if (!offered || !Member() || !Trader())
        return;
    const struct {
        ContainerEntity* offer;
        int backpack;
    } sides[] = {{m_memberOffer.get(), kMemberBackpack}, {m_traderOffer.get(), kTraderBackpack}};
    for (const auto& side : sides) {
        while (side.offer && !side.offer->IsEmpty()) {
            ItemEntity* item = side.offer->GetFirstItem();
            if (!side.offer->TakeItem(item->GetStackSize(), item) ||
                !PutInList(side.backpack, item))
                break;
        }
    }
    m_redraw = true;
}

ContainerEntity* GenInterRoutine::GetList(int list) const {
    return list >= 0 && list < kListCount ? m_lists[list] : nullptr;
}

void GenInterRoutine::SelectPrevious(int list) {
    if (ContainerEntity* container = GetList(list)) {
        container->SelectPrevious();
        m_redraw = true;
    }
}

void GenInterRoutine::SelectNext(int list) {
    if (ContainerEntity* container = GetList(list)) {
        container->SelectNext();
        m_redraw = true;
    }
}

void GenInterRoutine::ScrollDescriptionDown(uint32_t frameMs) {
    m_description->ScrollDown(frameMs);
    m_redraw = true;
}

void GenInterRoutine::ScrollDescriptionUp(uint32_t frameMs) {
    m_description->ScrollUp(frameMs);
    m_redraw = true;
}

void GenInterRoutine::ShowMessage(const char* text) {
    m_messageBox->SetText(text);
    m_state = kMessageShown;
    m_redraw = true;
}

// ---- picking and dragging ----

void GenInterRoutine::ResetSelections() {
    ForgetHeld();
    m_sourceSlot = m_targetSlot = m_sourceList = m_targetList = -1;
    m_redraw = true;
}

void GenInterRoutine::PickAt(int x, int y) {
    ResetSelections();
    if (m_inventory) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!m_slotRects[slot].Covers(x, y))
                continue;
            m_sourceSlot = slot;
            m_held = m_inventory->GetSlot(slot);
            return;
        }
    }
    for (int list = 0; list < kListCount; ++list) {
        if (!m_lists[list] || !m_listRects[list].Covers(x, y))
            continue;
        m_sourceList = list;
        m_held = m_lists[list]->ItemAtScreenPoint(x, y);
        return;
    }
}

void GenInterRoutine::StartDrag() {
    if (!m_held)
        return;
    AnimationMgr& icon = m_held->GetAnimation();
    m_dragImage.SetSize(icon.GetFrameWidth(), icon.GetFrameHeight());
    m_dragging = true;
    m_redraw = true;
    m_held->PlaySound(1);
}

void GenInterRoutine::CancelDrag() {
    if (m_held)
        m_held->PlaySound(0);
    ForgetHeld();
    m_state = kBrowsing;
}

// The drag image's saved background goes with the drag: the next drawing is a whole one.
void GenInterRoutine::ForgetHeld() {
    m_held = nullptr;
    if (m_dragging) {
        m_dragging = false;
        m_redraw = true;
    }
}

bool GenInterRoutine::IsListMoveAllowed(int from, int to) const {
    if (from == to)
        return false;
    if (m_lists[kMemberOffer]) { // trade
        if (from < 0)
            return false;
        return (from == kMemberBackpack && to == kMemberOffer) ||
               (from == kMemberOffer && to == kMemberBackpack) ||
               (from == kTraderBackpack && to == kTraderOffer) ||
               (from == kTraderOffer && to == kTraderBackpack);
    }
    if (g_gameMode && g_gameMode->GetModeId() == kModeInventory && !g_gameMode->IsOnMap())
        return to == kMemberBackpack;
    return true;
}

bool GenInterRoutine::FindDropTarget(int x, int y) {
    m_targetSlot = m_targetList = -1;
    if (m_inventory) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (!m_slotRects[slot].Covers(x, y))
                continue;
            m_targetSlot = slot;
            return slot != m_sourceSlot && m_inventory->CanPutInSlot(m_held, slot);
        }
    }
    for (int list = 0; list < kListCount; ++list) {
        if (!m_lists[list] || !m_listRects[list].Covers(x, y))
            continue;
        m_targetList = list;
        return IsListMoveAllowed(m_sourceList, list);
    }
    return false;
}

// ---- events ----

bool GenInterRoutine::HandleEvent(const SDL_Event& event) {
    if (m_state == kQuantityBox) {
        m_quantityBox->HandleKey(event);
        return true;
    }
    if (m_state == kMessageShown)
        return true;
    if (m_state == kCommandBox && m_commandBox)
        m_commandBox->HandleEvent(event);
    m_rightButton = false;
    if (IsButton(event, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT)) {
        m_rightButton = true;
        HandleRightRelease();
    } else if (IsButton(event, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)) {
        if (m_state == kCommandBox)
            return true;
        m_state = kBrowsing;
        if (!m_held)
            return true;
        if (FindDropTarget(g_mouseX, g_mouseY)) {
            m_state = kQuantityBox;
            return true;
        }
        CancelDrag();
        if (m_inventory &&
            m_inventory->TakeRefusal() == CreatureInventory::kRefusalShieldAndTwoHanded)
            ShowMessage(kShieldRefusal);
    } else if (IsButton(event, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)) {
        m_rightButton = true;
        if (m_commandBox)
            return true;
        PickAt(g_mouseX, g_mouseY);
        if (m_held && ShowItemCommandBox(m_held, m_commandBox))
            m_state = kCommandBox;
        else
            ForgetHeld();
    } else if (IsButton(event, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)) {
        if (m_held || m_state == kCommandBox)
            return true;
        m_state = kBrowsing;
        PickAt(g_mouseX, g_mouseY);
        StartDrag();
    }
    return true;
}

void GenInterRoutine::HandleRightRelease() {
    if (!m_commandBox || m_commandBox->Contains(g_mouseX, g_mouseY))
        return;
    CancelDrag();
    m_commandBox.reset();
    m_state = kBrowsing;
}

// ---- the frame ----

bool GenInterRoutine::Update() {
    switch (m_state) {
    case kCommandBox:
        if (!m_commandBox) {
            m_state = kBrowsing;
            break;
        }
        m_commandBox->Activate();
        if (const int id = m_commandBox->GetClickedId(); id >= 0) {
            m_redraw = true;
            RunCommand(id);
            m_commandBox.reset();
            ForgetHeld();
            m_state = kBrowsing;
        }
        break;
    case kQuantityBox:
        UpdateQuantity();
        break;
    case kMessageShown:
        m_messageBox->Poll();
        if (m_messageBox->TakeFirstButton()) {
            m_state = kBrowsing;
            m_redraw = true;
        }
        break;
    default:
        break;
    }
    return m_state != kBrowsing;
}

void GenInterRoutine::RunCommand(int id) {
    if (!m_held)
        return;
    switch (id) {
    case kCommandExamine:
        Examine(*m_held);
        break;
    case kCommandUse: {
        SoldierEntity* soldier = nullptr;
        Entity* member = Member();
        if (m_inventory && m_inventory->Contains(m_held) && Entity::AsSoldier(member, &soldier))
            soldier->GiveItemTo(m_held, member);
        ForgetShownUnlessCarried();
        break;
    }
    case kCommandUnload:
        if (m_inventory && m_inventory->Contains(m_held) &&
            m_inventory->GetBackpack().UnloadWeapon(m_held))
            m_held->MagazineOp(0);
        ForgetShownUnlessCarried();
        break;
    default:
        break;
    }
}

void GenInterRoutine::Examine(ItemEntity& item) {
    m_shown = &item;
    m_description->Clear();
    const bool identified = item.IsIdentified();
    m_description->AddText(
        item.GetText(identified ? ItemEntity::kIdentifiedDescription : ItemEntity::kDescriptionText)
            .c_str());
    m_description->AddText("");
    m_description->AddText(item.GetAbilityText().c_str());
    m_shownName = item.GetText(identified ? ItemEntity::kIdentifiedName : ItemEntity::kName);
    m_shownKind = static_cast<int>(item.GetItemClass());
    const ItemAbility* ability = ItemAbility::Of(item.GetAbility());
    // The current ability's round: its magazine's, or the ammunition it fires from the pack.
    m_ammoText = ability ? ability->GetMagazineName() : Stringc();
    m_chargesText = "";
    if (m_shownKind == static_cast<int>(ItemEntity::kClassWeapon) && ability &&
        ability->GetRoundsPerUse() != 0)
        m_chargesText.Format("%d/%d", ability->GetCharges(), ability->GetMaxCharges());
    else if (m_shownKind == static_cast<int>(kAmmunitionKind) && ability)
        m_chargesText.Format("%d", ability->GetCharges());
}

// A use may have used the item up, and an unload may have released it: only a pointer
// compare is safe before it is known to be carried.
void GenInterRoutine::ForgetShownUnlessCarried() {
    if (m_shown && !(m_inventory && m_inventory->Contains(m_shown)))
        ForgetShown();
    if (m_held && !(m_inventory && m_inventory->Contains(m_held)))
        m_held = nullptr;
}

void GenInterRoutine::ForgetShown() {
    m_shown = nullptr;
    m_shownName = "";
    m_ammoText = "";
    m_chargesText = "";
    m_shownKind = 0;
    m_description->Clear();
}

// ---- moving ----

// The typed number: nothing or 0 moves nothing, more than the stack moves the stack.
void GenInterRoutine::UpdateQuantity() {
    if (!m_held) {
        m_state = kBrowsing;
        return;
    }
    const int stack = m_held->GetStackSize();
    const bool single = m_held->GetStackLimit() == 1 || m_held->GetItemClass() == kAmmunitionKind;
    if (stack <= 1 || (m_targetSlot >= 0 && single)) {
        DropAndBrowse(1);
        return;
    }
    m_quantityBox->Poll();
    if (m_quantityBox->TakeAccepted()) {
        long count = 0;
        for (const char* c = m_quantityBox->GetText().c_str(); *c; ++c)
            if (*c >= '0' && *c <= '9' && count <= stack)
                count = count * 10 + (*c - '0');
        m_quantityBox->SetText("");
        if (count < 1) {
            CancelDrag();
            return;
        }
        DropAndBrowse(static_cast<int>(count > stack ? stack : count));
    } else if (m_quantityBox->TakeCancelled()) {
        m_quantityBox->SetText("");
        CancelDrag();
    }
}

// A refusal the drop shows keeps its box up until its OK.
void GenInterRoutine::DropAndBrowse(int count) {
    DropItem(count);
    if (m_state != kMessageShown)
        m_state = kBrowsing;
}

bool GenInterRoutine::IsTooHeavyFromGround() const {
    return m_sourceList == kOtherContainer && m_inventory && m_inventory->IsTooHeavyWith(m_held);
}

void GenInterRoutine::DropItem(int count) {
    ContainerEntity* source = GetList(m_sourceList);
    ContainerEntity* target = GetList(m_targetList);
    if (m_sourceSlot >= 0 && m_inventory)
        DropFromSlot(count);
    else if (m_targetSlot >= 0 && m_inventory)
        DropFromListToSlot(count);
    else
        DropFromListToList(count);
    if (source)
        source->UpdateItems();
    if (target)
        target->UpdateItems();
    m_sourceSlot = m_targetSlot = m_sourceList = m_targetList = -1;
    ForgetHeld();
    m_shown = nullptr; // its lines stay until the next examine
    m_redraw = true;
}

void GenInterRoutine::DropFromSlot(int count) {
    ItemEntity* out = nullptr;
    if (m_targetSlot >= 0) {
        m_inventory->AddToSlot(m_held, count, m_targetSlot, out);
        return;
    }
    if (m_targetList < 0 || !m_inventory->RemoveItem(count, m_held))
        return;
    if (!PutInList(m_targetList, m_held))
        m_inventory->AddItem(m_held, out);
}

void GenInterRoutine::DropFromListToSlot(int count) {
    if (IsTooHeavyFromGround()) {
        ShowMessage(g_tooHeavyText);
        return;
    }
    ItemEntity* out = nullptr;
    ItemEntity* slotItem = m_inventory->GetSlot(m_targetSlot);
    ContainerEntity* source = GetList(m_sourceList);
    if (slotItem && source && !slotItem->IsFull() && slotItem->AcceptsAmmunition(*m_held)) {
        if (source->MoveItemTo(slotItem, m_held, out))
            slotItem->MagazineOp(1);
        return;
    }
    if (m_sourceList == kMemberBackpack) {
        m_inventory->AddToSlot(m_held, count, m_targetSlot, out);
        return;
    }
    ItemEntity* taken = m_held;
    if (!TakeFromList(m_sourceList, count, taken))
        return;
    if (!m_inventory->AddItem(taken, out)) {
        PutInList(m_sourceList, taken);
        return;
    }
    ItemEntity* placed = nullptr;
    m_inventory->AddToSlot(out, count, m_targetSlot, placed);
}

void GenInterRoutine::DropFromListToList(int count) {
    if (m_targetList == kMemberBackpack && IsTooHeavyFromGround()) {
        ShowMessage(g_tooHeavyText);
        return;
    }
    ItemEntity* taken = m_held;
    if (m_targetList < 0 || !TakeFromList(m_sourceList, count, taken))
        return;
    if (!PutInList(m_targetList, taken))
        PutInList(m_sourceList, taken);
}

// The backpacks go through their inventories, which keep their creature's look and owner.
bool GenInterRoutine::TakeFromList(int list, int count, ItemEntity*& item) {
    if (list == kMemberBackpack && m_inventory)
        return m_inventory->RemoveItem(count, item);
    if (list == kTraderBackpack && m_traderInventory)
        return m_traderInventory->RemoveItem(count, item);
    ContainerEntity* container = GetList(list);
    return container && container->TakeItem(count, item);
}

bool GenInterRoutine::PutInList(int list, ItemEntity* item) {
    ItemEntity* out = nullptr;
    if (list == kMemberBackpack && m_inventory)
        return m_inventory->AddItem(item, out);
    if (list == kTraderBackpack && m_traderInventory)
        return m_traderInventory->AddItem(item, out);
    ContainerEntity* container = GetList(list);
    if (!container || !container->AddItem(item, out))
        return false;
    out->LoadIcon();
    return true;
}
