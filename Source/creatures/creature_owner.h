#pragma once
// What a creature's rules record asks of the creature that owns it.

class CreatureOwner {
public:
    // Reloads the script of that slot (0 to 6) from the record's script name; whether it
    // loaded.
    virtual bool LoadScripts(int slot) = 0;

protected:
    ~CreatureOwner() = default;
};
