#pragma once

// A person at the keyboard and mouse: each action goes through the control as it is
// on screen, and fails the test, naming the control, when a person could not take it
// (the control hidden, disabled, covered by another or outside its window).

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>

class QWidget;

namespace fw {
class EditField;
class Listbox;
class PopupMenu;
class RectControl;
class TabPanel;
} // namespace fw

namespace testsupport::user {

// Whether a person could click the part of the control (its widget unless given) at
// the point (the part's middle unless given).
::testing::AssertionResult usable(const fw::RectControl* control, QWidget* part = nullptr, QPoint at = {});

// A click with the left button; false (and a failure) when the control is not usable.
bool click(const fw::RectControl* control, QWidget* part = nullptr, QPoint at = {});
// Clicks the pop-up menu open and picks the row with the arrow keys and Return.
void choose(const fw::PopupMenu* menu, int row);
// Clicks into the field, selects all that it holds and types the text.
void typeInto(const fw::EditField* field, const QString& text);
// Clicks the tab of the page (0-based).
void showPage(const fw::TabPanel* panel, int page);
// Clicks the row of the list (0-based), in its first column.
void clickRow(const fw::Listbox* list, int row);
// Clicks the list's heading over its first column.
void clickHeading(const fw::Listbox* list);

} // namespace testsupport::user
