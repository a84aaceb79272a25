#include "Library/graphics/graphic_mgr.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_file.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_format.h"

GraphicMgr* g_graphicMgr = nullptr;

GraphicMgr::GraphicMgr() : m_pool(50) {
    SetColourKeyForVideoMode();
}

GraphicMgr::~GraphicMgr() {
    Clear();
}

template <class Load> Graphic* GraphicMgr::Fetch(const char* name, Load load) {
    if (!name || !*name)
        return nullptr;
    if (Graphic* cached = Find(name))
        return cached;
    Graphic* graphic = Add();
    if (!load(*graphic)) {
        Remove(graphic);
        return nullptr;
    }
    graphic->SetFileName(DataFileName(name));
    return graphic;
}

Graphic* GraphicMgr::GetGraphic(const char* name) {
    return Fetch(name, [&](Graphic& graphic) { return graphic.Load(name, m_encode); });
}

Graphic* GraphicMgr::GetGraphicFromFile(const char* name, bool encode) {
    return Fetch(name, [&](Graphic& graphic) { return graphic.LoadFile(name, encode); });
}

Graphic* GraphicMgr::Find(const char* name) const {
    return GetAt(IndexOf(name));
}

int GraphicMgr::IndexOf(const char* name) const {
    if (!name)
        return -1;
    const Stringc wanted = DataFileName(name);
    return m_pool.FindUsed([&](const Graphic& graphic) { return graphic.GetFullPath() == wanted; });
}

Graphic* GraphicMgr::Add() {
    Graphic* graphic = NEW Graphic;
    const int slot = m_pool.Add(graphic);
    graphic->SetSlot(slot < Graphic::kNoSlot ? static_cast<uint16_t>(slot) : Graphic::kNoSlot);
    return graphic;
}

void GraphicMgr::Release(const char* name) {
    Remove(Find(name));
}

void GraphicMgr::Remove(Graphic* graphic) {
    if (Contains(graphic) && m_pool.Remove(graphic))
        DELETE graphic;
}

bool GraphicMgr::Contains(const Graphic* graphic) const {
    return graphic && m_pool.IsUsed(graphic);
}

int GraphicMgr::Count() const {
    return m_pool.CountUsed();
}

Graphic* GraphicMgr::GetAt(int slot) const {
    return m_pool.Get(slot);
}

void GraphicMgr::Clear() {
    m_pool.DeleteAll();
    ++m_generation;
}
