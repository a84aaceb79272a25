#pragma once

#include "Library/geometry/float3.h"
#include "Library/geometry/object3d_level3.h"
#include "Library/geometry/vertex_array.h"

#include <memory>

// Adds a mesh: vertices in the object's own space and triangle records of three vertex
// indices each.
class Object3dLevel4 : public Object3dLevel3 {
public:
    using Object3dLevel3::Object3dLevel3;        // from nothing, a position, or one and a velocity
    Object3dLevel4(const Object3dLevel4& other); // the mesh too
    Object3dLevel4& operator=(const Object3dLevel4&) = delete;

    void Reset() override; // also empties the mesh

    // An index beyond the array first grows it to index + 2 entries; a negative one is
    // ignored.
    void SetVertex(int index, const Vector& vertex);
    void SetRecord(int index, const Float3& record);

    const VertexArray& GetVertices() const { return m_vertices; }
    int GetRecordCount() const { return m_recordCount; }
    const Float3& GetRecord(int index) const { return m_records[index]; }

private:
    VertexArray m_vertices;
    std::unique_ptr<Float3[]> m_records;
    int m_recordCount = 0;
};
