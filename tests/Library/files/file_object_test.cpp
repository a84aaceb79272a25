#include "Library/files/file_object.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace {

TEST(FileObject, PathsAreStoredLowerCaseWithSlashesAndTypedByExtension) {
    const FileObject file("Data\\Maps\\Town.TGA");
    EXPECT_STREQ(file.GetFullPath().c_str(), "data/maps/town.tga");
    EXPECT_EQ(file.GetFileType(), FileObject::kTypeTga);
    EXPECT_EQ(FileObject("a.tgalle").GetFileType(), FileObject::kTypeLle); // the first name found
    // An unknown extension does not keep the type of the name before it.
    FileObject renamed("picture.bmp");
    renamed.SetFileName("sound.wav");
    EXPECT_EQ(renamed.GetFileType(), FileObject::kTypeNone);
}

TEST(FileObject, AsksTheFileSystemAndRenamesWithTheFile) {
    testsupport::ScratchDir dir;
    dir.WriteFile("Save.DAT", "twelve bytes");
    // Stored lower-case, still found on a case-sensitive file system.
    FileObject file(dir.Path("Save.DAT").c_str());
    EXPECT_EQ(file.FileSize(), 12);
    EXPECT_GT(file.ModifiedTime(), 0);
    EXPECT_FALSE(FileObject(dir.Path("missing.dat").c_str()).Exists());
    ASSERT_TRUE(file.Rename(dir.Path("New.txt").c_str()));
    EXPECT_EQ(file.GetFileType(), FileObject::kTypeTxt);
    EXPECT_EQ(dir.ReadFile("New.txt"), "twelve bytes");
    EXPECT_TRUE(file.Remove());
    EXPECT_FALSE(file.Exists());
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

} // namespace
