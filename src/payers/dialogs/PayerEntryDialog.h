#pragma once

#include "payers/PayerValidation.h"

#include <QDialog>

#include <map>

class AppContext;
class ErrorMarker;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The layout that Add Payer and Edit Payer share: the 14 payer fields, an
// 'E' marker beside each checked field, Help, Cancel and Save.
class PayerEntryDialog : public QDialog
{
    Q_OBJECT
public:
    PayerEntryDialog(AppContext& context, const QString& title, const QString& heading, QWidget* parent);

    PayerFields readFields() const;
    void showFields(const PayerFields& fields);
    void showMarkers(const PayerMarkers& markers);

protected:
    // Save: the form checks and keeps what the controls hold, they show its
    // cleaned values and markers again, and the dialog closes once it saved.
    template <class Form> void saveThrough(Form& form)
    {
        form.fields = readFields();
        const bool saved = form.save();
        showFields(form.fields);
        showMarkers(form.markers);
        if (saved)
            accept();
    }

    // Sets the tooltips; the three contact texts differ between the dialogs.
    void setToolTips(const QString& contactTip, const QString& phoneTip, const QString& faxTip);

    AppContext& m_context;
    QPushButton* m_loadFromOriginal = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;

private:
    QLineEdit* addEdit(const QString& objectName);

    QLabel* m_heading = nullptr;
    QLineEdit* m_ref = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_tradingName = nullptr;
    QLineEdit* m_abn = nullptr;
    QComboBox* m_branch = nullptr;
    QLineEdit* m_address1 = nullptr;
    QLineEdit* m_address2 = nullptr;
    QLineEdit* m_suburb = nullptr;
    QComboBox* m_state = nullptr;
    QLineEdit* m_country = nullptr;
    QLineEdit* m_postcode = nullptr;
    QLineEdit* m_contact = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_fax = nullptr;
    std::map<PayerField, ErrorMarker*> m_markers;
};
