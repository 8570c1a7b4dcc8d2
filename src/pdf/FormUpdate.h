#pragma once

#include "pdf/FieldPlans.h"

#include <QByteArray>

// Fills a form by appending an incremental update to it: the form's bytes
// stay as they are, followed by the filled fields and the interactive form
// dictionary (asking viewers to draw the values: NeedAppearances true), a
// cross-reference section for them and a trailer that points back at the
// form's own. The result stays fillable. The form must end in a classic
// cross-reference table without object streams, as the program's blank
// forms do; throws std::exception otherwise, or when a planned field is
// not an object of its own.
QByteArray AppendFormUpdate(const QByteArray& form, const FieldPlan& plan);
