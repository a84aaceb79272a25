#pragma once
// What the demo world's creatures shoot and cast: the projectile sets "arrow", "grenade",
// "fireball", "stinking_cloud" and "magic_missle_1" to "magic_missle_3"; the explosions
// "fire_ring" and "green_gas_cloud"; a bow with its arrows and a grenade, each an item
// template with its icon and map picture; the nine spell and skill definitions of the registry,
// with the ids the play screen's keys and command box cast (the lock pick 4004, trap
// finding 4005, first aid 4006, trap disarming 4007, the magic missile 2112, the fireball
// 2213, the stinking cloud 2304). Their art comes from ProjectileArt.

#include "Library/core/stringc.h"

class DataPaths;

class DemoMagic {
public:
    // bitmapDir: a scratch directory for the frames of the items' art.
    DemoMagic(const DataPaths& paths, const Stringc& bitmapDir)
        : m_paths(paths), m_bitmapDir(bitmapDir) {}

    bool Write() const; // false, with a message, at the first file that cannot be written

private:
    bool WriteProjectileSets() const;
    bool WriteExplosions() const;
    bool WriteSpells() const;
    bool WriteWeapons() const;

    const DataPaths& m_paths;
    Stringc m_bitmapDir;
};
