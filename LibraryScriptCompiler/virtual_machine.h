#pragma once
// A script machine: it owns one compiled program and decides when to run it (once per
// period of its run timer, at once when an event has been posted, and never on the timer
// while a latent action it started is in progress) and drives, frame by frame, the latent
// actions a run queued. It knows no natives: a derived machine answers CallAction and
// UpdateAction.

#include "Library/core/queue.h"
#include "Library/core/random_timer.h"
#include "Library/core/stack.h"
#include "Library/core/stringc.h"
#include "LibraryScriptCompiler/func_header_table.h"
#include "LibraryScriptCompiler/instruction_list.h"
#include "LibraryScriptCompiler/script_func_header.h"
#include "LibraryScriptCompiler/value_table.h"

#include <cstdint>

class Stream;

// Results of CallAction and UpdateAction. A call of an event test or a query returns the
// value to push instead.
enum ActionResult : int32_t {
    kActionFailed = 0,
    kActionDone = 1,
    kActionRunning = 2, // keep updating in this frame
    kActionStarted = 3, // the first update comes in the next frame
};

class VirtualMachine {
public:
    static constexpr int kRunPeriodMs = 500;
    static constexpr int kActionQueueCapacity = 10;

    VirtualMachine();
    VirtualMachine(const VirtualMachine&) = delete;
    VirtualMachine& operator=(const VirtualMachine&) = delete;
    virtual ~VirtualMachine();

    // One run of the program. A run asked for while this machine's own run is in progress
    // (from a native it called) does nothing: runs do not nest on one machine.
    virtual void Execute();
    // Starts and drives the queued latent actions. Asked for again from inside an action's
    // call on this machine it does nothing, so the action's record stays as it was.
    virtual void UpdateActions();
    virtual int32_t CallAction(ScriptFuncHeader& header); // kActionDone here
    virtual int32_t UpdateAction();                       // kActionDone here
    // The program goes; with all, also the timer's phase, the events and the actions.
    virtual void Reset(bool all);
    virtual void ClearActions();
    virtual void ClearEvents();
    // Once per frame with the frame's milliseconds: runs the program on a posted event or
    // on the timer (without an action in progress), then drives the actions. Returns
    // whether an action was current or queued before they were driven; false, doing
    // nothing more, without a program.
    virtual bool Update(uint32_t frameMs);
    // Resets the machine, then loads the compiled script at path from the general archive
    // (while the data paths say resource files are in use) or the loose file; the name
    // becomes the path's file name. False, with a message, and no program, when it fails.
    virtual bool LoadScript(const Stringc& path, bool all);
    // Stored form (".scr"): Stringc name, the instruction list, the call record table. A
    // program that cannot be read or that fails the verifier is refused, with a message,
    // and leaves the machine with no program and its name unchanged.
    virtual bool Load(Stream& stream);
    virtual bool Save(Stream& stream) const;

    void PostEvent(const ScriptFuncHeader& header); // a copy; dropped without a program
    // A copy joins the latent actions, as if this machine's own run had queued it.
    void QueueAction(const ScriptFuncHeader& header) { m_actionQueue.PushCopy(header); }
    void SetPeriod(int periodMs) { m_runTimer.SetPeriod(periodMs); }
    bool HasFired() const { return m_fired; } // the timer came round in the last Update
    bool IsBusy() const { return m_hasCurrentAction || m_actionQueue.Count() > 0; }
    // The milliseconds of frames this machine can be given from now on before an Update
    // would do more than count them on its timer: with no event, no action and no run under
    // way, the time before the timer comes round, less one; -1 when the next may do more.
    int QuietMs() const;
    // Counts frames of that many milliseconds in all, within what QuietMs allowed, as their
    // Updates would have: the timer moves on and has not fired in the last of them.
    void CountQuietMs(int ms);
    // Copies of another program replace this one; refused, with a message, as Load refuses.
    bool SetProgram(const FuncHeaderTable& headers, const InstructionList& instructions);
    void ResetRun(); // the value stack empty, every value slot free
    void ClearProgram();

    const Stringc& GetName() const { return m_name; }
    void SetName(const Stringc& name) { m_name = name; }
    bool HasProgram() const { return m_instructions.Count() > 0; }
    const InstructionList& GetInstructions() const { return m_instructions; }
    const FuncHeaderTable& GetHeaders() const { return m_headers; }

protected:
    ValueTable& Values() { return m_values; }
    Stack<int32_t>& ValueStack() { return m_valueStack; }
    Stack<ScriptFuncHeader>& Events() { return m_events; } // top first: the latest event
    Queue<ScriptFuncHeader>& ActionQueue() { return m_actionQueue; }
    const ScriptFuncHeader* GetCurrentAction() const {
        return m_hasCurrentAction ? &m_currentAction : nullptr;
    }

private:
    struct RunState;

    bool Take(InstructionList& instructions, FuncHeaderTable& headers, const char* source);
    bool LoadFrom(Stream& stream, const char* source);
    void DriveActions();
    bool Perform(const ScriptInstruction& instruction, RunState& run); // false ends the run
    void Call(ScriptFuncHeader& header, RunState& run);
    bool PopValue(int32_t& slot); // false on an empty stack
    void PushValue(int32_t slot) { *m_valueStack.Push() = slot; }
    // A finished or failed action goes (a failure takes the queue with it); true when the
    // next action may start.
    bool Settle(int32_t result, const char* failure);
    void DropCurrentAction();

    // What a frame without a run or an action reads comes first, side by side: a crowd's
    // machines are updated every frame, most of them with nothing to do.
    RandomTimer m_runTimer;
    bool m_fired = false;
    bool m_hasCurrentAction = false;
    bool m_eventPending = false;
    bool m_running = false;
    bool m_drivingActions = false;
    InstructionList m_instructions;
    Queue<ScriptFuncHeader> m_actionQueue;
    Stringc m_name;
    FuncHeaderTable m_headers;
    ValueTable m_values;
    // An owned copy: an action may queue others, which would reuse the queue's entry.
    ScriptFuncHeader m_currentAction;
    uint32_t m_actionSerial = 0;  // changes whenever the current action is taken or dropped
    uint32_t m_programSerial = 0; // changes whenever the program goes
    Stack<ScriptFuncHeader> m_events;
    // Each machine's own: a run that makes another machine run keeps its values.
    Stack<int32_t> m_valueStack;
};
