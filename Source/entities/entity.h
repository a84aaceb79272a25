#pragma once
// Every game object that stands on a map: item, creature, projectile, ambient animation,
// door, chest, trigger zone, town. An entity is built once by its pool and reused: Init
// blanks it each time it is handed out, Load or LoadByName fills it, Release returns it.

#include "Library/core/stringc.h"
#include "Library/files/file_object.h"
#include "Library/graphics/colour_mod.h"
#include "Library/graphics/screen_pos.h"
#include "Library/scripts/entity_ref.h"
#include "Library/world/steering_entity.h"
#include "Library/world/world_object.h"
#include "Source/entities/event_arg.h"

#include <cstdint>
#include <memory>

class BinaryEntity;
class BinaryMapObject;
class CycleEntity;
class DoorEntity;
class EntityMgr;
class Graphic;
class ContainerMapEntity;
class ItemEntity;
class MapObject;
class ProjectileEntity;
class Screen;
class SoldierEntity;
class TintedGraphic;
class TownEntity;
class TriggerEntity;

class Entity : public WorldObject, public FileObject, public SteeringEntity {
public:
    // Type codes, kept in the placed object's kind.
    enum Type : uint16_t {
        kTypeBase = 0,
        kTypeItem = 1,
        kTypeQueued = 2,
        kTypeSoldier = 3,
        kTypeProjectile = 4,
        kTypeCycle = 5,
        kTypeBinary = 6,
        kTypeDoor = 7,
        kTypeContainer = 8,
        kTypeContainerMap = 9,
        kTypeTrigger = 10,
        kTypeTown = 11,
        kTypeCount = 12,
    };

    // Flags.
    static constexpr uint32_t kFlagAlive = 0x01; // soldiers
    static constexpr uint32_t kFlagShown = 0x40; // mouse-over counts only while set
    static constexpr uint32_t kFlagPartyMember = 0x80;
    static constexpr uint32_t kFlagHidden = 0x100;       // not drawn, picked, placed or saved
    static constexpr uint32_t kFlagUnsearchable = 0x200; // left out of visible-only searches
    static constexpr uint32_t kFlagChanging = 0x400;     // two-state change under way
    static constexpr uint32_t kFlagStateA = 0x800;       // two-state state, two bits
    static constexpr uint32_t kFlagStateB = 0x1000;
    static constexpr uint32_t kFlagCandidate = 0x2000; // selected by the running query
    static constexpr uint32_t kFlagMouseOver = 0x4000;
    static constexpr uint32_t kFlagStatic = 0x8000;      // set by the tile map
    static constexpr uint32_t kFlagNeverSaved = 0x10000; // soldiers left out of saved regions

    static constexpr int kRingLimit = 240; // rings this wide or wider are not drawn

    Entity();
    ~Entity() override;

    // Back to a blank entity, with the placed object's id released and taken again: from
    // here on the object is another entity, with the next incarnation.
    virtual void Init();
    // The entity record: the placed object's 36 bytes (whose kind must be the class's type),
    // Stringc template name, f32 radius, u32 aux, Stringc picture name, the EntityRef record, the
    // colour modification, Stringc display name, Stringc description. Stops at the first failure;
    // what was read stays. Derived classes read and write this first, then their own fields.
    virtual bool Load(Stream& stream);
    virtual bool Save(Stream& stream) const;
    virtual float GetWeight() const { return 0.0f; }
    virtual void SetWeight(float /*weight*/) {}
    virtual void Release(); // back to the manager that handed it out
    virtual bool Update(uint32_t frameMs);
    bool UpdateScreenPos(Screen& screen) override;
    virtual bool AlwaysTrue() const { return true; }
    // Mouse-over from the picture's rectangle, and the picture drawn (editor outline too).
    virtual void UpdateMouseOver(Screen& screen);
    bool Draw(Screen& screen) override;
    virtual void DrawHighlight(Screen& screen);
    // An ellipse around the entity's foot, radii a and b, only for 0 <= a < 240 and b >= 0.
    virtual int DrawRing(int a, int b, Screen& screen);
    virtual void OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3);
    virtual bool HitTestPixel(int x, int y) const;
    virtual bool ContainsPoint(int x, int y) const;    // the screen rectangle
    virtual bool ContainsMapPoint(int x, int y) const; // the circle, at the world point there
    virtual bool OverlapsRect(uint16_t x1, uint16_t y1, uint16_t x2, uint16_t y2) const;
    virtual bool Collides(const Entity& other, const Vector& point) const;
    virtual void CheckMouseOver();
    virtual void SyncGraphicPosition();
    void SetColourMod(int red, int green, int blue) override;
    virtual bool HitTest(int x, int y) const;

    // The template of the own type: the type's entity directory + "/" + name (extension
    // dropped) + ".dat", from the archive or the loose file. The file name becomes the path.
    bool LoadByName(const Stringc& name);
    void SetGraphic(const Graphic* graphic); // null ignored; the screen size takes its size
    void SetRadius(float radius, uint32_t aux);

    static bool AsItem(Entity* entity, ItemEntity** out = nullptr);
    static bool AsSoldier(Entity* entity, SoldierEntity** out = nullptr);
    static bool AsProjectile(Entity* entity, ProjectileEntity** out = nullptr);
    static bool AsCycle(Entity* entity, CycleEntity** out = nullptr);
    static bool AsBinary(Entity* entity, BinaryEntity** out = nullptr);
    static bool AsDoor(Entity* entity, DoorEntity** out = nullptr);
    static bool AsContainerMap(Entity* entity, ContainerMapEntity** out = nullptr);
    static bool AsTrigger(Entity* entity, TriggerEntity** out = nullptr);
    static bool AsTown(Entity* entity, TownEntity** out = nullptr);
    // The map object of a trigger, door or chest on the map; false for other entities.
    static bool GetMapObject(Entity* entity, MapObject** out = nullptr);
    // The two-state map object of a door or chest on the map; false for other entities.
    static bool GetBinaryMapObject(Entity* entity, BinaryMapObject** out = nullptr);
    static bool SameName(const Entity* a, const Entity* b); // template names, case ignored
    // The target, blanked, takes every stored field of a source of its own type (not a
    // queued entity, trigger or town) through the class's own record, so nothing the source
    // owns is shared. False for other pairs, changing nothing; a record that does not read
    // back leaves the target blank.
    static bool CopyFrom(Entity& target, const Entity& source);

    const Stringc& GetTemplateName() const { return GetFileName(); }
    void SetTemplateName(const Stringc& name); // the reference's name follows
    // Settles the flags first: a change of the life state must not reach a soldier's held
    // selection.
    EntityRef& GetRef() {
        SettleHeldFlags();
        return m_ref;
    }
    const EntityRef& GetRef() const { return m_ref; }
    const Vector& GetPosition() const override { return WorldObject::GetPosition(); }
    float GetRadius() const override { return m_radius; }
    const Vehicle* GetVehicle() const override { return nullptr; } // a soldier's steers it
    uint32_t GetAux() const { return m_aux; }
    const ScreenPos& GetScreenRect() const { return m_screenRect; }
    void SetScreenPosition(int x, int y);
    const Stringc& GetGraphicName() const { return m_graphicName; }
    void SetGraphicName(const Stringc& name) { m_graphicName = name; }
    const Graphic* GetGraphic() const { return m_picture; }
    ColourMod& GetColourMod() { return m_colourMod; }
    const ColourMod& GetColourMod() const { return m_colourMod; }
    const Stringc& GetDisplayName() const { return m_displayName; }
    void SetDisplayName(const Stringc& name) { m_displayName = name; }
    const Stringc& GetDescription() const { return m_description; }
    void SetDescription(const Stringc& text) { m_description = text; }
    // The class's type code; the placed object's kind says the same of a sound entity.
    Type GetType() const { return m_type; }
    bool IsHidden() const { return HasAnyFlag(kFlagHidden); }
    bool IsCandidate() const { return HasAnyFlag(kFlagCandidate); }
    // The candidate flag set or cleared without telling the manager: only for the soldier
    // cells' own selections, which they keep track of themselves.
    void SetCandidateUnreported(bool on) {
        SetFlagsUnreported(on ? GetFlags() | kFlagCandidate : GetFlags() & ~kFlagCandidate);
    }
    bool IsDeadSoldier() const; // a soldier whose reference says dead
    uint32_t GetIncarnation() const { return m_incarnation; }

    // The pool that handed the entity out sets its manager; a soldier holds the flags by its
    // cells.
    void SetManager(EntityMgr* manager);
    EntityMgr* GetManager() const { return m_manager; }
    // The pool's slot whose object this is, set by the pool; -1 for one never pooled.
    void SetPoolSlot(int slot) { m_poolSlot = slot; }
    int GetPoolSlot() const { return m_poolSlot; }

protected:
    void SetType(Type type); // each class's constructor, after its base's
    virtual uint32_t GetSavedFlags() const { return GetFlags(); } // as the record stores them
    ScreenPos& ScreenRect() { return m_screenRect; }
    // The world point plus the offset, through the view's transform, each rounded.
    void PlaceOnScreen(const Vector& offset);
    bool IsMouseOverShown() const; // shown, and hit at the mouse position
    // The world point at the screen point: in the map editor within one unit of the
    // position (the anchor), elsewhere in the map object's zone of its current state.
    bool HitTestZone(const MapObject& mapObject, int x, int y) const;
    // Grey at the pulse less one, as the screen's drawing colour.
    static void SetHighlightColour(Screen& screen);
    // A soldier tells its manager's cells.
    void PositionChanged() override;
    void FlagsChanged(uint32_t before) override;
    uint32_t HeldFlags(uint32_t flags) const override;

private:
    void RefRenamed(); // a soldier tells its manager's names

    Type m_type = kTypeBase;
    ScreenPos m_screenRect;
    Stringc m_graphicName;
    std::unique_ptr<TintedGraphic> m_graphic;
    const Graphic* m_picture = nullptr; // the graphic manager's
    EntityRef m_ref;
    ColourMod m_colourMod;
    Stringc m_displayName;
    Stringc m_description;
    float m_radius = 0.0f;
    uint32_t m_aux = 0;
    EntityMgr* m_manager = nullptr;
    int m_poolSlot = -1;
    uint32_t m_incarnation = 0;
};
