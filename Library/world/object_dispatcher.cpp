#include "Library/world/object_dispatcher.h"

#include "Library/world/world_object.h"

ObjectDispatcher g_objectDispatcher;

int ObjectDispatcher::Find(const WorldObject* object) const {
    int up = m_hint;
    int down = m_hint - 1;
    while (up < kIdCount) {
        if (m_objects[up] == object)
            return up;
        ++up;
        if (down >= 0) {
            if (m_objects[down] == object)
                return down;
            --down;
        }
    }
    for (int id = 0; id <= down; ++id) {
        if (m_objects[id] == object)
            return id;
    }
    return -1;
}

int ObjectDispatcher::Register(WorldObject* object) {
    if (object == nullptr)
        return -1;
    const int id = Find(nullptr);
    if (id < 0)
        return -1;
    m_objects[id] = object;
    m_hint = id + 1;
    return id;
}

void ObjectDispatcher::Unregister(int id) {
    if (id < 0 || id >= kIdCount)
        return;
    m_objects[id] = nullptr;
    m_hint = id;
}

int ObjectDispatcher::UnregisterObject(const WorldObject* object) {
    const int id = object == nullptr ? -1 : Find(object);
    Unregister(id);
    return id;
}

WorldObject* ObjectDispatcher::GetObject(int id) const {
    return id >= 0 && id < kIdCount ? m_objects[id] : nullptr;
}

void ObjectDispatcher::Send(int id, int a, int b, int c, int d) const {
    WorldObject* object = GetObject(id);
    if (object != nullptr)
        object->HandleMessage(b, c, d, a);
}

void ObjectDispatcher::Clear() {
    m_objects.fill(nullptr);
    m_hint = 0;
}
