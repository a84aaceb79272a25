#include "platform/win_string.h"

#include <gtest/gtest.h>

TEST(WinString, CompareIgnoresCaseButKeepsByteOrder) {
    EXPECT_EQ(_stricmp("Town", "TOWN"), 0);
    EXPECT_LT(_stricmp("apple", "Banana"), 0);
    EXPECT_LT(_stricmp("abc", "abcd"), 0);
    EXPECT_EQ(_strnicmp("MAPS/town", "maps/CITY", 5), 0);
}

TEST(WinString, CaseConversionInPlace) {
    char text[] = "Art/Graphic.BMP";
    EXPECT_STREQ(_strlwr(text), "art/graphic.bmp");
    EXPECT_STREQ(_strupr(text), "ART/GRAPHIC.BMP");
}

TEST(WinString, GcvtKeepsTheWindowsForm) {
    char buffer[32];
    EXPECT_STREQ(_gcvt(12.0, 15, buffer), "12.");
    EXPECT_STREQ(_gcvt(-3.25, 15, buffer), "-3.25");
    EXPECT_STREQ(_gcvt(1e20, 15, buffer), "1.e+020");
    EXPECT_STREQ(_gcvt(1.5e-7, 15, buffer), "1.5e-007");
}
