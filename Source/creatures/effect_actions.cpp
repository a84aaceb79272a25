// What each kind of effect does to its creature when it starts or ticks (phase 0) and when
// it ends (phase 1).
#include "Source/creatures/effect.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/colour_mod.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_services.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/soldier_entity.h"

#include <cstdio>

namespace {

constexpr int kDamageEvent = 19;
constexpr int kColourSets = 4; // set s is the creature's colour record s + 1

void AddMessage(const char* text) {
    if (CreatureServices* services = GetCreatureServices())
        services->AddMessage(text);
}

// Bits 16-23 red, 8-15 green, 0-7 blue.
Colour ColourOf(int32_t packed) {
    const auto bits = static_cast<uint32_t>(packed);
    return Colour(static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 8),
                  static_cast<uint8_t>(bits));
}

} // namespace

CreatureData* Effect::TargetData() const {
    Creature* creature = Creature::Of(m_target);
    return creature ? &creature->GetData() : nullptr;
}

void Effect::Apply(int phase) {
    if (m_kind == kEffectMessage) {
        char line[Stringc::kMaxFormatLength + 1];
        std::snprintf(line, sizeof line, "%s", m_text.c_str());
        AddMessage(line);
        m_active = 0;
        return;
    }
    CreatureData* data = TargetData();
    if (data == nullptr) {
        switch (m_kind) {
        case kEffectArmourClass:
        case kEffectDamage:
        case kEffectHealing:
        case kEffectPoison:
        case kEffectThreshold:
        case kEffectResistance:
        case kEffectOtherResistance:
        case kEffectSkill:
            m_active = 0;
            break;
        default:
            break;
        }
        return;
    }
    if (!ApplyToCreature(*data, phase))
        m_active = 0;
}

// False when the effect ends with this action.
bool Effect::ApplyToCreature(CreatureData& data, int phase) {
    switch (m_kind) {
    case kEffectArmourClass:
    case kEffectThreshold:
    case kEffectResistance:
    case kEffectOtherResistance:
    case kEffectSkill:
        ApplyModifier(data, phase);
        return true;
    case kEffectColourSlot1:
    case kEffectColourSlot3:
    case kEffectColourSlot2:
    case kEffectColourTint:
    case kEffectColourLock:
    case kEffectColourFade:
        ApplyColour(data, phase);
        return IsActive();
    case kEffectBodyType:
        data.SetBodyType(1, phase == kPhaseStart ? static_cast<uint16_t>(m_amount) : 0);
        data.ReloadArtSet();
        return true;
    case kEffectCurePoison:
        data.GetEffectMgr().RemoveKind(kEffectPoison);
        return false;
    case kEffectDamage:
        ApplyDamage();
        return false;
    case kEffectHealing:
        ApplyHealing(data);
        return IsActive();
    case kEffectPoison:
        ApplyPoison(data);
        return IsActive();
    case kEffectNone21:
    case kEffectNone154:
    case kEffectDamageBonus:
    case kEffectNone156:
    case kEffectSkillUse:
        return true;
    default:
        return false;
    }
}

// Bonuses go to the bonus halves as 16-bit amounts; the end takes off what the start put on.
void Effect::ApplyModifier(CreatureData& data, int phase) {
    const auto value = static_cast<int16_t>(m_amount);
    const auto amount = static_cast<int16_t>(phase == kPhaseStart ? value : -value);
    const auto which = static_cast<uint32_t>(m_parameterA);
    switch (m_kind) {
    case kEffectArmourClass:
        data.AddArmourClass(kBonus, amount);
        break;
    case kEffectThreshold:
        if (m_parameterB != 0)
            data.AddDamageThreshold(which, kBonus, amount);
        break;
    case kEffectResistance:
        if (m_parameterB != 0)
            data.AddDamageResistance(which, kBonus, amount);
        break;
    case kEffectOtherResistance:
        if (m_parameterB != 0)
            data.AddOtherResistance(which, kBonus, amount);
        break;
    default: // kEffectSkill
        data.AddSkill(m_parameterA, kBonus, amount);
        break;
    }
}

void Effect::ApplyColour(CreatureData& data, int phase) {
    if (m_kind == kEffectColourFade) {
        for (int record = 1; record <= kColourSets; ++record) {
            if (phase == kPhaseStart)
                data.GetColourMod(record).SetFade(true, static_cast<float>(m_amount));
            else
                data.GetColourMod(record).SetFade(false, 255.0f);
        }
        return;
    }
    const bool slot = m_kind != kEffectColourTint && m_kind != kEffectColourLock;
    const int set = slot ? (m_parameterA >> 8) & 0xFF : m_parameterA;
    if (set < 0 || set >= kColourSets) {
        m_active = 0;
        return;
    }
    ColourMod& mod = data.GetColourMod(set + 1);
    if (phase != kPhaseStart) {
        mod = data.GetColourMod(0);
        return;
    }
    const Colour colour = ColourOf(m_amount);
    switch (m_kind) {
    case kEffectColourTint:
        mod.SetTint(true, colour);
        break;
    case kEffectColourLock:
        mod.SetLocked(true, colour.red - 255, colour.green - 255, colour.blue - 255);
        break;
    default: {
        const uint32_t mode = m_kind == kEffectColourSlot1   ? 1
                              : m_kind == kEffectColourSlot3 ? 3
                                                             : 2;
        const uint8_t extra = m_kind == kEffectColourSlot2 ? static_cast<uint8_t>(m_parameterB) : 0;
        mod.SetSlot(mode, m_parameterA & 0xFF, colour, extra);
        break;
    }
    }
}

void Effect::ApplyDamage() {
    int damage = m_amount != 0 ? m_amount : GameRules::RollDice(m_diceCount, m_diceSides, 0);
    if (!BypassesThreshold())
        damage = GameRules::ApplyThresholdResistance(damage, m_parameterB, m_target);
    if (m_halved)
        damage /= 2;
    if (damage > 0)
        m_target->OnEvent(kDamageEvent, damage, static_cast<int>(m_parameterB), m_source);
}

// Mode 2 heals a percentage of the maximum.
void Effect::ApplyHealing(CreatureData& data) {
    EntityRef& ref = m_target->GetRef();
    if (m_parameterA == 0 && ref.IsDead())
        return; // stays active
    if (m_parameterA == 1)
        ref.Set(ref.GetSide(), 1, ref.GetMatch(1), ref.GetMatch(2), ref.GetMatch(3),
                ref.GetMatch(4), ref.GetMatch(5));
    m_active = 0;
    const float amount = static_cast<float>(
        static_cast<long long>(GameRules::RollDice(m_diceCount, m_diceSides, 0)) + m_amount);
    switch (m_parameterB) {
    case 0:
        data.AddHitPoints(amount);
        break;
    case 1:
        if (data.GetHitPoints() < amount)
            data.AddHitPoints(amount);
        break;
    case 2:
        data.AddHitPoints(amount * data.GetMaxHitPoints() / 100.0f);
        break;
    default:
        break;
    }
}

// A duration of 0 deals the whole amount in one tick.
void Effect::ApplyPoison(CreatureData& data) {
    if (m_target->GetRef().IsDead()) {
        m_active = 0;
        return;
    }
    double tick = 0.0;
    if (m_parameterB == 1)
        tick = data.GetMaxHitPoints() * m_parameterA * 0.01 / (m_duration > 0.0 ? m_duration : 1.0);
    else if (m_parameterB == 2)
        tick = m_parameterA;
    else {
        m_active = 0;
        return;
    }
    if (m_halved)
        tick *= 0.5;
    const bool poisonClassResists = m_amount == 1 || m_amount == 2;
    const bool poisonClassHalves = m_amount == 4 || m_amount == 5;
    if ((poisonClassResists || poisonClassHalves) &&
        GameRules::Chance(data.GetAttribute(kEndurance)))
        tick = poisonClassResists ? 0.0 : tick * 0.5;
    if (tick > 0.0) {
        char line[Stringc::kMaxFormatLength + 1];
        std::snprintf(line, sizeof line, "%s has been poisoned.",
                      m_target->GetDisplayName().c_str());
        AddMessage(line);
    }
    data.AddHitPoints(static_cast<float>(-tick));
}
