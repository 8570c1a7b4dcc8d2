// What a payee form stores for an amount is what the user wrote: a text that
// is no whole number, an amount of 999999 or one outside 0..99,999,999 is
// refused by Save at that amount's own marker on every form, whatever
// "Ignore Warnings" says, and the stored record stays as it was. What the
// user pastes or an input method commits into an amount, a postcode or a
// Payee ID goes in whole or changes nothing.

#include "payees/PayeeFeiKit.h"
#include "payees/PayeeFrameTestKit.h"
#include "payees/StoredPayeeKit.h"
#include "payees/PayeePEN.h"
#include "payees/dialogs/CPayeeBus1.h"
#include "payees/dialogs/CPayeeDAS.h"
#include "payees/dialogs/CPayeeETP.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeePEN.h"
#include "payees/dialogs/CPayeeSLS.h"
#include "support/TypedKeys.h"
#include "widgets/DialogKit.h"
#include "widgets/DigitsEntry.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace
{

constexpr qint32 kId = 8;


struct PayeeForm {
    const char* type;
    std::function<std::unique_ptr<QDialog>(AppContext&)> open;
    const char* amount; // the edit and marker name of one amount
    qint32 CCards::*member; // ... and the member that holds it
};

const PayeeForm kForms[] = {
    { "INB", [](AppContext& c) { return std::make_unique<CPayeeINB>(c); }, "lumpD", &CCards::lumpD },
    { "FEI", [](AppContext& c) { return std::make_unique<CPayeeFEI>(c); }, "gross", &CCards::gross },
    { "PEN", [](AppContext& c) { return std::make_unique<CPayeePEN>(c); }, "taxedElement", &CCards::gross },
    { "BUS", [](AppContext& c) { return std::make_unique<CPayeeBus1>(c); }, "gross", &CCards::gross },
    { "ETP", [](AppContext& c) { return std::make_unique<CPayeeETP>(c); }, "taxable", &CCards::taxable },
    { "SLS", [](AppContext& c) { return std::make_unique<CPayeeSLS>(c, nullptr); }, "taxFree", &CCards::taxFree },
    { "DAS", [](AppContext& c) { return std::make_unique<CPayeeDAS>(c, nullptr); }, "taxable", &CCards::taxable },
};

template <class T> T* child(QWidget& parent, const QString& name)
{
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// A report holding the form's payee, saved once through its own form so
// the record is what that form stores; then opened again for editing.
struct EditedPayee {
    PayeeWorld w;
    CCards stored;
    std::unique_ptr<QDialog> dialog;

    explicit EditedPayee(const PayeeForm& form, const CCards& payee)
    {
        w.report().payees[kId] = payee;
        open(form);
        save();
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << w.ui.texts().join(u'|').toStdString();
        stored = w.report().payees.at(kId);
        open(form);
    }
    void open(const PayeeForm& form)
    {
        w.report().payeeMode = 0;
        w.context.currentPayee = w.report().payees.at(kId);
        w.context.currentPayeeKey = kId;
        dialog = form.open(w.context);
        dialog->show();
        QApplication::processEvents();
    }
    void save() { child<QPushButton>(*dialog, QStringLiteral("saveButton"))->click(); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(*dialog, QLatin1String(name) + QLatin1String("Edit")); }
    bool marked(const char* name)
    {
        auto* marker = child<QWidget>(*dialog, QLatin1String(name) + QLatin1String("ErrorMarker"));
        return marker && marker->isVisible();
    }
    void tickIgnoreWarnings()
    {
        auto* box = child<QCheckBox>(*dialog, QStringLiteral("ignoreWarningsBox"));
        if (box->isVisible() && !box->isChecked())
            box->click();
    }
};

// The edit's guard keeps such texts out; text set straight into the edit
// passes it, so this is Save's own defence.
TEST(PayeeAmountEntry, ATextThatIsNoWholeNumberIsRefusedAtItsFieldOnEveryForm)
{
    for (const PayeeForm& form : kForms) {
        SCOPED_TRACE(form.type);
        for (const char* text : { "12a00", "1,200", "1200.50", "$5", "5\u200c", "\U0001F600" }) {
            SCOPED_TRACE(text);
            EditedPayee p(form, storedPayee(kId, form.type));
            p.edit(form.amount)->setText(QString::fromUtf8(text));
            EXPECT_EQ(p.edit(form.amount)->text(), QString::fromUtf8(text));
            p.save();
            EXPECT_TRUE(p.dialog->isVisible());
            EXPECT_TRUE(p.marked(form.amount));
            p.tickIgnoreWarnings();
            p.save();
            EXPECT_TRUE(p.dialog->isVisible());
            EXPECT_TRUE(p.marked(form.amount));
            EXPECT_EQ(p.w.report().payees.at(kId), p.stored);
        }
    }
}

// Every check fails these amounts, so no form saves them with Checked "Yes".
TEST(PayeeAmountEntry, AStoredPlaceholderOrAmountOutOfRangeIsRefusedWithWarningsIgnored)
{
    for (const PayeeForm& form : kForms) {
        SCOPED_TRACE(form.type);
        for (const qint32 amount : { 999999, -5, 100000000 }) {
            SCOPED_TRACE(amount);
            EditedPayee p(form, storedPayee(kId, form.type));
            // As an import leaves it: the flag already "Yes".
            CCards imported = p.stored;
            imported.*form.member = amount;
            imported.ignoreWarnings = QStringLiteral("Yes");
            p.w.report().payees[kId] = imported;
            p.open(form);
            ASSERT_TRUE(child<QCheckBox>(*p.dialog, QStringLiteral("ignoreWarningsBox"))->isChecked());
            EXPECT_EQ(p.edit(form.amount)->text(), QString::number(amount));
            p.save();
            EXPECT_TRUE(p.dialog->isVisible());
            EXPECT_TRUE(p.marked(form.amount));
            auto* check999999 = child<QLabel>(*p.dialog, QStringLiteral("check999999Label"));
            EXPECT_EQ(check999999->isVisible(), amount == 999999);
            EXPECT_EQ(p.w.report().payees.at(kId), imported);

            // Mended, it saves.
            p.edit(form.amount)->setText(QStringLiteral("999998"));
            p.save();
            EXPECT_EQ(p.dialog->result(), QDialog::Accepted) << p.w.ui.texts().join(u'|').toStdString();
            EXPECT_EQ(p.w.report().payees.at(kId).*form.member, 999998);
        }
    }
}

// A new payee's form of the type, shown, with its digits-only edits: the
// amount, the postcode and, but on a BUS form whose Payee ID takes any
// text, the Payee ID; each with the tips of a refused paste and character.
struct NewPayeeForm {
    struct DigitsEdit {
        QLineEdit* edit;
        QString cellsTip;
        QString characterTip;
    };
    PayeeWorld w;
    std::unique_ptr<QDialog> dialog;
    std::vector<DigitsEdit> edits;

    explicit NewPayeeForm(const PayeeForm& form)
    {
        w.report().payeeMode = 4;
        dialog = form.open(w.context);
        dialog->show();
        QApplication::processEvents();
        const auto edit = [this](const QString& name) { return child<QLineEdit>(*dialog, name); };
        edits.push_back({ edit(QLatin1String(form.amount) + QLatin1String("Edit")), kOneAmountTip, kWholeDollarsTip });
        edits.push_back({ edit(QStringLiteral("pCodeEdit")), kOneNumberTip, kDigitsOnlyTip });
        if (QLatin1String(form.type) != QLatin1String("BUS"))
            edits.push_back({ edit(QStringLiteral("payeeIdEdit")), kOneNumberTip, kDigitsOnlyTip });
    }
    static QLabel* tip(QLineEdit* edit) { return edit->findChild<QLabel*>(QStringLiteral("refusedKeyTip")); }
    static bool tipShown(QLineEdit* edit) { return tip(edit) && tip(edit)->isVisible(); }
};

// A spreadsheet copies a row of cells as "1200\t300" and a column as
// "1200\n300\n": pasted with Ctrl+V, neither is taken as 1200300.
TEST(PayeeAmountEntry, APasteOfTwoCellsIsRefusedWholeOnEveryForm)
{
    const struct {
        const char* clipboard;
        const char* text; // in an edit that was empty
        bool refused;
    } cases[] = {
        { "1200\t300", "", true },
        { "1200\n300\n", "", true },
        { "1200\r\n300\r\n", "", true },
        { "1200 \t 300", "", true },
        { "\t1200\t", "1200", false },
        { "1200\n", "1200", false },
        { "1200\r\n", "1200", false },
    };
    for (const PayeeForm& form : kForms) {
        SCOPED_TRACE(form.type);
        NewPayeeForm p(form);
        for (const NewPayeeForm::DigitsEdit& e : p.edits) {
            ASSERT_NE(e.edit, nullptr);
            SCOPED_TRACE(e.edit->objectName().toStdString());
            for (const auto& c : cases) {
                SCOPED_TRACE(c.clipboard);
                e.edit->clear();
                sendKey(e.edit, Qt::Key_End); // the user moves on: the tip goes
                QGuiApplication::clipboard()->setText(QString::fromLatin1(c.clipboard));
                pasteKey(e.edit);
                EXPECT_EQ(e.edit->text(), QString::fromLatin1(c.text));
                EXPECT_EQ(NewPayeeForm::tipShown(e.edit), c.refused);
                if (c.refused) {
                    EXPECT_EQ(NewPayeeForm::tip(e.edit)->text(), e.cellsTip);
                }
            }
        }
    }
}

// An input method that commits "é" in place of what it would replace, the
// last digit or the selection, leaves the field as it was, with the tip,
// also after a composition over the selection; a digit it commits goes in,
// even in a full postcode.
TEST(PayeeAmountEntry, ARefusedInputMethodCommitLeavesTheFieldAsItWasOnEveryForm)
{
    const QString digits = QStringLiteral("1234");
    for (const PayeeForm& form : kForms) {
        SCOPED_TRACE(form.type);
        NewPayeeForm p(form);
        for (const NewPayeeForm::DigitsEdit& e : p.edits) {
            ASSERT_NE(e.edit, nullptr);
            SCOPED_TRACE(e.edit->objectName().toStdString());
            QLineEdit* edit = e.edit;
            edit->setText(digits);
            edit->setCursorPosition(4);
            commitInput(edit, QStringLiteral("é"), -1, 1);
            EXPECT_EQ(edit->text(), digits);
            EXPECT_EQ(edit->cursorPosition(), 4);
            EXPECT_TRUE(NewPayeeForm::tipShown(edit));
            EXPECT_EQ(NewPayeeForm::tip(edit)->text(), e.characterTip);

            sendKey(edit, Qt::Key_End);
            edit->setSelection(2, 2);
            commitInput(edit, QStringLiteral("é"));
            EXPECT_EQ(edit->text(), digits);
            EXPECT_EQ(edit->selectionStart(), 2);
            EXPECT_EQ(edit->selectedText(), QStringLiteral("34"));
            EXPECT_TRUE(NewPayeeForm::tipShown(edit));

            sendKey(edit, Qt::Key_End);
            composeInput(edit, QStringLiteral("´"));
            commitInput(edit, QStringLiteral("é"), -1, 1);
            EXPECT_EQ(edit->text(), digits);
            EXPECT_EQ(edit->cursorPosition(), 4);

            edit->setSelection(2, 2);
            composeInput(edit, QStringLiteral("´"));
            EXPECT_EQ(edit->text(), digits);
            commitInput(edit, QStringLiteral("é"));
            EXPECT_EQ(edit->text(), digits);
            EXPECT_EQ(edit->selectedText(), QStringLiteral("34"));
            EXPECT_EQ(edit->cursorPosition(), 4);
            sendKey(edit, Qt::Key_End);

            commitInput(edit, QStringLiteral("5"), -1, 1);
            EXPECT_EQ(edit->text(), QStringLiteral("1235"));
        }
    }
}

} // namespace
