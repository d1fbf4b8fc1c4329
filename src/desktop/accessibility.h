#pragma once
// What a screen reader says for the controls of the calculator window: every control has a name
// (its caption, or for a text box the caption of the label above it) and a description (its
// tooltip). The names of the text boxes follow their labels, whose captions change with the
// function and the result chosen.

class QLabel;
class QLineEdit;
class QWidget;

namespace selvane {

// Names and descriptions that do not change: lists, buttons, the comments box and the report.
// `window` is the calculator window, built; its controls are found by their object names.
void describeControls(QWidget* window);

// A text box is called what its label says; called whenever the label's caption may have changed.
void nameAfterLabel(QLineEdit* edit, const QLabel* label);

} // namespace selvane
