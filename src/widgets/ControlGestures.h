#pragma once

class QApplication;

// Gestures the user did not mean leave a value alone, in every window of the
// program, so a new form gets this without asking:
// - the mouse wheel over a drop-down list, date edit or spin box steps its
//   value only while it has the keyboard focus that the user gave it, by a
//   click in it or by Tab, Shift+Tab or a shortcut to it; the focus the
//   program gives, such as the field a dialog opens in, does not count until
//   the user clicks in the control. The window going to the back and a
//   list's popup leave the choice as it was; the focus moving on ends it.
//   Otherwise the wheel goes on to scroll what holds the control, and it
//   never gives the control the focus;
// - digits typed into a drop-down list of numbers select the number typed
//   ("1" gives "01"), with the keyboard's type-ahead time
//   (NumberListTypeAhead.h decides which item).
// Install once, right after the QApplication is made (the program's start
// and the widget tests' main both do); a second install changes nothing.
void installControlGestures(QApplication& app);
