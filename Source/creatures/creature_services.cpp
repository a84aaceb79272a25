#include "Source/creatures/creature_services.h"

namespace {

CreatureServices* g_creatureServices = nullptr;

} // namespace

CreatureServices* GetCreatureServices() {
    return g_creatureServices;
}

void SetCreatureServices(CreatureServices* services) {
    g_creatureServices = services;
}
