// The sound manager's file side: extraction from the general archive and ".wav" export.
#include "Library/sound/sound_mgr.h"

#include "Library/core/stringc.h"
#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/files/wav_writer.h"
#include "platform/sound_file.h"
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
    return g_dataPaths && ExportFile(g_dataPaths->GetSfxDir(), name);
}

bool SoundMgr::ExportMusic(const char* name) {
    return g_dataPaths && ExportFile(g_dataPaths->GetMusicDir(), name);
}

// Decoded here rather than through the layer, so that a machine without a sound device
// converts its sounds too, and later runs find them done.
bool SoundMgr::ExportFile(const Stringc& directory, const char* name) {
    if (!name || !*name)
        return false;
    const Stringc source = directory + "/" + name;
    if (!ExtractFile(source))
        return false;
    platform::SoundPcm pcm;
    const FSoundError decoded = platform::DecodeSoundFile(source.c_str(), pcm);
    if (decoded != kSoundErrNone) {
        std::fprintf(stderr, "%s: %s\n", ErrorText(decoded), source.c_str());
        return false;
    }
    if (pcm.bytes.size() > static_cast<size_t>(INT32_MAX - kWavHeaderBytes))
        return false;
    Stringc target = source;
    target.StripExtension();
    MemStream wav(kStreamWriteBinary);
    const WavFormat format{static_cast<uint16_t>(pcm.channels), static_cast<uint16_t>(pcm.bits),
                           static_cast<uint32_t>(pcm.frequency)};
    return ::WriteWav(wav, format, pcm.bytes.data(), static_cast<uint32_t>(pcm.bytes.size())) &&
           SaveReplacing(target + ".wav", wav);
}
