#pragma once
// Where the script machines of the region, the map objects and the soldiers come from.
// The plain one makes engine machines that run the program but know no natives; the
// game's scripting installs its own at set-up.

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
