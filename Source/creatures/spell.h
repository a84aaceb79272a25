#pragma once
// A spell or skill: a named definition with one or more levels of power (SpellAbility), one
// of them in force, chosen by the caster's level before every use. The registry loads the
// game's definitions once; creatures know them by id.
//
// File (the spell directory + "/" + name + ".dat"), little-endian: u32 value A, u32 value
// B, name, second name (Stringc), u16 id, u8 byte A, u8 level, u8 offensive, 8 x u16 words,
// animation set, text, sound (Stringc), the effect list (u32 count and the effect
// records), u32 ability count, that many ability records.

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"
#include "Library/files/file_object.h"
#include "Library/graphics/animation_mgr.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/spell_ability.h"

#include <cstdint>

class Entity;
class Stream;
class UniAnimationMgr;
class Vector;

class Spell : public FileObject {
public:
    static constexpr int kWordCount = 8;

    Spell();
    Spell(const Spell&) = delete;
    Spell& operator=(const Spell&) = delete;
    ~Spell() override;

    // Blank: no abilities (their slots kept for reuse), none selected, the player released.
    void Reset();
    // The spell directory + "/" + name (extension dropped) + ".dat", from the archive or
    // the loose file; the file name is then the path.
    bool Load(const char* name);
    // A failed read changes nothing. The ability of the read level is selected.
    bool ReadFields(Stream& stream);
    bool WriteFields(Stream& stream) const;

    // The last ability whose minimum level is the highest at or below the level; the first
    // when none is; none without abilities.
    void SelectAbility(int level);
    void AddAbility(const SpellAbility& ability); // a copy, selected
    SpellAbility* GetSelectedAbility() const { return m_selected; }
    int CountAbilities() const { return m_abilities.CountUsed(); }

    // The selected ability's; false without one.
    bool InRange(Entity* caster, const Vector& casterPosition, Entity* target,
                 const Vector& targetPosition) const;
    bool ApplyToTarget(Entity* caster, const Vector& casterPosition, Entity* target,
                       const Vector& targetPosition);
    bool ApplyToPoint(Entity* caster, const Vector& casterPosition, Entity* target,
                      const Vector& targetPosition);
    void PlaySound(const Vector& position) const;
    int GetCursorKind() const; // the selected ability's; 0 without one

    const Stringc& GetName() const { return m_header.name; }
    void SetName(const Stringc& name) { m_header.name = name; }
    const Stringc& GetSecondName() const { return m_header.secondName; }
    void SetSecondName(const Stringc& name) { m_header.secondName = name; }
    uint16_t GetId() const { return m_header.id; }
    void SetId(uint16_t id) { m_header.id = id; }
    int GetLevel() const { return m_header.level; }
    void SetLevel(uint8_t level) { m_header.level = level; }
    bool IsOffensive() const { return m_header.offensive != 0; }
    void SetOffensive(bool offensive) { m_header.offensive = offensive ? 1 : 0; }
    const Stringc& GetSound() const { return m_header.sound; }
    void SetSound(const Stringc& sound) { m_header.sound = sound; }
    // A caster with a composite body shows this animation while casting the spell.
    const Stringc& GetAnimationSet() const { return m_header.animationSet; }
    void SetAnimationSet(const Stringc& set) { m_header.animationSet = set; }
    EffectList& GetEffects() { return m_effects; }
    // The player shows "misc_1" of the animation set, from the pool; false, and no
    // animation, when it cannot be had. Nothing shows the player.
    bool LoadAnimation(UniAnimationMgr& pool);
    const AnimationMgr& GetAnimationPlayer() const { return m_player; }

private:
    // The fields before the effect list, in file order.
    struct Header {
        uint32_t valueA = 0; // kept; nothing reads them
        uint32_t valueB = 0;
        Stringc name;
        Stringc secondName;
        uint16_t id = 0;
        uint8_t byteA = 0; // kept; nothing reads it
        uint8_t level = 0;
        uint8_t offensive = 0;
        uint16_t words[kWordCount] = {}; // kept; nothing reads them
        Stringc animationSet;
        Stringc text; // kept; nothing reads it
        Stringc sound;
    };
    template <class Visit> void ForEachAbility(Visit visit) const;

    Header m_header;
    EffectList m_effects;
    SpellAbility* m_selected = nullptr;
    MemMgr<SpellAbility> m_abilities;
    AnimationMgr m_player;
};
