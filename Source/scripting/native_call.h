#pragma once
// One call of a native as the native sees it: the calling machine with its owner, and the
// call record's arguments as the natives take them. The native table has checked the
// argument counts before a native runs, so an accessor reads only what is there.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"

#include <cstdint>

class Entity;
class EntityMgr;
class EntityRef;
class GameVirtualMachine;
class ScriptFuncHeader;
class SoldierEntity;

class NativeCall {
public:
    NativeCall(GameVirtualMachine& machine, const ScriptFuncHeader& record);

    // A script's number as an integer: truncated toward zero and held within an int.
    static int32_t ToInt(double number); // NaN gives 0, as in the two below
    static float ToFloat(double number); // held within a float
    // A bit mask: truncated, held within 64 bits, its low 32 bits.
    static uint32_t ToBits(double number);

    GameVirtualMachine& GetMachine() const { return m_machine; }
    const ScriptFuncHeader& GetRecord() const { return m_record; }
    Entity* GetOwner() const;
    SoldierEntity* GetOwnerSoldier() const; // null unless the owner is a creature
    EntityMgr* GetManager() const;          // the machine's

    double Number(int index) const;
    int32_t Int(int index) const { return ToInt(Number(index)); }
    float Float(int index) const { return ToFloat(Number(index)); }
    uint32_t Bits(int index) const { return ToBits(Number(index)); }
    const Stringc& String(int index) const;
    Entity* Object(int index) const;       // the entity the reference was resolved to
    const EntityRef& Ref(int index) const; // the reference as written: a pattern
    Vector Point(int index) const;         // the vector's x and y held as ToFloat holds, z 0

private:
    GameVirtualMachine& m_machine;
    const ScriptFuncHeader& m_record;
};
