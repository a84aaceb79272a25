#pragma once
// A sound layer that writes every call with its arguments to a log the test owns (so the
// log outlives the manager that owns the layer), answering from a few settable values.

#include "platform/sound_layer.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

// How many calls in the log begin with the prefix.
inline long CountCalls(const std::vector<std::string>& log, const std::string& prefix) {
    return std::count_if(log.begin(), log.end(),
                         [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
}

class RecordingSoundLayer : public SoundLayer {
public:
    explicit RecordingSoundLayer(std::vector<std::string>& log) : m_log(log) {}

    float version = 3.75f;
    unsigned caps = 0;
    int error = 0;
    int channel = 7; // what every play returns

    float FSOUND_GetVersion() override { return Answer(version, __func__); }
    int FSOUND_GetNumDrivers() override { return Answer(1, __func__); }
    const char* FSOUND_GetDriverName(int d) override { return Answer("rec", __func__, d); }
    bool FSOUND_SetDriver(int d) override { return Answer(true, __func__, d); }
    int FSOUND_GetDriver() override { return Answer(0, __func__); }
    bool FSOUND_GetDriverCaps(int driver, unsigned* out) override;
    bool FSOUND_SetMinHardwareChannels(int n) override { return Answer(true, __func__, n); }
    bool FSOUND_Init(int rate, int channels) override {
        return Answer(true, __func__, rate, channels);
    }
    void FSOUND_Close() override { Record(__func__); }
    int FSOUND_GetError() override { return Answer(error, __func__); }
    int FSOUND_GetMaxChannels() override { return Answer(32, __func__); }
    int FSOUND_GetNumHardwareChannels() override { return Answer(0, __func__); }
    int FSOUND_GetOutput() override { return Answer(0, __func__); }
    int FSOUND_GetOutputRate() override { return Answer(40000, __func__); }
    float FSOUND_GetCPUUsage() override { return Answer(1.5f, __func__); }
    bool FSOUND_SetSFXMasterVolume(int v) override { return Answer(true, __func__, v); }

    int FSOUND_GetMaxSamples() override { return static_cast<int>(m_samples.size()); }
    FSoundSample FSOUND_Sample_Get(int index) override;
    FSoundSample FSOUND_Sample_Load(const char* path, unsigned mode) override;
    void FSOUND_Sample_Free(FSoundSample s) override;
    const char* FSOUND_Sample_GetName(FSoundSample s) override;
    unsigned FSOUND_Sample_GetMode(FSoundSample s) override { return Answer(0u, __func__, s); }
    bool FSOUND_Sample_SetMode(FSoundSample s, unsigned m) override {
        return Answer(true, __func__, s, m);
    }
    bool FSOUND_Sample_GetDefaults(FSoundSample s, int*) override {
        return Answer(false, __func__, s);
    }
    unsigned FSOUND_Sample_GetLength(FSoundSample s) override { return Answer(0u, __func__, s); }
    bool FSOUND_Sample_SetMinMaxDistance(FSoundSample s, float lo, float hi) override {
        return Answer(true, __func__, s, lo, hi);
    }
    const void* FSOUND_Sample_Lock(FSoundSample s, unsigned o, unsigned n) override {
        return Answer(nullptr, __func__, s, o, n);
    }
    void FSOUND_Sample_Unlock(FSoundSample s) override { Record(__func__, s); }

    int FSOUND_PlaySoundEx(FSoundSample s, bool paused) override {
        return Answer(channel, __func__, s, paused);
    }
    bool FSOUND_SetPaused(int c, bool p) override { return Answer(true, __func__, c, p); }
    bool FSOUND_SetVolume(int c, int v) override { return Answer(true, __func__, c, v); }
    bool FSOUND_IsPlaying(int c) override { return Answer(true, __func__, c); }
    bool FSOUND_StopSound(int c) override { return Answer(true, __func__, c); }
    bool FSOUND_3D_SetAttributes(int c, const FSoundVector* p, const FSoundVector* v) override {
        return Answer(true, __func__, c, p, v);
    }

    FSoundStream FSOUND_Stream_OpenFile(const char* path, unsigned mode) override;
    int FSOUND_Stream_PlayEx(FSoundStream s, bool paused) override {
        return Answer(channel, __func__, s, paused);
    }
    FSoundSample FSOUND_Stream_GetSample(FSoundStream s) override;
    bool FSOUND_Stream_Stop(FSoundStream s) override { return Answer(true, __func__, s); }
    bool FSOUND_Stream_Close(FSoundStream s) override;

    void FSOUND_3D_Listener_SetAttributes(const FSoundVector* p, const FSoundVector* v, float fx,
                                          float fy, float fz, float ux, float uy,
                                          float uz) override {
        Record(__func__, p, v, fx, fy, fz, ux, uy, uz);
    }
    void FSOUND_3D_Listener_SetDopplerFactor(float f) override { Record(__func__, f); }
    void FSOUND_3D_Listener_SetDistanceFactor(float f) override { Record(__func__, f); }
    void FSOUND_3D_Listener_SetRolloffFactor(float f) override { Record(__func__, f); }
    void FSOUND_3D_Update() override { Record(__func__); }

private:
    static void Put(std::ostream& out, const FSoundVector* v);
    static void Put(std::ostream& out, FSoundSample s) { out << static_cast<int>(s); }
    static void Put(std::ostream& out, FSoundStream s) { out << "stream" << static_cast<int>(s); }
    static void Put(std::ostream& out, bool b) { out << (b ? "true" : "false"); }
    static void Put(std::ostream& out, float f) { out << (f == 0.0f ? 0.0f : f); } // no "-0"
    template <class T> static void Put(std::ostream& out, const T& value) { out << value; }

    // "Name(a, b, c)"
    template <class... Args> void Record(const char* call, const Args&... args) {
        std::ostringstream out;
        out << call << '(';
        [[maybe_unused]] const char* separator = "";
        ((out << separator, Put(out, args), separator = ", "), ...);
        out << ')';
        m_log.push_back(out.str());
    }
    template <class R, class... Args> R Answer(R result, const char* call, const Args&... args) {
        Record(call, args...);
        return result;
    }

    std::vector<std::string>& m_log;
    std::vector<std::string> m_samples; // by slot; "" once freed
    std::string m_stream;               // path of the open stream, "" when none
};
