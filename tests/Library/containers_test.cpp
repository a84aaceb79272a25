#include "Library/link_obj.h"
#include "Library/matrixc.h"
#include "Library/mem_mgr.h"
#include "Library/queue.h"
#include "Library/sorted_list.h"
#include "Library/tracked_new.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct Record {
    int value = 0;
};

std::vector<int> UsedSlots(const MemMgr<Record>& pool) {
    std::vector<int> slots;
    for (int slot = 0; slot < pool.GetCount(); ++slot) {
        if (pool.IsUsed(slot))
            slots.push_back(slot);
    }
    return slots;
}

} // namespace

TEST(MemMgr, GrowsByFiftyAndHandsFreedObjectsBack) {
    MemMgr<Record> pool;
    std::vector<Record*> items;
    for (int i = 0; i < 51; ++i) {
        items.push_back(pool.Alloc());
        items.back()->value = i;
    }
    EXPECT_EQ(pool.GetCapacity(), 100);
    EXPECT_EQ(pool.GetCount(), 51);

    pool.Free(3);
    pool.Free(pool.SlotOf(items[40]));
    EXPECT_FALSE(pool.IsUsed(items[40]));
    EXPECT_EQ(pool.Get(3), items[3]); // a look at a free slot does not take it
    EXPECT_FALSE(pool.IsUsed(3));
    EXPECT_EQ(UsedSlots(pool).size(), 49u);

    Record* again = pool.Alloc();
    EXPECT_EQ(again, items[3]);
    EXPECT_EQ(again->value, 3);
    EXPECT_EQ(pool.Alloc(), items[40]);
    EXPECT_EQ(pool.GetCount(), 51);
    EXPECT_EQ(pool.Get(51), nullptr);
}

TEST(MemMgr, IterationVisitsUsedSlotsInOrder) {
    MemMgr<Record> pool(1);
    for (int i = 0; i < 6; ++i)
        pool.Alloc();
    EXPECT_EQ(pool.GetCapacity(), 51);
    pool.Free(0);
    pool.Free(4);
    EXPECT_EQ(UsedSlots(pool), (std::vector<int>{1, 2, 3, 5}));
    pool.FreeAll();
    EXPECT_TRUE(UsedSlots(pool).empty());
}

TEST(NullItemMemMgr, FreeSlotsHoldTheNullItem) {
    NullItemMemMgr<Record> list(1);
    Record first, second, third;
    EXPECT_EQ(list.Add(&first), 0);
    EXPECT_EQ(list.Add(&second), 1); // grows by fifty
    EXPECT_EQ(list.GetCapacity(), 51);
    EXPECT_TRUE(list.Remove(&first));
    EXPECT_FALSE(list.Remove(&first));
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Add(&third), 0);
    EXPECT_EQ(list.Get(0), &third);
    list.FreeAll();
    EXPECT_EQ(list.Get(1), nullptr);
}

TEST(Queue, GrowsOnceThenRecyclesItsEntries) {
    Queue<Record> queue;
    for (int i = 0; i < 4; ++i)
        queue.PushCopy(Record{i});
    EXPECT_EQ(queue.GetCapacity(), 5);
    queue.Push()->value = 4;
    EXPECT_EQ(queue.GetCapacity(), 25);

    std::set<Record*> entries;
    for (int i = 5; i < 1000; ++i) {
        queue.PushCopy(Record{i});
        Record* popped = queue.Pop();
        EXPECT_EQ(popped->value, i - 5);
        entries.insert(popped);
    }
    EXPECT_EQ(queue.GetCapacity(), 25);
    EXPECT_LE(entries.size(), 24u);
    EXPECT_EQ(queue.Count(), 5);

    std::vector<int> walked;
    for (Record* entry = queue.Front(); entry != nullptr; entry = queue.Next())
        walked.push_back(entry->value);
    EXPECT_EQ(walked, (std::vector<int>{995, 996, 997, 998, 999}));
}

TEST(Queue, PopOfAnEmptyQueueChangesNothing) {
    Queue<Record> queue;
    EXPECT_EQ(queue.Pop(), nullptr);
    Record* entry = queue.Push();
    EXPECT_EQ(queue.Pop(), entry);
    EXPECT_EQ(queue.Pop(), nullptr);
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(queue.Front(), nullptr);
    Record* pushed = queue.Push();
    EXPECT_EQ(queue.Front(), pushed);
    queue.Clear();
    EXPECT_EQ(queue.Push(), entry); // cleared entries are reused from the start
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
    list.Clear();
    EXPECT_EQ(list.GetHead(), nullptr);
    list.Insert(2, &a);
    EXPECT_EQ(list.GetHead()->next, nullptr);
}

namespace {

struct Counted : LinkObject {
    explicit Counted(std::vector<int>& deaths, int id, bool owns) : m_deaths(deaths), m_id(id) {
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

} // namespace

TEST(LinkObject, AnOwningRingIsDestroyedExactlyOnce) {
    std::vector<int> deaths;
    std::vector<Counted*> ring = MakeRing(deaths, {true, true, true, true});
    EXPECT_EQ(ring[0]->GetNext(), ring[1]);
    EXPECT_EQ(ring[0]->GetPrev(), ring[3]);
    DELETE ring[2];
    std::multiset<int> died(deaths.begin(), deaths.end());
    EXPECT_EQ(died, (std::multiset<int>{0, 1, 2, 3}));
}

TEST(LinkObject, OwnershipSpreadsOnlyThroughOwners) {
    std::vector<int> deaths;
    std::vector<Counted*> ring = MakeRing(deaths, {true, false, false, false, false});
    DELETE ring[0]; // takes its neighbours 1 and 4, which own nothing
    std::multiset<int> died(deaths.begin(), deaths.end());
    EXPECT_EQ(died, (std::multiset<int>{0, 1, 4}));
    EXPECT_EQ(ring[2]->GetNext(), ring[3]);
    EXPECT_EQ(ring[2]->GetPrev(), ring[3]);

    DELETE ring[2]; // a non-owner leaves its neighbour alive and lone
    EXPECT_EQ(ring[3]->GetNext(), nullptr);
    EXPECT_EQ(ring[3]->GetPrev(), nullptr);
    DELETE ring[3];
    EXPECT_EQ(deaths.size(), 5u);
}

TEST(Matrixc, StartsZeroed) {
    Matrixc<float> matrix(4);
    matrix[3][2] = 1.5f;
    EXPECT_EQ(matrix[0][0], 0.0f);
    EXPECT_EQ(matrix[3][2], 1.5f);
    EXPECT_EQ(matrix.GetSize(), 4);
}
