#pragma once
// The codes the field handlers take (FinCalc::txtSL_KeyPress and txtSL_KeyUp), the same for both
// front ends. A key press hands over the character the key types; a key release hands over the
// key's code, one fixed number a key (below), and a mask of the modifiers held. For Backspace,
// Tab, Enter and Escape the character and the key code are the same number.

namespace selvane {

// Characters (key press) and key codes (key release) alike.
inline constexpr int kKeyBack = 8, kKeyTab = 9, kKeyReturn = 13, kKeyEscape = 27, kKeySpace = 32;

// Key codes only.
inline constexpr int kKeyShift = 16, kKeyControl = 17, kKeyMenu = 18, kKeyPause = 19,
                     kKeyCapital = 20;
inline constexpr int kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36;
inline constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
inline constexpr int kKeyInsert = 45, kKeyDelete = 46;
inline constexpr int kKey0 = 48, kKeyA = 65; // digits and letters: their upper-case character
inline constexpr int kKeyNumpad0 = 96;       // up to 105 for the keypad's 9
inline constexpr int kKeySubtract = 109, kKeyDecimal = 110; // the keypad's minus and point
inline constexpr int kKeyF1 = 112;                          // up to 123 for F12
inline constexpr int kKeyComma = 188, kKeyMinus = 189, kKeyPeriod = 190;

// The modifiers held at a key release.
inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

} // namespace selvane
