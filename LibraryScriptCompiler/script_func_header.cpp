#include "LibraryScriptCompiler/script_func_header.h"

#include "Library/core/stream.h"
#include "Library/scripts/stored_text.h"

#include <algorithm>
#include <cstdio>

namespace {

// The fewest bytes each stored argument takes: an entity reference with an empty name and
// no list is seven codes, the text's count and the list count.
constexpr int64_t kNumberBytes = 8;
constexpr int64_t kMinStringBytes = 2;
constexpr int64_t kMinObjectBytes = 7 * 4 + 2 + 4;
constexpr int64_t kVectorBytes = 3 * 4;

template <class T, class ReadOne> bool ReadArray(std::vector<T>& out, int count, ReadOne readOne) {
    out.resize(static_cast<size_t>(count));
    return std::all_of(out.begin(), out.end(), readOne);
}

template <class T, class WriteOne> bool WriteArray(const std::vector<T>& items, WriteOne writeOne) {
    return std::all_of(items.begin(), items.end(), writeOne);
}

} // namespace

bool ScriptFuncHeader::operator==(const ScriptFuncHeader& other) const {
    return m_type == other.m_type && m_id == other.m_id && m_reserved == other.m_reserved &&
           m_numbers == other.m_numbers && m_strings.size() == other.m_strings.size() &&
           std::equal(m_strings.begin(), m_strings.end(), other.m_strings.begin()) &&
           m_objects.size() == other.m_objects.size() &&
           std::equal(m_objects.begin(), m_objects.end(), other.m_objects.begin(),
                      [](const EntityRef& a, const EntityRef& b) { return a.Equals(b); }) &&
           m_vectors == other.m_vectors;
}

bool ScriptFuncHeader::Read(Stream& stream) {
    ScriptFuncHeader read;
    int32_t counts[4] = {};
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(read.m_type) ||
        !stream.ReadValue(read.m_id) || !stream.ReadValue(read.m_reserved) ||
        !stream.ReadValue(counts))
        return false;
    const auto [numbers, strings, objects, vectors] = counts;
    const int64_t leastBytes = numbers * kNumberBytes + strings * kMinStringBytes +
                               objects * kMinObjectBytes + vectors * kVectorBytes;
    if (std::min({numbers, strings, objects, vectors}) < 0 || leastBytes > stream.Remaining()) {
        std::fprintf(stderr,
                     "Script call record: %d numbers, %d texts, %d entity references and %d "
                     "vectors cannot lie in the %ld bytes left\n",
                     numbers, strings, objects, vectors, stream.Remaining());
        return false;
    }
    const bool complete =
        ReadArray(read.m_numbers, numbers,
                  [&](double& number) { return stream.ReadValue(number); }) &&
        ReadArray(read.m_strings, strings,
                  [&](Stringc& text) { return ReadStoredText(stream, text); }) &&
        ReadArray(read.m_objects, objects,
                  [&](EntityRef& object) { return object.Read(stream); }) &&
        ReadArray(read.m_vectors, vectors, [&](Vector& point) { return point.Read(stream); });
    if (complete)
        *this = std::move(read);
    return complete;
}

bool ScriptFuncHeader::Write(Stream& stream) const {
    const int32_t fields[] = {m_type,        m_id,          m_reserved,   NumberCount(),
                              StringCount(), ObjectCount(), VectorCount()};
    return stream.CheckOpen() == kStreamOk && stream.WriteValue(fields) &&
           WriteArray(m_numbers, [&](double number) { return stream.WriteValue(number); }) &&
           WriteArray(m_strings, [&](const Stringc& text) { return text.Write(stream); }) &&
           WriteArray(m_objects, [&](const EntityRef& object) { return object.Write(stream); }) &&
           WriteArray(m_vectors, [&](const Vector& point) { return point.Write(stream); });
}
