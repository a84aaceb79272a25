#include "Library/core/link_obj.h"
#include "Library/core/mem_mgr.h"
#include "Library/core/queue.h"
#include "Library/core/sorted_list.h"
#include "Library/core/tracked_new.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct Record {
    int value = 0;
};

// Frees in any order, a clearing and growth between: each allocation still takes the
// lowest free slot, as a set of the free slots says.
TEST(MemMgr, AlwaysTakesTheLowestFreeSlot) {
    MemMgr<Record> pool(3);
    std::set<int> free;
    int next = 0; // the slots from here on were never taken
    const auto lowest = [&] { return free.empty() ? next : *free.begin(); };
    const auto alloc = [&] {
        const int expected = lowest();
        ASSERT_EQ(pool.SlotOf(pool.Alloc()), expected);
        if (!free.erase(expected))
            ++next;
    };
    for (int i = 0; i < 120; ++i)
        alloc();
    for (int slot : {90, 7, 64, 8, 119, 0}) {
        pool.Free(slot);
        free.insert(slot);
    }
    pool.Free(-1);
    pool.Free(5000);
    for (int i = 0; i < 10; ++i)
        alloc();
    pool.FreeAll();
    free.clear();
    next = 0;
    alloc();
    pool.Free(0);
    free.insert(0);
    alloc();
    alloc();
    EXPECT_EQ(pool.CountUsed(), 2);
}

// A slot freed just past a full byte is taken once the slot before that byte is: the search
// starting at the full byte passes over it to the next byte's first slot, 16 or 72.
TEST(MemMgr, TakesTheFreeSlotJustPastAFullByte) {
    MemMgr<Record> pool(3);
    for (int i = 0; i < 80; ++i)
        pool.Alloc();
    for (const int past : {16, 72}) {
        SCOPED_TRACE(past);
        pool.Free(past - 9);
        pool.Free(past);
        EXPECT_EQ(pool.SlotOf(pool.Alloc()), past - 9);
        EXPECT_EQ(pool.SlotOf(pool.Alloc()), past);
    }
    EXPECT_EQ(pool.SlotOf(pool.Alloc()), 80);
}

TEST(MemMgr, GrowsByFiftyAndHandsFreedObjectsBackInSlotOrder) {
    MemMgr<Record> pool(1);
    std::vector<Record*> items;
    for (int i = 0; i < 6; ++i) {
        items.push_back(pool.Alloc());
        items.back()->value = i;
    }
    EXPECT_EQ(pool.GetCapacity(), 51);
    pool.Free(4);
    pool.Free(pool.SlotOf(items[1]));
    EXPECT_EQ(pool.Get(1), items[1]); // a look at a free slot does not take it
    std::vector<int> used;
    for (int slot = 0; slot < pool.GetCount(); ++slot)
        if (pool.IsUsed(slot))
            used.push_back(slot);
    EXPECT_EQ(used, (std::vector<int>{0, 2, 3, 5}));

    Record* again = pool.Alloc();
    EXPECT_EQ(again, items[1]);
    EXPECT_EQ(again->value, 1);
    EXPECT_EQ(pool.Alloc(), items[4]);
    EXPECT_EQ(pool.Get(6), nullptr);

    NullItemMemMgr<Record> list(1);
    Record first, second;
    EXPECT_EQ(list.Add(&first), 0);
    EXPECT_TRUE(list.Remove(&first));
    EXPECT_FALSE(list.Remove(&first));
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Add(&second), 0);
}

TEST(Queue, GrowsOnceThenRecyclesItsEntries) {
    Queue<Record> queue;
    EXPECT_EQ(queue.Pop(), nullptr);
    for (int i = 0; i < 5; ++i)
        queue.PushCopy(Record{i});
    std::set<Record*> entries;
    for (int i = 5; i < 1000; ++i) {
        queue.PushCopy(Record{i});
        Record* popped = queue.Pop();
        ASSERT_EQ(popped->value, i - 5);
        entries.insert(popped);
    }
    EXPECT_EQ(queue.GetCapacity(), 25);
    EXPECT_LE(entries.size(), 24u);
    std::vector<int> walked;
    for (Record* entry = queue.Front(); entry != nullptr; entry = queue.Next())
        walked.push_back(entry->value);
    EXPECT_EQ(walked, (std::vector<int>{995, 996, 997, 998, 999}));
}

TEST(SortedList, DescendingKeysWithNewcomersAfterEqualOnes) {
    Record a, b, c, d;
    SortedList<Record> list;
    list.Insert(5, &a);
    list.Insert(9, &b);
    list.Insert(5, &c);
    list.Insert(1, &d);
    std::vector<Record*> order;
    for (auto* node = list.GetHead(); node != nullptr; node = node->next)
        order.push_back(node->item);
    EXPECT_EQ(order, (std::vector<Record*>{&b, &a, &c, &d}));
}

struct Counted : LinkObject {
    Counted(std::vector<int>& deaths, int id, bool owns) : m_deaths(deaths), m_id(id) {
        SetOwnsLinks(owns);
    }
    ~Counted() override { m_deaths.push_back(m_id); }
    std::vector<int>& m_deaths;
    int m_id;
};

// A ring 0 .. count - 1, each inserted before the first so that next runs 0, 1, 2, ...
std::vector<Counted*> MakeRing(std::vector<int>& deaths, const std::vector<bool>& owns) {
    std::vector<Counted*> ring;
    for (size_t i = 0; i < owns.size(); ++i) {
        ring.push_back(NEW Counted(deaths, static_cast<int>(i), owns[i]));
        if (i > 0)
            ring[i]->InsertBefore(*ring[0]);
    }
    return ring;
}

TEST(LinkObject, AnOwningRingIsDestroyedOnceAndOwnershipSpreadsOnlyThroughOwners) {
    std::vector<int> deaths;
    std::vector<Counted*> ring = MakeRing(deaths, {true, true, true, true});
    EXPECT_EQ(ring[0]->GetNext(), ring[1]);
    EXPECT_EQ(ring[0]->GetPrev(), ring[3]);
    DELETE ring[2];
    EXPECT_EQ(std::multiset<int>(deaths.begin(), deaths.end()), (std::multiset<int>{0, 1, 2, 3}));

    deaths.clear();
    ring = MakeRing(deaths, {true, false, false, false, false});
    DELETE ring[0]; // takes its neighbours 1 and 4, which own nothing
    EXPECT_EQ(std::multiset<int>(deaths.begin(), deaths.end()), (std::multiset<int>{0, 1, 4}));
    EXPECT_EQ(ring[2]->GetNext(), ring[3]);
    EXPECT_EQ(ring[2]->GetPrev(), ring[3]);
    DELETE ring[2]; // a non-owner leaves its neighbour alive and lone
    EXPECT_EQ(ring[3]->GetNext(), nullptr);
    DELETE ring[3];
    EXPECT_EQ(deaths.size(), 5u);
}

} // namespace
