#pragma once

#include "payees/PayeeField.h"
#include "payees/PayeeFormFrame.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

class AppContext;
class ErrorMarker;
class MyGroupBox;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTimer;
class QVBoxLayout;

// Zero-padded numbers from `from` to `to`, counting down when `to` is the
// smaller: the items of the day, month and year lists.
QStringList numberItems(int from, int to, int width = 2);
// The birth-year list of the INB, FEI, PEN, SLS and DAS forms: "0000" for a
// year not given, then 2019 down to 1900.
QStringList birthYearItems();

// The marker beside a field that may be wrong: a yellow triangle with '!'.
class WarningMarker : public QLabel
{
    Q_OBJECT
public:
    explicit WarningMarker(QWidget* parent = nullptr);
};

// What sets one type's form apart from the others in the frame.
struct PayeeFormLook {
    QString windowTitle; // "Quillastrand - INB Payee Details"
    QString payrollLabel = QStringLiteral("Employee/Payroll No:");
    QString closeText = QStringLiteral("Cancel");
    bool tall = false; // INB, FEI, PEN: the body scrolls
    bool payeeIdAnyCharacters = false; // BUS: the Payee ID edit takes any text
    bool ignoreTipSaysFiled = false; // ETP, SLS, DAS word the tooltip so
    QString check999999Text = QStringLiteral("Check $999999"); // SLS and DAS show five nines
};

// The dialog every payee form is built on. It owns the common controls
// (title, Payee ID with its hint, payroll number, data source,
// Original/Amended, "Ignore Warnings", Help, Cancel or Close, Save) and the
// markers of each field; the type adds its controls to body() with the
// binding helpers, then calls load(). Save copies the controls into the
// form, runs it and shows its markers; a stored payee closes the dialog.
class PayeeFormDialog : public QDialog
{
    Q_OBJECT
public:
    PayeeFormDialog(AppContext& context, PayeeFormFrame& form, const PayeeFormLook& look, QWidget* parent);

    // The type's controls go here: inside the scroll area of a tall form.
    QWidget* body() const { return m_body; }
    QVBoxLayout* bodyLayout() const { return m_bodyLayout; }

    // A group box with its caption in blue.
    MyGroupBox* groupBox(const QString& caption, const QString& objectName);
    // The error and warning marker of a field, side by side; made once per
    // field and named "<name>ErrorMarker" and "<name>WarningMarker".
    QWidget* markers(PayeeField field, const QString& name);

    // Bound controls: load() fills them from the form, Save reads them back.
    QLineEdit* textEdit(const QString& name, QString CCards::*member, const QString& tip);
    // Digits only, through the kit's guard (an amount as whole dollars, a
    // postcode as digits): typing stops at maxLength digits (0: no limit),
    // while a longer stored value shows whole for Save to judge.
    QLineEdit* numberEdit(const QString& name, qint32 CCards::*member, int maxLength, const QString& tip);
    // A drop-down list: the stored value chooses its item by the list rule.
    QComboBox* listBox(const QString& name, PayeeField field, QString CCards::*member, const QStringList& items,
        ListMatch how, const QString& tip);
    // A drop-down whose text can also be typed.
    QComboBox* comboEdit(const QString& name, QString CCards::*member, const QStringList& items, const QString& tip);

    // The common controls, for the type to place.
    QWidget* payeeIdBlock() const { return m_payeeIdBlock; }
    QWidget* origAmendedBlock() const { return m_origAmendedBlock; }
    // "Amount Validation" and "Check $999999" with their markers.
    QWidget* amountCorner() const { return m_amountCorner; }

    // Sets the form up and shows it in the controls; call once the type's
    // controls exist.
    void load();
    void showFindings();

protected:
    void showEvent(QShowEvent* event) override;
    // For a type's own buttons that change the form's values ("All Zero").
    void readControls();
    void showValues();

private:
    void buildCommon();
    // Once the type has laid out its controls: Tab walks them in reading
    // order, then the bottom line; the form opens in its first field; a tall
    // form scrolls to the field that has the keyboard.
    void settleFocus();
    void save();
    // A tall form's size with all of its body in view and no scroll bar.
    QSize wholeFormSize() const;
    // Sizes and moves a tall form so that it lies, with a frame of these
    // margins, in its screen's free area.
    void place(const QMargins& frame);
    // Waits a few seconds at most for the window manager's frame, then
    // places the form once more for it, unless the user has moved or resized
    // it meanwhile.
    void watchForFrame();
    void checkFrame();
    QMargins reportedFrame() const;
    QMargins expectedFrame() const;

    AppContext& m_context;
    PayeeFormFrame& m_form;
    PayeeFormLook m_look;

    QLabel* m_title = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_body = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
    QWidget* m_payeeIdBlock = nullptr;
    QWidget* m_origAmendedBlock = nullptr;
    QWidget* m_amountCorner = nullptr;
    QLineEdit* m_payeeId = nullptr;
    QLabel* m_payeeIdHint = nullptr;
    QLabel* m_dataSource = nullptr;
    QCheckBox* m_ignoreWarnings = nullptr;
    WarningMarker* m_ignoreMarker = nullptr;
    QLabel* m_amountValidation = nullptr;
    QLabel* m_check999999 = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_save = nullptr;
    bool m_placed = false;
    QMargins m_placedFrame;
    QPoint m_placedAt;
    QSize m_placedSize;
    QTimer* m_frameWatch = nullptr;
    QDeadlineTimer m_frameWaitEnds;
    QMargins m_seenFrame;
    QRect m_seenGeometry;
    int m_stillTicks = 0;
    bool m_focusSettled = false;

    struct Markers {
        ErrorMarker* error;
        WarningMarker* warning;
    };
    std::map<PayeeField, Markers> m_markers;
    // Each bound control's two directions.
    std::vector<std::function<void()>> m_show;
    std::vector<std::function<void()>> m_read;
};
