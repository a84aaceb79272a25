#pragma once
// The call records of a compiled script, addressed by the CALL instructions' index.

#include "LibraryScriptCompiler/script_func_header.h"

#include <vector>

class FuncHeaderTable {
public:
    int Add(const ScriptFuncHeader& header);                                 // a copy; its index
    const ScriptFuncHeader& At(int index) const { return m_headers[index]; } // unchecked
    ScriptFuncHeader& At(int index) { return m_headers[index]; }
    int Count() const { return static_cast<int>(m_headers.size()); }

    // Stored form: i32 count, then count call records. A damaged record changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    std::vector<ScriptFuncHeader> m_headers;
};
