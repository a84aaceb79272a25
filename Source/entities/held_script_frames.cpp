#include "Source/entities/held_script_frames.h"

#include "Source/entities/script_machine.h"

bool HeldScriptFrames::Hold(int slot, uint32_t frameMs) {
    // As the machine's timer takes it.
    const int ms = static_cast<int>(frameMs);
    if (ms < 0 || ms > m_allowanceMs[slot])
        return false;
    m_allowanceMs[slot] -= ms;
    m_heldMs[slot] = (m_heldMs[slot] < 0 ? 0 : m_heldMs[slot]) + ms;
    m_fired &= static_cast<uint8_t>(~(1u << slot));
    return true;
}

ScriptMachine& HeldScriptFrames::Release(int slot, ScriptMachine& machine) {
    if (m_heldMs[slot] >= 0)
        machine.CountQuietMs(m_heldMs[slot]);
    m_heldMs[slot] = -1;
    m_allowanceMs[slot] = -1;
    return machine;
}

void HeldScriptFrames::Learn(int slot, const ScriptMachine& machine) {
    m_allowanceMs[slot] = machine.QuietMs();
    if (machine.HasFired())
        m_fired |= static_cast<uint8_t>(1u << slot);
    else
        m_fired &= static_cast<uint8_t>(~(1u << slot));
}
