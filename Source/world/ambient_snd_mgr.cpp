#include "Source/world/ambient_snd_mgr.h"

#include "Library/core/counted_records.h"
#include "Library/core/stream.h"

#include <vector>

AmbientSndMgr* g_ambientSndMgr = nullptr;

AmbientSndMgr::AmbientSndMgr(SoundMgr* const& sound)
    : m_sound(sound), m_emitters(kInitialCapacity) {}

AmbientSndMgr::~AmbientSndMgr() {
    StopAll();
}

void AmbientSndMgr::Clear() {
    StopAll();
    m_emitters.FreeAll();
}

void AmbientSndMgr::Update(const Vector& listener, uint32_t frameMs) {
    if (m_sound)
        ForEachUsed([&](AmbientSnd& emitter) { emitter.InRange(listener, frameMs, *m_sound); });
}

void AmbientSndMgr::StopAll() {
    if (m_sound)
        ForEachUsed([&](AmbientSnd& emitter) { emitter.StopSound(*m_sound); });
}

bool AmbientSndMgr::Read(Stream& stream) {
    std::vector<AmbientSnd> emitters;
    if (!ReadCountedRecords(stream, AmbientSnd::kMinStoredBytes, "Sound emitters", emitters))
        return false;
    Clear();
    for (const AmbientSnd& emitter : emitters)
        *m_emitters.Alloc() = emitter;
    return true;
}

bool AmbientSndMgr::Write(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk && WriteUsedRecords(stream, m_emitters);
}

AmbientSnd& AmbientSndMgr::AddAt(const Vector& position) {
    AmbientSnd& emitter = *m_emitters.Alloc();
    emitter.Clear();
    emitter.SetPosition(position);
    return emitter;
}

// The slot's sound could no longer be stopped once the slot is gone.
void AmbientSndMgr::Remove(AmbientSnd* emitter) {
    const int slot = emitter ? m_emitters.SlotOf(emitter) : -1;
    if (slot < 0)
        return;
    if (m_sound)
        emitter->StopSound(*m_sound);
    m_emitters.Free(slot);
}

AmbientSnd* AmbientSndMgr::FindAt(const Vector& point) const {
    const int slot = m_emitters.FindUsed([&](const AmbientSnd& emitter) {
        return (emitter.GetPosition() - point).LengthSquared() <= 1.0f;
    });
    return slot < 0 ? nullptr : m_emitters.Get(slot);
}

void AmbientSndMgr::DrawDebug(Screen& screen, const MapView& view, int pulse) const {
    ForEachUsed([&](const AmbientSnd& emitter) { emitter.DrawDebug(screen, view, pulse); });
}
