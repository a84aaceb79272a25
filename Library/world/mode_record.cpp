#include "Library/world/mode_record.h"

ModeRecord::ModeRecord(int id, ModeArg a1, ModeArg a2, ModeArg a3, ModeArg a4)
    : m_id(id), m_args{a1, a2, a3, a4} {}

ModeArg ModeRecord::GetArg(int index) const {
    return index >= 0 && index < kArgCount ? m_args[index] : 0;
}
