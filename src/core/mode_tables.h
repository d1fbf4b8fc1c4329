#pragma once
// The five calculation modes as data: one table per concern (identity, captions, default texts,
// roles, result set-up), read by one loop each instead of five copies of the same code.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "core/fields.h"

namespace selvane {

// The modes in the order of every table below (and of the Function menu).
enum class Mode : int { PersonalLoan, Mortgage, Lease, Income, Investment };
inline constexpr int kModeCount = 5;

// A mode's row in the tables.
constexpr std::size_t tableIndex(Mode m) {
    return static_cast<std::size_t>(m);
}

// The result types, in the order of the mode's result list: one set for the four loan modes
// (personal loan, mortgage, lease, income), one for investments.
enum class LoanResult : int { Payment, Amount, NumberOfPayments };
inline constexpr int kLoanResultCount = 3;
enum class InvestmentResult : int { Payment, StartAmount, EndAmount, NumberOfPayments };
inline constexpr int kInvestmentResultCount = 4;

struct ModeInfo {
    std::string_view calculatorMode; // the string the engine compares with
    std::string_view caption;        // window caption
    std::string_view cliName;        // the name the command-line driver uses
    std::array<std::string_view, 4> results;
    int resultCount;
    int compoundIndex; // compound-period entry selected by the switch
};
extern const std::array<ModeInfo, kModeCount> kModes;

// Field captions per mode (SBAL, FBAL and PCOST differ by mode).
extern const std::array<std::array<std::string_view, kFieldCount>, kModeCount> kFieldCaptions;

// Default texts written by the switch. kFromStored marks a field that receives the text of the
// stored value the switch has just preset.
inline constexpr std::string_view kFromStored = "\x01stored";
extern const std::array<std::array<std::string_view, kFieldCount>, kModeCount> kSwitchTexts;

// Field roles by mode: read-only and disabled fields as bit masks over the field index.
static_assert(kFieldCount <= 32, "a field's bit must fit a 32-bit mask");
constexpr std::uint32_t fieldBits(std::initializer_list<int> fields) {
    std::uint32_t m = 0;
    for (int f : fields)
        m |= 1u << f;
    return m;
}
struct FieldRoles {
    std::uint32_t locked;
    std::uint32_t disabled;
};
extern const std::array<FieldRoles, kModeCount> kFieldRoles;
inline constexpr std::uint32_t kWhiteFields = fieldBits(
    {field::RAPR, field::PMT, field::BAL, field::PPAID, field::IPAID, field::VALUE, field::PCOST});

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

// The mode whose engine string (ModeInfo::calculatorMode) is exactly calculatorMode; none for
// any other text, which a scenario file may hold.
std::optional<Mode> modeOf(std::string_view calculatorMode);
// The mode the command-line driver calls name (ModeInfo::cliName), if any.
std::optional<Mode> modeOfCliName(std::string_view name);

} // namespace selvane
