#pragma once

#include "shell/YearChoice.h"

#include <QDialog>

class AppContext;
class QComboBox;

// "Quillastrand - Choose Year": sets the report's year once.
class CDateSet1 : public QDialog {
    Q_OBJECT
public:
    explicit CDateSet1(AppContext& context, QWidget* parent = nullptr);

private:
    void OnBnClickedOk();

    CDateSet1Logic m_logic;
    QComboBox* m_years = nullptr;
};

// "Quillastrand - Choose a new Year": moves the report and its payees to
// another year through Choose Year.
class ChangeYear : public QDialog {
    Q_OBJECT
public:
    explicit ChangeYear(AppContext& context, QWidget* parent = nullptr);
    // Runs the dialog; on OK the change of year follows.
    int run();

private:
    ChangeYearLogic m_logic;
};
