#include "Source/creatures/effect_list.h"

#include "Library/core/stream.h"

#include <cstdio>

EffectList& EffectList::operator=(const EffectList& other) {
    if (&other != this) {
        Clear();
        AppendFrom(other);
    }
    return *this;
}

void EffectList::AppendFrom(const EffectList& other) {
    const int count = other.m_effects.GetCount();
    for (int slot = 0; slot < count; ++slot)
        if (other.m_effects.IsUsed(slot))
            Add(*other.m_effects.Get(slot));
}

void EffectList::Add(const Effect& effect) {
    *m_effects.Alloc() = effect;
}

bool EffectList::Load(Stream& stream) {
    return LoadSlots(stream, m_effects);
}

bool EffectList::Save(Stream& stream) const {
    return SaveSlots(stream, m_effects);
}

bool EffectList::LoadSlots(Stream& stream, MemMgr<Effect>& effects) {
    effects.FreeAll();
    uint32_t count = 0;
    if (!stream.ReadValue(count))
        return false;
    if (count > static_cast<uint32_t>(stream.Remaining() / Effect::kMinStoredBytes)) {
        std::fprintf(stderr, "Effects: %u cannot lie in the %ld bytes left\n", count,
                     stream.Remaining());
        return false;
    }
    for (uint32_t index = 0; index < count; ++index) {
        Effect* effect = effects.Alloc();
        effect->Reset();
        if (!effect->Read(stream)) {
            effects.FreeAll();
            return false;
        }
    }
    return true;
}

bool EffectList::SaveSlots(Stream& stream, const MemMgr<Effect>& effects) {
    if (!stream.WriteValue(static_cast<uint32_t>(effects.CountUsed())))
        return false;
    for (int slot = 0; slot < effects.GetCount(); ++slot)
        if (effects.IsUsed(slot) && !effects.Get(slot)->Write(stream))
            return false;
    return true;
}
