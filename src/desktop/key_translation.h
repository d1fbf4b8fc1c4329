#pragma once
// What the window hands the field handlers for a key, worked out from the key, the modifiers and
// the text Qt reports for it: no widget and no event object, so the translation can be checked
// key by key.

#include <QStringView>
#include <Qt>
#include <optional>

namespace selvane {

// The character code a key press hands to the field's key-press handler, if it types one.
std::optional<int> keyAscii(int qtKey, QStringView text);

// Alt with a character is a menu's access key, never typing.
bool isAccessKey(Qt::KeyboardModifiers modifiers, QStringView text);

bool isEnterKey(int qtKey);

} // namespace selvane
