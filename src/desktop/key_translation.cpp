#include "desktop/key_translation.h"

#include <QList>

namespace selvane {

std::optional<int> keyAscii(int qtKey, QStringView text) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Escape:
        return '\x1b';
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
