#pragma once
// Distance tests between circles and points in the map plane (z is ignored). A circle is
// anything with GetPosition () -> Vector and GetRadius () -> float, such as an entity.
// Every comparison is strict and on squared distances, so touching circles neither
// overlap nor lie apart.

#include "Library/core/vector.h"

#include <cmath>

inline float DistanceSquared2d(const Vector& a, const Vector& b) {
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    return dx * dx + dy * dy;
}

template <class A, class B> bool CirclesOverlapMargin(const A& a, float margin, const B& b) {
    const float reach = a.GetRadius() + b.GetRadius() + margin;
    return DistanceSquared2d(a.GetPosition(), b.GetPosition()) < reach * reach;
}

// The margin plus 1.25.
template <class A, class B> bool CirclesOverlapLoose(const A& a, float margin, const B& b) {
    return CirclesOverlapMargin(a, margin + 1.25f, b);
}

// 1 when the circles are farther apart than the margin, else 0.
template <class A, class B> int CirclesOverlapMarginAlt(const A& a, float margin, const B& b) {
    const float reach = a.GetRadius() + b.GetRadius() + margin;
    return DistanceSquared2d(a.GetPosition(), b.GetPosition()) > reach * reach ? 1 : 0;
}

template <class A> bool CircleNearPoint(const A& a, float margin, const Vector& point) {
    const float reach = a.GetRadius() + margin;
    return DistanceSquared2d(a.GetPosition(), point) < reach * reach;
}

template <class A> bool CircleNearPointLoose(const A& a, float margin, const Vector& point) {
    return CircleNearPoint(a, margin + 1.25f, point);
}

template <class A> bool PointNearCircle(const Vector& point, float margin, const A& a) {
    return CircleNearPoint(a, margin, point);
}

template <class A> bool CircleFarFromPoint(const A& a, float margin, const Vector& point) {
    const float reach = a.GetRadius() + margin;
    return DistanceSquared2d(a.GetPosition(), point) > reach * reach;
}

inline bool WithinDistance(const Vector& a, float distance, const Vector& b) {
    return DistanceSquared2d(a, b) < distance * distance;
}

inline bool WithinDistanceLoose(const Vector& a, float distance, const Vector& b) {
    return WithinDistance(a, distance + 1.25f, b);
}

inline bool PointsApart(const Vector& a, float distance, const Vector& b) {
    return DistanceSquared2d(a, b) > distance * distance;
}

// Within d2 - d1 of each other.
inline bool WithinDistanceDifference(const Vector& a, float d1, const Vector& b, float d2) {
    const float reach = d2 - d1;
    return DistanceSquared2d(a, b) < reach * reach;
}

// Within distance - radius of the circle's centre.
template <class A> bool PointWithinCircleInner(const A& a, const Vector& point, float distance) {
    const float reach = distance - a.GetRadius();
    return DistanceSquared2d(a.GetPosition(), point) < reach * reach;
}

// The distance between the circles' edges; 0 when they overlap.
template <class A, class B> float CircleGap(const A& a, const B& b) {
    const float gap = std::sqrt(DistanceSquared2d(a.GetPosition(), b.GetPosition())) -
                      a.GetRadius() - b.GetRadius();
    return gap < 0.0f ? 0.0f : gap;
}
