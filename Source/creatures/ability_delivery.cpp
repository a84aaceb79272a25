#include "Source/creatures/ability_delivery.h"

namespace {

AbilityDelivery* g_abilityDelivery = nullptr;

} // namespace

AbilityDelivery* GetAbilityDelivery() {
    return g_abilityDelivery;
}

void SetAbilityDelivery(AbilityDelivery* delivery) {
    g_abilityDelivery = delivery;
}
