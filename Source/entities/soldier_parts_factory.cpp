#include "Source/entities/soldier_parts_factory.h"

#include "Source/entities/creature_commands.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/speech_bubble.h"

namespace {

const SoldierPartsFactory g_plainFactory;
const SoldierPartsFactory* g_installedFactory = nullptr;

} // namespace

std::unique_ptr<CreatureParts>
SoldierPartsFactory::CreateCreature(SoldierEntity& /*soldier*/) const {
    return nullptr;
}

std::unique_ptr<CreatureCommands>
SoldierPartsFactory::CreateBehaviour(SoldierEntity& /*soldier*/) const {
    return nullptr;
}

std::unique_ptr<SpeechBubble> SoldierPartsFactory::CreateBubble(SoldierEntity& /*soldier*/) const {
    return std::make_unique<SpeechBubble>();
}

const SoldierPartsFactory& GetSoldierPartsFactory() {
    return g_installedFactory ? *g_installedFactory : g_plainFactory;
}

void SetSoldierPartsFactory(const SoldierPartsFactory* factory) {
    g_installedFactory = factory;
}
