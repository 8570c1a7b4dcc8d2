#pragma once

#include "lodgement/GenerateFiles.h"

#include <QDialog>

class AppContext;
class PdfServices;
class QDateEdit;
class QLabel;
class QPushButton;

// The Generate Files dialog: the last step of a report. Its buttons hand
// over to GenerateFiles; it holds no rule of its own.
class CGenerate1 : public QDialog {
    Q_OBJECT
public:
    CGenerate1(AppContext& context, PdfServices& pdf, QWidget* parent = nullptr);

private:
    GenerateFiles m_logic;
    QLabel* m_title = nullptr;
    QDateEdit* m_psDate = nullptr;
    QPushButton* m_veskA01File = nullptr;
    QPushButton* m_summary = nullptr;
    QPushButton* m_atoMediaForm = nullptr;
    QPushButton* m_paymentSummaries = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_close = nullptr;
};
