#include "Library/files/res_file_mgr.h"

#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "data_tree_support.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::pair<const char*, std::string>>;
using Names = std::vector<std::string>;

std::string Noise(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

uint32_t WordAt(const std::string& bytes, size_t at) {
    uint32_t word = 0;
    std::memcpy(&word, bytes.data() + at, 4);
    return word;
}

int Store(ResFileMgr& archive, const char* name, const std::string& bytes) {
    MemStream source(kStreamWriteBinary);
    source.Write(bytes.data(), static_cast<int>(bytes.size()));
    return archive.Store(name, source);
}

// The entry's bytes, or "<N>" for the result N when it does not load.
std::string Load(ResFileMgr& archive, const char* name) {
    MemStream target(kStreamReadBinary);
    const int result = archive.Load(name, target);
    return result == 0 ? testsupport::BytesOf(target) : "<" + std::to_string(result) + ">";
}

class ResFileMgrTest : public ::testing::Test {
protected:
    bool Open(ResFileMgr::Mode mode, const char* file = "test.rsc") {
        return m_archive.Open(m_dir.Path(file).c_str(), mode);
    }
    void WriteArchive(const Entries& entries) {
        ASSERT_TRUE(Open(ResFileMgr::kWrite));
        for (const auto& [name, bytes] : entries)
            ASSERT_EQ(Store(m_archive, name, bytes), 0) << name;
        ASSERT_TRUE(m_archive.WriteDirectory());
        m_archive.Close();
    }
    std::string File() const { return m_dir.ReadFile("test.rsc"); }

    testsupport::ScratchDir m_dir;
    ResFileMgr m_archive;
    const std::string m_text = "The quick brown fox. " + std::string(500, 'z');
    const std::string m_noise = Noise(3000, 1);
    const Entries m_entries = {{"text/intro.txt", m_text}, {"data/empty.dat", ""}, {"x", m_noise}};
};

TEST_F(ResFileMgrTest, EntriesComeBackByteExactAfterReopening) {
    WriteArchive(m_entries);
    EXPECT_EQ(testsupport::ArchiveEntryNames(File()),
              (Names{"text/intro.txt", "data/empty.dat", "x"}));
    EXPECT_EQ(WordAt(File(), 0), m_text.size()); // the first block's unpacked size
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    for (const auto& [name, bytes] : m_entries)
        EXPECT_EQ(Load(m_archive, name), bytes) << name;
    EXPECT_EQ(Load(m_archive, "text/missing.txt"), "<3>");
}

TEST_F(ResFileMgrTest, NamesMatchIgnoringCaseSeparatorsAndTheDataRoot) {
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    ASSERT_EQ(Store(m_archive, "Art\\Graphic\\Hero.TGA", m_text), 0);
    const std::string before = File();
    EXPECT_EQ(Store(m_archive, "art/graphic/hero.tga", m_noise), ResFileMgr::kResFailed);
    EXPECT_EQ(File(), before);
    ASSERT_TRUE(m_archive.WriteDirectory());
    EXPECT_EQ(testsupport::ArchiveEntryNames(File()), (Names{"art/graphic/hero.tga"}));

    ASSERT_TRUE(Open(ResFileMgr::kRead));
    DataPaths paths("/games/Vault");
    g_dataPaths = &paths;
    EXPECT_EQ(Load(m_archive, "\\GAMES\\vault\\Art\\Graphic\\Hero.tga"), m_text);
    g_dataPaths = nullptr;
}

TEST_F(ResFileMgrTest, ModesRefuseTheWrongDirection) {
    EXPECT_EQ(Load(m_archive, "a"), "<3>");
    EXPECT_EQ(Store(m_archive, "a", m_text), ResFileMgr::kResFailed);
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    EXPECT_EQ(Load(m_archive, "a"), "<1>");
    ASSERT_TRUE(m_archive.WriteDirectory());
    EXPECT_EQ(File(), std::string(8, '\0')); // an empty directory
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    EXPECT_EQ(Load(m_archive, ""), "<3>");
    EXPECT_EQ(Store(m_archive, "b", m_text), ResFileMgr::kResOpenForReading);
    EXPECT_FALSE(m_archive.WriteDirectory());
    EXPECT_FALSE(Open(ResFileMgr::kRead, "missing.rsc"));
    EXPECT_EQ(m_archive.GetMode(), ResFileMgr::kClosed);
}

TEST_F(ResFileMgrTest, AppendingAfterReopeningKeepsTheOldEntries) {
    WriteArchive({{"one", m_text}, {"two", m_noise}});
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    EXPECT_EQ(Store(m_archive, "ONE", "again"), ResFileMgr::kResFailed);
    ASSERT_EQ(Store(m_archive, "three", "3"), 0);
    ASSERT_TRUE(m_archive.WriteDirectory());
    const std::string bytes = File();
    EXPECT_EQ(testsupport::ArchiveEntryNames(bytes), (Names{"one", "two", "three"}));
    // The file ends with the new directory's offset: count, names ("one" is 2 + 4), offsets.
    EXPECT_EQ(WordAt(bytes, bytes.size() - 4), bytes.size() - 4 - 4 - (6 + 6 + 8) - 3 * 4);
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    EXPECT_EQ(Load(m_archive, "two") + Load(m_archive, "three"), m_noise + "3");
}

TEST_F(ResFileMgrTest, AFailedWriteLeavesNoEntryBehind) {
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    ASSERT_EQ(Store(m_archive, "small", m_text), 0);
    // Past a file-size limit writes fail (EFBIG) once the signal is ignored.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = File().size() + 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const int result = Store(m_archive, "big", Noise(64 * 1024, 2));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, ResFileMgr::kResFailed);

    ASSERT_EQ(Store(m_archive, "after", m_noise), 0);
    ASSERT_TRUE(m_archive.WriteDirectory());
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    EXPECT_EQ(Load(m_archive, "big"), "<3>");
    EXPECT_EQ(Load(m_archive, "small") + Load(m_archive, "after"), m_text + m_noise);
}

TEST_F(ResFileMgrTest, DamagedArchivesFailCleanly) {
    WriteArchive(m_entries);
    const std::string good = File();
    // Damage is caught (zlib's check sum, the recorded sizes) or lies where nothing reads.
    const auto loadsOrFails = [&](const std::string& bytes) {
        m_dir.WriteFile("bad.rsc", bytes);
        if (!Open(ResFileMgr::kRead, "bad.rsc"))
            return;
        for (const auto& [name, content] : m_entries) {
            const std::string loaded = Load(m_archive, name);
            EXPECT_TRUE(loaded == "<3>" || loaded == content) << name;
        }
    };
    for (size_t size = 0; size < good.size(); size += 7)
        loadsOrFails(good.substr(0, size));
    for (unsigned seed = 0; seed < 64; ++seed) {
        std::string damaged = good;
        std::mt19937 random(seed);
        for (int flip = 0; flip < 4; ++flip)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        loadsOrFails(damaged);
        loadsOrFails(Noise(seed * 13, seed));
    }
    // A forged directory offset, then a forged entry count.
    std::string forged = good;
    std::memset(&forged[forged.size() - 4], 0xFF, 4);
    m_dir.WriteFile("bad.rsc", forged);
    EXPECT_FALSE(Open(ResFileMgr::kRead, "bad.rsc"));
    forged = good;
    std::memset(&forged[WordAt(good, good.size() - 4)], 0xFF, 4);
    m_dir.WriteFile("bad.rsc", forged);
    EXPECT_FALSE(Open(ResFileMgr::kRead, "bad.rsc"));
    EXPECT_FALSE(Open(ResFileMgr::kWrite, "bad.rsc"));
}

} // namespace
