#pragma once
// The demo world's soldier templates: the tutorial's player ("if_idyl_player_tutorial",
// the composite body), a new game's ("if_idyl_player", the same), a hostile scientist with
// a sword and something to find on him ("scimale_hostile"), a neutral one ("scimale_neutral")
// who talks but will not trade, a trader ("trader") who sells potions and bullets, and a
// brute ("scimale_brute") far stronger than the player who attacks whoever he sees; each
// a soldier record with its creature's rules record and a description. The scientists carry
// the demo creature scripts and the trader her talk script; the players carry a kit to
// equip, an idle script and the lock and trap skills.

class DemoCreatures {
public:
    static constexpr const char* kPlayer = "if_idyl_player_tutorial";
    static constexpr const char* kNewGamePlayer = "if_idyl_player";
    static constexpr const char* kHostile = "scimale_hostile";
    static constexpr const char* kNeutral = "scimale_neutral";
    static constexpr const char* kTrader = "trader";
    static constexpr const char* kBrute = "scimale_brute";
    static constexpr const char* kTraderDialogue = "trader_talk"; // DemoDialogues writes them
    static constexpr const char* kScientistDialogue = "scientist_dialogue";

    bool Write() const; // false, with a message, at the first template that cannot be written

private:
    bool WriteTemplates() const;
};
