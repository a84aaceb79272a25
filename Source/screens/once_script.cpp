#include "Source/screens/once_script.h"

#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"

OnceScript::OnceScript() : m_machine(GetScriptMachineFactory().Create(nullptr)) {
    m_machine->Reset();
}

OnceScript::~OnceScript() = default;

bool OnceScript::Load(const Stringc& name) {
    if (name.Length() == 0)
        return false;
    return m_machine->LoadScript(CompiledScriptPath(name));
}

void OnceScript::Run() {
    m_machine->PostStartEvent();
    m_machine->Update(0);
}
