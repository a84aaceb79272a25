#include "Library/graphics/frame_rate_meter.h"

#include "Library/core/tick_source.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/screen.h"

namespace {

constexpr uint32_t kSecondMs = 1000;

} // namespace

FrameRateMeter::FrameRateMeter(TickSource& ticks)
    : m_ticks(ticks), m_secondStart(ticks.GetTicks()) {}

void FrameRateMeter::Draw(Screen& screen, int x, int y) {
    ++m_frames;
    const uint32_t now = m_ticks.GetTicks();
    if (now - m_secondStart >= kSecondMs) {
        m_rate = m_frames;
        m_frames = 0;
        m_secondStart = now;
    }
    screen.Printf(x, y, screen.GetPixelFormat() == kPixelFormat555 ? "555 %d" : "565 %d", m_rate);
}
