#pragma once

#include "shell/MainCommands.h"
#include "shell/MainFormModel.h"

#include <QWidget>

class AppContext;
class MyGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The main form: the seven step buttons and the summary of the open report.
// Everything it shows comes from RefreshView.
class CSumbridge1View : public QWidget, public MainFormHost {
    Q_OBJECT
public:
    explicit CSumbridge1View(AppContext& context, QWidget* parent = nullptr);

    MainCommands& commands() { return m_commands; }
    FormEdits formEdits() const override;
    void refreshView() override;
    void closeMainWindow() override;

    // The dots per inch the form is laid out for.
    int dotsPerInch() const;

private:
    QPushButton* button(const char* objectName, const QString& text, void (MainCommands::*handler)());
    QLabel* label(const char* objectName, const QString& text);
    // A read-only value wide enough for `widest` in any font, and at least
    // `width` pixels wide.
    QLineEdit* edit(const char* objectName, const QString& widest, int width, bool rightAligned);
    void addTooltips();

    AppContext& m_context;
    MainCommands m_commands;

    QPushButton* m_payer = nullptr;
    QPushButton* m_year = nullptr;
    QPushButton* m_payees = nullptr;
    QPushButton* m_supplier = nullptr;
    QPushButton* m_refNo = nullptr;
    QPushButton* m_dataReview = nullptr;
    QPushButton* m_generate = nullptr;
    QPushButton* m_changeYear = nullptr;
    QPushButton* m_howToUse = nullptr;
    QPushButton* m_logo = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_originalA01 = nullptr;
    QPushButton* m_loadA01 = nullptr;
    QPushButton* m_close = nullptr;
    MyGroupBox* m_thisReport = nullptr;

    QLabel* m_payerShort = nullptr;
    QLabel* m_payerLong = nullptr;
    QLabel* m_supplierShort = nullptr;
    QLabel* m_supplierLong = nullptr;
    QLabel* m_payerHolder = nullptr;
    QLabel* m_payerAbnHolder = nullptr;
    QLabel* m_disabledNote = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QLabel* m_internetNote = nullptr;
    QLineEdit* m_yearEdit = nullptr;
    QLineEdit* m_payeesIncluded = nullptr;
    QLineEdit* m_fileReference = nullptr;
    QLineEdit* m_toBeChecked = nullptr;
};
