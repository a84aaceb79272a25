// The sound manager's file side: extraction from the general archive and ".wav" export.
#include "Library/sound/sound_mgr.h"

#include "Library/core/stringc.h"
#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/files/wav_writer.h"
#include "platform/win_io.h"

#include <cstdio>

namespace {

// Replacing, so a failed write never leaves half a sound that later runs would take as done.
bool SaveReplacing(const Stringc& path, MemStream& bytes) {
    return FileStream::WriteReplacing(path.c_str(),
                                      [&](Stream& file) { return bytes.SaveAll(file); });
}

bool FileExists(const Stringc& path) {
    struct stat info;
    return _stat(path.c_str(), &info) == 0;
}

} // namespace

bool SoundMgr::ExtractFile(const Stringc& path) {
    if (!g_dataPaths->GetUseResourceFiles() || FileExists(path))
        return true;
    MemStream bytes(kStreamReadBinary);
    if (!g_generalRes || g_generalRes->Load(path.c_str(), bytes) != ResFileMgr::kResOk) {
        std::fprintf(stderr, "Not in resorce file %s\n", path.c_str());
        return false;
    }
    if (!MakeDirectories(path) || !SaveReplacing(path, bytes)) {
        std::fprintf(stderr, "Unable to save %s\n", path.c_str());
        return false;
    }
    return true;
}

bool SoundMgr::ExportSample(const char* name) {
    if (!LoadSample(name, 1))
        return false;
    return ExportFile(m_currentSample, g_dataPaths->GetSfxDir(), name);
}

bool SoundMgr::ExportMusic(const char* name) {
    if (!m_initialised || !name || !*name || !g_dataPaths)
        return false;
    const Stringc directory = g_dataPaths->GetMusicDir();
    const FSoundSample sample = LoadSampleFile(directory + "/" + name, ModeFlags(1));
    return sample != FSoundSample::kNone && ExportFile(sample, directory, name);
}

// Writes directory/name-without-extension.wav and frees the sample.
bool SoundMgr::ExportFile(FSoundSample sample, const Stringc& directory, const char* name) {
    Stringc target = directory + "/" + name;
    target.StripExtension();
    const bool written = WriteWav(sample, target + ".wav");
    m_layer->FSOUND_Sample_Free(sample);
    if (m_currentSample == sample)
        m_currentSample = FSoundSample::kNone;
    return written;
}

bool SoundMgr::WriteWav(FSoundSample sample, const Stringc& path) {
    const unsigned mode = m_layer->FSOUND_Sample_GetMode(sample);
    const uint16_t channels = mode & FSOUND_STEREO ? 2 : 1;
    const uint16_t bits = mode & FSOUND_16BITS ? 16 : 8;
    int rate = 0;
    if (!m_layer->FSOUND_Sample_GetDefaults(sample, &rate))
        return false;
    const uint64_t dataBytes =
        static_cast<uint64_t>(m_layer->FSOUND_Sample_GetLength(sample)) * bits * channels / 8;
    if (dataBytes > INT32_MAX - kWavHeaderBytes)
        return false;
    const uint32_t size = static_cast<uint32_t>(dataBytes);
    MemStream wav(kStreamWriteBinary);
    const void* data = m_layer->FSOUND_Sample_Lock(sample, 0, size);
    const WavFormat format{channels, bits, static_cast<uint32_t>(rate)};
    const bool written = data && ::WriteWav(wav, format, data, size);
    if (data)
        m_layer->FSOUND_Sample_Unlock(sample);
    return written && SaveReplacing(path, wav);
}
