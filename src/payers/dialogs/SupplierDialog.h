#pragma once

#include "payers/SupplierDetails.h"

#include <QDialog>

#include <array>

class AppContext;
class ErrorMarker;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Quillastrand - Supplier Details": step 4 of the main form. The buttons'
// logic is SupplierDetails; this class only moves texts and markers.
class CSupplier : public QDialog
{
    Q_OBJECT
public:
    explicit CSupplier(AppContext& context, QWidget* parent = nullptr);

    // Escape, the close box and "Close" all ask before unconfirmed edits go.
    void reject() override;

private:
    void buildLayout();
    void addTooltips();
    void readControls();
    void showControls();
    void finish(SupplierOutcome outcome);

    void OnBnClickedUpdate();
    void OnBnClickedClose();

    AppContext& m_context;
    SupplierDetails m_details;
    // One widget per field: an edit, or a state list for the two states.
    std::array<QLineEdit*, kSupplierFieldCount> m_edits {};
    QComboBox* m_streetState = nullptr;
    QComboBox* m_postalState = nullptr;
    std::array<ErrorMarker*, kSupplierFieldCount> m_markers {};
    QPushButton* m_loadDefault = nullptr;
    QPushButton* m_sameAsPayer = nullptr;
    QPushButton* m_loadFromA01 = nullptr;
    QPushButton* m_setAsDefault = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_update = nullptr;
};
