#pragma once

#include <array>

class WorldObject;

// Hands out the ids (0-65534) of placed objects and forwards messages to an object by id.
// A freed id is handed out again first, which keeps registration near the search start.
class ObjectDispatcher {
public:
    static constexpr int kIdCount = 65535;

    ObjectDispatcher() = default;
    ObjectDispatcher(const ObjectDispatcher&) = delete;
    ObjectDispatcher& operator=(const ObjectDispatcher&) = delete;

    int Register(WorldObject* object);               // the new id, or -1 when every id is taken
    void Unregister(int id);                         // an id outside 0-65534 is ignored
    int UnregisterObject(const WorldObject* object); // the id it held, or -1
    WorldObject* GetObject(int id) const;            // null for a free or invalid id
    // HandleMessage (b, c, d, a) on the object under id; nothing for a free or invalid id.
    void Send(int id, int a, int b, int c, int d) const;
    void Clear(); // frees every id

private:
    // The id holding the pointer (null: a free id), or -1. The search runs outward from the
    // hint, alternately up and down, then over the ids the downward run did not reach;
    // every id is looked at once.
    int Find(const WorldObject* object) const;

    std::array<WorldObject*, kIdCount> m_objects{};
    int m_hint = 0; // where the next search starts, 0 to kIdCount
};

extern ObjectDispatcher g_objectDispatcher;
