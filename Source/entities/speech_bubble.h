#pragma once
// The line of speech a creature shows above itself, as the soldier owns it: the soldier's
// parts factory makes one with every creature. This one shows nothing (the game's shows
// the text on the map); every bubble keeps the one byte stored with the creature.

#include <cstdint>

class Screen;
class Stream;
class Stringc;

class SpeechBubble {
public:
    virtual ~SpeechBubble() = default;

    virtual void Say(const Stringc& /*text*/) {}    // a framed bubble
    virtual void SayAlt(const Stringc& /*text*/) {} // a plain box
    virtual void Update(double /*frameSeconds*/) {} // with the creature's own update
    virtual void Draw(Screen& /*screen*/) {}        // above the creature, on its map's view

    // The saved flag, one byte: only stored and restored.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    uint8_t m_saved = 0;
};
