#pragma once
// The player's journal: topics, each with a text, and notes filed under a topic. Scripts
// add and close them; the quest log shows them; a new game clears them; the player data
// stores them. Keys compare without regard to case, and an entry is never removed, only
// closed.
//
// Stored form: the current topic (Stringc); i32 topic count, the topics; i32 note count,
// the notes (LogEntry each, the used slots in slot order).

#include "Library/core/mem_mgr.h"
#include "Library/core/stringc.h"
#include "Source/world/log_entry.h"

class InfoPanel;
class Stream;

class LogMgr {
public:
    static constexpr int kListCapacity = 50; // each list grows by as many when full

    LogMgr();
    LogMgr(const LogMgr&) = delete;
    LogMgr& operator=(const LogMgr&) = delete;
    virtual ~LogMgr() = default;

    void Clear(); // no current topic, both lists empty

    const LogEntry* Find(const Stringc& key) const; // null when no topic has the key
    const LogEntry* FindPair(const Stringc& key1, const Stringc& key2) const;
    // A topic or note that exists already is left as it is, its text and state included.
    bool AddEntry(const Stringc& key, const Stringc& text);
    bool AddPairEntry(const Stringc& key1, const Stringc& key2);
    bool ClearEntry(const Stringc& key); // false when there is no such topic
    bool ClearPairEntry(const Stringc& key1, const Stringc& key2);
    void SetText(const Stringc& key) { m_currentTopic = key; } // the topic the log shows
    const Stringc& GetCurrentTopic() const { return m_currentTopic; }
    int CountTopics() const { return m_topics.CountUsed(); }
    int CountNotes() const { return m_notes.CountUsed(); }
    int GetTopicCapacity() const { return m_topics.GetCapacity(); }

    // The topic keys (line id: slot), then the current topic's text and its notes; false,
    // touching neither of the other panels, when there is no topic.
    bool FillPanelByKey(InfoPanel& topics, InfoPanel& text, InfoPanel& notes) const;
    // The topic's text as line 0; false when the topic does not exist.
    bool FillPanelForEntry(InfoPanel& panel, const Stringc& key) const;
    // The topic's notes (line id: slot); true when there is at least one.
    bool FillList(InfoPanel& panel, const Stringc& key) const;

    // A journal that cannot be read whole leaves this one as it was.
    bool Save(Stream& stream) const;
    bool Load(Stream& stream);

private:
    using EntryList = MemMgr<LogEntry>;

    static LogEntry* FindIn(const EntryList& list, const Stringc& first, const Stringc* second);
    static void Add(EntryList& list, const Stringc& first, const Stringc& second);
    // Closed entries show highlighted.
    static void AddLine(InfoPanel& panel, int id, const LogEntry& entry, const Stringc& text);

    EntryList m_topics;
    EntryList m_notes;
    Stringc m_currentTopic;
};

// Made by the game's set-up; cleared by a new game.
extern LogMgr* g_logMgr;
