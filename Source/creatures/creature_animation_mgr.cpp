#include "Source/creatures/creature_animation_mgr.h"

#include "Library/graphics/colour_mod.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/random_source.h"
#include "Library/world/tile_map.h"
#include "Library/world/view_scale.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/item_ability.h"
#include "Source/creatures/spell.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"

#include <cmath>
#include <utility>

namespace {

constexpr const char* kCreaturePrefix = "Creat/";
constexpr const char* kCharacterPrefix = "Char/";
constexpr const char* kItemPrefix = "Item/";
constexpr const char* kMiscPrefix = "Misc/";
constexpr const char* kCompositeName = "chmf";
constexpr const char* kCompositeDefault = "4";
constexpr const char* kCompositeShadow = "cshd";
constexpr const char* kShadowSet = "shadow";
constexpr const char* kShadowFile = "misc_1";
constexpr const char* kBloodSet = "blood";
constexpr const char* kBloodFile = "h0";
constexpr int kBloodKinds = 3;
constexpr int kFullOpacity = 255;

constexpr const char* kSimpleBodies[] = {
    "scimale",   "suitmale",  "fatman",   "jacketjeans", "soldiermale", "neanderthalmale",
    "aliengrey", "monkhuman", "antgiant", "dog",         "suitfemale"};

enum BodyType : int {
    kMber1 = 29184,
    kMber2 = 29185,
    kNfam = 51200,
    kNsim = 51456,
};

// Colour blocks of the creature record by layer: the body's is 0.
constexpr int kBodyBlock = 0;
constexpr int kBlockOf[CreatureAnimationMgr::kLayerCount] = {0, 1, 2, 3, 4};

// How far above the body's frame offset a splash of blood shows, by body type.
int BloodRise(int body) {
    switch (body) {
    case 7:
        return -22;
    case 9:
        return -15;
    case 10:
        return -12;
    case kMber1:
    case kMber2:
        return -19;
    default:
        return -35;
    }
}

// The name of a carried item's art: its ability's animation set.
Stringc ArtNameOf(const ItemEntity* item) {
    const ItemAbility* ability = item ? ItemAbility::Of(item->GetAbility()) : nullptr;
    return ability ? ability->GetAnimationName() : Stringc();
}

bool HasFinished(const AnimationMgr& layer) {
    return layer.GetAnimation() == nullptr || layer.GetFrame() >= layer.GetFrameCount() - 1;
}

// The frame's offsets in screen pixels, each to the nearest pixel.
void PixelOffsets(const AnimationMgr& layer, int& x, int& y) {
    float ox = 0.0f, oy = 0.0f, oz = 0.0f;
    layer.GetFrameOffsets(ox, oy, oz);
    const Vector scale = g_viewScale.GetPixelsPerUnit();
    x = static_cast<int>(std::lround(ox * scale.x));
    y = static_cast<int>(std::lround(oy * scale.y));
}

} // namespace

CreatureAnimationMgr::CreatureAnimationMgr(SoldierEntity& owner, CreatureData& data)
    : m_owner(owner), m_data(data) {
    RebuildDrawList();
}

CreatureAnimationMgr::~CreatureAnimationMgr() = default;

AnimationMgr& CreatureAnimationMgr::Body() {
    return m_owner.GetAnimation();
}

bool CreatureAnimationMgr::IsSimple() const {
    const int body = m_data.GetBodyType();
    return body >= kFirstSimpleBody && body <= kLastSimpleBody;
}

bool CreatureAnimationMgr::IsComposite() const {
    return m_data.GetBodyType() == kCompositeBody;
}

bool CreatureAnimationMgr::IsInUse(Layer layer) const {
    return m_inUse[layer];
}

bool CreatureAnimationMgr::IsBloodPlaying() const {
    return m_bloodStarted && !HasFinished(m_layers[kBlood]);
}

void CreatureAnimationMgr::Release() {
    for (AnimationMgr& layer : m_layers)
        layer.Release();
    for (bool& inUse : m_inUse)
        inUse = false;
    for (const ItemEntity*& item : m_tracked)
        item = nullptr;
    m_bodyFile.Clear();
    m_dirty = true;
    m_bloodStarted = false;
}

bool CreatureAnimationMgr::TrackItems(bool withHand) {
    const CreatureInventory& inventory = m_data.GetInventory();
    const ItemEntity* now[kTrackedCount] = {inventory.GetSlot(1), inventory.GetCurrentItem(),
                                            inventory.GetSlot(6), inventory.GetSlot(9)};
    bool changed = false;
    for (int tracked = 0; tracked < kTrackedCount; ++tracked) {
        if (tracked == kHand && !withHand)
            continue;
        changed = changed || now[tracked] != m_tracked[tracked];
        m_tracked[tracked] = now[tracked];
    }
    return changed;
}

void CreatureAnimationMgr::Refresh(uint32_t frameMs) {
    if (IsBloodPlaying())
        m_layers[kBlood].Advance(false, frameMs);
    else
        m_bloodStarted = false;
    if (m_owner.IsInState(SoldierEntity::kStateStanding)) {
        const EntityMgr* manager = m_owner.GetManager();
        const bool look = (manager && manager->IsInCombat()) || m_owner.SeesEnemies();
        if (look != m_combatLook) {
            m_combatLook = look;
            m_dirty = true;
        }
    }
    if (TrackItems(!m_owner.IsInState(SoldierEntity::kStateAttacking)))
        m_dirty = true;
    if (!m_dirty)
        return;
    m_dirty = false;
    LoadArtSet();
}

const Spell* CreatureAnimationMgr::CastSpell() const {
    return g_uniSpellMgr ? g_uniSpellMgr->FindSpell(m_owner.GetCurrentSpell()) : nullptr;
}

Stringc CreatureAnimationMgr::BodyFile() const {
    switch (m_owner.GetState()) {
    case SoldierEntity::kStateWalking:
        return IsComposite() && m_owner.GetWalkDirection() % 2 != 0 ? "w1" : "w0";
    case SoldierEntity::kStateAttacking:
        return ArtNameOf(m_tracked[kHand]);
    case SoldierEntity::kStateDying:
    case SoldierEntity::kStateDead:
        return "d0";
    case SoldierEntity::kStateCasting:
        if (const Spell* spell = CastSpell();
            IsComposite() && spell != nullptr && spell->GetAnimationSet().Length() > 0)
            return spell->GetAnimationSet();
        return "s0";
    default:
        return "s0";
    }
}

void CreatureAnimationMgr::SetItemLayer(Layer layer, const ItemEntity* item) {
    const Stringc name = ArtNameOf(item);
    m_inUse[layer] = item != nullptr && name.Length() > 0;
    m_layers[layer].SetAnimationName(m_inUse[layer] ? Stringc(kItemPrefix) + name : Stringc());
}

void CreatureAnimationMgr::LoadArtSet() {
    const int body = m_data.GetBodyType();
    Stringc bodySet;
    Stringc shadowSet;
    const char* shadowFile = nullptr;
    if (IsSimple()) {
        bodySet = Stringc(kCreaturePrefix) + kSimpleBodies[body - kFirstSimpleBody];
        shadowSet = Stringc(kMiscPrefix) + kShadowSet;
        shadowFile = kShadowFile;
    } else if (IsComposite()) {
        const Stringc own = ArtNameOf(m_tracked[kSlot1]);
        bodySet = Stringc(kCharacterPrefix) + kCompositeName +
                  (own.Length() > 0 ? own : Stringc(kCompositeDefault));
        shadowSet = Stringc(kCharacterPrefix) + kCompositeShadow;
        SetItemLayer(kSlot6Item, m_tracked[kSlot6]);
        SetItemLayer(kHandItem, m_tracked[kHand]);
        SetItemLayer(kSlot9Item, m_tracked[kSlot9]);
    } else if (body == kMber1 || body == kMber2) {
        bodySet = Stringc(kCreaturePrefix) + "mber";
        shadowSet = bodySet;
    } else if (body == kNfam || body == kNsim) {
        bodySet = Stringc(kCreaturePrefix) + (body == kNfam ? "nfam" : "nsim");
    } else {
        return;
    }
    m_bodyFile = BodyFile();
    m_owner.SetAnimationName(bodySet);
    m_owner.SetAnimation(m_bodyFile.c_str());
    m_layers[kShadow].SetAnimationName(shadowSet);
    if (g_uniAnimationMgr != nullptr && shadowSet.Length() > 0)
        m_layers[kShadow].SetAnimation(shadowFile ? shadowFile : m_bodyFile.c_str(),
                                       *g_uniAnimationMgr);
    AnimationMgr& bodyLayer = Body();
    const int frames = bodyLayer.GetFrameCount();
    if (m_owner.IsInState(SoldierEntity::kStateStanding) && frames > 1)
        bodyLayer.SetFrame(GameRules::Random().Int(0, frames - 1));
    else if (m_owner.IsInState(SoldierEntity::kStateDead) && frames > 0)
        bodyLayer.SetFrame(frames - 1);
    // The layers take their new art now: the body's frame may not change before the next
    // drawing, which would show them without it.
    if (HasDrawList()) {
        RebuildDrawList();
        FollowBody();
    }
}

void CreatureAnimationMgr::ShowBlood() {
    AnimationMgr& blood = m_layers[kBlood];
    if (IsBloodPlaying() || g_uniAnimationMgr == nullptr)
        return;
    m_bloodStarted = true;
    const int kind = GameRules::Random().Int(0, kBloodKinds);
    blood.SetAnimationName(Stringc(kMiscPrefix) + kBloodSet + Stringc(kind));
    blood.SetAnimation(kBloodFile, *g_uniAnimationMgr);
    blood.SetFrame(0);
}

// Every layer of the list but the body takes the body's file, frame and facing; the simple
// bodies' shadow lies flat under them, always its one frame.
void CreatureAnimationMgr::FollowBody() {
    AnimationMgr& body = Body();
    for (const SortedListNode<AnimationMgr>* node = m_drawList.GetHead(); node; node = node->next) {
        AnimationMgr& layer = *node->item;
        if (&layer == &body || g_uniAnimationMgr == nullptr)
            continue;
        if (&layer == &m_layers[kShadow] && IsSimple()) {
            layer.SetAnimation(kShadowFile, *g_uniAnimationMgr);
            layer.SetSequence(0);
            layer.SetFrame(0);
        } else {
            layer.SetAnimation(m_bodyFile.c_str(), *g_uniAnimationMgr);
            layer.SetSequence(body.GetSequence());
            layer.SetFrame(body.GetFrame());
        }
        layer.Update();
    }
}

// Equal keys keep the order of insertion: the body before the slot-6 item.
void CreatureAnimationMgr::RebuildDrawList() {
    m_drawList.Clear();
    AnimationMgr& body = Body();
    m_drawList.Insert(body.GetFrameFlag(), &body);
    for (Layer layer : {kSlot9Item, kHandItem, kSlot6Item})
        if (m_inUse[layer])
            m_drawList.Insert(m_layers[layer].GetFrameFlag(), &m_layers[layer]);
    m_drawList.Insert(kShadowKey, &m_layers[kShadow]);
}

void CreatureAnimationMgr::Update() {
    if (IsBloodPlaying())
        m_layers[kBlood].Update();
    const bool rebuilt = Body().Update();
    if (!HasDrawList())
        return;
    if (rebuilt)
        FollowBody();
    RebuildDrawList();
}

int CreatureAnimationMgr::GetDrawOrder(const AnimationMgr* out[], int capacity) const {
    int count = 0;
    for (const SortedListNode<AnimationMgr>* node = m_drawList.GetHead(); node && count < capacity;
         node = node->next)
        out[count++] = node->item;
    return count;
}

// At the creature's foot plus the frame's offsets; the blood at the body's, raised.
void CreatureAnimationMgr::PlaceLayer(AnimationMgr& layer) const {
    int footX = 0, footY = 0, offsetX = 0, offsetY = 0;
    WorldToScreen(m_owner.GetPosition(), footX, footY);
    PixelOffsets(&layer == &m_layers[kBlood] ? m_owner.GetAnimation() : layer, offsetX, offsetY);
    if (&layer == &m_layers[kBlood])
        offsetY += BloodRise(m_data.GetBodyType());
    layer.SetScreenPosition(footX + offsetX, footY + offsetY);
}

void CreatureAnimationMgr::DrawLayer(Screen& screen, AnimationMgr& layer, const ColourMod& colours,
                                     int opacity) {
    const EntityMgr* manager = m_owner.GetManager();
    const TileMap* map = manager ? manager->GetTileMap() : nullptr;
    if (map == nullptr || layer.GetAnimation() == nullptr)
        return;
    int footX = 0, baseLine = 0;
    PlaceLayer(layer);
    WorldToScreen(m_owner.GetPosition(), footX, baseLine);
    layer.ApplyColourMod(colours);
    map->GetClipMap().DrawClipped(screen.GetSurface(), *map, layer, baseLine, opacity);
}

// The shadow brings the creature's highlight ring under everything; the colour blocks'
// fade makes a creature leaving sight fade away.
void CreatureAnimationMgr::Draw(Screen& screen) {
    const ColourMod& body = std::as_const(m_data).GetColourMod(kBodyBlock);
    const int opacity = body.GetAlpha();
    if (HasDrawList()) {
        for (const SortedListNode<AnimationMgr>* node = m_drawList.GetHead(); node;
             node = node->next) {
            AnimationMgr& layer = *node->item;
            if (&layer == &m_layers[kShadow]) {
                m_owner.DrawHighlight(screen);
                DrawLayer(screen, layer, body, opacity / 2);
            } else if (&layer == &Body()) {
                DrawLayer(screen, layer, body, opacity);
            } else {
                const ColourMod& colours =
                    std::as_const(m_data).GetColourMod(kBlockOf[&layer - m_layers]);
                DrawLayer(screen, layer, colours, colours.GetAlpha());
            }
        }
    } else if (m_data.GetBodyType() == kMber1 || m_data.GetBodyType() == kMber2 ||
               m_data.GetBodyType() == kNfam || m_data.GetBodyType() == kNsim) {
        m_owner.DrawHighlight(screen);
        DrawLayer(screen, Body(), body, opacity);
    }
    // Blood keeps its own colours: only the blood block's tint reaches it.
    if (IsBloodPlaying()) {
        const ColourMod& block = std::as_const(m_data).GetColourMod(kBlockOf[kBlood]);
        ColourMod blood;
        blood.SetTint(block.Tints(), block.GetTintColour());
        DrawLayer(screen, m_layers[kBlood], blood, kFullOpacity);
    }
}

void CreatureAnimationMgr::SetColourLevel(int red, int green, int blue) {
    TrackItems(true);
    for (int block = 0; block < kBlood; ++block)
        m_data.GetColourMod(block).SetTargetLevel(red, green, blue);
}

void CreatureAnimationMgr::ResetColourLevels() {
    const ColourMod& body = std::as_const(m_data).GetColourMod(kBodyBlock);
    SetColourLevel(body.GetLevel(0), body.GetLevel(1), body.GetLevel(2));
}
