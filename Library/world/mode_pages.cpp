#include "Library/world/mode_pages.h"

#include "Library/world/mode_page.h"
#include "Library/world/mode_record.h"

#include <cassert>
#include <utility>

ModePages::~ModePages() = default;

ModePages::Factory ModePages::SetFactory(int id, Factory factory) {
    if (id < 0 || id >= kModeCount)
        return Factory();
    std::swap(m_factories[id], factory);
    return factory;
}

bool ModePages::HasFactory(int id) const {
    return id >= 0 && id < kModeCount && m_factories[id];
}

void ModePages::Create(const ModeRecord& mode) {
    assert(!m_page);
    const int id = mode.GetId();
    if (id >= 0 && id < kModeCount && m_factories[id])
        m_page = m_factories[id](mode);
}

void ModePages::Delete() {
    m_page.reset();
}
