#pragma once
// Creatures with items on the meadow: the creatures' item rules installed, item templates
// written where the game loads them, and stand-ins for the game clock, the message log and
// the delivery of ability uses that record what they are asked.

#include "Library/files/data_paths.h"
#include "Library/files/date_time.h"
#include "Source/creatures/ability_data.h"
#include "Source/creatures/ability_delivery.h"
#include "Source/creatures/creature_item_rules.h"
#include "Source/creatures/creature_services.h"
#include "Source/creatures/item_ability.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"
#include "creature_world.h"
#include "scripted_random.h"
#include "tools/templatewriter/template_writer.h"

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

class FakeServices : public CreatureServices {
public:
    const DateTime& GetDateTime() const override { return now; }
    double GetElapsedSeconds() const override { return seconds; }
    double GetElapsedRounds() const override { return seconds * 0.1; }
    double GetElapsedMinutes() const override { return seconds / 60.0; }
    double GetElapsedHours() const override { return seconds / 3600.0; }
    void AddMessage(const char* text) override { messages.push_back(text); }

    DateTime now;
    double seconds = 0.0; // what the last tick passed
    std::vector<std::string> messages;
};

// Each call is noted by its kind and answers `result`; a fired use is finished at once
// when asked to, as its projectile would finish it.
class FakeDelivery : public AbilityDelivery {
public:
    bool Fire(int projectileKind, AbilityData& use) override {
        ammunitionDamage = use.AmmunitionDamage();
        if (finish)
            use.Finish();
        return Note("fire " + std::to_string(projectileKind));
    }
    bool CastSpell(int, int, AbilityData&) override { return Note("cast"); }
    bool ApplyToTarget(AbilityData&, Entity*) override { return Note("apply"); }
    bool ApplyToTargetByMode(AbilityData&) override { return Note("by mode"); }
    bool ApplyToNearestInArea(AbilityData&) override { return Note("nearest"); }
    bool ApplyInRadius(AbilityData&) override { return Note("radius"); }
    void SetAreaShape(const AbilityData&) override {}

    bool result = true;
    bool finish = false;
    int ammunitionDamage = -1;
    std::vector<std::string> calls;

private:
    bool Note(const std::string& call) {
        calls.push_back(call);
        return result;
    }
};

class ItemWorld : public CreatureWorld {
protected:
    using Fill = std::function<void(ItemEntity&)>;

    void SetUp() override {
        CreatureWorld::SetUp();
        g_dataPaths = &m_paths;
        SetCreatureServices(&m_services);
        SetAbilityDelivery(&m_delivery);
    }
    void TearDown() override {
        SetAbilityDelivery(nullptr);
        SetCreatureServices(nullptr);
        g_dataPaths = nullptr;
    }

    // A template of the class, named, with a stack limit of 50, filled.
    static void Define(const char* name, uint32_t itemClass, const Fill& fill = {}) {
        ASSERT_TRUE(TemplateWriter::Write(Entity::kTypeItem, name, [&](Entity& entity) {
            auto& item = static_cast<ItemEntity&>(entity);
            item.GetRef().Set(31, itemClass, 0, 0, 0, 0, 0);
            item.SetText(ItemEntity::kName, name);
            item.SetStackLimit(50);
            item.SetUnitWeight(2);
            if (fill)
                fill(item);
        }));
    }
    // "pistol": a weapon with a magazine of 30 rounds of the bullet type.
    static void DefinePistol(uint32_t bulletType) {
        Define("pistol", ItemEntity::kClassWeapon, [bulletType](ItemEntity& pistol) {
            ItemMagazine magazine;
            magazine.Define(1, bulletType, 30);
            pistol.AddMagazine(magazine);
            AddAbility(pistol, kAbilityMagazine, 1, 1);
        });
    }
    // A new pooled item of the template, in a stack of the quantity.
    ItemEntity* Make(const char* name, uint16_t quantity = 1) {
        auto* item = static_cast<ItemEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeItem));
        EXPECT_TRUE(item->LoadByName(name)) << name;
        item->SetStackSize(quantity);
        return item;
    }
    // A new current ability of the kind with the uses, applied to the target by its mode,
    // tuned further.
    static void AddAbility(ItemEntity& item, uint8_t kind, uint32_t uses = 1,
                           uint32_t ammunitionId = 0,
                           const std::function<void(ItemAbility&)>& tune = {}) {
        ItemAbility ability;
        ability.DefineUse(kind, 4, 0, true, ItemAbility::kUseByMode);
        ability.SetUses(uses, uses);
        ability.SetAmmunition(ammunitionId, 1);
        if (tune)
            tune(ability);
        ASSERT_TRUE(item.AddAbility(ability));
    }
    int Live(uint32_t itemClass = 0) const {
        int live = 0;
        for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeItem); ++slot) {
            const auto* item =
                static_cast<const ItemEntity*>(m_manager.GetEntity(Entity::kTypeItem, slot));
            live += m_manager.IsSlotUsed(Entity::kTypeItem, slot) &&
                    (itemClass == 0 || item->GetItemClass() == itemClass);
        }
        return live;
    }

    CreatureItemRules m_rules;
    FakeServices m_services;
    FakeDelivery m_delivery;
};

} // namespace testsupport
