#pragma once
// An entity as movement sees it: a circle on the map plane and, for a soldier, the vehicle
// it steers. The entity classes implement it; tests fake it.

class Vector;
class Vehicle;

class SteeringEntity {
public:
    virtual ~SteeringEntity() = default;
    virtual const Vector& GetPosition() const = 0;
    virtual float GetRadius() const = 0;
    virtual const Vehicle* GetVehicle() const = 0; // a soldier's; null for other entities
};
