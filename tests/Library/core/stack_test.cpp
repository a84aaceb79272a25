#include "Library/core/stack.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> TopDown(Stack<int>& stack) {
    std::vector<int> values;
    for (int* entry = stack.First(); entry != nullptr; entry = stack.Next())
        values.push_back(*entry);
    return values;
}

TEST(Stack, WalksFromTheTopAndRecyclesPoppedEntries) {
    Stack<int> stack(1);
    EXPECT_EQ(stack.Pop(), nullptr);
    EXPECT_EQ(stack.First(), nullptr);
    EXPECT_EQ(stack.Next(), nullptr);
    int* bottom = stack.PushCopy(1);
    stack.PushCopy(2);
    int* top = stack.PushCopy(3);
    EXPECT_EQ(stack.GetCapacity(), 51);
    EXPECT_EQ(TopDown(stack), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(stack.Top(), top);

    EXPECT_EQ(stack.Pop(), top);
    EXPECT_EQ(*stack.Push(), 3); // the same entry, with its old value
    stack.Clear();
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_EQ(stack.Top(), nullptr);
    EXPECT_EQ(stack.Push(), bottom); // entries never move when the stack grows
}

} // namespace
