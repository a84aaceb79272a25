#pragma once
// Numbered text lines ("{12}Hello") from a ".txt" resource of the text directory, looked
// up by number. The whole file is kept in memory.

#include "Library/core/stringc.h"

#include <memory>

class MemStream;
template <class T> class MemMgr;

class TextReader {
public:
    TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;
    virtual ~TextReader();

    bool Open(const char* name); // any extension of name is replaced by ".txt"
    // The next line without its line end (LF or CR LF); false when no whole line is left.
    bool ReadLine(Stringc& out);
    static bool HasBraces(const Stringc& line);
    // True when the line's first braces hold number; text is what follows the '}'.
    static bool MatchId(int number, const Stringc& line, Stringc& text);
    bool FindLine(int number, Stringc& text); // searches from the start
    // From the current line on, while lines hold braces: the text of each line of number.
    void CollectLines(int number, MemMgr<Stringc>& lines);

private:
    std::unique_ptr<MemStream> m_stream;
};
