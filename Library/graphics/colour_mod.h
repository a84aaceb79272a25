#pragma once
// How to recolour a palette animation at run time: brightness offsets that glide toward a
// target, recolouring of palette entries by their hue class, a whole-palette tint, a fade
// of the frame's alpha and two pulsing values. Owners keep one per thing, update it once
// per frame and hand it to their player (AnimationMgr::ApplyColourMod).

#include "Library/graphics/colour.h"

#include <cstdint>

class Stream;

class ColourMod {
public:
    static constexpr int kSlotCount = 8; // the hue classes of Colour::HueClass
    static constexpr int kStoredSize = 324;

    // Flags: bits 0-1 the fade state (0 none, 1 faded in, 2 fading out, 3 fading in),
    // bits 2-3 the level state (0 none, 1 reached after rising, 2 falling, 3 rising).
    static constexpr uint16_t kFadeStateMask = 0x03;
    static constexpr uint16_t kLevelStateMask = 0x0C;
    static constexpr uint16_t kPulse = 0x10;
    static constexpr uint16_t kSlotFade = 0x20;   // some slot has mode 2
    static constexpr uint16_t kKeepColour = 0x40; // the entry nearest the keep colour stays
    static constexpr uint16_t kSlotModes = 0x80;  // some slot has a mode
    static constexpr uint16_t kLocked = 0x100;    // level and target setters are ignored
    static constexpr uint16_t kAlphaFade = 0x200;
    static constexpr uint16_t kAlphaFadeTarget = 0x400;
    static constexpr uint16_t kTint = 0x800;

    // Slot modes: 0 off, 1 slot colour, 2 slot colour less the slot fade, 3 slot colour
    // without the level.
    enum SlotMode : uint32_t { kSlotOff = 0, kSlotColour = 1, kSlotFaded = 2, kSlotUnlevelled = 3 };

    ColourMod() { Clear(); }

    void Clear(); // every stored field 0

    void SetTargetLevel(int r, int g, int b); // starts the glide
    void SetLevel(int r, int g, int b);       // level and target at once
    void SetLocked(bool on, int r, int g, int b);
    void SetSlot(uint32_t mode, int slot, const Colour& colour, uint8_t slotFadeSpeed);
    void SetKeepColour(bool on, const Colour& colour);
    void SetTint(bool on, const Colour& colour);
    void SetFade(bool on, float amount);
    void SetFadeTarget(bool on, float amount, uint8_t pulseSpeed);
    void StartFadeIn();
    void StartFadeOut();

    // Once per frame, with the frame's length in milliseconds.
    void Update(uint32_t frameMs);
    // Whether Update changes nothing: no fade, glide or wave under way and no slot whose
    // working colour follows the slot fade.
    bool IsAtRest() const;

    // The colour a palette entry becomes (each channel kept within 0..255).
    Colour Recolour(const Colour& entry) const;
    bool ChangesColours() const; // false when Recolour gives every entry back unchanged
    bool HasAlpha() const { return (m_flags & (kAlphaFade | kAlphaFadeTarget)) != 0; }
    int GetAlpha() const; // the fade amount as an SDL alpha
    bool KeepsColour() const { return (m_flags & kKeepColour) != 0; }
    const Colour& GetKeepColour() const { return m_keepColour; }
    bool Tints() const { return (m_flags & kTint) != 0; }
    const Colour& GetTintColour() const { return m_tintColour; }

    uint16_t GetFlags() const { return m_flags; }
    int GetLevel(int channel) const { return m_level[channel]; } // 0 red, 1 green, 2 blue
    int GetTargetLevel(int channel) const { return m_targetLevel[channel]; }
    float GetFadeAmount() const { return m_fadeAmount; }
    float GetPulseValue() const { return m_pulseValue; }
    float GetSlotFadeValue() const { return m_slotFadeValue; }
    const Colour& GetWorkingColour(int slot) const { return m_working.colours[slot]; }

    // Stored form, little-endian, 324 bytes: u16 flags, 3 x u16 level, 3 x u16 target level,
    // eight times the whole 8 x u32 slot-mode array followed by slot i's colour (R, G, B;
    // the last array read counts), keep colour, tint colour, f32 fade amount, u8 pulse
    // speed, f32 pulse value, u8 pulse rising, u32 pulse word, u8 slot fade speed, f32 slot
    // fade value, u8 slot fade rising, u32 slot fade word. A failed read changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    void SetFadeState(int state) {
        m_flags = static_cast<uint16_t>((m_flags & ~kFadeStateMask) | state);
    }
    void SetLevelState(int state) {
        m_flags = static_cast<uint16_t>((m_flags & ~kLevelStateMask) | state << 2);
    }
    void UpdateLevel(float seconds);
    void UpdateWorkingColours();
    void NoteFadedSlots(); // after any change of a slot mode

    uint16_t m_flags;
    // Some slot has mode 2. Beside the flags: a crowd's rest tests read one line each.
    bool m_fadesSlot;
    int16_t m_level[3];
    int16_t m_targetLevel[3];
    uint32_t m_slotModes[kSlotCount];
    Colour m_slotColours[kSlotCount];
    // Slot colours less the slot fade: recomputed by every Update, so an assigned record
    // keeps its own.
    struct WorkingColours {
        WorkingColours() = default;
        WorkingColours(const WorkingColours&) = default;
        WorkingColours& operator=(const WorkingColours&) { return *this; }
        Colour colours[kSlotCount];
    } m_working;
    Colour m_keepColour;
    Colour m_tintColour;
    float m_fadeAmount;
    float m_levelStep;
    uint8_t m_pulseSpeed;
    float m_pulseValue;
    uint8_t m_pulseRising;
    uint32_t m_pulseWord;
    uint8_t m_slotFadeSpeed;
    float m_slotFadeValue;
    uint8_t m_slotFadeRising;
    uint32_t m_slotFadeWord;
};
