#include "Library/scripts/global_timer_table.h"

#include "Library/core/stream.h"

#include <vector>

GlobalTimerTable* g_gameTimeTimers = nullptr;
GlobalTimerTable* g_realTimeTimers = nullptr;

namespace {

constexpr uint32_t kMsPerSecond = 1000;

} // namespace

// The deadline is kept in the entry's 32 bits and wraps with the clock.
void GlobalTimerTable::Start(const Stringc& scope, const Stringc& name, int seconds) {
    const uint32_t delay = static_cast<uint32_t>(seconds < 0 ? 0 : seconds) * kMsPerSecond;
    const auto deadline = static_cast<int32_t>(m_clock + delay);
    GlobalEntry* entry = m_table.Find(scope, name);
    if (entry != nullptr)
        entry->SetValue(deadline);
    else
        m_table.Create(scope, name, deadline);
}

bool GlobalTimerTable::IsExpired(const Stringc& scope, const Stringc& name) {
    const GlobalEntry* entry = m_table.Find(scope, name);
    return entry != nullptr && static_cast<uint32_t>(entry->GetValue()) < m_clock;
}

bool GlobalTimerTable::IsRunning(const Stringc& scope, const Stringc& name) {
    const GlobalEntry* entry = m_table.Find(scope, name);
    return entry != nullptr && static_cast<uint32_t>(entry->GetValue()) >= m_clock;
}

void GlobalTimerTable::Reset() {
    m_table.Reset();
    m_clock = 0;
}

bool GlobalTimerTable::ReadCounter(Stream& stream) {
    std::vector<GlobalEntry> entries;
    uint32_t clock = 0;
    if (!GlobalTable::ReadEntries(stream, entries) || !stream.ReadValue(clock))
        return false;
    m_table.Replace(entries);
    m_clock = clock;
    return true;
}

bool GlobalTimerTable::WriteCounter(Stream& stream) const {
    return m_table.Save(stream) && stream.WriteValue(m_clock);
}
