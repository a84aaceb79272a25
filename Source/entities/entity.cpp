#include "Source/entities/entity.h"

#include "Library/core/stream.h"
#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/graphic_mgr.h"
#include "Library/graphics/tinted_graphic.h"
#include "Library/scripts/stored_text.h"
#include "Source/entities/entity_mgr.h"

#include <cstdio>

Entity::Entity() : m_graphic(std::make_unique<TintedGraphic>()), m_ref(this) {
    SetType(kTypeBase);
}

void Entity::SetType(Type type) {
    m_type = type;
    SetKind(type);
}

Entity::~Entity() = default;

void Entity::Init() {
    ++m_incarnation;
    m_screenRect = ScreenPos();
    WorldObject::Reset(); // the old id goes back before a new one is taken
    FileObject::Clear();
    m_graphicName.Clear();
    // The picture may belong to a graphic cache emptied since: never draw or recolour from it.
    if (m_picture != nullptr) {
        m_graphic = std::make_unique<TintedGraphic>();
        m_picture = nullptr;
    }
    m_radius = 0.0f;
    m_aux = 0;
    AddFlags(kFlagShown);
    m_ref.Reset();
    RefRenamed();
    m_colourMod.Clear();
    m_displayName.Clear();
    m_description.Clear();
}

bool Entity::Load(Stream& stream) {
    Stringc templateName;
    const bool placed = WorldObject::Read(stream);
    // The lists and casts go by the kind: a record of another class must not make this
    // entity pass for one of that class.
    if (GetKind() != m_type) {
        if (placed)
            std::fprintf(stderr, "An entity record of type %d cannot be read into one of type %d\n",
                         GetKind(), m_type);
        SetKind(m_type);
        return false;
    }
    if (!placed || !ReadStoredName(stream, templateName))
        return false;
    SetTemplateName(templateName);
    const bool sized = stream.ReadValue(m_radius);
    PositionChanged();
    if (!sized || !stream.ReadValue(m_aux) || !ReadStoredName(stream, m_graphicName))
        return false;
    if (m_graphicName.Length() > 0) {
        const Stringc path =
            (g_dataPaths ? g_dataPaths->GetGraphicDir() : Stringc()) + "/Item/" + m_graphicName;
        const Graphic* picture = g_graphicMgr ? g_graphicMgr->GetGraphic(path.c_str()) : nullptr;
        if (picture == nullptr) {
            std::fprintf(stderr, "Entity %s: its picture %s cannot be loaded\n",
                         GetFileName().c_str(), path.c_str());
            return false;
        }
        SetGraphic(picture);
    }
    if (!m_ref.Read(stream)) // which changes nothing when it fails
        return false;
    m_ref.SetName(GetFileName());
    RefRenamed();
    if (!m_colourMod.Read(stream) || !ReadStoredText(stream, m_displayName) ||
        !ReadStoredText(stream, m_description))
        return false;
    AddFlags(kFlagShown);
    return true;
}

bool Entity::Save(Stream& stream) const {
    WorldObject stored;
    stored.Copy(*this);
    stored.SetFlags(GetSavedFlags());
    return stored.Write(stream) && GetFileName().Write(stream) && stream.WriteValue(m_radius) &&
           stream.WriteValue(m_aux) && m_graphicName.Write(stream) && m_ref.Write(stream) &&
           m_colourMod.Write(stream) && m_displayName.Write(stream) && m_description.Write(stream);
}

void Entity::Release() {
    if (m_manager != nullptr)
        m_manager->ReleaseEntity(this);
}

bool Entity::Update(uint32_t frameMs) {
    m_colourMod.Update(frameMs);
    return true;
}

bool Entity::LoadByName(const Stringc& name) {
    if (g_dataPaths == nullptr) {
        std::fprintf(stderr, "No data paths give the directory of entity %s\n", name.c_str());
        return false;
    }
    Stringc baseName(name);
    baseName.StripExtension();
    const Stringc path = g_dataPaths->GetEntityDir(GetKind()) + "/" + baseName + ".dat";
    MemStream stream(kStreamReadBinary);
    if (!LoadDataFile(path.c_str(), g_generalRes, stream))
        return false;
    if (!Load(stream)) {
        std::fprintf(stderr, "%s: the entity template cannot be read\n", path.c_str());
        return false;
    }
    SetFileName(g_dataPaths->MakePath(path.c_str()));
    m_ref.SetName(GetFileName());
    RefRenamed();
    return true;
}

void Entity::SetGraphic(const Graphic* graphic) {
    if (graphic == nullptr)
        return;
    m_picture = graphic;
    m_graphic->SetSource(graphic);
    m_screenRect.w = graphic->GetWidth();
    m_screenRect.h = graphic->GetHeight();
}

void Entity::SetRadius(float radius, uint32_t aux) {
    m_radius = radius;
    m_aux = aux;
    PositionChanged();
}

void Entity::RefRenamed() {
    if (m_type == kTypeSoldier && m_manager != nullptr)
        m_manager->SoldierRenamed();
}

void Entity::PositionChanged() {
    if (m_type == kTypeSoldier && m_manager != nullptr)
        m_manager->SoldierMoved(*this);
}

void Entity::SetManager(EntityMgr* manager) {
    m_manager = manager;
    if (m_type == kTypeSoldier)
        HoldFlagsBy(manager != nullptr ? manager->GetHeldSoldierRound() : nullptr);
}

uint32_t Entity::HeldFlags(uint32_t flags) const {
    return m_manager != nullptr ? m_manager->SoldierHeldFlags(*this, flags) : flags;
}

void Entity::FlagsChanged(uint32_t /*before*/) {
    if (m_type == kTypeSoldier && m_manager != nullptr)
        m_manager->SoldierFlagsChanged();
}

// As the name of a template file, so that a name with a '.' of its own keeps it whole.
void Entity::SetTemplateName(const Stringc& name) {
    if (name.Length() > 0)
        SetFileName(name + ".dat");
    else
        FileObject::Clear(); // none, rather than one named by the extension alone
    m_ref.SetName(GetFileName());
    RefRenamed();
}

void Entity::SetScreenPosition(int x, int y) {
    m_screenRect.x = x;
    m_screenRect.y = y;
}

bool Entity::IsDeadSoldier() const {
    return GetKind() == kTypeSoldier && m_ref.IsDead();
}

void Entity::OnEvent(int /*kind*/, EventArg /*p1*/, EventArg /*p2*/, EventArg /*p3*/) {}

bool Entity::Collides(const Entity& other, const Vector& point) const {
    if (&other == this)
        return false;
    const float reach = m_radius + other.m_radius;
    return (GetPosition() - point).LengthSquared() <= reach * reach;
}

void Entity::SetColourMod(int red, int green, int blue) {
    if (m_picture != nullptr) {
        ColourOffset offsets;
        offsets.red = static_cast<int16_t>(red);
        offsets.green = static_cast<int16_t>(green);
        offsets.blue = static_cast<int16_t>(blue);
        m_graphic->SetColour(offsets);
    }
    m_colourMod.SetLevel(red, green, blue);
}
