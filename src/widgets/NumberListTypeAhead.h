#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Which item of a drop-down list of numbers the digits typed into it select,
// decided without a window: the Qt part of the kit hands each digit key to
// NumberListTyped, with the digits typed before it within the keyboard's
// type-ahead time, and selects what it answers.

// A list whose every item is a number written in digits ("01", "1985"), or
// a blank or "-" item that stands for none, with at least one number. Other
// lists keep the toolkit's own search by first letters.
bool IsNumberList(const QStringList& items);

struct NumberListTypeAhead {
    int index = -1; // the item to select; -1 leaves the selection as it is
    QString typed; // the digits that stand, for a key that follows in time
};

// `digit` typed after `typedBefore` (empty once the type-ahead time has
// passed) selects the item that is the number typed, leading zeros aside:
// "1" gives "01", "1" then "5" gives "15", "0" then "7" gives "07". Failing
// that, the first item that begins with the digits typed, so a year goes by
// its four digits ("1", "19", "198", "1985"). Digits that match no item
// start over from the last one, as if it were typed alone: "3" then "2" in a
// list of days gives "02". A digit that matches nothing alone changes
// nothing and leaves nothing typed.
NumberListTypeAhead NumberListTyped(const QStringList& items, const QString& typedBefore, QChar digit);
