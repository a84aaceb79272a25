// Story pages started by name, their scripts' loads, starts and keys, and a page that fails.
#include "Source/world/drifting_lantern_page.h"

#include "../entities/entity_fakes.h"
#include "Library/files/data_paths.h"
#include "Library/world/game_mode.h"
#include "Source/world/story_page_view.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

// Loads only the scripts "prologue" and "chapter" of the script directory.
class PageScript : public RecordingScript {
public:
    explicit PageScript(CallLog& log) : RecordingScript(&log, "page"), m_log(log) {}
    bool LoadScript(const Stringc& path) override {
        m_log.push_back(std::string("load ") + path.c_str());
        return path == "/work/Script/prologue.scr" || path == "/work/Script/chapter.scr";
    }

private:
    CallLog& m_log;
};

class PageScripts : public ScriptMachineFactory {
public:
    explicit PageScripts(CallLog& log) : m_log(log) { SetScriptMachineFactory(this); }
    ~PageScripts() override { SetScriptMachineFactory(nullptr); }
    std::unique_ptr<ScriptMachine> Create(Entity*) const override {
        return std::make_unique<PageScript>(m_log);
    }

private:
    CallLog& m_log;
};

class RecordingView : public StoryPageView {
public:
    explicit RecordingView(CallLog& log) : m_log(log) {}
    bool ShowMessage(const char* text) override {
        m_log.push_back(std::string("message ") + text);
        return true;
    }
    int LoadRandomSmallSplash() override {
        m_log.push_back("splash");
        return 1;
    }
    void LoadSmallSplash(int number) override {
        m_log.push_back("splash " + std::to_string(number));
    }

private:
    CallLog& m_log;
};

class StoryPage : public ::testing::Test {
protected:
    void SetUp() override { g_dataPaths = &m_paths; }
    void TearDown() override { g_dataPaths = nullptr; }

    DataPaths m_paths{"/work"};
    CallLog m_log;
    PageScripts m_scripts{m_log};
    RecordingView m_view{m_log};
    int m_quits = 0;
    DriftingLanternPage m_page{[this] { ++m_quits; }};
};

TEST_F(StoryPage, TheLaterOfTwoRequestsStartsOnceWithAPictureAndHearsKeysAndTheBox) {
    m_page.SetView(&m_view);
    m_page.GoToPage("missing");
    m_page.GoToPage("prologue.scr");
    m_page.Update();
    m_page.Update(); // nothing more asked for
    m_page.HandleKey('2');
    EXPECT_TRUE(m_page.OnMessageClosed());
    EXPECT_EQ(m_log, (CallLog{"load /work/Script/prologue.scr", "page event 1", "page update",
                              "splash", "page event 19 50", "page update", "page update"}));
    EXPECT_STREQ(m_page.GetCurrentPage().c_str(), "prologue.scr");

    m_log.clear();
    m_page.GoToPage("chapter");
    m_page.Update();
    EXPECT_EQ(m_log.front(), "load /work/Script/chapter.scr");
    EXPECT_EQ(m_quits, 0);
}

// A loaded game's page starts with the picture it was saved with; the next page asked for
// draws its own, and until it starts no screen is given the one before.
TEST_F(StoryPage, AKeptPictureIsShownInsteadOfADrawnOneForThePageAskedForAlone) {
    m_page.SetView(&m_view);
    m_page.GoToPage("prologue");
    m_page.KeepPicture(4);
    m_page.Update();
    EXPECT_EQ(m_log.back(), "splash 4");
    EXPECT_EQ(m_page.GetPicture(), 4);

    m_page.GoToPage("chapter");
    EXPECT_EQ(m_page.GetPicture(), 0);
    m_page.Update();
    EXPECT_EQ(m_log.back(), "splash");
    EXPECT_EQ(m_page.GetPicture(), 1); // the view's draw

    m_page.KeepPicture(2);
    m_page.GoToPage("prologue"); // asked for after the picture was kept: it draws anew
    m_page.Update();
    EXPECT_EQ(m_log.back(), "splash");
}

TEST_F(StoryPage, APageThatFailsToLoadSaysSoAndClosingTheBoxQuits) {
    EXPECT_FALSE(m_page.LoadScript(""));
    m_page.GoToPage("missing");
    m_page.Update(); // without a view only the failure is kept
    EXPECT_TRUE(m_page.HasFailed());
    m_page.SetView(&m_view);
    m_page.GoToPage("missing");
    m_page.Update();
    EXPECT_EQ(m_log.back(), "message missing failed to load. The game will now exit.");
    EXPECT_FALSE(m_page.OnMessageClosed());
    EXPECT_EQ(m_quits, 1);
}

} // namespace
