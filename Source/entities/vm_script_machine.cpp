#include "Source/entities/vm_script_machine.h"

#include "Library/files/data_paths.h"
#include "LibraryScriptCompiler/script_func_header.h"
#include "Source/entities/script_machine_factory.h"

namespace {

ScriptFuncHeader EventHeader(int code) {
    ScriptFuncHeader header;
    header.SetTypeAndId(kCallEventTest, code);
    return header;
}

const ScriptMachineFactory g_plainFactory;
const ScriptMachineFactory* g_installedFactory = nullptr;

} // namespace

void VmScriptMachine::PostEvent(int code) {
    m_machine.PostEvent(EventHeader(code));
}

void VmScriptMachine::PostEntityEvent(int code, const EntityRef& entity) {
    ScriptFuncHeader header = EventHeader(code);
    header.AddObject(entity);
    m_machine.PostEvent(header);
}

void VmScriptMachine::PostNumberEvent(int code, double number) {
    ScriptFuncHeader header = EventHeader(code);
    header.AddNumber(number);
    m_machine.PostEvent(header);
}

void VmScriptMachine::PostEntityNumberEvent(int code, const EntityRef& entity, double number) {
    ScriptFuncHeader header = EventHeader(code);
    header.AddNumber(number);
    header.AddObject(entity);
    m_machine.PostEvent(header);
}

void VmScriptMachine::PostTextEvent(int code, const Stringc& text) {
    ScriptFuncHeader header = EventHeader(code);
    header.AddString(text);
    m_machine.PostEvent(header);
}

std::unique_ptr<ScriptMachine> ScriptMachineFactory::Create(Entity* /*owner*/) const {
    return std::make_unique<VmScriptMachine>();
}

const ScriptMachineFactory& GetScriptMachineFactory() {
    return g_installedFactory ? *g_installedFactory : g_plainFactory;
}

void SetScriptMachineFactory(const ScriptMachineFactory* factory) {
    g_installedFactory = factory;
}

Stringc CompiledScriptPath(const Stringc& name) {
    Stringc baseName(name);
    baseName.StripExtension();
    const Stringc directory = g_dataPaths ? g_dataPaths->GetScriptDir() : Stringc();
    return directory + "/" + baseName + ".scr";
}
