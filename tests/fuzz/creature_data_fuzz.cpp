// Stored creature records as definitions and saves hold them, each then run for a few
// frames, levelled up and read through every rule that takes its values.

#include "Source/creatures/creature_data.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_seeds.h"

#include <cstdlib>

namespace {

std::string Stored(const CreatureData& data) {
    return WrittenBytes([&](Stream& stream) { return data.Save(stream); });
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    CreatureData fighter(nullptr);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        fighter.SetAttribute(attribute, static_cast<int16_t>(4 + attribute));
    fighter.SetLevel(3);
    fighter.SetSkillTagged(5, true);
    fighter.ComputeDerivedStats();
    fighter.SetDamageResistance(kDamageLaser, kBonus, 25);
    fighter.SetText(0, "A fighter");
    fighter.SetScript(CreatureData::kIdleScript, "idle");
    fighter.SetDeathVariableScope("Town");
    fighter.GetColourMod(0).StartFadeIn();
    fighter.AddTimer(1.5f, true);
    return {Stored(fighter), Stored(CreatureData(nullptr))};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    CreatureData creature(nullptr);
    if (!creature.Load(input))
        return 0;
    const std::string stored = Stored(creature);
    FuzzInput again(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    CreatureData reread(nullptr);
    if (!reread.Load(again) || Stored(reread) != stored)
        std::abort(); // a record reads back as itself

    for (const uint32_t frameMs : {0u, 33u, 100000u})
        creature.Update(frameMs);
    creature.AddTimer(2.0f, true);
    creature.GetTimerPercent();
    creature.GetHitPointsPercent();
    creature.AddHitPoints(-1.0f);
    for (uint32_t type = 1; type <= 4096; type <<= 1) {
        creature.GetDamageResistance(type);
        creature.GetDamageThreshold(type);
        creature.GetOtherResistance(type);
    }
    creature.LevelUp();
    creature.AutoSpendSkillPoints();
    creature.ComputeDerivedStats();
    for (int skill = -1; skill <= CreatureData::kSkillCount; ++skill)
        creature.GetSkill(skill);
    return 0;
}
