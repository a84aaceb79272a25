#include "LibraryScriptCompiler/func_header_table.h"

#include "Library/core/counted_records.h"

int FuncHeaderTable::Add(const ScriptFuncHeader& header) {
    m_headers.push_back(header);
    return Count() - 1;
}

bool FuncHeaderTable::Read(Stream& stream) {
    return ReadCountedRecords(stream, ScriptFuncHeader::kFixedBytes, "Script call records",
                              m_headers);
}

bool FuncHeaderTable::Write(Stream& stream) const {
    return WriteCountedRecords(stream, m_headers);
}
