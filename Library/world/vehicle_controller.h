#pragma once
// Turns a soldier's movement orders into a set of steering behaviours on its vehicle with
// movement flags (MovementFlag), applies the flags on the final approach to the goal, and
// drops back to idle once the movement is over.

#include <cstdint>

class SteeringEntity;
class Vector;
class Vehicle;
class Waypoints;

class VehicleController {
public:
    enum State : int {
        kGoTo,
        kGoToAlt,
        kUnused,
        kPursue,
        kFlee,
        kFormation,
        kIdle,
    };
    static constexpr uint32_t kInitialFlags = 128;

    // Both must outlive the controller.
    VehicleController(SteeringEntity& owner, Vehicle& vehicle)
        : m_owner(owner), m_vehicle(vehicle) {}
    VehicleController(const VehicleController&) = delete;
    VehicleController& operator=(const VehicleController&) = delete;

    void Init() { m_flags = kInitialFlags; }

    // Each order replaces the vehicle's behaviours at once. The waypoints belong to the
    // soldier and must outlive the movement.
    void GoTo(const Vector& point, Waypoints& path);    // stops on the goal exactly
    void GoToAlt(const Vector& point, Waypoints& path); // the goal within the vehicle's radius
    // To within the approach distance of the target, the target itself not avoided.
    void Pursue(SteeringEntity& target, float approach, uint8_t flagByte, Waypoints& path);
    // An order kept for its place among the others: it changes nothing.
    void Order3(SteeringEntity& /*target*/, SteeringEntity& /*soldier*/) {}
    // Away from the threat, evading it when it is a soldier; wanders on while it lasts.
    void Flee(const SteeringEntity& threat);
    // Keeps to the offset beside a leading soldier: x along its side, y along its heading.
    void Formation(const SteeringEntity& leader, float offsetX, float offsetY);

    // True when idle, or when the path of a go or pursue order has stopped; flee and
    // formation never end by themselves.
    bool IsFinished() const;
    bool IsOnFinalApproach() const; // on the goal waypoint within its arrival radius
    bool IsWithinApproach() const;  // of a go or pursue order's goal
    // Stops the vehicle, drops its behaviours and anchors the soldier where it stands.
    void SetIdle();
    void Update();

    State GetState() const { return m_state; }
    uint32_t GetFlags() const { return m_flags; }

private:
    bool FollowsPath() const {
        return m_state == kGoTo || m_state == kGoToAlt || m_state == kPursue;
    }
    void StartPath(State state, uint32_t flags);

    SteeringEntity& m_owner;
    Vehicle& m_vehicle;
    State m_state = kIdle;
    uint32_t m_flags = 0;
};
