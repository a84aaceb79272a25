#pragma once
// Movement on small maps drawn as text ('#' a cell that is not walkable, any other
// character a walkable one), with stand-ins for what the entities give it: the nearest
// open cell of the placement code, creatures as circles, and a world of them that plans
// with a real path finder and counts what it is asked.

#include "Library/core/vector.h"
#include "Library/world/open_cell_finder.h"
#include "Library/world/path_finder.h"
#include "Library/world/steering_entity.h"
#include "Library/world/steering_world.h"
#include "Library/world/vehicle.h"
#include "Library/world/waypoints.h"
#include "tile_map_support.h"

#include <functional>
#include <string>
#include <vector>

class VehicleController;

namespace testsupport {

// The point itself on a walkable cell, else the nearest walkable centre of its eight
// neighbours.
class NearestOpenCell : public OpenCellFinder {
public:
    explicit NearestOpenCell(const TileMap& map) : m_map(map) {}
    bool FindNearestOpenCell(const Vector& point, Vector& out) const override;

private:
    const TileMap& m_map;
};

// A creature as a circle; with a vehicle it stands where its vehicle is.
class FakeCreature : public SteeringEntity {
public:
    explicit FakeCreature(const Vector& position = Vector(), float radius = 0.5f)
        : m_position(position), m_radius(radius) {}
    const Vector& GetPosition() const override {
        return m_vehicle ? m_vehicle->GetPosition() : m_position;
    }
    float GetRadius() const override { return m_radius; }
    const Vehicle* GetVehicle() const override { return m_vehicle; }
    void SetVehicle(const Vehicle* vehicle) { m_vehicle = vehicle; }

private:
    Vector m_position;
    float m_radius;
    const Vehicle* m_vehicle = nullptr;
};

// The soldiers in play, and plans made by the path finder into one creature's path, cut
// at the first blocked waypoint. Without a path finder every plan fails.
class FakeWorld : public SteeringWorld {
public:
    bool GetPoolInArea(const Vector& centre, float distance,
                       std::vector<SteeringEntity*>& selected) override;
    bool CanStandAt(SteeringEntity&, const Vector&) override { return true; }
    bool IsPlaceOccupied(SteeringEntity&, const Vector&) override { return occupied; }
    bool PlanPathToPoint(SteeringEntity& creature, const Vector& goal) override;
    bool PlanPathToEntity(SteeringEntity& creature, SteeringEntity& target, float) override {
        return PlanPathToPoint(creature, target.GetPosition());
    }
    void StoreSoldierAnchor(SteeringEntity&) override { ++anchorStores; }

    std::vector<SteeringEntity*> soldiers;
    bool occupied = false;
    PathFinder* finder = nullptr;
    const TileMap* map = nullptr;
    Waypoints* path = nullptr;
    int plans = 0;
    int anchorStores = 0;
};

// A map drawn from text, and a creature of radius 0.5 on it whose vehicle plans through
// the fake world.
class MovementMap : public MapDataRoot {
protected:
    MovementMap();
    void Draw(const std::vector<std::string>& rows);
    // The creature's vehicle, moving up to speed cells a second, at the point.
    void Place(const Vector& point, float speed = 3.0f);
    template <class Behaviour> Behaviour& Add() {
        return *static_cast<Behaviour*>(m_vehicle.AddBehaviour(Behaviour::kKind));
    }
    // Frames of 33 ms, the controller's update first when there is one, until done() or
    // the frame limit; the frames run.
    int Run(int frames, const std::function<bool()>& done, VehicleController* controller = nullptr);

    NearestOpenCell m_openCells{m_map};
    PathFinder m_finder{m_map, m_openCells};
    FakeCreature m_creature;
    FakeWorld m_world;
    Waypoints m_path;
    Vehicle m_vehicle{m_creature, m_map, m_world};
};

} // namespace testsupport
