// The stored forms of entities, typed from their layouts.
#include "Source/entities/entity.h"

#include "Library/core/test_stream_support.h"
#include "Source/entities/queued_entity.h"
#include "entity_record_bytes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace testsupport;

const Bytes kPlacement = Placement(0, 0x40);
const Bytes kBarrel = BarrelRecord(0, 0x40);

TEST(EntityRecord, ReadsAndWritesEveryFieldInItsPlace) {
    Entity entity;
    entity.Init();
    ASSERT_TRUE(LoadFrom(entity, kBarrel));
    EXPECT_EQ(entity.GetPosition(), Vector(1.5f, 2.0f, 0.0f));
    EXPECT_STREQ(entity.GetTemplateName().c_str(), "barrel");
    EXPECT_FLOAT_EQ(entity.GetRadius(), 0.5f);
    EXPECT_EQ(entity.GetAux(), 3u);
    EXPECT_EQ(entity.GetRef().GetSide(), 31u);
    EXPECT_EQ(entity.GetRef().GetMatch(2), 9u);
    EXPECT_EQ(entity.GetRef().GetEntity(), &entity);
    EXPECT_STREQ(entity.GetDisplayName().c_str(), "Barrel");
    EXPECT_EQ(SavedForm(entity), kBarrel);
}

// The stored reference name gives way to the template name, and a dotted one is kept whole.
TEST(EntityRecord, TheTemplateNameIsKeptWholeAndNamesTheReference) {
    Entity entity;
    const Bytes renamed = Concat(
        {kPlacement, kTemplateName, kRadiusAuxPicture, Ref("Barrel"), kClearedColourMod, kNames});
    ASSERT_TRUE(LoadFrom(entity, renamed));
    EXPECT_STREQ(entity.GetRef().GetName().c_str(), "barrel");
    EXPECT_EQ(SavedForm(entity), kBarrel);

    entity.SetTemplateName("Old.Barrel.");
    const Bytes stored = SavedForm(entity);
    ASSERT_TRUE(LoadFrom(entity, stored));
    EXPECT_STREQ(entity.GetTemplateName().c_str(), "old.barrel.");
    EXPECT_EQ(SavedForm(entity), stored);
}

TEST(EntityRecord, AQueuedEntityAddsItsStateAndItsPlayer) {
    QueuedEntity entity;
    const Bytes stored = QueuedBarrel(2, 0x40);
    ASSERT_TRUE(LoadFrom(entity, stored));
    EXPECT_EQ(entity.GetState(), 7);
    EXPECT_STREQ(entity.GetAnimation().GetAnimationName().c_str(), "misc");
    EXPECT_EQ(SavedForm(entity), stored);
}

TEST(EntityRecord, CutAndForgedRecordsAreRefused) {
    for (size_t length = 0; length < kBarrel.size(); ++length) {
        Entity entity;
        EXPECT_FALSE(LoadFrom(entity, Cut(kBarrel, kBarrel.size() - length))) << length;
        EXPECT_EQ(entity.GetKind(), Entity::kTypeBase) << length;
    }
    const Bytes queued = QueuedBarrel(2, 0x40);
    for (size_t length = kBarrel.size(); length < queued.size(); ++length) {
        QueuedEntity entity;
        EXPECT_FALSE(LoadFrom(entity, Cut(queued, queued.size() - length))) << length;
    }
    struct Forgery {
        const char* what;
        size_t at;
        Bytes bytes;
    };
    const size_t refAt = kPlacement.size() + kTemplateName.size() + kRadiusAuxPicture.size();
    const Forgery forgeries[] = {
        {"a record of another class (a soldier's kind)", 24, {0x03, 0x00}},
        {"a template name without its NUL", kPlacement.size() + 8, {'s'}},
        {"six entries in the reference's list", refAt + 37, {0x06}},
        {"a picture that cannot be had", kPlacement.size() + kTemplateName.size() + 8, {0x02}},
    };
    for (const Forgery& forgery : forgeries) {
        SCOPED_TRACE(forgery.what);
        Bytes bytes = kBarrel;
        std::copy(forgery.bytes.begin(), forgery.bytes.end(), bytes.begin() + forgery.at);
        Entity entity;
        EXPECT_FALSE(LoadFrom(entity, bytes));
        EXPECT_EQ(entity.GetKind(), Entity::kTypeBase); // the class's own code stays
        EXPECT_FALSE(Entity::AsSoldier(&entity));
    }
}

// A template and an animation set name files: one that leads out of its folder is damage.
TEST(EntityRecord, NamesLeadingOutOfTheirFoldersAreRefused) {
    for (const char* name : {"../barrel", "/barrel", "C:barrel", "a/../../barrel"}) {
        Entity entity;
        EXPECT_FALSE(LoadFrom(entity, WithText(kBarrel, "barrel", name))) << name;
    }
    QueuedEntity queued;
    EXPECT_FALSE(LoadFrom(queued, WithText(QueuedBarrel(2, 0x40), "misc", "..\\misc")));
}

// A place that is not a number, or lies beyond every map, is damage: it would reach the cell
// conversions of every frame.
TEST(EntityRecord, APlaceBeyondEveryMapIsRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float wrong : {nan, std::numeric_limits<float>::infinity(), 3.0e9f, -2.0e6f}) {
        for (const long at : {0L, 4L, 16L}) { // the position's x and y, the second vector's y
            Bytes bytes = kBarrel;
            PutFieldAt(bytes.data(), at, wrong);
            Entity entity;
            EXPECT_FALSE(LoadFrom(entity, bytes)) << wrong << " at " << at;
        }
    }
}

} // namespace
