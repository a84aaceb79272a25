#pragma once
// A two-state entity that owns a door map object: its zone, tile patches, blocked cells,
// lock and script. A use goes to the map object, which switches at once; the entity's own
// change orders play its animation and, at rest, switch the map object to match.
//
// Record: the two-state entity's, then the map object's. Placement (the region
// definition): the map object's record, its position the door's, then u8 1 open, 0 closed.

#include "Source/entities/binary_entity.h"
#include "Source/entities/door_map_object.h"

#include <memory>

class DoorEntity : public BinaryEntity {
public:
    DoorEntity();
    ~DoorEntity() override;

    void Init() override;
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    // Closing past half way onto a living soldier turns it back to opening.
    bool Update(uint32_t frameMs) override;
    // In play only the zone of a door under the mouse, in green; in the map editor its zone,
    // cells and label.
    bool Draw(Screen& screen) override;
    void OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) override; // use: p3 the user
    void CheckMouseOver() override;
    bool HitTest(int x, int y) const override;
    bool IsIdle() override;

    bool LoadPlacement(Stream& stream);
    bool SavePlacement(Stream& stream);

    DoorMapObject& GetMapObject() { return *m_mapObject; }

private:
    std::unique_ptr<DoorMapObject> m_mapObject;
};
