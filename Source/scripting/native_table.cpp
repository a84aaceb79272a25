#include "Source/scripting/native_table.h"

#include "LibraryScriptCompiler/script_func_header.h"
#include "Source/scripting/native_call.h"

#include <cassert>

void NativeTable::AddAction(int32_t number, NativeArguments needs, NativeFunction function) {
    assert(number >= 0 && number <= kLastAction && m_actions[number].function == nullptr);
    m_actions[number] = {function, needs};
}

void NativeTable::AddCondition(int32_t number, NativeArguments needs, NativeFunction function) {
    assert(number >= kFirstCondition && number <= kLastCondition &&
           m_conditions[number].function == nullptr);
    m_conditions[number] = {function, needs};
}

const NativeTable::Entry* NativeTable::Find(NativeCategory category, int32_t number) const {
    if (category == kNativeAction && number >= 0 && number <= kLastAction)
        return &m_actions[number];
    if (category == kNativeCondition && number >= kFirstCondition && number <= kLastCondition)
        return &m_conditions[number];
    return nullptr;
}

int32_t NativeTable::Call(NativeCategory category, int32_t number, const NativeCall& call) const {
    const Entry* entry = Find(category, number);
    if (entry == nullptr || entry->function == nullptr)
        return 0;
    const ScriptFuncHeader& record = call.GetRecord();
    const NativeArguments& needs = entry->needs;
    if (record.NumberCount() < needs.numbers || record.StringCount() < needs.strings ||
        record.ObjectCount() < needs.objects || record.VectorCount() < needs.vectors)
        return 0;
    return entry->function(call);
}
