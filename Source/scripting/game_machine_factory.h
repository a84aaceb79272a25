#pragma once
// Makes every entity's script machine a game machine for its owner. The game installs one
// at set-up; tools and tests that run scripts install their own for as long as they need it.

#include "Source/entities/script_machine_factory.h"

class GameMachineFactory : public ScriptMachineFactory {
public:
    std::unique_ptr<ScriptMachine> Create(Entity* owner) const override;
};

// Installed for its lifetime, the one before it installed again afterwards.
class ScopedGameMachineFactory {
public:
    ScopedGameMachineFactory();
    ~ScopedGameMachineFactory();
    ScopedGameMachineFactory(const ScopedGameMachineFactory&) = delete;
    ScopedGameMachineFactory& operator=(const ScopedGameMachineFactory&) = delete;

private:
    GameMachineFactory m_factory;
    const ScriptMachineFactory* m_previous;
};
