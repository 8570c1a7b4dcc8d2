#pragma once

#include "payees/PayeePEN.h"
#include "payees/dialogs/PayeeFormDialog.h"

class AppContext;

namespace detail
{
// Holds the form's logic so it exists before the dialog built on it.
struct PenFormHolder {
    explicit PenFormHolder(AppContext& context)
        : penForm(context)
    {
    }
    PayeePenForm penForm;
};
} // namespace detail

// The PEN payee form: a tall, scrolling form on the payee form frame.
class CPayeePEN : private detail::PenFormHolder, public PayeeFormDialog
{
public:
    explicit CPayeePEN(AppContext& context, QWidget* parent = nullptr);

private:
    void build();

    QWidget* m_reversionaryLabel = nullptr;
    QWidget* m_reversionaryList = nullptr;
};
