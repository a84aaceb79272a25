#include "Library/files/text_reader.h"

#include "Library/core/mem_mgr.h"
#include "Library/core/tracked_new.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"

#include <cstdlib>
#include <string>

TextReader::TextReader() : m_stream(NEW MemStream(kStreamReadBinary)) {}

TextReader::~TextReader() = default;

bool TextReader::Open(const char* name) {
    // A fresh stream: a failed load closes the one it filled.
    m_stream.reset(NEW MemStream(kStreamReadBinary));
    Stringc path;
    return MakeDataFilePath(&DataPaths::GetTextDir, name, ".txt", path) &&
           LoadDataFile(path.c_str(), g_generalRes, *m_stream);
}

bool TextReader::ReadLine(Stringc& out) {
    out.Clear();
    std::string line;
    char byte = 0;
    while (m_stream->Read(&byte, 1) == kStreamOk) {
        if (byte == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            out.Assign(line.data(), static_cast<int>(line.size()));
            return true;
        }
        line += byte;
    }
    return false;
}

bool TextReader::HasBraces(const Stringc& line) {
    return line.Find('{') >= 0 && line.Find('}') >= 0;
}

bool TextReader::MatchId(int number, const Stringc& line, Stringc& text) {
    const int open = line.Find('{');
    const int close = line.Find('}');
    if (open < 0 || close <= open)
        return false;
    if (std::atoi(Stringc(line.c_str() + open + 1, close - open - 1).c_str()) != number)
        return false;
    text = line.c_str() + close + 1;
    return true;
}

bool TextReader::FindLine(int number, Stringc& text) {
    if (m_stream->SeekSet(0) < 0)
        return false;
    Stringc line;
    while (ReadLine(line)) {
        if (MatchId(number, line, text))
            return true;
    }
    return false;
}

void TextReader::CollectLines(int number, MemMgr<Stringc>& lines) {
    Stringc line;
    Stringc text;
    while (ReadLine(line) && HasBraces(line)) {
        if (MatchId(number, line, text))
            *lines.Alloc() = text.c_str();
    }
}
