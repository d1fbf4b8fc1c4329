// The Recent Files list as the settings hand it back: any bytes, one entry a line, the first
// line the file being opened (or removed). Whatever was stored, the list read must be at most
// five distinct, non-empty, cleaned absolute paths, reading it again must change nothing, and
// adding or removing a file must keep those rules and the order of the others.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/recent_files.h"
#include "fuzz_check.h"

namespace selvane {
namespace {

using List = std::vector<std::string>;

// The form of a key: absolute, no empty, "." or ".." component, no separator at the end (but
// the root's), valid UTF-8, and cleaning it again gives it back.
void checkKey(const std::string& key) {
    FUZZ_CHECK(!key.empty() && key.front() == '/');
    FUZZ_CHECK(key == "/" || key.back() != '/');
    FUZZ_CHECK(key.find("//") == std::string::npos);
    const std::string slashed = key + '/';
    FUZZ_CHECK(slashed.find("/./") == std::string::npos);
    FUZZ_CHECK(slashed.find("/../") == std::string::npos);
    FUZZ_CHECK(fuzz::validUtf8(key));
    FUZZ_CHECK(recentFileKey(key) == key);
}

// At most five entries, none empty, none twice, each a key.
void checkListed(const List& list) {
    FUZZ_CHECK(list.size() <= kRecentFilesMax);
    FUZZ_CHECK(std::set<std::string>(list.begin(), list.end()).size() == list.size());
    for (const std::string& entry : list)
        checkKey(entry);
}

} // namespace
} // namespace selvane

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Keys are made absolute against the working directory: one that every machine has, so
    // inputs replay alike.
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    List lines;
    for (size_t pos = 0;;) {
        const size_t end = std::min(input.find('\n', pos), input.size());
        lines.emplace_back(input.substr(pos, end - pos));
        if (end == input.size())
            break;
        pos = end + 1;
    }
    const std::string path = lines.front();
    const List stored(lines.begin() + 1, lines.end());

    // Read from the settings: the first five distinct files, however many were stored.
    std::set<std::string> distinct;
    for (const std::string& entry : stored)
        if (!entry.empty())
            distinct.insert(recentFileKey(entry));
    const List list = tidyRecentFiles(stored);
    checkListed(list);
    FUZZ_CHECK(list.size() == std::min(distinct.size(), kRecentFilesMax));
    for (const std::string& entry : list)
        FUZZ_CHECK(distinct.count(entry) == 1);
    FUZZ_CHECK(tidyRecentFiles(list) == list);

    // Read one entry at a time: the same list, asking for each entry once, in order, and for
    // none after the one that completed the list.
    std::vector<size_t> asked;
    const List lazy = tidyRecentFiles(stored.size(), [&](size_t i) {
        asked.push_back(i);
        return stored[i];
    });
    FUZZ_CHECK(lazy == list);
    for (size_t k = 0; k < asked.size(); ++k)
        FUZZ_CHECK(asked[k] == k);
    if (list.size() == kRecentFilesMax)
        FUZZ_CHECK(!asked.empty() && recentFileKey(stored[asked.back()]) == list.back());
    else
        FUZZ_CHECK(asked.size() == stored.size());

    const std::string key = recentFileKey(path);
    FUZZ_CHECK(key.empty() == path.empty());
    if (key.empty()) {
        FUZZ_CHECK(withRecentFile(list, path) == list);
        return 0;
    }
    checkKey(key);

    // The others, in their order, without the file.
    List others;
    for (const std::string& entry : list)
        if (entry != key)
            others.push_back(entry);
    FUZZ_CHECK(others.size() + 1 >= list.size());

    // Opened: first, then the others, cut to five.
    const List added = withRecentFile(list, path);
    checkListed(added);
    FUZZ_CHECK(!added.empty() && added.front() == key);
    const size_t kept = std::min(others.size(), kRecentFilesMax - 1);
    FUZZ_CHECK(List(added.begin() + 1, added.end()) == List(others.begin(), others.begin() + kept));

    // Removed: the others, whether it was listed or had just been added.
    FUZZ_CHECK(withoutRecentFile(list, path) == others);
    FUZZ_CHECK(withoutRecentFile(added, path) == List(others.begin(), others.begin() + kept));
    return 0;
}
