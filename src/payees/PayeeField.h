#pragma once

#include "report/CCards.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

// A field of a payee form that can carry an error or a warning marker.
// Fields are named after the record member they hold (a date after its
// three members), so one name serves every type: a type that keeps another
// field in a member gives it an alias of its own (PEN's tax-free component
// is `PayeeField::Allow1`). The dialog of each type maps fields to markers.
enum class PayeeField : std::uint8_t {
    PayeeId,
    PayrollNo,
    IncomeType,
    BusPaymentType,
    EtpPaymentType,
    Tfn,
    Abn,
    DateOfBirth,
    Surname,
    FirstName,
    SecName,
    AddLine1,
    AddLine2,
    Suburb,
    State,
    PCode,
    Country,
    StartDate,
    EndDate,
    PaymentDate,
    TaxWithheld,
    Gross,
    TotalAllow,
    Allow1Name,
    Allow1,
    Allow2Name,
    Allow2,
    Allow3Name,
    Allow3,
    Allow4Name,
    Allow4,
    LumpA,
    LumpB,
    LumpD,
    LumpE,
    LumpEYrMinus2,
    LumpEYrMinus3,
    LumpEPreYrMinus3,
    LumpAType,
    Cdep,
    Rfbt,
    Resc,
    Giving,
    UnionFees,
    UnionName,
    ExemptForeign,
    Annuity,
    Other1,
    OrigAmended,
    Taxable,
    TaxFree,
    Spare1,
    Spare2,
    FbtExempt,
    // The two corner markers: the amount plausibility warnings and the
    // amounts that hold the placeholder 999999.
    AmountValidation,
    Check999999,
};

inline constexpr int kPayeeFieldCount = int(PayeeField::Check999999) + 1;

// One of the 30 number members of a record and the field that shows it.
struct CardNumber {
    qint32 CCards::*member;
    PayeeField field;
};

// The number members in record order (spare ints, which no form shows,
// under the payee ID's field).
inline constexpr std::array<CardNumber, 30> kCardNumbers { {
    { &CCards::payeeId, PayeeField::PayeeId },
    { &CCards::pCode, PayeeField::PCode },
    { &CCards::taxWithheld, PayeeField::TaxWithheld },
    { &CCards::gross, PayeeField::Gross },
    { &CCards::totalAllow, PayeeField::TotalAllow },
    { &CCards::allow1, PayeeField::Allow1 },
    { &CCards::allow2, PayeeField::Allow2 },
    { &CCards::allow3, PayeeField::Allow3 },
    { &CCards::allow4, PayeeField::Allow4 },
    { &CCards::lumpA, PayeeField::LumpA },
    { &CCards::lumpB, PayeeField::LumpB },
    { &CCards::lumpD, PayeeField::LumpD },
    { &CCards::lumpE, PayeeField::LumpE },
    { &CCards::lumpEYrMinus2, PayeeField::LumpEYrMinus2 },
    { &CCards::lumpEYrMinus3, PayeeField::LumpEYrMinus3 },
    { &CCards::lumpEPreYrMinus3, PayeeField::LumpEPreYrMinus3 },
    { &CCards::cdep, PayeeField::Cdep },
    { &CCards::rfbt, PayeeField::Rfbt },
    { &CCards::resc, PayeeField::Resc },
    { &CCards::giving, PayeeField::Giving },
    { &CCards::unionFees, PayeeField::UnionFees },
    { &CCards::exemptForeign, PayeeField::ExemptForeign },
    { &CCards::annuity, PayeeField::Annuity },
    { &CCards::other1, PayeeField::Other1 },
    { &CCards::taxable, PayeeField::Taxable },
    { &CCards::taxFree, PayeeField::TaxFree },
    { &CCards::spareInt1, PayeeField::PayeeId },
    { &CCards::spareInt2, PayeeField::PayeeId },
    { &CCards::spareInt3, PayeeField::PayeeId },
    { &CCards::spareInt4, PayeeField::PayeeId },
} };

// The place of a number member in kCardNumbers; -1 for a pointer not there.
constexpr int cardNumberIndex(qint32 CCards::*member)
{
    for (int i = 0; i < int(kCardNumbers.size()); ++i) {
        if (kCardNumbers[i].member == member)
            return i;
    }
    return -1;
}

// The field that shows a number member.
constexpr PayeeField fieldOfNumber(qint32 CCards::*member)
{
    const int i = cardNumberIndex(member);
    return i < 0 ? PayeeField::PayeeId : kCardNumbers[i].field;
}
