#include "Library/graphics/animation.h"

#include "Library/graphics/encoded_frame.h"
#include "animation_support.h"
#include "image_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using testsupport::kMagentaKey;

std::string Written(const Animation& animation) {
    MemStream stream(kStreamWriteBinary);
    EXPECT_TRUE(animation.Write(stream));
    return testsupport::BytesOf(stream);
}

bool Reads(const std::string& bytes) {
    Animation animation;
    return animation.Read(*testsupport::ReadableStream(bytes));
}

// An ".ani" typed field by field: name, counts, triggers, transparent index, palette, one
// sequence of two frames, then the per-frame offsets x, y, z and durations.
TEST(Animation, StoredFormFollowsTheFileLayout) {
    std::string bytes("\x05\x00Walk\0", 7);
    for (uint32_t field : {1u, 2u, 1u, 0u, 9u}) // sequences, frames, triggers A and B, key
        Append(bytes, field);
    for (int entry = 0; entry < 256; ++entry) // R, G, B and a byte that is not read
        bytes += std::string{static_cast<char>(entry), '\x40', '\x80', '\0'};
    Append(bytes, uint16_t{2});
    // Frame 0: 2 x 1 at (3, 4), flag 5, one raw row. Frame 1: 3 x 1, one run of 2 after 1.
    for (uint16_t field : {2, 1, 3, 4})
        Append(bytes, field);
    bytes += std::string("\x05\x03\x00\x00\x00\x01\x07\x08", 8);
    for (uint16_t field : {3, 1, 0, 0})
        Append(bytes, field);
    bytes += std::string("\x00\x05\x00\x00\x00\x02\x01\x02\x0A\x0B", 10);
    for (const float offset : {1.5f, -2.0f, 3.0f})
        Append(bytes, offset);
    Append(bytes, uint32_t{120});
    for (const float offset : {0.25f, 0.5f, 0.0f})
        Append(bytes, offset);
    Append(bytes, uint32_t{40});

    Animation animation;
    ASSERT_TRUE(animation.Read(*testsupport::ReadableStream(bytes)));
    EXPECT_STREQ(animation.GetName().c_str(), "Walk");
    EXPECT_EQ(animation.GetTriggerFrameA(), 1u);
    EXPECT_EQ(animation.GetTransparentIndex(), 9u);
    EXPECT_EQ(animation.GetPalette()[3].r * 1000 + animation.GetPalette()[3].b, 3128);
    float x = 0, y = 0, z = 0;
    animation.GetFrameInfo(0, x, y, z);
    EXPECT_EQ(x, 1.5f);
    EXPECT_EQ(y, -2.0f);
    EXPECT_EQ(animation.GetFrameDuration(1), 40u);
    const EncodedFrame* frame = animation.GetFrameImage(0, 0);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetOffsetX() * 10 + frame->GetOffsetY(), 34);
    EXPECT_EQ(animation.GetFrameFlag(0, 0), 5);
    EXPECT_EQ(Written(animation), bytes);
}

// 24 bitmaps in build/Walk, split into 8 directions of 3 frames.
class AnimationFiles : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::WriteBitmapFolder(m_root, "build/Walk", 24);
        ASSERT_TRUE(m_walk.CreateFromBitmaps(m_root.Path("build/Walk/").c_str(), 8, kMagentaKey));
    }
    testsupport::ScopedDataRoot m_root;
    Animation m_walk;
};

TEST_F(AnimationFiles, BitmapFoldersSplitIntoEqualSequences) {
    EXPECT_STREQ(m_walk.GetName().c_str(), "Walk");
    EXPECT_EQ(m_walk.GetSequenceCount(), 8);
    EXPECT_EQ(m_walk.GetFrameCount(), 3);
    EXPECT_EQ(m_walk.GetTransparentIndex(), static_cast<uint32_t>(testsupport::kKeyIndex));
    // Bitmap 7 is sequence 2, frame 1: its block sits at (7 % 5, 7 % 7), 6 + 7 pixels square.
    const EncodedFrame* frame = m_walk.GetFrameImage(2, 1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetOffsetX(), 2);
    EXPECT_EQ(frame->GetOffsetY(), 0);
    EXPECT_EQ(frame->GetWidth(), 13);
    EXPECT_EQ(m_walk.GetFrameImage(2, 3), nullptr);
    EXPECT_EQ(m_walk.GetFrameImage(8, 0), nullptr);

    Animation fiveWays;
    EXPECT_FALSE(fiveWays.CreateFromBitmaps(m_root.Path("build/Walk").c_str(), 5, kMagentaKey));
    EXPECT_EQ(fiveWays.GetSequenceCount(), 0);
    EXPECT_FALSE(fiveWays.CreateFromBitmaps(m_root.Path("build/None").c_str(), 1, kMagentaKey));
}

TEST_F(AnimationFiles, SavedFileReloadsByteExact) {
    m_walk.SetFrameDuration(1, 120);
    m_walk.SetFrameInfo(2, 1.5f, -2.0f, 3.0f);
    m_walk.SetTriggerFrameA(2);
    m_walk.SetFrameFlag(7, 2, 9);
    std::filesystem::create_directories(m_root.Path("art/anim/Hero"));
    m_walk.SetFileName(m_root.Path("art/anim/Hero/walk.ani").c_str());
    ASSERT_TRUE(m_walk.Save());

    const std::string saved = m_root.ReadFile("art/anim/Hero/walk.ani");
    EXPECT_EQ(saved, Written(m_walk));
    Animation reloaded;
    ASSERT_TRUE(reloaded.Load(m_root.Path("ART/Anim/hero/WALK.ani").c_str()));
    EXPECT_EQ(Written(reloaded), saved);
    EXPECT_EQ(reloaded.GetFrameFlag(7, 2), 9);

    MemStream stream(kStreamWriteBinary);
    EXPECT_FALSE(Animation().Write(stream)); // no sequences: nothing to write
}

TEST_F(AnimationFiles, TruncatedAndForgedFilesFailCleanly) {
    const std::string bytes = Written(m_walk);
    EXPECT_TRUE(Reads(bytes));
    for (size_t length = 0; length < bytes.size(); length += 7)
        EXPECT_FALSE(Reads(bytes.substr(0, length))) << length;
    EXPECT_FALSE(Reads(bytes.substr(0, bytes.size() - 1)));

    const auto forged = [&](size_t offset, auto value) {
        std::string copy = bytes;
        Put(copy, offset, value);
        return copy;
    };
    const size_t counts = 2 + 5; // after the name "Walk"
    const size_t firstSequence = counts + 20 + 1024;
    const size_t firstFrame = firstSequence + 2;
    EXPECT_FALSE(Reads(forged(counts, uint32_t{0x40000000})));         // sequences
    EXPECT_FALSE(Reads(forged(counts + 4, uint32_t{0xFFFFFFFF})));     // frames
    EXPECT_FALSE(Reads(forged(counts + 4, uint32_t{4})));              // more than stored
    EXPECT_FALSE(Reads(forged(firstSequence, uint16_t{2})));           // fewer than the header's
    EXPECT_FALSE(Reads(forged(firstFrame, uint16_t{1})));              // width below the rows
    EXPECT_FALSE(Reads(forged(firstFrame + 9, uint32_t{0x7FFFFFFF}))); // data length
    EXPECT_FALSE(Reads(forged(firstFrame + 13, uint8_t{200})));        // first row's count

    // Trigger frames past the frame count read as the count, as the setter keeps them.
    Animation read;
    std::string triggers = forged(counts + 8, uint32_t{7});
    Put(triggers, counts + 12, uint32_t{0xFFFFFFFF});
    ASSERT_TRUE(read.Read(*testsupport::ReadableStream(triggers)));
    EXPECT_EQ(read.GetTriggerFrameA(), 3u);
    EXPECT_EQ(read.GetTriggerFrameB(), 3u);
}

} // namespace
