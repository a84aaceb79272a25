#include "Library/res_file_mgr.h"

#include "Library/game_mode.h"
#include "Library/mem_stream.h"
#include "data_tree_support.h"
#include "stream_support.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using testsupport::BytesOf;

std::string Noise(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

class ResFileMgrTest : public ::testing::Test {
protected:
    std::string ArchivePath() const { return m_dir.Path("test.rsc"); }

    int Store(ResFileMgr& archive, const char* name, const std::string& bytes) {
        MemStream source(kStreamWriteBinary);
        source.Write(bytes.data(), static_cast<int>(bytes.size()));
        return archive.Store(name, source);
    }
    // The entry's bytes, or "<result N>" when it does not load.
    std::string Load(ResFileMgr& archive, const char* name) {
        MemStream target(kStreamReadBinary);
        const int result = archive.Load(name, target);
        return result == ResFileMgr::kResOk ? BytesOf(target)
                                            : "<result " + std::to_string(result) + ">";
    }
    void WriteArchive(const std::vector<std::pair<const char*, std::string>>& entries) {
        ResFileMgr archive;
        ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kWrite));
        for (const auto& [name, bytes] : entries)
            ASSERT_EQ(Store(archive, name, bytes), ResFileMgr::kResOk) << name;
        ASSERT_TRUE(archive.WriteDirectory());
    }
    uint32_t LastWord() const {
        const std::string bytes = m_dir.ReadFile("test.rsc");
        uint32_t word = 0;
        std::memcpy(&word, bytes.data() + bytes.size() - 4, 4);
        return word;
    }

    testsupport::ScratchDir m_dir;
    const std::string m_text =
        "The quick brown fox jumps over the lazy dog. " + std::string(500, 'z');
    const std::string m_noise = Noise(3000, 1);
};

TEST_F(ResFileMgrTest, EntriesComeBackByteExactAfterReopening) {
    WriteArchive({{"text/intro.txt", m_text}, {"data/empty.dat", ""}, {"art/noise.tga", m_noise}});
    const std::string bytes = m_dir.ReadFile("test.rsc");
    EXPECT_EQ(testsupport::ArchiveEntryNames(bytes),
              (std::vector<std::string>{"text/intro.txt", "data/empty.dat", "art/noise.tga"}));
    uint32_t firstUnpacked = 0;
    std::memcpy(&firstUnpacked, bytes.data(), 4);
    EXPECT_EQ(firstUnpacked, m_text.size()); // blocks start at offset 0

    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kRead));
    EXPECT_EQ(Load(archive, "art/noise.tga"), m_noise);
    EXPECT_EQ(Load(archive, "text/intro.txt"), m_text);
    EXPECT_EQ(Load(archive, "data/empty.dat"), "");
    EXPECT_EQ(Load(archive, "text/missing.txt"), "<result 3>");
}

TEST_F(ResFileMgrTest, NamesMatchIgnoringCaseSeparatorsAndTheDataRoot) {
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kWrite));
    ASSERT_EQ(Store(archive, "Art\\Graphic\\Hero.TGA", m_text), ResFileMgr::kResOk);
    const std::string before = m_dir.ReadFile("test.rsc");
    EXPECT_EQ(Store(archive, "art/graphic/hero.tga", m_noise), ResFileMgr::kResFailed);
    EXPECT_EQ(m_dir.ReadFile("test.rsc"), before);
    ASSERT_TRUE(archive.WriteDirectory());
    EXPECT_EQ(testsupport::ArchiveEntryNames(m_dir.ReadFile("test.rsc")),
              (std::vector<std::string>{"art/graphic/hero.tga"}));

    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kRead));
    EXPECT_EQ(Load(archive, "ART/GRAPHIC/HERO.tga"), m_text);
    EXPECT_EQ(Load(archive, "art\\graphic/hero.tga"), m_text);

    GameMode gameMode;
    gameMode.BuildPaths("/games/Vault");
    g_gameMode = &gameMode;
    EXPECT_EQ(Load(archive, "/GAMES/vault/Art/Graphic/Hero.tga"), m_text);
    EXPECT_EQ(Load(archive, "\\games\\Vault\\art\\graphic\\hero.tga"), m_text);
    g_gameMode = nullptr;
}

TEST_F(ResFileMgrTest, ModesRefuseTheWrongDirection) {
    ResFileMgr archive;
    EXPECT_EQ(Load(archive, "a"), "<result 3>");
    EXPECT_EQ(Store(archive, "a", m_text), ResFileMgr::kResFailed);
    EXPECT_FALSE(archive.WriteDirectory());
    EXPECT_FALSE(archive.Open(ArchivePath().c_str(), ResFileMgr::kClosed));

    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kWrite));
    ASSERT_EQ(Store(archive, "a", m_text), ResFileMgr::kResOk);
    EXPECT_EQ(Load(archive, "a"), "<result 1>");
    ASSERT_TRUE(archive.WriteDirectory());

    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kRead));
    EXPECT_EQ(Store(archive, "b", m_text), ResFileMgr::kResOpenForReading);
    EXPECT_FALSE(archive.WriteDirectory());
    archive.Close();
    EXPECT_EQ(archive.GetMode(), ResFileMgr::kClosed);
    EXPECT_EQ(Load(archive, "a"), "<result 3>");
    EXPECT_FALSE(archive.Open(m_dir.Path("missing.rsc").c_str(), ResFileMgr::kRead));
}

TEST_F(ResFileMgrTest, AnEmptyDirectoryOpensAndFindsNothing) {
    WriteArchive({});
    EXPECT_EQ(m_dir.ReadFile("test.rsc"), std::string("\0\0\0\0\0\0\0\0", 8));
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kRead));
    EXPECT_EQ(Load(archive, ""), "<result 3>");
    EXPECT_EQ(Load(archive, "anything"), "<result 3>");
}

TEST_F(ResFileMgrTest, AppendingAfterReopeningKeepsTheOldEntries) {
    WriteArchive({{"one", m_text}, {"two", m_noise}});
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kWrite));
    EXPECT_EQ(Store(archive, "ONE", "again"), ResFileMgr::kResFailed);
    ASSERT_EQ(Store(archive, "three", "3"), ResFileMgr::kResOk);
    ASSERT_TRUE(archive.WriteDirectory());
    archive.Close();
    const std::string bytes = m_dir.ReadFile("test.rsc");
    EXPECT_EQ(testsupport::ArchiveEntryNames(bytes),
              (std::vector<std::string>{"one", "two", "three"}));
    // The new directory: count, three names ("one\0" is u16 + 4 bytes) and offsets, then its
    // offset.
    EXPECT_EQ(LastWord(), bytes.size() - 4 - 4 - (6 + 6 + 8) - 3 * 4);

    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kRead));
    EXPECT_EQ(Load(archive, "one"), m_text);
    EXPECT_EQ(Load(archive, "two"), m_noise);
    EXPECT_EQ(Load(archive, "three"), "3");
}

TEST_F(ResFileMgrTest, AFailedWriteLeavesNoEntryBehind) {
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kWrite));
    ASSERT_EQ(Store(archive, "small", m_text), ResFileMgr::kResOk);

    // Writes past a file-size limit fail (EFBIG) instead of raising a signal.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = m_dir.ReadFile("test.rsc").size() + 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const int result = Store(archive, "big", Noise(64 * 1024, 2));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, ResFileMgr::kResFailed);

    ASSERT_EQ(Store(archive, "after", m_noise), ResFileMgr::kResOk);
    ASSERT_TRUE(archive.WriteDirectory());
    ASSERT_TRUE(archive.Open(ArchivePath().c_str(), ResFileMgr::kRead));
    EXPECT_EQ(Load(archive, "big"), "<result 3>");
    EXPECT_EQ(Load(archive, "small"), m_text);
    EXPECT_EQ(Load(archive, "after"), m_noise);
}

TEST_F(ResFileMgrTest, DamagedArchivesFailCleanly) {
    const std::vector<std::pair<const char*, std::string>> entries = {
        {"text/intro.txt", m_text}, {"art/noise.tga", m_noise}, {"x", "y"}};
    WriteArchive(entries);
    const std::string good = m_dir.ReadFile("test.rsc");
    // Damage is caught (zlib's check sum, the recorded sizes) or missed only where unused.
    const auto loadsOrFails = [&](const std::string& bytes) {
        m_dir.WriteFile("bad.rsc", bytes);
        ResFileMgr archive;
        if (!archive.Open(m_dir.Path("bad.rsc").c_str(), ResFileMgr::kRead))
            return;
        for (const auto& [name, content] : entries) {
            const std::string loaded = Load(archive, name);
            EXPECT_TRUE(loaded == "<result 3>" || loaded == content) << name;
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
    // A forged count and a forged directory offset are refused outright.
    std::string forged = good;
    std::memset(&forged[forged.size() - 4], 0xFF, 4);
    m_dir.WriteFile("bad.rsc", forged);
    ResFileMgr archive;
    EXPECT_FALSE(archive.Open(m_dir.Path("bad.rsc").c_str(), ResFileMgr::kRead));
    uint32_t directory = 0;
    std::memcpy(&directory, good.data() + good.size() - 4, 4);
    forged = good;
    std::memset(&forged[directory], 0xFF, 4);
    m_dir.WriteFile("bad.rsc", forged);
    EXPECT_FALSE(archive.Open(m_dir.Path("bad.rsc").c_str(), ResFileMgr::kRead));
    EXPECT_FALSE(archive.Open(m_dir.Path("bad.rsc").c_str(), ResFileMgr::kWrite));
}

} // namespace
