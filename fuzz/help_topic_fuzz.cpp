// Help topics are Windows-1252 files read into the comments box. Any bytes must come out as
// valid UTF-8 that maps back to the very same bytes, the five bytes the code page leaves
// undefined included; and arbitrary text (not always valid UTF-8) must map to one byte per
// character without failing.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/codepage.h"
#include "core/help_topics.h"
#include "fuzz_check.h"

namespace {
// One scratch folder per process, removed when it exits.
struct ScratchFolder {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("selvane-help-fuzz-" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(dir); }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};
std::string g_topicPath;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static ScratchFolder scratch;
    g_topicPath = (scratch.dir / "Topic.txt").string();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string text = utf8FromCp1252(bytes);
    FUZZ_CHECK(fuzz::validUtf8(text));
    FUZZ_CHECK(cp1252FromUtf8(text) == bytes);

    // Every input taken as UTF-8 text: one byte out per character read, '?' for any character
    // the code page cannot hold, and text from the code page itself converts back unchanged.
    const std::string back = cp1252FromUtf8(bytes);
    FUZZ_CHECK(back.size() <= bytes.size());
    if (fuzz::validUtf8(bytes)) {
        size_t characters = 0;
        for (char c : bytes)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        FUZZ_CHECK(back.size() == characters);
        FUZZ_CHECK(fuzz::validUtf8(utf8FromCp1252(back)));
    }

    // What the box is given: the same text with line breaks put in, none of its lines longer
    // than the box takes, and the text itself when its lines are short enough.
    const std::string shown = commentsText(text);
    FUZZ_CHECK(fuzz::validUtf8(shown));
    size_t lineChars = 0, longest = 0, j = 0;
    for (char c : shown) {
        if (c == '\r' || c == '\n')
            lineChars = 0;
        else
            lineChars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        longest = std::max(longest, lineChars);
    }
    FUZZ_CHECK(longest <= kMaxCommentLine);
    // An input of the fuzzer's size has fewer lines and bytes than a topic that is cut.
    if (size <= 4096) {
        for (size_t i = 0; i < shown.size();) {
            if (j < text.size() && shown[i] == text[j]) {
                ++i;
                ++j;
            } else {
                FUZZ_CHECK(shown.compare(i, 2, "\r\n") == 0);
                i += 2;
            }
        }
        FUZZ_CHECK(j == text.size());
    }

    // The whole path the comments box takes: the file read back as that text.
    if (std::FILE* f = std::fopen(g_topicPath.c_str(), "wb")) {
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        std::fclose(f);
        if (written) {
            const auto topic = readTopic(g_topicPath);
            FUZZ_CHECK(topic.has_value() && *topic == shown);
        }
    }
    return 0;
}
