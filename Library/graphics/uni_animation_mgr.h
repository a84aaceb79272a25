#pragma once
// The pool that loads each ".ani" once and hands the same Animation to every player that
// asks for it by path. Paths are compared in their data-file form (DataFileName).

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"

#include <cstdint>
#include <set>

class Animation;

class UniAnimationMgr {
public:
    UniAnimationMgr();
    virtual ~UniAnimationMgr(); // deletes every pooled animation
    UniAnimationMgr(const UniAnimationMgr&) = delete;
    UniAnimationMgr& operator=(const UniAnimationMgr&) = delete;

    // The pooled animation of the path, else loaded into the pool (from the animation
    // archive when the game uses it); null when it cannot be loaded. A path that could not
    // be loaded is not tried again, nor reported again, until Clear.
    Animation* GetAnimation(const char* path);
    Animation* GetAnimationFromFile(const char* path); // the same, from disk only

    int Find(const char* path) const; // slot, or -1
    Animation* FindAnimation(const char* path) const;
    int IndexOf(const Animation* animation) const; // slot, or -1

    // Builds every subdirectory of directory whose name + ".ani" is not pooled yet from its
    // bitmaps (Animation::CreateFromBitmaps); false at the first that fails.
    bool BuildFromDirectories(const char* directory, int sequenceCount, int keyChoice);
    // Loads every "*.ani" of the directory in name order; false at the first failure or
    // when there is none. sequenceCount: that of the last file's animation.
    bool LoadAll(const char* directory, int& sequenceCount);
    bool SaveAll() const; // every one, whatever fails before it; false when any failed

    // Deletes every pooled animation and forgets the paths that could not be loaded.
    // Players that still point to one see no animation from then on (they compare
    // GetGeneration with the one they took it at).
    void Clear();
    uint32_t GetGeneration() const { return m_generation; }

    int CountUsed() const;
    int GetSlotCount() const { return m_pool.GetCount(); } // every used slot lies below it
    bool IsSlotUsed(int slot) const { return m_pool.IsUsed(slot); }
    Animation* GetSlot(int slot) const { return m_pool.Get(slot); } // null when unused

private:
    Animation* Fetch(const char* path, bool (Animation::*load)(const char*));
    Animation* Pool(Animation* animation, const char* path); // takes ownership

    NullItemMemMgr<Animation> m_pool;
    std::set<Stringc> m_unloadable; // data-file names: a player asks again every frame
    uint32_t m_generation = 0;
};

// The game's pool, made by the game's set-up and emptied around every map change.
extern UniAnimationMgr* g_uniAnimationMgr;
