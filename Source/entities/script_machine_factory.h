#pragma once
// Where the script machines of the region, the map objects and the soldiers come from.
// The plain one makes machines that refuse every script; the game's scripting installs its
// own at set-up, and tools and tests that run scripts install it for as long as they need it.

#include <memory>

class Entity;
class ScriptMachine;

class ScriptMachineFactory {
public:
    virtual ~ScriptMachineFactory() = default;
    virtual std::unique_ptr<ScriptMachine> Create(Entity* owner) const; // owner may be null
};

// Never null: the plain factory unless another was installed.
const ScriptMachineFactory& GetScriptMachineFactory();
void SetScriptMachineFactory(const ScriptMachineFactory* factory); // null: the plain one again
