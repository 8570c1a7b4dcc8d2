#pragma once

#include "pdf/AdviceNameForm.h"

#include <QDialog>

class AppContext;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog the payment summaries of all payees show first: the date on
// every summary and the pattern that names each file. It holds no rule of
// its own; AdviceNameForm decides.
class AdviceName : public QDialog
{
    Q_OBJECT
public:
    AdviceName(AppContext& context, PdfNamePattern& pattern, QWidget* parent = nullptr);

    // Cancel, Escape and closing the window all leave through here, so the
    // run never goes on with an earlier pattern.
    void reject() override;

private:
    AdviceNameForm m_logic;
    QLabel* m_title = nullptr;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_text1 = nullptr;
    QComboBox* m_fields[4] = {};
    QLineEdit* m_text2 = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_selectFolder = nullptr;
    QPushButton* m_cancel = nullptr;
};
