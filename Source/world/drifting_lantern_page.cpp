#include "Source/world/drifting_lantern_page.h"

#include "Library/core/game_mode_id.h"
#include "Library/world/game_mode.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/world/story_page_view.h"

#include <utility>

DriftingLanternPage* g_page = nullptr;

DriftingLanternPage::DriftingLanternPage(std::function<void()> quit)
    : m_quit(std::move(quit)), m_machine(GetScriptMachineFactory().Create(nullptr)) {}

DriftingLanternPage::~DriftingLanternPage() = default;

bool DriftingLanternPage::GoToPage(const Stringc& name) {
    if (g_gameMode && g_gameMode->GetModeId() != kModeStoryPage)
        g_gameMode->SetMode(kModeStoryPage);
    m_pendingPage = name;
    m_keptPicture = 0;
    m_picture = 0; // a screen made before the page starts shows no older page's picture
    return true;
}

void DriftingLanternPage::KeepPicture(int number) {
    m_keptPicture = number;
}

void DriftingLanternPage::Update() {
    if (m_pendingPage.Length() == 0)
        return;
    m_currentPage = m_pendingPage;
    m_pendingPage.Clear();
    if (!LoadScript(m_currentPage)) {
        if (m_view) {
            Stringc message;
            message.Format(kLoadFailure, m_currentPage.c_str());
            m_view->ShowMessage(message.c_str());
        }
        m_failed = true;
        return;
    }
    m_failed = false;
    m_machine->PostStartEvent();
    m_machine->Update(0);
    ShowPicture();
}

void DriftingLanternPage::ShowPicture() {
    m_picture = m_keptPicture;
    m_keptPicture = 0;
    if (!m_view)
        return;
    if (m_picture > 0)
        m_view->LoadSmallSplash(m_picture);
    else
        m_picture = m_view->LoadRandomSmallSplash();
}

bool DriftingLanternPage::LoadScript(const Stringc& name) {
    ResetScript();
    if (name.Length() == 0)
        return false;
    return m_machine->LoadScript(CompiledScriptPath(name));
}

void DriftingLanternPage::ResetScript() {
    m_machine->Reset();
}

void DriftingLanternPage::HandleKey(int key) {
    m_machine->PostKeyEvent(key);
    m_machine->Update(0);
}

bool DriftingLanternPage::OnMessageClosed() {
    if (m_failed) {
        if (m_quit)
            m_quit();
        return false;
    }
    m_machine->Update(0);
    return true;
}
