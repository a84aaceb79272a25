#include "tools/demoworld/demo_world.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_object.h"
#include "Library/files/file_stream.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_builder.h"
#include "Library/files/wav_writer.h"
#include "platform/case_path.h"
#include "tools/demoworld/cursor_art.h"
#include "tools/demoworld/demo_script.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

constexpr const char* kSystemFont =
    "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf";
constexpr double kPi = 3.14159265358979;
constexpr uint32_t kSoundRate = 22050;

// A sine tone that dies away, so a button sounds like a click rather than a beep.
std::vector<int16_t> Click(double frequency, double seconds) {
    const int frames = static_cast<int>(seconds * kSoundRate);
    std::vector<int16_t> samples(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double decay = std::exp(-6.0 * i / frames);
        samples[static_cast<size_t>(i)] =
            static_cast<int16_t>(12000.0 * decay * std::sin(2 * kPi * frequency * t));
    }
    return samples;
}

bool WriteSound(const Stringc& path, const std::vector<int16_t>& samples) {
    MemStream wav(kStreamWriteBinary);
    const uint32_t bytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    FileStream file;
    const bool written = MakeDirectories(path) &&
                         WriteWav(wav, WavFormat{1, 16, kSoundRate}, samples.data(), bytes) &&
                         file.Open(path.c_str(), kStreamWriteBinary) && wav.SaveAll(file);
    if (!written)
        std::fprintf(stderr, "demoworld: cannot write %s\n", path.c_str());
    return written;
}

} // namespace

DemoWorld::DemoWorld(const Stringc& root) : m_root(root) {}

bool DemoWorld::Build() {
    DataPaths paths(m_root.c_str());
    g_dataPaths = &paths;
    const bool built =
        WriteFonts() && WriteButtonSounds() && WriteCursor() && WriteScripts() && PackArchives();
    g_dataPaths = nullptr;
    return built;
}

bool DemoWorld::WriteFonts() {
    const Stringc target = m_root + "/fonts/Cour.ttf";
    return MakeDirectories(target) && FileObject(kSystemFont).CopyTo(target);
}

// The toolkit's default press sounds.
bool DemoWorld::WriteButtonSounds() {
    const Stringc directory = g_dataPaths->GetSfxDir();
    return WriteSound(directory + "/Button_press_in.wav", Click(1400, 0.04)) &&
           WriteSound(directory + "/Button_press_out.wav", Click(900, 0.06));
}

// The frames are drawn into a scratch directory, which goes once the animations are built.
bool DemoWorld::WriteCursor() {
    char scratch[] = "/tmp/demoworldXXXXXX";
    if (!::mkdtemp(scratch)) {
        std::fprintf(stderr, "demoworld: no scratch directory for the cursor frames\n");
        return false;
    }
    const bool written = CursorArt(g_dataPaths->GetAnimDir() + "/Mouse", scratch).Write();
    std::error_code error;
    std::filesystem::remove_all(scratch, error);
    return written;
}

bool DemoWorld::WriteScripts() {
    return DemoScript().WriteFile(g_dataPaths->GetScriptDir() + "/demo.scr");
}

// Archives that exist are kept by the builder: these are made afresh from the tree.
bool DemoWorld::PackArchives() {
    platform::RemoveFile(g_dataPaths->GetGeneralResPath().c_str());
    platform::RemoveFile(g_dataPaths->GetAnimationResPath().c_str());
    ResFileBuilder builder;
    return builder.Build() && builder.BuildAnimations();
}
