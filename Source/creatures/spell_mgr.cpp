#include "Source/creatures/spell_mgr.h"

#include "Library/core/stream.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kInitialEntries = 10;
constexpr long kKnownBytes = 8;
constexpr long kChargeBytes = 5;

bool CountFits(Stream& stream, uint32_t count, long entryBytes, const char* what) {
    if (count <= static_cast<uint32_t>(stream.Remaining() / entryBytes))
        return true;
    std::fprintf(stderr, "SpellMgr: %u %s cannot lie in the %ld bytes left\n", count, what,
                 stream.Remaining());
    return false;
}

} // namespace

SpellMgr::SpellMgr(Entity* owner)
    : m_owner(owner), m_known(kInitialEntries), m_charges(kInitialEntries) {}

template <class T, class Visit> void SpellMgr::ForEachUsed(const MemMgr<T>& list, Visit visit) {
    for (int slot = 0; slot < list.GetCount(); ++slot)
        if (list.IsUsed(slot))
            visit(slot, *list.Get(slot));
}

void SpellMgr::Clear() {
    m_knownLimit = kDefaultLimit;
    m_secondLimit = kDefaultLimit;
    m_known.FreeAll();
    m_charges.FreeAll();
}

bool SpellMgr::Learn(uint32_t id, uint32_t level, int charges, int ready) {
    Known known;
    if (static_cast<uint32_t>(m_known.CountUsed()) >= m_knownLimit || Find(id, known))
        return false;
    *m_known.Alloc() = Known{id, level};
    charges = std::clamp(charges, 0, kMaxCharges);
    ready = std::clamp(ready, 0, charges);
    for (int charge = 0; charge < charges; ++charge)
        *m_charges.Alloc() = Charge{id, static_cast<uint8_t>(charge < ready ? 1 : 0)};
    return true;
}

void SpellMgr::Forget(uint32_t id) {
    ForEachUsed(m_known, [&](int slot, const Known& known) {
        if (known.id == id)
            m_known.Free(slot);
    });
    ForEachUsed(m_charges, [&](int slot, const Charge& charge) {
        if (charge.id == id)
            m_charges.Free(slot);
    });
}

bool SpellMgr::Find(uint32_t id, Known& out) const {
    const int slot = m_known.FindUsed([&](const Known& known) { return known.id == id; });
    if (slot < 0)
        return false;
    out = *m_known.Get(slot);
    return true;
}

uint32_t SpellMgr::GetLevel(uint32_t id) const {
    Known known;
    return Find(id, known) ? known.level : 0;
}

bool SpellMgr::HasReadyCharge(uint32_t id) const {
    return FirstReadyCharge(id) >= 0;
}

bool SpellMgr::HasAnyReadyCharge() const {
    return m_charges.FindUsed([](const Charge& c) { return c.ready != 0; }) >= 0;
}

int SpellMgr::FirstReadyCharge(uint32_t id) const {
    return m_charges.FindUsed([&](const Charge& c) { return c.id == id && c.ready != 0; });
}

bool SpellMgr::UseCharge(uint32_t id) {
    const int slot = FirstReadyCharge(id);
    if (slot < 0)
        return false;
    m_charges.Get(slot)->ready = 0;
    return true;
}

bool SpellMgr::RemoveCharge(uint32_t id) {
    const int slot = FirstReadyCharge(id);
    if (slot < 0)
        return false;
    m_charges.Free(slot);
    return true;
}

void SpellMgr::RestoreCharges() {
    ForEachUsed(m_charges, [&](int slot, const Charge&) { m_charges.Get(slot)->ready = 1; });
}

int SpellMgr::CountCharges(uint32_t id, bool ready) const {
    int count = 0;
    ForEachUsed(m_charges, [&](int, const Charge& charge) {
        count += charge.id == id && (charge.ready != 0) == ready ? 1 : 0;
    });
    return count;
}

bool SpellMgr::Load(Stream& stream) {
    Clear();
    uint32_t knownCount = 0;
    uint32_t chargeCount = 0;
    if (!stream.ReadValue(m_knownLimit) || !stream.ReadValue(m_secondLimit) ||
        !stream.ReadValue(knownCount) ||
        !CountFits(stream, knownCount, kKnownBytes, "known spells"))
        return false;
    for (uint32_t index = 0; index < knownCount; ++index) {
        Known* known = m_known.Alloc();
        if (!stream.ReadValue(known->id) || !stream.ReadValue(known->level))
            return false;
    }
    if (!stream.ReadValue(chargeCount) || !CountFits(stream, chargeCount, kChargeBytes, "charges"))
        return false;
    for (uint32_t index = 0; index < chargeCount; ++index) {
        Charge* charge = m_charges.Alloc();
        if (!stream.ReadValue(charge->id) || !stream.ReadValue(charge->ready))
            return false;
    }
    return true;
}

bool SpellMgr::Save(Stream& stream) const {
    bool written = stream.WriteValue(m_knownLimit) && stream.WriteValue(m_secondLimit) &&
                   stream.WriteValue(static_cast<uint32_t>(m_known.CountUsed()));
    ForEachUsed(m_known, [&](int, const Known& known) {
        written = written && stream.WriteValue(known.id) && stream.WriteValue(known.level);
    });
    written = written && stream.WriteValue(static_cast<uint32_t>(m_charges.CountUsed()));
    ForEachUsed(m_charges, [&](int, const Charge& charge) {
        written = written && stream.WriteValue(charge.id) && stream.WriteValue(charge.ready);
    });
    return written;
}
