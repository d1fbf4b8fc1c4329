#pragma once
// Help-topic texts for tests: long texts made by repetition, the lines the comments box takes,
// and a fixture that runs the calculator in a folder of its own, where topic files are looked up.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/fincalc.h"

namespace selvane::testing {

inline std::string repeat(std::string_view piece, size_t times) {
    std::string s;
    s.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i)
        s += piece;
    return s;
}

// The lines of a text as the box takes them: CR LF, LF and CR each end one.
inline std::vector<std::string_view> linesOf(std::string_view s) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r' && s[i] != '\n')
            continue;
        lines.push_back(s.substr(start, i - start));
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < s.size())
        lines.push_back(s.substr(start));
    return lines;
}

// The calculator with a temporary folder as the working directory, for the topic files a test
// writes there; the previous working directory comes back afterwards.
class InTopicFolder : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::filesystem::path before = std::filesystem::current_path();
    NullHost host;
    FinCalc calc{host};
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        std::filesystem::current_path(dir.path().toStdString());
    }
    void TearDown() override { std::filesystem::current_path(before); }
};

} // namespace selvane::testing
