#pragma once
// The working area of the inventory and trade screens: a creature's seventeen equipment
// slots and up to five item lists, in which the player drags items between slots and lists,
// chooses how many of a stack to move, opens an item's command box (examine, use, unload)
// and reads the examined item's description. Illegal moves are refused with a message.
// The owning screen forwards its events, runs its update and draws it.

#include "Library/core/stringc.h"
#include "Library/graphics/dirty_rect_graphic.h"
#include "Library/graphics/rect.h"
#include "Source/entities/entity_handle.h"

#include <SDL/SDL.h>

#include <memory>

class ContainerEntity;
class CreatureInventory;
class EditBox;
class Entity;
class InfoPanel;
class ItemEntity;
class MessageBox;
class PopupWindow;
class Screen;

class GenInterRoutine {
public:
    enum State : int { kCommandBox = 0, kQuantityBox = 1, kMessageShown = 2, kBrowsing = 3 };
    enum List : int {
        kMemberBackpack = 0,
        kTraderBackpack = 1,
        kOtherContainer = 2,
        kMemberOffer = 3,
        kTraderOffer = 4,
        kListCount = 5,
    };
    static constexpr int kSlotCount = 17;
    static constexpr const char* kShieldRefusal =
        "You cannot equip both a shield and a two handed weapon.";

    GenInterRoutine(); // the message box and the drag image; browsing
    GenInterRoutine(const GenInterRoutine&) = delete;
    GenInterRoutine& operator=(const GenInterRoutine&) = delete;
    virtual ~GenInterRoutine();

    // The active member's equipment and backpack beside the container, or, without one,
    // beside the items lying visible within its reach, lifted off the map.
    void SetupForInventory(ContainerEntity* container);
    // Both backpacks with an offer list for each side between them.
    void SetupForTrade(Entity* member, Entity* trader);
    // The second list given back: lifted items return to the map near the member, an opened
    // container is told to close. Once; false when there was nothing to give back.
    bool CloseInventory();
    // Every offered item back to its owner's backpack, and the offer lists emptied.
    void ClearTrade();

    bool HandleEvent(const SDL_Event& event); // always true
    bool Update();                            // true while a box is open
    void DrawForInventory(bool showSlotItems, Screen& screen);
    void DrawForTrade(Screen& screen);

    void SelectPrevious(int list);
    void SelectNext(int list);
    void ScrollDescriptionDown(uint32_t frameMs);
    void ScrollDescriptionUp(uint32_t frameMs);

    // The message box shows the text until its OK.
    void ShowMessage(const char* text);

    int GetState() const { return m_state; }
    bool IsHolding() const { return m_held != nullptr; }
    bool IsDragging() const { return m_dragging; }
    bool UsedRightButton() const { return m_rightButton; }
    bool NeedsRedraw() const { return m_redraw; }
    void SetRedraw() { m_redraw = true; }
    ContainerEntity* GetList(int list) const;
    ItemEntity* GetShownItem() const { return m_shown; }
    const Stringc& GetShownName() const { return m_shownName; }
    const Stringc& GetAmmoText() const { return m_ammoText; }
    const Stringc& GetChargesText() const { return m_chargesText; }
    const InfoPanel& GetDescription() const { return *m_description; }
    const MessageBox& GetMessageBox() const { return *m_messageBox; }
    const Rect& GetSlotRect(int slot) const { return m_slotRects[slot]; }
    const Rect& GetListRect(int list) const { return m_listRects[list]; }

private:
    static constexpr Rect kUnplaced{-200, -200, -200, -200};

    Entity* Member() const; // while it is still the one the screen was made for
    Entity* Trader() const;
    void MakeBoxes();
    void SetListRect(int list, int x1, int y1, int x2, int y2);

    // Picking and dragging.
    void PickAt(int x, int y);
    void StartDrag();
    void CancelDrag();
    void ForgetHeld(); // and the drag with it
    void ResetSelections();
    bool FindDropTarget(int x, int y);
    bool IsListMoveAllowed(int from, int to) const;

    // Moving.
    void UpdateQuantity();
    void DropItem(int count);
    void DropAndBrowse(int count); // and back to browsing, unless a refusal is shown
    void DropFromSlot(int count);
    void DropFromListToSlot(int count);
    void DropFromListToList(int count);
    bool TakeFromList(int list, int count, ItemEntity*& item);
    bool PutInList(int list, ItemEntity* item);
    bool IsTooHeavyFromGround() const;

    // The command box and the examined item.
    void HandleRightRelease();
    void RunCommand(int id);
    void Examine(ItemEntity& item);
    void ForgetShownUnlessCarried();
    void ForgetShown();

    // Drawing.
    void DrawSlotItems(Screen& screen);
    void DrawShownLines(Screen& screen);
    void DrawList(int list, Screen& screen);
    void DrawHighlight(Screen& screen);
    void DrawState(Screen& screen);
    void DrawDrag(Screen& screen);

    int m_state = kBrowsing;
    std::unique_ptr<PopupWindow> m_commandBox;
    std::unique_ptr<EditBox> m_quantityBox;
    std::unique_ptr<InfoPanel> m_description;
    std::unique_ptr<MessageBox> m_messageBox;
    Rect m_slotRects[kSlotCount];
    Rect m_listRects[kListCount];
    DirtyRectGraphic m_dragImage;
    bool m_dragging = false;
    int m_sourceSlot = -1;
    int m_targetSlot = -1;
    int m_sourceList = -1;
    int m_targetList = -1;
    CreatureInventory* m_inventory = nullptr;
    CreatureInventory* m_traderInventory = nullptr;
    ContainerEntity* m_lists[kListCount] = {};
    std::unique_ptr<ContainerEntity> m_ownedGround; // list 2 when it holds lifted items
    std::unique_ptr<ContainerEntity> m_memberOffer;
    std::unique_ptr<ContainerEntity> m_traderOffer;
    bool m_closed = false;
    ItemEntity* m_held = nullptr;
    ItemEntity* m_shown = nullptr;
    bool m_rightButton = false;
    EntityHandle m_member;
    Entity* m_memberEntity = nullptr;
    EntityHandle m_trader;
    bool m_redraw = true;
    Stringc m_memberName;
    int m_shownKind = 0;
    Stringc m_shownName;
    Stringc m_ammoText;
    Stringc m_chargesText;
};
