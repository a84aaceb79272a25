#pragma once
// Sound effects, the one music stream and the 3D listener, over a SoundLayer. Levels are
// 0-255; every play returns a channel or -1, and does nothing when the layer did not
// start. Names are relative to the data paths' sound-effect or music directory; under
// resource archives a sound missing on disk is first extracted from the general archive.

#include "platform/sound_layer.h"

#include <cstdint>
#include <memory>

class Screen;
class Stringc;
class Vector;

class SoundMgr {
public:
    static constexpr float kRequiredVersion = 3.60f;

    explicit SoundMgr(int softwareChannels); // on the SDL layer
    SoundMgr(int softwareChannels, std::unique_ptr<SoundLayer> layer);
    SoundMgr(const SoundMgr&) = delete;
    SoundMgr& operator=(const SoundMgr&) = delete;
    virtual ~SoundMgr();

    void Shutdown(); // frees every sample and closes the stream
    bool IsInitialised() const { return m_initialised; }

    // Flags: bit 0 plays once, bit 1 loops.
    bool LoadSample(const char* name, uint8_t flags); // makes it the current sample
    int PlaySample(const char* name, uint8_t flags, int volume, const Vector* position,
                   const Vector* velocity);
    int PlayCurrentSample(int volume, const Vector* position, const Vector* velocity);
    void SetSampleMinMaxDistance(float min, float max); // of the current sample

    bool LoadStream(const char* name, uint8_t flags); // keeps the stream when it is this one
    int PlayStream(const char* name, uint8_t flags, int volume, const Vector* position,
                   const Vector* velocity);
    void StopStream();
    void CloseStream();

    bool IsPlaying(int channel);
    void StopChannel(int channel);
    void SetVolume(int channel, int volume); // as given, no level applied

    void SetEffectsLevel(int level);
    void SetMusicLevel(int level);
    void SetMasterVolume(int volume);
    int GetEffectsLevel() const { return m_effectsLevel; }
    int GetMasterVolume() const { return m_masterVolume; }

    // Once per frame, initialised or not; velocity counts only with a position.
    void Update(const Vector* position, const Vector* velocity, const Vector& forward,
                const Vector& up);

    void DrawCpuUsage(Screen& screen, int x, int y); // the mixer's load, current font

    // Write the sound as a PCM ".wav" beside it; true only when the whole file was written.
    bool ExportSample(const char* name);
    bool ExportMusic(const char* name);

    static unsigned ModeFlags(uint8_t flags);
    static FSoundVector ToFmodVector(const Vector& v); // game (x, y, z) -> (x, z, -y)
    static const char* ErrorText(int code);

private:
    bool Initialise(int softwareChannels);
    void PrintSettings();
    FSoundSample LoadSampleFile(const Stringc& path, unsigned mode);
    FSoundSample FindSample(const Stringc& path);
    bool OpenStreamFile(const Stringc& path, unsigned mode);
    bool IsStreamFile(const Stringc& path);
    bool ExtractFile(const Stringc& path);
    void FreeAllSamples();
    int PlaySampleOnChannel(FSoundSample sample, int volume, const Vector* position,
                            const Vector* velocity);
    int PlayStreamOnChannel(int volume, const Vector* position, const Vector* velocity);
    int StartChannel(int channel, int level, int volume, const Vector* position,
                     const Vector* velocity);
    bool ExportFile(const Stringc& directory, const char* name);
    void ReportFailure(const Stringc& path);

    std::unique_ptr<SoundLayer> m_layer;
    bool m_initialised = false;
    unsigned m_driverCaps = 0;
    int m_maxChannels = 0;
    FSoundSample m_currentSample = FSoundSample::kNone;
    FSoundStream m_currentStream = FSoundStream::kNone;
    int m_effectsLevel = 0;
    int m_musicLevel = 0;
    int m_masterVolume = 0;
};

// Made first by start-up and deleted last at shutdown.
extern SoundMgr* g_soundMgr;
