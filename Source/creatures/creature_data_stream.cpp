// The creature record's stored form: one field order for reading and writing.
#include "Source/creatures/creature_data.h"

#include "Library/core/stream.h"
#include "Library/files/stored_name.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/spell_mgr.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

namespace {

class FieldReader {
public:
    explicit FieldReader(Stream& stream) : m_stream(stream) {}

    template <class T> bool operator()(T& field) {
        if constexpr (std::is_arithmetic_v<T>)
            return m_stream.ReadValue(field);
        else
            return field.Read(m_stream);
    }
    template <class T> bool operator()(std::unique_ptr<T>& part) { return part->Load(m_stream); }

private:
    Stream& m_stream;
};

class FieldWriter {
public:
    explicit FieldWriter(Stream& stream) : m_stream(stream) {}

    template <class T> bool operator()(const T& field) {
        if constexpr (std::is_arithmetic_v<T>)
            return m_stream.WriteValue(field);
        else
            return field.Write(m_stream);
    }
    template <class T> bool operator()(const std::unique_ptr<T>& part) {
        return part->Save(m_stream);
    }

private:
    Stream& m_stream;
};

template <class Array, class Io> bool Each(Array& fields, Io& io) {
    for (auto& field : fields) {
        if (!io(field))
            return false;
    }
    return true;
}

} // namespace

template <class Self, class Io> bool CreatureData::Transfer(Self& self, Io& io) {
    bool ok = io(self.m_flags) && io(self.m_bodyType) && io(self.m_bodyTypeOverride) &&
              Each(self.m_colourMods, io) && io(self.m_colour) && Each(self.m_texts, io) &&
              Each(self.m_attributes, io) && io(self.m_level) && io(self.m_hitPoints) &&
              io(self.m_maxHitPoints);
    for (int which = kBase; ok && which <= kBonus; ++which) {
        ok = io(self.m_armourClass[which]) && io(self.m_carryWeight[which]) &&
             io(self.m_meleeDamage[which]) && io(self.m_healingRate[which]) &&
             io(self.m_rangedReach[which]) && io(self.m_throwReach[which]);
    }
    ok = ok && io(self.m_experience) && io(self.m_nextLevelExperience) &&
         io(self.m_killExperience) && io(self.m_spareValue);
    for (int which = kBase; ok && which <= kBonus; ++which) {
        for (int pair = 0; ok && pair < kGroupBCount; ++pair)
            ok = io(self.m_groupB[pair][which]);
    }
    return ok && Each(self.m_skillTags, io) && Each(self.m_scripts, io) &&
           io(self.m_dialogueStartLabel) && io(self.m_dialogueValue) && io(self.m_willTrade) &&
           io(self.m_deathVariableScope) && io(self.m_spellMgr) && io(self.m_inventory) &&
           io(self.m_effectMgr) && io(self.m_timer);
}

bool CreatureData::Load(Stream& stream) {
    CreatureData read(m_owner, m_self);
    FieldReader reader(stream);
    const auto contained = [](const Stringc& name) { return StoredName::Check(name); };
    if (!Transfer(read, reader) ||
        !std::all_of(std::begin(read.m_scripts), std::end(read.m_scripts), contained)) {
        read.m_inventory->ReleaseItems();
        return false;
    }
    m_inventory->ReleaseItems();
    *this = std::move(read);
    m_inventory->FinishLoading();
    return true;
}

bool CreatureData::Save(Stream& stream) const {
    FieldWriter writer(stream);
    return Transfer(*this, writer);
}
