#pragma once
// One directory entry of a resource archive: the normalised name and where its packed
// block starts.

#include "Library/core/stringc.h"

#include <cstdint>

class Stream;

class ResFileEntry {
public:
    virtual ~ResFileEntry() = default;

    void Set(const Stringc& name, uint32_t offset);
    const Stringc& GetName() const { return m_name; }
    uint32_t GetOffset() const { return m_offset; }

    // Stored form: the name as a Stringc, then the u32 offset.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    Stringc m_name;
    uint32_t m_offset = 0;
};
