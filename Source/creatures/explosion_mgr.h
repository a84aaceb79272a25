#pragma once
// The running explosions of the current region: made when a projectile explodes, run once a
// frame on the area map while the game is not paused, dropped with the region.
//
// Explosion types: 1 "fire_ring", 2 "green_gas_cloud".

#include "Library/core/mem_mgr.h"
#include "Source/creatures/explosion.h"

class EntityMgr;
class LaunchedAbility;
class MapView;
class Screen;
class Stringc;

class ExplosionMgr {
public:
    static constexpr int kCapacity = 10;

    // The slot holding the current region's entity manager, read at each use; it must
    // outlive the manager.
    explicit ExplosionMgr(EntityMgr* const& entities);
    ExplosionMgr(const ExplosionMgr&) = delete;
    ExplosionMgr& operator=(const ExplosionMgr&) = delete;
    virtual ~ExplosionMgr();

    // An explosion of the type takes a copy of the use; false, leaving none, for another
    // type or a definition that cannot be read.
    bool Create(int type, const LaunchedAbility& use);
    void Update(float frameSeconds);                      // a finished explosion frees its slot
    void Draw(Screen& screen, const MapView& view) const; // each area's outline
    // A region left behind takes its entities along: its explosions end untouched.
    void Clear() { m_explosions.FreeAll(); }
    int CountRunning() const { return m_explosions.CountUsed(); }
    const Explosion* GetRunning(int index) const; // the index-th running one, or null

    static bool TypeName(int type, Stringc& out);

private:
    EntityMgr* const& m_entities;
    MemMgr<Explosion> m_explosions;
};

// Made by the game's set-up.
extern ExplosionMgr* g_explosionMgr;
