// The actions that play music and sounds.
#include "Source/scripting/game_natives.h"

#include "Library/sound/sound_mgr.h"
#include "Source/entities/entity.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

constexpr uint8_t kOnce = 1;
constexpr uint8_t kLooped = 2;
constexpr int kFullVolume = 255;

int32_t PlayMusic(const NativeCall& call) {
    if (g_soundMgr != nullptr)
        g_soundMgr->PlayStream(call.String(0).c_str(), kLooped, kFullVolume, nullptr, nullptr);
    return kActionDone;
}

// Where the owner stands; a script with no owner has no place to play it.
int32_t PlaySound(const NativeCall& call) {
    const Entity* owner = call.GetOwner();
    if (g_soundMgr != nullptr && owner != nullptr)
        g_soundMgr->PlaySample(call.String(0).c_str(), kOnce, kFullVolume, &owner->GetPosition(),
                               nullptr);
    return kActionDone;
}

} // namespace

void RegisterSoundNatives(NativeTable& table) {
    table.AddAction(33, "S", &PlayMusic);
    table.AddAction(34, "S", &PlaySound);
}
