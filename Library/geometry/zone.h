#pragma once
// Areas of the map given by a convex polygon in world units, where map objects can be used
// or entered, with the edge queries that keep movement and sight out of them.

#include "Library/core/mem_mgr.h"
#include "Library/geometry/my_poly.h"

class MapView;
class Screen;
class Segment;

// Edge records of polygons, not owned: the pool is a list of pointers.
using EdgePool = NullItemMemMgr<const PolyEdge>;

class Zone {
public:
    Zone() = default;
    Zone(const Zone&) = delete;
    Zone& operator=(const Zone&) = delete;
    virtual ~Zone() = default;

    void ResetPolygon() { m_polygon.Free(); }
    bool IsValid() const { return m_polygon.GetCount() > 2; }
    const MyPoly& GetPolygon() const { return m_polygon; }

    // The used points in slot order become the vertices; no used point leaves the zone as
    // it was.
    void BuildPolygon(const MemMgr<Vector>& points);
    bool Contains(const Vector& point) const; // false below 3 vertices
    void Centre(Vector& out) const;           // mean of the vertices; out untouched when empty

    // The polygon's stream form; the edges are recomputed after reading.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
    void Draw(Screen& screen, const MapView& view) const { m_polygon.Draw(screen, view); }

    // The boundary point nearest to point (the first edge wins a tie); false when empty.
    bool NearestBoundaryPoint(const Vector& point, Vector& out) const;
    // The edge that the segment from-to crosses first, and the crossing as a fraction of
    // the segment (the first edge in ring order wins a tie). False when it crosses none;
    // distance is then the largest float.
    bool FirstCrossing(const Vector& from, const Vector& to, Segment& out, float& distance) const;
    bool SegmentClear(const Vector& from, const Vector& to) const; // false when empty
    // Adds every edge passing closer than radius to point, each record once. True when
    // the pool then holds any record, including those put there before.
    bool EdgesWithin(const Vector& point, float radius, EdgePool& pool) const;

private:
    // Whether the segment from-to crosses the edge strictly between its ends, and where.
    bool Crosses(int edge, const Vector& from, const Vector& to, float& t) const;

    MyPoly m_polygon;
};

// The corners of the rectangle of the given half-width around the segment, in ring order:
// from and to on the normal's side, then to and from on the other.
void MakeSegmentBox(const Vector& from, const Vector& to, float halfWidth, Vector& c1, Vector& c2,
                    Vector& c3, Vector& c4);

// The record whose edge passes nearest to point, strictly within radius (the lower slot wins
// a tie); false, out unchanged, when none does.
bool NearestEdgeWithin(const Vector& point, float radius, const EdgePool& pool,
                       const PolyEdge*& out);

// True when the pool holds any record.
bool HasEdges(const EdgePool& pool);
