#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

// The blank payment-summary forms and the media form the program carries,
// made by the build from their field lists. A form is known by its number.
class BlankForms {
public:
    static constexpr std::array<int, 19> kNumbers
        = { 353, 356, 357, 358, 359, 360, 362, 368, 369, 370, 371, 372, 373, 374, 375, 376, 377, 378, 379 };
    static constexpr int kMediaForm = 362;

    // The form's bytes; empty for a number the program does not carry.
    static QByteArray bytes(int number);
};

// The payment-summary form for a payee type ("INB" .. "DAS"), report year
// and original/amended indicator ("O" or "A", case-sensitive); 0 when none.
int FormNumber(const QString& payeeType, qint32 reportYear, const QString& origAmended);
