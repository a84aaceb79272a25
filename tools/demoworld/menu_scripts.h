#pragma once
// The scripts of the screens around a game: "game_credits", which writes the credits'
// lines, and the three idle scripts the player may choose for the party's leader.

#include "Library/core/stringc.h"

class MenuScripts {
public:
    static constexpr const char* kCredits = "game_credits";
    static constexpr int kCreditLines = 8;
    static constexpr const char* kCreditTexts[kCreditLines] = {
        "VAULTANE",
        "a tile-map role-playing game",
        "",
        "Engine, scripts and screens",
        "written by the Vaultane team",
        "",
        "The demo world is drawn by its own builder",
        "Thank you for playing",
    };

    explicit MenuScripts(const Stringc& scriptDirectory) : m_directory(scriptDirectory) {}

    bool Write() const; // false, with a message, when a script cannot be written

private:
    bool WriteCredits() const;
    bool WriteIdleScript(const char* name) const;

    Stringc m_directory;
};
