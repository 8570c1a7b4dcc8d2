#pragma once

#include "payees/PayeeFEI.h"
#include "payees/dialogs/PayeeInbFeiDialog.h"

class AppContext;

// "Quillastrand - FEI Payee Details": the tall, scrolling form of a
// foreign employment income payee, adding or editing as the payee mode says.
class CPayeeFEI : public PayeeInbFeiDialog
{
    Q_OBJECT
public:
    explicit CPayeeFEI(AppContext& context, QWidget* parent = nullptr);

private:
    // Made before the base uses it: the base only binds to it until load().
    PayeeFeiForm m_fei;
};
