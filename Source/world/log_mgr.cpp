#include "Source/world/log_mgr.h"

#include "Library/core/counted_records.h"
#include "Library/core/stream.h"
#include "Library/interface/info_panel.h"

#include <vector>

LogMgr* g_logMgr = nullptr;

LogMgr::LogMgr() : m_topics(kListCapacity), m_notes(kListCapacity) {}

void LogMgr::Clear() {
    m_currentTopic = "";
    m_topics.FreeAll();
    m_notes.FreeAll();
}

LogEntry* LogMgr::FindIn(const EntryList& list, const Stringc& first, const Stringc* second) {
    const int slot = list.FindUsed([&](const LogEntry& entry) {
        return entry.first == first && (second == nullptr || entry.second == *second);
    });
    return slot < 0 ? nullptr : list.Get(slot);
}

const LogEntry* LogMgr::Find(const Stringc& key) const {
    return FindIn(m_topics, key, nullptr);
}

const LogEntry* LogMgr::FindPair(const Stringc& key1, const Stringc& key2) const {
    return FindIn(m_notes, key1, &key2);
}

// A reused slot's entry is filled afresh.
void LogMgr::Add(EntryList& list, const Stringc& first, const Stringc& second) {
    LogEntry* entry = list.Alloc();
    entry->first = first;
    entry->second = second;
    entry->active = 1;
}

bool LogMgr::AddEntry(const Stringc& key, const Stringc& text) {
    if (!Find(key))
        Add(m_topics, key, text);
    return true;
}

bool LogMgr::AddPairEntry(const Stringc& key1, const Stringc& key2) {
    if (!FindPair(key1, key2))
        Add(m_notes, key1, key2);
    return true;
}

bool LogMgr::ClearEntry(const Stringc& key) {
    LogEntry* entry = FindIn(m_topics, key, nullptr);
    if (entry)
        entry->active = 0;
    return entry != nullptr;
}

bool LogMgr::ClearPairEntry(const Stringc& key1, const Stringc& key2) {
    LogEntry* entry = FindIn(m_notes, key1, &key2);
    if (entry)
        entry->active = 0;
    return entry != nullptr;
}

void LogMgr::AddLine(InfoPanel& panel, int id, const LogEntry& entry, const Stringc& text) {
    panel.AddTextWithId(id, text.c_str());
    if (!entry.active)
        panel.Highlight(id);
}

bool LogMgr::FillPanelByKey(InfoPanel& topics, InfoPanel& text, InfoPanel& notes) const {
    topics.Clear();
    for (int slot = 0; slot < m_topics.GetCount(); ++slot)
        if (m_topics.IsUsed(slot))
            AddLine(topics, slot, *m_topics.Get(slot), m_topics.Get(slot)->first);
    if (m_topics.CountUsed() == 0)
        return false;
    FillPanelForEntry(text, m_currentTopic);
    FillList(notes, m_currentTopic);
    return true;
}

bool LogMgr::FillPanelForEntry(InfoPanel& panel, const Stringc& key) const {
    panel.Clear();
    const LogEntry* topic = Find(key);
    if (topic)
        AddLine(panel, 0, *topic, topic->second);
    return topic != nullptr;
}

bool LogMgr::FillList(InfoPanel& panel, const Stringc& key) const {
    panel.Clear();
    bool added = false;
    for (int slot = 0; slot < m_notes.GetCount(); ++slot) {
        const LogEntry* note = m_notes.Get(slot);
        if (m_notes.IsUsed(slot) && note->first == key) {
            AddLine(panel, slot, *note, note->second);
            added = true;
        }
    }
    return added;
}

bool LogMgr::Save(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk && m_currentTopic.Write(stream) &&
           WriteUsedRecords(stream, m_topics) && WriteUsedRecords(stream, m_notes);
}

bool LogMgr::Load(Stream& stream) {
    Stringc current;
    std::vector<LogEntry> topics;
    std::vector<LogEntry> notes;
    if (stream.CheckOpen() != kStreamOk || !current.Read(stream) ||
        !ReadCountedRecords(stream, LogEntry::kMinStoredBytes, "Journal topics", topics) ||
        !ReadCountedRecords(stream, LogEntry::kMinStoredBytes, "Journal notes", notes))
        return false;
    Clear();
    m_currentTopic = current;
    for (const LogEntry& topic : topics)
        *m_topics.Alloc() = topic;
    for (const LogEntry& note : notes)
        *m_notes.Alloc() = note;
    return true;
}
