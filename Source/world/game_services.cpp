#include "Source/world/game_services.h"

#include "Library/interface/info_panel.h"
#include "Source/world/game_clock.h"

GameServices::GameServices(const GameClock& clock, InfoPanel& messages)
    : m_clock(clock), m_messages(messages) {}

const DateTime& GameServices::GetDateTime() const {
    return m_clock.GetDateTime();
}

double GameServices::GetElapsedSeconds() const {
    return m_clock.GetElapsedSeconds();
}

double GameServices::GetElapsedRounds() const {
    return m_clock.GetElapsedRounds();
}

double GameServices::GetElapsedMinutes() const {
    return m_clock.GetElapsedMinutes();
}

double GameServices::GetElapsedHours() const {
    return m_clock.GetElapsedHours();
}

void GameServices::AddMessage(const char* text) {
    m_messages.AddText(text);
}
