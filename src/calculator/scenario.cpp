// File > Open, Save and Save As.

#include "calculator/fincalc.h"
#include "core/file_io.h"
#include "core/number_text.h"
#include "core/scenario_format.h"

namespace selvane {

namespace {
// A scenario is 18 short lines; a file far larger is not one and is not read.
constexpr std::uintmax_t kMaxScenarioBytes = 1u << 20;

FileDialogRequest scenarioDialog(const char* title, std::string fileName) {
    return {title, kScenarioFilter, kScenarioFilterFin, std::move(fileName)};
}
} // namespace

bool FinCalc::writeScenario(const std::string& path) {
    std::array<std::string, kScenarioFieldCount> texts;
    for (int i = 0; i < kScenarioFieldCount; ++i)
        texts[static_cast<size_t>(i)] = fields[static_cast<size_t>(i)].text;
    // A failed write leaves the previous file as it was; nothing else changes.
    return noteWrite(replaceFile(path, scenarioText(CalculatorMode, cmResult.selected, texts)),
                     UI_TEXT("selvane::FinCalc", "Could not save %1: %2"));
}

bool FinCalc::noteWrite(WriteOutcome outcome, const char* failed) {
    const bool ok = outcome.ok;
    if (outcome.path.empty())
        return ok;
    // A printout the user cancelled is no surprise, and is not told.
    if (!ok && outcome.reason != kWriteCancelled)
        notice = fillIn(tr(failed), {outcome.path, tr(outcome.reason.c_str())});
    lastWrite = std::move(outcome);
    ++writeCount;
    return ok;
}

void FinCalc::mnSave_Click() {
    if (!ScenarioFileName.empty())
        writeScenario(ScenarioFileName);
    else
        mnSaveAs_Click();
}

void FinCalc::mnSaveAs_Click() {
    const auto path = m_host.chooseSavePath(
        scenarioDialog(UI_TEXT("selvane::FinCalc", "Save As"), ScenarioFileName));
    if (!path)
        return;
    if (writeScenario(*path))
        m_host.scenarioFileUsed(*path);
}

void FinCalc::mnOpen_Click() {
    const auto path =
        m_host.chooseOpenPath(scenarioDialog(UI_TEXT("selvane::FinCalc", "Open"), std::string()));
    if (!path)
        return;
    openScenario(*path);
}

void FinCalc::openScenario(const std::string& path) {
    // Recent Files, the command line and a drop bring offers files this way too.
    if (fileEnding(path) == "offers") {
        openOffers(path);
        return;
    }
    const auto bytes = readWholeFile(path, kMaxScenarioBytes);
    if (!bytes)
        return;
    const ScenarioRead file = readScenario(*bytes);
    if (!file.mode)
        return;
    planChanged();
    CalculatorMode = *file.mode; // nothing else of a mode switch happens
    if (!file.complete)
        return;
    // Selecting a different entry runs the set-up at once, with the old field texts.
    if (!selectResult(*file.resultType))
        return;
    for (size_t i = 0; i < file.values.size(); ++i)
        fields[i].text = singleText(file.values[i]);
    ScenarioFileName = path;
    cmResult_Click();
    m_host.scenarioFileUsed(path);
}

} // namespace selvane
