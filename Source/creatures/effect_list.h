#pragma once
// The effects an item, an ability or a spell carries, as definitions. Items hold theirs
// through the entity layer's view of an effect list.

#include "Library/core/mem_mgr.h"
#include "Source/creatures/effect.h"
#include "Source/entities/item_rules.h"

class EffectList : public ItemEffectsLink {
public:
    EffectList() : m_effects(1) {}
    EffectList(const EffectList&) = delete;
    EffectList& operator=(const EffectList& other); // a copy of each of the other's effects

    // The list of an item's effects; null for none.
    static const EffectList* Of(const ItemEffectsLink* effects) {
        return dynamic_cast<const EffectList*>(effects);
    }
    static EffectList* Of(ItemEffectsLink* effects) { return dynamic_cast<EffectList*>(effects); }

    void Clear() override { m_effects.FreeAll(); }
    void AppendFrom(const EffectList& other);
    void Add(const Effect& effect); // a copy at the end
    int Count() const { return m_effects.CountUsed(); }
    template <class Visit> void ForEach(Visit visit) const {
        for (int slot = 0; slot < m_effects.GetCount(); ++slot)
            if (m_effects.IsUsed(slot))
                visit(*m_effects.Get(slot));
    }

    // Stored form: u32 count, then the effect records. A count the bytes left cannot hold
    // is refused before anything is read; a record cut short leaves the list empty.
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    // The same stored form for any slot list of effects (a creature's running ones too).
    static bool LoadSlots(Stream& stream, MemMgr<Effect>& effects);
    static bool SaveSlots(Stream& stream, const MemMgr<Effect>& effects);

private:
    MemMgr<Effect> m_effects;
};
