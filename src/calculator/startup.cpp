// Start-up and shut-down of the main window.

#include "calculator/fincalc.h"

namespace selvane {

FinCalc::FinCalc(Host& host, CurrencyFormat currency)
    : plan(
          planContext(), [this](const char* text) { return tr(text); }, currency),
      offers([this](const char* text) { return tr(text); }, currency),
      statement([this](const char* text) { return tr(text); }, currency), m_host(host),
      m_currency(std::move(currency)) {}

void FinCalc::Form_Load() {
    detailsChecked = false;

    cmResult.back = kPaleYellow;
    cmCompound.back = kPaleYellow;
    cmCompound.entries = {
        UI_TEXT("selvane::FinCalc", "Daily"), UI_TEXT("selvane::FinCalc", "Monthly"),
        UI_TEXT("selvane::FinCalc", "6 Months"), UI_TEXT("selvane::FinCalc", "Yearly")};
    selectCompound(1);
    cmPeriod.back = kPaleYellow;
    cmPeriod.entries = {UI_TEXT("selvane::FinCalc", "Biweekly"),
                        UI_TEXT("selvane::FinCalc", "Semi-monthly"),
                        UI_TEXT("selvane::FinCalc", "Monthly")};
    selectPeriod(2);

    HelpTopic = "Startup.txt";
    OpenHelpFile();
    ScenarioFileName.clear();
    mnPersonalLoan_Click();
}

void FinCalc::Form_Unload() {
    // The windows beside the main one close with it.
    m_host.closeWindow(Window::About);
    m_host.closeWindow(Window::Chart);
    chartOpen = false;
    m_host.closeWindow(Window::WhatIf);
    whatIfOpen = false;
    m_host.closeWindow(Window::Schedule);
    scheduleOpen = false;
    m_host.closeWindow(Window::CompareOffers);
    compareOffersOpen = false;
    m_host.closeWindow(Window::Statement);
    statementOpen = false;
}

} // namespace selvane
