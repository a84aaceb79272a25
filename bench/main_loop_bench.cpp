// One frame of the main loop with nothing to show (events, clocks, update and drawing),
// headless on the demo world: what every frame costs before any screen draws.

#include "Source/loops.h"
#include "Source/main.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The demo world, built by the builder beside this program's directory.
class BenchWorld {
public:
    BenchWorld() {
        char pattern[] = "/tmp/loopbenchXXXXXX";
        m_root = ::mkdtemp(pattern) ? pattern : "";
        const fs::path builder =
            fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "demoworld";
        const std::string command = builder.string() + " " + m_root + " > /dev/null";
        m_built = !m_root.empty() && std::system(command.c_str()) == 0;
    }
    ~BenchWorld() {
        if (!m_root.empty())
            fs::remove_all(m_root);
    }

    bool Built() const { return m_built; }
    const std::string& Root() const { return m_root; }

private:
    std::string m_root;
    bool m_built = false;
};

void BM_EmptyFrame(benchmark::State& state) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    BenchWorld world;
    if (!world.Built()) {
        state.SkipWithError("the demo world could not be built");
        return;
    }
    const fs::path saved = fs::current_path();
    fs::current_path(world.Root());
    if (Main::Init(0, 16, 0.0)) {
        Loops::SetUp();
        Main::RunFrame(); // the title menu's mode applied
        for (auto _ : state)
            Main::RunFrame();
    } else {
        state.SkipWithError("the game does not start on the demo world");
    }
    Main::Shutdown();
    SDL_Quit();
    fs::current_path(saved);
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
