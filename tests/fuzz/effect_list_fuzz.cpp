// Effect lists and a creature's running effects from any bytes: refused, or read back as
// themselves; the effects then put on a creature, run for a while and taken off again.

#include "Library/files/date_time.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_factory.h"
#include "Source/creatures/creature_services.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

// A clock whose every tick passes a minute.
class MinuteClock : public CreatureServices {
public:
    const DateTime& GetDateTime() const override { return m_now; }
    double GetElapsedSeconds() const override { return 60.0; }
    double GetElapsedRounds() const override { return 6.0; }
    double GetElapsedMinutes() const override { return 1.0; }
    double GetElapsedHours() const override { return 1.0 / 60; }
    void AddMessage(const char*) override {}

private:
    DateTime m_now;
};

Effect Kind(uint16_t kind, uint8_t unit, double duration, int32_t amount, int32_t a, uint32_t b) {
    Effect effect;
    effect.Define(kind, unit, duration, amount, a, b);
    return effect;
}

template <class T> std::string Stored(const T& list) {
    return WrittenBytes([&](Stream& stream) { return list.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    EffectList list;
    list.Add(Kind(kEffectArmourClass, kUnitWhileWorn, 0.0, 2, 0, 0));
    list.Add(Kind(kEffectPoison, kUnitSeconds, 120.0, 1, 3, 2));
    list.Add(Kind(kEffectColourTint, kUnitMinutes, 2.0, 0x00FF8040, 1, 0));
    list.Add(Kind(kEffectThreshold, kUnitAttack, 0.0, 5, 2, 1));
    return {Stored(list), Stored(EffectList())};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EffectList list;
    FuzzInput input(data, size);
    if (!list.Load(input))
        return 0;
    const std::string stored = Stored(list);
    EffectList reread;
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort();

    static MinuteClock clock;
    SetCreatureServices(&clock);
    const ScopedCreatureFactory creatures;
    EntityMgr manager;
    auto* soldier =
        static_cast<SoldierEntity*>(manager.CreateEntity(1, 1, 0, Entity::kTypeSoldier));
    Creature& creature = *Creature::Of(soldier);
    creature.GetData().SetMaxHitPoints(50.0f);
    creature.GetData().AddHitPoints(50.0f);
    EffectMgr& effects = creature.GetData().GetEffectMgr();
    effects.ApplyItemEffects(soldier, &list);
    effects.ApplyEffectList(&list, true);
    effects.ApplyEffectList(&list, false);
    for (int minute = 0; minute < 5; ++minute)
        effects.Update();
    effects.SumDamageBonus(soldier);
    const std::string running = Stored(effects);
    EffectMgr rebound(soldier);
    FuzzInput saved(reinterpret_cast<const uint8_t*>(running.data()), running.size());
    if (!rebound.Load(saved) || Stored(rebound) != running)
        std::abort();
    effects.RemoveUnequipEffects(&list);
    SetCreatureServices(nullptr);
    return 0;
}
