#pragma once
// Reading a file whole and replacing a file without ever leaving it half written.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/user_text.h"

namespace selvane {

// The bytes of a regular file, or nullopt when it is missing, unreadable, not a regular file
// (a directory, a device, a pipe that could block) or larger than maxBytes.
std::optional<std::string> readWholeFile(const std::string& path, std::uintmax_t maxBytes);

// The ending of a file name after its last dot, in lower case ("SVG" -> "svg"); empty when the
// name has none. A dot in a folder's name is no ending.
std::string fileEnding(const std::string& path);
// The path without that ending and its dot.
std::string withoutEnding(const std::string& path);

// Whether anything (a file, a folder, a pipe, a link) has that name.
bool pathExists(const std::string& path);

// Whether a save into the folder could go ahead, by the test the writes themselves make: a folder
// that no one may write is not writable, for root either.
bool folderWritable(const std::string& folder);

// Where a file dialog starts the first time it is used for its kind of file: the working folder
// where the user may write there and it is not one of the program's own folders (or inside one:
// an install or help folder); otherwise the user's documents folder where it exists, else home.
std::string firstDialogFolder(const std::string& working, const std::vector<std::string>& own,
                              const std::string& documents, const std::string& home);

// The folder of the running program's executable, links resolved; empty when it cannot be had.
std::string runningProgramFolder();

// The folder a path names its file in: "." for a bare name, "/" for a file at the root.
std::string folderOf(const std::string& path);

// The path made absolute against the working directory and cleaned ("a/./b/../c" -> "/cwd/a/c",
// no doubled or trailing separators), byte for byte: a name that is not valid UTF-8 keeps its
// bytes. Empty when the working directory cannot be had.
std::string absolutePath(const std::string& path);

// How a write ended: the path it was aimed at and, when it failed, why, in the system's words
// ("No space left on device", "Permission denied").
struct WriteOutcome {
    std::string path;
    bool ok = false;
    std::string reason; // empty when ok
    explicit operator bool() const { return ok; }
};

// Writes the bytes where no name shows them and, once they are complete and on disk, renames them
// over the target, so a failure (read-only folder, full disk, a path that is a directory) or a
// kill at any instant leaves every name of the old file with its old contents.
WriteOutcome replaceFile(const std::string& path, std::string_view bytes);

// The same, for contents too large to hold at once: produce hands each piece to write, which
// returns false once the file can take no more (the producer should stop then), and returns
// false itself to abandon the file (a cancelled printout): then nothing on disk changes.
using WritePiece = std::function<bool(std::string_view)>;
using ProducePieces = std::function<bool(const WritePiece&)>;
WriteOutcome replaceFileWith(const std::string& path, const ProducePieces& produce);

// Long work tells how far it has got, done of total in units of its own, and learns whether to go
// on: false means the user cancelled, and the work stops, leaving every file as it was.
using WorkProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// The reason given when the producer abandoned the file without a failed write.
inline constexpr const char* kWriteCancelled =
    UI_TEXT("selvane::FinCalc", "the writing was cancelled");
// The reason a printout whose report has no totals is not written.
inline constexpr const char* kNoReportToPrint =
    UI_TEXT("selvane::FinCalc", "the report's totals cannot be computed");

} // namespace selvane
