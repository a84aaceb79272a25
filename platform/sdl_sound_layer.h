#pragma once
// The sound layer on SDL_mixer: 16-bit stereo output, one mixer channel per software
// channel plus one kept for the music stream. Samples are decoded whole and kept twice:
// as loaded (for Lock) and converted to the output format (for mixing).
// Every call comes from the main thread; the audio thread reads only SDL_mixer's own
// state, which its calls lock, and the measured mixing load, which is atomic.

#include "platform/handle_slots.h"
#include "platform/sound_file.h"
#include "platform/sound_layer.h"
#include "platform/sound_listener.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Mix_Chunk;

class SdlSoundLayer : public SoundLayer {
public:
    static constexpr float kVersion = 3.75f;

    SdlSoundLayer() = default;
    SdlSoundLayer(const SdlSoundLayer&) = delete;
    SdlSoundLayer& operator=(const SdlSoundLayer&) = delete;
    ~SdlSoundLayer() override;

    float FSOUND_GetVersion() override { return kVersion; }
    int FSOUND_GetNumDrivers() override { return 1; }
    const char* FSOUND_GetDriverName(int driver) override;
    bool FSOUND_SetDriver(int driver) override;
    int FSOUND_GetDriver() override { return 0; }
    bool FSOUND_GetDriverCaps(int driver, unsigned* caps) override;
    bool FSOUND_SetMinHardwareChannels(int) override { return true; } // mixing is all software
    bool FSOUND_Init(int mixRate, int softwareChannels) override;
    void FSOUND_Close() override;
    int FSOUND_GetError() override { return m_error; }
    int FSOUND_GetMaxChannels() override { return m_softwareChannels; }
    int FSOUND_GetNumHardwareChannels() override { return 0; }
    int FSOUND_GetOutput() override;
    int FSOUND_GetOutputRate() override { return m_outputRate; }
    float FSOUND_GetCPUUsage() override { return m_mixLoad.load(); }
    bool FSOUND_SetSFXMasterVolume(int volume) override;

    int FSOUND_GetMaxSamples() override { return m_sampleHandles.Count(); }
    FSoundSample FSOUND_Sample_Get(int index) override;
    FSoundSample FSOUND_Sample_Load(const char* path, unsigned mode) override;
    void FSOUND_Sample_Free(FSoundSample sample) override;
    const char* FSOUND_Sample_GetName(FSoundSample sample) override;
    unsigned FSOUND_Sample_GetMode(FSoundSample sample) override;
    bool FSOUND_Sample_SetMode(FSoundSample sample, unsigned mode) override;
    bool FSOUND_Sample_GetDefaults(FSoundSample sample, int* frequency) override;
    unsigned FSOUND_Sample_GetLength(FSoundSample sample) override;
    bool FSOUND_Sample_SetMinMaxDistance(FSoundSample sample, float min, float max) override;
    const void* FSOUND_Sample_Lock(FSoundSample sample, unsigned offset, unsigned length) override;
    void FSOUND_Sample_Unlock(FSoundSample) override {} // loaded bytes never move

    int FSOUND_PlaySoundEx(FSoundSample sample, bool paused) override;
    bool FSOUND_SetPaused(int channel, bool paused) override;
    bool FSOUND_SetVolume(int channel, int volume) override;
    bool FSOUND_IsPlaying(int channel) override;
    bool FSOUND_StopSound(int channel) override;
    bool FSOUND_3D_SetAttributes(int channel, const FSoundVector* position,
                                 const FSoundVector* velocity) override;

    FSoundStream FSOUND_Stream_OpenFile(const char* path, unsigned mode) override;
    int FSOUND_Stream_PlayEx(FSoundStream stream, bool paused) override;
    FSoundSample FSOUND_Stream_GetSample(FSoundStream stream) override;
    bool FSOUND_Stream_Stop(FSoundStream stream) override;
    bool FSOUND_Stream_Close(FSoundStream stream) override;

    void FSOUND_3D_Listener_SetAttributes(const FSoundVector* position,
                                          const FSoundVector* velocity, float forwardX,
                                          float forwardY, float forwardZ, float upX, float upY,
                                          float upZ) override;
    // Doppler is not simulated, so neither factor changes what is heard.
    void FSOUND_3D_Listener_SetDopplerFactor(float) override {}
    void FSOUND_3D_Listener_SetDistanceFactor(float) override {}
    void FSOUND_3D_Listener_SetRolloffFactor(float factor) override;
    void FSOUND_3D_Update() override;

private:
    struct Sample {
        std::string name;
        unsigned mode = 0;
        platform::SoundPcm pcm;
        std::vector<uint8_t> mixed; // in the output format; the chunk points into it
        Mix_Chunk* chunk = nullptr;
        float minDistance = 1.0f;
        float maxDistance = 1.0e9f;
        bool ofStream = false; // freed only by closing its stream
    };
    struct Channel {
        int volume = 255;
        bool positioned = false;
        FSoundVector position;
        float minDistance = 1.0f;
        float maxDistance = 1.0e9f;
    };

    bool Fail(FSoundError error);
    Sample* FindSample(FSoundSample sample);
    FSoundSample LoadSample(const char* path, unsigned mode, bool ofStream);
    bool ConvertForMixing(Sample& sample);
    void FreeSample(int slot);
    int ChannelSlot(int channel); // -1, with the error set, for a handle that is not live
    int StartChannel(int slot, const Sample& sample, bool paused);
    void ApplyMix(int slot);
    static void MeasureMixing(void* self, uint8_t* stream, int length);

    int m_error = kSoundErrNone;
    bool m_open = false;
    int m_softwareChannels = 0;
    int m_outputRate = 0;
    uint16_t m_outputFormat = 0;
    int m_outputChannels = 0;
    std::string m_driverName;
    int m_masterVolume = 255;

    std::vector<std::optional<Sample>> m_samples;
    HandleSlots m_sampleHandles;
    std::vector<Channel> m_channels;
    HandleSlots m_channelHandles;
    HandleSlots m_streamHandle; // one slot
    int m_streamSampleSlot = -1;
    SoundListener m_listener;

    std::atomic<float> m_mixLoad{0.0f};
    double m_lastMixCpu = 0.0;  // audio thread only
    double m_lastMixWall = 0.0; // audio thread only
};
