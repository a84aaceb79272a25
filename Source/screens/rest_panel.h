#pragma once
// The rest screen (mode 17): the player picks how long the party rests, from a minute to
// the next morning or until everyone is healed, and the game clock runs fast while the
// region's creatures keep living, until that time, the healing or "stop". The party heals
// on a shorter period for as long as the screen is open.

#include "Library/files/date_time.h"
#include "Library/interface/info_panel.h"
#include "Library/world/mode_page.h"
#include "Source/screens/cached_graphic.h"
#include "Source/screens/window_layout.h"

#include <cstdint>

class EntityMgr;
class GameClock;
class GraphicMgr;
class InterfaceObject;
class PartyOrders;

class RestPanel : public ModePage {
public:
    enum ButtonId : uint32_t { kRest = 0, kStop = 1, kDone = 2 };
    enum LineId : int {
        kNoLine = -1,
        kOneMinute = 3,
        kTwelveHours = 10,
        kUntilMorning = 11,
        kUntilMidnight = 14,
        kUntilHealed = 15,
    };
    static constexpr int kRestHealHours = 6;
    static constexpr int kNormalHealHours = 24;

    // What the screen works with beyond the engine's singletons.
    struct Services {
        GraphicMgr& graphics;
        GameClock& clock;
        EntityMgr* const& entities; // the current region's
        PartyOrders* party;         // null: no leader's hit points
    };

    explicit RestPanel(const Services& services);
    ~RestPanel() override;

    void Update(Screen& screen) override;
    void Draw(Screen& screen) override;
    void HandleEvent(const SDL_Event& event) override;

    bool IsResting() const { return m_resting; }
    int GetChosenLine() const { return m_chosen; }
    const InfoPanel& GetDurations() const { return m_durations; }

    static WindowLayout Layout();

private:
    void StartResting();
    void StopResting();
    void RestStep();
    void DrawStatus(Screen& screen, int x, int y) const;

    Services m_services;
    InterfaceObject* m_window = nullptr; // the interface's
    InfoPanel m_durations;
    CachedGraphic m_background;
    bool m_resting = false;
    int m_chosen = kNoLine;
    DateTime m_end;
    bool m_redraw = true;
};
