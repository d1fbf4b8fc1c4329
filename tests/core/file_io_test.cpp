// Replacing a file: what is not a regular file stays as it is, links and permissions survive,
// and an abandoned or failed write leaves the old file byte for byte with nothing beside it.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "core/file_io.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class FileIo : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string path(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& e : fs::directory_iterator(dir.path().toStdString()))
            all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
};

mode_t typeOf(const std::string& p) {
    struct stat st {};
    return ::lstat(p.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

TEST_F(FileIo, TargetsThatAreNoRegularFileAreNotWritten) {
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0644), 0);
    fs::create_directory(path("folder"));
    fs::create_symlink(path("loop"), path("loop")); // a link to itself
    fs::create_symlink(path("nowhere"), path("dangling"));
    fs::create_symlink(path("pipe"), path("to-pipe"));
    std::vector<std::string> targets = {"pipe", "folder", "loop", "dangling", "to-pipe"};
    // A device node (only root can make one; root is also who would overwrite it).
    if (::mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back("null");
    for (const std::string& name : targets) {
        const mode_t before = typeOf(path(name));
        EXPECT_FALSE(replaceFile(path(name), "replaced\n")) << name;
        EXPECT_EQ(typeOf(path(name)), before) << name;
    }
    EXPECT_FALSE(fs::exists(path("nowhere")));
    EXPECT_EQ(names().size(), targets.size() + 0u); // no temporary file left beside them
}

TEST_F(FileIo, LinksLeadToTheFileAndStayLinks) {
    put(path("real.fin"), "old");
    fs::create_symlink("real.fin", path("soft.fin"));
    ASSERT_TRUE(replaceFile(path("soft.fin"), "through the link"));
    EXPECT_TRUE(fs::is_symlink(path("soft.fin")));
    EXPECT_EQ(slurp(path("real.fin")), "through the link");

    put(path("a.txt"), std::string(5000, 'a'));
    fs::create_hard_link(path("a.txt"), path("b.txt"));
    for (const std::string& bytes :
         {std::string("short"), std::string(200000, 'z'), std::string()}) {
        ASSERT_TRUE(replaceFile(path("b.txt"), bytes));
        EXPECT_EQ(slurp(path("b.txt")), bytes);
        // The other name keeps the old contents: the new ones never touch the old file.
        EXPECT_EQ(slurp(path("a.txt")), std::string(5000, 'a'));
    }
    // A name as long as the file system allows still has room for the temporary one beside it.
    const std::string longest(255, 'n');
    ASSERT_TRUE(replaceFile(path(longest), "long"));
    EXPECT_EQ(slurp(path(longest)), "long");
    EXPECT_EQ(names(),
              (std::vector<std::string>{"a.txt", "b.txt", longest, "real.fin", "soft.fin"}));
}

TEST_F(FileIo, ReadOnlyFilesAndFoldersAreNotWrittenEvenByRoot) {
    put(path("locked.fin"), "keep me");
    fs::permissions(path("locked.fin"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(replaceFile(path("locked.fin"), "lost"));
    EXPECT_EQ(slurp(path("locked.fin")), "keep me");

    fs::create_directory(path("ro"));
    put(path("ro/x.fin"), "keep me too");
    fs::permissions(path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(replaceFile(path("ro/x.fin"), "lost"));
    EXPECT_FALSE(replaceFile(path("ro/new.fin"), "lost"));
    fs::permissions(path("ro"), fs::perms::owner_all);
    EXPECT_EQ(slurp(path("ro/x.fin")), "keep me too");
    EXPECT_FALSE(fs::exists(path("ro/new.fin")));
}

TEST_F(FileIo, PermissionsOfTheOldFileAreKept) {
    put(path("shared.fin"), "old");
    fs::permissions(path("shared.fin"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(replaceFile(path("shared.fin"), "new"));
    EXPECT_EQ(fs::status(path("shared.fin")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(replaceFile(path("fresh.fin"), "new"));
    ::umask(mask);
    EXPECT_EQ(fs::status(path("fresh.fin")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(FileIo, PiecesArriveInOrderAndAnAbandonedFileChangesNothing) {
    std::mt19937 random(7);
    std::string expected;
    const WriteOutcome written = replaceFileWith(path("long.txt"), [&](const WritePiece& write) {
        for (int i = 0; i < 400; ++i) { // small pieces and pieces larger than a block
            const size_t size = (i % 7 == 0) ? 70000 + random() % 1000 : random() % 300;
            std::string piece(size, static_cast<char>('a' + i % 26));
            expected += piece;
            write(piece);
        }
        return true;
    });
    ASSERT_TRUE(written);
    EXPECT_EQ(slurp(path("long.txt")), expected);

    const WriteOutcome abandoned = replaceFileWith(path("long.txt"), [](const WritePiece& write) {
        write(std::string(300000, 'x'));
        return false;
    });
    EXPECT_FALSE(abandoned);
    EXPECT_EQ(slurp(path("long.txt")), expected);
    EXPECT_EQ(names(), std::vector<std::string>{"long.txt"});
}

TEST_F(FileIo, ReadingAPipeNeitherWaitsNorReadsIt) {
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0644), 0);
    EXPECT_FALSE(readWholeFile(path("pipe"), 1000)); // no writer: a blocking open never returns
    put(path("big"), std::string(1001, 'b'));
    EXPECT_FALSE(readWholeFile(path("big"), 1000));
    EXPECT_EQ(readWholeFile(path("big"), 1001), std::string(1001, 'b'));
}

} // namespace
} // namespace selvane
