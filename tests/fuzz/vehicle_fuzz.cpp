// A vehicle's parameter record: any bytes read without a fault, a record that reads leaves
// finite parameters, and what reads writes back as it was read.
#include "Library/files/data_paths.h"
#include "Library/world/steering_entity.h"
#include "Library/world/steering_world.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle.h"
#include "tests/fuzz/fuzz_seeds.h"
#include "tests/fuzz/fuzz_stream.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Nothing around the vehicle: reading its record asks nothing of the world.
class Nobody : public SteeringEntity, public SteeringWorld {
public:
    const Vector& GetPosition() const override { return m_position; }
    float GetRadius() const override { return 0.5f; }
    const Vehicle* GetVehicle() const override { return nullptr; }
    bool GetPoolInArea(const Vector&, float, std::vector<SteeringEntity*>&) override {
        return false;
    }
    bool CanStandAt(SteeringEntity&, const Vector&) override { return false; }
    bool IsPlaceOccupied(SteeringEntity&, const Vector&) override { return false; }
    bool PlanPathToPoint(SteeringEntity&, const Vector&) override { return false; }
    bool PlanPathToEntity(SteeringEntity&, SteeringEntity&, float) override { return false; }
    void StoreSoldierAnchor(SteeringEntity&) override {}

private:
    Vector m_position;
};

struct Scene {
    DataPaths paths;
    TileMap map{paths, nullptr};
    Nobody nobody;
    Vehicle vehicle{nobody, map, nobody};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Scene scene;
    FuzzStream readable(data, size);
    if (scene.vehicle.Read(readable)) {
        for (float value : {scene.vehicle.GetRadius(), scene.vehicle.GetMass(),
                            scene.vehicle.GetMaxForce(), scene.vehicle.GetMaxSpeed()})
            if (!std::isfinite(value))
                std::abort();
        const std::string stored = StoredBytes(scene.vehicle);
        if (stored.size() > size || std::memcmp(stored.data(), data, stored.size()) != 0)
            std::abort();
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    Scene scene;
    const std::string defaults = StoredBytes(scene.vehicle);
    scene.vehicle.SetParameters(0.75f, 2.0f, 8.0f, 3.5f);
    return {defaults, StoredBytes(scene.vehicle)};
}
