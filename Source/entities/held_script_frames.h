#pragma once
// The frames of a soldier's script slots whose machines have nothing to do but count them
// on their run timers. A crowd's machines are quiet nearly every frame, and each lives
// apart: the frames are counted here instead, and a machine is only reached when its
// timer is due or anything else asks for it, and then given them at once first.

#include <cstdint>

class ScriptMachine;

class HeldScriptFrames {
public:
    static constexpr int kSlots = 5;

    // True when the slot's frame is counted here: its machine would only have counted it.
    bool Hold(int slot, uint32_t frameMs);
    // The slot's machine, given the frames held for it; until Learn it is not held again.
    ScriptMachine& Release(int slot, ScriptMachine& machine);
    // After the machine's own Update: how long it may be left alone, and whether it fired.
    void Learn(int slot, const ScriptMachine& machine);
    // Known to have no event and no action (so clearing them would change nothing).
    bool IsQuiet(int slot) const { return m_allowanceMs[slot] >= 0; }
    // Whether its timer came round in the slot's last frame, held or not.
    bool HasFired(int slot) const { return (m_fired >> slot) & 1u; }
    // Whether its timer may be due within a frame of frameMs: worth fetching ahead.
    bool MayBeDue(int slot, uint32_t frameMs) const {
        return m_allowanceMs[slot] < static_cast<int64_t>(frameMs);
    }

private:
    int32_t m_allowanceMs[kSlots] = {-1, -1, -1, -1, -1}; // -1: not known to be quiet
    int32_t m_heldMs[kSlots] = {-1, -1, -1, -1, -1};      // -1: no frame held
    uint8_t m_fired = 0;
};
