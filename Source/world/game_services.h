#pragma once
// The game around the creatures as their effects and healing see it: the game clock and the
// message log the play screen shows.

#include "Source/creatures/creature_services.h"

class GameClock;
class InfoPanel;

class GameServices : public CreatureServices {
public:
    GameServices(const GameClock& clock, InfoPanel& messages); // both must outlive it

    const DateTime& GetDateTime() const override;
    double GetElapsedSeconds() const override;
    double GetElapsedRounds() const override;
    double GetElapsedMinutes() const override;
    double GetElapsedHours() const override;
    void AddMessage(const char* text) override;

private:
    const GameClock& m_clock;
    InfoPanel& m_messages;
};
