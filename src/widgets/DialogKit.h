#pragma once

#include "platform/dialogs/QtUserInterface.h"

#include <QColor>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QString>

class AppContext;
class QAbstractButton;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// Blue of chosen captions and read-only values.
inline const QColor kCaptionBlue(0, 0, 255);

// A group box whose caption takes the colour its dialog chooses.
class MyGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit MyGroupBox(const QString& title = QString(), QWidget* parent = nullptr);
    void setCaptionColor(const QColor& color);
};

// The tooltip of a dialog's controls: one line of help per control.
class CToolTipCtrlExt {
public:
    static void AddToolForControl(const QString& text, QWidget* control);
};

// The marker beside a refused field: a small red square with a black 'E'.
// Hidden at first; a layout keeps its place from the start, so showing it
// moves nothing.
class ErrorMarker : public QLabel {
    Q_OBJECT
public:
    static constexpr int kSize = 14;
    explicit ErrorMarker(QWidget* parent = nullptr);
};

// A field with its marker just right of it, as one widget for a layout; a
// field without a marker (nullptr) keeps the same width free, so the fields
// of a column line up.
QWidget* fieldWithMarker(QWidget* field, ErrorMarker* marker);

// The tips of a refused key: in an amount, and in any other digits-only edit.
inline const QString kWholeDollarsTip = QStringLiteral("Whole dollars only: type digits, without letters or signs.");
inline const QString kDigitsOnlyTip = QStringLiteral("Digits only: type digits, without signs or blanks.");

// Makes an edit take the digits 0 to 9 only, however they come: keys with
// any modifiers, an input method, a paste, a drop. A refused character is
// dropped with a beep and a tip just below the field (`tip`, or the limit
// when maxDigits digits are reached; 0 sets no limit); the characters after
// it still go in, and an input method's commit refused whole replaces
// nothing: a composition over a selection leaves the text and the selection
// as they were until what it commits goes in. A paste or drop that holds a
// refused character is refused whole, with the same tip, and so is one of
// several spreadsheet cells, with a tip of its own (DigitsEntryPasted). A validator behind the guard keeps
// anything else but digits out. Text the program sets is shown as it is,
// however long: Save's rules judge it.
void makeDigitsOnly(QLineEdit* edit, const QString& tip, int maxDigits = 0);

// The same for an amount of whole dollars, which also takes what people
// write in amounts (DigitsEntryKind::Amount): "$", "," and blanks are left
// out without a word, and the cents after a "." are left out with a tip of
// their own.
void makeWholeDollars(QLineEdit* edit, int maxDigits = 0);

// Paints a label's text blue on a transparent background.
void setBlue(QLabel* label);

// Routes F1 and the dialog's Help button (when given) to the help page.
void installHelp(QDialog* dialog, QAbstractButton* helpButton, AppContext& context);

// The application icon, set on every dialog.
void setApplicationIcon(QWidget* window);

// The foot of a small dialog: Help on the left; Cancel (when asked for) and
// OK, the default, on the right.
struct HelpCancelOkRow {
    QHBoxLayout* row = nullptr;
    QPushButton* help = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* ok = nullptr;
};
enum class WithCancel { No, Yes };
// Builds the row with the buttons named "helpButton", "cancelButton" and
// "okButton" and their tooltips; Enter presses OK whatever button has the
// focus. Cancel rejects the dialog; Help and OK are the caller's to connect.
HelpCancelOkRow makeHelpCancelOkRow(QDialog* dialog, const QString& okTip, WithCancel withCancel = WithCancel::Yes);

// Sizes a window to its content and, where the content is narrower than the
// caption, widens it so that the caption is not cut short in the title bar.
// The title bar's font and buttons are the desktop's, so the allowance for
// them is generous.
void fitWidthToTitle(QWidget* window);

// Registers Dialog under its class name: each opening builds one on the stack from the
// context (and any further references the dialog takes) and runs it modally through Run.
template <class Dialog, auto Run = &QDialog::exec, class... Extra>
void registerModalDialog(QtUserInterface& ui, const QString& dialogClass, AppContext& context, Extra&... extra)
{
    ui.registerDialog(dialogClass, [&context, &extra...](QWidget* parent) {
        Dialog dialog(context, extra..., parent);
        fitWidthToTitle(&dialog);
        return (dialog.*Run)();
    });
}
