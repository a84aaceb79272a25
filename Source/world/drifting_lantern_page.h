#pragma once
// The story told in pages between maps. A page is a compiled script of its own name; while
// the story page mode shows, the page's script writes its text, offers its choices, hears
// the keys and at last asks for a journey to a map or the world. A page asked for starts
// at the next update; a later request in the same frame replaces an earlier one. The
// picture a page starts with stays its own while it is shown, over every screen rebuilt.

#include "Library/core/stringc.h"
#include "Source/world/story_pages.h"

#include <functional>
#include <memory>

class ScriptMachine;
class StoryPageView;

class DriftingLanternPage : public StoryPages {
public:
    static constexpr const char* kLoadFailure = "%s failed to load. The game will now exit.";

    explicit DriftingLanternPage(std::function<void()> quit); // quit ends the program
    DriftingLanternPage(const DriftingLanternPage&) = delete;
    DriftingLanternPage& operator=(const DriftingLanternPage&) = delete;
    ~DriftingLanternPage() override;

    // Outside the story page mode the mode is asked for too.
    bool GoToPage(const Stringc& name) override;
    void KeepPicture(int number) override;
    // Once a frame on the story page: starts the page asked for, if any.
    void Update();
    // The page's compiled script (an extension given is dropped); false for the empty name
    // or one that cannot be loaded, leaving no program.
    bool LoadScript(const Stringc& name);
    void ResetScript();
    void HandleKey(int key); // the page's script hears it and runs
    // The view's message box was closed: the page's script runs on, or, after a page that
    // failed to load, the program ends (false).
    bool OnMessageClosed();

    // The screen showing the page while there is one (null: none); not owned.
    void SetView(StoryPageView* view) { m_view = view; }
    StoryPageView* GetView() const { return m_view; }
    const Stringc& GetCurrentPage() const override { return m_currentPage; }
    int GetPicture() const override { return m_picture; }
    const Stringc& GetPendingPage() const { return m_pendingPage; }
    bool HasFailed() const { return m_failed; }

private:
    void ShowPicture();

    std::function<void()> m_quit;
    Stringc m_pendingPage;
    std::unique_ptr<ScriptMachine> m_machine;
    Stringc m_currentPage; // stored as the saved game's page
    bool m_failed = false;
    int m_picture = 0;     // 0 until a page starts
    int m_keptPicture = 0; // for the page asked for; 0: one drawn at random
    StoryPageView* m_view = nullptr;
};

extern DriftingLanternPage* g_page; // made by the game's set-up
