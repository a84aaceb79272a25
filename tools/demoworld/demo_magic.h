#pragma once
// What the demo world's creatures shoot and cast: the projectile sets "arrow", "grenade",
// "fireball", "stinking_cloud" and "magic_missle_1" to "magic_missle_3"; the explosions
// "fire_ring" and "green_gas_cloud"; the nine spell and skill definitions of the registry,
// with the ids the play screen's keys and command box cast (the lock pick 4004, trap
// finding 4005, first aid 4006, trap disarming 4007, the magic missile 2112, the fireball
// 2213, the stinking cloud 2304). Their art comes from ProjectileArt.

class DataPaths;

class DemoMagic {
public:
    explicit DemoMagic(const DataPaths& paths) : m_paths(paths) {}

    bool Write() const; // false, with a message, at the first file that cannot be written

private:
    bool WriteProjectileSets() const;
    bool WriteExplosions() const;
    bool WriteSpells() const;

    const DataPaths& m_paths;
};
