// Stepping through a set's animations, directions and frames; opening sets; the players of
// the comparison sets that follow the current animation.
#include "Source/editors/animation_editor.h"

#include "Library/files/data_file.h"
#include "Library/files/data_paths.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/interface/interface_object.h"

#include <algorithm>
#include <cstring>

namespace {

void SetField(InterfaceObject& window, uint32_t id, const Stringc& text) {
    if (InterfaceObject* field = window.FindChild(id))
        field->SetText(text.c_str());
}

Stringc Number(int value) {
    return Stringc(value);
}

Stringc Decimal(float value) {
    Stringc text;
    text.Format("%.3f", static_cast<double>(value));
    return text;
}

} // namespace

void AnimationEditor::NextFrame() {
    const int count = m_player.GetFrameCount();
    if (count == 0)
        return;
    m_player.SetFrame(m_player.GetFrame() + 1 < count ? m_player.GetFrame() + 1 : 0);
    FillFields();
    BringComparisonsAlong();
}

void AnimationEditor::PreviousFrame() {
    const int count = m_player.GetFrameCount();
    if (count == 0)
        return;
    m_player.SetFrame(m_player.GetFrame() > 0 ? m_player.GetFrame() - 1 : count - 1);
    FillFields();
    BringComparisonsAlong();
}

// Within the direction type, and within the directions the animation has.
void AnimationEditor::StepDirection(int step) {
    const int directions = std::min(m_directionType == 1 ? 1 : m_directionType,
                                    std::max(m_player.GetSequenceCount(), 1));
    const int sequence = (m_player.GetSequence() + step + directions) % directions;
    m_player.SetSequence(sequence);
    FillFields();
    BringComparisonsAlong();
}

// The pool holds the comparison sets too: only the current set's animations are stepped
// through, over every slot the pool has used.
void AnimationEditor::StepAnimation(int step) {
    const Stringc setDirectory = DataFileName(SetDirectory(m_player.GetAnimationName()).c_str());
    const int slots = m_pool.GetSlotCount();
    const int current = m_pool.IndexOf(m_player.GetAnimation());
    const auto inSet = [&](int slot) {
        const Animation* animation = m_pool.GetSlot(slot);
        return animation && animation->GetDirectory() == setDirectory;
    };
    int chosen = -1;
    if (step > 0) {
        for (int slot = current + 1; slot < slots && chosen < 0; ++slot)
            if (inSet(slot))
                chosen = slot;
        for (int slot = 0; slot < slots && chosen < 0; ++slot)
            if (inSet(slot))
                chosen = slot;
    } else {
        for (int slot = (current < 0 ? slots : current) - 1; slot >= 0 && chosen < 0; --slot)
            if (inSet(slot))
                chosen = slot;
        for (int slot = slots - 1; slot >= 0 && chosen < 0; --slot)
            if (inSet(slot))
                chosen = slot;
    }
    if (chosen < 0)
        return;
    ShowAnimation(*m_pool.GetSlot(chosen));
    FillFields();
    BringComparisonsAlong();
}

// The player keeps its direction where the animation has it, else starts at the first.
void AnimationEditor::ShowAnimation(const Animation& animation) {
    if (m_player.GetSequence() >= animation.GetSequenceCount())
        m_player.SetSequence(0);
    m_player.SetAnimation(animation.GetFileName().c_str(), m_pool);
}

bool AnimationEditor::OpenSet(const Stringc& directory) {
    const Stringc setName = SetNameOf(directory);
    if (setName.Length() == 0)
        return false;
    DropComparisons();
    m_player.Release();
    m_player.SetAnimationName(setName);
    m_reference.Release();
    m_pool.Clear();
    bool opened = true;
    if (!m_new) {
        int sequences = 0;
        opened = m_pool.LoadAll(directory.c_str(), sequences);
        if (opened)
            SetDirectionType(sequences);
    }
    opened = opened && m_pool.BuildFromDirectories(directory.c_str(), m_directionType, m_colourKey);
    if (!opened)
        return false;
    StepAnimation(1);
    return m_player.GetAnimation() != nullptr;
}

bool AnimationEditor::OpenComparisonSet(const Stringc& directory) {
    const Stringc setName = SetNameOf(directory);
    if (setName.Length() == 0)
        return false;
    AnimationMgr* comparison = m_comparisons.Alloc();
    comparison->Release();
    comparison->SetAnimationName(setName);
    int sequences = 0;
    if (!m_pool.LoadAll(directory.c_str(), sequences)) {
        m_comparisons.Free(m_comparisons.SlotOf(comparison));
        return false;
    }
    SetDirectionType(sequences);
    BringComparisonsAlong();
    return true;
}

void AnimationEditor::DropComparisons() {
    for (int slot = 0; slot < m_comparisons.GetCount(); ++slot)
        if (m_comparisons.IsUsed(slot))
            m_comparisons.Get(slot)->Release();
    m_comparisons.FreeAll();
}

// Only an animation already in the pool is shown: a set without one of the name shows none.
void AnimationEditor::BringComparisonsAlong() {
    const Stringc name = m_player.GetName();
    for (int slot = 0; slot < m_comparisons.GetCount(); ++slot) {
        if (!m_comparisons.IsUsed(slot))
            continue;
        AnimationMgr& comparison = *m_comparisons.Get(slot);
        const Stringc setName = comparison.GetAnimationName();
        comparison.Release();
        comparison.SetAnimationName(setName);
        const Stringc path = SetDirectory(setName) + "/" + name + ".ani";
        if (name.Length() == 0 || m_pool.Find(path.c_str()) < 0 ||
            !comparison.SetAnimation(name.c_str(), m_pool))
            continue;
        comparison.SetFrame(m_player.GetFrame());
        comparison.SetSequence(m_player.GetSequence());
    }
}

void AnimationEditor::FillFields() {
    float z = 0;
    m_player.GetFrameOffsets(m_offset.x, m_offset.y, z);
    m_offset.z = z;
    InterfaceObject& window = *m_editWindow;
    SetField(window, kAnimationField, m_player.GetName());
    SetField(window, kFrameField, Number(m_player.GetFrame()));
    SetField(window, kSequenceField, Number(m_player.GetSequence()));
    SetField(window, kOffsetXField, Decimal(m_offset.x));
    SetField(window, kOffsetYField, Decimal(m_offset.y));
    SetField(window, kDurationField, Number(static_cast<int>(m_player.GetFrameDuration())));
    SetField(window, kFlagField, Number(m_player.GetFrameFlag()));
    SetField(window, kTriggerAField, Number(m_player.GetTriggerFrameA()));
    SetField(window, kTriggerBField, Number(m_player.GetTriggerFrameB()));
}

// The path under the animation directory, without the '/' after it.
Stringc AnimationEditor::SetNameOf(const Stringc& directory) const {
    if (!g_dataPaths)
        return Stringc();
    Stringc normal(directory);
    normal.NormaliseDirectory();
    const Stringc prefix = g_dataPaths->GetAnimDir() + "/";
    if (normal.Length() <= prefix.Length() || normal.Left(prefix.Length()) != prefix)
        return Stringc();
    return normal.Right(normal.Length() - prefix.Length());
}

Stringc AnimationEditor::SetDirectory(const Stringc& setName) const {
    return g_dataPaths ? g_dataPaths->GetAnimDir() + "/" + setName : setName;
}
