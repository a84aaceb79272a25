#include "Library/core/tag_bits.h"

#include "Library/core/stream.h"
#include "Library/core/tag_list32.h"
#include "Library/core/taglist.h"
#include "Library/core/tracked_new.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

template <class Word> int CountBits(Word word) {
    return __builtin_popcount(static_cast<unsigned>(word));
}

} // namespace

template <class D, class W, int B>
TagBits<D, W, B>::TagBits(int bitCount)
    : m_bitCount(static_cast<uint32_t>(bitCount > 0 ? bitCount : B)),
      m_words(NEW W[WordCount()]()) {}

template <class D, class W, int B>
TagBits<D, W, B>::TagBits(const TagBits& other)
    : m_bitCount(other.m_bitCount), m_hint(other.m_hint), m_iteration(other.m_iteration),
      m_setCount(other.m_setCount), m_words(NEW W[WordCount()]) {
    std::memcpy(m_words, other.m_words, WordCount() * sizeof(W));
}

template <class D, class W, int B>
TagBits<D, W, B>& TagBits<D, W, B>::operator=(const TagBits& other) {
    Assign(other);
    return *this;
}

template <class D, class W, int B> TagBits<D, W, B>::~TagBits() {
    DELETE[] m_words;
}

template <class D, class W, int B> void TagBits<D, W, B>::Reallocate(uint32_t bitCount) {
    W* words = NEW W[WordCountFor(bitCount)]();
    DELETE[] m_words;
    m_words = words;
    m_bitCount = bitCount;
    m_setCount = 0;
}

template <class D, class W, int B> void TagBits<D, W, B>::CopyTo(TagBits& target) const {
    if (&target == this)
        return;
    if (m_bitCount > target.m_bitCount)
        target.Reallocate(m_bitCount);
    target.m_hint = m_hint;
    std::memcpy(target.m_words, m_words, WordCount() * sizeof(W));
    target.ClearSpareBitsAndRecount();
}

template <class D, class W, int B> void TagBits<D, W, B>::Assign(const TagBits& source) {
    if (&source == this)
        return;
    if (source.m_bitCount != m_bitCount)
        Reallocate(source.m_bitCount);
    ClearAll();
    m_hint = source.m_hint;
    m_setCount = source.m_setCount;
    std::memcpy(m_words, source.m_words, WordCount() * sizeof(W));
}

template <class D, class W, int B> void TagBits<D, W, B>::ClearAll() {
    std::memset(m_words, 0, WordCount() * sizeof(W));
    m_hint = 0;
    m_iteration = 0;
    m_setCount = 0;
}

template <class D, class W, int B> bool TagBits<D, W, B>::IsSet(int index) const {
    return index >= 0 && static_cast<uint32_t>(index) < m_bitCount && TestUnchecked(index);
}

template <class D, class W, int B> bool TagBits<D, W, B>::TestUnchecked(int index) const {
    assert(index >= 0 && index / kWordBits < WordCount());
    return (m_words[index / kWordBits] & Mask(index)) != 0;
}

template <class D, class W, int B> void TagBits<D, W, B>::Set(int index) {
    if (index < 0 || static_cast<uint32_t>(index) >= m_bitCount)
        return;
    W& word = m_words[index / kWordBits];
    if ((word & Mask(index)) == 0)
        ++m_setCount;
    word |= Mask(index);
}

template <class D, class W, int B> void TagBits<D, W, B>::Unset(int index) {
    if (index < 0 || static_cast<uint32_t>(index) >= m_bitCount)
        return;
    W& word = m_words[index / kWordBits];
    if ((word & Mask(index)) != 0)
        --m_setCount;
    word &= static_cast<W>(~Mask(index));
    m_hint = index / kWordBits;
}

template <class D, class W, int B> void TagBits<D, W, B>::Toggle(int index) {
    if (IsSet(index))
        Unset(index);
    else
        Set(index);
}

template <class D, class W, int B> int TagBits<D, W, B>::FindFirstClear() {
    const int words = WordCount();
    m_hint = 0;
    while (m_hint < words && m_words[m_hint] == kFullWord)
        ++m_hint;
    if (m_hint == words)
        return -1;
    for (int bit = 0; bit < kWordBits; ++bit) {
        const int64_t index = int64_t{m_hint} * kWordBits + bit;
        if (index >= m_bitCount)
            return -1;
        if ((m_words[m_hint] & Mask(bit)) == 0)
            return static_cast<int>(index);
    }
    return -1;
}

template <class D, class W, int B> int TagBits<D, W, B>::FindClearFrom(int index) const {
    for (int64_t i = std::max(index, 0); i < m_bitCount; ++i) {
        if (i % kWordBits == 0 && m_words[i / kWordBits] == kFullWord)
            i += kWordBits - 1;
        else if (!TestUnchecked(static_cast<int>(i)))
            return static_cast<int>(i);
    }
    return -1;
}

template <class D, class W, int B> int TagBits<D, W, B>::FindSetFrom(int64_t index) const {
    for (int64_t i = std::max<int64_t>(index, 0); i < m_bitCount; ++i) {
        if (i % kWordBits == 0 && m_words[i / kWordBits] == 0)
            i += kWordBits - 1;
        else if (TestUnchecked(static_cast<int>(i)))
            return static_cast<int>(i);
    }
    return -1;
}

template <class D, class W, int B> int TagBits<D, W, B>::FirstSet() {
    return Walk(0);
}

template <class D, class W, int B> int TagBits<D, W, B>::NextSet() {
    return Walk(int64_t{m_iteration} + 1);
}

template <class D, class W, int B> int TagBits<D, W, B>::Walk(int64_t from) {
    const int found = FindSetFrom(from);
    // An ended walk stays ended: a further NextSet must not start over at bit 0.
    m_iteration = found >= 0 ? found : static_cast<int32_t>(m_bitCount);
    return found;
}

template <class D, class W, int B> void TagBits<D, W, B>::Shift(int64_t count) {
    const int64_t bits = m_bitCount;
    auto take = [&](int64_t index) {
        const int64_t from = index - count;
        if (from >= 0 && from < bits && TestUnchecked(static_cast<int>(from)))
            Set(static_cast<int>(index));
        else
            Unset(static_cast<int>(index));
    };
    // Walk away from the source so every bit is read before it is overwritten.
    if (count >= 0) {
        for (int64_t i = bits - 1; i >= 0; --i)
            take(i);
    } else {
        for (int64_t i = 0; i < bits; ++i)
            take(i);
    }
}

template <class D, class W, int B> D& TagBits<D, W, B>::operator<<=(int count) {
    Shift(count);
    return static_cast<D&>(*this);
}

template <class D, class W, int B> D& TagBits<D, W, B>::operator>>=(int count) {
    Shift(-int64_t{count});
    return static_cast<D&>(*this);
}

template <class D, class W, int B> D TagBits<D, W, B>::operator<<(int count) const {
    D copy(static_cast<const D&>(*this));
    return copy <<= count;
}

template <class D, class W, int B> D TagBits<D, W, B>::operator>>(int count) const {
    D copy(static_cast<const D&>(*this));
    return copy >>= count;
}

template <class D, class W, int B>
template <class Combine>
D& TagBits<D, W, B>::CombineWith(const TagBits& other, Combine combine) {
    const int words = std::min(WordCount(), other.WordCount());
    for (int i = 0; i < words; ++i)
        m_words[i] = static_cast<W>(combine(m_words[i], other.m_words[i]));
    ClearSpareBitsAndRecount();
    return static_cast<D&>(*this);
}

template <class D, class W, int B> D& TagBits<D, W, B>::operator|=(const TagBits& other) {
    return CombineWith(other, [](W a, W b) { return a | b; });
}

template <class D, class W, int B> D& TagBits<D, W, B>::operator&=(const TagBits& other) {
    return CombineWith(other, [](W a, W b) { return a & b; });
}

template <class D, class W, int B> D& TagBits<D, W, B>::operator^=(const TagBits& other) {
    return CombineWith(other, [](W a, W b) { return a ^ b; });
}

template <class D, class W, int B> D TagBits<D, W, B>::operator|(const TagBits& other) const {
    D copy(static_cast<const D&>(*this));
    return copy |= other;
}

template <class D, class W, int B> D TagBits<D, W, B>::operator&(const TagBits& other) const {
    D copy(static_cast<const D&>(*this));
    return copy &= other;
}

template <class D, class W, int B> D TagBits<D, W, B>::operator^(const TagBits& other) const {
    D copy(static_cast<const D&>(*this));
    return copy ^= other;
}

template <class D, class W, int B> D TagBits<D, W, B>::operator~() const {
    D copy(static_cast<const D&>(*this));
    copy.ToggleAll();
    return copy;
}

template <class D, class W, int B> bool TagBits<D, W, B>::operator==(const TagBits& other) const {
    return m_bitCount == other.m_bitCount &&
           std::memcmp(m_words, other.m_words, WordCount() * sizeof(W)) == 0;
}

template <class D, class W, int B> void TagBits<D, W, B>::SetAll() {
    std::fill(m_words, m_words + WordCount(), kFullWord);
    ClearSpareBitsAndRecount();
}

template <class D, class W, int B> void TagBits<D, W, B>::ToggleAll() {
    for (int i = 0; i < WordCount(); ++i)
        m_words[i] = static_cast<W>(~m_words[i]);
    ClearSpareBitsAndRecount();
}

template <class D, class W, int B> void TagBits<D, W, B>::ClearSpareBitsAndRecount() {
    m_words[WordCount() - 1] &= static_cast<W>(~SpareMask(m_bitCount));
    m_setCount = 0;
    for (int i = 0; i < WordCount(); ++i)
        m_setCount += CountBits(m_words[i]);
}

template <class D, class W, int B> bool TagBits<D, W, B>::Write(Stream& stream) const {
    return WriteCounters(stream) && WriteWords(stream);
}

template <class D, class W, int B> bool TagBits<D, W, B>::WriteCounters(Stream& stream) const {
    if (stream.CheckOpen() != kStreamOk)
        return false;
    const Counters counters{m_bitCount, m_hint, m_iteration, m_setCount};
    return stream.WriteValue(counters);
}

template <class D, class W, int B> bool TagBits<D, W, B>::WriteWords(Stream& stream) const {
    return stream.Write(m_words, WordCount() * static_cast<int>(sizeof(W))) == kStreamOk;
}

template <class D, class W, int B> bool TagBits<D, W, B>::Read(Stream& stream) {
    Counters counters;
    return ReadCounters(stream, counters) && ReadWords(stream, counters);
}

template <class D, class W, int B>
bool TagBits<D, W, B>::ReadCounters(Stream& stream, Counters& counters) {
    static_assert(sizeof(Counters) == 16);
    return stream.CheckOpen() == kStreamOk && stream.ReadValue(counters);
}

template <class D, class W, int B>
bool TagBits<D, W, B>::ReadWords(Stream& stream, const Counters& counters) {
    if (counters.bitCount > INT_MAX) {
        std::fprintf(stderr, "Tag list: stored bit count %u is out of range\n", counters.bitCount);
        return false;
    }
    const int words = WordCountFor(counters.bitCount);
    const long bytes = static_cast<long>(words) * static_cast<long>(sizeof(W));
    if (bytes > stream.Remaining()) {
        std::fprintf(stderr, "Tag list: %u bits need %ld bytes but only %ld remain\n",
                     counters.bitCount, bytes, stream.Remaining());
        return false;
    }
    W* fresh = NEW W[words];
    if (stream.Read(fresh, static_cast<int>(bytes)) != kStreamOk) {
        DELETE[] fresh;
        return false;
    }
    uint32_t setCount = 0;
    for (int i = 0; i < words; ++i)
        setCount += CountBits(fresh[i]);
    if ((fresh[words - 1] & SpareMask(counters.bitCount)) != 0 || setCount != counters.setCount) {
        std::fprintf(stderr, "Tag list: stored bits do not match their set count %u\n",
                     counters.setCount);
        DELETE[] fresh;
        return false;
    }
    DELETE[] m_words;
    m_words = fresh;
    m_bitCount = counters.bitCount;
    m_hint = counters.hint;
    m_iteration = counters.iteration;
    m_setCount = counters.setCount;
    return true;
}

template class TagBits<TagList, uint8_t, 64>;
template class TagBits<TagList32, uint32_t, 256>;
