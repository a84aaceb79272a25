#include "Library/scripts/global_entry.h"

#include "Library/core/stream.h"
#include "Library/scripts/stored_text.h"

void GlobalEntry::Set(const Stringc& scope, const Stringc& name, int32_t value) {
    m_scope = scope;
    m_name = name;
    m_value = value;
}

bool GlobalEntry::Read(Stream& stream) {
    return ReadStoredText(stream, m_scope) && ReadStoredText(stream, m_name) &&
           stream.ReadValue(m_value);
}

bool GlobalEntry::Write(Stream& stream) const {
    return m_scope.Write(stream) && m_name.Write(stream) && stream.WriteValue(m_value);
}
