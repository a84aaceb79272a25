// One path search per run, each with the cell index, with the plain scans of the open and
// closed lists it stands in for, and with the cheaper node rising in place in the heap: an
// open 128 x 128 map corner to corner, a 64 x 64 maze, a U-shaped trap around the goal, a
// goal walled into a room on 200 x 200 in two ways that both spend the whole node pool,
// and 20 plans across the demo map in one frame. The "expanded" counter gives the nodes
// the search took off the open list. Then the pulling tight of paths of 128 and 512 cells.

#include "Library/files/data_paths.h"
#include "Library/world/cell_node_index.h"
#include "Library/world/in_place_open_heap.h"
#include "Library/world/linear_node_lookup.h"
#include "Library/world/open_cell_finder.h"
#include "Library/world/path_finder.h"
#include "Library/world/path_point_list.h"
#include "Library/world/tile_map.h"
#include "Library/world/waypoints.h"
#include "bench/bench_world.h"
#include "bench/ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A path starts where it is asked to.
class StartWhereAsked : public OpenCellFinder {
public:
    bool FindNearestOpenCell(const Vector& point, Vector& out) const override {
        out = point;
        return true;
    }
};

template <class T> void Append(std::string& bytes, T value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// A map of width x height cells, walkable unless wall(x, y), written as a ".map" in the
// benchmark's scratch data root and loaded from there.
class DrawnMap {
public:
    DrawnMap(const BenchWorld& root, const char* name, int width, int height,
             const std::function<bool(int, int)>& wall)
        : m_paths(root.Root().c_str()), m_map(m_paths, nullptr) {
        const std::string image = std::string(m_paths.GetMapGraphicDir().c_str()) + "/m.tga";
        std::filesystem::create_directories(m_paths.GetMapGraphicDir().c_str());
        std::fclose(std::fopen(image.c_str(), "wb"));
        std::string bytes;
        Append(bytes, static_cast<uint32_t>(width));
        Append(bytes, static_cast<uint32_t>(height));
        for (int16_t bound : {int16_t{0}, int16_t{0}, static_cast<int16_t>(width * 16),
                              static_cast<int16_t>(height * 12)})
            Append(bytes, bound);
        Append(bytes, 0.0f);
        Append(bytes, 0.0f);
        Append(bytes, uint16_t{6});
        bytes.append("m.tga", 6);
        for (int other = 1; other < TileMap::kImageNameCount; ++other)
            Append(bytes, uint16_t{0});
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool blocked = wall(x, y);
                Append(bytes, uint32_t{blocked ? 9u : 0u});
                Append(bytes, blocked ? uint32_t{0} : TileRecord::kWalkable);
                Append(bytes, uint32_t{0});
            }
        Append(bytes, uint32_t{0});
        Append(bytes, uint32_t{0});
        const std::string file = std::string(m_paths.GetTileMapDir().c_str()) + "/" + name + ".map";
        std::filesystem::create_directories(m_paths.GetTileMapDir().c_str());
        std::FILE* out = std::fopen(file.c_str(), "wb");
        m_read = out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        m_read = out && std::fclose(out) == 0 && m_read && m_map.Load(name);
    }
    bool IsRead() const { return m_read; }
    const TileMap& Get() const { return m_map; }

private:
    DataPaths m_paths;
    TileMap m_map;
    bool m_read = false;
};

// A maze of corridors one cell wide, dug from (1, 1) by a seeded depth-first walk.
std::vector<bool> DigMaze(int side) {
    std::vector<bool> open(side * side, false);
    uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    std::vector<std::pair<int, int>> stack = {{1, 1}};
    open[side + 1] = true;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        const int steps[4][2] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
        std::vector<int> choices;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + steps[d][0], ny = y + steps[d][1];
            if (nx > 0 && ny > 0 && nx < side - 1 && ny < side - 1 && !open[ny * side + nx])
                choices.push_back(d);
        }
        if (choices.empty()) {
            stack.pop_back();
            continue;
        }
        const int d = choices[next() % choices.size()];
        open[(y + steps[d][1] / 2) * side + x + steps[d][0] / 2] = true;
        open[(y + steps[d][1]) * side + x + steps[d][0]] = true;
        stack.emplace_back(x + steps[d][0], y + steps[d][1]);
    }
    return open;
}

struct Trip {
    Vector start, goal;
};

struct Case {
    const char* name;
    int width, height;
    std::function<bool(int, int)> wall;
    std::vector<Trip> trips;
};

std::vector<Case> Cases() {
    static const std::vector<bool> maze = DigMaze(63);
    return {
        {"Open128",
         128,
         128,
         [](int, int) { return false; },
         {{{0.5f, 0.5f, 0}, {127.5f, 127.5f, 0}}}},
        {"Maze64",
         64,
         64,
         [](int x, int y) { return x >= 63 || y >= 63 || !maze[y * 63 + x]; },
         {{{1.5f, 1.5f, 0}, {61.5f, 61.5f, 0}}}},
        // The goal inside a U whose closed side faces the start: the search, which runs
        // from the goal, fills the U before it finds the way out.
        {"UTrap64",
         64,
         64,
         [](int x, int y) {
             return (y == 40 && x >= 12 && x <= 52) || ((x == 12 || x == 52) && y >= 8 && y <= 40);
         },
         {{{32.5f, 60.5f, 0}, {32.5f, 30.5f, 0}}}},
        // A room of 91 x 91 cells behind a wall two cells thick: more than the pool holds.
        {"WalledIn200",
         200,
         200,
         [](int x, int y) {
             const bool inBox = x >= 53 && x <= 147 && y >= 53 && y <= 147;
             const bool inRoom = x >= 55 && x <= 145 && y >= 55 && y <= 145;
             return inBox && !inRoom;
         },
         {{{2.5f, 2.5f, 0}, {100.5f, 100.5f, 0}}}},
        // A room of 51 x 51 behind a wall fifteen cells thick: the pool runs dry in the wall.
        {"ThickWall200",
         200,
         200,
         [](int x, int y) {
             const bool inBox = x >= 60 && x <= 140 && y >= 60 && y <= 140;
             const bool inRoom = x >= 75 && x <= 125 && y >= 75 && y <= 125;
             return inBox && !inRoom;
         },
         {{{2.5f, 2.5f, 0}, {100.5f, 100.5f, 0}}}},
    };
}

// Twenty creatures south of the demo map's wall sent through its gate to the north.
std::vector<Trip> DemoTrips() {
    std::vector<Trip> trips;
    for (int i = 0; i < 20; ++i)
        trips.push_back({Vector(12.5f + 3.0f * i, 58.5f + i % 5, 0),
                         Vector(25.5f + 2.0f * i, 8.5f + i % 3, 0)});
    return trips;
}

template <class Finder>
void Search(benchmark::State& state, const TileMap& map, const std::vector<Trip>& trips) {
    StartWhereAsked start;
    auto finder = std::make_unique<Finder>(map, start);
    Waypoints path;
    int expanded = 0, found = 0;
    for (auto _ : state) {
        expanded = found = 0;
        for (const Trip& trip : trips) {
            found += finder->FindPath(trip.start, trip.goal, path);
            expanded += finder->GetSearch().GetStepCount();
        }
        benchmark::DoNotOptimize(path);
    }
    state.counters["expanded"] = expanded;
    state.counters["found"] = found;
}

template <class Finder>
void Register(const std::string& name, const TileMap& map, const std::vector<Trip>& trips,
              const char* form) {
    benchmark::RegisterBenchmark((name + "/" + form).c_str(), [&map,
                                                               trips](benchmark::State& state) {
        Search<Finder>(state, map, trips);
    })->Unit(benchmark::kMicrosecond);
}

// The search as the game runs it, with list scans in place of the cell index, and with the
// cheaper node rising from the old one's place in the heap instead of the heap rebuilt.
void RegisterForms(const std::string& name, const TileMap& map, const std::vector<Trip>& trips,
                   RatioReporter::Pairs& pairs) {
    Register<PathFinder>(name, map, trips, "indexed");
    Register<BasicPathFinder<LinearNodeLookup>>(name, map, trips, "linear");
    Register<BasicPathFinder<CellNodeIndex, InPlaceOpenHeap>>(name, map, trips, "in-place");
    pairs.emplace_back(name + "/indexed", name + "/linear");
    pairs.emplace_back(name + "/indexed", name + "/in-place");
}

// The points of staircase paths across an open map, pulled tight: every line from the
// start to each later point is walked. 512 cells a run in paths of the given length, so
// equal times mean an equal cost per cell.
void Smooth(benchmark::State& state, const TileMap& map, int cells) {
    constexpr int kCellsARun = 512;
    PathPointList points;
    for (auto _ : state) {
        for (int path = 0; path < kCellsARun / cells; ++path) {
            points.Clear();
            for (int cell = 0; cell < cells; ++cell)
                points.AddPoint(Vector(1.5f + (cell + 1) / 2, 1.5f + cell / 2, 0));
            points.AddPointRaw(Vector(1.2f + cells / 2, 1.7f + cells / 2, 0));
            points.Simplify(Waypoints::kMaxPoints, map);
        }
        benchmark::DoNotOptimize(points.GetSmoothed(0));
    }
}

} // namespace

int main(int argc, char** argv) {
    RatioReporter::Initialize(&argc, argv);
    BenchWorld world;
    std::vector<std::unique_ptr<DrawnMap>> maps;
    RatioReporter::Pairs pairs;
    for (const Case& c : Cases()) {
        maps.push_back(std::make_unique<DrawnMap>(world, c.name, c.width, c.height, c.wall));
        if (!maps.back()->IsRead()) {
            std::fprintf(stderr, "the map %s could not be made\n", c.name);
            return 1;
        }
        RegisterForms(c.name, maps.back()->Get(), c.trips, pairs);
    }
    DataPaths demoPaths(world.Root().c_str());
    TileMap demo(demoPaths, nullptr);
    if (!world.Built() || !demo.Load("demo")) {
        std::fprintf(stderr, "the demo map could not be built\n");
        return 1;
    }
    RegisterForms("Replan20Demo", demo, DemoTrips(), pairs);
    const DrawnMap open(world, "Open300", 300, 300, [](int, int) { return false; });
    for (int cells : {128, 512})
        benchmark::RegisterBenchmark(
            ("Smooth/" + std::to_string(cells)).c_str(),
            [&open, cells](benchmark::State& state) { Smooth(state, open.Get(), cells); })
            ->Unit(benchmark::kMicrosecond);
    pairs.emplace_back("Smooth/512", "Smooth/128");
    RatioReporter reporter("Searches as the game runs them as a share of the other forms", pairs);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
