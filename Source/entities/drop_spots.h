#pragma once
// Where containers put the items they take in and drop: a free spot near a point, which
// the placement search of creatures finds and installs. Without one, items stay where
// they are.

class Vector;

class DropSpots {
public:
    virtual ~DropSpots() = default;
    // A passable cell the circle (point, radius) touches, chosen at random; false when none.
    virtual bool FindDropSpot(const Vector& point, float radius, Vector& out) const = 0;
};

const DropSpots* GetDropSpots(); // null until installed
void SetDropSpots(const DropSpots* spots);
