#pragma once
// A script machine over the engine's virtual machine: it runs the program on posted events
// and on its timer, and its calls of natives do nothing but succeed.

#include "LibraryScriptCompiler/virtual_machine.h"
#include "Source/entities/script_machine.h"

class VmScriptMachine : public ScriptMachine {
public:
    bool LoadScript(const Stringc& path) override { return m_machine.LoadScript(path, true); }
    void Reset() override { m_machine.Reset(true); }
    bool Update(uint32_t frameMs) override { return m_machine.Update(frameMs); }
    bool HasFired() const override { return m_machine.HasFired(); }
    void SetPeriod(int periodMs) override { m_machine.SetPeriod(periodMs); }
    void ClearActions() override { m_machine.ClearActions(); }
    void ClearEvents() override { m_machine.ClearEvents(); }
    void PostEvent(int code) override;
    void PostEntityEvent(int code, const EntityRef& entity) override;
    void PostNumberEvent(int code, double number) override;
    void PostEntityNumberEvent(int code, const EntityRef& entity, double number) override;
    void PostTextEvent(int code, const Stringc& text) override;

    const VirtualMachine& GetMachine() const { return m_machine; }

private:
    VirtualMachine m_machine;
};
