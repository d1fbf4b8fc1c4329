#include "core/mode_tables.h"

#include "core/user_text.h"

namespace selvane {

const std::array<ModeInfo, kModeCount> kModes = {{
    {"PersonalLoan",
     UI_TEXT("selvane::FinCalc", "Personal Loans"),
     "PersonalLoan",
     {UI_TEXT("selvane::FinCalc", "Loan Payment"), UI_TEXT("selvane::FinCalc", "Loan Amount"),
      UI_TEXT("selvane::FinCalc", "Number of Payments"), ""},
     kLoanResultCount,
     1},
    {"Mortgage",
     UI_TEXT("selvane::FinCalc", "Mortgages"),
     "Mortgage",
     {UI_TEXT("selvane::FinCalc", "Mortgage Payment"),
      UI_TEXT("selvane::FinCalc", "Purchase Amount"),
      UI_TEXT("selvane::FinCalc", "Number of Payments"), ""},
     kLoanResultCount,
     2},
    {"AutoLease",
     UI_TEXT("selvane::FinCalc", "Leases"),
     "Lease",
     {UI_TEXT("selvane::FinCalc", "Lease Payment"), UI_TEXT("selvane::FinCalc", "Lease Amount"),
      UI_TEXT("selvane::FinCalc", "Number of Payments"), ""},
     kLoanResultCount,
     1},
    {"Income",
     UI_TEXT("selvane::FinCalc", "Income"),
     "Income",
     {UI_TEXT("selvane::FinCalc", "Payment"), UI_TEXT("selvane::FinCalc", "Start Amount"),
      UI_TEXT("selvane::FinCalc", "Number of Payments"), ""},
     kLoanResultCount,
     1},
    {"Investment",
     UI_TEXT("selvane::FinCalc", "Investments"),
     "Investment",
     {UI_TEXT("selvane::FinCalc", "Payment"), UI_TEXT("selvane::FinCalc", "Start Amount"),
      UI_TEXT("selvane::FinCalc", "End Amount"), UI_TEXT("selvane::FinCalc", "Number of Payments")},
     kInvestmentResultCount,
     1},
}};

namespace {
constexpr std::array<std::string_view, kFieldCount>
captions(std::string_view sbal, std::string_view fbal, std::string_view pcost) {
    return {UI_TEXT("selvane::FinCalc", "APR (%)"),
            UI_TEXT("selvane::FinCalc", "Cmpd"),
            UI_TEXT("selvane::FinCalc", "Infl. (%)"),
            UI_TEXT("selvane::FinCalc", "Depr. (%)"),
            UI_TEXT("selvane::FinCalc", "Real APR"),
            UI_TEXT("selvane::FinCalc", "No. Pmts"),
            sbal,
            UI_TEXT("selvane::FinCalc", "Down Pmt"),
            fbal,
            UI_TEXT("selvane::FinCalc", "Payment"),
            UI_TEXT("selvane::FinCalc", "After"),
            UI_TEXT("selvane::FinCalc", "Balance"),
            UI_TEXT("selvane::FinCalc", "Principal Paid"),
            UI_TEXT("selvane::FinCalc", "Interest Paid"),
            UI_TEXT("selvane::FinCalc", "Asset Value"),
            UI_TEXT("selvane::FinCalc", "Tax (%)"),
            pcost};
}
} // namespace

const std::array<std::array<std::string_view, kFieldCount>, kModeCount> kFieldCaptions = {{
    captions(UI_TEXT("selvane::FinCalc", "Purchase Amt"), UI_TEXT("selvane::FinCalc", "End Amount"),
             UI_TEXT("selvane::FinCalc", "Pmt Cost")),
    captions(UI_TEXT("selvane::FinCalc", "Purchase Amt"), UI_TEXT("selvane::FinCalc", "End Amount"),
             UI_TEXT("selvane::FinCalc", "Pmt Cost")),
    captions(UI_TEXT("selvane::FinCalc", "Purch. Amt"), UI_TEXT("selvane::FinCalc", "Buyback "),
             UI_TEXT("selvane::FinCalc", "Pmt Cost")),
    captions(UI_TEXT("selvane::FinCalc", "Start Amt"), UI_TEXT("selvane::FinCalc", "End Amount"),
             UI_TEXT("selvane::FinCalc", "Pmt Value")),
    captions(UI_TEXT("selvane::FinCalc", "Start Amount"), UI_TEXT("selvane::FinCalc", "End Amount"),
             UI_TEXT("selvane::FinCalc", "Pmt Cost")),
}};

//  APR      PER   INFL  DEPR  RAPR  PERS   SBAL         DPMT        FBAL         PMT  AFTER
//  BAL PPAID IPAID VALUE TAX PCOST
const std::array<std::array<std::string_view, kFieldCount>, kModeCount> kSwitchTexts = {{
    {"7.50", "1", "2", "15", "", "60", "20000", "0", "0", "", "12", "", "", "", "", "0", ""},
    {"5.00", "6", "2", "1", "", "300", "200000.00", "50000.00", kFromStored, "", "60", "", "", "",
     "", "0", ""},
    {"7.5", "1", "2", kFromStored, "", kFromStored, kFromStored, "5000", kFromStored, "", "12", "",
     "", "", "", "5", ""},
    {"7.5", "1", "2", "0", "", "180", "50000", "0", "0", "", "120", "", "", "", "", "0", ""},
    {"7.5", "1", "2", "0", "", "180", "0", "0", "200000", "", "120", "", "", "", "", "0", ""},
}};

const std::array<FieldRoles, kModeCount> kFieldRoles = {{
    {kWhiteFields, 0},
    {kWhiteFields, 0},
    {kWhiteFields, 0},
    {kWhiteFields | fieldBits({field::DEPR, field::DPMT, field::TAX}),
     fieldBits({field::DEPR, field::DPMT, field::TAX})},
    {kWhiteFields | fieldBits({field::DPMT, field::TAX}), fieldBits({field::DPMT, field::TAX})},
}};

// The rows of each table are its mode's result types in list order (LoanResult,
// InvestmentResult), their columns the solvable fields in the order given first.
const std::array<SetupTable, kModeCount> kSetups = {{
    {{field::PMT, field::SBAL, field::PERS},
     3,
     {{{kResult, "20000.00", "60", ""},
       {"500", kResult, "60", ""},
       {"500", "20000.00", kResult, ""}}},
     kLoanResultCount,
     {}},
    {{field::PMT, field::SBAL, field::PERS},
     3,
     {{{kResult, "200000.00", "300", ""},
       {"1000", kResult, "300", ""},
       {"1000", "200000.00", kResult, ""}}},
     kLoanResultCount,
     {}},
    {{field::PMT, field::SBAL, field::PERS, field::DPMT},
     4,
     {{{kResult, "30000.00", "48", "0"},
       {"300", kResult, "48", "0"},
       {"300", "30000.00", kResult, "0"}}},
     kLoanResultCount,
     {kResidual, "15000", kUnchanged, kUnchanged}},
    {{field::PMT, field::SBAL, field::PERS},
     3,
     {{{kResult, "50000.00", "180", ""},
       {"500", kResult, "180", ""},
       {"500", "50000.00", kResult, ""}}},
     kLoanResultCount,
     {}},
    {{field::PMT, field::FBAL, field::SBAL, field::PERS},
     4,
     {{{kResult, "200000", "50000", "180"},
       {"200", "200000", kResult, "180"},
       {"200", kResult, "50000", "180"},
       {"200", "200000", "50000", kResult}}},
     kInvestmentResultCount,
     {}},
}};

std::optional<Mode> modeOf(std::string_view calculatorMode) {
    for (int i = 0; i < kModeCount; ++i)
        if (kModes[static_cast<size_t>(i)].calculatorMode == calculatorMode)
            return static_cast<Mode>(i);
    return std::nullopt;
}

std::optional<Mode> modeOfCliName(std::string_view name) {
    for (int i = 0; i < kModeCount; ++i)
        if (kModes[static_cast<size_t>(i)].cliName == name)
            return static_cast<Mode>(i);
    return std::nullopt;
}

} // namespace selvane
