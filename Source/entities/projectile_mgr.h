#pragma once
// A projectile set: the projectiles one use launches together, such as three magic
// missiles fanned out, kept as one ".dat" file under the projectile set directory. Read for
// play, each record becomes a live projectile of the entity manager, launched with the use;
// read otherwise, the records stay in the set's own slots, to be edited and written.
//
// File: i32 value (kept, not interpreted), i32 count, then count projectile records.

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"

#include <cstdint>

class EntityMgr;
class LaunchedAbility;
class ProjectileEntity;
class Stream;

class ProjectileMgr {
public:
    // live: the manager whose projectiles the records become, with the use they fly
    // (both must outlive the set); null: the records stay in the set.
    explicit ProjectileMgr(EntityMgr* live = nullptr, const LaunchedAbility* ability = nullptr);
    ProjectileMgr(const ProjectileMgr&) = delete;
    ProjectileMgr& operator=(const ProjectileMgr&) = delete;
    virtual ~ProjectileMgr();

    // The projectile set directory + "/" + name (extension dropped) + ".dat", from the
    // archive or the loose file.
    bool Load(const char* name);
    // Empties the set first. The first record that fails ends the read with false; live
    // projectiles launched before it fly on.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    void AddRecord(const ProjectileEntity& record); // a copy set up from it
    void Clear() { m_records.FreeAll(); }

    int32_t GetValue() const { return m_value; }
    void SetValue(int32_t value) { m_value = value; }
    int CountRecords() const { return m_records.CountUsed(); }

private:
    bool ReadLive(Stream& stream);
    bool ReadRecord(Stream& stream);

    EntityMgr* m_live;
    const LaunchedAbility* m_ability;
    int32_t m_value = 0;
    MemMgr<ProjectileEntity> m_records;
};
