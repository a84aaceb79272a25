#pragma once
// The sound library the sound manager is written against: FSOUND-style calls with
// integer channels (-1 on failure), sample and stream handles, volumes 0-255 and a
// left-handed 3D space (x right, y up, z forward). SdlSoundLayer is the real one.

constexpr unsigned FSOUND_LOOP_OFF = 0x01;
constexpr unsigned FSOUND_LOOP_NORMAL = 0x02;
constexpr unsigned FSOUND_8BITS = 0x08;
constexpr unsigned FSOUND_16BITS = 0x10;
constexpr unsigned FSOUND_MONO = 0x20;
constexpr unsigned FSOUND_STEREO = 0x40;
constexpr unsigned FSOUND_HW3D = 0x1000;

constexpr unsigned FSOUND_CAPS_HARDWARE = 0x01;
constexpr unsigned FSOUND_CAPS_EAX2 = 0x02;
constexpr unsigned FSOUND_CAPS_EAX3 = 0x10;

enum FSoundOutput : int {
    FSOUND_OUTPUT_NOSOUND = 0,
    FSOUND_OUTPUT_WINMM = 1,
    FSOUND_OUTPUT_DSOUND = 2,
    FSOUND_OUTPUT_A3D = 3,
    FSOUND_OUTPUT_OSS = 4,
    FSOUND_OUTPUT_ESD = 5,
    FSOUND_OUTPUT_ALSA = 6,
    FSOUND_OUTPUT_OTHER = 7,
    FSOUND_OUTPUT_XBOX = 8,
};

// What FSOUND_GetError reports about the last call that failed.
enum FSoundError : int {
    kSoundErrNone = 0,
    kSoundErrUninitialised = 2,
    kSoundErrInit = 3,
    kSoundErrFileNotFound = 9,
    kSoundErrFileFormat = 10,
    kSoundErrFileBad = 11,
    kSoundErrMemory = 12,
    kSoundErrInvalidParam = 14,
    kSoundErrChannelAlloc = 16,
};

enum class FSoundSample : int { kNone = -1 };
enum class FSoundStream : int { kNone = -1 };

struct FSoundVector {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

class SoundLayer {
public:
    virtual ~SoundLayer() = default;

    virtual float FSOUND_GetVersion() = 0;
    virtual int FSOUND_GetNumDrivers() = 0;
    virtual const char* FSOUND_GetDriverName(int driver) = 0; // "" for an unknown driver
    virtual bool FSOUND_SetDriver(int driver) = 0;
    virtual int FSOUND_GetDriver() = 0;
    virtual bool FSOUND_GetDriverCaps(int driver, unsigned* caps) = 0;
    virtual bool FSOUND_SetMinHardwareChannels(int count) = 0;
    virtual bool FSOUND_Init(int mixRate, int softwareChannels) = 0;
    virtual void FSOUND_Close() = 0; // frees every sample, stream and channel
    virtual int FSOUND_GetError() = 0;
    virtual int FSOUND_GetMaxChannels() = 0;
    virtual int FSOUND_GetNumHardwareChannels() = 0;
    virtual int FSOUND_GetOutput() = 0;
    virtual int FSOUND_GetOutputRate() = 0;
    virtual float FSOUND_GetCPUUsage() = 0; // percent of one processor spent mixing
    virtual bool FSOUND_SetSFXMasterVolume(int volume) = 0;

    // Samples are decoded whole when loaded and stay until freed or the layer closes.
    virtual int FSOUND_GetMaxSamples() = 0;
    virtual FSoundSample FSOUND_Sample_Get(int index) = 0; // kNone for an empty index
    virtual FSoundSample FSOUND_Sample_Load(const char* path, unsigned mode) = 0;
    virtual void FSOUND_Sample_Free(FSoundSample sample) = 0;
    virtual const char*
    FSOUND_Sample_GetName(FSoundSample sample) = 0; // the path it was loaded from
    virtual unsigned FSOUND_Sample_GetMode(FSoundSample sample) = 0;
    virtual bool FSOUND_Sample_SetMode(FSoundSample sample, unsigned mode) = 0; // loop bits only
    virtual bool FSOUND_Sample_GetDefaults(FSoundSample sample, int* frequency) = 0;
    virtual unsigned FSOUND_Sample_GetLength(FSoundSample sample) = 0; // in sample frames
    virtual bool FSOUND_Sample_SetMinMaxDistance(FSoundSample sample, float min, float max) = 0;
    // The sample's bytes as loaded (16-bit little-endian signed or 8-bit unsigned,
    // channels interleaved); null when the range is not inside the sample.
    virtual const void* FSOUND_Sample_Lock(FSoundSample sample, unsigned offset,
                                           unsigned length) = 0;
    virtual void FSOUND_Sample_Unlock(FSoundSample sample) = 0;

    // Channel calls ignore a handle of -1 or of a channel that has since been reused.
    virtual int FSOUND_PlaySoundEx(FSoundSample sample, bool paused) = 0;
    virtual bool FSOUND_SetPaused(int channel, bool paused) = 0;
    virtual bool FSOUND_SetVolume(int channel, int volume) = 0;
    virtual bool FSOUND_IsPlaying(int channel) = 0;
    virtual bool FSOUND_StopSound(int channel) = 0;
    // A null position makes the channel plain stereo; velocity only feeds Doppler.
    virtual bool FSOUND_3D_SetAttributes(int channel, const FSoundVector* position,
                                         const FSoundVector* velocity) = 0;

    // One stream may be open at a time.
    virtual FSoundStream FSOUND_Stream_OpenFile(const char* path, unsigned mode) = 0;
    virtual int FSOUND_Stream_PlayEx(FSoundStream stream, bool paused) = 0;
    virtual FSoundSample FSOUND_Stream_GetSample(FSoundStream stream) = 0;
    virtual bool FSOUND_Stream_Stop(FSoundStream stream) = 0;
    virtual bool FSOUND_Stream_Close(FSoundStream stream) = 0;

    // Null position or velocity keeps the previous one.
    virtual void FSOUND_3D_Listener_SetAttributes(const FSoundVector* position,
                                                  const FSoundVector* velocity, float forwardX,
                                                  float forwardY, float forwardZ, float upX,
                                                  float upY, float upZ) = 0;
    virtual void FSOUND_3D_Listener_SetDopplerFactor(float factor) = 0;
    virtual void FSOUND_3D_Listener_SetDistanceFactor(float factor) = 0;
    virtual void FSOUND_3D_Listener_SetRolloffFactor(float factor) = 0;
    virtual void FSOUND_3D_Update() = 0; // applies listener changes to playing channels
};
