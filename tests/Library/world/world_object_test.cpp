#include "Library/world/world_object.h"

#include "Library/core/random.h"
#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <vector>

namespace {

// Fills every id of the dispatcher with objects registered through Reset.
std::deque<WorldObject> FillAll(ObjectDispatcher& dispatcher) {
    std::deque<WorldObject> objects;
    for (int id = 0; id < ObjectDispatcher::kIdCount; ++id) {
        objects.emplace_back(dispatcher);
        objects.back().Reset();
    }
    return objects;
}

TEST(ObjectDispatcher, HandsOutTheLowestFreeIdAndReportsFull) {
    auto dispatcher = std::make_unique<ObjectDispatcher>();
    std::deque<WorldObject> objects = FillAll(*dispatcher);
    EXPECT_EQ(objects[2].GetId(), 2);
    EXPECT_EQ(objects.back().GetId(), 65534);
    WorldObject extra(*dispatcher);
    extra.Reset();
    EXPECT_EQ(extra.GetId(), WorldObject::kNoId);
    EXPECT_EQ(dispatcher->Register(&extra), -1);

    dispatcher->Unregister(WorldObject::kNoId); // ignored
    EXPECT_EQ(dispatcher->UnregisterObject(&objects[1]), 1);
    EXPECT_EQ(dispatcher->Register(&extra), 1);
    EXPECT_EQ(dispatcher->UnregisterObject(&objects[1]), -1);
}

TEST(ObjectDispatcher, TriesEveryIdFromAnyHint) {
    auto dispatcher = std::make_unique<ObjectDispatcher>();
    std::deque<WorldObject> objects = FillAll(*dispatcher);
    // From hint h the outward search runs down to 2h - 65535; the next id below is
    // the first one the sweep from 0 must still reach.
    for (int hint : {40000, 32768, 65534, 1}) {
        const int lone = hint > 32767 ? 2 * hint - 65536 : 65534;
        dispatcher->Unregister(lone);
        dispatcher->Unregister(hint - 1);
        ASSERT_EQ(dispatcher->Register(&objects[hint - 1]), hint - 1); // the hint is now h
        EXPECT_EQ(dispatcher->Register(&objects[lone]), lone) << hint;
    }
}

TEST(WorldObject, KeepsOneIdThroughEveryReset) {
    auto dispatcher = std::make_unique<ObjectDispatcher>();
    WorldObject pooled(*dispatcher);
    EXPECT_EQ(pooled.GetId(), WorldObject::kNoId);
    for (int reuse = 0; reuse < 100000; ++reuse)
        pooled.Reset();
    EXPECT_EQ(pooled.GetId(), 0);
    {
        WorldObject other(*dispatcher);
        other.Reset();
        EXPECT_EQ(other.GetId(), 1);
    }
    // After a clear the id may belong to someone else: the old holder leaves it alone.
    dispatcher->Clear();
    WorldObject newcomer(*dispatcher);
    newcomer.Reset();
    ASSERT_EQ(newcomer.GetId(), 0);
    pooled.Reset();
    EXPECT_EQ(pooled.GetId(), 1);
    EXPECT_EQ(dispatcher->GetObject(0), &newcomer);
}

TEST(WorldObject, StoredAs36BytesWithMaskedFlags) {
    WorldObject object;
    object.SetPosition(Vector(1.0f, 2.0f, 3.0f));
    object.SetVector2(Vector(4.0f, 5.0f, 6.0f));
    object.SetKind(0x0102);
    object.SetExtra16(0x0304);
    object.SetFlags(0xFFFFFFFF);
    object.SetExtra(0x05060708);
    const Bytes bytes = StoredForm(object);
    ASSERT_EQ(bytes.size(), 36u);
    float floats[6];
    std::memcpy(floats, bytes.data(), 24);
    EXPECT_EQ(std::vector<float>(floats, floats + 6),
              (std::vector<float>{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}));
    EXPECT_EQ(Bytes(bytes.begin() + 24, bytes.end()),
              (Bytes{0x02, 0x01, 0x04, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0x08, 0x07, 0x06, 0x05}));

    WorldObject loaded;
    ASSERT_TRUE(ReadFrom(loaded, bytes));
    EXPECT_EQ(loaded.GetFlags(), 0x1FFFFu);
    EXPECT_EQ(loaded.GetExtra(), 0u);
    EXPECT_EQ(loaded.GetVector2(), object.GetVector2());

    WorldObject partial;
    partial.SetExtra(9);
    EXPECT_FALSE(ReadFrom(partial, Cut(bytes)));
    EXPECT_EQ(partial.GetFlags(), 0xFFFFFFFFu); // fields before the failure stay as read
    EXPECT_EQ(partial.GetExtra(), 9u);
}

// Takes the held change as the candidate bit turned on, noting the kind it was worked out
// from; reports every change of its flags.
class HoldingObject : public WorldObject {
public:
    int m_settled = 0;
    uint16_t m_kindSeen = 0;
    std::vector<uint32_t> m_before;

protected:
    uint32_t HeldFlags(uint32_t flags) const override {
        auto* self = const_cast<HoldingObject*>(this);
        ++self->m_settled;
        self->m_kindSeen = GetKind();
        return flags | 0x2000;
    }
    void FlagsChanged(uint32_t before) override { m_before.push_back(before); }
};

TEST(WorldObject, HeldFlagsAreSettledOnceBeforeAnyReadOrChange) {
    uint64_t round = 0;
    HoldingObject object;
    object.HoldFlagsBy(&round);
    object.SetFlags(0x1);
    EXPECT_EQ(object.GetFlags(), 0x1u); // round 0 holds nothing
    EXPECT_EQ(object.m_settled, 0);

    round = 7;
    object.SetKind(42); // settled by the old kind first
    EXPECT_EQ(object.m_kindSeen, WorldObject::kNewKind);
    EXPECT_TRUE(object.HasAnyFlag(0x2000));
    object.AddFlags(0x4);
    EXPECT_EQ(object.m_settled, 1);
    EXPECT_EQ(object.m_before.back(), 0x2001u); // the change starts from the settled flags

    round = 8;
    const Bytes bytes = StoredForm(object);
    EXPECT_EQ(Bytes(bytes.begin() + 28, bytes.begin() + 32), (Bytes{0x05, 0x20, 0x00, 0x00}));
    round = 9;
    WorldObject copy;
    copy.Copy(object);
    EXPECT_EQ(copy.GetFlags(), 0x2005u);
    EXPECT_EQ(object.m_settled, 3);

    // Joining during a round counts as settled in it; letting go settles first.
    HoldingObject late;
    late.HoldFlagsBy(&round);
    EXPECT_EQ(late.GetFlags(), 0u);
    round = 10;
    late.HoldFlagsBy(nullptr);
    EXPECT_EQ(late.m_settled, 1);
    round = 11;
    EXPECT_EQ(late.GetFlags(), 0x2000u);
    EXPECT_EQ(late.m_settled, 1);

    round = 12;
    ASSERT_TRUE(ReadFrom(object, bytes)); // read over: settled, then as stored
    EXPECT_EQ(object.m_settled, 4);
    EXPECT_EQ(object.GetFlags(), 0x2005u);
}

// Random insertions and removals keep the list in the order of a multimap on the key,
// which keeps equal keys in insertion order.
TEST(WorldObject, DrawListMatchesAReferenceMultimap) {
    constexpr int kWidth = 4;
    std::deque<WorldObject> objects(40);
    std::multimap<double, const WorldObject*> reference;
    WorldObject* head = nullptr;
    for (int step = 0; step < 5000; ++step) {
        WorldObject& object = objects[RandomInt(0, 40)];
        const bool listed = std::any_of(reference.begin(), reference.end(),
                                        [&](const auto& entry) { return entry.second == &object; });
        if (RandomInt(0, 3) == 0) {
            object.RemoveFromList(head);
            for (auto it = reference.begin(); it != reference.end(); ++it) {
                if (it->second == &object) {
                    reference.erase(it);
                    break;
                }
            }
        } else {
            const double oldKey = object.GetSortKey();
            object.SetPosition(Vector(RandomInt(0, 3), RandomInt(0, 3), 0.0f));
            object.InsertInList(head, kWidth);
            if (listed)
                EXPECT_EQ(object.GetSortKey(), oldKey);
            else
                reference.emplace(object.GetSortKey(), &object);
        }
        std::vector<const WorldObject*> walked;
        for (const WorldObject* node = head; node != nullptr; node = node->GetNext())
            walked.push_back(node);
        std::vector<const WorldObject*> expected;
        for (const auto& entry : reference)
            expected.push_back(entry.second);
        ASSERT_EQ(walked, expected) << "step " << step;
    }
}

std::vector<const WorldObject*> Walk(const WorldObject* head) {
    std::vector<const WorldObject*> walked;
    for (const WorldObject* node = head; node != nullptr; node = node->GetNext())
        walked.push_back(node);
    return walked;
}

// The objects of the list by their index in the set.
std::vector<int> Indices(const WorldObject* head, const std::deque<WorldObject>& set) {
    std::vector<int> indices;
    for (const WorldObject* node : Walk(head))
        for (size_t i = 0; i < set.size(); ++i)
            if (&set[i] == node)
                indices.push_back(static_cast<int>(i));
    return indices;
}

// Steps of creatures: each object taken out and put back a little way off, searching from
// the node beside where it was, from another node of the list or from a node of another
// list, lands where a search from the head puts the same object in a copy of the list.
TEST(WorldObject, ASearchFromANearNodeFindsThePlaceTheHeadGives) {
    constexpr int kWidth = 8;
    constexpr int kCount = 30;
    std::deque<WorldObject> objects(kCount);
    std::deque<WorldObject> copies(kCount);
    WorldObject other;
    WorldObject* head = nullptr;
    WorldObject* copyHead = nullptr;
    WorldObject* otherHead = nullptr;
    other.InsertInList(otherHead, kWidth);
    for (int i = 0; i < kCount; ++i) {
        const Vector at(RandomInt(0, 8), RandomInt(0, 8), 0.0f);
        objects[i].SetPosition(at);
        copies[i].SetPosition(at);
        objects[i].InsertInList(head, kWidth);
        copies[i].InsertInList(copyHead, kWidth);
    }
    for (int step = 0; step < 3000; ++step) {
        const int moved = RandomInt(0, kCount);
        WorldObject* near = objects[moved].RemoveFromList(head);
        copies[moved].RemoveFromList(copyHead);
        if (step % 5 == 1)
            near = &objects[RandomInt(0, kCount)]; // any node of the list, or the moved one
        else if (step % 5 == 2)
            near = &other;
        const Vector to = objects[moved].GetPosition() +
                          Vector(RandomInt(-1, 2) * 0.5f, RandomInt(-1, 2) * 0.5f, 0.0f);
        objects[moved].SetPosition(to);
        copies[moved].SetPosition(to);
        objects[moved].InsertInList(head, kWidth, near);
        copies[moved].InsertInList(copyHead, kWidth);
        ASSERT_EQ(Indices(head, objects), Indices(copyHead, copies)) << "step " << step;
    }
    EXPECT_EQ(Walk(otherHead), std::vector<const WorldObject*>{&other});
}

// A key that is not a number goes first, and an object put into a second list leaves the
// first, which stays whole.
TEST(WorldObject, AnObjectIsInOneListAtATime) {
    WorldObject a, b, c;
    WorldObject* first = nullptr;
    WorldObject* second = nullptr;
    a.SetPosition(Vector(1, 1, 0));
    b.SetPosition(Vector(2, 2, 0));
    c.SetPosition(Vector(NAN, 0, 0));
    a.InsertInList(first, 10);
    b.InsertInList(first, 10);
    c.InsertInList(first, 10, &b);
    EXPECT_EQ(Walk(first), (std::vector<const WorldObject*>{&c, &a, &b}));
    a.InsertInList(second, 10);
    EXPECT_EQ(Walk(first), (std::vector<const WorldObject*>{&c, &b}));
    EXPECT_EQ(Walk(second), std::vector<const WorldObject*>{&a});
    EXPECT_EQ(a.RemoveFromList(first), nullptr); // not there: nothing changes
    EXPECT_EQ(Walk(second), std::vector<const WorldObject*>{&a});
    EXPECT_EQ(b.RemoveFromList(first), &c);
    EXPECT_EQ(c.RemoveFromList(first), nullptr);
    EXPECT_EQ(first, nullptr);
}

} // namespace
