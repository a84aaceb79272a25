#pragma once
// What a creature's rules record asks of the creature that owns it.

class CreatureOwner {
public:
    // Reloads the script of that slot (0 to 6) from the record's script name; whether it
    // loaded.
    virtual bool LoadScripts(int slot) = 0;
    // The look: the art set again after the body type changed, and the colour levels of
    // every layer after what the creature carries changed.
    virtual void LoadArtSet() = 0;
    virtual void ResetColourLevels() = 0;

protected:
    ~CreatureOwner() = default;
};
