#pragma once
// Where a path may start from a point: the placement code implements it for the path
// finder, tests fake it.

class Vector;

class OpenCellFinder {
public:
    virtual ~OpenCellFinder() = default;
    // The point itself when its cell is walkable, else the centre of the nearest walkable
    // cell among its eight neighbours; false when there is none.
    virtual bool FindNearestOpenCell(const Vector& point, Vector& out) const = 0;
};
