#pragma once
// Bit storage shared by TagList (bytes) and TagList32 (32-bit words): a fixed number
// of bits with an exact set count. Bit i is bit i % W of word i / W, least significant
// first; bit count / W + 1 words are kept, and the bits at or beyond the bit count are
// always clear, so a full list still ends on a word with a clear bit.

#include <cstdint>

class Stream;

template <class Derived, class Word, int kDefaultBits> class TagBits {
public:
    explicit TagBits(int bitCount = 0); // 0 or less gives kDefaultBits
    TagBits(const TagBits& other);
    TagBits& operator=(const TagBits& other);
    ~TagBits();

    int GetBitCount() const { return static_cast<int>(m_bitCount); }
    int GetSetCount() const { return static_cast<int>(m_setCount); }

    // Grows the target to this list's bit count when it has fewer; a larger target keeps
    // its bits beyond the copied words.
    void CopyTo(TagBits& target) const;
    void Assign(const TagBits& source);
    void ClearAll();

    bool IsSet(int index) const; // false outside [0, bit count)
    bool operator[](int index) const { return IsSet(index); }
    bool TestUnchecked(int index) const;
    void Set(int index); // indices outside the list are ignored
    void Unset(int index);
    void Toggle(int index);

    int FindFirstClear(); // the lowest clear bit, or -1 when every bit is set
    int FindClearFrom(int index) const; // the lowest clear bit at or above index, or -1
    int FirstSet();       // -1 when none; with NextSet walks the set bits upward
    int NextSet();

    Derived& operator<<=(int count); // bit i takes bit i - count; negative counts shift down
    Derived& operator>>=(int count);
    Derived operator<<(int count) const;
    Derived operator>>(int count) const;
    // Over the words both lists have.
    Derived& operator|=(const TagBits& other);
    Derived& operator&=(const TagBits& other);
    Derived& operator^=(const TagBits& other);
    Derived operator|(const TagBits& other) const;
    Derived operator&(const TagBits& other) const;
    Derived operator^(const TagBits& other) const;
    Derived operator~() const;
    bool operator==(const TagBits& other) const; // same bit count and same bits
    bool operator!=(const TagBits& other) const { return !(*this == other); }

    // Stored form, little-endian: u32 bit count, i32 search hint, i32 iteration index,
    // u32 set count, then bit count / W + 1 words. A failed read changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

protected:
    struct Counters {
        uint32_t bitCount;
        int32_t hint;
        int32_t iteration;
        uint32_t setCount;
    };
    static bool ReadCounters(Stream& stream, Counters& counters);
    bool ReadWords(Stream& stream, const Counters& counters); // checks, then takes them
    bool WriteCounters(Stream& stream) const;
    bool WriteWords(Stream& stream) const;

    void SetAll();
    void ToggleAll();

private:
    static constexpr int kWordBits = 8 * static_cast<int>(sizeof(Word));
    static constexpr Word kFullWord = static_cast<Word>(~Word{0});

    static int WordCountFor(uint32_t bitCount) {
        return static_cast<int>(bitCount / kWordBits) + 1;
    }
    int WordCount() const { return WordCountFor(m_bitCount); }
    static Word Mask(int index) { return static_cast<Word>(Word{1} << (index % kWordBits)); }
    // The bits of the last word that lie at or beyond the bit count.
    static Word SpareMask(uint32_t bitCount) {
        return static_cast<Word>(kFullWord << (bitCount % kWordBits));
    }
    void Reallocate(uint32_t bitCount); // all bits clear
    void ClearSpareBitsAndRecount();
    template <class Combine> Derived& CombineWith(const TagBits& other, Combine combine);
    void Shift(int64_t count); // bit i takes bit i - count, through Set and Unset
    int FindSetFrom(int64_t index) const;
    int Walk(int64_t from);

    uint32_t m_bitCount;
    int32_t m_hint = 0; // a word index: where the last free-slot scan stopped
    int32_t m_iteration = 0;
    uint32_t m_setCount = 0;
    Word* m_words = nullptr;
};
