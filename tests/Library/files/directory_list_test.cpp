#include "Library/files/directory_list.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

std::string WorkingDirectory() {
    char buffer[4096];
    return ::getcwd(buffer, sizeof buffer) ? buffer : "";
}

class DirectoryListTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"beta.ani", "Alpha.ANI", "gamma.txt", "noext", ".hidden.ani"})
            m_dir.WriteFile(name, "");
        ASSERT_EQ(::mkdir(m_dir.Path("Sub").c_str(), 0755), 0);
    }
    // The chain's paths, each checked to begin with the directory, without it.
    Names Scan() const {
        const std::string base = m_dir.Root() + "/";
        const std::unique_ptr<Stringc> chain = m_list.Scan(m_dir.Root().c_str());
        Names names;
        for (const Stringc* link = chain.get(); link; link = link->GetNext()) {
            const std::string path = link->c_str();
            EXPECT_EQ(path.compare(0, base.size(), base), 0) << path;
            names.push_back(path.substr(base.size()));
        }
        return names;
    }

    testsupport::ScratchDir m_dir;
    DirectoryList m_list;
};

TEST_F(DirectoryListTest, ScanGivesASortedChainOfMatchingPaths) {
    EXPECT_EQ(Scan(), (Names{"Alpha.ANI", "beta.ani", "gamma.txt"}));
    m_list.SetPattern("B*.ANI");
    EXPECT_EQ(Scan(), (Names{"beta.ani"}));
    m_list.Clear();
    m_list.SetFilter("TXT"); // a text without '.' is the filter itself
    EXPECT_EQ(Scan(), (Names{"gamma.txt"}));
    m_list.Clear();
    m_list.SetDirectoriesOnly(true);
    EXPECT_EQ(Scan(), (Names{"noext", "Sub"}));
}

TEST_F(DirectoryListTest, CountTakesEveryEntryAndLastFileTheLastName) {
    const std::string before = WorkingDirectory();
    const Stringc root(m_dir.Root().c_str()), missing(m_dir.Path("missing").c_str());
    EXPECT_EQ(m_list.Count(root), 8); // ".", ".." and the hidden file included
    EXPECT_EQ(m_list.LastFile(root).c_str(), m_dir.Path("gamma.txt"));
    EXPECT_EQ(m_list.Scan(missing), nullptr);
    EXPECT_EQ(m_list.Count(missing), 0);
    EXPECT_EQ(WorkingDirectory(), before);
}

TEST(MakeDirectories, CreatesEveryDirectoryBeforeTheLastSlash) {
    testsupport::ScratchDir dir;
    EXPECT_TRUE(MakeDirectories(dir.Path("a\\b/c/file.sav").c_str()));
    EXPECT_TRUE(MakeDirectories(dir.Path("a/b/d/").c_str())); // a and b exist already
    struct stat info;
    EXPECT_EQ(::stat(dir.Path("a/b/d").c_str(), &info), 0);
    EXPECT_NE(::stat(dir.Path("a/b/c/file.sav").c_str(), &info), 0);
    dir.WriteFile("blocker", "");
    EXPECT_FALSE(MakeDirectories(dir.Path("blocker/e/file.sav").c_str()));
}

} // namespace
