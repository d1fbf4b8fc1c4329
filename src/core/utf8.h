#pragma once
// The one UTF-8 decoder of the program. Text reaches it from anywhere (a typed field, a path, a
// help topic), so every byte sequence has one reading: a well-formed sequence (no overlong
// forms, no surrogates, nothing above U+10FFFF) is its code point, and anything else is U+FFFD
// over the longest start of a well-formed sequence, at least one byte, as Unicode recommends.
// Every part of the program then agrees on where one character ends and the next begins.

#include <cstddef>
#include <string_view>

namespace selvane {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Char {
    char32_t codePoint; // kReplacementCharacter where the bytes are not well-formed
    std::size_t length; // bytes, at least 1
    bool valid;
};

// The character whose bytes start at s[i] (i < s.size()).
inline Utf8Char decodeUtf8(std::string_view s, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return {b0, 1, true};
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF)
        length = 2;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
        length = 3;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
        length = 4;
    else
        return {kReplacementCharacter, 1, false};
    if (b0 == 0xE0)
        low = 0xA0;
    else if (b0 == 0xED)
        high = 0x9F;
    else if (b0 == 0xF0)
        low = 0x90;
    else if (b0 == 0xF4)
        high = 0x8F;
    char32_t cp = b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= s.size())
            return {kReplacementCharacter, k, false};
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
            return {kReplacementCharacter, k, false};
        cp = (cp << 6) | (b & 0x3F);
    }
    return {cp, length, true};
}

// The number of characters of s.
inline std::size_t utf8Count(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count)
        i += static_cast<unsigned char>(s[i]) < 0x80 ? 1 : decodeUtf8(s, i).length;
    return count;
}

// The length in bytes of the first n characters of s; all of s when it has no more.
inline std::size_t utf8BytesOf(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t chars = 0; chars < n && i < s.size(); ++chars)
        i += decodeUtf8(s, i).length;
    return i;
}

// The length in bytes of the last character of s (0 when s is empty): the longest tail that
// decodes as one character. No character reaches back over the start of another, so this is the
// character a reading from the front ends with, found without that reading.
inline std::size_t utf8LastLength(std::string_view s) {
    for (std::size_t k = s.size() < 4 ? s.size() : 4; k > 1; --k)
        if (decodeUtf8(s, s.size() - k).length == k)
            return k;
    return s.empty() ? 0 : 1;
}

} // namespace selvane
