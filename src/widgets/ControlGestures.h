#pragma once

class QApplication;

// Gestures the user did not mean leave a value alone, in every window of the
// program, so a new form gets this without asking:
// - the mouse wheel over a drop-down list, date edit or spin box steps its
//   value only while it has the keyboard focus (the user clicked or tabbed
//   into it); otherwise the wheel goes on to scroll what holds the control,
//   and it never gives the control the focus;
// - digits typed into a drop-down list of numbers select the number typed
//   ("1" gives "01"), with the keyboard's type-ahead time
//   (NumberListTypeAhead.h decides which item).
// Install once, right after the QApplication is made (the program's start
// and the widget tests' main both do); a second install changes nothing.
void installControlGestures(QApplication& app);
