#include "Library/geometry/object3d_level4.h"

#include "Library/core/tracked_new.h"

#include <algorithm>

Object3dLevel4::Object3dLevel4(const Object3dLevel4& other)
    : Object3dLevel3(other), m_vertices(other.m_vertices),
      m_records(NEW Float3[other.m_recordCount]()), m_recordCount(other.m_recordCount) {
    std::copy(other.m_records.get(), other.m_records.get() + m_recordCount, m_records.get());
}

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
