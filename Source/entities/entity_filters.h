#pragma once
// The filters of entity queries. A query selects a whole pool (the candidate flag on every
// used entry), deselects what does not qualify through a chain of these, and lets a picker
// choose among what stays. Each filter looks only at selected entries and never selects.

#include "Source/entities/entity_ptr_list.h"

#include <cstdint>

class ContainerEntity;
class EntityRef;
class GatheredEntityList;
class Stringc;
class TileMap;
class Vector;

void SelectAll(const EntityPtrList& list);
void SelectAllItems(const ContainerEntity& inventory); // every item it holds

void DeselectLivingSoldiers(const EntityPtrList& list);
void DeselectDeadSoldiers(const EntityPtrList& list);
void DeselectHidden(const EntityPtrList& list);
void DeselectFlag200(const EntityPtrList& list); // left out of visible-only searches
// Entries on cells creatures cannot stand on; without a map, or off it, nothing is passable.
void DeselectOnHiddenCells(const TileMap* map, const EntityPtrList& list);
// The tile at the integer parts of its position is passable; never without a map.
bool IsOnPassableCell(const TileMap* map, const Entity& entity);
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
// Entries that do not match a pattern of the seven codes (side, life state, match 1-5).
void DeselectNotMatchingFields(uint32_t side, uint32_t lifeState, uint32_t match1, uint32_t match2,
                               uint32_t match3, uint32_t match4, uint32_t match5,
                               const EntityPtrList& list);
void DeselectNotMatchingName(const Stringc& name, const EntityPtrList& list);
void DeselectInList(const EntityPtrList& list, const EntityPtrList& other);
// Entries whose centre lies within radius - their own radius of the point.
void DeselectInsideCircle(const Vector& point, float radius, const EntityPtrList& list);
void DeselectEntity(Entity* entity); // null does nothing
// Adds every selected entry the target does not hold yet; true when any entry was selected.
bool AppendSelected(const EntityPtrList& list, GatheredEntityList& target);

// The entity's circle, widened by the margin, is touched by the segment from from along
// direction, between its two ends.
bool SegmentTouches(const Vector& from, const Vector& direction, float margin,
                    const Entity& entity);
// Keeps and counts the entries whose circle, widened by the margin, the segment from-to
// touches between its two ends; deselects the others.
int CountEntitiesOnLine(const Vector& from, const Vector& to, float margin,
                        const EntityPtrList& list);
// Keeps and counts the entries whose position lies in the sector at the origin facing the
// heading (a direction), size long and angle (radians) wide; deselects the others.
int DeselectOutsideShape(const Vector& origin, const Vector& heading, float size, double angle,
                         const EntityPtrList& list);
// Keeps and counts the entries whose circle, widened by the margin, holds the point and
// that the map's line from the point reaches unblocked; deselects the others.
int CountNearWithClearLine(const TileMap& map, const Vector& point, float margin,
                           const EntityPtrList& list);
