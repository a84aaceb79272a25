#pragma once
// The in-game screen of the story page (mode 19) and the area map (mode 20): bars above
// and below the page or the map, with the active member's hit points, weapon and three
// quick items, peace or war with the combat countdown, the message list and a level-up
// button; on the story page also the book with the page's picture and text. Mouse clicks
// and keys on the map become the party's orders, and a right press on a thing opens its
// command box.

#include "Library/graphics/rect.h"
#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"
#include "Source/world/story_page_view.h"

#include <cstdint>
#include <functional>
#include <memory>

class Entity;
class Graphic;
class InfoPanel;
class InterfaceObject;
class ItemEntity;
class MessageBox;
class PartyOrders;
class PopupWindow;

class GamePlayPanel : public ModePage, public StoryPageView {
public:
    enum HudState : int {
        kOverBottomBar = 0,
        kOverTopBar = 1,
        kOverView = 3,
        kCommandBoxOpen = 4,
        kMessageShown = 5,
        kOverLevelUp = 6,
    };
    enum ButtonId : uint32_t {
        kCharacter = 0,
        kRest = 1,
        kMenu = 2,
        kMap = 3,
        kInventory = 4,
        kSelectScript = 5,
        kWeaponMode = 6,
        kFirstQuickSlot = 7, // 7 to 9
        kPrevHand = 12,
        kNextHand = 13,
        kMessagesUp = 14,
        kMessagesDown = 15,
        kPageUp = 16,
        kPageDown = 17,
        kLevelUp = 28,
    };
    static constexpr int kQuickSlots = 3;
    static constexpr int kFirstQuickInventorySlot = 14;

    // What the screen works with beyond the engine's singletons.
    struct Services {
        GraphicMgr& graphics; // the game's picture cache, for the page's pictures
        InfoPanel& messages;  // the message list, placed in the bottom bar
        InfoPanel& pageText;  // the story page's text, placed on the book
        PartyOrders* party;   // null: no party, no readouts and no orders
        std::function<bool(int mode)> openScreen; // false when that mode has no screen yet
    };

    explicit GamePlayPanel(const Services& services); // for the current mode, 19 or 20
    ~GamePlayPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    bool ShowMessage(const char* text) override;
    int LoadRandomSmallSplash() override;
    void LoadSmallSplash(int number) override;

    void SetHover(int state);
    void ActivateHoverWindow(); // the window of the state the pointer is in takes the clicks
    void ClearPendingOrder();

    int GetHudState() const { return m_hudState; }
    bool IsLevelUpShown() const { return m_levelUpShown; }
    const ItemEntity* GetPendingItem() const { return m_pendingItem; }
    const PopupWindow* GetCommandBox() const { return m_commandBox.get(); }
    const MessageBox& GetMessageBox() const { return *m_messageBox; }
    Graphic* GetPagePicture() const { return m_pagePicture.Get(); }
    const Graphic* GetSidePanel() const { return m_sidePanel.Get(); }

    static WindowLayout TopBarLayout();
    static WindowLayout BottomBarLayout();
    static WindowLayout BookLayout();
    static WindowLayout LevelUpLayout();

private:
    struct Readouts {
        ItemEntity* quickItems[kQuickSlots] = {};
        ItemEntity* weapon = nullptr;
        int quantity = -999;
        bool war = false;
        int hitPoints = -1;
        int maxHitPoints = -1;
    };

    Entity* Member() const; // the party's active member now, or null
    bool OnStoryPage() const;
    void OpenScreen(int mode);

    // The frame.
    void UpdateLevelUp();
    bool UpdateGameOver();
    void UpdateHoverState();
    void UpdateView(Screen& screen);
    void UpdateCommandBox();
    void UpdateBottomBar(Screen& screen);
    void ActOnBottomBar(uint32_t id);
    void UpdateMessageBox();
    bool RefreshQuickItems(Screen& screen, bool force);
    bool RefreshWeapon(Screen& screen, bool force);
    bool RefreshTopBar(bool force);

    // Input.
    void HandleBarRelease(const SDL_Event& event);
    void HandleViewEvent(const SDL_Event& event);
    void HandleCommandBoxEvent(const SDL_Event& event);
    void OrderByKey(SDLKey key);
    void CarryOutCommand(int id);

    // Drawing.
    void DrawBook(Screen& screen);
    void DrawBottomBar(Screen& screen);
    void DrawTopBar(Screen& screen);
    void DrawCombatCountdown(Screen& screen);
    void DrawWeapon(Screen& screen);
    void DrawQuickSlots(Screen& screen);

    Services m_services;
    int m_mode;
    int m_hudState = kOverView;
    Entity* m_commandTarget = nullptr;
    Entity* m_lastHovered = nullptr;
    ItemEntity* m_pendingItem = nullptr;
    Readouts m_shown;
    Rect m_weaponRect{511, 531, 587, 588};
    Rect m_quickRects[kQuickSlots];
    std::unique_ptr<PopupWindow> m_commandBox;
    InterfaceObject* m_bottomBar = nullptr; // these windows are the interface's
    InterfaceObject* m_topBar = nullptr;
    InterfaceObject* m_book = nullptr; // only on the story page
    InterfaceObject* m_levelUp = nullptr;
    std::unique_ptr<MessageBox> m_messageBox;
    CachedGraphic m_sidePanel; // the interface's, given back when the screen goes
    bool m_redrawSidePanel = false;
    bool m_redrawPage = true;
    bool m_redrawBottomBar = true;
    bool m_redrawTopBar = true;
    bool m_levelUpShown = false;
    CachedGraphic m_pagePicture;
};
