#include "Source/creatures/spell_ability.h"

#include "Library/core/stream.h"
#include "Source/creatures/ability_delivery.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell.h"

namespace {

// The fixed fields in record order, each through the one operation of the direction.
template <class Fields, class Value> bool VisitFields(Fields& f, Value value) {
    return value(f.attackKind) && value(f.delivery) && value(f.targetType) &&
           value(f.deliveryMode) && value(f.wordA) && value(f.minimumLevel) && value(f.range) &&
           value(f.radius) && value(f.areaAngle) && value(f.projectileKind) && value(f.actionTime);
}

struct Fields {
    uint8_t attackKind;
    uint8_t delivery;
    uint8_t targetType;
    uint8_t deliveryMode;
    uint16_t wordA;
    uint16_t minimumLevel;
    float range;
    float radius;
    double areaAngle;
    uint16_t projectileKind;
    float actionTime;
};

} // namespace

void SpellAbility::Reset() {
    m_spell = nullptr;
    Define(0, kNoDelivery, 0, 0, 0, 0.0f, 0.0f, 0.0, kNoProjectile, 0.0f);
    m_wordA = 0;
    m_effects.Clear();
}

void SpellAbility::Define(uint8_t attackKind, uint8_t delivery, uint8_t targetType,
                          uint8_t deliveryMode, uint16_t minimumLevel, float range, float radius,
                          double areaAngle, uint16_t projectileKind, float actionTime) {
    m_attackKind = attackKind;
    m_delivery = delivery;
    m_targetType = targetType;
    m_deliveryMode = deliveryMode;
    m_minimumLevel = minimumLevel;
    m_range = range;
    m_radius = radius;
    m_areaAngle = areaAngle;
    m_projectileKind = projectileKind;
    m_actionTime = actionTime;
}

bool SpellAbility::LoadEffects(Stream& stream) {
    Fields read{};
    EffectList effects;
    if (!VisitFields(read, [&](auto& field) { return stream.ReadValue(field); }) ||
        !effects.Load(stream))
        return false;
    Define(read.attackKind, read.delivery, read.targetType, read.deliveryMode, read.minimumLevel,
           read.range, read.radius, read.areaAngle, read.projectileKind, read.actionTime);
    m_wordA = read.wordA;
    m_effects = effects;
    return true;
}

bool SpellAbility::SaveEffects(Stream& stream) const {
    const Fields stored{m_attackKind, m_delivery,       m_targetType, m_deliveryMode,
                        m_wordA,      m_minimumLevel,   m_range,      m_radius,
                        m_areaAngle,  m_projectileKind, m_actionTime};
    return VisitFields(stored, [&](const auto& field) { return stream.WriteValue(field); }) &&
           m_effects.Save(stream);
}

int SpellAbility::GetId() const {
    return m_spell ? m_spell->GetId() : 0;
}

int SpellAbility::GetCursorKind() const {
    if (m_spell == nullptr || !m_spell->IsOffensive() || m_delivery == kOnCaster)
        return -1;
    switch (m_delivery) {
    case kOnTarget:
        return 1;
    case kByMode:
    case kInRadius:
        return 2;
    default:
        return 0;
    }
}

bool SpellAbility::InRange(Entity* caster, const Vector& casterPosition, Entity* target,
                           const Vector& targetPosition) const {
    return GameRules::InRange(caster, casterPosition, m_targetType, m_range, target,
                              targetPosition);
}

bool SpellAbility::ApplyToTarget(Entity* caster, const Vector& casterPosition, Entity* target,
                                 const Vector& targetPosition) {
    if (m_spell != nullptr)
        m_spell->PlaySound(casterPosition);
    return Apply(caster, casterPosition, target, targetPosition);
}

bool SpellAbility::ApplyToPoint(Entity* caster, const Vector& casterPosition, Entity* target,
                                const Vector& targetPosition) {
    return Apply(caster, casterPosition, target, targetPosition);
}

bool SpellAbility::Apply(Entity* caster, const Vector& casterPosition, Entity* target,
                         const Vector& targetPosition) {
    m_use.Clear();
    m_use.SetSourceTarget(caster, casterPosition, target, targetPosition);
    m_use.SetFromSpell(*this);
    return Deliver();
}

bool SpellAbility::Deliver() {
    AbilityDelivery* delivery = GetAbilityDelivery();
    if (delivery == nullptr)
        return false;
    Entity* caster = m_use.GetSource();
    const Vector casterPosition = m_use.GetSourcePosition();
    switch (m_delivery) {
    case kOnCaster:
        m_use.SetSourceTarget(caster, casterPosition, caster, casterPosition);
        return delivery->ApplyToTarget(m_use, caster);
    case kOnTarget:
        return delivery->ApplyToTarget(m_use, m_use.GetTarget());
    case kByMode:
        switch (m_deliveryMode) {
        case kModeByTargetType:
            return delivery->ApplyToTargetByMode(m_use);
        case kModeNearestInArea:
            return delivery->ApplyToNearestInArea(m_use);
        case kModeProjectile:
            return delivery->Fire(m_projectileKind, m_use);
        default:
            return false;
        }
    case kInRadius:
        m_use.SetSourceTarget(caster, casterPosition, nullptr, Vector());
        return delivery->ApplyInRadius(m_use);
    default:
        return false;
    }
}
