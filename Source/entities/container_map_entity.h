#pragma once
// A chest standing on the map: a container with a container map object that gives it a zone,
// a lock, a trap, sounds and a script. A use goes to the map object; a chest it leaves open
// shows the user's inventory beside it.
//
// Record: the container's, then the map object's. Placement (the region definition): the
// map object's record alone, its position the chest's.

#include "Source/entities/container_entity.h"
#include "Source/entities/container_map_object.h"

#include <memory>

class ContainerMapEntity : public ContainerEntity {
public:
    ContainerMapEntity();
    ~ContainerMapEntity() override;

    void Init() override;
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    // The zone of a chest under the mouse, in green; in the map editor its zone and label.
    bool Draw(Screen& screen) override;
    void OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) override; // use: p3 the user
    void CheckMouseOver() override;
    bool HitTest(int x, int y) const override;

    bool LoadPlacement(Stream& stream);
    bool SavePlacement(Stream& stream);

    ContainerMapObject& GetMapObject() { return *m_mapObject; }

private:
    std::unique_ptr<ContainerMapObject> m_mapObject;
};
