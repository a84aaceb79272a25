#pragma once
// A game mode as it is requested: its id, the four arguments its page is made with, an
// entity and a name. Arguments and entity are pointer-sized, so an entity carried in
// one survives whole.

#include "Library/core/stringc.h"

#include <cstdint>

using ModeArg = intptr_t; // a number, or an object pointer (ModeRecord::ToArg)

class ModeRecord {
public:
    static constexpr int kArgCount = 4;

    ModeRecord() = default;
    ModeRecord(int id, ModeArg a1, ModeArg a2, ModeArg a3, ModeArg a4);
    ModeRecord(const ModeRecord&) = default;
    ModeRecord& operator=(const ModeRecord&) = default;
    virtual ~ModeRecord() = default;

    static ModeArg ToArg(const void* object) { return reinterpret_cast<ModeArg>(object); }

    int GetId() const { return m_id; }
    void SetId(int id) { m_id = id; }
    ModeArg GetArg(int index) const; // 0 outside 0-3
    template <class T> T* GetArgObject(int index) const {
        return reinterpret_cast<T*>(GetArg(index));
    }
    template <class T> T* GetEntity() const { return reinterpret_cast<T*>(m_entity); }
    void SetEntity(const void* entity) { m_entity = ToArg(entity); }
    const Stringc& GetName() const { return m_name; }
    void SetName(const char* name) { m_name = name; }

private:
    int m_id = -1;
    ModeArg m_args[kArgCount] = {};
    ModeArg m_entity = 0;
    Stringc m_name;
};
