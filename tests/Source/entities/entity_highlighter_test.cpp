// The party's speech bubbles are drawn kept to the map's view.
#include "Source/entities/entity_highlighter.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/screen_fixture.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map_support.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/speech_bubble.h"
#include "entity_fakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0};

// Notes the drawing clip each time it is drawn.
class ClipNotingBubble : public SpeechBubble {
public:
    explicit ClipNotingBubble(std::vector<Rect>& clips) : m_clips(clips) {}
    void Draw(Screen&) override { m_clips.push_back(g_graphicClipRect); }

private:
    std::vector<Rect>& m_clips;
};

class ClipNotingFactory : public testsupport::FakeCreatureFactory {
public:
    std::unique_ptr<SpeechBubble> CreateBubble(SoldierEntity&) const override {
        return std::make_unique<ClipNotingBubble>(clips);
    }
    mutable std::vector<Rect> clips;
};

class PartyBubbles : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        m_dir.WriteFile("art/graphic/map/m.tga", "the map image: opened, never read here");
        TestStream stream(testsupport::MapBytes(64, 64, kGround));
        ASSERT_TRUE(m_map.Read(stream));
    }

    DataPaths m_paths{m_root.c_str()};
    TileMap m_map{m_paths, nullptr};
};

TEST_F(PartyBubbles, AreDrawnWithinTheMapsView) {
    ClipNotingFactory factory;
    EntityMgr manager(&m_map);
    for (float x : {3.0f, 9.0f})
        ASSERT_NE(manager.CreateEntity(x, 3, 0, Entity::kTypeSoldier), nullptr);
    m_map.SetViewSize(0);
    const Rect view = m_map.GetViewRect();
    ASSERT_FALSE(view.x1 == 0 && view.y1 == 0 && view.x2 == 800 && view.y2 == 600);
    m_screen->ResetClipRect();
    GameMode game;
    EntityHighlighter().DrawPartyBubbles(manager, game, *m_screen);
    ASSERT_EQ(factory.clips.size(), 2u);
    for (const Rect& clip : factory.clips)
        EXPECT_TRUE(clip.x1 == view.x1 && clip.y1 == view.y1 && clip.x2 == view.x2 &&
                    clip.y2 == view.y2)
            << clip.x1 << " " << clip.y1 << " " << clip.x2 << " " << clip.y2;
}

} // namespace
