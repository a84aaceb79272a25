#include "Library/files/res_file_entry.h"

#include "Library/core/stream.h"

void ResFileEntry::Set(const Stringc& name, uint32_t offset) {
    m_name = name.c_str();
    m_offset = offset;
}

bool ResFileEntry::Read(Stream& stream) {
    return m_name.Read(stream) && stream.ReadValue(m_offset);
}

bool ResFileEntry::Write(Stream& stream) const {
    return m_name.Write(stream) && stream.WriteValue(m_offset);
}
