#include "desktop/field_layout.h"

#include <QtGlobal>

namespace selvane {

const std::array<ControlPlace, kControlCount> kControls = {{
    {Control::Frame1, {120, 0, 9135, 735}, "", ""},
    {Control::btnSave, {120, 240, 375, 375}, "", ""},
    {Control::btnOpen, {600, 240, 375, 375}, "", ""},
    {Control::btnPrint, {1080, 240, 375, 375}, "", ""},
    {Control::Label2,
     {1680, 150, 1260, 195},
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Compound Period"),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Period for which interest is compounded")},
    {Control::cmCompound, {1680, 360, 1455, 315}, "", ""},
    {Control::Label1,
     {3360, 150, 1110, 195},
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Payment Period"),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Period of payments (normally monthly)")},
    {Control::cmPeriod, {3360, 360, 1455, 315}, "", ""},
    {Control::lblResult,
     {4920, 150, 1350, 195},
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Select Result Type"),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Select the desired result of the calculation")},
    {Control::cmResult, {4920, 360, 1935, 315}, "", ""},
    {Control::btnDetails,
     {6960, 360, 855, 315},
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Details"),
     ""},
    {Control::btnCalculate,
     {7920, 360, 1095, 315},
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Calculate"),
     ""},
    {Control::txtComments, {6120, 840, 3135, 3495}, "", ""},
    {Control::rtDetails, {120, kReportTop, 9135, kReportHeight}, "", ""},
}};

const ControlPlace& place(Control control) {
    return kControls[static_cast<size_t>(control)];
}

const std::array<FramePlace, kFrameCount> kFrames = {{
    {{120, 3240, 5895, 1095}, QT_TRANSLATE_NOOP("selvane::FinCalc", "Interim Results")},
    {{120, 2040, 5895, 1095}, QT_TRANSLATE_NOOP("selvane::FinCalc", "Results")},
    {{120, 840, 5895, 1095}, QT_TRANSLATE_NOOP("selvane::FinCalc", "Setup")},
}};

namespace {
constexpr int kSetup = 2, kResults = 1, kInterim = 0;
}

const std::array<FieldPlace, kFieldCount> kFields = {{
    {kSetup, 120, 735, 840, QT_TRANSLATE_NOOP("selvane::FinCalc", "Annual percentage rate (APR)."),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Annual Percentage Rate (APR)")},
    {kSetup, 960, 615, 720,
     QT_TRANSLATE_NOOP(
         "selvane::FinCalc",
         "Compound period.  Normally same as payment period (1 month), but can be 6 months for "
         "mortgages."),
     ""},
    {kSetup, 960, 615, 720, QT_TRANSLATE_NOOP("selvane::FinCalc", "Yearly inflation rate"),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Inflation")},
    {kSetup, 1680, 615, 720, QT_TRANSLATE_NOOP("selvane::FinCalc", "Yearly depreciation rate"),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Depreciation")},
    {kSetup, 2400, 735, 840,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Real Annual Percentage Rate (APR)"),
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Real Annual Percentage Rate (APR)")},
    {kResults, 120, 735, 840, QT_TRANSLATE_NOOP("selvane::FinCalc", "Total number of payments."),
     ""},
    {kResults, 960, 975, 1080, QT_TRANSLATE_NOOP("selvane::FinCalc", "Starting value of asset"),
     ""},
    {kResults, 2040, 975, 1080, QT_TRANSLATE_NOOP("selvane::FinCalc", "Down payment"), ""},
    {kResults, 3120, 975, 1080,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Principal amount left after final payment"), ""},
    {kResults, 4200, 735, 1455, QT_TRANSLATE_NOOP("selvane::FinCalc", "Payment made or received"),
     ""},
    {kInterim, 120, 495, 600,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Determine status after this number (N) of payments"),
     ""},
    {kInterim, 720, 975, 1080,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Balance left after N payments"), ""},
    {kInterim, 1800, 975, 1080,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Principal paid after N payments"), ""},
    {kInterim, 2880, 975, 1080,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Interest paid after N payments"), ""},
    {kInterim, 3960, 975, 1080,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Value of the asset after depreciation"), ""},
    {kSetup, 3240, 615, 975, QT_TRANSLATE_NOOP("selvane::FinCalc", "Sales tax"), ""},
    {kInterim, 5040, 735, 825,
     QT_TRANSLATE_NOOP("selvane::FinCalc", "Cost of payment considering inflation"), ""},
}};

QRect toPixels(const TwipsRect& r) {
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                 twipsToPixels(r.height));
}

QRect fieldLabelRect(int i) {
    const FieldPlace& f = kFields[static_cast<size_t>(i)];
    return toPixels({f.left, kFieldLabelTop, f.labelWidth, kFieldLabelHeight});
}

QRect fieldTextRect(int i) {
    const FieldPlace& f = kFields[static_cast<size_t>(i)];
    return toPixels({f.left, kFieldTextTop, f.textWidth, kFieldTextHeight});
}

} // namespace selvane
