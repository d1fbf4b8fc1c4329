#pragma once
// A file's bytes, for the tests that check what was written.

#include <fstream>
#include <sstream>
#include <string>

namespace selvane::testing {

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace selvane::testing
