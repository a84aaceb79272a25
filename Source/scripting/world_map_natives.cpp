// The actions by which the scripts of the world map's areas set up its screen; without a
// world map screen they change nothing.
#include "Source/scripting/game_natives.h"

#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"
#include "Source/scripting/world_map_controls.h"

WorldMapControls* g_worldMapControls = nullptr;

namespace {

int32_t AddHotSpot(const NativeCall& call) {
    if (g_worldMapControls != nullptr)
        g_worldMapControls->AddHotSpot(call.String(0), call.Point(0), call.String(1),
                                       call.String(2));
    return kActionDone;
}

int32_t SetAreaScript(const NativeCall& call) {
    if (g_worldMapControls != nullptr)
        g_worldMapControls->SetAreaScript(call.String(0), call.Number(0) != 0);
    return kActionDone;
}

template <void (WorldMapControls::*kSetter)(const Stringc&)>
int32_t SetName(const NativeCall& call) {
    if (g_worldMapControls != nullptr)
        (g_worldMapControls->*kSetter)(call.String(0));
    return kActionDone;
}

} // namespace

void RegisterWorldMapNatives(NativeTable& table) {
    table.AddAction(93, "SSSP", &AddHotSpot);
    table.AddAction(250, "SN", &SetAreaScript);
    table.AddAction(252, "S", &SetName<&WorldMapControls::SetConfirmText>);
    table.AddAction(253, "S", &SetName<&WorldMapControls::SetEncounterMapName>);
    table.AddAction(254, "S", &SetName<&WorldMapControls::SetEncounterScriptName>);
}
