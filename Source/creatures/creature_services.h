#pragma once
// What effects and healing read of the game around the creatures: the game clock and the
// message log. The game's set-up installs them; without them time stands still (the
// zero date, nothing elapsed) and messages go nowhere.

class DateTime;

class CreatureServices {
public:
    virtual ~CreatureServices() = default;

    virtual const DateTime& GetDateTime() const = 0; // the game clock's date now
    // The game time the clock's last tick passed.
    virtual double GetElapsedSeconds() const = 0;
    virtual double GetElapsedRounds() const = 0;
    virtual double GetElapsedMinutes() const = 0;
    virtual double GetElapsedHours() const = 0;
    virtual void AddMessage(const char* text) = 0; // a line of the message log
};

CreatureServices* GetCreatureServices(); // null until installed
void SetCreatureServices(CreatureServices* services);
