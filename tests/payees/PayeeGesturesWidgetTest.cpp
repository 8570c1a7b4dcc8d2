// On every payee form the mouse wheel changes only the list the user
// chose, by a click or the keyboard, and scrolls the form otherwise, over
// the field the form opens in too; the digits typed into a day or
// month list select the number typed, and Save stores the date typed.

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
#include "support/ControlWheel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{

constexpr qint32 kId = 8;


struct PayeeForm {
    const char* type;
    std::function<std::unique_ptr<QDialog>(AppContext&)> open;
    bool tall;
    const char* opensIn; // the field that has the keyboard as the form opens
};

const PayeeForm kForms[] = {
    { "INB", [](AppContext& c) { return std::make_unique<CPayeeINB>(c); }, true, "tfnCombo" },
    { "FEI", [](AppContext& c) { return std::make_unique<CPayeeFEI>(c); }, true, "tfnCombo" },
    { "PEN", [](AppContext& c) { return std::make_unique<CPayeePEN>(c); }, true, "tfnCombo" },
    { "BUS", [](AppContext& c) { return std::make_unique<CPayeeBus1>(c); }, false, "paymentTypeList" },
    { "ETP", [](AppContext& c) { return std::make_unique<CPayeeETP>(c); }, false, "tfnCombo" },
    { "SLS", [](AppContext& c) { return std::make_unique<CPayeeSLS>(c, nullptr); }, false, "tfnCombo" },
    { "DAS", [](AppContext& c) { return std::make_unique<CPayeeDAS>(c, nullptr); }, false, "tfnCombo" },
};

void PrintTo(const PayeeForm& form, std::ostream* out)
{
    *out << form.type;
}

template <class T> T* child(QWidget& parent, const QString& name)
{
    T* widget = parent.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

enum class Opened { Edited, New };

// The form's stored payee, opened for editing as the edit dispatcher opens
// it, or the form of a new payee.
struct EditedPayee {
    PayeeWorld w;
    std::unique_ptr<QDialog> dialog;

    explicit EditedPayee(const PayeeForm& form, Opened opened = Opened::Edited)
    {
        if (opened == Opened::Edited) {
            w.report().payees[kId] = storedPayee(kId, form.type);
            w.report().payeeMode = 0;
            w.context.currentPayee = w.report().payees.at(kId);
            w.context.currentPayeeKey = kId;
        } else {
            w.report().payeeMode = 4;
        }
        dialog = form.open(w.context);
    }
    QComboBox* list(const QString& name) { return child<QComboBox>(*dialog, name + QStringLiteral("List")); }
    void save()
    {
        child<QPushButton>(*dialog, QStringLiteral("saveButton"))->click();
        auto* ignore = child<QCheckBox>(*dialog, QStringLiteral("ignoreWarningsBox"));
        if (dialog->isVisible() && ignore->isVisible() && !ignore->isChecked()) {
            ignore->click();
            child<QPushButton>(*dialog, QStringLiteral("saveButton"))->click();
        }
    }
    const CCards& stored() { return w.report().payees.at(kId); }
};

class PayeeGestures : public ::testing::TestWithParam<PayeeForm>
{
protected:
    void SetUp() override { QApplication::setKeyboardInputInterval(1000); }
    void TearDown() override { QApplication::setKeyboardInputInterval(m_interval); }

private:
    int m_interval = QApplication::keyboardInputInterval();
};

// Every list of the form: the parts of each date, the State, the income and
// payment types, Original/Amended, the TFN and the rest.
TEST_P(PayeeGestures, TheWheelChangesOnlyTheFocusedListAndElseScrollsTheForm)
{
    const PayeeForm& form = GetParam();
    EditedPayee p(form);
    if (!showActive(*p.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    auto* area = p.dialog->findChild<QScrollArea*>(QStringLiteral("formScrollArea"));
    EXPECT_EQ(area != nullptr, form.tall);
    if (area) {
        // Smaller than the form, as on a small screen: the form scrolls.
        p.dialog->resize(p.dialog->width(), 420);
        QApplication::processEvents();
        ASSERT_GT(area->verticalScrollBar()->maximum(), 0);
    }
    const int turned
        = expectWheelStepsFocusedControlsOnly(*p.dialog, child<QPushButton>(*p.dialog, QStringLiteral("closeButton")));
    EXPECT_GE(turned, 5); // at least a date's three parts, Original/Amended and one more
    for (const char* name : { "origAmendedList", "stateList" }) {
        auto* list = p.dialog->findChild<QComboBox*>(QLatin1String(name));
        EXPECT_TRUE(list && wheelControls(*p.dialog).contains(list)) << name;
    }
}

// The form opens with the keyboard in its first field, the TFN or BUS's
// payment type: a wheel turned there to scroll the form changes nothing
// until the user clicks in the field or tabs to it.
TEST_P(PayeeGestures, TheFieldTheFormOpensInTakesTheWheelOnlyOnceChosen)
{
    const PayeeForm& form = GetParam();
    for (const Opened opened : { Opened::New, Opened::Edited }) {
        SCOPED_TRACE(opened == Opened::New ? "a new payee" : "an edited payee");
        EditedPayee p(form, opened);
        if (!showActive(*p.dialog))
            GTEST_SKIP() << "the platform makes no window active";
        if (auto* area = p.dialog->findChild<QScrollArea*>(QStringLiteral("formScrollArea"))) {
            // Smaller than the form, as on a small screen: the form scrolls.
            p.dialog->resize(p.dialog->width(), 420);
            QApplication::processEvents();
            ASSERT_GT(area->verticalScrollBar()->maximum(), 0);
        }
        QWidget* control = expectTheFocusGivenTakesNoWheel(*p.dialog);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->objectName(), QLatin1String(form.opensIn));
    }
}

// The parts of a date as the user types them into the lists, with a blank
// where the keyboard's type-ahead time passes.
struct TypedDate {
    const char* prefix; // "dob": the lists dobDayList, dobMonthList, dobYearList
    const char* dayKeys;
    const char* monthKeys;
    const char* yearKeys; // nullptr: the year is left as stored
    QString CCards::*day;
    QString CCards::*month;
    QString CCards::*year;
    const char* stored; // DD/MM/YYYY after Save
};

const TypedDate kDates[] = {
    { "dob", "3", "12", "1985", &CCards::dobDay, &CCards::dobMonth, &CCards::dobYear, "03/12/1985" },
    { "start", "07", "8", nullptr, &CCards::startDay, &CCards::startMonth, &CCards::startYear, "07/08/2018" },
    { "end", "1 5", "5", nullptr, &CCards::endDay, &CCards::endMonth, &CCards::endYear, "05/05/2019" },
    { "payment", "9", "3", nullptr, &CCards::paymentDay, &CCards::paymentMonth, &CCards::paymentYear, "09/03/2019" },
};

void typeInto(QComboBox* list, const char* keys)
{
    list->setFocus(Qt::TabFocusReason);
    for (const char key : std::string(keys)) {
        if (key == ' ')
            QTest::qWait(1500); // longer than the type-ahead time
        else
            QTest::keyClick(list, key);
    }
}

TEST_P(PayeeGestures, TheDateTypedIntoTheListsIsTheDateSaved)
{
    const PayeeForm& form = GetParam();
    EditedPayee p(form);
    if (!showActive(*p.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    int dates = 0;
    for (const TypedDate& date : kDates) {
        const QString prefix = QString::fromLatin1(date.prefix);
        if (!p.dialog->findChild<QComboBox*>(prefix + QStringLiteral("DayList")))
            continue;
        SCOPED_TRACE(date.prefix);
        ++dates;
        typeInto(p.list(prefix + QStringLiteral("Day")), date.dayKeys);
        typeInto(p.list(prefix + QStringLiteral("Month")), date.monthKeys);
        if (date.yearKeys)
            typeInto(p.list(prefix + QStringLiteral("Year")), date.yearKeys);
        const QString shown = p.list(prefix + QStringLiteral("Day"))->currentText() + u'/'
            + p.list(prefix + QStringLiteral("Month"))->currentText() + u'/'
            + p.list(prefix + QStringLiteral("Year"))->currentText();
        EXPECT_EQ(shown, QString::fromLatin1(date.stored));
    }
    EXPECT_GE(dates, 1);
    p.save();
    ASSERT_EQ(p.dialog->result(), QDialog::Accepted) << p.w.ui.texts().join(u'|').toStdString();
    for (const TypedDate& date : kDates) {
        if (!p.dialog->findChild<QComboBox*>(QString::fromLatin1(date.prefix) + QStringLiteral("DayList")))
            continue;
        SCOPED_TRACE(date.prefix);
        const CCards& c = p.stored();
        EXPECT_EQ(c.*date.day + u'/' + c.*date.month + u'/' + c.*date.year, QString::fromLatin1(date.stored));
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, PayeeGestures, ::testing::ValuesIn(kForms),
    [](const ::testing::TestParamInfo<PayeeForm>& info) { return std::string(info.param.type); });

} // namespace
