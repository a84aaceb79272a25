#include "Source/creatures/effect.h"

#include "Library/core/stream.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/scripts/stored_text.h"
#include "Library/world/random_source.h"
#include "Source/creatures/creature_services.h"
#include "Source/creatures/game_rules.h"
#include "Source/entities/entity.h"

#include <cstdio>

void Effect::Reset() {
    m_target = nullptr;
    m_source = nullptr;
    m_active = 1;
    m_kind = 0;
    m_targetRule = 0;
    m_rounds = 0;
    m_amount = 0;
    m_parameterA = 0;
    m_parameterB = 0;
    m_durationRule = 0;
    m_timeUnit = 0;
    m_duration = 0.0;
    m_chance = 100;
    m_text.Clear();
    m_diceCount = 0;
    m_diceSides = 0;
    m_resistanceFlag = 0;
    m_resistMode = 0;
    m_resistanceBonus = 0;
    m_halved = 0;
    m_elapsed = 0.0;
    m_accumulator = 0.0;
    m_lastStep = 0.0;
}

void Effect::SetTarget(Entity* target, Entity* source) {
    m_target = target;
    m_source = source;
}

void Effect::Define(uint16_t kind, uint8_t timeUnit, double duration, int32_t amount,
                    int32_t parameterA, uint32_t parameterB) {
    m_kind = kind;
    m_timeUnit = timeUnit;
    m_duration = duration;
    m_amount = amount;
    m_parameterA = parameterA;
    m_parameterB = parameterB;
}

void Effect::SetDice(uint16_t count, uint16_t sides) {
    m_diceCount = count;
    m_diceSides = sides;
}

bool Effect::IsModifier() const {
    switch (m_kind) {
    case kEffectArmourClass:
    case kEffectColourSlot1:
    case kEffectColourSlot3:
    case kEffectColourSlot2:
    case kEffectColourTint:
    case kEffectColourLock:
    case kEffectBodyType:
    case kEffectColourFade:
    case kEffectThreshold:
    case kEffectResistance:
    case kEffectOtherResistance:
    case kEffectSkill:
        return true;
    default:
        return false;
    }
}

bool Effect::Equals(const Effect& other) const {
    return IsStartedFrom(other) && m_halved == other.m_halved;
}

bool Effect::EqualsWithoutDuration(const Effect& other) const {
    return MatchesDefinition(other, false) && m_halved == other.m_halved;
}

bool Effect::IsStartedFrom(const Effect& other) const {
    return MatchesDefinition(other, true);
}

bool Effect::MatchesDefinition(const Effect& other, bool withDuration) const {
    return m_kind == other.m_kind && m_targetRule == other.m_targetRule &&
           m_rounds == other.m_rounds && m_amount == other.m_amount &&
           m_parameterA == other.m_parameterA && m_parameterB == other.m_parameterB &&
           m_durationRule == other.m_durationRule && m_timeUnit == other.m_timeUnit &&
           (!withDuration || m_duration == other.m_duration) && m_chance == other.m_chance &&
           m_text == other.m_text && m_diceCount == other.m_diceCount &&
           m_diceSides == other.m_diceSides && m_resistanceFlag == other.m_resistanceFlag &&
           m_resistMode == other.m_resistMode && m_resistanceBonus == other.m_resistanceBonus;
}

bool Effect::Start() {
    const uint32_t side = m_target ? m_target->GetRef().GetSide() : 0;
    if ((m_targetRule == 3 && side != 2) || (m_targetRule == 5 && side == 2))
        return false;
    if (m_chance != 100 && GameRules::Random().Int(0, 100) > m_chance)
        return false;
    switch (m_resistMode) {
    case 0:
        m_halved = 0;
        break;
    case 1:
        m_halved = GameRules::ResistRoll(m_target, m_resistanceFlag, m_resistanceBonus) ? 1 : 0;
        if (m_halved)
            return false;
        break;
    case 2:
        m_halved = GameRules::ResistRoll(m_target, m_resistanceFlag, m_resistanceBonus) ? 1 : 0;
        break;
    default:
        break;
    }
    Apply(kPhaseStart);
    return true;
}

void Effect::EndRounds(int round) {
    if (round >= m_rounds)
        Stop();
}

bool Effect::LoadDefinition(const char* name) {
    Stringc path;
    MemStream stream(kStreamReadBinary);
    Effect definition;
    if (!MakeDataFilePath(&DataPaths::GetEffectDir, name, ".dat", path) ||
        !LoadDataFile(path.c_str(), g_generalRes, stream))
        return false;
    if (!definition.Read(stream)) {
        std::fprintf(stderr, "%s: the effect cannot be read\n", path.c_str());
        return false;
    }
    *this = definition;
    return true;
}

void Effect::Stop() {
    if (!IsActive())
        return;
    m_active = 0;
    Apply(kPhaseEnd);
}

double Effect::StepOfUnit() const {
    const CreatureServices* services = GetCreatureServices();
    if (services == nullptr)
        return 0.0;
    switch (m_timeUnit) {
    case kUnitSeconds:
    case kUnitDelayed:
        return services->GetElapsedSeconds();
    case kUnitRounds:
        return services->GetElapsedRounds();
    case kUnitMinutes:
        return services->GetElapsedMinutes();
    case kUnitHours:
        return services->GetElapsedHours();
    default:
        return 0.0;
    }
}

void Effect::Update() {
    if (!IsActive())
        return;
    const double step = StepOfUnit();
    if (step > 0.0) {
        double elapsed = m_elapsed + step;
        if (elapsed > m_duration)
            elapsed = m_duration;
        if (elapsed < 0.0)
            elapsed = 0.0;
        m_lastStep = elapsed - m_elapsed;
        m_accumulator += m_lastStep;
        m_elapsed = elapsed;
    }
    const bool due = m_elapsed >= m_duration;
    if (m_timeUnit <= kUnitHours) {
        if (due) {
            m_active = 0;
            if (IsModifier())
                Apply(kPhaseEnd);
        }
        const bool ticks =
            m_kind == kEffectDamage || m_kind == kEffectHealing || m_kind == kEffectPoison;
        if (ticks && m_accumulator >= 1.0) {
            m_accumulator -= 1.0;
            Apply(kPhaseStart);
        }
    } else if (m_timeUnit == kUnitDelayed && due && !IsModifier()) {
        Apply(kPhaseStart);
    }
}

bool Effect::Read(Stream& stream) {
    Effect read;
    if (!stream.ReadValue(read.m_active) || !stream.ReadValue(read.m_kind) ||
        !stream.ReadValue(read.m_targetRule) || !stream.ReadValue(read.m_rounds) ||
        !stream.ReadValue(read.m_amount) || !stream.ReadValue(read.m_parameterA) ||
        !stream.ReadValue(read.m_parameterB) || !stream.ReadValue(read.m_durationRule) ||
        !stream.ReadValue(read.m_timeUnit) || !stream.ReadValue(read.m_duration) ||
        !stream.ReadValue(read.m_chance) || !ReadStoredText(stream, read.m_text) ||
        !stream.ReadValue(read.m_diceCount) || !stream.ReadValue(read.m_diceSides) ||
        !stream.ReadValue(read.m_resistanceFlag) || !stream.ReadValue(read.m_resistMode) ||
        !stream.ReadValue(read.m_resistanceBonus) || !stream.ReadValue(read.m_halved) ||
        !stream.ReadValue(read.m_elapsed) || !stream.ReadValue(read.m_accumulator))
        return false;
    *this = read;
    return true;
}

bool Effect::Write(Stream& stream) const {
    return stream.WriteValue(m_active) && stream.WriteValue(m_kind) &&
           stream.WriteValue(m_targetRule) && stream.WriteValue(m_rounds) &&
           stream.WriteValue(m_amount) && stream.WriteValue(m_parameterA) &&
           stream.WriteValue(m_parameterB) && stream.WriteValue(m_durationRule) &&
           stream.WriteValue(m_timeUnit) && stream.WriteValue(m_duration) &&
           stream.WriteValue(m_chance) && m_text.Write(stream) && stream.WriteValue(m_diceCount) &&
           stream.WriteValue(m_diceSides) && stream.WriteValue(m_resistanceFlag) &&
           stream.WriteValue(m_resistMode) && stream.WriteValue(m_resistanceBonus) &&
           stream.WriteValue(m_halved) && stream.WriteValue(m_elapsed) &&
           stream.WriteValue(m_accumulator);
}
