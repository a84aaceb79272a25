#include "Library/sound/sound_mgr.h"

#include "Library/core/stringc.h"
#include "Library/core/tracked_new.h"
#include "Library/core/vector.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/screen.h"
#include "platform/sdl_sound_layer.h"
#include "platform/win_string.h"

#include <algorithm>
#include <cstdio>

SoundMgr* g_soundMgr = nullptr;

namespace {

constexpr int kHardwareMixRate = 48000;
constexpr int kSoftwareMixRate = 40000;
constexpr int kMinHardwareChannels = 16;
constexpr float kDefaultMinDistance = 4.0f;
constexpr float kDefaultMaxDistance = 1000.0f;

const char* const kErrorTexts[] = {
    "No errors",
    "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
    "This command failed because FSOUND_Init was not called",
    "Error initializing output device.",
    "The output device is already in use and cannot be reused.",
    "Playing the sound failed.",
    "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
    "Error setting cooperative level for hardware.",
    "Error creating hardware sound buffer.",
    "File not found",
    "Unknown file format",
    "Error loading file",
    "Not enough memory ",
    "The version number of this file format is not supported",
    "An invalid parameter was passed to this function",
    "Tried to use an EAX command on a non EAX enabled channel or output.",
    "Failed to allocate a new channel",
    "Recording not supported on this device",
    "Required Mediaplayer codec is not installed",
};

// Sound names given without an extension are ".wav" files.
Stringc SoundPath(const Stringc& directory, const char* name) {
    Stringc path = directory + "/" + name;
    if (!Stringc(name).HasExtension())
        path += ".wav";
    return path;
}

int ClampLevel(int value) {
    return std::clamp(value, 0, 255);
}

// A game position and velocity as the layer takes them; a velocity counts only with a position.
class Placement {
public:
    Placement(const Vector* position, const Vector* velocity)
        : m_hasPosition(position != nullptr), m_hasVelocity(position && velocity) {
        if (m_hasPosition)
            m_position = SoundMgr::ToFmodVector(*position);
        if (m_hasVelocity)
            m_velocity = SoundMgr::ToFmodVector(*velocity);
    }
    const FSoundVector* Position() const { return m_hasPosition ? &m_position : nullptr; }
    const FSoundVector* Velocity() const { return m_hasVelocity ? &m_velocity : nullptr; }

private:
    bool m_hasPosition;
    bool m_hasVelocity;
    FSoundVector m_position;
    FSoundVector m_velocity;
};

} // namespace

SoundMgr::SoundMgr(int softwareChannels)
    : SoundMgr(softwareChannels, std::unique_ptr<SoundLayer>(NEW SdlSoundLayer())) {}

SoundMgr::SoundMgr(int softwareChannels, std::unique_ptr<SoundLayer> layer)
    : m_layer(std::move(layer)) {
    m_initialised = Initialise(softwareChannels);
}

SoundMgr::~SoundMgr() {
    if (!m_initialised)
        return;
    Shutdown();
    m_layer->FSOUND_Close();
}

bool SoundMgr::Initialise(int softwareChannels) {
    if (m_layer->FSOUND_GetVersion() < kRequiredVersion) {
        std::fprintf(stderr,
                     "You are using the wrong DLL version!  You should be using FMOD %.02f\n",
                     static_cast<double>(kRequiredVersion));
        return false;
    }
    m_layer->FSOUND_SetDriver(0);
    m_layer->FSOUND_GetDriverCaps(m_layer->FSOUND_GetDriver(), &m_driverCaps);
    m_layer->FSOUND_SetMinHardwareChannels(kMinHardwareChannels);
    const int rate = m_driverCaps & FSOUND_CAPS_HARDWARE ? kHardwareMixRate : kSoftwareMixRate;
    if (!m_layer->FSOUND_Init(rate, softwareChannels)) {
        std::fprintf(stderr, "%s\n", ErrorText(m_layer->FSOUND_GetError()));
        m_layer->FSOUND_Close();
        return false;
    }
    m_maxChannels = m_layer->FSOUND_GetMaxChannels();
    m_layer->FSOUND_3D_Listener_SetDopplerFactor(0.0f);
    m_layer->FSOUND_3D_Listener_SetDistanceFactor(3.25f);
    m_layer->FSOUND_3D_Listener_SetRolloffFactor(1.0f);
    PrintSettings();
    return true;
}

void SoundMgr::PrintSettings() {
    std::printf("SOUND SETTINGS:\n");
    std::printf("FMod Version Number: %5.02f\n", static_cast<double>(m_layer->FSOUND_GetVersion()));
    std::printf("Max Channels: %d\n", m_maxChannels);
    std::printf("Num Hardware Channels: %d\n", m_layer->FSOUND_GetNumHardwareChannels());
    std::printf("Driver: %s\n", m_layer->FSOUND_GetDriverName(m_layer->FSOUND_GetDriver()));
    std::printf("Driver Capabilities:\n");
    if (m_driverCaps & FSOUND_CAPS_HARDWARE)
        std::printf("FSOUND_CAPS_HARDWARE\n");
    if (m_driverCaps & FSOUND_CAPS_EAX2)
        std::printf("FSOUND_CAPS_EAX2\n");
    if (m_driverCaps & FSOUND_CAPS_EAX3)
        std::printf("FSOUND_CAPS_EAX3\n");
    if (m_driverCaps & FSOUND_CAPS_HARDWARE)
        std::printf(" * Driver supports hardware 3D sound!\n");
    if (m_driverCaps & FSOUND_CAPS_EAX2)
        std::printf(" * Driver supports EAX 2 reverb!\n");
    if (m_driverCaps & FSOUND_CAPS_EAX3)
        std::printf(" * Driver supports EAX 3 reverb!\n");
    static const char* const kOutputs[] = {
        "FSOUND_OUTPUT_NOSOUND\n", "FSOUND_OUTPUT_WINMM\n",
        "FSOUND_OUTPUT_DSOUND\n",  "FSOUND_OUTPUT_A3D\n",
        "FSOUND_OUTPUT_OSS\n",     "FSOUND_OUTPUT_ESD\n",
        "FSOUND_OUTPUT_ALSA\n",    "",
        "FSOUND_OUTPUT_XBOX\n",
    };
    const int output = m_layer->FSOUND_GetOutput();
    std::printf("Output:%s", output >= 0 && output <= FSOUND_OUTPUT_XBOX ? kOutputs[output] : "");
    std::printf("Output Rate: %d\n\n", m_layer->FSOUND_GetOutputRate());
}

const char* SoundMgr::ErrorText(int code) {
    const int count = static_cast<int>(sizeof kErrorTexts / sizeof kErrorTexts[0]);
    return code >= 0 && code < count ? kErrorTexts[code] : "Unknown error";
}

unsigned SoundMgr::ModeFlags(uint8_t flags) {
    unsigned mode = 0;
    if (flags & 1)
        mode |= FSOUND_LOOP_OFF;
    if (flags & 2)
        mode |= FSOUND_LOOP_NORMAL;
    return mode;
}

FSoundVector SoundMgr::ToFmodVector(const Vector& v) {
    return {v.x, v.z, -v.y};
}

void SoundMgr::Shutdown() {
    if (!m_initialised)
        return;
    FreeAllSamples();
    CloseStream();
}

void SoundMgr::FreeAllSamples() {
    const int count = m_layer->FSOUND_GetMaxSamples();
    for (int i = 0; i < count; ++i) {
        const FSoundSample sample = m_layer->FSOUND_Sample_Get(i);
        if (sample != FSoundSample::kNone)
            m_layer->FSOUND_Sample_Free(sample);
    }
    m_currentSample = FSoundSample::kNone;
}

// ---- effects ----

bool SoundMgr::LoadSample(const char* name, uint8_t flags) {
    m_currentSample = FSoundSample::kNone;
    if (!m_initialised || !name || !*name || !g_dataPaths)
        return false;
    m_currentSample = LoadSampleFile(SoundPath(g_dataPaths->GetSfxDir(), name), ModeFlags(flags));
    return m_currentSample != FSoundSample::kNone;
}

FSoundSample SoundMgr::FindSample(const Stringc& path) {
    const int count = m_layer->FSOUND_GetMaxSamples();
    for (int i = 0; i < count; ++i) {
        const FSoundSample sample = m_layer->FSOUND_Sample_Get(i);
        if (sample == FSoundSample::kNone)
            continue;
        const char* name = m_layer->FSOUND_Sample_GetName(sample);
        if (name && _stricmp(name, path.c_str()) == 0)
            return sample;
    }
    return FSoundSample::kNone;
}

FSoundSample SoundMgr::LoadSampleFile(const Stringc& path, unsigned mode) {
    const FSoundSample loaded = FindSample(path);
    if (loaded != FSoundSample::kNone) {
        // A looping ambience and a one-shot may share a file: the latest request decides.
        m_layer->FSOUND_Sample_SetMode(loaded, mode);
        return loaded;
    }
    if (!ExtractFile(path))
        return FSoundSample::kNone;
    if (m_driverCaps & FSOUND_CAPS_HARDWARE)
        mode |= FSOUND_HW3D;
    const FSoundSample sample = m_layer->FSOUND_Sample_Load(path.c_str(), mode);
    if (sample == FSoundSample::kNone) {
        ReportFailure(path);
        return sample;
    }
    m_layer->FSOUND_Sample_SetMinMaxDistance(sample, kDefaultMinDistance, kDefaultMaxDistance);
    return sample;
}

void SoundMgr::ReportFailure(const Stringc& path) {
    std::fprintf(stderr, "%s: %s\n", ErrorText(m_layer->FSOUND_GetError()), path.c_str());
}

int SoundMgr::PlaySample(const char* name, uint8_t flags, int volume, const Vector* position,
                         const Vector* velocity) {
    if (!LoadSample(name, flags))
        return -1;
    return PlaySampleOnChannel(m_currentSample, volume, position, velocity);
}

int SoundMgr::PlayCurrentSample(int volume, const Vector* position, const Vector* velocity) {
    if (!m_initialised)
        return -1;
    return PlaySampleOnChannel(m_currentSample, volume, position, velocity);
}

int SoundMgr::PlaySampleOnChannel(FSoundSample sample, int volume, const Vector* position,
                                  const Vector* velocity) {
    const int channel = m_layer->FSOUND_PlaySoundEx(sample, true);
    return StartChannel(channel, m_effectsLevel, volume, position, velocity);
}

int SoundMgr::StartChannel(int channel, int level, int volume, const Vector* position,
                           const Vector* velocity) {
    // Level and volume both attenuate from 255: level 255 passes the volume unchanged.
    m_layer->FSOUND_SetVolume(channel, ClampLevel(level + volume - 255));
    const Placement placement(position, velocity);
    m_layer->FSOUND_3D_SetAttributes(channel, placement.Position(), placement.Velocity());
    m_layer->FSOUND_SetPaused(channel, false);
    return channel;
}

void SoundMgr::SetSampleMinMaxDistance(float min, float max) {
    if (m_initialised)
        m_layer->FSOUND_Sample_SetMinMaxDistance(m_currentSample, min, max);
}

// ---- music ----

bool SoundMgr::LoadStream(const char* name, uint8_t flags) {
    if (!m_initialised || !name || !*name || !g_dataPaths)
        return false;
    const Stringc path = SoundPath(g_dataPaths->GetMusicDir(), name);
    if (IsStreamFile(path))
        return true;
    CloseStream();
    return OpenStreamFile(path, ModeFlags(flags));
}

bool SoundMgr::IsStreamFile(const Stringc& path) {
    if (m_currentStream == FSoundStream::kNone)
        return false;
    const char* name =
        m_layer->FSOUND_Sample_GetName(m_layer->FSOUND_Stream_GetSample(m_currentStream));
    return name && _stricmp(name, path.c_str()) == 0;
}

bool SoundMgr::OpenStreamFile(const Stringc& path, unsigned mode) {
    if (!ExtractFile(path))
        return false;
    if (m_driverCaps & FSOUND_CAPS_HARDWARE)
        mode |= FSOUND_HW3D;
    m_currentStream = m_layer->FSOUND_Stream_OpenFile(path.c_str(), mode);
    if (m_currentStream == FSoundStream::kNone) {
        ReportFailure(path);
        return false;
    }
    return true;
}

int SoundMgr::PlayStream(const char* name, uint8_t flags, int volume, const Vector* position,
                         const Vector* velocity) {
    if (!LoadStream(name, flags))
        return -1;
    return PlayStreamOnChannel(volume, position, velocity);
}

int SoundMgr::PlayStreamOnChannel(int volume, const Vector* position, const Vector* velocity) {
    const int channel = m_layer->FSOUND_Stream_PlayEx(m_currentStream, true);
    return StartChannel(channel, m_musicLevel, volume, position, velocity);
}

void SoundMgr::StopStream() {
    if (m_initialised && m_currentStream != FSoundStream::kNone)
        m_layer->FSOUND_Stream_Stop(m_currentStream);
}

void SoundMgr::CloseStream() {
    if (m_currentStream == FSoundStream::kNone)
        return;
    m_layer->FSOUND_Stream_Close(m_currentStream);
    m_currentStream = FSoundStream::kNone;
}

// ---- channels, levels and the listener ----

bool SoundMgr::IsPlaying(int channel) {
    return m_initialised && m_layer->FSOUND_IsPlaying(channel);
}

void SoundMgr::StopChannel(int channel) {
    if (m_initialised)
        m_layer->FSOUND_StopSound(channel);
}

void SoundMgr::SetVolume(int channel, int volume) {
    if (m_initialised)
        m_layer->FSOUND_SetVolume(channel, volume);
}

void SoundMgr::SetEffectsLevel(int level) {
    m_effectsLevel = ClampLevel(level);
}

void SoundMgr::SetMusicLevel(int level) {
    m_musicLevel = ClampLevel(level);
}

void SoundMgr::SetMasterVolume(int volume) {
    m_masterVolume = ClampLevel(volume);
    if (m_initialised)
        m_layer->FSOUND_SetSFXMasterVolume(m_masterVolume);
}

void SoundMgr::Update(const Vector* position, const Vector* velocity, const Vector& forward,
                      const Vector& up) {
    const Placement placement(position, velocity);
    const FSoundVector ahead = ToFmodVector(forward);
    const FSoundVector top = ToFmodVector(up);
    m_layer->FSOUND_3D_Listener_SetAttributes(placement.Position(), placement.Velocity(), ahead.x,
                                              ahead.y, ahead.z, top.x, top.y, top.z);
    m_layer->FSOUND_3D_Update();
}

void SoundMgr::DrawCpuUsage(Screen& screen, int x, int y) {
    Stringc text;
    text.Format("%5.02f%%", static_cast<double>(m_layer->FSOUND_GetCPUUsage()));
    screen.DrawText(x, y, text);
}
