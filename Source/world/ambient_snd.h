#pragma once
// A sound emitter of a region: a point that plays one of up to ten sounds while the
// listener is within its radius, now and then (on its timer, by its chance) or
// continuously.
//
// Stored form: name (Stringc); position (three f32); min distance (f32); radius (f32);
// volume (u8, percent); flags (u32, 0x01 continuous); period (u16, ms); chance (u8,
// percent); i32 sound count (0 to 10), then the non-empty sound names (Stringc each) in
// slot order.

#include "Library/core/random_timer.h"
#include "Library/core/stringc.h"
#include "Library/core/vector.h"

#include <cstdint>

class MapView;
class Screen;
class SoundMgr;
class Stream;

class AmbientSnd {
public:
    static constexpr int kSoundSlots = 10;
    static constexpr uint32_t kContinuous = 0x01;
    static constexpr int kMinStoredBytes = 34; // no name, no sounds
    static constexpr uint8_t kMaxVolume = 100;

    AmbientSnd();

    void Clear(); // the defaults, silent; the sound playing is not stopped

    void SetName(const Stringc& name) { m_name = name; }
    const Stringc& GetName() const { return m_name; }
    void SetPosition(const Vector& position) { m_position = position; }
    const Vector& GetPosition() const { return m_position; }
    void SetMinDistance(float distance) { m_minDistance = distance; }
    float GetMinDistance() const { return m_minDistance; }
    float GetRadius() const { return m_radius; }
    uint8_t GetVolume() const { return m_volume; }
    uint8_t GetChance() const { return m_chance; }
    uint16_t GetPeriod() const { return m_period; }
    void SetRadius(float radius) { m_radius = radius; }
    void SetVolume(uint8_t percent) { m_volume = percent > kMaxVolume ? kMaxVolume : percent; }
    void SetChance(uint8_t percent) { m_chance = percent; }
    void SetContinuous(bool on) { m_flags = on ? m_flags | kContinuous : m_flags & ~kContinuous; }
    bool IsContinuous() const { return (m_flags & kContinuous) != 0; }
    void SetPeriod(int ms);                       // 0 counts as 1; the timer takes a new phase
    void SetSound(int slot, const Stringc& name); // "" frees the slot
    const Stringc& GetSound(int slot) const;      // "" for a free slot or one out of range
    bool IsPlaying() const { return m_playing != 0; }

    // The frame's step with the listener at the point: plays or stops the sound.
    void InRange(const Vector& listener, uint32_t frameMs, SoundMgr& sound);
    Stringc PickRandomSound() const; // one of the non-empty names; "" when there is none
    void StopSound(SoundMgr& sound);

    // A record that cannot be read whole leaves the emitter as it was.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    // The min distance in blue and the radius in red, each at brightness pulse, and the
    // marker with the name.
    void DrawDebug(Screen& screen, const MapView& view, int pulse) const;

private:
    void Play(SoundMgr& sound);
    void DrawCircle(Screen& screen, const MapView& view, float radius) const;

    Stringc m_name;
    Stringc m_sounds[kSoundSlots];
    Vector m_position;
    float m_minDistance;
    float m_radius;
    uint8_t m_volume;
    uint16_t m_period;
    uint8_t m_chance;
    uint32_t m_flags;
    int32_t m_channel = -1;
    uint8_t m_playing = 0;
    // A continuous sound that would not load is not tried again until the region is
    // entered again (which reads the emitter afresh).
    bool m_loadFailed = false;
    RandomTimer m_timer;
};
