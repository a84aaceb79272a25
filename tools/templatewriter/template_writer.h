#pragma once
// Entity templates for content: an entity of the type is filled in memory and its record
// stored alone where the game loads it by name (Entity::LoadByName). Nothing in the game
// writes templates, so the demo world and the tests write theirs with this.

#include "Library/core/stringc.h"

#include <functional>

class Entity;

class TemplateWriter {
public:
    using Fill = std::function<void(Entity&)>;

    // A blank entity of the type, named, filled by fill, saved to the type's entity
    // directory (of g_dataPaths) + "/" + name + ".dat" through a temporary renamed into
    // place. False, with a message, for a type without a pool or a directory, or a failed
    // write.
    static bool Write(int type, const Stringc& name, const Fill& fill);
    // The entity's record as its type's template of its template name.
    static bool WriteEntity(const Entity& entity);
    static Stringc PathOf(int type, const Stringc& name); // "" without data paths or directory
};
