#pragma once
// The barter screen (mode 11), opened from a dialogue: the active member's backpack and the
// trader's at the sides, each side's offer between them. The trade goes through when the
// member's offer is worth at least the trader's (a trader in the party takes any offer) and
// neither side would carry more than it can; Done gives the offers back and returns to the
// dialogue, as does any other way out.

#include "Library/core/stringc.h"
#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"

#include <cstdint>
#include <memory>

class Entity;
class GenInterRoutine;
class GraphicMgr;
class InterfaceObject;
class PartyMgr;

class TradePanel : public ModePage {
public:
    enum ButtonId : uint32_t {
        kTrade = 0,
        kDone = 1,
        kMemberUp = 2,
        kMemberDown = 3,
        kTraderUp = 4,
        kTraderDown = 5,
        kMemberOfferUp = 6,
        kMemberOfferDown = 7,
        kTraderOfferUp = 8,
        kTraderOfferDown = 9,
        kDescriptionUp = 10,
        kDescriptionDown = 11,
    };
    static constexpr const char* kRejected = "Your offer was rejected.";
    static constexpr const char* kTooHeavyForMember = "That trade is too heavy for you to carry.";

    // The trader is a creature; the name is the dialogue's, which Done goes back to.
    TradePanel(GraphicMgr& graphics, const PartyMgr& party, Entity* trader,
               const Stringc& traderName, int32_t returnValue);
    ~TradePanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;
    void LeaveWorld() override; // the offers back to their owners

    bool CheckOffer(); // true when the trade was made

    GenInterRoutine& GetDisplay() { return *m_display; }
    bool HasTraded() const { return m_traded; }
    bool IsTraderInParty() const { return m_traderInParty; }

    static WindowLayout Layout();

private:
    void Act(uint32_t id);
    void DrawSide(Screen& screen, Entity* creature, int x);
    void DrawOffer(Screen& screen, int list, int valueX, int weightX);

    std::unique_ptr<GenInterRoutine> m_display;
    InterfaceObject* m_window = nullptr; // the interface's
    CachedGraphic m_picture;
    Entity* m_member = nullptr;
    Entity* m_trader = nullptr;
    Stringc m_traderName;
    int32_t m_returnValue = 0;
    bool m_traded = false;
    bool m_traderInParty = false;
};
