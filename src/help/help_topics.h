#pragma once
// Help topics: which topic file belongs to which label, and reading a topic file.

#include <optional>
#include <string>
#include <string_view>

namespace selvane {

// The topic file of field label i (0 to 16); a field label keeps its topic in every mode.
std::string_view fieldTopic(int fieldIndex);
inline constexpr std::string_view kPaymentPeriodTopic = "Payment Period.txt";
inline constexpr std::string_view kCompoundPeriodTopic = "Compound Period.txt";
inline constexpr std::string_view kSelectResultTopic = "Select Result.txt";
inline constexpr std::string_view kGeneralTopic = "Startup.txt";

// The whole text of a topic file, as UTF-8; nullopt when it cannot be read.
std::optional<std::string> readTopic(const std::string& fileName);

} // namespace selvane
