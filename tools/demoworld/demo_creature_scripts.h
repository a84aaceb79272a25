#pragma once
// The scientists' scripts, one per script slot, the first slot the first to act:
// "scientist_death" tells those around of its death, "scientist_hit" makes it hostile and
// turns it on whoever attacked it, "scientist_start" readies a weapon and speaks when the
// creature is made and "scientist_talk" turns it to the one who came to talk and opens its
// dialogue with them. The trader's one script, "trader_greet", does the same for her; the
// brute's idle script, "brute_watch", attacks the nearest enemy he sees.

#include "Library/core/stringc.h"

class DemoCreatureScripts {
public:
    static constexpr const char* kStart = "scientist_start";
    static constexpr const char* kHit = "scientist_hit";
    static constexpr const char* kDeath = "scientist_death";
    static constexpr const char* kTalk = "scientist_talk";
    static constexpr const char* kNames[] = {kDeath, kHit, kStart, kTalk}; // slots 0 to 3
    static constexpr const char* kTraderTalk = "trader_greet";
    static constexpr const char* kWatch = "brute_watch"; // the brute's idle script

    explicit DemoCreatureScripts(const Stringc& directory) : m_directory(directory) {}

    bool Write() const; // false, with a message, at the first that cannot be written

private:
    Stringc m_directory;
};
