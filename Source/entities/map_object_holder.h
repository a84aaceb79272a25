#pragma once
// The map object that a trigger, door or chest owns (kind, zone and script), held for the
// entity manager to reach. None until the owner's class makes its own.

class MapObjectLink;

class MapObjectHolder {
public:
    MapObjectLink* GetMapObject() const { return m_mapObject; }
    void AttachMapObject(MapObjectLink* mapObject) { m_mapObject = mapObject; } // not owned

private:
    MapObjectLink* m_mapObject = nullptr;
};
