#pragma once
// The pickers of entity queries: each reads only selected entries, in slot order, and
// leaves out unchanged when it finds nothing. Ties go to the lowest slot, except for the
// farthest, where they go to the highest.

#include "Source/entities/entity_ptr_list.h"

class EntityRef;
class Vector;

bool GetFirstCandidate(const EntityPtrList& list, Entity*& out);
bool PickRandomCandidate(const EntityPtrList& list, Entity*& out); // any selected, evenly
bool FindNearestCandidate(const Vector& point, const EntityPtrList& list, Entity*& out);
bool FindFarthestCandidate(const Vector& point, const EntityPtrList& list, Entity*& out);
// Among selected soldiers with a creature. Strength: strongest from -1, weakest from 2000;
// hit-point share: healthiest from -1, most wounded from 2000 (values past the start never win).
bool PickStrongest(const EntityPtrList& list, Entity*& out);
bool PickWeakest(const EntityPtrList& list, Entity*& out);
bool PickHealthiest(const EntityPtrList& list, Entity*& out);
bool PickMostWounded(const EntityPtrList& list, Entity*& out);
bool PickLargest(const EntityPtrList& list, Entity*& out); // by collision radius
bool FindMatchingEntity(const EntityRef& ref, const EntityPtrList& list, Entity*& out);
int CountSelected(const EntityPtrList& list);
bool AnyMatchingSelected(const EntityPtrList& list, const EntityRef& ref);
bool AverageSelectedPosition(const EntityPtrList& list, Vector& out);
// The distance from the selection's mean position to the farthest entry's edge.
bool SelectionRadius(const EntityPtrList& list, float& out);
