#include "Source/creatures/effect_list.h"

#include "Library/core/stream.h"

#include <cstdio>

void EffectList::Assign(const EffectList& other) {
    if (&other == this)
        return;
    Clear();
    AppendFrom(other);
}

void EffectList::AppendFrom(const EffectList& other) {
    const int count = other.m_effects.GetCount();
    for (int slot = 0; slot < count; ++slot)
        if (other.m_effects.IsUsed(slot))
            Add(*other.m_effects.Get(slot));
}

void EffectList::Add(const Effect& effect) {
    m_effects.Alloc()->CopyFrom(effect);
}

bool EffectList::Load(Stream& stream) {
    Clear();
    uint32_t count = 0;
    if (!stream.ReadValue(count))
        return false;
    if (count > static_cast<uint32_t>(stream.Remaining() / Effect::kMinStoredBytes)) {
        std::fprintf(stderr, "Effect list: %u effects cannot lie in the %ld bytes left\n", count,
                     stream.Remaining());
        return false;
    }
    for (uint32_t index = 0; index < count; ++index) {
        Effect* effect = m_effects.Alloc();
        effect->Reset();
        if (!effect->Read(stream)) {
            Clear();
            return false;
        }
    }
    return true;
}

bool EffectList::Save(Stream& stream) const {
    if (!stream.WriteValue(static_cast<uint32_t>(Count())))
        return false;
    bool written = true;
    ForEach([&](const Effect& effect) { written = written && effect.Write(stream); });
    return written;
}
