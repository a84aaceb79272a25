#include "LibraryScriptCompiler/func_header_table.h"

#include "Library/core/stream.h"

#include <cstdio>

int FuncHeaderTable::Add(const ScriptFuncHeader& header) {
    m_headers.push_back(header);
    return Count() - 1;
}

bool FuncHeaderTable::Read(Stream& stream) {
    int32_t count = 0;
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(count))
        return false;
    if (count < 0 || count > stream.Remaining() / ScriptFuncHeader::kFixedBytes) {
        std::fprintf(stderr, "Script: %d call records cannot lie in the %ld bytes left\n", count,
                     stream.Remaining());
        return false;
    }
    std::vector<ScriptFuncHeader> headers(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (!headers[static_cast<size_t>(i)].Read(stream)) {
            std::fprintf(stderr, "Script: call record %d of %d is damaged or cut short\n", i,
                         count);
            return false;
        }
    }
    m_headers.swap(headers);
    return true;
}

bool FuncHeaderTable::Write(Stream& stream) const {
    if (!stream.WriteValue(int32_t{Count()}))
        return false;
    for (const ScriptFuncHeader& header : m_headers)
        if (!header.Write(stream))
            return false;
    return true;
}
