#pragma once
// A square matrix of zero-initialised elements, one allocation per row.

#include "Library/core/struct.h"

template <class T> class Matrixc {
public:
    explicit Matrixc(int size)
        : m_size(size > 0 ? size : 0), m_rows(CreateBuffer<T*>(m_size, __FILE__, __LINE__)) {
        for (int row = 0; row < m_size; ++row)
            m_rows[row] = CreateBuffer<T>(m_size, __FILE__, __LINE__);
    }
    Matrixc(const Matrixc&) = delete;
    Matrixc& operator=(const Matrixc&) = delete;
    ~Matrixc() {
        for (int row = 0; row < m_size; ++row)
            ReleaseBuffer(m_rows[row]);
        ReleaseBuffer(m_rows);
    }

    int GetSize() const { return m_size; }
    T* operator[](int row) { return m_rows[row]; } // element [row][column], unchecked
    const T* operator[](int row) const { return m_rows[row]; }

private:
    int m_size;
    T** m_rows;
};
