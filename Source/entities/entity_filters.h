#pragma once
// The filters of entity queries. A query selects a whole pool (the candidate flag on every
// used entry), deselects what does not qualify through a chain of these, and lets a picker
// choose among what stays. Each filter looks only at selected entries and never selects.

#include "Source/entities/entity_ptr_list.h"

class EntityRef;
class TileMap;
class Vector;

void SelectAll(const EntityPtrList& list);

void DeselectLivingSoldiers(const EntityPtrList& list);
void DeselectDeadSoldiers(const EntityPtrList& list);
void DeselectHidden(const EntityPtrList& list);
void DeselectFlag200(const EntityPtrList& list); // left out of visible-only searches
// Entries on cells creatures cannot stand on; without a map, or off it, nothing is passable.
void DeselectOnHiddenCells(const TileMap* map, const EntityPtrList& list);
void DeselectOutOfSightRange(const Entity& viewer, const EntityPtrList& list);
// Entries whose circle does not overlap the object's widened by the radius.
void DeselectOutsideRadius(const Entity& object, float radius, const EntityPtrList& list);
// Entries whose circle, widened by the margin, does not hold the point.
void DeselectOutsideArea(const Vector& point, float margin, const EntityPtrList& list);
void DeselectNotVisibleTo(const Entity& viewer, const TileMap* map, const EntityPtrList& list);
void DeselectSameSide(const EntityRef& ref, const EntityPtrList& list);
void DeselectOpposedSide(const EntityRef& ref, const EntityPtrList& list);
void DeselectNeutral(const EntityPtrList& list);
void DeselectNotAwayOrNone(const EntityPtrList& list); // life states other than 4, 5, 255
void DeselectNotMatchingRef(const EntityRef& ref, const EntityPtrList& list);
void DeselectEntity(Entity* entity); // null does nothing

// Keeps and counts the entries whose circle, widened by the margin, the segment from-to
// touches between its two ends; deselects the others.
int CountEntitiesOnLine(const Vector& from, const Vector& to, float margin,
                        const EntityPtrList& list);
// Keeps and counts the entries whose position lies in the sector at the origin facing the
// heading (a direction), size long and angle (radians) wide; deselects the others.
int DeselectOutsideShape(const Vector& origin, const Vector& heading, float size, double angle,
                         const EntityPtrList& list);
