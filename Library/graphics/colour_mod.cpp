#include "Library/graphics/colour_mod.h"

#include "Library/core/maths.h"
#include "Library/core/stream.h"

#include <algorithm>

namespace {

constexpr float kGlidePerSecond = 128; // fade amount and level units per second
constexpr float kWaveTop = 128;

// A triangle wave between 0 and 128 moving speed units per second.
void StepWave(float& value, uint8_t& rising, uint8_t speed, float seconds) {
    if (rising) {
        value += speed * seconds;
        if (value > kWaveTop) {
            value = kWaveTop;
            rising = 0;
        }
    } else {
        value -= speed * seconds;
        if (value < 0) {
            value = 0;
            rising = 1;
        }
    }
}

uint8_t ClampChannel(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

} // namespace

void ColourMod::Clear() {
    m_flags = 0;
    std::fill(m_level, m_level + 3, 0);
    std::fill(m_targetLevel, m_targetLevel + 3, 0);
    std::fill(m_slotModes, m_slotModes + kSlotCount, 0);
    m_fadesSlot = false;
    std::fill(m_slotColours, m_slotColours + kSlotCount, Colour());
    std::fill(m_working.colours, m_working.colours + kSlotCount, Colour());
    m_keepColour = m_tintColour = Colour();
    m_fadeAmount = m_levelStep = 0;
    m_pulseSpeed = m_pulseRising = 0;
    m_pulseValue = 0;
    m_pulseWord = 0;
    m_slotFadeSpeed = m_slotFadeRising = 0;
    m_slotFadeValue = 0;
    m_slotFadeWord = 0;
}

void ColourMod::SetTargetLevel(int r, int g, int b) {
    const int16_t target[3] = {static_cast<int16_t>(r), static_cast<int16_t>(g),
                               static_cast<int16_t>(b)};
    if ((m_flags & kLocked) || std::equal(target, target + 3, m_targetLevel))
        return;
    std::copy(target, target + 3, m_targetLevel);
    m_levelStep = 0;
    bool below = false;
    for (int channel = 0; channel < 3; ++channel)
        below = below || m_level[channel] < m_targetLevel[channel];
    SetLevelState(below ? 3 : 2);
}

void ColourMod::SetLevel(int r, int g, int b) {
    if (m_flags & kLocked)
        return;
    m_level[0] = m_targetLevel[0] = static_cast<int16_t>(r);
    m_level[1] = m_targetLevel[1] = static_cast<int16_t>(g);
    m_level[2] = m_targetLevel[2] = static_cast<int16_t>(b);
}

void ColourMod::SetLocked(bool on, int r, int g, int b) {
    m_flags = static_cast<uint16_t>(on ? m_flags | kLocked : m_flags & ~kLocked);
    m_level[0] = static_cast<int16_t>(r);
    m_level[1] = static_cast<int16_t>(g);
    m_level[2] = static_cast<int16_t>(b);
}

void ColourMod::SetSlot(uint32_t mode, int slot, const Colour& colour, uint8_t slotFadeSpeed) {
    if (slot < 0 || slot >= kSlotCount)
        return;
    m_slotModes[slot] = mode;
    m_slotColours[slot] = colour;
    if (mode == kSlotFaded)
        m_slotFadeSpeed = slotFadeSpeed;
    NoteFadedSlots();
    const bool faded = m_fadesSlot;
    const bool any = std::any_of(m_slotModes, m_slotModes + kSlotCount,
                                 [](uint32_t slotMode) { return slotMode != kSlotOff; });
    m_flags = static_cast<uint16_t>((m_flags & ~(kSlotFade | kSlotModes)) |
                                    (faded ? kSlotFade : 0) | (any ? kSlotModes : 0));
}

void ColourMod::SetKeepColour(bool on, const Colour& colour) {
    m_flags = static_cast<uint16_t>(on ? m_flags | kKeepColour : m_flags & ~kKeepColour);
    m_keepColour = colour;
}

void ColourMod::SetTint(bool on, const Colour& colour) {
    m_flags = static_cast<uint16_t>(on ? m_flags | kTint : m_flags & ~kTint);
    m_tintColour = colour;
}

void ColourMod::SetFade(bool on, float amount) {
    m_flags = static_cast<uint16_t>(m_flags & ~(kAlphaFade | kAlphaFadeTarget | kPulse));
    if (on)
        m_flags |= kAlphaFade;
    m_fadeAmount = amount;
}

void ColourMod::SetFadeTarget(bool on, float amount, uint8_t pulseSpeed) {
    m_pulseSpeed = pulseSpeed;
    m_fadeAmount = amount;
    m_flags = static_cast<uint16_t>(m_flags & ~(kAlphaFade | kAlphaFadeTarget | kPulse));
    if (on)
        m_flags |= kAlphaFadeTarget | kPulse;
}

void ColourMod::StartFadeIn() {
    const int state = m_flags & kFadeStateMask;
    if (state == 0 || state == 2)
        SetFadeState(3);
}

void ColourMod::StartFadeOut() {
    const int state = m_flags & kFadeStateMask;
    if (state == 1 || state == 3)
        SetFadeState(2);
}

void ColourMod::NoteFadedSlots() {
    m_fadesSlot =
        std::find(m_slotModes, m_slotModes + kSlotCount, kSlotFaded) != m_slotModes + kSlotCount;
}

bool ColourMod::IsAtRest() const {
    const int fade = m_flags & kFadeStateMask;
    const int level = (m_flags & kLevelStateMask) >> 2;
    return fade < 2 && level < 2 && (m_flags & (kPulse | kSlotFade)) == 0 && !m_fadesSlot;
}

void ColourMod::Update(uint32_t frameMs) {
    if (IsAtRest())
        return;
    const float seconds = frameMs * 0.001f;
    switch (m_flags & kFadeStateMask) {
    case 3:
        m_fadeAmount += kGlidePerSecond * seconds;
        if (m_fadeAmount > 255) {
            m_fadeAmount = 255;
            SetFadeState(1);
        }
        break;
    case 2:
        m_fadeAmount -= kGlidePerSecond * seconds;
        if (m_fadeAmount < 0) {
            m_fadeAmount = 0;
            SetFadeState(0);
        }
        break;
    default:
        break;
    }
    UpdateLevel(seconds);
    if (m_flags & kPulse)
        StepWave(m_pulseValue, m_pulseRising, m_pulseSpeed, seconds);
    if (m_flags & kSlotFade)
        StepWave(m_slotFadeValue, m_slotFadeRising, m_slotFadeSpeed, seconds);
    UpdateWorkingColours();
}

void ColourMod::UpdateLevel(float seconds) {
    const int state = (m_flags & kLevelStateMask) >> 2;
    if (state != 2 && state != 3)
        return;
    m_levelStep += kGlidePerSecond * seconds;
    if (m_levelStep <= 1)
        return;
    const int steps = static_cast<int>(m_levelStep);
    const bool rising = state == 3;
    bool reached = true;
    for (int channel = 0; channel < 3; ++channel) {
        const int target = m_targetLevel[channel];
        const int moved = m_level[channel] + (rising ? steps : -steps);
        m_level[channel] =
            static_cast<int16_t>(rising ? std::min(moved, target) : std::max(moved, target));
        reached = reached && m_level[channel] == target;
    }
    if (reached)
        SetLevelState(rising ? 1 : 0);
    m_levelStep -= static_cast<float>(steps);
}

void ColourMod::UpdateWorkingColours() {
    if (!m_fadesSlot)
        return;
    // Beyond a whole channel either way every result is the same; a stored value may be any.
    const int fade = ToIntWithin(m_slotFadeValue, -255, 255);
    for (int slot = 0; slot < kSlotCount - 1; ++slot)
        if (m_slotModes[slot] == kSlotFaded) {
            const Colour& colour = m_slotColours[slot];
            m_working.colours[slot] =
                Colour(ClampChannel(colour.red - fade), ClampChannel(colour.green - fade),
                       ClampChannel(colour.blue - fade));
        }
}

bool ColourMod::ChangesColours() const {
    return (m_flags & (kTint | kSlotModes)) || m_level[0] || m_level[1] || m_level[2];
}

Colour ColourMod::Recolour(const Colour& entry) const {
    const Colour* base = nullptr; // scaled by the entry's lightness; none: the entry itself
    bool levelled = true;
    if (m_flags & kTint) {
        base = &m_tintColour;
    } else if (m_flags & kSlotModes) {
        const int slot = entry.HueClass();
        const uint32_t mode = m_slotModes[slot];
        if (mode == kSlotColour || mode == kSlotFaded || mode == kSlotUnlevelled) {
            base = mode == kSlotFaded ? &m_working.colours[slot] : &m_slotColours[slot];
            levelled = mode == kSlotColour;
        }
    }
    const int red = levelled ? m_level[0] : 0;
    const int green = levelled ? m_level[1] : 0;
    const int blue = levelled ? m_level[2] : 0;
    if (!base)
        return Colour(ClampChannel(entry.red + red), ClampChannel(entry.green + green),
                      ClampChannel(entry.blue + blue));
    const float lightness = entry.Lightness();
    const auto lit = [lightness](uint8_t value) { return static_cast<int>(value * lightness); };
    return Colour(ClampChannel(lit(base->red) + red), ClampChannel(lit(base->green) + green),
                  ClampChannel(lit(base->blue) + blue));
}

int ColourMod::GetAlpha() const {
    return ToIntWithin(m_fadeAmount, 0, 255);
}

bool ColourMod::Read(Stream& stream) {
    ColourMod read(*this);
    bool ok = stream.ReadValue(read.m_flags) && stream.ReadValue(read.m_level) &&
              stream.ReadValue(read.m_targetLevel);
    for (int slot = 0; ok && slot < kSlotCount; ++slot)
        ok = stream.ReadValue(read.m_slotModes) && read.m_slotColours[slot].Read(stream);
    read.NoteFadedSlots();
    ok = ok && read.m_keepColour.Read(stream) && read.m_tintColour.Read(stream) &&
         stream.ReadValue(read.m_fadeAmount) && stream.ReadValue(read.m_pulseSpeed) &&
         stream.ReadValue(read.m_pulseValue) && stream.ReadValue(read.m_pulseRising) &&
         stream.ReadValue(read.m_pulseWord) && stream.ReadValue(read.m_slotFadeSpeed) &&
         stream.ReadValue(read.m_slotFadeValue) && stream.ReadValue(read.m_slotFadeRising) &&
         stream.ReadValue(read.m_slotFadeWord);
    if (ok)
        *this = read;
    return ok;
}

bool ColourMod::Write(Stream& stream) const {
    bool ok = stream.WriteValue(m_flags) && stream.WriteValue(m_level) &&
              stream.WriteValue(m_targetLevel);
    for (int slot = 0; ok && slot < kSlotCount; ++slot)
        ok = stream.WriteValue(m_slotModes) && m_slotColours[slot].Write(stream);
    return ok && m_keepColour.Write(stream) && m_tintColour.Write(stream) &&
           stream.WriteValue(m_fadeAmount) && stream.WriteValue(m_pulseSpeed) &&
           stream.WriteValue(m_pulseValue) && stream.WriteValue(m_pulseRising) &&
           stream.WriteValue(m_pulseWord) && stream.WriteValue(m_slotFadeSpeed) &&
           stream.WriteValue(m_slotFadeValue) && stream.WriteValue(m_slotFadeRising) &&
           stream.WriteValue(m_slotFadeWord);
}
