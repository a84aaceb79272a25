#include "Library/graphics/animation_mgr.h"

#include "Library/core/stream.h"
#include "Library/files/data_paths.h"
#include "Library/files/stored_name.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

AnimationMgr::AnimationMgr() {
    Release();
}

AnimationMgr::~AnimationMgr() = default;

void AnimationMgr::Release() {
    m_setName.Clear();
    m_animation = nullptr;
    m_pool = nullptr;
    m_surface.reset();
    m_frameRect = ScreenPos();
    m_transparentIndex = m_keptIndex = 0;
    m_sequence = m_frame = m_timer = 0;
    m_dirty = m_paletteChanged = m_paletteUsed = false;
    m_cropX = m_cropY = 0;
}

// A creature's look is set anew at each change of its state, mostly to the same set: the
// same bytes keep their buffer.
void AnimationMgr::SetAnimationName(const Stringc& setName) {
    if (setName.GetNext() != nullptr || m_setName.GetNext() != nullptr ||
        std::strcmp(setName.c_str(), m_setName.c_str()) != 0)
        m_setName = setName;
    m_animation = nullptr;
}

Animation* AnimationMgr::GetAnimation() const {
    return m_animation && m_pool->GetGeneration() == m_poolGeneration ? m_animation : nullptr;
}

Stringc AnimationMgr::GetName() const {
    const Animation* animation = GetAnimation();
    return animation ? animation->GetName() : Stringc();
}

bool AnimationMgr::SetAnimation(const char* fileName, UniAnimationMgr& pool) {
    if (const Animation* current = GetAnimation(); current && current->GetName() == fileName)
        return true;
    m_animation = nullptr;
    if (fileName == nullptr || fileName[0] == '\0')
        return false; // a set's folder is no animation
    if (g_dataPaths == nullptr) {
        std::fprintf(stderr, "No data paths give the animation directory of %s\n", fileName);
        return false;
    }
    // Built in a kept buffer: a creature's look is set anew at each change of its state.
    m_path.assign(g_dataPaths->GetAnimDir().c_str())
        .append("/")
        .append(m_setName.c_str())
        .append("/")
        .append(fileName)
        .append(".ani");
    Animation* animation = pool.GetAnimation(m_path.c_str());
    if (!animation || !PrepareSurface(*animation))
        return false;
    if (!animation->GetFrameImage(static_cast<int>(m_sequence), 0)) {
        std::fprintf(stderr, "%s has no sequence %u\n", m_path.c_str(), m_sequence);
        return false;
    }
    m_animation = animation;
    m_pool = &pool;
    m_poolGeneration = pool.GetGeneration();
    m_frame = 0;
    m_timer = 0;
    m_dirty = true;
    TakeFrameGeometry(*animation);
    return true;
}

// A surface as large as the animation's largest frame, keyed and holding its palette.
bool AnimationMgr::PrepareSurface(const Animation& animation) {
    int width = 0, height = 0;
    for (int sequence = 0; sequence < animation.GetSequenceCount(); ++sequence)
        for (int frame = 0; frame < animation.GetFrameCount(); ++frame) {
            const EncodedFrame* image = animation.GetFrameImage(sequence, frame);
            if (!image)
                return false;
            width = std::max(width, image->GetWidth());
            height = std::max(height, image->GetHeight());
        }
    if (width == 0 || height == 0) {
        std::fprintf(stderr, "%s has no frame to show\n", animation.GetFullPath().c_str());
        return false;
    }
    if (!m_surface || m_surface->w < width || m_surface->h < height) {
        if (m_surface) {
            width = std::max(width, m_surface->w);
            height = std::max(height, m_surface->h);
        }
        m_surface = MakeSurface8(width, height);
        if (!m_surface)
            return false;
    }
    m_transparentIndex = m_keptIndex = animation.GetTransparentIndex();
    SDL_SetColorKey(m_surface.get(), SDL_SRCCOLORKEY, m_transparentIndex);
    std::copy_n(animation.GetPalette(), kPaletteEntries, m_paletteCopy);
    return true;
}

void AnimationMgr::TakeFrameGeometry(const Animation& animation) {
    const EncodedFrame* image =
        animation.GetFrameImage(static_cast<int>(m_sequence), static_cast<int>(m_frame));
    if (!image)
        return;
    m_frameRect.w = image->GetWidth();
    m_frameRect.h = image->GetHeight();
    m_cropX = static_cast<uint32_t>(image->GetOffsetX());
    m_cropY = static_cast<uint32_t>(image->GetOffsetY());
}

void AnimationMgr::SetSequence(int sequence) {
    const Animation* animation = GetAnimation();
    if (animation && sequence != GetSequence() && sequence >= 0 &&
        sequence < animation->GetSequenceCount()) {
        m_sequence = static_cast<uint32_t>(sequence);
        m_dirty = true;
    }
}

void AnimationMgr::SetFrame(int frame) {
    const Animation* animation = GetAnimation();
    if (animation && frame != GetFrame() && frame >= 0 && frame < animation->GetFrameCount()) {
        m_frame = static_cast<uint32_t>(frame);
        m_dirty = true;
    }
}

int AnimationMgr::GetSequenceCount() const {
    const Animation* animation = GetAnimation();
    return animation ? animation->GetSequenceCount() : 0;
}

int AnimationMgr::GetFrameCount() const {
    const Animation* animation = GetAnimation();
    return animation ? animation->GetFrameCount() : 0;
}

bool AnimationMgr::Advance(bool loop, uint32_t frameMs) {
    return Step(1, loop, frameMs);
}

bool AnimationMgr::AdvanceReverse(bool loop, uint32_t frameMs) {
    return Step(-1, loop, frameMs);
}

bool AnimationMgr::Step(int direction, bool loop, uint32_t frameMs) {
    const Animation* animation = GetAnimation();
    if (!animation)
        return false;
    m_timer += frameMs;
    if (m_timer < animation->GetFrameDuration(GetFrame()))
        return true;
    m_timer = 0;
    const int count = animation->GetFrameCount();
    int next = GetFrame() + direction;
    if (next < 0 || next >= count) {
        if (!loop)
            return false;
        next = direction > 0 ? 0 : count - 1;
    }
    SetFrame(next);
    return true;
}

void AnimationMgr::SetTriggerFrameA(int frame) {
    if (Animation* animation = GetAnimation())
        animation->SetTriggerFrameA(
            static_cast<uint32_t>(std::clamp(frame, 0, animation->GetFrameCount())));
}

void AnimationMgr::SetTriggerFrameB(int frame) {
    if (Animation* animation = GetAnimation())
        animation->SetTriggerFrameB(
            static_cast<uint32_t>(std::clamp(frame, 0, animation->GetFrameCount())));
}

int AnimationMgr::GetTriggerFrameA() const {
    const Animation* animation = GetAnimation();
    return animation ? static_cast<int>(animation->GetTriggerFrameA()) : 0;
}

int AnimationMgr::GetTriggerFrameB() const {
    const Animation* animation = GetAnimation();
    return animation ? static_cast<int>(animation->GetTriggerFrameB()) : 0;
}

bool AnimationMgr::IsAtTriggerFrameA() const {
    const Animation* animation = GetAnimation();
    return animation && animation->GetTriggerFrameA() == m_frame;
}

bool AnimationMgr::IsAtTriggerFrameB() const {
    const Animation* animation = GetAnimation();
    return animation && animation->GetTriggerFrameB() == m_frame;
}

void AnimationMgr::SetFrameOffsets(float x, float y, float z) {
    if (Animation* animation = GetAnimation())
        animation->SetFrameInfo(GetFrame(), x, y, z);
}

void AnimationMgr::GetFrameOffsets(float& x, float& y, float& z) const {
    x = y = z = 0;
    if (const Animation* animation = GetAnimation())
        animation->GetFrameInfo(GetFrame(), x, y, z);
}

void AnimationMgr::SetFrameDuration(uint32_t milliseconds) {
    if (Animation* animation = GetAnimation())
        animation->SetFrameDuration(GetFrame(), milliseconds);
}

uint32_t AnimationMgr::GetFrameDuration() const {
    const Animation* animation = GetAnimation();
    return animation ? animation->GetFrameDuration(GetFrame()) : 0;
}

void AnimationMgr::SetFrameFlag(uint8_t flag) {
    if (Animation* animation = GetAnimation())
        animation->SetFrameFlag(GetSequence(), GetFrame(), flag);
}

uint8_t AnimationMgr::GetFrameFlag() const {
    const Animation* animation = GetAnimation();
    return animation ? animation->GetFrameFlag(GetSequence(), GetFrame()) : 0;
}

void AnimationMgr::CopyFrameInfoToAll() {
    if (Animation* animation = GetAnimation())
        animation->CopyFrameInfoToAll(GetFrame());
}

void AnimationMgr::CopyDurationToAll() {
    if (Animation* animation = GetAnimation())
        animation->CopyDurationToAll(GetFrame());
}

void AnimationMgr::CopyFlagToSequence() {
    if (Animation* animation = GetAnimation())
        animation->CopyFlagToSequence(GetSequence(), GetFrame());
}

void AnimationMgr::CopyFlagToAll() {
    Animation* animation = GetAnimation();
    if (!animation)
        return;
    const uint8_t flag = animation->GetFrameFlag(GetSequence(), GetFrame());
    for (int sequence = 0; sequence < animation->GetSequenceCount(); ++sequence)
        animation->SetFrameFlag(sequence, GetFrame(), flag);
}

bool AnimationMgr::ExportFrameBmp(int x, int y, int width, int height) const {
    if (!m_surface || width <= 0 || height <= 0)
        return false;
    const SurfacePtr picture = MakeSurface8(width, height);
    if (!picture || SDL_LockSurface(picture.get()) != 0)
        return false;
    SDL_SetPalette(picture.get(), SDL_LOGPAL, const_cast<SDL_Color*>(m_paletteCopy), 0,
                   kPaletteEntries);
    SDL_FillRect(picture.get(), nullptr, m_transparentIndex);
    const int left = width / 2 + x, top = height / 2 + y;
    const int from = std::max(0, -left), to = std::min(m_frameRect.w, width - left);
    if (SDL_LockSurface(m_surface.get()) == 0) {
        for (int row = std::max(0, -top); row < std::min(m_frameRect.h, height - top) && from < to;
             ++row)
            std::memcpy(
                static_cast<uint8_t*>(picture->pixels) + (top + row) * picture->pitch + left + from,
                static_cast<const uint8_t*>(m_surface->pixels) + row * m_surface->pitch + from,
                static_cast<size_t>(to - from));
        SDL_UnlockSurface(m_surface.get());
    }
    SDL_UnlockSurface(picture.get());
    const char letter[2] = {m_frame < 16 ? static_cast<char>('a' + m_frame) : '\0', '\0'};
    const Stringc name = Stringc("ararrow_") + letter + "00" + "00000" + ".bmp";
    return SDL_SaveBMP(picture.get(), name.c_str()) == 0;
}

bool AnimationMgr::Update() {
    const Animation* animation = GetAnimation();
    if (!animation || !m_surface)
        return false;
    if (m_dirty) {
        m_dirty = false;
        TakeFrameGeometry(*animation);
        SDL_Rect area{0, 0, static_cast<Uint16>(m_frameRect.w), static_cast<Uint16>(m_frameRect.h)};
        SDL_FillRect(m_surface.get(), &area, m_transparentIndex);
        if (const EncodedFrame* image = animation->GetFrameImage(GetSequence(), GetFrame()))
            image->Decode(m_surface.get());
        return true;
    }
    if (m_paletteChanged) {
        m_paletteChanged = false;
        HandPaletteToSurface();
    }
    return false;
}

// A new palette makes SDL rebuild the surface's colour map at the next blit: only when it
// differs.
void AnimationMgr::HandPaletteToSurface() {
    const SDL_Palette* shown = m_surface->format->palette;
    if (shown->ncolors != kPaletteEntries ||
        std::memcmp(shown->colors, m_paletteCopy, sizeof m_paletteCopy) != 0)
        SDL_SetPalette(m_surface.get(), SDL_LOGPAL, m_paletteCopy, 0, kPaletteEntries);
}

// Reads only the player's own surface, so the last frame stays on show even after the
// pool that held the animation was cleared.
void AnimationMgr::DrawSurface(SDL_Surface* target, int x, int y) {
    if (!m_animation || !m_surface || !target)
        return;
    m_paletteUsed = true;
    HandPaletteToSurface();
    const long left = static_cast<long>(x) + m_cropX, top = static_cast<long>(y) + m_cropY;
    if (left < INT16_MIN || left > INT16_MAX || top < INT16_MIN || top > INT16_MAX)
        return;
    SDL_Rect source{0, 0, static_cast<Uint16>(m_frameRect.w), static_cast<Uint16>(m_frameRect.h)};
    SDL_Rect place{static_cast<Sint16>(left), static_cast<Sint16>(top), 0, 0};
    SDL_UpperBlit(m_surface.get(), &source, target, &place);
}

void AnimationMgr::DrawOutline(const PixelSurface& surface, int x, int y) const {
    if (const Animation* animation = GetAnimation())
        animation->DrawFrameOutline(surface, GetSequence(), GetFrame(), x, y);
}

bool AnimationMgr::IsOnScreen(int x, int y) const {
    const Animation* animation = GetAnimation();
    const EncodedFrame* image =
        animation ? animation->GetFrameImage(GetSequence(), GetFrame()) : nullptr;
    return image && image->IsOnScreen(x, y);
}

bool AnimationMgr::HitTest(int x, int y) const {
    if (!m_surface || x < 0 || y < 0 || x >= m_frameRect.w || y >= m_frameRect.h ||
        SDL_LockSurface(m_surface.get()) != 0)
        return false;
    const uint8_t index = static_cast<const uint8_t*>(m_surface->pixels)[y * m_surface->pitch + x];
    SDL_UnlockSurface(m_surface.get());
    return index != m_transparentIndex;
}

void AnimationMgr::ApplyColourMod(const ColourMod& mod) {
    const Animation* animation = GetAnimation();
    if (!animation)
        return;
    if (m_paletteUsed) {
        std::copy_n(animation->GetPalette(), kPaletteEntries, m_paletteCopy);
        m_paletteUsed = false;
    }
    m_paletteChanged = true;
    if (mod.HasAlpha()) {
        SDL_SetAlpha(m_surface.get(), SDL_SRCALPHA, static_cast<Uint8>(mod.GetAlpha()));
        m_dirty = true;
    } else if (m_surface->flags & SDL_SRCALPHA) {
        SDL_SetAlpha(m_surface.get(), 0, SDL_ALPHA_OPAQUE); // a finished fade leaves none
    }
    if (mod.KeepsColour()) {
        const Colour& keep = mod.GetKeepColour();
        m_keptIndex = static_cast<uint32_t>(NearestPaletteEntry(
            animation->GetPalette(), kPaletteEntries, keep.red, keep.green, keep.blue));
    }
    if (!mod.ChangesColours())
        return;
    for (uint32_t index = 0; index < kPaletteEntries; ++index) {
        if (index == m_keptIndex || index == m_transparentIndex)
            continue;
        SDL_Color& entry = m_paletteCopy[index];
        const Colour changed = mod.Recolour(Colour(entry.r, entry.g, entry.b));
        entry.r = changed.red;
        entry.g = changed.green;
        entry.b = changed.blue;
    }
}

SDL_Surface* AnimationMgr::BuildPaletteLookup() {
    if (GetAnimation()) {
        m_paletteUsed = true;
        for (int index = 0; index < kPaletteEntries; ++index) {
            const SDL_Color& entry = m_paletteCopy[index];
            m_colourTable[index] = Colour(entry.r, entry.g, entry.b).Pack16();
        }
    }
    return m_surface.get();
}

bool AnimationMgr::Read(Stream& stream) {
    Release();
    Stringc animationName;
    return m_setName.Read(stream) && StoredName::Check(m_setName) && animationName.Read(stream) &&
           stream.ReadValue(m_sequence) && stream.ReadValue(m_frame);
}

bool AnimationMgr::Write(Stream& stream) const {
    return m_setName.Write(stream) && GetName().Write(stream) && stream.WriteValue(m_sequence) &&
           stream.WriteValue(m_frame);
}
