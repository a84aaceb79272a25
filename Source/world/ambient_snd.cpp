#include "Source/world/ambient_snd.h"

#include "Library/core/random.h"
#include "Library/core/stream.h"
#include "Library/files/stored_name.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/sound/sound_mgr.h"
#include "Source/world/debug_marker.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float kDefaultMinDistance = 1.0f;
constexpr float kDefaultRadius = 5.0f;
constexpr uint16_t kDefaultPeriod = 500;
constexpr uint8_t kDefaultChance = 50;
constexpr float kMaxDistance = 1000.0f;
constexpr double kVolumeScale = 2.55; // percent to the sound manager's 0-255
constexpr uint8_t kLoopFlags = 2;
constexpr uint8_t kOnceFlags = 1;
constexpr int kCirclePoints = 36;
constexpr double kPi = 3.14159265358979323846;

} // namespace

AmbientSnd::AmbientSnd() : m_timer(kDefaultPeriod) {
    Clear();
}

void AmbientSnd::Clear() {
    m_name = "";
    for (Stringc& sound : m_sounds)
        sound = "";
    m_position.Zero();
    m_minDistance = kDefaultMinDistance;
    m_radius = kDefaultRadius;
    m_volume = kMaxVolume;
    m_period = kDefaultPeriod;
    m_chance = kDefaultChance;
    m_flags = kContinuous;
    m_channel = -1;
    m_playing = 0;
    m_loadFailed = false;
    m_timer.SetPeriod(kDefaultPeriod);
}

void AmbientSnd::SetPeriod(int ms) {
    m_period = static_cast<uint16_t>(ms == 0 ? 1 : ms);
    m_timer.SetPeriod(m_period);
}

void AmbientSnd::SetSound(int slot, const Stringc& name) {
    if (slot >= 0 && slot < kSoundSlots)
        m_sounds[slot] = name;
}

const Stringc& AmbientSnd::GetSound(int slot) const {
    static const Stringc kNone;
    return slot >= 0 && slot < kSoundSlots ? m_sounds[slot] : kNone;
}

Stringc AmbientSnd::PickRandomSound() const {
    int count = 0;
    for (const Stringc& sound : m_sounds)
        count += sound.Length() > 0;
    int pick = RandomInt(0, count);
    for (const Stringc& sound : m_sounds)
        if (sound.Length() > 0 && pick-- == 0)
            return sound;
    return Stringc();
}

void AmbientSnd::StopSound(SoundMgr& sound) {
    if (m_channel != -1)
        sound.StopChannel(m_channel);
    m_channel = -1;
    m_playing = 0;
}

void AmbientSnd::InRange(const Vector& listener, uint32_t frameMs, SoundMgr& sound) {
    if (m_radius * m_radius < (listener - m_position).LengthSquared()) {
        if (m_playing)
            StopSound(sound);
        return;
    }
    if (m_playing)
        return;
    if (IsContinuous()) {
        if (!m_loadFailed)
            Play(sound);
        return;
    }
    if (m_timer.Tick(static_cast<int>(frameMs)) && RandomInt(0, 100) <= m_chance)
        Play(sound);
}

void AmbientSnd::Play(SoundMgr& sound) {
    const Stringc name = PickRandomSound();
    const int volume = static_cast<int>(m_volume * kVolumeScale);
    if (IsContinuous()) {
        m_loadFailed = !sound.LoadSample(name.c_str(), kLoopFlags);
        if (m_loadFailed)
            return;
        m_playing = 1;
    } else if (!sound.LoadSample(name.c_str(), kOnceFlags)) {
        return;
    }
    sound.SetSampleMinMaxDistance(m_minDistance, kMaxDistance);
    m_channel = sound.PlayCurrentSample(volume, &m_position, nullptr);
}

bool AmbientSnd::Read(Stream& stream) {
    AmbientSnd read;
    int32_t count = 0;
    if (!read.m_name.Read(stream) || !read.m_position.Read(stream) ||
        !stream.ReadValue(read.m_minDistance) || !stream.ReadValue(read.m_radius) ||
        !stream.ReadValue(read.m_volume) || !stream.ReadValue(read.m_flags) ||
        !stream.ReadValue(read.m_period) || !stream.ReadValue(read.m_chance) ||
        !stream.ReadValue(count))
        return false;
    if (count < 0 || count > kSoundSlots) {
        std::fprintf(stderr, "Sound emitter %s: %d sounds (0 to %d can be held)\n",
                     read.m_name.c_str(), count, kSoundSlots);
        return false;
    }
    for (int slot = 0; slot < count; ++slot)
        if (!read.m_sounds[slot].Read(stream) || !StoredName::Check(read.m_sounds[slot]))
            return false;
    read.SetVolume(read.m_volume);
    read.m_timer.SetPeriod(read.m_period);
    *this = read;
    return true;
}

bool AmbientSnd::Write(Stream& stream) const {
    int32_t count = 0;
    for (const Stringc& sound : m_sounds)
        count += sound.Length() > 0;
    if (!m_name.Write(stream) || !m_position.Write(stream) || !stream.WriteValue(m_minDistance) ||
        !stream.WriteValue(m_radius) || !stream.WriteValue(m_volume) ||
        !stream.WriteValue(m_flags) || !stream.WriteValue(m_period) ||
        !stream.WriteValue(m_chance) || !stream.WriteValue(count))
        return false;
    for (const Stringc& sound : m_sounds)
        if (sound.Length() > 0 && !sound.Write(stream))
            return false;
    return true;
}

void AmbientSnd::DrawCircle(Screen& screen, const MapView& view, float radius) const {
    for (int step = 0; step < kCirclePoints; ++step) {
        const double angle = step * 2 * kPi / kCirclePoints;
        const Vector point(m_position.x + radius * static_cast<float>(std::cos(angle)),
                           m_position.y + radius * static_cast<float>(std::sin(angle)),
                           m_position.z);
        int x = 0;
        int y = 0;
        WorldToPixel(view, point, x, y);
        screen.FillRect(x, y, x + 1, y + 1);
    }
}

void AmbientSnd::DrawDebug(Screen& screen, const MapView& view, int pulse) const {
    const uint8_t level = static_cast<uint8_t>(pulse);
    screen.SetDrawColour(Colour(0, 0, level).Pack16());
    DrawCircle(screen, view, m_minDistance);
    screen.SetDrawColour(Colour(level, 0, 0).Pack16());
    DrawCircle(screen, view, m_radius);
    DrawDebugMarker(screen, view, m_position, m_name);
}
