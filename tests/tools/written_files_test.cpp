// The record of what a content writer wrote: a file written again with the same bytes is
// taken, with other bytes refused, however its path is spelt; and whatever lies in the tree
// that no write recorded is named.
#include "tools/writtenfiles/written_files.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::ScratchDir;

TEST(WrittenFiles, AFileWrittenAgainMustHoldTheSameBytesHoweverItsPathIsSpelt) {
    const ScratchDir dir;
    WrittenFiles written;
    dir.WriteFile("art/Interface/button_tick.tga", "an 18 by 18 tick");
    ASSERT_TRUE(written.Record(dir.Path("art/Interface/button_tick.tga").c_str()));
    EXPECT_TRUE(written.Record(dir.Path("art/Interface/button_tick.tga").c_str()))
        << "the same bytes again";

    dir.WriteFile("art/Interface/button_tick.tga", "a 32 by 25 ring");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(written.Record(dir.Path("art\\INTERFACE\\Button_Tick.TGA").c_str()));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("written twice with different"),
              std::string::npos);

    EXPECT_FALSE(written.Record(dir.Path("art/Interface/missing.tga").c_str()))
        << "a write that left nothing to read back";
    written.Clear();
    EXPECT_TRUE(written.Record(dir.Path("art/Interface/button_tick.tga").c_str()));
}

TEST(WrittenFiles, TheFilesNoWriteRecordedAreNamedInOrder) {
    const ScratchDir dir;
    WrittenFiles written;
    for (const char* file : {"b/two.dat", "a/one.dat", "a/recorded.dat", "c.rsc"})
        dir.WriteFile(file, file);
    ASSERT_TRUE(written.Record(dir.Path("a/recorded.dat").c_str()));
    EXPECT_EQ(written.Unrecorded(dir.Root().c_str()),
              (std::vector<std::string>{dir.Path("a/one.dat"), dir.Path("b/two.dat"),
                                        dir.Path("c.rsc")}));
}

} // namespace
