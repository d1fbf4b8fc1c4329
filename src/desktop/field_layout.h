#pragma once
// Where every control of the main window stands, what it says and what its tooltip tells, as
// data in twips (1/1440 inch). The window reads these tables in one loop each; nothing here
// depends on the calculator's state.

#include <array>
#include <string_view>

#include <QRect>

#include "calculator/fincalc.h"
#include "core/twips.h"

namespace selvane {

struct TwipsRect {
    int left, top, width, height;
};
QRect toPixels(const TwipsRect& r);

// The window's set sizes: its width, and its height without the details view and the report box
// where it first stands. With the details view the window takes kDetailsScreenShare of the
// screen's height, and the report box ends kReportBottomMargin above its bottom edge, room for the
// window's frame.
inline constexpr int kWindowWidth = 9480, kCollapsedHeight = 5205;
inline constexpr int kReportTop = 4560, kReportHeight = 3615;
inline constexpr double kDetailsScreenShare = 0.9;
inline constexpr int kReportBottomMargin = 900;

// The controls that are not parameter fields. Positions are relative to their container: the
// client area for the frames, the comments box and the report box; Frame1 for the top strip.
enum class Control : int {
    Frame1,
    btnSave,
    btnOpen,
    btnPrint,
    Label2,
    cmCompound,
    Label1,
    cmPeriod,
    lblResult,
    cmResult,
    btnDetails,
    btnCalculate,
    txtComments,
    rtDetails
};
inline constexpr int kControlCount = 14;

struct ControlPlace {
    Control control;
    TwipsRect rect;
    std::string_view caption; // empty for controls without one
    std::string_view tooltip; // empty for none
};
extern const std::array<ControlPlace, kControlCount> kControls;
const ControlPlace& place(Control control);

// The three frames of parameter fields, indexed as fraSL: 0 Interim Results, 1 Results, 2 Setup.
inline constexpr int kFrameCount = 3;
struct FramePlace {
    TwipsRect rect;
    std::string_view caption;
};
extern const std::array<FramePlace, kFrameCount> kFrames;

// In every frame the label stands above its text box at fixed heights.
inline constexpr int kFieldLabelTop = 360, kFieldLabelHeight = 195;
inline constexpr int kFieldTextTop = 600, kFieldTextHeight = 285;

struct FieldPlace {
    int frame;      // fraSL index
    int left;       // label and text box, relative to the frame
    int textWidth;  // text box
    int labelWidth; // the label may use the room up to the next field, as its captions vary
    std::string_view labelTooltip;
    std::string_view textTooltip; // empty for none
};
// Indexed by field index (APR, PER, INFL, ...), not by position on screen.
extern const std::array<FieldPlace, kFieldCount> kFields;

QRect fieldLabelRect(int fieldIndex);
QRect fieldTextRect(int fieldIndex);

} // namespace selvane
