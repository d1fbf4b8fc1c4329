// Replacing a file from pieces: they arrive in order, and an abandoned write leaves the old file
// byte for byte with nothing beside it. Links, permissions, what is not written and why are
// checked through selvane-cli on the real file system by tests/cli/write_safety_test.sh.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/file_io.h"
#include "core/workbook_export.h"
#include "support/files.h"
#include "support/report_inputs.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

using selvane::testing::slurp;

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

// The descriptors open in this process.
std::size_t openDescriptors() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

TEST_F(FileIo, PiecesArriveInOrderAndAnAbandonedFileChangesNothing) {
    const std::size_t descriptors = openDescriptors();
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
    EXPECT_TRUE(readWholeFile(path("long.txt"), 1u << 30));
    EXPECT_EQ(openDescriptors(), descriptors); // every file written or read is closed again
}

// A workbook tells its progress up to its whole, and a cancel anywhere in it (among the payments,
// among the years, once compressed) leaves the old file, nothing beside it and no file open.
TEST_F(FileIo, AWorkbookCancelledAnywhereLeavesTheOldFile) {
    DetailsReport report;
    DetailsReport::build(testing::reportInputs(3000, 30000, 10, 0), testing::kUsd, report);
    const YearlySummary years(report, 12);
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.path().toLocal8Bit()); // the workbook is made here first
    put(path("book.xlsx"), "old");
    const std::size_t descriptors = openDescriptors();
    std::vector<std::int64_t> told;
    std::int64_t whole = 0;
    EXPECT_TRUE(writeWorkbook(path("new.xlsx"), report, years, false, testing::kUsd,
                              [&](std::int64_t done, std::int64_t total) {
                                  told.push_back(done);
                                  return (whole = total) > 0;
                              }));
    EXPECT_EQ(whole, 2 * (3000 + 250)); // the rows, and as much again for the compression
    EXPECT_TRUE(std::is_sorted(told.begin(), told.end()) && told.back() == whole);
    for (const std::int64_t stop : {1024, 3072, 6500}) {
        const WriteOutcome out =
            writeWorkbook(path("book.xlsx"), report, years, false, testing::kUsd,
                          [stop](std::int64_t done, std::int64_t) { return done < stop; });
        EXPECT_TRUE(!out.ok && out.reason == kWriteCancelled) << stop;
    }
    qputenv("TMPDIR", tmp);
    EXPECT_EQ(slurp(path("book.xlsx")), "old");
    EXPECT_EQ(names(), (std::vector<std::string>{"book.xlsx", "new.xlsx"}));
    EXPECT_EQ(openDescriptors(), descriptors);
}

TEST_F(FileIo, ReadingAPipeNeitherWaitsNorReadsIt) {
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0644), 0);
    EXPECT_FALSE(readWholeFile(path("pipe"), 1000)); // no writer: a blocking open never returns
    put(path("big"), std::string(1001, 'b'));
    EXPECT_FALSE(readWholeFile(path("big"), 1000));
    EXPECT_EQ(readWholeFile(path("big"), 1001), std::string(1001, 'b'));
}

TEST(AbsolutePath, DotsAndDoubleSlashesGoAndRelativePathsStartHere) {
    const struct {
        const char *path, *absolute;
    } cases[] = {{"/a/./b/../c", "/a/c"}, {"/a//b/", "/a/b"}, {"/..", "/"},
                 {"/../x/..", "/"},       {"/", "/"},         {"/a/b/..", "/a"}};
    for (const auto& c : cases)
        EXPECT_EQ(absolutePath(c.path), c.absolute) << c.path;
    EXPECT_EQ(absolutePath("x/./y"), fs::current_path().string() + "/x/y");
    for (const auto& [path, folder] : {std::pair{"/x", "/"}, {"x", "."}, {"/a/b", "/a"}})
        EXPECT_EQ(folderOf(path), folder) << path;
}

// A file dialog starts where the user may write and expects files, on real folders: one no one
// may write (root included), the program's own and a folder inside it are passed over.
TEST_F(FileIo, FirstDialogFolderIsOneTheUserMayWrite) {
    for (const char* name : {"work", "locked", "bin", "bin/help", "bin2", "documents"})
        fs::create_directory(path(name));
    ::chmod(path("locked").c_str(), 0555);
    put(path("file"), "a documents folder that is a file");
    const std::vector<std::string> own{path("bin")};
    const struct {
        const char *working, *documents, *expected; // folders in the test's; none: "/home"
    } cases[] = {{"work", "documents", "work"},       {"locked", "documents", "documents"},
                 {"bin", "documents", "documents"},   {"bin/help", "documents", "documents"},
                 {"gone", "documents", "documents"},  {"bin2", "documents", "bin2"}, // not in bin
                 {"locked", "no-documents", nullptr}, {"locked", "file", nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(firstDialogFolder(path(c.working), own, path(c.documents), "/home"),
                  c.expected ? path(c.expected) : "/home")
            << c.working;
    ::chmod(path("locked").c_str(), 0755);
}

} // namespace
} // namespace selvane
