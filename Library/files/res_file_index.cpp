#include "Library/files/res_file_index.h"

#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/res_file_entry.h"

#include <cctype>

namespace {

// std::tolower once per character, not once per use.
char Lower(char c) {
    static const struct Table {
        Table() {
            for (int i = 0; i < 256; ++i)
                of[i] = static_cast<char>(std::tolower(i));
        }
        char of[256];
    } table;
    return table.of[static_cast<unsigned char>(c)];
}

template <class CharOf> uint32_t HashOf(CharOf charOf) {
    uint32_t hash = 2166136261u;
    for (int i = 0; char c = charOf(i); ++i)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

template <class CharOf> bool IsNamed(const char* name, CharOf charOf) {
    int i = 0;
    for (; name[i] != '\0'; ++i)
        if (Lower(name[i]) != charOf(i))
            return false;
    return charOf(i) == '\0';
}

} // namespace

void ResFileIndex::Clear() {
    m_slots.clear();
    m_count = 0;
}

template <class CharOf> const ResFileEntry* ResFileIndex::Find(CharOf charOf) const {
    if (m_slots.empty())
        return nullptr;
    const uint32_t hash = HashOf(charOf);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot].entry != nullptr; slot = (slot + 1) & mask)
        if (m_slots[slot].hash == hash && IsNamed(m_slots[slot].name, charOf))
            return m_slots[slot].entry;
    return nullptr;
}

const ResFileEntry* ResFileIndex::FindPath(const char* path) const {
    const char* name = path == nullptr ? "" : path + DataFileNameStart(path);
    return Find([name](int i) { return DataPaths::NameChar(name[i]); });
}

const ResFileEntry* ResFileIndex::FindName(const char* name) const {
    return Find([name](int i) { return Lower(name[i]); });
}

void ResFileIndex::Add(const ResFileEntry* entry) {
    const char* name = entry->GetName().c_str();
    const auto lower = [name](int i) { return Lower(name[i]); };
    if (Find(lower) != nullptr)
        return;
    if (2 * (m_count + 1) > m_slots.size())
        Grow();
    const uint32_t hash = HashOf(lower);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    while (m_slots[slot].entry != nullptr)
        slot = (slot + 1) & mask;
    m_slots[slot] = Slot{hash, name, entry};
    ++m_count;
}

void ResFileIndex::Grow() {
    std::vector<Slot> old(m_slots.empty() ? 64 : m_slots.size() * 2, Slot{0, nullptr, nullptr});
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& moved : old)
        if (moved.entry != nullptr) {
            std::size_t slot = moved.hash & mask;
            while (m_slots[slot].entry != nullptr)
                slot = (slot + 1) & mask;
            m_slots[slot] = moved;
        }
}
