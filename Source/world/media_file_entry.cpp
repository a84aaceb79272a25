#include "Source/world/media_file_entry.h"

void MediaFileEntry::Reset() {
    SetName("");
}

void MediaFileEntry::SetName(const Stringc& name) {
    m_name = name;
    m_done = false;
    m_failed = false;
}

void MediaFileEntry::RecordConversion(bool succeeded) {
    m_done = true;
    m_failed = !succeeded;
}
