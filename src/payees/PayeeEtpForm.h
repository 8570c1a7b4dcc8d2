#pragma once

#include "payees/PayeeFormFrame.h"
#include "payees/PayeeTypeEtp.h"

// The logic of the ETP form: the frame over the ETP rules. The TFN of a
// stored payee is shown in three groups of three.
class PayeeEtpForm : public PayeeFormFrame
{
public:
    explicit PayeeEtpForm(AppContext& context)
        : PayeeFormFrame(context, kEtpType)
    {
    }
};
