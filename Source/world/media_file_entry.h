#pragma once
// One file the first-run converter has to turn into the form the game loads, and how
// that went.

#include "Library/core/stringc.h"

class MediaFileEntry {
public:
    MediaFileEntry() = default;

    void Reset();                      // no name, nothing recorded
    void SetName(const Stringc& name); // and forgets what was recorded
    void RecordConversion(bool succeeded);

    const Stringc& GetName() const { return m_name; }
    bool IsDone() const { return m_done; }
    bool HasFailed() const { return m_failed; }

private:
    Stringc m_name;
    bool m_done = false;
    bool m_failed = false;
};
