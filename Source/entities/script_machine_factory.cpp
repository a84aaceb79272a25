#include "Source/entities/script_machine_factory.h"

#include "LibraryScriptCompiler/script_func_header.h"
#include "Source/entities/script_machine.h"

#include <cstdio>

namespace {

// What entities hold while no game scripting is installed: a machine that never has a
// program, so it refuses every script and drops every event.
class NoScriptMachine : public ScriptMachine {
public:
    bool LoadScript(const Stringc& path) override {
        std::fprintf(stderr, "No script machine is installed to run %s\n", path.c_str());
        return false;
    }
    void Reset() override {}
    bool Update(uint32_t) override { return false; }
    bool HasFired() const override { return false; }
    void SetPeriod(int) override {}
    void ClearActions() override {}
    void ClearEvents() override {}
    void SetKeepOwnerCommand(bool) override {}
    void PostEvent(const ScriptFuncHeader&) override {}
};

const ScriptMachineFactory g_plainFactory;
const ScriptMachineFactory* g_installedFactory = nullptr;

} // namespace

std::unique_ptr<ScriptMachine> ScriptMachineFactory::Create(Entity* /*owner*/) const {
    return std::make_unique<NoScriptMachine>();
}

const ScriptMachineFactory& GetScriptMachineFactory() {
    return g_installedFactory ? *g_installedFactory : g_plainFactory;
}

void SetScriptMachineFactory(const ScriptMachineFactory* factory) {
    g_installedFactory = factory;
}
