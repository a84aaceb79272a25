#include "Library/interface/interface.h"

#include "Library/core/tracked_new.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/interface/interface_object.h"

Interface* g_interface = nullptr;

Interface::Interface() : m_windows(kInitialWindows), m_images(NEW GraphicMgr()) {
    m_images->SetEncode(true);
}

Interface::~Interface() {
    Clear();
}

InterfaceObject* Interface::CreateWindow() {
    InterfaceObject* const window = NEW InterfaceObject();
    m_windows.Add(window);
    return window;
}

InterfaceObject* Interface::CreateImageWindow(const char* image, int x, int y) {
    InterfaceObject* const window = CreateWindow();
    window->Setup(kWidgetImage, Rect::Make(x, y, x, y), "", nullptr);
    window->SetImage(image);
    return window;
}

bool Interface::Holds(const InterfaceObject* window) const {
    return window != nullptr && m_windows.IsUsed(window);
}

void Interface::DestroyWindow(InterfaceObject* window) {
    if (!Holds(window))
        return;
    m_windows.Remove(window);
    if (window == m_active)
        m_active = nullptr;
    DELETE window;
}

void Interface::SetActive(InterfaceObject* window) {
    if (!Holds(window) || window == m_active)
        return;
    if (m_active != nullptr)
        m_active->ClearPressed();
    m_active = window;
}

void Interface::HandleEvent(const SDL_Event& event) {
    if (m_active != nullptr)
        m_active->HandleEvent(event);
}

// Every click of the frame ends here, so none is seen in two frames.
void Interface::Update(bool blink) {
    if (m_active == nullptr)
        return;
    m_active->Update(blink);
    while (InterfaceObject* clicked = m_active->GetClickedChild())
        clicked->ClearClicked();
}

void Interface::Clear() {
    m_images->Clear();
    m_active = nullptr;
    m_windows.DeleteAll();
}

Graphic* Interface::GetGraphic(const char* path) {
    return m_images->GetGraphic(path);
}
