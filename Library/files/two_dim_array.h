#pragma once
// A table of text cells with named rows and columns, the form of the game's rule tables.
// Row 0 holds the column names, column 0 the row names, cell (0, 0) is "0". Lookups by
// name ignore case; values convert from the cell text on demand.

#include "Library/core/stringc.h"

#include <cstdint>
#include <memory>

class Stream;

class TwoDimArray {
public:
    TwoDimArray();
    TwoDimArray(const TwoDimArray&) = delete;
    TwoDimArray& operator=(const TwoDimArray&) = delete;
    virtual ~TwoDimArray();

    // The compiled table name + ".dat" of the table directory; any extension is dropped.
    bool Load(const char* name);
    bool Read(Stream& stream); // the old cells go first; nothing is kept on failure
    bool Write(Stream& stream) const;
    // A white-space separated text table into the table directory as its base name + ".dat".
    bool Compile(const char* textPath);

    bool GetCell(const char* rowName, const char* columnName, Stringc& out) const;
    bool GetInt(const char* rowName, const char* columnName, int& out) const;
    bool GetCellByRow(int row, const char* columnName, Stringc& out) const; // row 0 is the names
    bool GetIntByRow(int row, const char* columnName, int& out) const;
    bool GetByteByRow(int row, const char* columnName, uint8_t& out) const;
    bool GetShortByRow(int row, const char* columnName, int16_t& out) const;
    bool GetUShortByRow(int row, const char* columnName, uint16_t& out) const;
    bool GetCellAt(int row, int column, Stringc& out) const;
    bool GetIntAt(int row, int column, int& out) const;

    bool Allocate(int rows, int columns); // empty cells; false when either is below 1
    void Free();
    int GetRows() const { return static_cast<int>(m_rows); }
    int GetColumns() const { return static_cast<int>(m_columns); }

private:
    const Stringc& Cell(int row, int column) const { return m_cells[row * m_columns + column]; }
    int FindColumn(const char* name) const; // -1 when missing
    int FindRow(const char* name) const;
    bool ReadCells(Stream& stream);

    uint32_t m_columns = 0;
    uint32_t m_rows = 0;
    std::unique_ptr<Stringc[]> m_cells;
};
