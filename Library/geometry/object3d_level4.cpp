#include "Library/geometry/object3d_level4.h"

#include "Library/core/tracked_new.h"

#include <algorithm>

void Object3dLevel4::Reset() {
    Object3dLevel3::Reset();
    m_vertices.Clear();
    m_records.reset();
    m_recordCount = 0;
}

void Object3dLevel4::SetVertex(int index, const Vector& vertex) {
    if (index < 0)
        return;
    if (index >= m_vertices.GetCount())
        m_vertices.Resize(index + 2);
    m_vertices.Set(vertex, index);
}

void Object3dLevel4::SetRecord(int index, const Float3& record) {
    if (index < 0)
        return;
    if (index >= m_recordCount) {
        std::unique_ptr<Float3[]> records(NEW Float3[index + 2]());
        std::copy(m_records.get(), m_records.get() + m_recordCount, records.get());
        m_records = std::move(records);
        m_recordCount = index + 2;
    }
    m_records[index] = record;
}
