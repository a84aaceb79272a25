// The stored forms of entities, typed from their layouts.
#include "Source/entities/entity.h"

#include "Library/core/test_stream_support.h"
#include "Source/entities/queued_entity.h"

#include <gtest/gtest.h>

namespace {

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A barrel at (1.5, 2, 0), kind 0, shown; radius 0.5, aux 3; no picture; neutral side 31,
// life state 1, match codes 2 and 9; a cleared colour modification; "Barrel", no description.
const Bytes kPlacement = {
    0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00, // position
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // vector2
    0x00, 0x00,                                                             // kind
    0x00, 0x00,                                                             // extra16
    0x40, 0x00, 0x00, 0x00,                                                 // flags
    0x00, 0x00, 0x00, 0x00,                                                 // extra
};
const Bytes kTemplateName = {0x07, 0x00, 'b', 'a', 'r', 'r', 'e', 'l', 0x00};
const Bytes kRadiusAuxPicture = {
    0x00, 0x00, 0x00, 0x3F, // radius
    0x03, 0x00, 0x00, 0x00, // aux
    0x00, 0x00,             // picture name
};
Bytes RefNamed(char first) {
    return {
        0x01, 0x00, 0x00,
        0x00, // lifeState
        0x00, 0x00, 0x00,
        0x00, // match5
        0x00, 0x00, 0x00,
        0x00, // match4
        0x02, 0x00, 0x00,
        0x00, // match1
        0x09, 0x00, 0x00,
        0x00, // match2
        0x00, 0x00, 0x00,
        0x00, // match3
        0x1F, 0x00, 0x00,
        0x00, // side
        0x07, 0x00, static_cast<uint8_t>(first),
        'a',  'r',  'r',
        'e',  'l',  0x00, // name
        0x00, 0x00, 0x00,
        0x00, // listCount
    };
}
const Bytes kClearedColourMod(324, 0x00); // every stored field 0
const Bytes kNames = {
    0x07, 0x00, 'B', 'a', 'r', 'r', 'e', 'l', 0x00, // display name
    0x00, 0x00,                                     // description
};

const Bytes kBarrel = Concat(
    {kPlacement, kTemplateName, kRadiusAuxPicture, RefNamed('b'), kClearedColourMod, kNames});

// The same entity as a queued one (kind 2), in state 7, its player on set "misc" with no
// animation, facing 2 at frame 3.
Bytes QueuedBarrel() {
    Bytes placement = kPlacement;
    placement[24] = 0x02;
    return Concat({placement,
                   kTemplateName,
                   kRadiusAuxPicture,
                   RefNamed('b'),
                   kClearedColourMod,
                   kNames,
                   {
                       0x07, 0x00, 0x00, 0x00,                 // state
                       0x00, 0x00, 0x00, 0x00,                 // state value 2
                       0x00, 0x00, 0x00, 0x00,                 // state value 3
                       0x05, 0x00, 'm',  'i',  's', 'c', 0x00, // animation set
                       0x00, 0x00,                             // animation
                       0x02, 0x00, 0x00, 0x00,                 // sequence
                       0x03, 0x00, 0x00, 0x00,                 // frame
                   }});
}

template <class T> bool Load(T& entity, const Bytes& bytes) {
    TestStream stream(bytes);
    return entity.Load(stream);
}

template <class T> Bytes Saved(const T& entity) {
    return WrittenBy([&](Stream& stream) { return entity.Save(stream); });
}

TEST(EntityRecord, ReadsAndWritesEveryFieldInItsPlace) {
    Entity entity;
    entity.Init();
    ASSERT_TRUE(Load(entity, kBarrel));
    EXPECT_EQ(entity.GetPosition(), Vector(1.5f, 2.0f, 0.0f));
    EXPECT_STREQ(entity.GetTemplateName().c_str(), "barrel");
    EXPECT_FLOAT_EQ(entity.GetRadius(), 0.5f);
    EXPECT_EQ(entity.GetAux(), 3u);
    EXPECT_EQ(entity.GetRef().GetSide(), 31u);
    EXPECT_EQ(entity.GetRef().GetMatch(2), 9u);
    EXPECT_EQ(entity.GetRef().GetEntity(), &entity);
    EXPECT_STREQ(entity.GetDisplayName().c_str(), "Barrel");
    EXPECT_EQ(Saved(entity), kBarrel);
}

TEST(EntityRecord, TheStoredReferenceNameGivesWayToTheTemplateName) {
    Entity entity;
    const Bytes renamed = Concat(
        {kPlacement, kTemplateName, kRadiusAuxPicture, RefNamed('B'), kClearedColourMod, kNames});
    ASSERT_TRUE(Load(entity, renamed));
    EXPECT_STREQ(entity.GetRef().GetName().c_str(), "barrel");
    EXPECT_EQ(Saved(entity), kBarrel);
}

TEST(EntityRecord, ATemplateNameWithADotIsKeptWhole) {
    Entity named;
    named.Init();
    named.SetTemplateName("Old.Barrel.");
    const Bytes stored = Saved(named);
    Entity entity;
    ASSERT_TRUE(Load(entity, stored));
    EXPECT_STREQ(entity.GetTemplateName().c_str(), "old.barrel.");
    EXPECT_EQ(Saved(entity), stored);
}

TEST(EntityRecord, AQueuedEntityAddsItsStateAndItsPlayer) {
    QueuedEntity entity;
    const Bytes stored = QueuedBarrel();
    ASSERT_TRUE(Load(entity, stored));
    EXPECT_EQ(entity.GetState(), 7);
    EXPECT_STREQ(entity.GetAnimation().GetAnimationName().c_str(), "misc");
    EXPECT_EQ(Saved(entity), stored);
}

TEST(EntityRecord, EveryCutOfTheRecordFails) {
    for (size_t length = 0; length < kBarrel.size(); ++length) {
        Entity entity;
        EXPECT_FALSE(Load(entity, Cut(kBarrel, kBarrel.size() - length))) << length;
        EXPECT_EQ(entity.GetKind(), Entity::kTypeBase) << length;
    }
    const Bytes queued = QueuedBarrel();
    for (size_t length = kBarrel.size(); length < queued.size(); ++length) {
        QueuedEntity entity;
        EXPECT_FALSE(Load(entity, Cut(queued, queued.size() - length))) << length;
    }
}

TEST(EntityRecord, ForgedRecordsAreRefused) {
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
        EXPECT_FALSE(Load(entity, bytes));
        EXPECT_EQ(entity.GetKind(), Entity::kTypeBase); // the class's own code stays
        EXPECT_FALSE(Entity::AsSoldier(&entity));
    }
}

} // namespace
