// Help topic loading: each label's click names a topic file, read whole from the current
// working directory into the comments box.

#include "help/help_topics.h"

#include <array>

#include "files/codepage.h"
#include "files/file_io.h"
#include "window/fincalc.h"

namespace selvane {

namespace {
constexpr std::array<std::string_view, kFieldCount> kFieldTopics = {
    "APR.txt",          "Cmpd.txt",         "Inflation.txt",      "Depreciation.txt",
    "Real APR.txt",     "Number of Payments.txt", "Loan Amount.txt", "Down Payment.txt",
    "End Amount.txt",   "Payment.txt",      "After.txt",          "Balance.txt",
    "PPaid.txt",        "IPaid.txt",        "Value.txt",          "Tax.txt",
    "PCost.txt"};
// A help topic is a page of text; anything far larger is not one, and is not loaded.
constexpr std::uintmax_t kMaxTopicBytes = 16u << 20;
} // namespace

std::string_view fieldTopic(int i) {
    if (i < 0 || i >= kFieldCount) return {};
    return kFieldTopics[static_cast<size_t>(i)];
}

std::optional<std::string> readTopic(const std::string& fileName) {
    auto bytes = readWholeFile(fileName, kMaxTopicBytes);
    if (!bytes) return std::nullopt;
    return utf8FromCp1252(*bytes);
}

// A topic that cannot be read leaves the comments box as it was.
void FinCalc::OpenHelpFile() {
    if (auto text = readTopic(HelpTopic)) comments = std::move(*text);
}

void FinCalc::Label1_Click() {
    HelpTopic = kPaymentPeriodTopic;
    OpenHelpFile();
}
void FinCalc::Label2_Click() {
    HelpTopic = kCompoundPeriodTopic;
    OpenHelpFile();
}
void FinCalc::lblResult_Click() {
    HelpTopic = kSelectResultTopic;
    OpenHelpFile();
}
void FinCalc::lblSL_Click(int index) {
    if (fieldTopic(index).empty()) return;
    HelpTopic = fieldTopic(index);
    OpenHelpFile();
}
void FinCalc::mnTopics_Click() {
    HelpTopic = kGeneralTopic;
    OpenHelpFile();
}

} // namespace selvane
