#include "Source/entities/container_map_object.h"

#include "Library/core/stream.h"

void ContainerMapObject::Reset() {
    BinaryMapObject::Reset();
    m_value = 0;
}

bool ContainerMapObject::ReadRecord(Stream& stream) {
    return BinaryMapObject::ReadRecord(stream) && stream.ReadValue(m_value);
}

bool ContainerMapObject::WriteRecord(Stream& stream) const {
    return BinaryMapObject::WriteRecord(stream) && stream.WriteValue(m_value);
}
