#include "Library/interface/directory_panel.h"

#include "Library/core/tracked_new.h"
#include "Library/files/directory_list.h"
#include "Library/interface/info_panel.h"
#include "Library/interface/interface.h"
#include "Library/interface/interface_object.h"
#include "platform/win_find.h"

#include <cassert>
#include <cstring>
#include <vector>

namespace {

constexpr int kDefaultLines = 200;

// The subdirectories and the files of a directory by their attributes, so a dotted
// directory is still a directory; names beginning with '.' are left out.
void ScanDirectory(const Stringc& directory, std::vector<Stringc>& directories,
                   std::vector<Stringc>& files) {
    ForEachFound(WithSlash(directory) + "*", [&](const _finddata_t& found) {
        if (found.name[0] != '.')
            (found.attrib & _A_SUBDIR ? directories : files).emplace_back(found.name);
    });
}

} // namespace

DirectoryPanel::DirectoryPanel(const char* image, int x, int y)
    : m_list(NEW InfoPanel(Rect{}, 1, kDefaultLines, 0, 0)) {
    assert(g_interface != nullptr);
    m_window = g_interface->CreateImageWindow(image, x, y);
}

DirectoryPanel::~DirectoryPanel() = default;

void DirectoryPanel::Create(const Rect& rect, int stacking, int maxLines, int font,
                            int highlightFont) {
    const Rect& window = m_window->GetRect();
    m_list.reset(NEW InfoPanel(rect.Translated(window.x1, window.y1), stacking, maxLines, font,
                               highlightFont));
}

void DirectoryPanel::AddButton(uint32_t id, const char* image, int x, int y) {
    m_window->AddImageButton(id, image, x, y);
}

bool DirectoryPanel::HasFilter() const {
    return m_filter.Length() > 0 || m_filter.GetNext() != nullptr;
}

void DirectoryPanel::AddFilter(const char* extension) {
    if (!HasFilter())
        m_filter = extension;
    else
        m_filter.AppendToChain(extension);
}

void DirectoryPanel::ClearFilter() {
    m_filter.Clear();
}

bool DirectoryPanel::PassesFilter(const char* name) const {
    if (!HasFilter())
        return true;
    const char* const dot = std::strrchr(name, '.');
    const char* const extension = dot != nullptr ? dot + 1 : "";
    for (const Stringc* wanted = &m_filter; wanted != nullptr; wanted = wanted->GetNext())
        if (*wanted == extension)
            return true;
    return false;
}

void DirectoryPanel::Enter(const char* directory) {
    m_list->TakeClickedLine();
    m_directory = directory;
    m_directory.NormaliseDirectory();
    List();
}

// Without a '/' the parent is taken to be the working directory.
void DirectoryPanel::GoUp() {
    const char* const text = m_directory.c_str();
    const char* const slash = std::strrchr(text, '/');
    if (slash == nullptr)
        m_directory = ".";
    else
        m_directory = Stringc(text, slash == text ? 1 : static_cast<int>(slash - text));
    List();
}

// Lines by id: 0 "..", then the directories, then the files, each by its name alone: a
// deep current directory would push every name past the list's edge.
void DirectoryPanel::List() {
    std::vector<Stringc> directories;
    std::vector<Stringc> files;
    ScanDirectory(m_directory, directories, files);
    m_list->Clear();
    int id = 0;
    m_list->AddTextWithId(id++, "..");
    for (const Stringc& name : directories)
        m_list->AddTextWithId(id++, name.c_str());
    m_directoryLines = static_cast<uint32_t>(id);
    m_fileLines = 0;
    for (const Stringc& name : files) {
        if (!PassesFilter(name.c_str()))
            continue;
        m_list->AddTextWithId(id++, name.c_str());
        ++m_fileLines;
    }
}

void DirectoryPanel::Update(uint32_t frameMs) {
    g_interface->SetActive(m_window);
    const auto button = [this](uint32_t id, bool (InterfaceObject::*state)() const) {
        const InterfaceObject* child = m_window->FindChild(id);
        return child != nullptr && (child->*state)();
    };
    if (button(kScrollDown, &InterfaceObject::IsPressed))
        m_list->ScrollDown(frameMs);
    if (button(kScrollUp, &InterfaceObject::IsPressed))
        m_list->ScrollUp(frameMs);
    if (button(kOk, &InterfaceObject::IsClicked))
        m_chosen = true;
    if (button(kCancel, &InterfaceObject::IsClicked))
        m_cancelled = true;
    const int id = m_list->PeekClickedLine();
    Stringc text;
    if (m_list->TakeClickedText(text))
        ChooseLine(id, text);
}

// The line's place in the listing tells a directory from a file, whatever dots it holds.
void DirectoryPanel::ChooseLine(int id, const Stringc& text) {
    if (id == 0)
        GoUp();
    else if (id < static_cast<int>(m_directoryLines))
        Enter((WithSlash(m_directory) + text).c_str());
    else
        m_chosenName = text;
}

bool DirectoryPanel::HandleEvent(const SDL_Event& event) {
    return m_list->HandleEvent(event);
}

bool DirectoryPanel::TakeChosen() {
    const bool chosen = m_chosen;
    m_chosen = false;
    return chosen;
}

bool DirectoryPanel::TakeCancelled() {
    const bool cancelled = m_cancelled;
    m_cancelled = false;
    return cancelled;
}

Stringc DirectoryPanel::TakeChosenName() {
    const Stringc name = m_chosenName;
    m_chosenName.Clear();
    return name;
}

Stringc DirectoryPanel::GetLinePath(int fileIndex) const {
    Stringc name;
    m_list->GetLineText(static_cast<int>(m_directoryLines) + fileIndex, name);
    return WithSlash(m_directory) + name;
}

void DirectoryPanel::Draw(Screen& screen) {
    const bool listChanged = m_list->TakeRedraw();
    if (!listChanged && !m_window->IsDirty())
        return;
    m_window->SetDirty(true);
    m_window->Draw(screen);
    m_list->Draw(screen);
}

void DirectoryPanel::SetDirty() {
    m_window->SetDirty(true);
}

bool DirectoryPanel::Contains(int x, int y) const {
    return m_window->Contains(x, y);
}

const Rect& DirectoryPanel::GetRect() const {
    return m_window->GetRect();
}

void DirectoryPanel::Clear() {
    m_list->Clear();
}
