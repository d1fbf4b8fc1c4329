#include "core/mode_tables.h"

namespace selvane {

const std::array<ModeInfo, kModeCount> kModes = {{
    {"PersonalLoan",
     "Personal Loans",
     "PersonalLoan",
     {"Loan Payment", "Loan Amount", "Number of Payments", ""},
     3,
     1},
    {"Mortgage",
     "Mortgages",
     "Mortgage",
     {"Mortgage Payment", "Purchase Amount", "Number of Payments", ""},
     3,
     2},
    {"AutoLease",
     "Leases",
     "Lease",
     {"Lease Payment", "Lease Amount", "Number of Payments", ""},
     3,
     1},
    {"Income", "Income", "Income", {"Payment", "Start Amount", "Number of Payments", ""}, 3, 1},
    {"Investment",
     "Investments",
     "Investment",
     {"Payment", "Start Amount", "End Amount", "Number of Payments"},
     4,
     1},
}};

namespace {
constexpr std::array<std::string_view, 17> captions(std::string_view sbal, std::string_view fbal,
                                                    std::string_view pcost) {
    return {"APR (%)",
            "Cmpd",
            "Infl. (%)",
            "Depr. (%)",
            "Real APR",
            "No. Pmts",
            sbal,
            "Down Pmt",
            fbal,
            "Payment",
            "After",
            "Balance",
            "Principal Paid",
            "Interest Paid",
            "Asset Value",
            "Tax (%)",
            pcost};
}
} // namespace

const std::array<std::array<std::string_view, 17>, kModeCount> kFieldCaptions = {{
    captions("Purchase Amt", "End Amount", "Pmt Cost"),
    captions("Purchase Amt", "End Amount", "Pmt Cost"),
    captions("Purch. Amt", "Buyback ", "Pmt Cost"),
    captions("Start Amt", "End Amount", "Pmt Value"),
    captions("Start Amount", "End Amount", "Pmt Cost"),
}};

//  APR      PER   INFL  DEPR  RAPR  PERS   SBAL         DPMT        FBAL         PMT  AFTER
//  BAL PPAID IPAID VALUE TAX PCOST
const std::array<std::array<std::string_view, 17>, kModeCount> kSwitchTexts = {{
    {"7.50", "1", "2", "15", "", "60", "20000", "0", "0", "", "12", "", "", "", "", "0", ""},
    {"5.00", "6", "2", "1", "", "300", "200000.00", "50000.00", kFromStored, "", "60", "", "", "",
     "", "0", ""},
    {"7.5", "1", "2", kFromStored, "", kFromStored, kFromStored, "5000", kFromStored, "", "12", "",
     "", "", "", "5", ""},
    {"7.5", "1", "2", "0", "", "180", "50000", "0", "0", "", "120", "", "", "", "", "0", ""},
    {"7.5", "1", "2", "0", "", "180", "0", "0", "200000", "", "120", "", "", "", "", "0", ""},
}};

namespace {
constexpr std::uint32_t bits(std::initializer_list<int> fields) {
    std::uint32_t m = 0;
    for (int f : fields)
        m |= 1u << f;
    return m;
}
} // namespace

const std::array<FieldRoles, kModeCount> kFieldRoles = {{
    {kWhiteFields, 0},
    {kWhiteFields, 0},
    {kWhiteFields, 0},
    {kWhiteFields | bits({3, 7, 15}), bits({3, 7, 15})},
    {kWhiteFields | bits({7, 15}), bits({7, 15})},
}};

// Solvable fields: PMT 9, SBAL 6, PERS 5, FBAL 8, DPMT 7.
const std::array<SetupTable, kModeCount> kSetups = {{
    {{9, 6, 5, 0},
     3,
     {{{kResult, "20000.00", "60", ""},
       {"500", kResult, "60", ""},
       {"500", "20000.00", kResult, ""}}},
     3,
     {}},
    {{9, 6, 5, 0},
     3,
     {{{kResult, "200000.00", "300", ""},
       {"1000", kResult, "300", ""},
       {"1000", "200000.00", kResult, ""}}},
     3,
     {}},
    {{9, 6, 5, 7},
     4,
     {{{kResult, "30000.00", "48", "0"},
       {"300", kResult, "48", "0"},
       {"300", "30000.00", kResult, "0"}}},
     3,
     {kResidual, "15000", kUnchanged, kUnchanged}},
    {{9, 6, 5, 0},
     3,
     {{{kResult, "50000.00", "180", ""},
       {"500", kResult, "180", ""},
       {"500", "50000.00", kResult, ""}}},
     3,
     {}},
    {{9, 8, 6, 5},
     4,
     {{{kResult, "200000", "50000", "180"},
       {"200", "200000", kResult, "180"},
       {"200", kResult, "50000", "180"},
       {"200", "200000", "50000", kResult}}},
     4,
     {}},
}};

int modeIndexOf(std::string_view calculatorMode) {
    for (int i = 0; i < kModeCount; ++i)
        if (kModes[static_cast<size_t>(i)].calculatorMode == calculatorMode)
            return i;
    return -1;
}

int modeIndexOfCliName(std::string_view name) {
    for (int i = 0; i < kModeCount; ++i)
        if (kModes[static_cast<size_t>(i)].cliName == name)
            return i;
    return -1;
}

} // namespace selvane
