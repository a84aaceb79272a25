#include "Library/file_object.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileObject, PathsAreStoredLowerCaseWithSlashes) {
    const FileObject file("Data\\Maps\\Town.TGA");
    EXPECT_STREQ(file.GetFullPath().c_str(), "data/maps/town.tga");
    EXPECT_STREQ(file.GetDirectory().c_str(), "data/maps");
    EXPECT_STREQ(file.GetFileName().c_str(), "town");
    EXPECT_EQ(file.GetFileType(), FileObject::kTypeTga);
    EXPECT_STREQ(file.GetExtension(), ".tga");
}

TEST(FileObject, TypeComesFromTheFirstNameFoundInTheExtension) {
    const std::pair<const char*, FileObject::FileType> cases[] = {
        {"a.bmp", FileObject::kTypeBmp},    {"a.lle", FileObject::kTypeLle},
        {"a.sav", FileObject::kTypeSav},    {"a.vat", FileObject::kTypeVat},
        {"a.dat", FileObject::kTypeDat},    {"a.txt", FileObject::kTypeTxt},
        {"a.ent", FileObject::kTypeEnt},    {"a.anim", FileObject::kTypeAni},
        {"a.tgalle", FileObject::kTypeLle}, {"noextension", FileObject::kTypeNone},
    };
    for (const auto& [path, type] : cases)
        EXPECT_EQ(FileObject(path).GetFileType(), type) << path;
    // An unknown extension does not keep the type of the name before it.
    FileObject file("picture.bmp");
    file.SetFileName("sound.wav");
    EXPECT_EQ(file.GetFileType(), FileObject::kTypeNone);
}

TEST(FileObject, AsksTheFileSystem) {
    testsupport::ScratchDir dir;
    dir.WriteFile("Save.DAT", "twelve bytes");
    // Stored lower-case, still found on a case-sensitive file system.
    const FileObject file(dir.Path("Save.DAT").c_str());
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.FileSize(), 12);
    EXPECT_GT(file.ModifiedTime(), 0);
    const FileObject missing(dir.Path("missing.dat").c_str());
    EXPECT_FALSE(missing.Exists());
    EXPECT_EQ(missing.ModifiedTime(), 0);
}

TEST(FileObject, CopyReplacesTheDestinationWhole) {
    testsupport::ScratchDir dir;
    dir.WriteFile("copy.sav", "a much longer old file");
    dir.WriteFile("empty.tmp", "");
    ASSERT_TRUE(FileObject(dir.Path("empty.tmp").c_str()).CopyTo(dir.Path("copy.sav").c_str()));
    EXPECT_EQ(dir.ReadFile("copy.sav"), "");
    EXPECT_FALSE(FileObject(dir.Path("no.sav").c_str()).CopyTo(dir.Path("copy.sav").c_str()));
    EXPECT_FALSE(FileObject(dir.Path("copy.sav").c_str()).CopyTo(dir.Path("no/dir/x").c_str()));
    EXPECT_FALSE(FileObject(dir.Path("copy.sav.new").c_str()).Exists());
}

TEST(FileObject, RenameFollowsTheFile) {
    testsupport::ScratchDir dir;
    dir.WriteFile("old.txt", "x");
    FileObject file(dir.Path("old.txt").c_str());
    ASSERT_TRUE(file.Rename(dir.Path("New.dat").c_str()));
    EXPECT_EQ(file.GetFileType(), FileObject::kTypeDat);
    EXPECT_EQ(dir.ReadFile("New.dat"), "x");
    EXPECT_TRUE(file.Remove());
    EXPECT_FALSE(file.Exists());
}

} // namespace
