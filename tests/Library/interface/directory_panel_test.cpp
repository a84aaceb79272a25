#include "Library/interface/directory_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/text_block.h"
#include "interface_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class DirectoryPanels : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        MakeImage("back.tga", 300, 200, 0x2108);
        MakeImage("ok.tga", 30, 20, 0x7C00);
        for (const char* directory : {"maps/old", "maps/v1.2", "maps/.svn"})
            std::filesystem::create_directories(m_root + "/" + directory);
        for (const char* file : {"a.ani", "B.ANI", "c.bmp", "notes", ".hidden.ani", "zz.ani"})
            std::ofstream(m_root + "/maps/" + file) << "x";
        m_panel = std::make_unique<DirectoryPanel>("back.tga", 0, 0);
        m_panel->Create(Rect{10, 10, 290, 150}, 1, 200, 1, 5);
        m_panel->AddOkButton("ok.tga", 10, 170);
        m_panel->AddCancelButton("ok.tga", 60, 170);
        m_panel->AddFilter("bmp");
        m_panel->AddFilter("ani");
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        const GtWindow& window = m_panel->GetList().GetWindow();
        for (int i = 0; i < window.GetBlockCount(); ++i)
            lines.push_back(window.GetBlock(i).GetText().c_str());
        return lines;
    }
    // One frame in which line n of the list is clicked.
    void ClickLine(int n) {
        const int y = 10 + n * m_screen->FontHeight() + 3;
        ClickAt(15, y, [this](const SDL_Event& event) { m_panel->HandleEvent(event); });
        m_panel->Update(33);
        m_interface->Update(false);
    }

    std::unique_ptr<DirectoryPanel> m_panel;
};

using Names = std::vector<std::string>;

TEST_F(DirectoryPanels, ListsDirectoriesThenFilteredFilesEachSorted) {
    m_panel->Enter("maps");
    EXPECT_EQ(Lines(), (Names{"..", "old", "v1.2", "a.ani", "B.ANI", "c.bmp", "zz.ani"}));
    EXPECT_STREQ(m_panel->GetLinePath(1).c_str(), "maps/B.ANI");
    m_panel->ClearFilter();
    m_panel->Enter("maps\\");
    EXPECT_EQ(m_panel->GetFileLineCount(), 5); // "notes" too
}

TEST_F(DirectoryPanels, ClickedLinesEnterDirectoriesOrChooseFilesByTheirPlace) {
    m_panel->Enter("./maps");
    ClickLine(1);
    EXPECT_STREQ(m_panel->GetDirectory().c_str(), "./maps/old");
    EXPECT_STREQ(m_panel->TakeChosenName().c_str(), "");
    ClickLine(0);
    EXPECT_STREQ(m_panel->GetDirectory().c_str(), "./maps");
    ClickLine(2);
    EXPECT_STREQ(m_panel->GetDirectory().c_str(), "./maps/v1.2");
    ClickLine(0);
    ClickLine(4);
    EXPECT_STREQ(m_panel->GetDirectory().c_str(), "./maps");
    EXPECT_STREQ(m_panel->TakeChosenName().c_str(), "B.ANI");
    EXPECT_STREQ(m_panel->TakeChosenName().c_str(), "");
    ClickLine(3); // the first file line, just after the directories
    EXPECT_STREQ(m_panel->TakeChosenName().c_str(), "a.ani");

    ClickAt(15, 175);
    m_panel->Update(33);
    EXPECT_TRUE(m_panel->TakeChosen());
    EXPECT_FALSE(m_panel->TakeChosen());
    EXPECT_FALSE(m_panel->TakeCancelled());
}

} // namespace
