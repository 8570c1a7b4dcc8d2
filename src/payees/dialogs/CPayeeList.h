#pragma once

#include "payees/PayeeListForm.h"

#include <QDialog>

class AppContext;
class CSortListCtrl;
class PayeeServices;
class PdfServices;
class QCheckBox;
class QLineEdit;
class QModelIndex;

// "Quillastrand - Payee List": every payee of the report with a tick box per
// row; the door to adding, editing, checking, copying and the totals.
class CPayeeList : public QDialog
{
    Q_OBJECT
public:
    CPayeeList(AppContext& context, PayeeServices& services, PdfServices& pdf, QWidget* parent = nullptr);

    // Escape and the close box take the way of "Close".
    void reject() override;

    CSortListCtrl* list() const { return m_list; }

private:
    // Shows what the form decided: the two boxes and the counts.
    void showState();
    void OnDoubleClicked(const QModelIndex& index);
    void OnBnClickedClose();

    AppContext& m_context;
    CSortListCtrl* m_list = nullptr;
    PayeeListForm m_form;
    QCheckBox* m_all = nullptr;
    QCheckBox* m_a01FileOnly = nullptr;
    QLineEdit* m_count = nullptr;
    QLineEdit* m_checked = nullptr;
};
