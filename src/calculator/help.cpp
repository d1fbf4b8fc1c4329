// Help topic loading: each label's click names a topic file, read whole from the current
// working directory (or, where it has none, from the program's own folders) into the comments
// box.

#include "calculator/fincalc.h"
#include "core/fields.h"
#include "core/help_topics.h"

namespace selvane {

// A topic that cannot be read leaves the comments box as it was. Where the window speaks another
// language the topic is read from that language's folder, and in English when it is not there.
// The working folder comes first: a topic there wins over the program's own.
void FinCalc::OpenHelpFile() {
    std::vector<std::string> folders = m_host.helpFolders();
    folders.insert(folders.begin(), std::string());
    auto text = findTopic(folders, m_host.helpLanguage(), HelpTopic);
    if (!text)
        return;
    // A topic cut short ends in a note saying so, in the user's language too.
    if (text->ends_with(kCommentsCutNote))
        text->replace(text->size() - kCommentsCutNote.size(), kCommentsCutNote.size(),
                      tr(kCommentsCutNote.data()));
    comments = std::move(*text);
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
    // A disabled label takes no click; PER's label lies hidden under INFL's and takes none either.
    if (index < 0 || index >= kFieldCount || index == field::PER ||
        !fields[static_cast<size_t>(index)].enabled)
        return;
    HelpTopic = fieldTopic(index);
    OpenHelpFile();
}
void FinCalc::mnTopics_Click() {
    HelpTopic = kGeneralTopic;
    OpenHelpFile();
}

} // namespace selvane
