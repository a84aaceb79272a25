#include "Library/files/res_file_mgr.h"

#include "Library/files/data_paths.h"
#include "Library/files/mem_stream.h"
#include "data_tree_support.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::pair<const char*, std::string>>;
using Names = std::vector<std::string>;
using testsupport::PackedBlock;
using testsupport::Word;

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

// A directory entry as laid out: a u16 length counting the NUL, the name and its NUL, then
// the u32 offset of the entry's block.
std::string DirEntry(const std::string& name, uint32_t offset) {
    const uint16_t length = static_cast<uint16_t>(name.size() + 1);
    return std::string(reinterpret_cast<const char*>(&length), 2) + name + '\0' + Word(offset);
}

int Store(ResFileMgr& archive, const char* name, const std::string& bytes) {
    return archive.Store(name, *testsupport::ReadableStream(bytes));
}

// Runs write with files limited to limit bytes: writes past it fail (EFBIG) once the
// signal is ignored.
template <class Write> auto WithFileSizeLimit(size_t limit, Write write) {
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = limit;
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const auto result = write();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
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
        std::filesystem::remove(m_dir.Path("test.rsc"));
        ASSERT_TRUE(Open(ResFileMgr::kWrite));
        for (const auto& [name, bytes] : entries)
            ASSERT_EQ(Store(m_archive, name, bytes), 0) << name;
        ASSERT_TRUE(m_archive.WriteDirectory());
        m_archive.Close();
    }
    std::string File() const { return m_dir.ReadFile("test.rsc"); }
    int FilesInScratch() const {
        const std::filesystem::directory_iterator files(m_dir.Root());
        return static_cast<int>(std::distance(begin(files), end(files)));
    }

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
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    for (const auto& [name, bytes] : m_entries)
        EXPECT_EQ(Load(m_archive, name), bytes) << name;
    EXPECT_EQ(Load(m_archive, "text/missing.txt"), "<3>");
}

TEST_F(ResFileMgrTest, NamesMatchIgnoringCaseSeparatorsAndTheDataRoot) {
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    ASSERT_EQ(Store(m_archive, "Art\\Graphic\\Hero.TGA", m_text), 0);
    EXPECT_EQ(Store(m_archive, "art/graphic/hero.tga", m_noise), ResFileMgr::kResFailed);
    ASSERT_TRUE(m_archive.WriteDirectory());
    // The refused store wrote nothing: one block, then the directory of one entry.
    EXPECT_EQ(File(), PackedBlock(m_text) + Word(1) + DirEntry("art/graphic/hero.tga", 0) +
                          Word(static_cast<uint32_t>(PackedBlock(m_text).size())));

    ASSERT_TRUE(Open(ResFileMgr::kRead));
    DataPaths paths("/games/Vault");
    g_dataPaths = &paths;
    EXPECT_EQ(Load(m_archive, "\\GAMES\\vault\\Art\\Graphic\\Hero.tga"), m_text);
    g_dataPaths = nullptr;
}

// The name an archive lookup is made with, written out step by step: separators to '/',
// the data root and its '/' dropped when the path starts with them in any case, lower case.
std::string NormalisedName(const std::string& path, const std::string& root) {
    std::string name = path;
    std::replace(name.begin(), name.end(), '\\', '/');
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    if (!root.empty() && name.size() > root.size() && name[root.size()] == '/' &&
        lower(name.substr(0, root.size())) == lower(root))
        name = name.substr(root.size() + 1);
    return lower(name);
}

// Paths built at random from pieces of the root and of the stored names, in mixed case and
// with either separator, with and without data paths: each loads exactly the entry its
// normalised name names, or nothing.
TEST_F(ResFileMgrTest, LoadsFindTheEntryOfTheNormalisedName) {
    const Entries entries = {{"art/graphic/hero.tga", "hero"},
                             {"games/vault", "root itself"},
                             {"text/\xc4ra.txt", "high bytes"},
                             {"a", "short"}};
    WriteArchive(entries);
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    const std::vector<std::string> roots = {"", "/games/vault", "/Games/VAULT", "\\games\\vault",
                                            "/games/vaul", "/games/vaultx", "games/vault"};
    std::mt19937 random(7);
    DataPaths paths("/Games/Vault");
    int found = 0;
    for (int i = 0; i < 4000; ++i) {
        g_dataPaths = i % 2 == 0 ? &paths : nullptr;
        std::string path = roots[random() % roots.size()];
        path += random() % 4 == 0 ? "" : (random() % 2 ? "/" : "\\");
        path += entries[random() % entries.size()].first;
        if (random() % 5 == 0)
            path.erase(random() % path.size(), 1);
        for (char& c : path) {
            if (random() % 3 == 0)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (c == '/' && random() % 3 == 0)
                c = '\\';
        }
        const std::string name = NormalisedName(path, g_dataPaths ? "/Games/Vault" : "");
        std::string expected = "<3>";
        for (const auto& [stored, bytes] : entries)
            if (name == stored)
                expected = bytes;
        found += expected != "<3>";
        EXPECT_EQ(Load(m_archive, path.c_str()), expected) << path;
    }
    g_dataPaths = nullptr;
    EXPECT_GT(found, 400);
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
    EXPECT_EQ(m_archive.GetOpenError(), (m_dir.Path("missing.rsc") + " cannot be opened").c_str());
}

TEST_F(ResFileMgrTest, AppendingAfterReopeningKeepsTheOldEntries) {
    // Slack before the directory offset, as another writer may leave, makes the old file
    // longer than what the append writes: the new directory must still end the file.
    for (const size_t slack : {size_t{0}, size_t{4000}}) {
        WriteArchive({{"one", m_text}, {"two", m_noise}});
        std::string old = File();
        old.insert(old.size() - 4, std::string(slack, '\0'));
        m_dir.WriteFile("test.rsc", old);
        ASSERT_TRUE(Open(ResFileMgr::kWrite));
        EXPECT_EQ(Store(m_archive, "ONE", "again"), ResFileMgr::kResFailed);
        ASSERT_EQ(Store(m_archive, "three", "3"), 0);
        ASSERT_TRUE(m_archive.WriteDirectory());
        m_archive.Close();
        const std::string bytes = File();
        EXPECT_EQ(testsupport::ArchiveEntryNames(bytes), (Names{"one", "two", "three"}));
        // The file ends with the new directory's offset: count, names ("one" is 2 + 4), offsets.
        EXPECT_EQ(WordAt(bytes, bytes.size() - 4), bytes.size() - 4 - 4 - (6 + 6 + 8) - 3 * 4)
            << slack;
        ASSERT_TRUE(Open(ResFileMgr::kRead)) << slack;
        EXPECT_EQ(Load(m_archive, "one") + Load(m_archive, "two") + Load(m_archive, "three"),
                  m_text + m_noise + "3");
    }
}

TEST_F(ResFileMgrTest, StoringGoesOnAfterTheDirectoryIsWritten) {
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    ASSERT_EQ(Store(m_archive, "a", m_text), 0);
    ASSERT_TRUE(m_archive.WriteDirectory());
    ASSERT_EQ(Store(m_archive, "b", m_noise), 0);
    EXPECT_EQ(testsupport::ArchiveEntryNames(File()), (Names{"a"}));
    ASSERT_TRUE(m_archive.WriteDirectory());
    EXPECT_EQ(testsupport::ArchiveEntryNames(File()), (Names{"a", "b"}));
    m_archive.Close();
    EXPECT_EQ(FilesInScratch(), 1);
}

TEST_F(ResFileMgrTest, AnAppendThatDoesNotFinishLeavesTheArchiveAsItWas) {
    WriteArchive({{"one", m_text}});
    const std::string before = File();
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"closed before the directory", [&] { EXPECT_EQ(Store(m_archive, "two", m_noise), 0); }},
        {"a store fails part-way",
         [&] {
             EXPECT_EQ(
                 WithFileSizeLimit(before.size() + 100,
                                   [&] { return Store(m_archive, "big", Noise(1 << 16, 2)); }),
                 ResFileMgr::kResFailed);
         }},
        {"the directory cannot be written",
         [&] {
             // 100 empty entries: small blocks, a directory of 26 kB.
             for (int index = 0; index < 100; ++index)
                 ASSERT_EQ(
                     Store(m_archive, (std::string(250, 'n') + std::to_string(index)).c_str(), ""),
                     0);
             EXPECT_FALSE(WithFileSizeLimit(before.size() + 8000,
                                            [&] { return m_archive.WriteDirectory(); }));
         }},
    };
    for (const auto& [what, run] : cases) {
        ASSERT_TRUE(Open(ResFileMgr::kWrite)) << what;
        run();
        m_archive.Close();
        EXPECT_TRUE(File() == before) << what;
        EXPECT_EQ(FilesInScratch(), 1) << what;
        ASSERT_TRUE(Open(ResFileMgr::kRead)) << what;
        EXPECT_EQ(Load(m_archive, "one"), m_text) << what;
    }
}

TEST_F(ResFileMgrTest, AFailedWriteLeavesNoEntryBehind) {
    ASSERT_TRUE(Open(ResFileMgr::kWrite));
    ASSERT_EQ(Store(m_archive, "small", m_text), 0);
    EXPECT_EQ(WithFileSizeLimit(4096, [&] { return Store(m_archive, "big", Noise(1 << 16, 2)); }),
              ResFileMgr::kResFailed);
    // What the failed store wrote lies past everything written after it.
    ASSERT_EQ(Store(m_archive, "after", "a"), 0);
    ASSERT_TRUE(m_archive.WriteDirectory());
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    EXPECT_EQ(Load(m_archive, "big"), "<3>");
    EXPECT_EQ(Load(m_archive, "small") + Load(m_archive, "after"), m_text + "a");
}

TEST_F(ResFileMgrTest, TheFirstOfTwoEntriesOfOneNameIsFound) {
    // Typed from the layout: two blocks, then a directory naming both "dup", then its offset.
    const std::string first = PackedBlock("first");
    const std::string second = PackedBlock("second");
    const uint32_t directory = static_cast<uint32_t>(first.size() + second.size());
    m_dir.WriteFile("test.rsc", first + second + Word(2) + DirEntry("Dup", 0) +
                                    DirEntry("dup", static_cast<uint32_t>(first.size())) +
                                    Word(directory));
    ASSERT_TRUE(Open(ResFileMgr::kRead));
    EXPECT_EQ(Load(m_archive, "DUP"), "first");
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
    EXPECT_NE(std::string(m_archive.GetOpenError().c_str()).find("bad.rsc lists"),
              std::string::npos);

    // The last entry's block header must end before the directory begins.
    const uint32_t directory = WordAt(good, good.size() - 4);
    for (const uint32_t offset : {directory - 11, directory - 12}) {
        forged = good;
        std::memcpy(&forged[forged.size() - 8], &offset, 4);
        m_dir.WriteFile("bad.rsc", forged);
        EXPECT_EQ(Open(ResFileMgr::kRead, "bad.rsc"), offset == directory - 12) << offset;
    }
}

} // namespace
