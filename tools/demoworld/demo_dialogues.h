#pragma once
// The demo's conversations and the crate's stocking: the trader's two-label dialogue
// (greeting with trade, news and farewell; news with a way back), the scientist's, who
// offers trade without trading, the pond sign's one label, and the script that fills the
// crate by the gate and drops two items beside it, once.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

class DemoDialogues {
public:
    static constexpr const char* kPondSign = "pond_sign";
    static constexpr const char* kCrate = "crate_stock";
    static constexpr int kCrateGold = 50;   // coins, one stack
    static constexpr int kCrateStocked = 6; // the crate's counter once all is in
    // By the gate, close enough that a member standing on either reaches both.
    static inline const Vector kGroundPotion{49.25f, 45.5f, 0.0f};
    static inline const Vector kGroundSword{49.75f, 45.5f, 0.0f};

    explicit DemoDialogues(const Stringc& scriptDir) : m_directory(scriptDir) {}

    bool Write() const; // false, with a message, at the first script that cannot be written

private:
    Stringc m_directory;
};
