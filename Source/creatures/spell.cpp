#include "Source/creatures/spell.h"

#include "Library/core/stream.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/files/stored_name.h"
#include "Library/world/game_mode.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kAbilityCapacity = 1;

// The header's fields in file order, each through the one operation of the direction.
template <class Header, class Value, class Text>
bool VisitHeader(Header& h, Value value, Text text) {
    bool done = value(h.valueA) && value(h.valueB) && text(h.name) && text(h.secondName) &&
                value(h.id) && value(h.byteA) && value(h.level) && value(h.offensive);
    for (auto& word : h.words)
        done = done && value(word);
    return done && text(h.animationSet) && text(h.text) && text(h.sound);
}

} // namespace

Spell::Spell() : m_abilities(kAbilityCapacity) {}

Spell::~Spell() = default;

void Spell::Reset() {
    FileObject::Clear();
    m_header = Header();
    m_effects.Clear();
    m_selected = nullptr;
    m_abilities.FreeAll();
    m_player.Release();
}

bool Spell::LoadAnimation(UniAnimationMgr& pool) {
    m_player.SetAnimationName(m_header.animationSet);
    return m_player.SetAnimation("misc_1", pool);
}

template <class Visit> void Spell::ForEachAbility(Visit visit) const {
    for (int slot = 0; slot < m_abilities.GetCount(); ++slot)
        if (m_abilities.IsUsed(slot))
            visit(*m_abilities.Get(slot));
}

bool Spell::Load(const char* name) {
    Stringc path;
    MemStream stream(kStreamReadBinary);
    if (!MakeDataFilePath(&DataPaths::GetSpellDir, name, ".dat", path) ||
        !LoadDataFile(path.c_str(), g_generalRes, stream))
        return false;
    if (!ReadFields(stream)) {
        std::fprintf(stderr, "%s: the spell cannot be read\n", path.c_str());
        return false;
    }
    SetFileName(DataFileName(path.c_str()));
    return true;
}

bool Spell::ReadFields(Stream& stream) {
    Header header;
    EffectList effects;
    uint32_t count = 0;
    if (!VisitHeader(
            header, [&](auto& field) { return stream.ReadValue(field); },
            [&](Stringc& text) { return text.Read(stream); }) ||
        !StoredName::Check(header.animationSet) || !StoredName::Check(header.sound) ||
        !effects.Load(stream) || !stream.ReadValue(count))
        return false;
    if (count > static_cast<uint32_t>(stream.Remaining() / SpellAbility::kMinStoredBytes)) {
        std::fprintf(stderr, "Spell %s: %u abilities cannot lie in the %ld bytes left\n",
                     header.name.c_str(), count, stream.Remaining());
        return false;
    }
    std::vector<std::unique_ptr<SpellAbility>> read;
    for (uint32_t index = 0; index < count; ++index) {
        read.push_back(std::make_unique<SpellAbility>());
        if (!read.back()->LoadEffects(stream))
            return false;
    }
    m_header = header;
    m_effects = effects;
    m_abilities.FreeAll();
    for (const std::unique_ptr<SpellAbility>& ability : read) {
        SpellAbility* kept = m_abilities.Alloc();
        *kept = *ability;
        kept->SetSpell(this);
    }
    SelectAbility(m_header.level);
    return true;
}

bool Spell::WriteFields(Stream& stream) const {
    bool written = VisitHeader(
                       m_header, [&](const auto& field) { return stream.WriteValue(field); },
                       [&](const Stringc& text) { return text.Write(stream); }) &&
                   m_effects.Save(stream) &&
                   stream.WriteValue(static_cast<uint32_t>(CountAbilities()));
    ForEachAbility(
        [&](const SpellAbility& ability) { written = written && ability.SaveEffects(stream); });
    return written;
}

void Spell::SelectAbility(int level) {
    SpellAbility* best = nullptr;
    int bestLevel = 0;
    ForEachAbility([&](const SpellAbility& ability) {
        if (ability.GetMinimumLevel() <= level && ability.GetMinimumLevel() >= bestLevel) {
            best = const_cast<SpellAbility*>(&ability);
            bestLevel = ability.GetMinimumLevel();
        }
    });
    if (best == nullptr)
        ForEachAbility([&](const SpellAbility& ability) {
            if (best == nullptr)
                best = const_cast<SpellAbility*>(&ability);
        });
    m_selected = best;
}

void Spell::AddAbility(const SpellAbility& ability) {
    SpellAbility* added = m_abilities.Alloc();
    *added = ability;
    added->SetSpell(this);
    m_selected = added;
}

bool Spell::InRange(Entity* caster, const Vector& casterPosition, Entity* target,
                    const Vector& targetPosition) const {
    return m_selected && m_selected->InRange(caster, casterPosition, target, targetPosition);
}

bool Spell::ApplyToTarget(Entity* caster, const Vector& casterPosition, Entity* target,
                          const Vector& targetPosition) {
    return m_selected && m_selected->ApplyToTarget(caster, casterPosition, target, targetPosition);
}

bool Spell::ApplyToPoint(Entity* caster, const Vector& casterPosition, Entity* target,
                         const Vector& targetPosition) {
    return m_selected && m_selected->ApplyToPoint(caster, casterPosition, target, targetPosition);
}

int Spell::GetCursorKind() const {
    return m_selected ? m_selected->GetCursorKind() : 0;
}

void Spell::PlaySound(const Vector& position) const {
    if (g_gameMode != nullptr && m_header.sound.Length() > 0)
        g_gameMode->PlaySound(m_header.sound.c_str(), 1, 255, &position, nullptr);
}
