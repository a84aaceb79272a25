#pragma once
// Fires the projectile set of a kind with one use of an ability: on the area map its
// projectiles fly in the current region; elsewhere the set is only read.
//
// Kinds and sets: 1 "arrow", 2 "rock", 3 "grenade", 4 "knife", 5 "spear", 6 "rocket",
// 7 "magic_missle_1", 8 "magic_missle_2", 9 "magic_missle_3", 10 "stinking_cloud",
// 11 "fireball".

class EntityMgr;
class LaunchedAbility;

class ProjectileLauncher {
public:
    static constexpr int kFirstKind = 1;
    static constexpr int kLastKind = 11;

    // The slot holding the current region's entity manager, read at every shot; it must
    // outlive the launcher.
    explicit ProjectileLauncher(EntityMgr* const& entities);
    ProjectileLauncher(const ProjectileLauncher&) = delete;
    ProjectileLauncher& operator=(const ProjectileLauncher&) = delete;
    virtual ~ProjectileLauncher() = default;

    // False for a kind outside 1 to 11 and when the set cannot be read or launched.
    bool Fire(int kind, const LaunchedAbility& ability);
    static const char* GetKindName(int kind); // null outside 1 to 11

private:
    EntityMgr* const& m_entities;
};

// Made by the game's set-up.
extern ProjectileLauncher* g_projectileLauncher;
