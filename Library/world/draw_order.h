#pragma once

#include <map>
#include <vector>

class WorldObject;

// An index of one of the tile map's draw lists by key, equal keys in arrival order as the
// list holds them, so that an insertion finds its place without walking past the objects
// between: an explosion's fragments crossing its clouds would cost their product.
// Only a list whose keys are all numbers is in order; one that takes a key that is not
// drops its index until it is empty again.
class DrawOrder {
public:
    // Files an object about to go into the list with the key; returns the object it goes
    // after (null: first, or the list is not indexed).
    WorldObject* Add(WorldObject& object, double key);
    // After it left the list; the list's head tells whether it is empty now.
    void Remove(const WorldObject& object, const WorldObject* head);
    void Clear(); // the list was emptied: indexed again

private:
    using Objects = std::multimap<double, WorldObject*>;
    Objects m_objects;                       // insertion keeps arrival order
    std::vector<Objects::node_type> m_spare; // an object's step costs no allocation
    bool m_indexed = true;
};
