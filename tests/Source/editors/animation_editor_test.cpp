// The animation editor on the demo world's walking figure, driven through the main loop.
#include "Source/editors/animation_editor.h"

#include "Library/graphics/animation.h"
#include "Library/graphics/screen.h"
#include "Library/interface/directory_panel.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/text_block.h"
#include "Library/world/game_mode.h"
#include "Source/real_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

using namespace testsupport;

// The main window's buttons.
constexpr Point kNew{50, 50};
constexpr Point kEdit{135, 50};
constexpr Point kNextDirectionType{190, 82};
// The directory box's.
constexpr Point kOk{335, 441};
constexpr Point kCancel{465, 441};
// The edit window's.
constexpr Point kPreviousAnimation{758, 48};
constexpr Point kNextAnimation{780, 48};
constexpr Point kPreviousFrame{758, 72};
constexpr Point kNextFrame{780, 72};
constexpr Point kPreviousDirection{758, 96};
constexpr Point kNextDirection{780, 96};
constexpr Point kOffsetXField{700, 128};
constexpr Point kDurationField{700, 184};
constexpr Point kFlagField{700, 208};
constexpr Point kFillFlagInSequence{769, 208};
constexpr Point kFillFlagInDirections{725, 232};
constexpr Point kSetTriggerA{769, 264};
constexpr Point kReference{698, 320};
constexpr Point kComparisonSet{731, 345};
constexpr Point kPlay{634, 376};
constexpr Point kStop{694, 376};
constexpr Point kSave{698, 409};
constexpr Point kBlank{700, 304}; // no widget: clicking it ends typing
constexpr Point kEditExit{758, 376};
constexpr Point kFirstSwatch{35, 134}; // the magenta key's, beside its ring
// The editor menu's button into the editor.
constexpr Point kAnimationEditorButton{400, 298};

class AnimationEditing : public RealGame {
protected:
    void SetUp() override {
        RealGame::SetUp();
        for (const char* saved : {"walk.ani", "stand.ani"})
            std::filesystem::remove_all(World().Path(std::string("art/anim/Walker/") + saved));
        Frame();
        g_gameMode->SetMode(kModeAnimationEditor);
        Frame();
        ASSERT_NE(PageAs<AnimationEditor>(), nullptr);
    }

    AnimationEditor& Editor() const { return *PageAs<AnimationEditor>(); }
    const AnimationMgr& Player() const { return Editor().GetPlayer(); }
    void Open(const Point& button, const char* set) {
        Click(button);
        ASSERT_EQ(Editor().GetState(), AnimationEditor::kChooseSet);
        ASSERT_TRUE(ClickListLine(Editor().GetDirectoryBox(), set)) << set;
        Click(kOk);
    }
    void BuildWalker() {
        Open(kNew, "Walker");
        ASSERT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    }
    void ShowWalk() {
        if (Player().GetName() != "walk")
            Click(kNextAnimation);
        ASSERT_STREQ(Player().GetName().c_str(), "walk");
    }
    // The white pixels of the line where a failure is shown.
    int FailureShown() {
        Frame();
        int white = 0;
        for (int y = 570; y < 584; ++y)
            for (int x = 0; x < 400; ++x)
                white += PixelAt(x, y) == Packed(255, 255, 255);
        return white;
    }
    std::string Saved(const char* name) const {
        return World().ReadFile(std::string("art/anim/Walker/") + name);
    }
};

TEST_F(AnimationEditing, NewBuildsTheBitmapFoldersOfASetAsEightDirections) {
    BuildWalker();
    EXPECT_STREQ(Player().GetAnimationName().c_str(), "Walker");
    EXPECT_STREQ(Player().GetName().c_str(), "stand"); // the folders in name order
    EXPECT_EQ(Player().GetSequenceCount(), 8);
    EXPECT_EQ(Player().GetFrameCount(), 1);
    ShowWalk();
    EXPECT_EQ(Player().GetSequenceCount(), 8);
    EXPECT_EQ(Player().GetFrameCount(), 6);
    EXPECT_EQ(Player().GetAnimation()->GetFullPath(), "art/anim/walker/walk.ani");
}

TEST_F(AnimationEditing, SavedSetsReloadAndSaveAgainByteForByte) {
    BuildWalker();
    Click(kSave);
    EXPECT_EQ(Editor().GetState(), AnimationEditor::kMainWindow);
    const std::string walk = Saved("walk.ani");
    const std::string stand = Saved("stand.ani");
    ASSERT_FALSE(walk.empty());
    ASSERT_FALSE(stand.empty());

    Click(kNextDirectionType); // SIXTEEN: the loaded files bring their own
    Open(kEdit, "Walker");
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    EXPECT_EQ(Editor().GetDirectionType(), 8);
    ShowWalk();
    EXPECT_EQ(Player().GetFrameCount(), 6);
    Click(kSave);
    EXPECT_EQ(Editor().GetState(), AnimationEditor::kMainWindow);
    EXPECT_EQ(Saved("walk.ani"), walk);
    EXPECT_EQ(Saved("stand.ani"), stand);
}

// The frames' window leaves the screen and takes no more clicks; the swatch of the
// transparent colour stays magenta over the frames' green.
TEST_F(AnimationEditing, ExitFromTheFramesLeavesOnlyTheMainWindowWithItsSwatches) {
    BuildWalker();
    Frame();
    Click(kEditExit);
    Frame();
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kMainWindow);
    EXPECT_EQ(PixelAt(kBlank.x, kBlank.y), Packed(255, 0, 255));
    EXPECT_EQ(PixelAt(kFirstSwatch.x, kFirstSwatch.y), Packed(240, 0, 240));
    Click(kNextAnimation);
    BuildWalker();
    EXPECT_STREQ(Player().GetName().c_str(), "stand");
}

// The box stays open and says, on the screen, which set it could not open, until cancelled.
TEST_F(AnimationEditing, EditOnASetWithoutAnimationFilesKeepsTheBoxOpen) {
    testing::internal::CaptureStderr();
    Open(kEdit, "Walker");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Editor().GetState(), AnimationEditor::kChooseSet);
    EXPECT_NE(std::string(Editor().GetFailure().c_str()).find("Walker cannot be opened"),
              std::string::npos)
        << Editor().GetFailure().c_str();
    EXPECT_GT(FailureShown(), 0);
    Click(kCancel);
    EXPECT_EQ(Editor().GetState(), AnimationEditor::kMainWindow);
    EXPECT_EQ(Editor().GetFailure(), "");
}

TEST_F(AnimationEditing, FramesAndDirectionsWrapAtBothEnds) {
    BuildWalker();
    ShowWalk();
    struct Step {
        Point button;
        int frame;
        int sequence;
    };
    for (const Step& step :
         {Step{kPreviousFrame, 5, 0}, Step{kNextFrame, 0, 0}, Step{kPreviousDirection, 0, 7},
          Step{kNextDirection, 0, 0}, Step{kNextDirection, 0, 1}}) {
        Click(step.button);
        EXPECT_EQ(Player().GetFrame(), step.frame);
        EXPECT_EQ(Player().GetSequence(), step.sequence);
    }
    Release(SDLK_MINUS);
    EXPECT_EQ(Player().GetFrame(), 5);
    Release(SDLK_PLUS);
    EXPECT_EQ(Player().GetFrame(), 0);
}

TEST_F(AnimationEditing, TheDirectionTypeCyclesAndOneDirectionKeepsSequenceZero) {
    const auto shown = [this] { return Editor().GetDirectionType(); };
    EXPECT_EQ(shown(), 8);
    Click(kNextDirectionType);
    EXPECT_EQ(shown(), 16);
    Click(kNextDirectionType);
    EXPECT_EQ(shown(), 1);
    BuildWalker(); // every bitmap one direction
    ShowWalk();
    EXPECT_EQ(Player().GetSequenceCount(), 1);
    EXPECT_EQ(Player().GetFrameCount(), 48);
    Click(kNextDirection);
    EXPECT_EQ(Player().GetSequence(), 0);
}

// The arrow's set makes the type sixteen while the walker has eight directions: the steps wrap
// within the walker's own eight, never onto a direction it does not have.
TEST_F(AnimationEditing, DirectionsWrapWithinTheShownAnimationWhenTheTypeHasMore) {
    BuildWalker();
    ShowWalk();
    ASSERT_EQ(Player().GetSequenceCount(), 8);
    Click(kComparisonSet);
    ASSERT_TRUE(ClickListLine(Editor().GetDirectoryBox(), "Projectile"));
    Frame();
    ASSERT_TRUE(ClickListLine(Editor().GetDirectoryBox(), "arrow"));
    Frame();
    Click(kOk);
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    ASSERT_EQ(Editor().GetDirectionType(), 16);
    for (int step = 1; step <= 8; ++step) {
        Click(kNextDirection);
        EXPECT_EQ(Player().GetSequence(), step % 8);
    }
    Click(kPreviousDirection);
    EXPECT_EQ(Player().GetSequence(), 7);
}

TEST_F(AnimationEditing, TypedValuesGoIntoTheFrameAndANegativeDurationIsZero) {
    BuildWalker();
    ShowWalk();
    Click(kDurationField);
    Erase(1);
    Type("120");
    EXPECT_EQ(Player().GetFrameDuration(), 120u);
    Erase(3);
    Type("-5");
    EXPECT_EQ(Player().GetFrameDuration(), 0u);
    Click(kOffsetXField);
    Erase(5);
    Type("1.5");
    float x = 0, y = 0, z = 0;
    Player().GetFrameOffsets(x, y, z);
    EXPECT_FLOAT_EQ(x, 1.5f);
    Click(kBlank);
    Release(SDLK_RIGHT); // keys act again once no field has the focus
    Player().GetFrameOffsets(x, y, z);
    EXPECT_FLOAT_EQ(x, 1.5f + 1.0f / 16);
}

TEST_F(AnimationEditing, ArrowsMoveTheFrameOnePixelAndDraggingFollowsTheMouse) {
    BuildWalker();
    for (int press = 0; press < 16; ++press)
        Push(KeyUp(SDLK_RIGHT));
    for (int press = 0; press < 3; ++press)
        Push(KeyUp(SDLK_UP));
    Frame();
    float x = 0, y = 0, z = 0;
    Player().GetFrameOffsets(x, y, z);
    EXPECT_EQ(x, 1.0f);
    EXPECT_FLOAT_EQ(y, -0.25f);

    Release(SDLK_d);
    EXPECT_TRUE(Editor().IsDragging());
    MoveTo(416, 312);
    EXPECT_EQ(Editor().GetOffset().x, 1.0f);
    EXPECT_EQ(Editor().GetOffset().y, 1.0f);
    EXPECT_EQ(Editor().GetOffset().z, 0.0f);
    Player().GetFrameOffsets(x, y, z);
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(y, 1.0f);
    Release(SDLK_d);
    MoveTo(500, 500);
    EXPECT_EQ(Editor().GetOffset().x, 1.0f);

    for (SDLKey key : {SDLK_KP2, SDLK_KP2, SDLK_KP6, SDLK_KP4, SDLK_KP4, SDLK_KP8})
        Push(KeyUp(key));
    Frame();
    EXPECT_EQ(Editor().GetExportWidth(), 29);
    EXPECT_EQ(Editor().GetExportHeight(), 51);
}

TEST_F(AnimationEditing, FlagsFillTheirSequenceOrTheirFrameInEveryDirection) {
    BuildWalker();
    ShowWalk();
    Click(kNextDirection);
    Click(kNextFrame);
    Click(kNextFrame);
    Click(kFlagField);
    Erase(1);
    Type("3");
    Click(kFillFlagInSequence);
    const Animation& walk = *Player().GetAnimation();
    for (int frame = 0; frame < 6; ++frame)
        EXPECT_EQ(walk.GetFrameFlag(1, frame), 3) << frame;
    EXPECT_EQ(walk.GetFrameFlag(0, 2), 0);
    Click(kFillFlagInDirections);
    for (int sequence = 0; sequence < 8; ++sequence)
        EXPECT_EQ(walk.GetFrameFlag(sequence, 2), 3) << sequence;
    EXPECT_EQ(walk.GetFrameFlag(0, 1), 0);

    Click(kSetTriggerA);
    EXPECT_EQ(Player().GetTriggerFrameA(), 2);
}

TEST_F(AnimationEditing, PlayStepsTheFramesUntilStopped) {
    BuildWalker();
    ShowWalk();
    Click(kPlay);
    EXPECT_TRUE(Editor().IsPlaying());
    const int frame = Player().GetFrame();
    Frames(3);
    EXPECT_NE(Player().GetFrame(), frame);
    Click(kStop);
    const int stopped = Player().GetFrame();
    Frames(3);
    EXPECT_EQ(Player().GetFrame(), stopped);

    Click(kReference);
    EXPECT_TRUE(Editor().HoldsReference());
    Click(kReference);
    EXPECT_FALSE(Editor().HoldsReference());
}

// The comparison set shares the pool: stepping goes round the current set only.
TEST_F(AnimationEditing, AnimationsStepWithinTheSetWhileAComparisonSetIsLoaded) {
    BuildWalker();
    Click(kComparisonSet);
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kChooseComparison);
    ASSERT_TRUE(ClickListLine(Editor().GetDirectoryBox(), "Mouse"));
    Click(kOk);
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    EXPECT_EQ(Editor().CountComparisons(), 1);
    for (const char* expected : {"walk", "stand", "walk", "stand"}) {
        Click(kNextAnimation);
        EXPECT_STREQ(Player().GetName().c_str(), expected);
    }
    for (const char* expected : {"walk", "stand", "walk"}) {
        Click(kPreviousAnimation);
        EXPECT_STREQ(Player().GetName().c_str(), expected);
    }
}

// A file of no sequences, loaded last of a set or of a comparison set, gives its direction
// type: counted as one, a direction step keeps sequence 0 rather than wrapping within none.
TEST_F(AnimationEditing, AFileWithoutSequencesCountsAsOneDirection) {
    const std::string none = std::string(2 + 5 * 4 + 256 * 4, '\0'); // no name, counts, frames
    BuildWalker();
    Click(kSave);
    World().WriteFile("art/anim/Walker/zz.ani", none);
    Open(kEdit, "Walker");
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    EXPECT_EQ(Editor().GetDirectionType(), 1);
    Click(kPreviousDirection);
    EXPECT_EQ(Player().GetSequence(), 0);

    Click(kEditExit);
    Click(kNextDirectionType); // EIGHT again
    BuildWalker();
    World().WriteFile("art/anim/Hollow/none.ani", none);
    Click(kComparisonSet);
    ASSERT_TRUE(ClickListLine(Editor().GetDirectoryBox(), "Hollow"));
    Click(kOk);
    ASSERT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    EXPECT_EQ(Editor().GetDirectionType(), 1);
    Click(kNextDirection);
    EXPECT_EQ(Player().GetSequence(), 0);
    std::filesystem::remove_all(World().Path("art/anim/Hollow"));
    std::filesystem::remove(World().Path("art/anim/Walker/zz.ani"));
}

// A file that cannot be written keeps the editor on its frames, says so on its screen as
// well, and costs no other file.
TEST_F(AnimationEditing, AFailedSaveStaysOnTheFramesSaysWhichAndSavesTheRest) {
    BuildWalker();
    EXPECT_EQ(FailureShown(), 0);
    std::filesystem::create_directories(World().Path("art/anim/Walker/walk.ani"));
    testing::internal::CaptureStderr();
    Click(kSave);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Editor().GetState(), AnimationEditor::kEditWindow);
    EXPECT_NE(said.find("art/anim/walker/walk.ani"), std::string::npos) << said;
    EXPECT_NE(std::string(Editor().GetFailure().c_str()).find("could be saved"), std::string::npos);
    EXPECT_GT(FailureShown(), 0);
    EXPECT_FALSE(Saved("stand.ani").empty());
}

// What the list shows of a line: each of its rows up to where the list's right edge cuts it.
std::string ShownPart(const GtWindow& list, const TextBlock& line) {
    g_screen->SetFont(line.GetFont());
    const int room = list.GetRect().x2 - line.GetPosition().x;
    std::string shown;
    for (int row = 0; row < line.GetLineCount(); ++row) {
        const std::string text = line.GetLine(row).c_str();
        size_t fits = 0;
        while (fits < text.size() && g_screen->TextWidth(text.substr(0, fits + 1).c_str()) <= room)
            ++fits;
        shown += text.substr(0, fits);
    }
    return shown;
}

// The game run from a world kept where an author might keep it, its path as long as such
// paths are: the world's own copy moves there before the game starts on it.
class AnimationChooser : public RealGame {
protected:
    static constexpr const char* kAuthorsFolder = "home_of_an_author/games/vaultane_worlds/demo";

    void SetUp() override {
        RealGame::SetUp();
        Stop();
        const std::filesystem::path root(World().Root());
        m_worldRoot = root / kAuthorsFolder;
        const std::filesystem::path first = *std::filesystem::path(kAuthorsFolder).begin();
        std::filesystem::create_directories(m_worldRoot);
        for (const auto& entry : std::filesystem::directory_iterator(root))
            if (entry.path().filename() != first)
                std::filesystem::rename(entry.path(), m_worldRoot / entry.path().filename());
        std::filesystem::current_path(m_worldRoot);
        Start();
    }

    // Each folder line of the chooser shows, within the list, a text of its own that holds
    // the name of one of the folders the chooser stands in; returns those names.
    std::set<std::string> ExpectFolderLinesTellTheirFolders(const DirectoryPanel& chooser) {
        std::set<std::string> folders;
        for (const auto& entry :
             std::filesystem::directory_iterator(chooser.GetDirectory().c_str()))
            if (entry.is_directory() && entry.path().filename().string()[0] != '.')
                folders.insert(entry.path().filename().string());
        const GtWindow& list = chooser.GetList().GetWindow();
        EXPECT_EQ(chooser.GetDirectoryLineCount(), static_cast<int>(folders.size()) + 1);
        std::set<std::string> shownParts;
        std::set<std::string> named;
        for (int block = 1; block < chooser.GetDirectoryLineCount(); ++block) {
            const std::string text = list.GetBlock(block).GetText().c_str();
            const std::string folder = text.substr(text.rfind('/') + 1);
            const std::string shown = ShownPart(list, list.GetBlock(block));
            SCOPED_TRACE(text);
            EXPECT_EQ(folders.count(folder), 1u);
            EXPECT_NE(shown.find(folder), std::string::npos) << shown;
            EXPECT_TRUE(shownParts.insert(shown).second) << shown;
            named.insert(folder);
        }
        EXPECT_EQ(named, folders);
        return folders;
    }

    std::filesystem::path m_worldRoot;
};

// Opened from the editor menu, the chooser stands in the animation directory, a long full
// path; there and in each set folder below it, every folder is told apart by what its line
// shows.
TEST_F(AnimationChooser, EachFolderLineShowsItsOwnFolderWithinTheList) {
    Frame();
    g_gameMode->SetMode(kModeEditorMenu);
    Frame();
    Click(kAnimationEditorButton);
    Frame();
    ASSERT_EQ(Mode(), kModeAnimationEditor);
    Click(kEdit);
    const AnimationEditor* editor = PageAs<AnimationEditor>();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->GetState(), AnimationEditor::kChooseSet);
    const DirectoryPanel& chooser = editor->GetDirectoryBox();
    ASSERT_TRUE(
        std::filesystem::equivalent(chooser.GetDirectory().c_str(), m_worldRoot / "art/anim"));
    const std::set<std::string> sets = ExpectFolderLinesTellTheirFolders(chooser);
    ASSERT_GE(sets.size(), 5u);
    for (const std::string& set : sets) {
        SCOPED_TRACE(set);
        ASSERT_TRUE(ClickListLine(chooser, set));
        ASSERT_TRUE(std::filesystem::equivalent(chooser.GetDirectory().c_str(),
                                                m_worldRoot / "art/anim" / set));
        ExpectFolderLinesTellTheirFolders(chooser);
        ASSERT_TRUE(ClickListLine(chooser, ".."));
    }
}

} // namespace
