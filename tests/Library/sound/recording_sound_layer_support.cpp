#include "recording_sound_layer.h"

void RecordingSoundLayer::Put(std::ostream& out, const FSoundVector* v) {
    if (v) {
        out << '(';
        Put(out, v->x);
        out << ' ';
        Put(out, v->y);
        out << ' ';
        Put(out, v->z);
        out << ')';
    } else {
        out << "null";
    }
}

bool RecordingSoundLayer::FSOUND_GetDriverCaps(int driver, unsigned* out) {
    Record(__func__, driver);
    *out = caps;
    return true;
}

FSoundSample RecordingSoundLayer::FSOUND_Sample_Get(int index) {
    const bool live = index >= 0 && index < static_cast<int>(m_samples.size()) &&
                      !m_samples[static_cast<size_t>(index)].empty();
    return live ? FSoundSample(index) : FSoundSample::kNone;
}

FSoundSample RecordingSoundLayer::FSOUND_Sample_Load(const char* path, unsigned mode) {
    Record(__func__, path, mode);
    if (std::string(path).find("missing") != std::string::npos)
        return FSoundSample::kNone;
    m_samples.emplace_back(path);
    return FSoundSample(static_cast<int>(m_samples.size()) - 1);
}

void RecordingSoundLayer::FSOUND_Sample_Free(FSoundSample s) {
    Record(__func__, s);
    if (FSOUND_Sample_Get(static_cast<int>(s)) != FSoundSample::kNone)
        m_samples[static_cast<size_t>(s)].clear();
}

const char* RecordingSoundLayer::FSOUND_Sample_GetName(FSoundSample s) {
    if (s == FSoundSample(1000))
        return m_stream.c_str();
    return FSOUND_Sample_Get(static_cast<int>(s)) != FSoundSample::kNone
               ? m_samples[static_cast<size_t>(s)].c_str()
               : nullptr;
}

FSoundStream RecordingSoundLayer::FSOUND_Stream_OpenFile(const char* path, unsigned mode) {
    Record(__func__, path, mode);
    m_stream = path;
    return FSoundStream(0);
}

FSoundSample RecordingSoundLayer::FSOUND_Stream_GetSample(FSoundStream s) {
    return s == FSoundStream(0) && !m_stream.empty() ? FSoundSample(1000) : FSoundSample::kNone;
}

bool RecordingSoundLayer::FSOUND_Stream_Close(FSoundStream s) {
    Record(__func__, s);
    m_stream.clear();
    return true;
}
