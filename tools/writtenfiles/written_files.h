#pragma once
// What a content writer has written, each file's path with a hash of its bytes. Two writers
// that give one file different contents leave the last one's alone, and what was built for
// the first one's is then wrong, so such a second write is refused.

#include "Library/core/stringc.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class WrittenFiles {
public:
    // The file as it now lies on disk: false, with a message, when it was recorded before
    // with other bytes or cannot be read back.
    bool Record(const Stringc& path);
    // Every file under the root that no write recorded, sorted.
    std::vector<std::string> Unrecorded(const Stringc& root) const;
    void Clear() { m_hashes.clear(); }

    static WrittenFiles& Demo(); // the one every writer of the demo world records in

private:
    static std::string Key(const Stringc& path); // the file's own path, however it was named

    std::unordered_map<std::string, uint64_t> m_hashes;
};
