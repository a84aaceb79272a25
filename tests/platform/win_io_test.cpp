#include "platform/case_path.h"
#include "platform/file_steps.h"
#include "platform/win_find.h"
#include "platform/win_io.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

platform::FileStep g_refused = platform::FileStep::kWrite;

bool RefuseOneKind(platform::FileStep step) {
    return step != g_refused;
}

// The hook is the process's: it goes however the test ends.
struct RefusingSteps {
    RefusingSteps() { platform::SetFileStepHook(RefuseOneKind); }
    ~RefusingSteps() { platform::SetFileStepHook(nullptr); }
};

class WinIo : public ::testing::Test {
protected:
    std::string ReadAll(const std::string& path, int flags) {
        const int fd = _open(path.c_str(), flags);
        EXPECT_GE(fd, 0) << path;
        std::string result;
        char chunk[3]; // small reads put CR and LF of a pair into different calls
        int got;
        while ((got = _read(fd, chunk, sizeof chunk)) > 0)
            result.append(chunk, static_cast<size_t>(got));
        _close(fd);
        return result;
    }

    testsupport::ScratchDir m_dir;
    const std::string m_root = m_dir.Root();
};

TEST_F(WinIo, PathsResolveIgnoringCaseAndBackslashes) {
    m_dir.WriteFile("Art/Graphic/Tree.BMP", "x");
    EXPECT_EQ(platform::ResolvePath((m_root + "\\art\\graphic\\tree.bmp").c_str()),
              m_root + "/Art/Graphic/Tree.BMP");
    // A name that matches nothing keeps its spelling, under the resolved directories.
    EXPECT_EQ(platform::ResolvePath((m_root + "/ART/graphic/new.tga").c_str()),
              m_root + "/Art/Graphic/new.tga");
    struct stat info;
    EXPECT_EQ(_stat((m_root + "/ART/GRAPHIC/TREE.bmp").c_str(), &info), 0);
    EXPECT_NE(_stat((m_root + "/ART/missing").c_str(), &info), 0);
}

TEST_F(WinIo, TextModeDropsCarriageReturnsOfPairsOnly) {
    m_dir.WriteFile("t.txt", "a\r\nbc\r\n\r\nd\re\r");
    EXPECT_EQ(ReadAll(m_root + "/t.txt", _O_RDONLY | _O_TEXT), "a\nbc\n\nd\re\r");
    EXPECT_EQ(ReadAll(m_root + "/t.txt", _O_RDONLY | _O_BINARY), "a\r\nbc\r\n\r\nd\re\r");
}

TEST_F(WinIo, FindListsSortedIgnoringCaseWithWindowsPatterns) {
    for (const char* name : {"beta.ani", "Alpha.ANI", "gamma.txt", "noext"})
        m_dir.WriteFile(name, "");
    ASSERT_EQ(_mkdir((m_root + "/Sub").c_str()), 0);

    auto list = [&](const std::string& pattern) {
        std::vector<std::string> names;
        _finddata_t data;
        const intptr_t handle = _findfirst((m_root + "/" + pattern).c_str(), &data);
        if (handle == -1)
            return names;
        do
            names.push_back(data.name);
        while (_findnext(handle, &data) == 0);
        EXPECT_EQ(_findclose(handle), 0);
        return names;
    };
    EXPECT_EQ(list("*.ani"), (std::vector<std::string>{"Alpha.ANI", "beta.ani"}));
    EXPECT_EQ(list("*.*"), (std::vector<std::string>{".", "..", "Alpha.ANI", "beta.ani",
                                                     "gamma.txt", "noext", "Sub"}));
    EXPECT_EQ(list("NOEXT.*"), (std::vector<std::string>{"noext"}));
    EXPECT_TRUE(list("*.wav").empty());

    _finddata_t data;
    ASSERT_NE(_findfirst((m_root + "/sub").c_str(), &data), -1);
    EXPECT_EQ(data.attrib & _A_SUBDIR, _A_SUBDIR);
    EXPECT_EQ(_findfirst((m_root + "/missing/*.*").c_str(), &data), -1);
}

// Created files and directories take every permission the umask leaves; a file asked for
// read-only gets no write bit.
TEST_F(WinIo, CreatedFilesAndDirectoriesFollowTheUmask) {
    const struct {
        int permission;
        mode_t umask;
        mode_t mode;
    } cases[] = {
        {_S_IREAD | _S_IWRITE, 022, 0644},
        {_S_IREAD | _S_IWRITE, 0, 0666},
        {_S_IREAD, 0, 0444},
        {_S_IREAD | _S_IWRITE, 077, 0600},
    };
    const mode_t saved = ::umask(0);
    int n = 0;
    for (const auto& c : cases) {
        const std::string path = m_root + "/f" + std::to_string(n++);
        ::umask(c.umask);
        const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT, c.permission);
        ASSERT_GE(fd, 0);
        _close(fd);
        struct stat info;
        ASSERT_EQ(_stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, c.mode) << path;
    }
    ::umask(002);
    ASSERT_EQ(_mkdir((m_root + "/Saves").c_str()), 0);
    struct stat info;
    ASSERT_EQ(_stat((m_root + "/Saves").c_str(), &info), 0);
    ::umask(saved);
    EXPECT_EQ(info.st_mode & 0777, 0775u);
}

TEST_F(WinIo, RenameReplacesAndRemoveReports) {
    m_dir.WriteFile("a.sav", "new");
    m_dir.WriteFile("B.sav", "old");
    EXPECT_TRUE(platform::RenameFile((m_root + "/a.sav").c_str(), (m_root + "/b.sav").c_str()));
    EXPECT_EQ(ReadAll(m_root + "/B.SAV", _O_RDONLY), "new");
    EXPECT_TRUE(platform::RemoveFile((m_root + "/b.SAV").c_str()));
    EXPECT_FALSE(platform::RemoveFile((m_root + "/b.sav").c_str()));
}

// A refused step fails as a full disk would, and the disk stays as it was; the other kinds
// still go ahead.
TEST_F(WinIo, AHookRefusingAStepFailsThatCallAndLeavesTheDiskAlone) {
    using platform::FileStep;
    m_dir.WriteFile("a.sav", "kept");
    const std::string kept = m_root + "/a.sav";
    const RefusingSteps refusing;

    g_refused = FileStep::kRemove;
    EXPECT_FALSE(platform::RemoveFile(kept.c_str()));
    EXPECT_EQ(ReadAll(kept, _O_RDONLY), "kept");
    EXPECT_TRUE(platform::RenameFile(kept.c_str(), (m_root + "/b.sav").c_str()));

    g_refused = FileStep::kRename;
    EXPECT_FALSE(platform::RenameFile((m_root + "/b.sav").c_str(), kept.c_str()));
    EXPECT_EQ(ReadAll(m_root + "/b.sav", _O_RDONLY), "kept");

    g_refused = FileStep::kMakeDirectory;
    EXPECT_EQ(_mkdir((m_root + "/Saves").c_str()), -1);
    struct stat info;
    EXPECT_NE(_stat((m_root + "/Saves").c_str(), &info), 0);

    g_refused = FileStep::kWrite;
    const int fd = _open((m_root + "/b.sav").c_str(), _O_WRONLY | _O_TRUNC);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(_write(fd, "new", 3), -1);
    _close(fd);
    EXPECT_TRUE(platform::RemoveFile((m_root + "/b.sav").c_str()));
}

} // namespace
