#include "platform/sdl_sound_layer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace {

constexpr int kMixFrames = 1024; // 25 ms at 40 kHz

double Seconds(clockid_t clock) {
    timespec now;
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// SDL's converter has room for nine steps and adds one for every doubling or halving
// between the rates without checking: a rate this many times from the output's would
// overrun it, and a rate of 0 would double for ever.
constexpr int64_t kMaxRateRatio = 32;

bool IsConvertibleRate(int rate, int outputRate) {
    const int64_t low = std::min(rate, outputRate), high = std::max(rate, outputRate);
    return low > 0 && high < low * kMaxRateRatio;
}

int ToByte(float gain) {
    return static_cast<int>(std::lround(std::clamp(gain, 0.0f, 1.0f) * 255.0f));
}

} // namespace

SdlSoundLayer::~SdlSoundLayer() {
    FSOUND_Close();
}

bool SdlSoundLayer::Fail(FSoundError error) {
    m_error = error;
    return false;
}

const char* SdlSoundLayer::FSOUND_GetDriverName(int driver) {
    if (driver != 0)
        return "";
    return m_open ? m_driverName.c_str() : "SDL audio";
}

bool SdlSoundLayer::FSOUND_SetDriver(int driver) {
    return driver == 0 || Fail(kSoundErrInvalidParam);
}

bool SdlSoundLayer::FSOUND_GetDriverCaps(int driver, unsigned* caps) {
    if (driver != 0 || !caps)
        return Fail(kSoundErrInvalidParam);
    *caps = 0;
    return true;
}

bool SdlSoundLayer::FSOUND_Init(int mixRate, int softwareChannels) {
    if (m_open || mixRate <= 0 || softwareChannels < 1 ||
        softwareChannels >= HandleSlots::kMaxSlots)
        return Fail(kSoundErrInvalidParam);
    // Start-up makes the sound manager before SDL_Init, so the layer brings up audio itself.
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        return Fail(kSoundErrInit);
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, 2, kMixFrames) < 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return Fail(kSoundErrInit);
    }
    Mix_QuerySpec(&m_outputRate, &m_outputFormat, &m_outputChannels);
    char name[32] = {};
    SDL_AudioDriverName(name, sizeof name);
    m_driverName = name;
    m_softwareChannels = softwareChannels;
    Mix_AllocateChannels(softwareChannels + 1); // the last one plays the stream
    m_channels.assign(static_cast<size_t>(softwareChannels + 1), Channel());
    m_channelHandles.Resize(softwareChannels + 1);
    m_streamHandle.Resize(1);
    m_lastMixCpu = Seconds(CLOCK_THREAD_CPUTIME_ID);
    m_lastMixWall = Seconds(CLOCK_MONOTONIC);
    Mix_SetPostMix(&SdlSoundLayer::MeasureMixing, this);
    m_open = true;
    m_error = kSoundErrNone;
    return true;
}

void SdlSoundLayer::FSOUND_Close() {
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    Mix_SetPostMix(nullptr, nullptr);
    for (int slot = 0; slot < static_cast<int>(m_samples.size()); ++slot)
        FreeSample(slot);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_samples.clear();
    m_sampleHandles.Resize(0);
    m_channels.clear();
    m_channelHandles.Resize(0);
    m_streamHandle.Resize(0);
    m_streamSampleSlot = -1;
    m_softwareChannels = 0;
    m_outputRate = 0;
    m_open = false;
    m_mixLoad = 0.0f;
}

int SdlSoundLayer::FSOUND_GetOutput() {
    if (!m_open || m_driverName == "dummy" || m_driverName == "disk")
        return FSOUND_OUTPUT_NOSOUND;
    if (m_driverName == "alsa")
        return FSOUND_OUTPUT_ALSA;
    if (m_driverName == "dsp" || m_driverName == "dma")
        return FSOUND_OUTPUT_OSS;
    if (m_driverName == "esd")
        return FSOUND_OUTPUT_ESD;
    return FSOUND_OUTPUT_OTHER;
}

bool SdlSoundLayer::FSOUND_SetSFXMasterVolume(int volume) {
    if (!m_open)
        return Fail(kSoundErrUninitialised);
    m_masterVolume = std::clamp(volume, 0, 255);
    for (int slot = 0; slot < static_cast<int>(m_channels.size()); ++slot)
        ApplyMix(slot);
    return true;
}

void SdlSoundLayer::MeasureMixing(void* self, uint8_t*, int) {
    SdlSoundLayer& layer = *static_cast<SdlSoundLayer*>(self);
    const double cpu = Seconds(CLOCK_THREAD_CPUTIME_ID);
    const double wall = Seconds(CLOCK_MONOTONIC);
    if (wall > layer.m_lastMixWall)
        layer.m_mixLoad =
            static_cast<float>(100.0 * (cpu - layer.m_lastMixCpu) / (wall - layer.m_lastMixWall));
    layer.m_lastMixCpu = cpu;
    layer.m_lastMixWall = wall;
}

// ---- samples ----

SdlSoundLayer::Sample* SdlSoundLayer::FindSample(FSoundSample sample) {
    const int slot = m_sampleHandles.Slot(static_cast<int>(sample));
    if (slot < 0) {
        Fail(kSoundErrInvalidParam);
        return nullptr;
    }
    return &*m_samples[static_cast<size_t>(slot)];
}

FSoundSample SdlSoundLayer::FSOUND_Sample_Get(int index) {
    if (index < 0 || index >= static_cast<int>(m_samples.size()) ||
        !m_samples[static_cast<size_t>(index)] || m_samples[static_cast<size_t>(index)]->ofStream)
        return FSoundSample::kNone;
    return FSoundSample(m_sampleHandles.Current(index));
}

FSoundSample SdlSoundLayer::FSOUND_Sample_Load(const char* path, unsigned mode) {
    return LoadSample(path, mode, false);
}

FSoundSample SdlSoundLayer::LoadSample(const char* path, unsigned mode, bool ofStream) {
    if (!m_open) {
        Fail(kSoundErrUninitialised);
        return FSoundSample::kNone;
    }
    if (!path) {
        Fail(kSoundErrInvalidParam);
        return FSoundSample::kNone;
    }
    Sample sample;
    const FSoundError decoded = platform::DecodeSoundFile(path, sample.pcm);
    if (decoded != kSoundErrNone) {
        Fail(decoded);
        return FSoundSample::kNone;
    }
    if (!ConvertForMixing(sample))
        return FSoundSample::kNone;
    sample.name = path;
    sample.mode = (mode & FSOUND_LOOP_NORMAL ? FSOUND_LOOP_NORMAL : FSOUND_LOOP_OFF) |
                  (sample.pcm.bits == 16 ? FSOUND_16BITS : FSOUND_8BITS) |
                  (sample.pcm.channels == 2 ? FSOUND_STEREO : FSOUND_MONO);
    sample.ofStream = ofStream;

    auto free = std::find_if(m_samples.begin(), m_samples.end(),
                             [](const std::optional<Sample>& s) { return !s; });
    const int slot = static_cast<int>(free - m_samples.begin());
    if (free == m_samples.end()) {
        if (slot >= HandleSlots::kMaxSlots) {
            Fail(kSoundErrMemory);
            return FSoundSample::kNone;
        }
        m_samples.emplace_back();
        m_sampleHandles.Resize(slot + 1);
    }
    std::optional<Sample>& stored = m_samples[static_cast<size_t>(slot)];
    stored = std::move(sample);
    // Made in place, so the chunk points into the stored sample's own buffer.
    stored->chunk =
        Mix_QuickLoad_RAW(stored->mixed.data(), static_cast<Uint32>(stored->mixed.size()));
    if (!stored->chunk) {
        stored.reset();
        Fail(kSoundErrMemory);
        return FSoundSample::kNone;
    }
    return FSoundSample(m_sampleHandles.Issue(slot));
}

bool SdlSoundLayer::ConvertForMixing(Sample& sample) {
    const platform::SoundPcm& pcm = sample.pcm;
    if (!IsConvertibleRate(pcm.frequency, m_outputRate))
        return Fail(kSoundErrFileFormat);
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, pcm.bits == 16 ? AUDIO_S16LSB : AUDIO_U8,
                          static_cast<Uint8>(pcm.channels), pcm.frequency, m_outputFormat,
                          static_cast<Uint8>(m_outputChannels), m_outputRate) < 0)
        return Fail(kSoundErrFileFormat);
    const size_t length = pcm.bytes.size();
    sample.mixed.assign(length * static_cast<size_t>(std::max(convert.len_mult, 1)), 0);
    std::memcpy(sample.mixed.data(), pcm.bytes.data(), length);
    convert.buf = sample.mixed.data();
    convert.len = static_cast<int>(length);
    if (convert.needed) {
        if (SDL_ConvertAudio(&convert) < 0)
            return Fail(kSoundErrFileFormat);
        sample.mixed.resize(static_cast<size_t>(convert.len_cvt));
    }
    return true;
}

void SdlSoundLayer::FreeSample(int slot) {
    std::optional<Sample>& sample = m_samples[static_cast<size_t>(slot)];
    if (!sample)
        return;
    Mix_FreeChunk(sample->chunk); // stops every channel still playing it
    sample.reset();
    m_sampleHandles.Revoke(slot);
}

void SdlSoundLayer::FSOUND_Sample_Free(FSoundSample sample) {
    const Sample* found = FindSample(sample);
    if (found && !found->ofStream)
        FreeSample(m_sampleHandles.Slot(static_cast<int>(sample)));
}

const char* SdlSoundLayer::FSOUND_Sample_GetName(FSoundSample sample) {
    const Sample* found = FindSample(sample);
    return found ? found->name.c_str() : nullptr;
}

unsigned SdlSoundLayer::FSOUND_Sample_GetMode(FSoundSample sample) {
    const Sample* found = FindSample(sample);
    return found ? found->mode : 0;
}

bool SdlSoundLayer::FSOUND_Sample_SetMode(FSoundSample sample, unsigned mode) {
    Sample* found = FindSample(sample);
    if (!found)
        return false;
    const unsigned loop = mode & FSOUND_LOOP_NORMAL ? FSOUND_LOOP_NORMAL : FSOUND_LOOP_OFF;
    found->mode = (found->mode & ~(FSOUND_LOOP_OFF | FSOUND_LOOP_NORMAL)) | loop;
    return true;
}

bool SdlSoundLayer::FSOUND_Sample_GetDefaults(FSoundSample sample, int* frequency) {
    const Sample* found = FindSample(sample);
    if (!found || !frequency)
        return false;
    *frequency = found->pcm.frequency;
    return true;
}

unsigned SdlSoundLayer::FSOUND_Sample_GetLength(FSoundSample sample) {
    const Sample* found = FindSample(sample);
    return found ? found->pcm.Frames() : 0;
}

bool SdlSoundLayer::FSOUND_Sample_SetMinMaxDistance(FSoundSample sample, float min, float max) {
    Sample* found = FindSample(sample);
    if (!found)
        return false;
    if (min < 0.0f || max < min)
        return Fail(kSoundErrInvalidParam);
    found->minDistance = min;
    found->maxDistance = max;
    return true;
}

const void* SdlSoundLayer::FSOUND_Sample_Lock(FSoundSample sample, unsigned offset,
                                              unsigned length) {
    const Sample* found = FindSample(sample);
    if (!found)
        return nullptr;
    const size_t size = found->pcm.bytes.size();
    if (offset > size || length > size - offset) {
        Fail(kSoundErrInvalidParam);
        return nullptr;
    }
    return found->pcm.bytes.data() + offset;
}

// ---- channels ----

int SdlSoundLayer::ChannelSlot(int channel) {
    const int slot = m_channelHandles.Slot(channel);
    if (slot < 0)
        Fail(kSoundErrInvalidParam);
    return slot;
}

int SdlSoundLayer::StartChannel(int slot, const Sample& sample, bool paused) {
    Channel& channel = m_channels[static_cast<size_t>(slot)];
    channel = Channel();
    channel.minDistance = sample.minDistance;
    channel.maxDistance = sample.maxDistance;
    // Held so the mixer never hears the channel before it is paused and levelled.
    SDL_LockAudio();
    const bool started =
        Mix_PlayChannel(slot, sample.chunk, sample.mode & FSOUND_LOOP_NORMAL ? -1 : 0) >= 0;
    if (started) {
        if (paused)
            Mix_Pause(slot);
        ApplyMix(slot);
    }
    SDL_UnlockAudio();
    if (!started) {
        Fail(kSoundErrMemory);
        return -1;
    }
    return m_channelHandles.Issue(slot);
}

void SdlSoundLayer::ApplyMix(int slot) {
    const Channel& channel = m_channels[static_cast<size_t>(slot)];
    StereoGain gain;
    if (channel.positioned)
        gain = m_listener.Hear(channel.position, channel.minDistance, channel.maxDistance);
    const float level = static_cast<float>(channel.volume * m_masterVolume) / (255.0f * 255.0f);
    Mix_Volume(slot, static_cast<int>(std::lround(level * MIX_MAX_VOLUME)));
    Mix_SetPanning(slot, static_cast<Uint8>(ToByte(gain.left)),
                   static_cast<Uint8>(ToByte(gain.right)));
}

int SdlSoundLayer::FSOUND_PlaySoundEx(FSoundSample sample, bool paused) {
    const Sample* found = FindSample(sample);
    if (!found)
        return -1;
    for (int slot = 0; slot < m_softwareChannels; ++slot)
        if (!Mix_Playing(slot))
            return StartChannel(slot, *found, paused);
    Fail(kSoundErrChannelAlloc);
    return -1;
}

bool SdlSoundLayer::FSOUND_SetPaused(int channel, bool paused) {
    const int slot = ChannelSlot(channel);
    if (slot < 0)
        return false;
    if (paused)
        Mix_Pause(slot);
    else
        Mix_Resume(slot);
    return true;
}

bool SdlSoundLayer::FSOUND_SetVolume(int channel, int volume) {
    const int slot = ChannelSlot(channel);
    if (slot < 0)
        return false;
    m_channels[static_cast<size_t>(slot)].volume = std::clamp(volume, 0, 255);
    ApplyMix(slot);
    return true;
}

bool SdlSoundLayer::FSOUND_IsPlaying(int channel) {
    const int slot = ChannelSlot(channel);
    return slot >= 0 && Mix_Playing(slot);
}

bool SdlSoundLayer::FSOUND_StopSound(int channel) {
    const int slot = ChannelSlot(channel);
    if (slot < 0)
        return false;
    Mix_HaltChannel(slot);
    return true;
}

bool SdlSoundLayer::FSOUND_3D_SetAttributes(int channel, const FSoundVector* position,
                                            const FSoundVector*) {
    const int slot = ChannelSlot(channel);
    if (slot < 0)
        return false;
    Channel& state = m_channels[static_cast<size_t>(slot)];
    state.positioned = position != nullptr;
    if (position)
        state.position = *position;
    ApplyMix(slot);
    return true;
}

// ---- the stream ----

FSoundStream SdlSoundLayer::FSOUND_Stream_OpenFile(const char* path, unsigned mode) {
    if (m_open && m_streamSampleSlot >= 0) {
        Fail(kSoundErrInvalidParam);
        return FSoundStream::kNone;
    }
    const FSoundSample sample = LoadSample(path, mode, true);
    if (sample == FSoundSample::kNone)
        return FSoundStream::kNone;
    m_streamSampleSlot = m_sampleHandles.Slot(static_cast<int>(sample));
    return FSoundStream(m_streamHandle.Issue(0));
}

FSoundSample SdlSoundLayer::FSOUND_Stream_GetSample(FSoundStream stream) {
    if (m_streamHandle.Slot(static_cast<int>(stream)) < 0) {
        Fail(kSoundErrInvalidParam);
        return FSoundSample::kNone;
    }
    return FSoundSample(m_sampleHandles.Current(m_streamSampleSlot));
}

int SdlSoundLayer::FSOUND_Stream_PlayEx(FSoundStream stream, bool paused) {
    const Sample* sample = FindSample(FSOUND_Stream_GetSample(stream));
    return sample ? StartChannel(m_softwareChannels, *sample, paused) : -1;
}

bool SdlSoundLayer::FSOUND_Stream_Stop(FSoundStream stream) {
    if (FSOUND_Stream_GetSample(stream) == FSoundSample::kNone)
        return false;
    Mix_HaltChannel(m_softwareChannels);
    return true;
}

bool SdlSoundLayer::FSOUND_Stream_Close(FSoundStream stream) {
    if (FSOUND_Stream_GetSample(stream) == FSoundSample::kNone)
        return false;
    FreeSample(m_streamSampleSlot);
    m_streamSampleSlot = -1;
    m_streamHandle.Revoke(0);
    return true;
}

// ---- the listener ----

void SdlSoundLayer::FSOUND_3D_Listener_SetAttributes(const FSoundVector* position,
                                                     const FSoundVector*, float forwardX,
                                                     float forwardY, float forwardZ, float upX,
                                                     float upY, float upZ) {
    m_listener.Place(position, {forwardX, forwardY, forwardZ}, {upX, upY, upZ});
}

void SdlSoundLayer::FSOUND_3D_Listener_SetRolloffFactor(float factor) {
    m_listener.SetRolloff(std::max(factor, 0.0f));
}

void SdlSoundLayer::FSOUND_3D_Update() {
    for (int slot = 0; slot < static_cast<int>(m_channels.size()); ++slot)
        if (m_channels[static_cast<size_t>(slot)].positioned && Mix_Playing(slot))
            ApplyMix(slot);
}
