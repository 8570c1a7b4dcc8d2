#pragma once

#include "payers/ReportPayerForm.h"

#include <QDialog>

class AppContext;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "Quillastrand - Payer Details": the report's payer, read-only; it is
// chosen in the Payer List.
class CPayer : public QDialog
{
    Q_OBJECT
public:
    CPayer(AppContext& context, QWidget* parent = nullptr);

    void OnBnClickedUpdate();
    void OnBnClickedClose();
    void OnBnClickedSelectFromPayerList();

    // Escape and the close box take the way of "Close".
    void reject() override;

private:
    void FillPayerFields();
    QLineEdit* addEdit(const QString& objectName);

    ReportPayerForm m_form;
    QLineEdit* m_ref = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_tradingName = nullptr;
    QLineEdit* m_abn = nullptr;
    QLineEdit* m_branch = nullptr;
    QDateTimeEdit* m_date = nullptr;
    QLineEdit* m_address1 = nullptr;
    QLineEdit* m_address2 = nullptr;
    QLineEdit* m_suburb = nullptr;
    QLineEdit* m_state = nullptr;
    QLineEdit* m_country = nullptr;
    QLineEdit* m_postcode = nullptr;
    QLineEdit* m_contact = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_fax = nullptr;
};
