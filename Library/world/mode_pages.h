#pragma once
// The page object of the current game mode, the only one alive, made by the factory of its
// mode id. A mode without a factory, or whose factory declines its arguments, has none.

#include "Library/core/game_mode_id.h"

#include <functional>
#include <memory>

class ModePage;
class ModeRecord;

class ModePages {
public:
    using Factory = std::function<std::unique_ptr<ModePage>(const ModeRecord& mode)>;

    ModePages() = default;
    ModePages(const ModePages&) = delete;
    ModePages& operator=(const ModePages&) = delete;
    ~ModePages();

    Factory SetFactory(int id, Factory factory); // the one it replaces; ids outside 0-26 ignored
    bool HasFactory(int id) const;
    void Create(const ModeRecord& mode); // after Delete
    void Delete();
    ModePage* GetPage() const { return m_page.get(); }

private:
    Factory m_factories[kModeCount];
    std::unique_ptr<ModePage> m_page;
};
