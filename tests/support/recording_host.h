#pragma once
// A front end that answers the state's dialogs as the test says and records what the state asked
// of it: dialogs, windows shown and closed, printouts, charts, messages, files used.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "calculator/fincalc.h"
#include "core/printed_pages.h"

namespace selvane::testing {

class RecordingHost : public NullHost {
  public:
    std::optional<std::string> answer; // the path every file dialog gives; nullopt cancels
    int typeAnswer = 1;                // the file type chosen where a dialog offers types
    std::vector<FileDialogRequest> requests;
    std::vector<std::string> calls, messages, pageTexts;
    std::vector<std::string> used; // what File > Recent Files would list, oldest first
    bool chartWritten = true;

    std::optional<std::string> chooseOpenPath(const FileDialogRequest& r) override {
        requests.push_back(r);
        return answer;
    }
    std::optional<std::string> chooseSavePath(const FileDialogRequest& r) override {
        requests.push_back(r);
        return answer;
    }
    std::optional<SaveChoice> chooseSavePathAndType(const FileDialogRequest& r) override {
        requests.push_back(r);
        if (!answer)
            return std::nullopt;
        return SaveChoice{*answer, typeAnswer};
    }
    static std::string allText(const PrintedPages& pages) {
        std::string s;
        for (std::int64_t p = 0; p < pages.pageCount(); ++p)
            s += pages.pageText(p);
        return s;
    }
    WriteOutcome printPages(const PrintedPages& pages) override {
        calls.push_back("print");
        pageTexts.push_back(allText(pages));
        return {{}, true, {}};
    }
    bool previewPages(const PrintedPages& pages) override {
        calls.push_back("preview");
        pageTexts.push_back(allText(pages));
        return true;
    }
    static const char* name(Window w) {
        return w == Window::About           ? "About"
               : w == Window::Chart         ? "Chart"
               : w == Window::CompareOffers ? "CompareOffers"
                                            : "WhatIf";
    }
    void showWindow(Window w) override { calls.push_back(std::string("show") + name(w)); }
    void closeWindow(Window w) override { calls.push_back(std::string("close") + name(w)); }
    int count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    WriteOutcome saveChart(const std::string& path, const ChartSource& source) override {
        calls.push_back("saveChart " + path + " rows " +
                        std::to_string(source.report ? source.report->rowCount() : -1));
        return {path, chartWritten, chartWritten ? "" : "refused"};
    }
    void showMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
    }
    void scenarioFileUsed(const std::string& p) override { used.push_back(p); }
    std::vector<std::pair<std::int64_t, std::int64_t>> progress; // what the last long write told
    WriteOutcome runLongWrite(const char*, const char*, const LongWrite& write) override {
        progress.clear();
        return write([this](std::int64_t done, std::int64_t whole) {
            progress.emplace_back(done, whole);
            return true;
        });
    }
};

} // namespace selvane::testing
