#pragma once
// The cache of loaded graphics by name: whoever asks for a file by name gets the one
// shared Graphic. Names are compared in their data-file form (DataFileName), so case and
// backslashes do not matter. The manager owns every graphic it hands out.

#include "Library/core/mem_mgr.h"

#include <cstdint>

class Graphic;

class GraphicMgr {
public:
    GraphicMgr(); // also sets the encoding key for the video layout
    virtual ~GraphicMgr();
    GraphicMgr(const GraphicMgr&) = delete;
    GraphicMgr& operator=(const GraphicMgr&) = delete;

    // The cached graphic of the name, else loaded (from the general archive when the game
    // uses it) and cached; null for an empty name or a failed load, which caches nothing.
    Graphic* GetGraphic(const char* name);
    Graphic* GetGraphicFromFile(const char* name, bool encode); // from disk only

    Graphic* Find(const char* name) const;
    int IndexOf(const char* name) const; // slot, or -1
    Graphic* Add(); // a new empty graphic in the lowest free slot, carrying its slot
    void Release(const char* name);
    void Remove(Graphic* graphic); // nothing when it is not cached
    bool Contains(const Graphic* graphic) const;
    bool ContainsName(const char* name) const { return IndexOf(name) >= 0; }
    int Count() const;
    Graphic* GetAt(int slot) const; // null for an empty or unknown slot
    // Deletes every graphic. Whoever keeps a graphic across a Clear compares the
    // generation it was handed out in before touching it again: a new graphic may since
    // have taken the freed address.
    void Clear();
    uint32_t GetGeneration() const { return m_generation; }

    void SetEncode(bool encode) { m_encode = encode; } // loads keep run-length rows
    bool GetEncode() const { return m_encode; }

private:
    template <class Load> Graphic* Fetch(const char* name, Load load);

    NullItemMemMgr<Graphic> m_pool;
    bool m_encode = false;
    uint32_t m_generation = 0;
};

// The game's cache, made by the game's set-up and emptied around every map change.
extern GraphicMgr* g_graphicMgr;
