#pragma once

#include "payers/PayerListForm.h"

#include <QDialog>

class AppContext;
class CSortListCtrl;

// "Quillastrand - Payer List": keeps the permanent Payer List and chooses
// the report's payer. One row may be ticked at a time; every action works
// on the ticked row.
class CPayerList : public QDialog
{
    Q_OBJECT
public:
    CPayerList(AppContext& context, QWidget* parent = nullptr);

    void OnBnClickedAdd();
    void OnBnClickedRemove();
    void OnBnClickedEdit();
    void OnBnClickedSelectForReport();
    void OnBnClickedClose();
    void OnBnClickedExport();
    void OnBnClickedImport();

    // Escape and the close box take the way of "Close".
    void reject() override;

    CSortListCtrl* list() const { return m_list; }

private:
    void RefreshPayerList();
    void showRows();
    void OnTicked(int row, bool checked);

    AppContext& m_context;
    PayerListForm m_form;
    CSortListCtrl* m_list = nullptr;
};
