#include "Source/entities/projectile_mgr.h"

#include "Library/core/stream.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/projectile_entity.h"

#include <cstdio>

ProjectileMgr::ProjectileMgr(EntityMgr* live, const LaunchedAbility* ability)
    : m_live(live), m_ability(ability), m_records(1) {}

ProjectileMgr::~ProjectileMgr() = default;

bool ProjectileMgr::Load(const char* name) {
    Stringc path;
    MemStream stream(kStreamReadBinary);
    if (!MakeDataFilePath(&DataPaths::GetProjMgrDir, name, ".dat", path) ||
        !LoadDataFile(path.c_str(), g_generalRes, stream))
        return false;
    if (Read(stream))
        return true;
    std::fprintf(stderr, "%s: the projectile set cannot be read\n", path.c_str());
    return false;
}

bool ProjectileMgr::Read(Stream& stream) {
    Clear();
    int32_t count = 0;
    if (!stream.ReadValue(m_value) || !stream.ReadValue(count) || count < 0)
        return false;
    for (int32_t index = 0; index < count; ++index)
        if (!(m_live ? ReadLive(stream) : ReadRecord(stream)))
            return false;
    return true;
}

// A projectile that cannot be launched is released again (by Launch when the map refuses it).
bool ProjectileMgr::ReadLive(Stream& stream) {
    Entity* created = m_live->CreateEntity(0.0f, 0.0f, 0.0f, Entity::kTypeProjectile);
    ProjectileEntity* projectile = nullptr;
    if (!Entity::AsProjectile(created, &projectile))
        return false;
    if (m_ability == nullptr || !projectile->Load(stream)) {
        m_live->ReleaseEntity(projectile);
        return false;
    }
    return projectile->Launch(*m_ability);
}

bool ProjectileMgr::ReadRecord(Stream& stream) {
    ProjectileEntity* record = m_records.Alloc();
    record->Init();
    if (record->Load(stream))
        return true;
    m_records.Free(m_records.SlotOf(record));
    return false;
}

bool ProjectileMgr::Write(Stream& stream) const {
    if (!stream.WriteValue(m_value) || !stream.WriteValue(static_cast<int32_t>(CountRecords())))
        return false;
    for (int slot = 0; slot < m_records.GetCount(); ++slot)
        if (m_records.IsUsed(slot) && !m_records.Get(slot)->Save(stream))
            return false;
    return true;
}

void ProjectileMgr::AddRecord(const ProjectileEntity& record) {
    m_records.Alloc()->SetupFromRecord(record);
}
