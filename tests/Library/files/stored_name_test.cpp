#include "Library/files/stored_name.h"

#include <gtest/gtest.h>

TEST(StoredName, SubFoldersStayInsideButClimbingRootedAndDriveNamesLeave) {
    for (const char* inside : {"", "demo", "Creat/scimale", "a\\b.scr", "x..y", "..x/y", "a/...",
                               "a/./b", "c", "notes:1"})
        EXPECT_TRUE(StoredName::IsContained(inside)) << inside;
    for (const char* outside : {"..", "../x", "..\\x", "a/../../b", "a\\..", "sub/..", "/etc/x",
                                "\\x", "C:x", "c:\\windows", "a/..\\b"})
        EXPECT_FALSE(StoredName::IsContained(outside)) << outside;
}
