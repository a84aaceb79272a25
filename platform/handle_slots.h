#pragma once
// Integer handles for numbered slots: the slot in the low bits and the slot's
// generation above them, so a handle kept past its slot's reuse no longer matches.

#include <vector>

class HandleSlots {
public:
    static constexpr int kMaxSlots = 4096;

    void Resize(int count); // count <= kMaxSlots; the slots kept keep their handles
    int Count() const { return static_cast<int>(m_generations.size()); }

    int Issue(int slot);         // a fresh handle; earlier ones of the slot go stale
    void Revoke(int slot);       // no handle of the slot matches any more
    int Current(int slot) const; // -1 when the slot has no live handle
    int Slot(int handle) const;  // -1 for -1, a stale handle or one from elsewhere

private:
    static constexpr int kSlotBits = 12;
    static constexpr int kMaxGeneration = 0x7FFFFFFF >> kSlotBits;

    std::vector<int> m_generations; // 0: no live handle
    std::vector<int> m_lastIssued;  // the generation to follow, kept across revokes
};
