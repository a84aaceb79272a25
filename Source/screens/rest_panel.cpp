#include "Source/screens/rest_panel.h"

#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "Library/world/game_mode.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/entity_mgr.h"
#include "Source/screens/interface_routines.h"
#include "Source/screens/party_orders.h"
#include "Source/world/game_clock.h"

namespace {

constexpr int kLabelFont = 5;
constexpr int kValueFont = 0;
constexpr int kStatusX = 304;
constexpr int kStatusY = 136;
constexpr int kLineStep = 15;

const WidgetEntry kButtons[] = {
    {RestPanel::kRest, kWidgetButton, 551, 537, 64, 20, "button_rest2.tga", "rest"},
    {RestPanel::kStop, kWidgetButton, 621, 537, 64, 20, "button_stop.tga", "stop"},
    {RestPanel::kDone, kWidgetButton, 691, 537, 64, 20, "button_done.tga", "done"},
};

enum class Until { kMinutesLater, kHoursLater, kHourOfDay, kHealed };

struct Duration {
    int id;
    const char* text;
    Until until;
    int amount; // minutes, hours or the hour of the day
    int speedMode;
};

const Duration kDurations[] = {
    {3, "1 minute", Until::kMinutesLater, 1, 1},
    {4, "5 minutes", Until::kMinutesLater, 5, 1},
    {5, "10 minutes", Until::kMinutesLater, 10, 1},
    {6, "30 minutes", Until::kMinutesLater, 30, 2},
    {7, "1 hour", Until::kHoursLater, 1, 3},
    {8, "3 hours", Until::kHoursLater, 3, 3},
    {9, "6 hours", Until::kHoursLater, 6, 4},
    {10, "12 hours", Until::kHoursLater, 12, 4},
    {11, "Until morning (08.00)", Until::kHourOfDay, 8, 4},
    {12, "Until noon (12.00)", Until::kHourOfDay, 12, 4},
    {13, "Until evening (18.00)", Until::kHourOfDay, 18, 4},
    {14, "Until midnight (24.00)", Until::kHourOfDay, 24, 4},
    {15, "Until healed", Until::kHealed, 0, 5},
};

const Duration* FindDuration(int id) {
    for (const Duration& duration : kDurations)
        if (duration.id == id)
            return &duration;
    return nullptr;
}

// The next time the clock shows the hour, now included; hour 24 is the coming midnight.
DateTime NextHourOfDay(const DateTime& now, int hour) {
    DateTime at;
    at.Set(0, 0, 0, hour, now.GetDay(), now.GetMonth(), now.GetYear());
    if (at < now)
        at.Set(0, 0, 0, hour, now.GetDay() + 1, now.GetMonth(), now.GetYear());
    return at;
}

} // namespace

WindowLayout RestPanel::Layout() {
    return MakeLayout(WindowEntry{"menu_rest.tga", "", 0, 0, 800, 600}, kButtons);
}

RestPanel::RestPanel(const Services& services)
    : m_services(services), m_durations(Rect{324, 247, 489, 484}, 1, 30, kValueFont, kLabelFont) {
    m_window = BuildWindow(Layout());
    for (const Duration& duration : kDurations)
        m_durations.AddTextWithId(duration.id, duration.text);
    m_background = LoadSplash(m_services.graphics, "");
    if (m_services.entities)
        m_services.entities->UpdateRestHealing(kRestHealHours);
}

RestPanel::~RestPanel() {
    if (m_services.entities)
        m_services.entities->UpdateRestHealing(kNormalHealHours);
    FreeGraphic(m_background);
}

void RestPanel::Update(Screen&) {
    if (m_resting)
        RestStep();
    g_interface->SetActive(m_window);
    const InterfaceObject* clicked = m_window->GetClickedChild();
    if (clicked == nullptr)
        return;
    switch (clicked->GetId()) {
    case kRest:
        StartResting();
        break;
    case kStop:
        StopResting();
        break;
    case kDone:
        StopResting();
        g_gameMode->SetMode(g_gameMode->IsOnMap() ? kModeAreaMap : kModeStoryPage);
        break;
    }
}

void RestPanel::StartResting() {
    const Duration* duration = FindDuration(m_durations.PeekClickedLine());
    if (duration == nullptr)
        return;
    m_chosen = duration->id;
    const DateTime& now = m_services.clock.GetDateTime();
    m_end = now;
    switch (duration->until) {
    case Until::kMinutesLater:
        m_end.AddMinutes(duration->amount);
        break;
    case Until::kHoursLater:
        m_end.AddHours(duration->amount);
        break;
    case Until::kHourOfDay:
        m_end = NextHourOfDay(now, duration->amount);
        break;
    case Until::kHealed:
        break;
    }
    m_resting = true;
    m_services.clock.SetSpeedMode(duration->speedMode);
}

void RestPanel::StopResting() {
    m_resting = false;
    m_chosen = kNoLine;
}

// A rest ends exactly at its time, whatever the last frame's step of the clock.
void RestPanel::RestStep() {
    m_redraw = true;
    if (m_chosen != kUntilHealed) {
        if (m_services.clock.GetDateTime() >= m_end) {
            StopResting();
            m_services.clock.SetDate(m_end);
            return;
        }
    } else if (m_services.entities == nullptr ||
               GameRules::AllMembersHealed(*m_services.entities)) {
        StopResting();
        return;
    }
    m_services.clock.Tick(g_gameMode->GetFrameMs(), kModeRest);
    if (m_services.entities)
        m_services.entities->UpdateCreatures(g_gameMode->GetFrameMs());
}

void RestPanel::HandleEvent(const SDL_Event& event) {
    if (!m_resting && m_durations.HandleEvent(event))
        m_redraw = true;
}

void RestPanel::Draw(Screen& screen) {
    g_gameMode->InvalidateScreen();
    if (!m_redraw && !m_window->IsDirty())
        return;
    m_redraw = false;
    Graphic::SetBlitMode(0);
    if (const Graphic* background = m_background.Get())
        background->Draw(screen.GetSurface(), 0, 0);
    m_window->SetDirty(true);
    m_window->Draw(screen);
    screen.SetFont(kLabelFont);
    m_durations.Draw(screen);
    DrawStatus(screen, kStatusX, kStatusY);
}

void RestPanel::DrawStatus(Screen& screen, int x, int y) const {
    const DateTime& now = m_services.clock.GetDateTime();
    screen.SetFont(kLabelFont);
    screen.DrawText(x, y, "Date:");
    screen.DrawText(x, y + kLineStep, "Time:");
    screen.DrawText(x, y + 2 * kLineStep, "Hit Pts:");
    screen.SetFont(kValueFont);
    screen.Printf(x + 40, y, "%.4s, %2.2d %4.4s, %d", now.DayName().c_str(), now.GetDay(),
                  now.MonthName().c_str(), now.GetYear());
    screen.Printf(x + 40, y + kLineStep, "%2.2d hr, %2.2d min, %2.2d sec", now.GetHours(),
                  now.GetMinutes(), now.GetSeconds());
    int hitPoints = 0;
    int maximum = 0;
    HitPointsOf(m_services.party ? m_services.party->GetActiveMember() : nullptr, hitPoints,
                maximum);
    screen.Printf(x + 62, y + 2 * kLineStep, "%d/%d", hitPoints, maximum);
}
