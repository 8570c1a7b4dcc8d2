#pragma once

#include <QList>

class QWidget;

// Sets the Tab order of a window from its layouts and returns its Tab stops
// in that order: the reading order of the form as it is laid out. A box
// layout gives its items one after the other; a grid gives its rows top to
// bottom, each left to right, and an item beside several rows (an "All Zero"
// button) after the last of them; a widget with a layout gives what it lays
// out in its own place; a scroll area gives its content in its place and
// takes no focus itself. A read-only line edit is no Tab stop: it keeps the
// mouse focus, so its text can still be selected and copied.
QList<QWidget*> setTabOrderFromLayout(QWidget* window);
