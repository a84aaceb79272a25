#include "Source/creatures/explosion_definition.h"

#include "Library/core/stream.h"
#include "Library/files/stored_name.h"

namespace {

// The fields in file order, each through the one operation of the direction.
template <class Definition, class Value, class Text, class Tint>
bool Visit(Definition& d, Value value, Text text, Tint tint) {
    return value(d.kind) && value(d.mode) && value(d.ringFactor) && value(d.cloudFactor) &&
           value(d.ringCount) && value(d.cloudCount) && value(d.repeats) &&
           text(d.centreAnimation) && text(d.projectileAnimation) && value(d.heightSpread) &&
           text(d.cloudAnimation) && value(d.cloudLoops) && text(d.cloudEndAnimation) &&
           value(d.cloudWait) && text(d.sound) && text(d.text2) && text(d.text3) &&
           value(d.timer) && tint(d.tints[0]) && tint(d.tints[1]) && tint(d.tints[2]);
}

} // namespace

bool ExplosionDefinition::Read(Stream& stream) {
    ExplosionDefinition read;
    const bool whole = Visit(
        read, [&](auto& field) { return stream.ReadValue(field); },
        [&](Stringc& text) { return text.Read(stream); },
        [&](Tint& tint) { return stream.ReadValue(tint.enabled) && tint.colour.Read(stream); });
    // The art and the sound are files of their folders.
    if (!whole || !StoredName::Check(read.centreAnimation) ||
        !StoredName::Check(read.projectileAnimation) || !StoredName::Check(read.cloudAnimation) ||
        !StoredName::Check(read.cloudEndAnimation) || !StoredName::Check(read.sound))
        return false;
    *this = read;
    return true;
}

bool ExplosionDefinition::Write(Stream& stream) const {
    return Visit(
        *this, [&](const auto& field) { return stream.WriteValue(field); },
        [&](const Stringc& text) { return text.Write(stream); },
        [&](const Tint& tint) {
            return stream.WriteValue(tint.enabled) && tint.colour.Write(stream);
        });
}
