#include "Source/scripting/game_natives.h"

#include "Source/scripting/native_table.h"

const NativeTable& GetGameNatives() {
    static const NativeTable natives = [] {
        NativeTable table;
        RegisterCreatureNatives(table);
        RegisterCreatureConditions(table);
        RegisterEntityConditions(table);
        RegisterPartyConditions(table);
        RegisterWorldConditions(table);
        RegisterDialogueConditions(table);
        return table;
    }();
    return natives;
}
