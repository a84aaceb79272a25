#include "Source/scripting/native_call.h"

#include "LibraryScriptCompiler/script_func_header.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/game_virtual_machine.h"

#include <cmath>
#include <limits>

namespace {

template <class T> T HeldWithin(double number) {
    if (std::isnan(number))
        return 0;
    const double low = static_cast<double>(std::numeric_limits<T>::lowest());
    const double high = static_cast<double>(std::numeric_limits<T>::max());
    if (number <= low)
        return std::numeric_limits<T>::lowest();
    if (number >= high)
        return std::numeric_limits<T>::max();
    return static_cast<T>(number);
}

} // namespace

NativeCall::NativeCall(GameVirtualMachine& machine, const ScriptFuncHeader& record)
    : m_machine(machine), m_record(record) {}

int32_t NativeCall::ToInt(double number) {
    return HeldWithin<int32_t>(std::trunc(number));
}

float NativeCall::ToFloat(double number) {
    return HeldWithin<float>(number);
}

uint32_t NativeCall::ToBits(double number) {
    return static_cast<uint32_t>(HeldWithin<int64_t>(std::trunc(number)));
}

Entity* NativeCall::GetOwner() const {
    return m_machine.GetOwner();
}

SoldierEntity* NativeCall::GetOwnerSoldier() const {
    SoldierEntity* soldier = nullptr;
    Entity::AsSoldier(m_machine.GetOwner(), &soldier);
    return soldier;
}

EntityMgr* NativeCall::GetManager() const {
    return m_machine.GetManager();
}

double NativeCall::Number(int index) const {
    return m_record.GetNumber(index);
}

const Stringc& NativeCall::String(int index) const {
    return m_record.GetString(index);
}

Entity* NativeCall::Object(int index) const {
    return m_record.GetObject(index).GetEntity();
}

const EntityRef& NativeCall::Ref(int index) const {
    return m_record.GetObject(index);
}

Vector NativeCall::Point(int index) const {
    const Vector& vector = m_record.GetVector(index);
    return Vector(ToFloat(vector.x), ToFloat(vector.y), 0.0f);
}
