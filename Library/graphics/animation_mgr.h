#pragma once
// An animation player: which animation of which set it shows, which sequence (direction)
// and frame, how long the frame has been up, and its own copy of the palette so that it
// can be recoloured without touching the shared art. Every creature layer, entity,
// projectile, spell effect and the mouse cursor has one.

#include "Library/core/stringc.h"
#include "Library/graphics/screen_pos.h"
#include "Library/graphics/surface_ptr.h"

#include <cstdint>
#include <string>

class Animation;
class ColourMod;
class Stream;
class UniAnimationMgr;
struct PixelSurface;

class AnimationMgr {
public:
    static constexpr int kPaletteEntries = 256;

    AnimationMgr();
    virtual ~AnimationMgr();
    AnimationMgr(const AnimationMgr&) = delete;
    AnimationMgr& operator=(const AnimationMgr&) = delete;

    void Release(); // no set, no animation, no surface, everything 0

    void SetAnimationName(const Stringc& setName); // forgets the animation; the surface stays
    Stringc GetAnimationName() const { return m_setName; }
    // Shows the animation in the data paths' animation directory + "/" + set + "/" + fileName +
    // ".ani" from the pool at frame 0 of the current sequence; asking for the animation
    // already shown changes nothing. False, and no animation, on failure or an empty
    // fileName (no path is made of it). The pool must outlive the player; clearing it
    // leaves the player with no animation.
    bool SetAnimation(const char* fileName, UniAnimationMgr& pool);
    Stringc GetName() const;         // the animation's own name, or ""
    Animation* GetAnimation() const; // null when none, or when its pool was cleared

    // Only with an animation, to a different value inside its counts; the frame is rebuilt
    // at the next Update.
    void SetSequence(int sequence);
    void SetFrame(int frame);
    int GetSequence() const { return static_cast<int>(m_sequence); }
    int GetFrame() const { return static_cast<int>(m_frame); }
    int GetSequenceCount() const;
    int GetFrameCount() const;
    int GetFrameTotal() const { return GetFrameCount(); }

    // Adds the frame time (milliseconds of this game frame) to the timer and steps to the
    // next (previous) frame once the frame's duration is reached. Without looping, stepping
    // past the end (start) gives false and the frame stays; false without an animation.
    bool Advance(bool loop, uint32_t frameMs);
    bool AdvanceReverse(bool loop, uint32_t frameMs);

    // Trigger frames live in the shared animation; set values are clamped to 0..frame count.
    void SetTriggerFrameA(int frame);
    void SetTriggerFrameB(int frame);
    int GetTriggerFrameA() const;
    int GetTriggerFrameB() const;
    bool IsAtTriggerFrameA() const;
    bool IsAtTriggerFrameB() const;

    // The current frame's data; without an animation setters do nothing and getters give 0.
    void SetFrameOffsets(float x, float y, float z);
    void GetFrameOffsets(float& x, float& y, float& z) const;
    void SetFrameDuration(uint32_t milliseconds);
    uint32_t GetFrameDuration() const;
    void SetFrameFlag(uint8_t flag);
    uint8_t GetFrameFlag() const;

    // Editor operations on the current frame.
    void CopyFrameInfoToAll();
    void CopyDurationToAll();
    void CopyFlagToSequence(); // every frame of the current sequence
    void CopyFlagToAll();      // the current frame of every sequence
    // Saves the frame, centred at (x, y) on a width x height picture, as
    // "ararrow_<a-p by frame>0000000.bmp" in the working directory.
    bool ExportFrameBmp(int x, int y, int width, int height) const;

    // Rebuilds the frame surface when the frame changed (true), else hands a changed palette
    // to it (false).
    bool Update();
    // Blits the frame surface, colour-keyed, to target at (x, y) plus the frame's crop.
    void DrawSurface(SDL_Surface* target, int x, int y);
    void DrawOutline(const PixelSurface& surface, int x, int y) const;
    bool IsOnScreen(int x, int y) const;
    bool HitTest(int x, int y) const; // (x, y) from the frame's top-left; true on a drawn pixel
    // Recolours the palette copy for the current frame; the copy starts again from the
    // animation's palette only after a draw or BuildPaletteLookup has used it.
    void ApplyColourMod(const ColourMod& mod);
    // The palette copy in screen pixels (GetColourTable); returns the frame surface.
    SDL_Surface* BuildPaletteLookup();
    const uint16_t* GetColourTable() const { return m_colourTable; }

    // Where the owner last placed the full frame on the screen (the crop not added);
    // the drawing through a clip map takes it from here.
    void SetScreenPosition(int x, int y) {
        m_frameRect.x = x;
        m_frameRect.y = y;
    }
    int GetScreenX() const { return m_frameRect.x; }
    int GetScreenY() const { return m_frameRect.y; }
    uint32_t GetTransparentIndex() const { return m_transparentIndex; }
    uint32_t GetKeptIndex() const { return m_keptIndex; } // left out of recolouring
    int GetFrameWidth() const { return m_frameRect.w; }
    int GetFrameHeight() const { return m_frameRect.h; }
    int GetCropX() const { return static_cast<int>(m_cropX); }
    int GetCropY() const { return static_cast<int>(m_cropY); }
    // The screen rectangle DrawSurface (x, y) covers: the frame shifted by its crop.
    ScreenPos CoveredRect(int x, int y) const {
        return ScreenPos{x + GetCropX(), y + GetCropY(), m_frameRect.w, m_frameRect.h};
    }

    // Saved state: set name and animation name (Stringc form), u32 sequence, u32 frame.
    // Reading releases the player and drops the animation name: the owner sets the
    // animation again, which starts at frame 0.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    bool PrepareSurface(const Animation& animation);
    void TakeFrameGeometry(const Animation& animation);
    void HandPaletteToSurface();
    bool Step(int direction, bool loop, uint32_t frameMs); // +1 forwards, -1 backwards

    // What a frame's step reads and writes comes first, together: every creature and
    // effect steps its players each frame, and the palette below is over a kilobyte.
    Animation* m_animation = nullptr; // valid only while its pool keeps m_poolGeneration
    const UniAnimationMgr* m_pool = nullptr;
    uint32_t m_poolGeneration = 0;
    uint32_t m_sequence = 0;
    uint32_t m_frame = 0;
    uint32_t m_timer = 0;
    bool m_dirty = false;
    bool m_paletteChanged = false;
    bool m_paletteUsed = false;
    uint32_t m_cropX = 0;
    uint32_t m_cropY = 0;
    ScreenPos m_frameRect;
    SurfacePtr m_surface;
    uint32_t m_transparentIndex = 0;
    uint32_t m_keptIndex = 0;
    SDL_Color m_paletteCopy[kPaletteEntries] = {};
    uint16_t m_colourTable[kPaletteEntries] = {};
    Stringc m_setName;
    std::string m_path; // of the last animation asked for
};
