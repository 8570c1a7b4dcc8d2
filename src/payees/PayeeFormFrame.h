#pragma once

#include "payees/PayeeField.h"
#include "payees/PayeeRules.h"
#include "report/CCards.h"
#include "report/PayeeIds.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class AppContext;

// How a stored value chooses an item of a drop-down list.
enum class ListMatch {
    Day, // zero-padded to 2 digits, then exactly
    Month, // zero-padded to 2 digits, then exactly
    Year, // zero-padded to 4 digits, then exactly
    Text, // exactly, ignoring case
};

// The item a stored value chooses; -1 for none. An empty value chooses
// nothing, and so does a value no item matches ("1" never opens as "10").
int MatchListItem(const QStringList& items, const QString& stored, ListMatch how);

// "Payee Details - INB Payment Summary - Year ended 30 June 2019".
QString PayeeFormTitle(PayeeType type, const QString& reportYear);

// Where a tall form is shown, in the screen's available area: the whole
// form when it fits, else as much as fits; on a screen scaled above 135 % it
// is made 100 pixels shorter; centred across, 25 pixels below the middle, and
// never past the area's edges. A form cut short scrolls, so it is widened by
// the vertical bar's width to keep all of its width in view.
QRect TallFormPlacement(QSize form, QSize screen, int dotsPerInch, int verticalBarWidth = 0);

// How a Save left the form.
enum class PayeeSaveOutcome { StayOpen, Stored };

// The logic the seven payee forms share: adding and editing set-up, the
// "Ignore Warnings" toggle, the Save pipeline around the type's rules, and
// the list selection rule. A type's form class derives from it; its dialog
// copies the controls into `values`, `numberTexts` and `payeeIdText` before
// Save and shows the markers and visibility flags afterwards.
class PayeeFormFrame
{
public:
    PayeeFormFrame(AppContext& context, const PayeeTypeRules& type);
    virtual ~PayeeFormFrame() = default;

    // What the controls hold. In `values` the texts as shown (a list with
    // no choice gives an empty text); numbers live in `numberTexts`.
    CCards values;
    NumberTexts numberTexts;
    QString payeeIdText;
    bool ignoreWarningsTicked = false;

    // What the dialog shows besides the controls.
    QString title;
    bool payeeIdEnabled = false; // and the "use default or max 9 digits" hint
    bool ignoreWarningsVisible = false;

    bool adding() const { return m_adding; }
    const std::vector<Finding>& findings() const { return m_findings; }
    bool hasError(PayeeField field) const;
    bool hasWarning(PayeeField field) const;

    QString& numberText(qint32 CCards::*member) { return numberTexts[cardNumberIndex(member)]; }

    // Loads the current payee (editing) or the new payee's defaults
    // (adding). A type that adds set-up of its own overrides it and calls
    // this first.
    virtual void OnInitDialog();
    // The box was clicked: the current payee's flag and the tick go together.
    void OnBnClickedIgnoreWarnings();
    // Validates; stores the payee when nothing stands in the way. A new
    // payee is refused while the report holds payeeLimit payees.
    PayeeSaveOutcome OnBnClickedSave(qint64 payeeLimit = kMaxPayeesInAReport);

    // A list loaded from a stored value: selects what the value chooses and
    // remembers a value that chose nothing, so Save refuses the field until
    // the user picks an item of that list (each list of a field, such as the
    // day, month and year of a date, on its own). A list the form hides is
    // never refused: its rules decide what it stores.
    int chooseListItem(
        PayeeField field, QString CCards::*member, const QStringList& items, const QString& stored, ListMatch how);
    // The user picked an item of the list of `member`.
    void listChosen(QString CCards::*member);
    // Some list of the field still holds a stored value that chose nothing.
    bool unchosen(PayeeField field) const;

protected:
    // The type hides the list of `member` in this report year.
    virtual bool listHidden(QString CCards::*member) const;

    AppContext& m_context;
    const PayeeTypeRules& m_type;

private:
    bool validate(qint32& id, CCards& working);
    bool acceptNewId(qint32 id);

    bool m_adding = false;
    std::vector<Finding> m_findings;
    struct UnchosenList {
        PayeeField field;
        QString CCards::*member;
    };
    std::vector<UnchosenList> m_unchosen;
};
