#pragma once
// The shared, read-only art of one animated thing: sequences (as a rule one per facing) of
// equally many encoded 8-bit frames, one 256-entry palette with a transparent index,
// per-frame offsets and durations, and two trigger frames owners act on. Players
// (AnimationMgr) show it; a pool (UniAnimationMgr) loads each one once.

#include "Library/files/file_object.h"
#include "Library/graphics/anim_frame_info.h"
#include "Library/graphics/pixel_surface.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <memory>

class EncodedFrame;
class GraphicSequence2;
class Stream;

class Animation : public FileObject {
public:
    static constexpr int kPaletteEntries = 256;

    Animation();
    ~Animation() override;
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;

    // Empty sequences and zeroed frame infos; on failure everything is freed.
    bool AllocFrames(int sequenceCount, int frameCount);
    void Free(); // no frames, name "", counts and trigger frames 0

    // ".ani" form, little-endian:
    //   name (Stringc form), u32 sequence count S, u32 frame count F, u32 trigger frame A,
    //   u32 trigger frame B, u32 transparent index, 256 x (u8 R, G, B, reserved),
    //   S sequences (GraphicSequence2 form, each of F frames),
    //   F frame infos of f32 offset x, f32 offset y, f32 third offset, u32 duration in ms.
    // Reading checks the counts against the data and every frame's rows; source names the
    // data in the message printed on failure.
    bool Read(Stream& stream, const char* source = "animation data");
    bool Write(Stream& stream) const; // false without sequences or frame infos

    bool Load(const char* path);         // from disk
    bool LoadResource(const char* path); // from the animation archive when the game uses it
    // To the data root + "/" + the stored path (a path outside the root as it is), written
    // beside it and renamed into place.
    bool Save() const;
    // The ".bmp" files of a directory in name order, split into sequenceCount sequences of
    // equally many frames; keyChoice as GraphicSequence2::Build's key code.
    bool CreateFromBitmaps(const char* directory, int sequenceCount, int keyChoice);

    const Stringc& GetName() const { return m_name; }
    int GetSequenceCount() const { return static_cast<int>(m_sequenceCount); }
    int GetFrameCount() const { return static_cast<int>(m_frameCount); }
    uint32_t GetTransparentIndex() const { return m_transparentIndex; }
    const SDL_Color* GetPalette() const { return m_palette; }
    uint32_t GetTriggerFrameA() const { return m_triggerFrameA; }
    uint32_t GetTriggerFrameB() const { return m_triggerFrameB; }
    void SetTriggerFrameA(uint32_t frame) { m_triggerFrameA = frame; }
    void SetTriggerFrameB(uint32_t frame) { m_triggerFrameB = frame; }

    // Per frame index; indices outside the frame count are ignored or give 0.
    void SetFrameInfo(int frame, float x, float y, float z);
    void GetFrameInfo(int frame, float& x, float& y, float& z) const;
    void SetFrameDuration(int frame, uint32_t milliseconds);
    uint32_t GetFrameDuration(int frame) const;

    EncodedFrame* GetFrameImage(int sequence, int frame) const; // null outside the counts
    void SetFrameFlag(int sequence, int frame, uint8_t flag);
    uint8_t GetFrameFlag(int sequence, int frame) const;
    void DrawFrameOutline(const PixelSurface& surface, int sequence, int frame, int x, int y) const;

    // Editor operations.
    void CopyFrameInfoToAll(int frame); // the offsets; durations stay
    void CopyDurationToAll(int frame);
    void CopyFlagToSequence(int sequence, int frame);

private:
    AnimFrameInfo* Info(int frame) const; // null outside the frame count

    Stringc m_name;
    std::unique_ptr<GraphicSequence2[]> m_sequences;
    std::unique_ptr<AnimFrameInfo[]> m_frameInfo;
    uint32_t m_transparentIndex = 0;
    SDL_Color m_palette[kPaletteEntries] = {};
    uint32_t m_sequenceCount = 0;
    uint32_t m_frameCount = 0;
    uint32_t m_triggerFrameA = 0;
    uint32_t m_triggerFrameB = 0;
};
