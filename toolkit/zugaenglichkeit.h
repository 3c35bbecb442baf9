#pragma once

class QWidget;

namespace netzplaner {

// Gives the inputs, options and results of a window German names that say what
// they are, so a screen reader can read the whole calculation. The names come
// from a table per window, chosen by the window's objectName ("form1",
// "wandeln"): the same control name means different things in the two windows.
// Call it once, after the window has built its controls.
void benenneFuerScreenreader(QWidget* fenster);

} // namespace netzplaner
