#pragma once
// The demo map's entities: the templates of its gate, its torch and the town of Millbrook,
// and the entity part of the demo region placed from them: the gate across the gap in the
// wall, a torch burning beside it, a locked and trapped chest in the house's yard, a
// signpost whose information zone speaks of the pond, the road south to the second map at
// the foot of the map, the road east to the world map, the town, a scientist at work in the
// yard and a mad one among the trees far to the north-west, and by the gate a trader and an
// open crate that drops two items beside it; and the second map's road back north.

#include <cstdint>

class Entity;
class EntityMgr;
class PlacedEntityList;
class Stringc;
class Vector;

class DemoMapEntities {
public:
    static constexpr const char* kRoadEntry = "road";          // where each map's road arrives
    static constexpr const char* kEastRoadEntry = "east road"; // the meadow's and the world's
    static constexpr const char* kWorldName = "world";
    // The hostile one stands beyond the sight of anyone at the start or the gate, so that
    // nothing fights there unless the player goes looking for it.
    struct Spot {
        float x, y;
    };
    static constexpr Spot kHostileScientist{25.5f, 8.5f};
    static constexpr Spot kNeutralScientist{64.5f, 28.5f};
    // The brute waits in the meadow's south-west, out of sight of both roads and the sign.
    static constexpr Spot kBrute{15.5f, 80.5f};

    // The map object scripts of the gate, the chest and the pond's sign.
    bool WriteScripts(const Stringc& directory) const;

    // Into the entity directories of g_dataPaths; the pictures they show are MapEntityArt's.
    bool WriteTemplates() const;
    // Into the region's entity manager, the entities it places from templates listed in
    // placed; the gate's template must be written first.
    bool Place(EntityMgr& entities, PlacedEntityList& placed) const;
    void PlaceOnSecondMap(EntityMgr& entities) const;
    // A travel point whose zone is the rectangle, with the map object flags given.
    static void PlaceTravel(EntityMgr& entities, const char* name, float left, float top,
                            float right, float bottom, const Vector& at, const char* target,
                            const char* entry, uint32_t flags);
    // A discoverable town with the demo's town picture, found from the start or by a search
    // against the difficulty.
    static void FillTown(Entity& entity, const char* name, const char* text, bool found,
                         int32_t difficulty);
};
