#include "desktop/key_translation.h"

#include <QList>

#include "core/key_codes.h"

namespace selvane {

std::optional<int> keyAscii(int qtKey, QStringView text) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyReturn;
    case Qt::Key_Backspace:
        return kKeyBack;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt; // move the focus or edit without typing
    default:
        break;
    }
    const QList<uint> chars = text.toUcs4();
    if (chars.isEmpty() || chars.front() == 0x7F)
        return std::nullopt;
    return static_cast<int>(chars.front());
}

// Letters and digits as their upper-case character, the keys below by their codes in
// core/key_codes.h.
int keyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    struct KeyPair {
        int qt, code;
    };
    static constexpr KeyPair kKeys[] = {
        {Qt::Key_Backspace, kKeyBack},
        {Qt::Key_Tab, kKeyTab},
        {Qt::Key_Return, kKeyReturn},
        {Qt::Key_Enter, kKeyReturn},
        {Qt::Key_Shift, kKeyShift},
        {Qt::Key_Control, kKeyControl},
        {Qt::Key_Alt, kKeyMenu},
        {Qt::Key_Pause, kKeyPause},
        {Qt::Key_CapsLock, kKeyCapital},
        {Qt::Key_Escape, kKeyEscape},
        {Qt::Key_Space, kKeySpace},
        {Qt::Key_PageUp, kKeyPageUp},
        {Qt::Key_PageDown, kKeyPageDown},
        {Qt::Key_End, kKeyEnd},
        {Qt::Key_Home, kKeyHome},
        {Qt::Key_Left, kKeyLeft},
        {Qt::Key_Up, kKeyUp},
        {Qt::Key_Right, kKeyRight},
        {Qt::Key_Down, kKeyDown},
        {Qt::Key_Insert, kKeyInsert},
        {Qt::Key_Delete, kKeyDelete},
        {Qt::Key_Comma, kKeyComma},
        {Qt::Key_Minus, kKeyMinus},
        {Qt::Key_Period, kKeyPeriod},
    };
    const int k = qtKey;
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (keypad ? kKeyNumpad0 : kKey0) + (k - Qt::Key_0);
    if (keypad && k == Qt::Key_Period)
        return kKeyDecimal;
    if (keypad && k == Qt::Key_Minus)
        return kKeySubtract;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return kKeyA + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return kKeyF1 + (k - Qt::Key_F1);
    for (const KeyPair& p : kKeys)
        if (p.qt == k)
            return p.code;
    return 0;
}

int shiftState(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? kShiftMask : 0) |
           (m.testFlag(Qt::ControlModifier) ? kCtrlMask : 0) |
           (m.testFlag(Qt::AltModifier) ? kAltMask : 0);
}

// A key that no menu takes is dropped. Ctrl+Alt stays typing: some keyboards compose characters
// with it.
bool isAccessKey(Qt::KeyboardModifiers m, QStringView text) {
    return m.testFlag(Qt::AltModifier) && !m.testFlag(Qt::ControlModifier) && !text.isEmpty() &&
           text.front().isPrint();
}

bool isEnterKey(int qtKey) {
    return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
}

} // namespace selvane
