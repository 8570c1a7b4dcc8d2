#pragma once

#include "payees/PayeeInbForm.h"
#include "payees/dialogs/PayeeInbFeiDialog.h"

class AppContext;

// "Quillastrand - INB Payee Details": the tall, scrolling form of an INB
// payee, adding or editing as the payee mode says.
class CPayeeINB : public PayeeInbFeiDialog
{
    Q_OBJECT
public:
    explicit CPayeeINB(AppContext& context, QWidget* parent = nullptr);

private:
    // Made before the base uses it: the base only binds to it until load().
    PayeeInbForm m_inb;
};
