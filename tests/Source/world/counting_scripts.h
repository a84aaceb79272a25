#pragma once
// Script machines for every entity made while it lives that count their updates, to see how
// often a frame runs the region's scripts.

#include "Source/entities/script_machine_factory.h"
#include "Source/scripting/game_virtual_machine.h"

#include <memory>

namespace testsupport {

// The game's machine, counting its updates.
class CountingMachine : public GameVirtualMachine {
public:
    CountingMachine(Entity* owner, int& updates) : GameVirtualMachine(owner), m_updates(updates) {}
    bool Update(uint32_t frameMs) override {
        ++m_updates;
        return GameVirtualMachine::Update(frameMs);
    }
    // Never quiet: a soldier would count a quiet machine's frames for it, uncounted here.
    int QuietMs() const override { return -1; }

private:
    int& m_updates;
};

class CountingScripts : public ScriptMachineFactory {
public:
    CountingScripts() : m_previous(&GetScriptMachineFactory()) { SetScriptMachineFactory(this); }
    ~CountingScripts() override { SetScriptMachineFactory(m_previous); }
    std::unique_ptr<ScriptMachine> Create(Entity* owner) const override {
        return std::make_unique<CountingMachine>(owner, updates);
    }
    mutable int updates = 0;

private:
    const ScriptMachineFactory* m_previous;
};

} // namespace testsupport
