#include "Library/graphics/dirty_rect_graphic.h"

#include "Library/graphics/blit_state.h"
#include "Library/graphics/graphic.h"
#include "platform/win_rand.h"
#include "screen_fixture.h"

#include <vector>

namespace {

class DirtyRectGraphicTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Graphic::SetBlitMode(0);
        for (int i = 0; i < 800 * 600; ++i)
            Pixels()[i] = static_cast<uint16_t>(platform::Rand());
        m_original.assign(Pixels(), Pixels() + 800 * 600);
        ASSERT_TRUE(m_image.Create(24, 18));
        m_image.Fill(0x1234);
    }
    uint16_t* Pixels() const { return m_screen->GetSurface().pixels; }
    bool Unchanged() const { return std::equal(m_original.begin(), m_original.end(), Pixels()); }

    BlitStateScope m_keep;
    std::vector<uint16_t> m_original;
    Graphic m_image;
};

TEST_F(DirtyRectGraphicTest, MovedAcrossEveryEdgeRestoresTheScreenByteForByte) {
    DirtyRectGraphic saver;
    saver.SetImage(&m_image);
    saver.RestoreBackground(m_screen->GetSurface()); // never drawn: nothing to put back
    ASSERT_TRUE(Unchanged());
    int step = 0;
    for (int y = -25; y <= 625; y += 50) {
        for (int x = -30; x <= 830; x += 43, ++step) {
            saver.RestoreBackground(m_screen->GetSurface());
            ASSERT_TRUE(Unchanged()) << "before " << x << "," << y;
            saver.SetPosition(x, y);
            saver.SaveBackground(m_screen->GetSurface());
            saver.Draw(m_screen->GetSurface());
            EXPECT_EQ(m_image.GetX(), x);
            if (x >= 0 && y >= 0 && x < 799 && y < 599) {
                EXPECT_EQ(PixelAt(x, y), 0x1234);
            }
            // The clip the screen starts with leaves out the last column and row; pixels
            // saved within it come back whatever the clip is when they do.
            m_screen->SetClipRect(0, 0, step % 2 ? 800 : 799, step % 2 ? 600 : 599);
        }
    }
    saver.RestoreBackground(m_screen->GetSurface());
    EXPECT_TRUE(Unchanged());
}

TEST_F(DirtyRectGraphicTest, TheSavedAreaOnlyGrowsAndForgetsWhatItHeldWhenItDoes) {
    DirtyRectGraphic saver;
    saver.SetSize(30, 8);
    saver.SetImage(&m_image); // the height grows, the width is kept
    saver.SetPosition(5, 5);
    saver.SaveBackground(m_screen->GetSurface());
    saver.Draw(m_screen->GetSurface());
    saver.SetSize(30, 18); // held already: the save survives
    saver.RestoreBackground(m_screen->GetSurface());
    ASSERT_TRUE(Unchanged());

    saver.SaveBackground(m_screen->GetSurface());
    saver.SetSize(40, 18);
    saver.Draw(m_screen->GetSurface());
    saver.RestoreBackground(m_screen->GetSurface()); // nothing held: the image stays
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 50; ++x) {
            const bool underImage = x >= 5 && x < 29 && y >= 5 && y < 23;
            ASSERT_EQ(PixelAt(x, y), underImage ? 0x1234 : m_original[y * 800 + x])
                << x << "," << y;
        }
    }
    EXPECT_TRUE(saver.IsOpaqueAt(0, 0));
    EXPECT_FALSE(DirtyRectGraphic().IsOpaqueAt(0, 0));
}

} // namespace
