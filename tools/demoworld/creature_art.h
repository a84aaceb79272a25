#pragma once
// The art of the demo world's creatures, drawn as folders of 8-bit bitmaps (eight
// directions one after the other) in a scratch directory and built into ".ani" files.
//
// Sets under the animation directory: the creature body "Creat/scimale" and the player's
// composite body "Char/chmf4" with its shadow "Char/cshd", each with "s0" (standing), "w0"
// and "w1" (walking), "d0" (dying and dead) and the sword's and the pistol's attacks; the
// sword and the pistol carried in the hand "Item/sword" and "Item/pistol" with the same
// files; the shadow "Misc/shadow" ("misc_1") and the splashes "Misc/blood0" to
// "Misc/blood2" ("h0").

#include "Library/core/stringc.h"

class CreatureArt {
public:
    // The sword's ability name: its layer's set and the attack file of the bodies.
    static constexpr const char* kSwordArt = "sword";
    static constexpr const char* kPistolArt = "pistol"; // the same for the pistol's
    static constexpr int kAttackTrigger = 3; // the frame the blow lands on

    // bitmapDir: a scratch directory for the frames the animations are built from.
    CreatureArt(const Stringc& animDir, const Stringc& bitmapDir);

    bool Write() const; // false, with a message, at the first set that cannot be made

private:
    struct SetArt;
    bool WriteSet(const SetArt& set) const;

    Stringc m_animDir;
    Stringc m_bitmapDir;
};
