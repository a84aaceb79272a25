#include "Source/scripting/game_natives.h"

#include "Source/scripting/native_table.h"

const NativeTable& GetGameNatives() {
    static const NativeTable natives = [] {
        NativeTable table;
        RegisterCreatureNatives(table);
        RegisterMachineNatives(table);
        RegisterEntityNatives(table);
        RegisterMapObjectNatives(table);
        RegisterPlacementNatives(table);
        RegisterDialogueNatives(table);
        RegisterPartyNatives(table);
        RegisterJournalNatives(table);
        RegisterVariableNatives(table);
        RegisterTransitionNatives(table);
        RegisterTextNatives(table);
        RegisterWorldMapNatives(table);
        RegisterWorldNatives(table);
        RegisterSoundNatives(table);
        RegisterSpellNatives(table);
        RegisterCreatureConditions(table);
        RegisterEntityConditions(table);
        RegisterPartyConditions(table);
        RegisterWorldConditions(table);
        RegisterDialogueConditions(table);
        return table;
    }();
    return natives;
}
