#include "Library/graphics/graphic_sequence.h"

#include "Library/core/stream.h"
#include "Library/core/stringc.h"
#include "Library/core/tracked_new.h"
#include "Library/graphics/graphic.h"

namespace {

constexpr long kMinStoredFrame = 18 + 16; // an ".lle" with an empty name, and a record

} // namespace

GraphicSequence::GraphicSequence() = default;

GraphicSequence::~GraphicSequence() = default;

bool GraphicSequence::Allocate(int count) {
    m_graphics.reset();
    m_records.reset();
    m_count = 0;
    if (count < 0)
        return false;
    m_graphics.reset(NEW std::unique_ptr<Graphic>[count]);
    m_records.reset(NEW Record[count]);
    for (int index = 0; index < count; ++index)
        m_graphics[index].reset(NEW Graphic);
    m_count = static_cast<uint32_t>(count);
    return true;
}

bool GraphicSequence::LoadFiles(const Stringc* names, int count) {
    if (!Allocate(count))
        return false;
    const Stringc* name = names;
    for (int index = 0; index < count; ++index, name = name->GetNext())
        if (!name || !m_graphics[index]->LoadFile(name->c_str(), true))
            return false;
    for (int index = 0; index < count; ++index) {
        int x = 0, y = 0;
        if (!m_graphics[index]->CropToOpaque(x, y))
            return false;
        m_records[index].offsetX = static_cast<uint32_t>(x);
        m_records[index].offsetY = static_cast<uint32_t>(y);
    }
    return true;
}

bool GraphicSequence::Read(Stream& stream) {
    uint32_t count = 0;
    if (!stream.ReadValue(count) || count * kMinStoredFrame > stream.Remaining() ||
        !Allocate(static_cast<int>(count)))
        return false;
    for (uint32_t index = 0; index < count; ++index)
        if (!m_graphics[index]->ReadFromStream(stream, "frame.lle", true))
            return false;
    for (uint32_t index = 0; index < count; ++index) {
        Record& record = m_records[index];
        if (!stream.ReadValue(record.offsetX) || !stream.ReadValue(record.offsetY) ||
            !stream.ReadValue(record.third) || !stream.ReadValue(record.value))
            return false;
    }
    return true;
}

bool GraphicSequence::Write(Stream& stream) const {
    if (!stream.WriteValue(m_count))
        return false;
    for (uint32_t index = 0; index < m_count; ++index)
        if (!m_graphics[index]->WriteLle(stream))
            return false;
    for (uint32_t index = 0; index < m_count; ++index) {
        const Record& record = m_records[index];
        if (!stream.WriteValue(record.offsetX) || !stream.WriteValue(record.offsetY) ||
            !stream.WriteValue(record.third) || !stream.WriteValue(record.value))
            return false;
    }
    return true;
}

void GraphicSequence::DrawFrame(const PixelSurface& surface, int index, int x, int y) {
    if (Graphic* graphic = GetGraphic(index)) {
        graphic->SetPosition(x, y);
        graphic->Draw(surface, x, y);
    }
}

Graphic* GraphicSequence::GetGraphic(int index) const {
    return index >= 0 && static_cast<uint32_t>(index) < m_count ? m_graphics[index].get() : nullptr;
}

long GraphicSequence::DataTotal() const {
    long total = 0;
    for (uint32_t index = 0; index < m_count; ++index)
        total += m_graphics[index]->GetDataLength();
    return total;
}

GraphicSequence::Record* GraphicSequence::RecordAt(int index) const {
    return index >= 0 && static_cast<uint32_t>(index) < m_count ? &m_records[index] : nullptr;
}

void GraphicSequence::GetRecord(int index, uint32_t& offsetX, uint32_t& offsetY,
                                uint32_t& third) const {
    const Record* record = RecordAt(index);
    offsetX = record ? record->offsetX : 0;
    offsetY = record ? record->offsetY : 0;
    third = record ? record->third : 0;
}

void GraphicSequence::SetValue(int index, uint32_t value) {
    if (Record* record = RecordAt(index))
        record->value = value;
}

uint32_t GraphicSequence::GetValue(int index) const {
    const Record* record = RecordAt(index);
    return record ? record->value : 0;
}
