#pragma once
// The art of what flies and bursts, drawn as 8-bit bitmap folders and built into ".ani"
// files: each projectile's "misc_1" under "Projectile/<name>", sixteen sequences for the
// sixteen directions (0 up the screen, then clockwise); and the explosions' centres,
// fragments, clouds and their ends under "Misc/<name>", one sequence each. Everything is
// bright, as projectiles and fragments are drawn as a glow.

#include "Library/core/stringc.h"

class ProjectileArt {
public:
    static constexpr int kDirections = 16;

    // bitmapDir: a scratch directory for the frames the animations are built from.
    ProjectileArt(const Stringc& animDir, const Stringc& bitmapDir);

    bool Write() const; // false, with a message, at the first animation that cannot be made

private:
    struct Flight; // a projectile's look
    struct Burst;  // an explosion part's look

    bool WriteFlight(const Flight& flight) const;
    bool WriteBurst(const Burst& burst) const;

    Stringc m_animDir;
    Stringc m_bitmapDir;
};
