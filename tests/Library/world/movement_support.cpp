#include "movement_support.h"

#include "Library/geometry/circle_tests.h"
#include "Library/world/vehicle_controller.h"

namespace testsupport {

namespace {
constexpr uint32_t kGround[3] = {2, TileRecord::kWalkable, 0};
constexpr uint32_t kFrameMs = 33;
} // namespace

bool NearestOpenCell::FindNearestOpenCell(const Vector& point, Vector& out) const {
    return m_map.FindNearestWalkableCell(point, out);
}

bool FakeWorld::GetPoolInArea(const Vector& centre, float distance,
                              std::vector<SteeringEntity*>& selected) {
    selected.clear();
    for (SteeringEntity* soldier : soldiers)
        if (WithinDistance(centre, distance, soldier->GetPosition()))
            selected.push_back(soldier);
    return !selected.empty();
}

bool FakeWorld::PlanPathToPoint(SteeringEntity& creature, const Vector& goal) {
    ++plans;
    if (!finder || !finder->FindPath(creature.GetPosition(), goal, *path))
        return false;
    path->TruncateAtFirstBlocked(*map);
    return true;
}

MovementMap::MovementMap() {
    m_creature.SetVehicle(&m_vehicle);
    m_world.finder = &m_finder;
    m_world.map = &m_map;
    m_world.path = &m_path;
}

void MovementMap::Draw(const std::vector<std::string>& rows) {
    const auto width = static_cast<uint32_t>(rows[0].size());
    ASSERT_TRUE(ReadBytes(MapBytes(width, static_cast<uint32_t>(rows.size()), kGround)));
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(width); ++x)
            m_map.SetWalkable(x, y, rows[y][x] != '#');
}

void MovementMap::Place(const Vector& point, float speed) {
    m_vehicle.SetParameters(0.5f, 1.0f, 10.0f, speed);
    m_vehicle.SetPosition(point);
}

int MovementMap::Run(int frames, const std::function<bool()>& done, VehicleController* controller) {
    for (int frame = 1; frame <= frames; ++frame) {
        if (controller)
            controller->Update();
        m_vehicle.Update(kFrameMs);
        if (done())
            return frame;
    }
    return frames;
}

} // namespace testsupport
