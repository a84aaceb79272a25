#include "Source/scripting/game_machine_factory.h"

#include "Source/scripting/game_virtual_machine.h"

std::unique_ptr<ScriptMachine> GameMachineFactory::Create(Entity* owner) const {
    return std::make_unique<GameVirtualMachine>(owner);
}

ScopedGameMachineFactory::ScopedGameMachineFactory() : m_previous(&GetScriptMachineFactory()) {
    SetScriptMachineFactory(&m_factory);
}

ScopedGameMachineFactory::~ScopedGameMachineFactory() {
    SetScriptMachineFactory(m_previous);
}
