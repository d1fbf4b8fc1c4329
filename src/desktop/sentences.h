#pragma once
// The windows' lines of text that come and go: a sentence of the state, a warning in red.

#include <string>

class QLabel;
class QWidget;

namespace selvane {

// Shows the text, or hides the label while there is none; the text is set only when it changed.
void setText(QLabel* label, const std::string& text);

// A word-wrapped label named `name`, its text in a readable red where it warns.
QLabel* sentence(QWidget* parent, const char* name, bool warning);

} // namespace selvane
