#pragma once

#include "transfer/ExportPayees.h"

#include <QDialog>

class AppContext;
class MyGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The Export dialog: a payee type and "Tab Delimited Export". It holds no
// rule of its own; ExportPayees decides.
class Export : public QDialog {
    Q_OBJECT
public:
    Export(AppContext& context, int& chosenType, QWidget* parent = nullptr);

private:
    ExportPayees m_logic;
    QLabel* m_title = nullptr;
    MyGroupBox* m_group = nullptr;
    QRadioButton* m_types[7] = {};
    QPushButton* m_export = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_cancel = nullptr;
};
