#pragma once
// An invisible zone on the map: a travel exit, an information spot or a trap. Its map object
// holds the zone, the kind, the trap and the script; the trigger gives it a place in the
// entity pools, picking and drawing. Triggers are never on the tile map's lists.
//
// Record: the entity record, then the map object's. Placement (the region definition): the
// map object's record alone, its position the trigger's.

#include "Source/entities/entity.h"
#include "Source/entities/map_object.h"

#include <memory>

class TriggerEntity : public Entity {
public:
    TriggerEntity();
    ~TriggerEntity() override;

    void Init() override;
    bool Load(Stream& stream) override; // and LoadPlacement: names an unnamed trigger by kind
    bool Save(Stream& stream) const override;
    bool UpdateScreenPos(Screen& screen) override;
    // In play the zone of a travel or info point under the mouse in green, of a found and
    // armed trap in red; on the world map the travel symbol; in the map editor all of it.
    bool Draw(Screen& screen) override;
    // Travel and info points under the mouse; traps only found and armed.
    void CheckMouseOver() override;
    // The zone in play; in the map editor within one unit of the anchor.
    bool HitTest(int x, int y) const override;

    bool LoadPlacement(Stream& stream);
    bool SavePlacement(Stream& stream);

    MapObject& GetMapObject() { return *m_mapObject; }
    const MapObject& GetMapObject() const { return *m_mapObject; }

private:
    bool IsFoundArmedTrap() const;
    // An empty display name becomes the map object's kind name, whichever form the trigger
    // came from, so that a placed one saved and read back keeps the same name.
    void NameAfterKind();

    std::unique_ptr<MapObject> m_mapObject;
};
