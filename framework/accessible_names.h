#pragma once

#include <QString>

#include <vector>

namespace fw {

class RectControl;

// Names a window's controls for assistive technology. Labels, buttons and tab panels
// show their own text, which Qt reads out. Every other control that takes the focus or
// shows data (pop-up menu, text field, list, canvas, little arrows) is named, first
// that rule giving a name winning:
// 1. its own visible caption: a list's heading;
// 2. the label that captions it, which also becomes its Qt buddy (the label-for and
//    labelled-by relations): on the same page, either a label that is not centred
//    standing on its line to its left, or a label that spans its width just above or
//    below it (a caption under a picture);
// 3. its help tag, the tooltip, as the W3C's name computation takes it;
// 4. its control name made readable (readableName).
// The little arrows' two buttons are "Up" and "Down". The window settles the names
// each time it shows.
void nameForAssistiveTechnology(const std::vector<RectControl*>& controls);

// A control name as words in sentence case: "birthYear" -> "Birth year",
// "LittleArrows1" -> "Little arrows 1", "daURL" -> "Da URL".
QString readableName(const QString& controlName);

} // namespace fw
