#pragma once
// The record of one native call or one script event: the call's type and id, a reserved
// integer carried with it, and its arguments, which are the only literals a script has.

#include "Library/core/stringc.h"
#include "Library/core/vector.h"
#include "Library/scripts/entity_ref.h"

#include <cstdint>
#include <vector>

class Stream;

// What a CALL does with a record, by its type.
enum ScriptCallType : int32_t {
    kCallNone = 0,
    kCallLatent = 1,    // queued as an action that the machine drives over frames
    kCallImmediate = 2, // called at once; its result is dropped
    kCallEventTest = 3, // called at once; its result is pushed
    kCallQuery = 4,     // called at once; its result is pushed
    kCallDropped = 5,   // called at once; its result is dropped
};

class ScriptFuncHeader {
public:
    static constexpr int kFixedBytes = 7 * 4; // the stored size of a record without arguments

    ScriptFuncHeader() = default; // type 0, id -1, reserved -1, no arguments

    void SetTypeAndId(int32_t type, int32_t id) {
        m_type = type;
        m_id = id;
    }
    void SetReserved(int32_t reserved) { m_reserved = reserved; }
    void AddNumber(double number) { m_numbers.push_back(number); }
    void AddString(const Stringc& text) { m_strings.push_back(text); }
    void AddObject(const EntityRef& object) { m_objects.push_back(object); }
    void AddVector(const Vector& point) { m_vectors.push_back(point); }

    int32_t GetType() const { return m_type; }
    int32_t GetId() const { return m_id; }
    int32_t GetReserved() const { return m_reserved; }
    int NumberCount() const { return static_cast<int>(m_numbers.size()); }
    int StringCount() const { return static_cast<int>(m_strings.size()); }
    int ObjectCount() const { return static_cast<int>(m_objects.size()); }
    int VectorCount() const { return static_cast<int>(m_vectors.size()); }
    double GetNumber(int index) const { return m_numbers[index]; } // unchecked, as all four
    const Stringc& GetString(int index) const { return m_strings[index]; }
    const EntityRef& GetObject(int index) const { return m_objects[index]; }
    EntityRef& GetObject(int index) { return m_objects[index]; } // where a call resolves it
    const Vector& GetVector(int index) const { return m_vectors[index]; }

    // Type, id, reserved and every argument equal: texts ignoring case, entity references
    // by their codes (EntityRef::Equals).
    bool operator==(const ScriptFuncHeader& other) const;
    bool operator!=(const ScriptFuncHeader& other) const { return !(*this == other); }

    // Stored form, little-endian: i32 type, id, reserved; i32 numberCount, stringCount,
    // objectCount, vectorCount; then the numbers (f64), texts (Stringc), entity references
    // (EntityRef's form) and vectors (three f32), each array in order. A damaged record
    // changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    int32_t m_type = kCallNone;
    int32_t m_id = -1;
    int32_t m_reserved = -1;
    std::vector<double> m_numbers;
    std::vector<Stringc> m_strings;
    std::vector<EntityRef> m_objects;
    std::vector<Vector> m_vectors;
};
