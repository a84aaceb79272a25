#include "Library/graphics/uni_animation_mgr.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_file.h"
#include "Library/files/directory_list.h"
#include "Library/graphics/animation.h"

#include <cstdio>
#include <memory>

UniAnimationMgr* g_uniAnimationMgr = nullptr;

UniAnimationMgr::UniAnimationMgr() : m_pool(50) {}

UniAnimationMgr::~UniAnimationMgr() {
    Clear();
}

Animation* UniAnimationMgr::GetAnimation(const char* path) {
    return Fetch(path, &Animation::LoadResource);
}

Animation* UniAnimationMgr::GetAnimationFromFile(const char* path) {
    return Fetch(path, &Animation::Load);
}

Animation* UniAnimationMgr::Fetch(const char* path, bool (Animation::*load)(const char*)) {
    if (Animation* pooled = FindAnimation(path))
        return pooled;
    const Stringc name = DataFileName(path);
    if (m_unloadable.count(name) != 0)
        return nullptr;
    std::unique_ptr<Animation> animation(NEW Animation);
    if (!((*animation).*load)(path)) {
        m_unloadable.insert(name);
        return nullptr;
    }
    return Pool(animation.release(), path);
}

Animation* UniAnimationMgr::Pool(Animation* animation, const char* path) {
    animation->SetFileName(DataFileName(path));
    m_pool.Add(animation);
    return animation;
}

int UniAnimationMgr::Find(const char* path) const {
    const Stringc name = DataFileName(path);
    return m_pool.FindUsed(
        [&](const Animation& animation) { return animation.GetFullPath() == name; });
}

Animation* UniAnimationMgr::FindAnimation(const char* path) const {
    return m_pool.Get(Find(path));
}

int UniAnimationMgr::IndexOf(const Animation* animation) const {
    const int slot = animation ? m_pool.SlotOf(animation) : -1;
    return slot >= 0 && m_pool.IsUsed(slot) ? slot : -1;
}

bool UniAnimationMgr::BuildFromDirectories(const char* directory, int sequenceCount,
                                           int keyChoice) {
    DirectoryList listing;
    listing.SetDirectoriesOnly(true);
    const std::unique_ptr<Stringc> subdirectories = listing.Scan(directory);
    for (const Stringc* sub = subdirectories.get(); sub; sub = sub->GetNext()) {
        const Stringc path = *sub + ".ani";
        if (Find(path.c_str()) >= 0)
            continue;
        std::unique_ptr<Animation> animation(NEW Animation);
        if (!animation->CreateFromBitmaps(sub->c_str(), sequenceCount, keyChoice))
            return false;
        Pool(animation.release(), path.c_str());
    }
    return true;
}

bool UniAnimationMgr::LoadAll(const char* directory, int& sequenceCount) {
    DirectoryList listing;
    listing.SetPattern("*.ani");
    const std::unique_ptr<Stringc> files = listing.Scan(directory);
    if (!files) {
        std::fprintf(stderr, "%s holds no .ani file\n", directory);
        return false;
    }
    const Animation* last = nullptr;
    for (const Stringc* file = files.get(); file; file = file->GetNext())
        if (!(last = GetAnimationFromFile(file->c_str())))
            return false;
    sequenceCount = last->GetSequenceCount();
    return true;
}

// One file that cannot be written must not cost the others their edits.
bool UniAnimationMgr::SaveAll() const {
    bool saved = true;
    for (int slot = 0; slot < m_pool.GetCount(); ++slot)
        if (m_pool.IsUsed(slot) && !m_pool.Get(slot)->Save())
            saved = false;
    return saved;
}

void UniAnimationMgr::Clear() {
    m_pool.DeleteAll();
    m_unloadable.clear();
    ++m_generation;
}

int UniAnimationMgr::CountUsed() const {
    return m_pool.CountUsed();
}
