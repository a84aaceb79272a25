#pragma once
// The map object of a chest.
//
// Record: the two-state map object's, then a u32 value that is only kept.

#include "Source/entities/binary_map_object.h"

class ContainerMapObject : public BinaryMapObject {
public:
    explicit ContainerMapObject(Entity& owner) : BinaryMapObject(owner, kMapObjectContainer) {}

    void Reset() override;

    uint32_t GetValue() const { return m_value; }
    void SetValue(uint32_t value) { m_value = value; }

protected:
    bool AcceptsKind(uint32_t kind) const override { return kind == kMapObjectContainer; }
    bool ReadRecord(Stream& stream) override;
    bool WriteRecord(Stream& stream) const override;

private:
    uint32_t m_value = 0;
};
