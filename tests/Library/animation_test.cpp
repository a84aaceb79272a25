#include "Library/animation.h"

#include "Library/encoded_frame.h"
#include "Library/mem_stream.h"
#include "animation_support.h"
#include "image_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using testsupport::ScopedDataRoot;

std::string Written(const Animation& animation) {
    MemStream stream(kStreamWriteBinary);
    EXPECT_TRUE(animation.Write(stream));
    return testsupport::BytesOf(stream);
}

bool Reads(const std::string& bytes) {
    Animation animation;
    return animation.Read(*testsupport::ReadableStream(bytes));
}

class AnimationFiles : public ::testing::Test {
protected:
    // 24 frames in 8 directions of 3, saved under the data root and returned as bytes.
    std::string BuiltAni() {
        testsupport::WriteBitmapFolder(m_root, "build/Walk", 24);
        Animation animation;
        EXPECT_TRUE(animation.CreateFromBitmaps(m_root.Path("build/Walk").c_str(), 8,
                                                testsupport::kMagentaKey));
        return Written(animation);
    }
    ScopedDataRoot m_root;
};

TEST_F(AnimationFiles, BitmapFoldersSplitIntoEqualSequences) {
    testsupport::WriteBitmapFolder(m_root, "build/Walk", 24);
    Animation animation;
    ASSERT_TRUE(animation.CreateFromBitmaps(m_root.Path("build/Walk/").c_str(), 8,
                                            testsupport::kMagentaKey));
    EXPECT_STREQ(animation.GetName().c_str(), "Walk");
    EXPECT_EQ(animation.GetSequenceCount(), 8);
    EXPECT_EQ(animation.GetFrameCount(), 3);
    EXPECT_EQ(animation.GetTransparentIndex(), static_cast<uint32_t>(testsupport::kKeyIndex));
    // Bitmap 7 is sequence 2, frame 1: its block sits at (7 % 5, 7 % 7), 6 + 7 pixels square.
    const EncodedFrame* frame = animation.GetFrameImage(2, 1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetOffsetX(), 2);
    EXPECT_EQ(frame->GetOffsetY(), 0);
    EXPECT_EQ(frame->GetWidth(), 13);
    EXPECT_EQ(frame->GetHeight(), 13);
    EXPECT_EQ(animation.GetFrameImage(2, 3), nullptr);
    EXPECT_EQ(animation.GetFrameImage(8, 0), nullptr);

    Animation fiveWays;
    EXPECT_FALSE(
        fiveWays.CreateFromBitmaps(m_root.Path("build/Walk").c_str(), 5, testsupport::kMagentaKey));
    EXPECT_EQ(fiveWays.GetSequenceCount(), 0);
    EXPECT_FALSE(
        fiveWays.CreateFromBitmaps(m_root.Path("build/None").c_str(), 1, testsupport::kMagentaKey));
}

TEST_F(AnimationFiles, SavedFileReloadsByteExact) {
    testsupport::WriteBitmapFolder(m_root, "build/Walk", 24);
    Animation animation;
    ASSERT_TRUE(animation.CreateFromBitmaps(m_root.Path("build/Walk").c_str(), 8,
                                            testsupport::kMagentaKey));
    animation.SetFrameDuration(1, 120);
    animation.SetFrameInfo(2, 1.5f, -2.0f, 3.0f);
    animation.SetTriggerFrameA(2);
    animation.SetFrameFlag(7, 2, 9);
    std::filesystem::create_directories(m_root.Path("art/anim/Hero"));
    animation.SetFileName((m_root.Root() + "/art/anim/Hero/walk.ani").c_str());
    ASSERT_TRUE(animation.Save());

    const std::string saved = m_root.ReadFile("art/anim/Hero/walk.ani");
    EXPECT_EQ(saved, Written(animation));
    Animation reloaded;
    ASSERT_TRUE(reloaded.Load(m_root.Path("ART/Anim/hero/WALK.ani").c_str()));
    EXPECT_EQ(Written(reloaded), saved);
    EXPECT_EQ(reloaded.GetFrameDuration(1), 120u);
    EXPECT_EQ(reloaded.GetFrameFlag(7, 2), 9);
}

TEST(Animation, WithoutSequencesItReadsButCannotBeWritten) {
    Animation empty;
    MemStream stream(kStreamWriteBinary);
    EXPECT_FALSE(empty.Write(stream));
    Bytes bytes;
    Append(bytes, uint16_t{0}); // no name
    for (int field = 0; field < 5; ++field)
        Append(bytes, uint32_t{0});
    bytes += std::string(1024, '\0');
    EXPECT_TRUE(Reads(bytes));
}

TEST_F(AnimationFiles, TruncatedFilesFailCleanly) {
    const std::string bytes = BuiltAni();
    for (size_t length = 0; length < bytes.size(); length += 7)
        EXPECT_FALSE(Reads(bytes.substr(0, length))) << length;
    EXPECT_FALSE(Reads(bytes.substr(0, bytes.size() - 1)));
    EXPECT_TRUE(Reads(bytes));
}

TEST_F(AnimationFiles, ForgedCountsAndRowsFailCleanly) {
    const std::string bytes = BuiltAni();
    const size_t counts = 2 + 5; // after the name "Walk"
    const auto forged = [&](size_t offset, auto value) {
        std::string copy = bytes;
        Put(copy, offset, value);
        return copy;
    };
    EXPECT_FALSE(Reads(forged(counts, uint32_t{0x40000000})));     // sequences
    EXPECT_FALSE(Reads(forged(counts + 4, uint32_t{0xFFFFFFFF}))); // frames
    EXPECT_FALSE(Reads(forged(counts + 4, uint32_t{4})));          // more frames than stored
    const size_t firstSequence = counts + 20 + 1024;
    EXPECT_FALSE(Reads(forged(firstSequence, uint16_t{2}))); // fewer than the header's
    const size_t firstFrame = firstSequence + 2;
    EXPECT_FALSE(Reads(forged(firstFrame, uint16_t{1})));              // width below the rows
    EXPECT_FALSE(Reads(forged(firstFrame + 9, uint32_t{0x7FFFFFFF}))); // data length
    EXPECT_FALSE(Reads(forged(firstFrame + 13, uint8_t{200})));        // first row's count
}

} // namespace
