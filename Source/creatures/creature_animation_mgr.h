#pragma once
// A creature drawn as a stack of animation layers: its body (the soldier's own player), a
// shadow, up to three carried items and a blood splash. The body type chooses the art set,
// the soldier's state the body's animation file; every other layer shows the body's file,
// frame and facing from its own set, so the stack moves as one. Layers are drawn back to
// front by their frames' flags through the map's clip map, so walls in front hide them.
//
// Art sets: "Creat/" + name for creature bodies, "Char/" + "chmf" + the slot-1 item's
// ability name ("4" without one) for the composite player body with its shadow
// "Char/cshd" and "Item/" + ability name for what it carries, "Misc/shadow" and
// "Misc/blood0" to "Misc/blood2" for the rest. Files: "s0" standing, "w0" walking ("w1"
// too, on odd headings, for the composite body), "d0" dying and dead, the held item's
// ability name attacking, "misc_1" the simple shadow, "h0" blood.

#include "Library/core/sorted_list.h"
#include "Library/core/stringc.h"
#include "Library/graphics/animation_mgr.h"

#include <cstdint>

class ColourMod;
class CreatureData;
class ItemEntity;
class Screen;
class SoldierEntity;
class Spell;

class CreatureAnimationMgr {
public:
    enum Layer : int { kShadow, kSlot6Item, kHandItem, kSlot9Item, kBlood, kLayerCount };
    static constexpr int kShadowKey = 20;
    // Body types with art of their own.
    static constexpr int kFirstSimpleBody = 1;
    static constexpr int kLastSimpleBody = 11;
    static constexpr int kCompositeBody = 24832;

    CreatureAnimationMgr(SoldierEntity& owner, CreatureData& data); // both outlive it
    CreatureAnimationMgr(const CreatureAnimationMgr&) = delete;
    CreatureAnimationMgr& operator=(const CreatureAnimationMgr&) = delete;
    virtual ~CreatureAnimationMgr();

    void Release(); // no art in any layer, nothing tracked, rebuilt at the next refresh
    // Once a frame after the behaviour: the blood plays on, and while the creature stands a
    // change of the fight around it, or any change of what it carries (the hand's only
    // outside an attack), rebuilds the art.
    void Refresh(uint32_t frameMs);
    void LoadArtSet();
    void ShowBlood(); // ignored while a splash still plays
    // With every screen-position update: the layers follow the body's frame and are
    // ordered for drawing.
    void Update();
    void Draw(Screen& screen);
    void SetColourLevel(int red, int green, int blue);
    void ResetColourLevels(); // every layer's to the body's, after what it carries changed

    const AnimationMgr& GetLayer(Layer layer) const { return m_layers[layer]; }
    bool IsInUse(Layer layer) const; // an item layer showing an item
    bool IsBloodPlaying() const;
    // The layers in drawing order, furthest back first (the body is the soldier's own).
    int GetDrawOrder(const AnimationMgr* out[], int capacity) const;

private:
    // The items whose art shows: the composite body's own (inventory slot 1), the current
    // hand's, and those of slots 6 and 9.
    enum Tracked : int { kSlot1, kHand, kSlot6, kSlot9, kTrackedCount };

    bool IsSimple() const;
    bool IsComposite() const;
    bool HasDrawList() const { return IsSimple() || IsComposite(); }
    AnimationMgr& Body();
    Stringc BodyFile() const;
    const Spell* CastSpell() const; // the definition of the spell the owner casts, or null
    bool TrackItems(bool withHand); // true when a tracked item changed
    void SetItemLayer(Layer layer, const ItemEntity* item);
    void FollowBody();
    void RebuildDrawList();
    void PlaceLayer(AnimationMgr& layer) const;
    void DrawLayer(Screen& screen, AnimationMgr& layer, const ColourMod& colours, int opacity);

    // What every frame's refresh reads comes first: each layer is over a kilobyte.
    SoldierEntity& m_owner;
    CreatureData& m_data;
    const ItemEntity* m_tracked[kTrackedCount] = {};
    bool m_dirty = true;
    bool m_combatLook = false;
    // False once the blood layer was seen finished (or released) and until a splash
    // starts: a finished splash cannot start again by itself, so its layer is not read.
    bool m_bloodStarted = false;
    AnimationMgr m_layers[kLayerCount];
    bool m_inUse[kLayerCount] = {};
    Stringc m_bodyFile;
    SortedList<AnimationMgr> m_drawList;
};
