#include "LibraryScriptCompiler/virtual_machine.h"

#include <cstdio>
#include <utility>

VirtualMachine::VirtualMachine() : m_runTimer(kRunPeriodMs), m_actionQueue(kActionQueueCapacity) {}

VirtualMachine::~VirtualMachine() = default;

int32_t VirtualMachine::CallAction(ScriptFuncHeader&) {
    return kActionDone;
}

int32_t VirtualMachine::UpdateAction() {
    return kActionDone;
}

void VirtualMachine::Reset(bool all) {
    ClearProgram();
    if (!all)
        return;
    m_runTimer.RandomisePhase();
    ClearEvents();
    ClearActions();
}

void VirtualMachine::ClearActions() {
    DropCurrentAction();
    m_actionQueue.Clear();
}

void VirtualMachine::ClearEvents() {
    m_eventPending = false;
    m_events.Clear();
}

bool VirtualMachine::Update(uint32_t frameMs) {
    m_fired = m_runTimer.Tick(static_cast<int>(frameMs));
    if (!HasProgram())
        return false;
    if (m_eventPending || (m_fired && !m_hasCurrentAction))
        Execute();
    const bool busy = IsBusy();
    UpdateActions();
    return busy;
}

int VirtualMachine::QuietMs() const {
    if (m_eventPending || IsBusy() || m_events.Count() > 0 || m_running || m_drivingActions)
        return -1;
    return m_runTimer.MsLeft() > 0 ? m_runTimer.MsLeft() - 1 : -1;
}

void VirtualMachine::CountQuietMs(int ms) {
    m_fired = m_runTimer.Tick(ms);
}

void VirtualMachine::PostEvent(const ScriptFuncHeader& header) {
    if (!HasProgram())
        return;
    m_eventPending = true;
    m_events.PushCopy(header);
}

void VirtualMachine::ResetRun() {
    m_valueStack.Clear();
    m_values.FreeAll();
}

void VirtualMachine::ClearProgram() {
    m_instructions = InstructionList();
    m_headers = FuncHeaderTable();
    m_values = ValueTable();
    ++m_programSerial;
}

void VirtualMachine::UpdateActions() {
    if (m_drivingActions)
        return;
    m_drivingActions = true;
    DriveActions();
    m_drivingActions = false;
}

// A call that dropped or replaced the current action (a run it caused cleared the actions)
// ends the frame's action work: its result belongs to an action that is gone.
void VirtualMachine::DriveActions() {
    for (;;) {
        if (!m_hasCurrentAction) {
            ScriptFuncHeader* next = m_actionQueue.Pop();
            if (next == nullptr)
                return;
            std::swap(m_currentAction, *next);
            m_hasCurrentAction = true;
            const uint32_t serial = ++m_actionSerial;
            const int32_t result = CallAction(m_currentAction);
            if (serial != m_actionSerial || result == kActionStarted)
                return;
            if (result == kActionFailed || result == kActionDone) {
                if (!Settle(result, "ACTION CALL FAILED"))
                    return;
                continue;
            }
        }
        const uint32_t serial = m_actionSerial;
        const int32_t result = UpdateAction();
        if (serial != m_actionSerial || (result != kActionFailed && result != kActionDone))
            return;
        if (!Settle(result, "ACTION UPDATE FAILED"))
            return;
    }
}

bool VirtualMachine::Settle(int32_t result, const char* failure) {
    if (result == kActionFailed) {
        std::fprintf(stderr, "%s: %s: %d\n", m_name.c_str(), failure, m_currentAction.GetId());
        m_actionQueue.Clear();
    }
    DropCurrentAction();
    return result != kActionFailed;
}

void VirtualMachine::DropCurrentAction() {
    m_hasCurrentAction = false;
    ++m_actionSerial;
}
