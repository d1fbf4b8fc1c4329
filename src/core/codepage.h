#pragma once
// Windows-1252, the 8-bit code page of scenario and help topic files, to and from UTF-8.

#include <string>
#include <string_view>

namespace selvane {

std::string utf8FromCp1252(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string cp1252FromUtf8(std::string_view text);

} // namespace selvane
