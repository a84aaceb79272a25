#include "Library/files/two_dim_array.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "platform/case_path.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr size_t kPreambleTokens = 3;
constexpr long kMinStoredCell = 2; // an empty Stringc

struct Token {
    std::string text;
    int line; // count of line feeds before it
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Words separated by blanks, with "//" and "/* */" comments skipped between them. A '/'
// inside a word belongs to it. lineEnds gets the number of line feeds in the text.
std::vector<Token> Tokenize(const std::string& text, int& lineEnds) {
    std::vector<Token> tokens;
    const size_t size = text.size();
    int line = 0;
    size_t at = 0;
    while (at < size) {
        const char c = text[at];
        const char next = at + 1 < size ? text[at + 1] : '\0';
        if (IsBlank(c)) {
            line += c == '\n' ? 1 : 0;
            ++at;
        } else if (c == '/' && next == '/') {
            at = std::min(text.find('\n', at), size);
        } else if (c == '/' && next == '*') {
            const size_t end = std::min(text.find("*/", at + 2), size);
            for (size_t i = at; i < end; ++i)
                line += text[i] == '\n' ? 1 : 0;
            at = std::min(end + 2, size);
        } else {
            const size_t start = at;
            while (at < size && !IsBlank(text[at]))
                ++at;
            tokens.push_back({text.substr(start, at - start), line});
        }
    }
    lineEnds = line;
    return tokens;
}

bool ReadText(const char* path, std::string& text) {
    std::FILE* file = platform::OpenFile(path, "rb");
    if (file == nullptr)
        return false;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    const bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

// The line numbers of the table's lines after the preamble: each holds a word and ends in
// a line feed. False, with a message, when a line does not hold columns words (the
// column-name line one fewer).
bool TableLines(const char* path, const std::vector<Token>& tokens, int lineEnds, int& columns,
                std::vector<int>& lines) {
    std::vector<int> counts;
    for (size_t index = kPreambleTokens; index < tokens.size(); ++index) {
        const int line = tokens[index].line;
        if (line >= lineEnds)
            break;
        if (lines.empty() || lines.back() != line) {
            lines.push_back(line);
            counts.push_back(0);
        }
        ++counts.back();
    }
    if (lines.empty()) {
        std::fprintf(stderr, "TwoDimArray: %s has no column names\n", path);
        return false;
    }
    columns = counts[0] + 1;
    for (size_t row = 0; row < lines.size(); ++row) {
        const int wanted = row == 0 ? columns - 1 : columns;
        if (counts[row] != wanted) {
            std::fprintf(stderr, "TwoDimArray: line %d of %s holds %d words, not %d\n",
                         lines[row] + 1, path, counts[row], wanted);
            return false;
        }
    }
    return true;
}

bool CellToInt(bool found, const Stringc& cell, int& out) {
    if (found)
        out = cell.ToInt();
    return found;
}

// The cell's number truncated to T, as the rule tables store bytes and shorts.
template <class T>
bool NarrowIntByRow(const TwoDimArray& table, int row, const char* columnName, T& out) {
    int value = 0;
    if (!table.GetIntByRow(row, columnName, value))
        return false;
    out = static_cast<T>(value);
    return true;
}

} // namespace

TwoDimArray::TwoDimArray() = default;

TwoDimArray::~TwoDimArray() = default;

bool TwoDimArray::Allocate(int rows, int columns) {
    if (rows < 1 || columns < 1 || static_cast<long long>(rows) * columns > INT_MAX)
        return false;
    Free();
    m_cells.reset(NEW Stringc[static_cast<size_t>(rows) * columns]);
    m_rows = static_cast<uint32_t>(rows);
    m_columns = static_cast<uint32_t>(columns);
    return true;
}

void TwoDimArray::Free() {
    m_cells.reset();
    m_rows = 0;
    m_columns = 0;
}

bool TwoDimArray::Load(const char* name) {
    Free();
    Stringc path;
    MemStream stream(kStreamReadBinary);
    if (!MakeDataFilePath(&DataPaths::Get2DArrayDir, name, ".dat", path) ||
        !LoadDataFile(path.c_str(), g_generalRes, stream))
        return false;
    if (Read(stream))
        return true;
    std::fprintf(stderr, "TwoDimArray: %s is damaged\n", path.c_str());
    return false;
}

// ".dat" form, little-endian: u32 columns N, u32 rows R, then R x N Stringc cells,
// row-major from cell (0, 0).
bool TwoDimArray::Read(Stream& stream) {
    Free();
    uint32_t columns = 0;
    uint32_t rows = 0;
    if (stream.CheckOpen() != kStreamOk || !stream.ReadValue(columns) || !stream.ReadValue(rows))
        return false;
    const unsigned long long cells = static_cast<unsigned long long>(columns) * rows;
    if (cells > static_cast<unsigned long long>(stream.Remaining() / kMinStoredCell) ||
        !Allocate(static_cast<int>(rows), static_cast<int>(columns))) {
        std::fprintf(stderr,
                     "TwoDimArray: a table of %u x %u cells cannot be read from %ld bytes\n", rows,
                     columns, stream.Remaining());
        return false;
    }
    for (unsigned long long cell = 0; cell < cells; ++cell) {
        if (!m_cells[cell].Read(stream)) {
            Free();
            return false;
        }
    }
    return true;
}

bool TwoDimArray::Write(Stream& stream) const {
    if (stream.CheckOpen() != kStreamOk || !stream.WriteValue(m_columns) ||
        !stream.WriteValue(m_rows))
        return false;
    const unsigned long long cells = static_cast<unsigned long long>(m_columns) * m_rows;
    for (unsigned long long cell = 0; cell < cells; ++cell) {
        if (!m_cells[cell].Write(stream))
            return false;
    }
    return true;
}

// Text form: three preamble words, a line of column names, then one line per row: its
// name and a value per column. Only lines that end in a line feed count.
bool TwoDimArray::Compile(const char* textPath) {
    Free();
    Stringc textFile(textPath);
    textFile.BackslashToSlash();
    Stringc directory;
    Stringc fileName;
    textFile.SplitPath(directory, fileName);
    Stringc path;
    if (!MakeDataFilePath(&DataPaths::Get2DArrayDir, fileName.c_str(), ".dat", path))
        return false;
    std::string text;
    if (!ReadText(textPath, text)) {
        std::fprintf(stderr, "TwoDimArray: cannot read %s\n", textPath);
        return false;
    }
    int lineEnds = 0;
    const std::vector<Token> tokens = Tokenize(text, lineEnds);
    int columns = 0;
    std::vector<int> lines;
    if (!TableLines(textPath, tokens, lineEnds, columns, lines) ||
        !Allocate(static_cast<int>(lines.size()), columns))
        return false;
    m_cells[0] = "0";
    const size_t cells = lines.size() * static_cast<size_t>(columns);
    for (size_t cell = 1; cell < cells; ++cell)
        m_cells[cell] = tokens[kPreambleTokens + cell - 1].text.c_str();

    if (FileStream::WriteReplacing(path.c_str(), [this](Stream& file) { return Write(file); }))
        return true;
    std::fprintf(stderr, "TwoDimArray: cannot write %s\n", path.c_str());
    return false;
}

int TwoDimArray::FindColumn(const char* name) const {
    for (uint32_t column = 1; column < m_columns; ++column) {
        if (Cell(0, static_cast<int>(column)) == name)
            return static_cast<int>(column);
    }
    return -1;
}

int TwoDimArray::FindRow(const char* name) const {
    for (uint32_t row = 1; row < m_rows; ++row) {
        if (Cell(static_cast<int>(row), 0) == name)
            return static_cast<int>(row);
    }
    return -1;
}

bool TwoDimArray::GetCell(const char* rowName, const char* columnName, Stringc& out) const {
    const int row = FindRow(rowName);
    return row >= 0 && GetCellByRow(row, columnName, out);
}

bool TwoDimArray::GetInt(const char* rowName, const char* columnName, int& out) const {
    Stringc cell;
    return CellToInt(GetCell(rowName, columnName, cell), cell, out);
}

bool TwoDimArray::GetCellByRow(int row, const char* columnName, Stringc& out) const {
    const int column = FindColumn(columnName);
    return column >= 0 && GetCellAt(row, column, out);
}

bool TwoDimArray::GetIntByRow(int row, const char* columnName, int& out) const {
    Stringc cell;
    return CellToInt(GetCellByRow(row, columnName, cell), cell, out);
}

bool TwoDimArray::GetByteByRow(int row, const char* columnName, uint8_t& out) const {
    return NarrowIntByRow(*this, row, columnName, out);
}

bool TwoDimArray::GetShortByRow(int row, const char* columnName, int16_t& out) const {
    return NarrowIntByRow(*this, row, columnName, out);
}

bool TwoDimArray::GetUShortByRow(int row, const char* columnName, uint16_t& out) const {
    return NarrowIntByRow(*this, row, columnName, out);
}

bool TwoDimArray::GetCellAt(int row, int column, Stringc& out) const {
    if (row < 0 || column < 0 || row >= GetRows() || column >= GetColumns())
        return false;
    out = Cell(row, column).c_str();
    return true;
}

bool TwoDimArray::GetIntAt(int row, int column, int& out) const {
    Stringc cell;
    return CellToInt(GetCellAt(row, column, cell), cell, out);
}
