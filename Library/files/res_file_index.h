#pragma once
// An archive's entries by name, ignoring case: open addressing over a table of hashes and
// entries, so a lookup builds no string and allocates nothing. Of two entries of one name
// the first added is found.

#include <cstdint>
#include <vector>

class ResFileEntry;

class ResFileIndex {
public:
    void Clear();
    void Add(const ResFileEntry* entry);
    // The entry of the name as DataFileName gives it for path.
    const ResFileEntry* FindPath(const char* path) const;
    const ResFileEntry* FindName(const char* name) const; // a name already normalised

private:
    struct Slot {
        uint32_t hash;
        const char* name;          // the entry's, read without reaching the entry
        const ResFileEntry* entry; // null: free
    };
    // CharOf(i): the i-th character of the lower-cased name, NUL at its end.
    template <class CharOf> const ResFileEntry* Find(CharOf charOf) const;
    void Grow();

    std::vector<Slot> m_slots; // a power of two long, at most half of them used
    std::size_t m_count = 0;
};
