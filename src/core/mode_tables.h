#pragma once
// The five calculation modes as data: one table per concern (identity, captions, default texts,
// roles, result set-up), read by one loop each instead of five copies of the same code.

#include <array>
#include <cstdint>
#include <string_view>

namespace selvane {

enum class Mode : int { PersonalLoan, Mortgage, Lease, Income, Investment };
inline constexpr int kModeCount = 5;

struct ModeInfo {
    std::string_view calculatorMode; // the string the engine compares with
    std::string_view caption;        // window caption
    std::string_view cliName;        // the name the command-line driver uses
    std::array<std::string_view, 4> results;
    int resultCount;
    int compoundIndex; // compound-period entry selected by the switch
};
extern const std::array<ModeInfo, kModeCount> kModes;

// Field captions per mode (fields 6, 8 and 16 differ by mode).
extern const std::array<std::array<std::string_view, 17>, kModeCount> kFieldCaptions;

// Default texts written by the switch. kFromStored marks a field that receives the text of the
// stored value the switch has just preset.
inline constexpr std::string_view kFromStored = "\x01stored";
extern const std::array<std::array<std::string_view, 17>, kModeCount> kSwitchTexts;

// Field roles by mode: read-only and disabled fields as bit masks over the field index.
struct FieldRoles {
    std::uint32_t locked;
    std::uint32_t disabled;
};
extern const std::array<FieldRoles, kModeCount> kFieldRoles;
inline constexpr std::uint32_t kWhiteFields =
    (1u << 4) | (1u << 9) | (1u << 11) | (1u << 12) | (1u << 13) | (1u << 14) | (1u << 16);

// Result-type set-up: the solvable fields in write order and, per result type, each one's
// default text; kResult marks the field solved for.
inline constexpr std::string_view kResult = "\x01result";
inline constexpr std::string_view kUnchanged = "\x01unchanged";
inline constexpr std::string_view kResidual = "\x01residual";
struct SetupTable {
    std::array<int, 4> fields;
    int fieldCount;
    std::array<std::array<std::string_view, 4>, 4> rows;
    int rowCount;
    std::array<std::string_view, 4> fbalText; // lease only: FBAL text per row
};
extern const std::array<SetupTable, kModeCount> kSetups;

// The mode whose string equals text, or -1.
int modeIndexOf(std::string_view calculatorMode);
int modeIndexOfCliName(std::string_view name);

} // namespace selvane
