#include "Source/creatures/creature_targets.h"

#include "Library/core/stream.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"

#include <algorithm>

CreatureTargets::CreatureTargets(SoldierEntity& owner) : m_owner(owner) {
    Reset();
}

void CreatureTargets::Reset() {
    m_pending = 0;
    for (EntityRef& slot : m_slots) {
        slot.Reset();
        slot.SetEntity(nullptr);
    }
    std::fill(std::begin(m_numbers), std::end(m_numbers), 0);
}

void CreatureTargets::Update() {
    const auto post = [this](uint32_t bit, auto poster) {
        if ((m_pending & bit) != 0)
            for (int script = 0; script < SoldierEntity::kEventSlots; ++script)
                poster(m_owner.GetScriptSlot(script));
    };
    post(kAttackedByBit,
         [this](ScriptMachine& m) { m.PostAttackedEvent(m_slots[0], m_numbers[0]); });
    post(kDamagedByBit, [this](ScriptMachine& m) {
        m.PostEvent7(m_slots[1], static_cast<uint32_t>(m_numbers[1]));
    });
    post(kSignal9Bit, [this](ScriptMachine& m) { m.PostEvent9(m_slots[3], m_numbers[2]); });
    post(kSignal10Bit, [this](ScriptMachine& m) { m.PostEvent10(m_slots[4], m_numbers[3]); });
    post(kSignal11Bit, [this](ScriptMachine& m) { m.PostEvent11(m_slots[5]); });
    post(kSignalNumberBit,
         [this](ScriptMachine& m) { m.PostEvent12(m_numbers[kSignalNumberIndex]); });
    m_pending = 0;
}

void CreatureTargets::Store(int slot, const EntityRef& ref, uint32_t bit) {
    m_slots[slot] = ref;
    m_pending |= bit;
}

void CreatureTargets::SetAttackedBy(const EntityRef& actor, int32_t number) {
    Store(0, actor, kAttackedByBit);
    m_numbers[0] = number;
}

void CreatureTargets::SetDamagedBy(const EntityRef& source, int32_t number) {
    Store(1, source, kDamagedByBit);
    m_numbers[1] = number;
}

void CreatureTargets::SetAttackTarget(const EntityRef& target) {
    Store(2, target, kAttackTargetBit);
}

void CreatureTargets::SetSignal9(const EntityRef& sender, int32_t number) {
    Store(3, sender, kSignal9Bit);
    m_numbers[2] = number;
}

void CreatureTargets::SetSignal10(const EntityRef& sender, int32_t number) {
    Store(4, sender, kSignal10Bit);
    m_numbers[3] = number;
}

void CreatureTargets::SetSignal11(const EntityRef& sender) {
    Store(5, sender, kSignal11Bit);
}

void CreatureTargets::SetSignalNumber(int32_t number) {
    m_numbers[kSignalNumberIndex] = number;
    m_pending |= kSignalNumberBit;
}

void CreatureTargets::SetSeen(const EntityRef& seen) {
    Store(6, seen, kSeenBit);
}

void CreatureTargets::SetContact(const EntityRef& other) {
    Store(7, other, kContactBit);
}

void CreatureTargets::SetCommandTarget(const EntityRef& other) {
    Store(8, other, kCommandTargetBit);
}

void CreatureTargets::SetCommandedBy(const EntityRef& commanded) {
    Store(9, commanded, kCommandedByBit);
}

bool CreatureTargets::Copy(int slot, EntityRef& out) const {
    if (m_slots[slot].IsDead())
        return false;
    out = m_slots[slot];
    return true;
}

bool CreatureTargets::Copy(int slot, EntityRef& out, int numberIndex, int32_t& number) const {
    if (!Copy(slot, out))
        return false;
    number = m_numbers[numberIndex];
    return true;
}

bool CreatureTargets::GetAttackedBy(EntityRef& out, int32_t& number) const {
    return Copy(0, out, 0, number);
}

bool CreatureTargets::GetDamagedBy(EntityRef& out, int32_t& number) const {
    return Copy(1, out, 1, number);
}

bool CreatureTargets::GetAttackTarget(EntityRef& out) const {
    return Copy(2, out);
}

bool CreatureTargets::GetSignal9(EntityRef& out, int32_t& number) const {
    return Copy(3, out, 2, number);
}

bool CreatureTargets::GetSignal10(EntityRef& out, int32_t& number) const {
    return Copy(4, out, 3, number);
}

bool CreatureTargets::GetSignal11(EntityRef& out) const {
    return Copy(5, out);
}

bool CreatureTargets::GetSeen(EntityRef& out) const {
    return Copy(6, out);
}

bool CreatureTargets::GetContact(EntityRef& out) const {
    return Copy(7, out);
}

bool CreatureTargets::GetCommandTarget(EntityRef& out) const {
    return Copy(8, out);
}

bool CreatureTargets::GetCommandedBy(EntityRef& out) const {
    return Copy(9, out);
}

const EntityRef& CreatureTargets::GetSlot(int slot) const {
    static const EntityRef kEmpty;
    return slot >= 0 && slot < kSlotCount ? m_slots[slot] : kEmpty;
}

bool CreatureTargets::Load(Stream& stream) {
    uint32_t pending = 0;
    EntityRef slots[kSlotCount];
    int32_t numbers[kNumberCount] = {};
    if (!stream.ReadValue(pending))
        return false;
    for (EntityRef& slot : slots) {
        if (!slot.Read(stream))
            return false;
    }
    for (int32_t& number : numbers) {
        if (!stream.ReadValue(number))
            return false;
    }
    m_pending = pending;
    std::copy(std::begin(slots), std::end(slots), std::begin(m_slots));
    std::copy(std::begin(numbers), std::end(numbers), std::begin(m_numbers));
    return true;
}

bool CreatureTargets::Save(Stream& stream) const {
    if (!stream.WriteValue(m_pending))
        return false;
    for (const EntityRef& slot : m_slots) {
        if (!slot.Write(stream))
            return false;
    }
    for (int32_t number : m_numbers) {
        if (!stream.WriteValue(number))
            return false;
    }
    return true;
}
