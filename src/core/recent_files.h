#pragma once
// The rules of File > Recent Files: the newest first, each file once, at most five. The window
// keeps the list in its settings; these functions only say what the list becomes.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace selvane {

inline constexpr std::size_t kRecentFilesMax = 5;

// The path made absolute against the working directory and cleaned ("a/./b/../c" -> "a/c",
// no doubled or trailing separators): the form in which paths are listed and compared. An
// empty path stays empty.
std::string recentFileKey(const std::string& path);

// The list with path at the front: any entry naming the same file (by recentFileKey) is dropped,
// as are empty entries, and the list is cut to max entries. The path is listed as its key.
std::vector<std::string> withRecentFile(const std::vector<std::string>& list,
                                        const std::string& path, std::size_t max = kRecentFilesMax);

// The list without the entries naming the same file as path; the others keep their order.
std::vector<std::string> withoutRecentFile(const std::vector<std::string>& list,
                                           const std::string& path);

// A list read back from storage, put in order: each file once (the first time it appears), no
// empty entries, at most max entries.
std::vector<std::string> tidyRecentFiles(const std::vector<std::string>& list,
                                         std::size_t max = kRecentFilesMax);
// The same for a stored list of `count` entries read one at a time: entry(i) is asked for only
// until max entries are listed, so a list of any length costs no more than the entries shown.
std::vector<std::string> tidyRecentFiles(std::size_t count,
                                         const std::function<std::string(std::size_t)>& entry,
                                         std::size_t max = kRecentFilesMax);

} // namespace selvane
