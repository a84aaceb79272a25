#include "Library/graphics/animation.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/graphic_sequence2.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

static_assert(sizeof(SDL_Color) == 4, "palettes are stored as 4-byte entries");

namespace {

constexpr unsigned long long kMinStoredFrame = 13;  // a frame's fields before its rows
constexpr unsigned long long kStoredFrameInfo = 16; // three f32 offsets and a u32
constexpr uint32_t kMaxFrames = UINT16_MAX;         // sequences count their frames in a u16

bool Damaged(const char* source, const char* problem, long detail = -1) {
    if (detail >= 0)
        std::fprintf(stderr, "%s: %s %ld\n", source, problem, detail);
    else
        std::fprintf(stderr, "%s: %s\n", source, problem);
    return false;
}

Stringc NormalPath(const char* path) {
    Stringc normal(path);
    normal.ToLower();
    normal.BackslashToSlash();
    return normal;
}

} // namespace

Animation::Animation() = default;

Animation::~Animation() = default;

bool Animation::AllocFrames(int sequenceCount, int frameCount) {
    Free();
    if (sequenceCount < 0 || frameCount < 0 || static_cast<uint32_t>(frameCount) > kMaxFrames)
        return false;
    m_sequenceCount = static_cast<uint32_t>(sequenceCount);
    m_frameCount = static_cast<uint32_t>(frameCount);
    if (sequenceCount > 0)
        m_sequences.reset(NEW GraphicSequence2[sequenceCount]);
    if (frameCount > 0)
        m_frameInfo.reset(NEW AnimFrameInfo[frameCount]);
    return true;
}

void Animation::Free() {
    m_sequences.reset();
    m_frameInfo.reset();
    m_name.Clear();
    m_sequenceCount = m_frameCount = 0;
    m_triggerFrameA = m_triggerFrameB = 0;
}

bool Animation::Read(Stream& stream, const char* source) {
    if (stream.CheckOpen() != kStreamOk)
        return Damaged(source, "cannot be read");
    FileObject::Clear();
    Free();
    Stringc name;
    uint32_t sequenceCount = 0, frameCount = 0, triggerA = 0, triggerB = 0, transparent = 0;
    if (!name.Read(stream) || !stream.ReadValue(sequenceCount) || !stream.ReadValue(frameCount) ||
        !stream.ReadValue(triggerA) || !stream.ReadValue(triggerB) ||
        !stream.ReadValue(transparent) || stream.Read(m_palette, sizeof m_palette) != kStreamOk)
        return Damaged(source, "the header is cut short");
    if (frameCount > kMaxFrames)
        return Damaged(source, "more frames than a sequence can hold:", frameCount);
    const unsigned long long least =
        sequenceCount * (2 + frameCount * kMinStoredFrame) + frameCount * kStoredFrameInfo;
    if (least > static_cast<unsigned long long>(stream.Remaining()) ||
        !AllocFrames(static_cast<int>(sequenceCount), static_cast<int>(frameCount)))
        return Damaged(source, "the counts ask for more than the file holds");
    m_name = name;
    // Players test the frame against these; the setter keeps them within the count too.
    m_triggerFrameA = std::min(triggerA, frameCount);
    m_triggerFrameB = std::min(triggerB, frameCount);
    m_transparentIndex = transparent;
    for (uint32_t sequence = 0; sequence < sequenceCount; ++sequence) {
        if (!m_sequences[sequence].Read(stream))
            return Damaged(source, "cut short or damaged in sequence", sequence);
        if (static_cast<uint32_t>(m_sequences[sequence].GetCount()) != frameCount)
            return Damaged(source, "a frame count unlike the header's in sequence", sequence);
    }
    for (uint32_t frame = 0; frame < frameCount; ++frame) {
        AnimFrameInfo& info = m_frameInfo[frame];
        if (!stream.ReadValue(info.offsetX) || !stream.ReadValue(info.offsetY) ||
            !stream.ReadValue(info.offsetZ) || !stream.ReadValue(info.duration))
            return Damaged(source, "the frame timings are cut short");
    }
    return true;
}

bool Animation::Write(Stream& stream) const {
    if (stream.CheckOpen() != kStreamOk || !m_sequences || !m_frameInfo)
        return false;
    if (!m_name.Write(stream) || !stream.WriteValue(m_sequenceCount) ||
        !stream.WriteValue(m_frameCount) || !stream.WriteValue(m_triggerFrameA) ||
        !stream.WriteValue(m_triggerFrameB) || !stream.WriteValue(m_transparentIndex) ||
        stream.Write(m_palette, sizeof m_palette) != kStreamOk)
        return false;
    for (uint32_t sequence = 0; sequence < m_sequenceCount; ++sequence)
        if (!m_sequences[sequence].Write(stream))
            return false;
    for (uint32_t frame = 0; frame < m_frameCount; ++frame) {
        const AnimFrameInfo& info = m_frameInfo[frame];
        if (!stream.WriteValue(info.offsetX) || !stream.WriteValue(info.offsetY) ||
            !stream.WriteValue(info.offsetZ) || !stream.WriteValue(info.duration))
            return false;
    }
    return true;
}

bool Animation::Load(const char* path) {
    const Stringc normal = NormalPath(path);
    FileStream file(normal.c_str(), kStreamReadBinary);
    if (!file.IsOpen())
        return Damaged(normal.c_str(), "cannot be opened");
    return Read(file, normal.c_str());
}

bool Animation::LoadResource(const char* path) {
    const Stringc normal = NormalPath(path);
    MemStream stream(kStreamReadBinary);
    return LoadDataFile(normal.c_str(), g_animationRes, stream) && Read(stream, normal.c_str());
}

bool Animation::Save() const {
    const Stringc stored = GetFullPath();
    if (stored.Length() == 0)
        return Damaged("Animation::Save", "an animation without a path cannot be saved");
    const Stringc path = stored[0] == '/' || g_dataPaths == nullptr
                             ? stored
                             : g_dataPaths->GetRootDir() + "/" + stored;
    if (!FileStream::WriteReplacing(path.c_str(), [this](Stream& file) { return Write(file); }))
        return Damaged(path.c_str(), "cannot be written");
    return true;
}

bool Animation::CreateFromBitmaps(const char* directory, int sequenceCount, int keyChoice) {
    FileObject::Clear();
    Free();
    Stringc name(directory);
    name.NormaliseDirectory();
    const char* slash = std::strrchr(name.c_str(), '/');
    name = Stringc(slash ? slash + 1 : name.c_str());

    DirectoryList listing;
    listing.SetPattern("*.bmp");
    const std::unique_ptr<Stringc> bitmaps = listing.Scan(directory);
    const int count = bitmaps ? bitmaps->ChainCount() : 0;
    if (count == 0 || sequenceCount <= 0 || count % sequenceCount != 0) {
        std::fprintf(stderr, "%s: %d bitmaps cannot make %d sequences\n", directory, count,
                     sequenceCount);
        return false;
    }
    const int frames = count / sequenceCount;
    if (!AllocFrames(sequenceCount, frames))
        return Damaged(directory, "too many bitmaps for one sequence");
    m_name = name;
    for (int sequence = 0; sequence < sequenceCount; ++sequence)
        if (!m_sequences[sequence].Build(bitmaps->ChainAt(sequence * frames), frames, keyChoice,
                                         m_transparentIndex, m_palette)) {
            Free();
            return false;
        }
    return true;
}

AnimFrameInfo* Animation::Info(int frame) const {
    return frame >= 0 && static_cast<uint32_t>(frame) < m_frameCount ? &m_frameInfo[frame]
                                                                     : nullptr;
}

void Animation::SetFrameInfo(int frame, float x, float y, float z) {
    if (AnimFrameInfo* info = Info(frame)) {
        info->offsetX = x;
        info->offsetY = y;
        info->offsetZ = z;
    }
}

void Animation::GetFrameInfo(int frame, float& x, float& y, float& z) const {
    const AnimFrameInfo* info = Info(frame);
    x = info ? info->offsetX : 0;
    y = info ? info->offsetY : 0;
    z = info ? info->offsetZ : 0;
}

void Animation::SetFrameDuration(int frame, uint32_t milliseconds) {
    if (AnimFrameInfo* info = Info(frame))
        info->duration = milliseconds;
}

uint32_t Animation::GetFrameDuration(int frame) const {
    const AnimFrameInfo* info = Info(frame);
    return info ? info->duration : 0;
}

EncodedFrame* Animation::GetFrameImage(int sequence, int frame) const {
    return sequence >= 0 && static_cast<uint32_t>(sequence) < m_sequenceCount
               ? m_sequences[sequence].GetFrame(frame)
               : nullptr;
}

void Animation::SetFrameFlag(int sequence, int frame, uint8_t flag) {
    if (EncodedFrame* image = GetFrameImage(sequence, frame))
        image->SetFlag(flag);
}

uint8_t Animation::GetFrameFlag(int sequence, int frame) const {
    const EncodedFrame* image = GetFrameImage(sequence, frame);
    return image ? image->GetFlag() : 0;
}

void Animation::DrawFrameOutline(const PixelSurface& surface, int sequence, int frame, int x,
                                 int y) const {
    if (const EncodedFrame* image = GetFrameImage(sequence, frame))
        image->DrawOutline(surface, x, y);
}

void Animation::CopyFrameInfoToAll(int frame) {
    const AnimFrameInfo* source = Info(frame);
    if (!source)
        return;
    const AnimFrameInfo copied = *source;
    for (uint32_t other = 0; other < m_frameCount; ++other) {
        m_frameInfo[other].offsetX = copied.offsetX;
        m_frameInfo[other].offsetY = copied.offsetY;
        m_frameInfo[other].offsetZ = copied.offsetZ;
    }
}

void Animation::CopyDurationToAll(int frame) {
    if (const AnimFrameInfo* source = Info(frame)) {
        const uint32_t duration = source->duration;
        for (uint32_t other = 0; other < m_frameCount; ++other)
            m_frameInfo[other].duration = duration;
    }
}

void Animation::CopyFlagToSequence(int sequence, int frame) {
    const uint8_t flag = GetFrameFlag(sequence, frame);
    if (!GetFrameImage(sequence, frame))
        return;
    for (uint32_t other = 0; other < m_frameCount; ++other)
        SetFrameFlag(sequence, static_cast<int>(other), flag);
}
