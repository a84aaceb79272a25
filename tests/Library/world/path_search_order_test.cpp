// The search against a plain one written step by step beside it: open list a heap on f over
// an array, lookups by scanning, a cheaper node for an open cell taking the old one out
// with the rest kept in order, the heap rebuilt, then the new node pushed. Over a few
// hundred seeded random maps both must give the same waypoints, point for point, and over a
// thousand more take the same nodes off the open list in the same order, with pools large
// and small.
#include "Library/world/path_finder.h"

#include "Library/world/cell_node_index.h"
#include "Library/world/path_point_list.h"
#include "movement_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

namespace {

struct Node {
    Node* parent = nullptr;
    float g = 0, h = 0, f = 0;
    uint32_t x = 0, y = 0;
};

bool Later(const Node* a, const Node* b) {
    return a->f > b->f;
}

// A node taken off the open list: its cell and cost.
struct Taken {
    uint32_t x, y;
    float g;
    bool operator==(const Taken& other) const {
        return x == other.x && y == other.y && g == other.g;
    }
};

class ReferenceSearch {
public:
    explicit ReferenceSearch(const TileMap& map, int capacity = 5000)
        : m_map(map), m_capacity(capacity) {}

    // The cells from the one after the start to the goal's, or false.
    bool Run(uint32_t fromX, uint32_t fromY, uint32_t toX, uint32_t toY,
             std::vector<Vector>& cells) {
        Node* start = Take(fromX, fromY);
        m_target = Take(toX, toY);
        start->h = Estimate(*start);
        start->f = start->h;
        Push(start);
        for (;;) {
            if (m_open.empty())
                return false;
            std::pop_heap(m_open.begin(), m_open.end(), Later);
            Node* n = m_open.back();
            m_open.pop_back();
            m_taken.push_back(Taken{n->x, n->y, n->g});
            if (n->x == m_target->x && n->y == m_target->y) {
                for (const Node* p = n->parent; p; p = p->parent)
                    cells.emplace_back(p->x + 0.5f, p->y + 0.5f, 0.0f);
                return true;
            }
            Expand(n);
            m_closed.push_back(n);
        }
    }

    const std::vector<Taken>& GetTaken() const { return m_taken; }

private:
    Node* Take(uint32_t x, uint32_t y) {
        if (m_inUse == m_capacity)
            return nullptr;
        ++m_inUse;
        m_nodes.emplace_back();
        m_nodes.back().x = x;
        m_nodes.back().y = y;
        return &m_nodes.back();
    }
    void Give(Node*) { --m_inUse; }
    void Push(Node* node) {
        m_open.push_back(node);
        std::push_heap(m_open.begin(), m_open.end(), Later);
    }
    float Estimate(const Node& node) const {
        const double dx = static_cast<double>(node.x) - m_target->x;
        const double dy = static_cast<double>(node.y) - m_target->y;
        return static_cast<float>(dx * dx + dy * dy);
    }
    static std::vector<Node*>::iterator Holding(std::vector<Node*>& list, const Node& s) {
        return std::find_if(list.begin(), list.end(),
                            [&s](const Node* n) { return n->x == s.x && n->y == s.y; });
    }

    void Expand(Node* n) {
        const uint32_t x = n->x, y = n->y;
        const bool odd = ((x + y) & 1) != 0;
        const uint32_t around[4][2] = {{odd ? x + 1 : x, odd ? y : y + 1},
                                       {odd ? x : x - 1, odd ? y - 1 : y},
                                       {odd ? x - 1 : x, odd ? y : y - 1},
                                       {odd ? x : x + 1, odd ? y + 1 : y}};
        std::vector<Node*> successors;
        for (const auto& cell : around) {
            if (n->parent && n->parent->x == cell[0] && n->parent->y == cell[1])
                continue;
            if (Node* s = Take(cell[0], cell[1]))
                successors.push_back(s);
        }
        const float step =
            m_map.IsWalkable(static_cast<int>(x), static_cast<int>(y)) ? 1.0f : 10000.0f;
        for (Node* s : successors) {
            const float cost = n->g + step;
            const auto open = Holding(m_open, *s);
            if (open != m_open.end() && cost >= (*open)->g) {
                Give(s);
                continue;
            }
            const auto closed = Holding(m_closed, *s);
            if (closed != m_closed.end() && cost >= (*closed)->g) {
                Give(s);
                continue;
            }
            s->parent = n;
            s->g = cost;
            s->h = Estimate(*s);
            s->f = s->g + s->h;
            if (closed != m_closed.end()) {
                Give(*closed);
                m_closed.erase(closed);
            }
            if (open != m_open.end()) {
                Give(*open);
                m_open.erase(open);
                std::make_heap(m_open.begin(), m_open.end(), Later);
            }
            Push(s);
        }
    }

    const TileMap& m_map;
    int m_capacity;
    std::vector<Taken> m_taken;
    std::deque<Node> m_nodes; // never moved; given back only by count
    int m_inUse = 0;
    std::vector<Node*> m_open;
    std::vector<Node*> m_closed;
    Node* m_target = nullptr;
};

// The path finder's steps around the search: from the goal's cell to the start's nearest
// open cell, the cells as points, then the goal, at most six points pulled tight.
bool ReferencePath(const TileMap& map, const Vector& start, const Vector& goal, Waypoints& path) {
    Vector from;
    if (!map.FindNearestWalkableCell(start, from))
        return false;
    std::vector<Vector> cells;
    ReferenceSearch search(map);
    if (!search.Run(static_cast<uint32_t>(goal.x), static_cast<uint32_t>(goal.y),
                    static_cast<uint32_t>(from.x), static_cast<uint32_t>(from.y), cells))
        return false;
    PathPointList points;
    for (const Vector& cell : cells)
        points.AddPoint(cell);
    points.AddPointRaw(goal);
    points.Simplify(Waypoints::kMaxPoints, map);
    path.Clear();
    for (int i = 0; i < points.GetSmoothedCount(); ++i)
        path.Add(points.GetSmoothed(i));
    return true;
}

class PathSearchOrder : public testsupport::MovementMap {
protected:
    // A map of random size with walls scattered at random; its width and height.
    std::pair<int, int> DrawRandom(std::mt19937& random) {
        const int width = 8 + static_cast<int>(random() % 17);
        const int height = 6 + static_cast<int>(random() % 13);
        const unsigned wallPercent = 15 + random() % 30;
        std::vector<std::string> rows(static_cast<size_t>(height), std::string(width, '.'));
        for (std::string& row : rows)
            for (char& cell : row)
                cell = random() % 100 < wallPercent ? '#' : '.';
        Draw(rows);
        return {width, height};
    }
};

TEST_F(PathSearchOrder, RandomMapsGiveTheWaypointsOfThePlainSearch) {
    std::mt19937 random(20261207);
    int searched = 0;
    for (int map = 0; map < 300; ++map) {
        const auto [width, height] = DrawRandom(random);
        std::uniform_real_distribution<float> across(0.0f, static_cast<float>(width));
        std::uniform_real_distribution<float> down(0.0f, static_cast<float>(height));
        const Vector start(across(random), down(random), 0), goal(across(random), down(random), 0);
        Waypoints found, expected;
        const bool ok = m_finder.FindPath(start, goal, found);
        ASSERT_EQ(ok, ReferencePath(m_map, start, goal, expected)) << "map " << map;
        if (!ok)
            continue;
        searched += m_finder.GetSearch().GetStepCount() > 1;
        ASSERT_EQ(found.GetCount(), expected.GetCount()) << "map " << map;
        for (int i = 0; i < found.GetCount(); ++i)
            EXPECT_EQ(found.GetPoint(i), expected.GetPoint(i)) << "map " << map << " point " << i;
    }
    EXPECT_GT(searched, 200); // most maps needed a real search
}

// Cells off the map on either side too, and pools from a few dozen nodes, which run dry and
// leave neighbours out, up to the game's. A found target's parents lead back along the
// cells the plain search's do.
TEST_F(PathSearchOrder, RandomMapsTakeTheNodesOfThePlainSearchInItsOrder) {
    std::mt19937 random(44);
    int dry = 0;
    for (int map = 0; map < 1000; ++map) {
        const auto [width, height] = DrawRandom(random);
        const int capacity = map % 3 == 0 ? 5000 : 20 + static_cast<int>(random() % 200);
        auto cell = [&random](int size) {
            return static_cast<uint32_t>(random() % (size + 2)) - 1;
        };
        const uint32_t fromX = cell(width), fromY = cell(height), toX = cell(width),
                       toY = cell(height);
        ReferenceSearch reference(m_map, capacity);
        std::vector<Vector> cells;
        const bool found = reference.Run(fromX, fromY, toX, toY, cells);
        PathSearch<CellNodeIndex> search(m_map, capacity);
        search.Begin(fromX, fromY, toX, toY);
        std::vector<Taken> taken;
        SearchState state;
        while ((state = search.Step()) != SearchState::kFailed) {
            const PathSearchNode& node = *search.GetTaken();
            taken.push_back(Taken{node.x, node.y, node.g});
            if (state == SearchState::kSucceeded)
                break;
        }
        ASSERT_EQ(state == SearchState::kSucceeded, found) << "map " << map;
        ASSERT_EQ(taken.size(), reference.GetTaken().size()) << "map " << map;
        EXPECT_TRUE(taken == reference.GetTaken()) << "map " << map;
        // The parent chain of the target, through nodes long replaced by cheaper ones too.
        std::vector<Vector> chain;
        for (const PathSearchNode* node = found ? search.GetTarget()->parent : nullptr;
             node && chain.size() <= cells.size(); node = node->parent)
            chain.emplace_back(node->x + 0.5f, node->y + 0.5f, 0.0f);
        EXPECT_TRUE(chain == cells) << "map " << map;
        dry += !found;
    }
    EXPECT_GT(dry, 50); // many pools ran dry before the target
}

} // namespace
