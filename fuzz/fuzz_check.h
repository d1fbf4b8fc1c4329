#pragma once
// Invariant checks shared by the fuzz targets. They stay active in every build (no NDEBUG) and
// abort with the failed condition, so libFuzzer keeps the input and the replay driver fails.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace selvane::fuzz {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
inline bool validUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        size_t len = 0;
        unsigned cp = 0, min = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if ((b & 0xE0) == 0xC0)
            len = 2, cp = b & 0x1Fu, min = 0x80;
        else if ((b & 0xF0) == 0xE0)
            len = 3, cp = b & 0x0Fu, min = 0x800;
        else if ((b & 0xF8) == 0xF0)
            len = 4, cp = b & 0x07u, min = 0x10000;
        else
            return false;
        if (i + len > s.size())
            return false;
        for (size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

} // namespace selvane::fuzz
