#pragma once

#include "pdf/SinglePayForm.h"

#include <QDialog>

class AppContext;
class QDateEdit;
class QPushButton;

// The dialog a single payment summary shows first: the date printed on it,
// then the file to write. It holds no rule of its own; SinglePayForm decides.
class CGenSinglePay : public QDialog
{
    Q_OBJECT
public:
    explicit CGenSinglePay(AppContext& context, QWidget* parent = nullptr);

    // Cancel, Escape and closing the window all leave through here, so no
    // earlier answer is taken for this one.
    void reject() override;

private:
    SinglePayForm m_logic;
    QDateEdit* m_date = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
