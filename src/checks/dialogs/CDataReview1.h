#pragma once

#include "checks/DataReviewForm.h"

#include <QDialog>

class AppContext;
class CSortListCtrl;
class QCheckBox;
class QLineEdit;

// "Quillastrand - Payee Data Review": the payees with their Checked status,
// where the user brings every payee to "Yes" before generating the
// lodgement file.
class CDataReview1 : public QDialog
{
    Q_OBJECT
public:
    explicit CDataReview1(AppContext& context, QWidget* parent = nullptr);

    // Escape and the close box take the way of "Close".
    void reject() override;

    CSortListCtrl* list() const { return m_list; }

private:
    void showState();
    void OnBnClickedClose();

    AppContext& m_context;
    CSortListCtrl* m_list = nullptr;
    DataReviewForm m_form;
    QCheckBox* m_a01FileOnly = nullptr;
    QLineEdit* m_count = nullptr;
    QLineEdit* m_checked = nullptr;
};
