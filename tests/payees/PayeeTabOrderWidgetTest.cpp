#include "payees/PayeeFrameTestKit.h"
#include "payees/dialogs/CPayeeBus1.h"
#include "payees/dialogs/CPayeeDAS.h"
#include "payees/dialogs/CPayeeETP.h"
#include "payees/dialogs/CPayeeFEI.h"
#include "payees/dialogs/CPayeeINB.h"
#include "payees/dialogs/CPayeePEN.h"
#include "payees/dialogs/CPayeeSLS.h"
#include "support/TestProfile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace
{

// One payee form: how it is made, the key that goes into its first field,
// and every control Tab may reach, in the order a reader meets them.
struct TabForm {
    const char* name;
    std::function<std::unique_ptr<QDialog>(AppContext&)> make;
    QString payeeType;
    bool tall;
    char firstKey;
    std::vector<const char*> order;
    std::vector<const char*> readOnly;
};

#define BOTTOM_LINE "ignoreWarningsBox", "helpButton", "closeButton", "saveButton"
#define NAMES "surnameEdit", "firstNameEdit", "secNameEdit"
#define BIRTH "dobDayList", "dobMonthList", "dobYearList"
#define LINES "addLine1Edit", "addLine2Edit", "suburbEdit", "pCodeEdit"
#define DATE(prefix) prefix "DayList", prefix "MonthList", prefix "YearList"
#define ID_AND_PAYROLL "payeeIdEdit", "payrollNoEdit"

const TabForm kForms[] = {
    { "INB", [](AppContext& c) { return std::make_unique<CPayeeINB>(c); }, QStringLiteral("INB"), true, '9',
        { "tfnCombo", "incomeTypeList", NAMES, BIRTH, "grossEdit", "cdepEdit", "taxWithheldEdit", LINES, "stateList",
            "countryEdit", "lumpAEdit", "lumpBEdit", "lumpDEdit", "lumpEEdit", "lumpATypeList", "lumpEYrMinus2Edit",
            "lumpEYrMinus3Edit", "lumpEPreYrMinus3Edit", DATE("start"), DATE("end"), ID_AND_PAYROLL, "allow1NameCombo",
            "allow1Edit", "allow2NameCombo", "allow2Edit", "allow3NameCombo", "allow3Edit", "allow4NameCombo",
            "allow4Edit", "totalAllowEdit", "rfbtEdit", "rescEdit", "exemptForeignEdit", "givingEdit", "annuityEdit",
            "allZeroButton", "s57AList", "unionNameCombo", "unionFeesEdit", "origAmendedList", BOTTOM_LINE },
        { "accruedYearMinus2Edit", "accruedYearMinus3Edit", "accruedPriorToEdit", "other1Edit" } },
    { "FEI", [](AppContext& c) { return std::make_unique<CPayeeFEI>(c); }, QStringLiteral("FEI"), true, '9',
        { "tfnCombo", "incomeTypeList", NAMES, BIRTH, "grossEdit", "taxWithheldEdit", "foreignTaxPaidEdit", LINES,
            "stateList", "countryEdit", "lumpAEdit", "lumpDEdit", "lumpEEdit", "lumpATypeList", "lumpEYrMinus2Edit",
            "lumpEYrMinus3Edit", "lumpEPreYrMinus3Edit", DATE("start"), DATE("end"), ID_AND_PAYROLL, "allow1NameCombo",
            "allow2NameCombo", "allow3NameCombo", "allow4NameCombo", "rfbtEdit", "rescEdit", "givingEdit",
            "allZeroButton", "s57AList", "unionNameCombo", "unionFeesEdit", "origAmendedList", BOTTOM_LINE },
        { "accruedYearMinus2Edit", "accruedYearMinus3Edit", "accruedPriorToEdit", "other1Edit" } },
    { "PEN", [](AppContext& c) { return std::make_unique<CPayeePEN>(c); }, QStringLiteral("PEN"), true, '9',
        { "tfnCombo", "incomeTypeList", NAMES, BIRTH, LINES, "stateList", "countryEdit", DATE("start"), DATE("end"),
            ID_AND_PAYROLL, "taxedElementEdit", "untaxedElementEdit", "taxWithheldEdit", "taxFreeComponentEdit",
            "taxOffsetEdit", "reversionaryList", "arrearsTaxedEdit", "arrearsUntaxedEdit", "arrearsTaxFreeEdit",
            "origAmendedList", BOTTOM_LINE },
        {} },
    { "ETP", [](AppContext& c) { return std::make_unique<CPayeeETP>(c); }, QStringLiteral("ETP"), false, '9',
        { "tfnCombo", NAMES, BIRTH, LINES, "countryEdit", "stateList", "taxableEdit", "taxFreeEdit", "taxWithheldEdit",
            DATE("payment"), "paymentTypeList", ID_AND_PAYROLL, "origAmendedList", BOTTOM_LINE },
        {} },
    { "BUS", [](AppContext& c) { return std::make_unique<CPayeeBus1>(c); }, QStringLiteral("BUS"), false, 'P',
        { "paymentTypeList", "tfnCombo", "abnEdit", NAMES, BIRTH, LINES, "countryEdit", "stateList", DATE("start"),
            DATE("end"), ID_AND_PAYROLL, "grossEdit", "taxWithheldEdit", "rescEdit", "origAmendedList", BOTTOM_LINE },
        {} },
    { "SLS", [](AppContext& c) { return std::make_unique<CPayeeSLS>(c, nullptr); }, QStringLiteral("SLS"), false, '9',
        { "tfnCombo", NAMES, BIRTH, LINES, "countryEdit", "stateList", "taxableEdit", "other1Edit", "taxFreeEdit",
            "taxWithheldEdit", DATE("payment"), "deathBenefitList", "recipientList", ID_AND_PAYROLL, "origAmendedList",
            BOTTOM_LINE },
        {} },
    { "DAS", [](AppContext& c) { return std::make_unique<CPayeeDAS>(c, nullptr); }, QStringLiteral("DAS"), false, '9',
        { "tfnCombo", NAMES, LINES, "countryEdit", "stateList", "taxableEdit", "other1Edit", "taxFreeEdit",
            "taxWithheldEdit", DATE("payment"), ID_AND_PAYROLL, "origAmendedList", BOTTOM_LINE },
        {} },
};

#undef BOTTOM_LINE
#undef NAMES
#undef BIRTH
#undef LINES
#undef DATE
#undef ID_AND_PAYROLL

// Adding a payee: the Payee ID is open and "Ignore Warnings" hidden. Editing
// one stored with its warnings ignored: the Payee ID is closed and the box shown.
enum class Mode { Adding, EditingIgnored };

using TabCase = std::tuple<TabForm, Mode>;

void PrintTo(const TabCase& c, std::ostream* out)
{
    *out << std::get<0>(c).name << (std::get<1>(c) == Mode::Adding ? " adding" : " editing");
}

QString nameOf(const QWidget* widget)
{
    return widget ? widget->objectName() : QStringLiteral("(nothing)");
}

// What a user can type into or press: the controls a Tab walk must reach.
bool isControl(const QWidget* widget)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return !edit->isReadOnly() && !qobject_cast<const QComboBox*>(edit->parentWidget());
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractButton*>(widget);
}

QString textOf(const QWidget* widget)
{
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

struct PayeeTabOrder : ::testing::TestWithParam<TabCase> {
    TestProfile profile;
    PayeeWorld world;
    std::unique_ptr<QDialog> dialog;

    const TabForm& form() const { return std::get<0>(GetParam()); }

    void SetUp() override
    {
        if (std::get<1>(GetParam()) == Mode::Adding) {
            world.report().payeeMode = 4;
            world.report().newPayeeDataSource = QStringLiteral("Manually Added");
        } else {
            CCards stored;
            stored.payeeId = 7;
            stored.payeeType = form().payeeType;
            stored.dataSource = QStringLiteral("Manually Added");
            stored.tfn = QStringLiteral("123456782");
            stored.surname = QStringLiteral("CITIZEN");
            stored.busPaymentType = QStringLiteral("Labour Hire");
            stored.ignoreWarnings = QStringLiteral("Yes");
            world.report().payees[stored.payeeId] = stored;
            world.context.currentPayee = stored;
            world.context.currentPayeeKey = stored.payeeId;
            world.report().payeeMode = 0;
        }
        // On the 800 x 800 screen, where a tall form scrolls.
        dialog = form().make(world.context);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        QApplication::processEvents();
    }

    QWidget* body() const { return dialog->findChild<QWidget*>(QStringLiteral("formBody")); }
    QScrollArea* scroll() const { return dialog->findChild<QScrollArea*>(QStringLiteral("formScrollArea")); }

    // The listed controls the form shows and lets the user change now.
    QStringList expectedOrder() const
    {
        QStringList names;
        for (const char* name : form().order) {
            auto* widget = dialog->findChild<QWidget*>(QString::fromLatin1(name));
            EXPECT_NE(widget, nullptr) << name;
            if (widget && widget->isVisible() && widget->isEnabled())
                names << widget->objectName();
        }
        return names;
    }

    // A real Tab key, as the window system hands it to the window.
    void tab()
    {
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    // The focused field of a tall form lies inside what the scroll area shows.
    void expectInView(QWidget* focused)
    {
        if (!form().tall || !focused || !body()->isAncestorOf(focused))
            return;
        QWidget* viewport = scroll()->viewport();
        const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
        EXPECT_TRUE(viewport->rect().contains(shown))
            << nameOf(focused).toStdString() << " at " << shown.x() << "," << shown.y() << " " << shown.width() << "x"
            << shown.height() << " outside " << viewport->width() << "x" << viewport->height();
    }
};

TEST_P(PayeeTabOrder, TheFormOpensWithTheKeyboardInItsFirstField)
{
    const QStringList order = expectedOrder();
    ASSERT_FALSE(order.isEmpty());
    QWidget* first = dialog->findChild<QWidget*>(order.first());
    EXPECT_EQ(nameOf(QApplication::focusWidget()), order.first());

    // The first key typed lands in that field.
    const QString before = textOf(first);
    QTest::keyClick(dialog->windowHandle(), form().firstKey);
    QApplication::processEvents();
    EXPECT_NE(textOf(first), before);
    EXPECT_TRUE(textOf(first).contains(QLatin1Char(form().firstKey))) << textOf(first).toStdString();
    if (form().tall) {
        EXPECT_EQ(scroll()->verticalScrollBar()->value(), 0);
    }
}

TEST_P(PayeeTabOrder, TabWalksEveryFieldInReadingOrderThenTheButtons)
{
    if (form().tall) {
        ASSERT_GT(scroll()->verticalScrollBar()->maximum(), 0) << "the form must scroll for this test to mean much";
    }
    QWidget* start = QApplication::focusWidget();
    ASSERT_NE(start, nullptr);

    QList<QWidget*> walk { start };
    for (int step = 0; step < 200; ++step) {
        tab();
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr) << "after " << nameOf(walk.last()).toStdString();
        auto* edit = qobject_cast<QLineEdit*>(now);
        EXPECT_FALSE(edit && edit->isReadOnly()) << nameOf(now).toStdString() << " is read-only";
        expectInView(now);
        if (now == start)
            break;
        walk << now;
    }
    QStringList names;
    for (const QWidget* w : walk)
        names << nameOf(w);
    EXPECT_EQ(names.join(u' ').toStdString(), expectedOrder().join(u' ').toStdString());

    // No control the user can reach is left out of the walk.
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (isControl(w) && w->isVisible() && w->isEnabled()) {
            EXPECT_TRUE(walk.contains(w)) << nameOf(w).toStdString() << " is never reached";
        }
    }

    // Inside the form, each next field is below the last one or to its
    // right (the same row, or the next column); the bottom line follows all
    // of them, left to right.
    QWidget* inside = body();
    const auto placeOf = [inside](QWidget* w) { return QRect(w->mapTo(inside, QPoint(0, 0)), w->size()); };
    for (qsizetype i = 1; i < walk.size(); ++i) {
        QWidget* before = walk[i - 1];
        QWidget* next = walk[i];
        const std::string step = (nameOf(before) + QStringLiteral(" -> ") + nameOf(next)).toStdString();
        const bool beforeInside = inside->isAncestorOf(before);
        const bool nextInside = inside->isAncestorOf(next);
        ASSERT_FALSE(!beforeInside && nextInside) << step << ": back into the form from its bottom line";
        if (beforeInside && nextInside) {
            const QRect a = placeOf(before);
            const QRect b = placeOf(next);
            EXPECT_TRUE(b.top() > a.bottom() || b.left() > a.right())
                << step << ": " << b.x() << "," << b.y() << " is neither below nor right of " << a.x() << "," << a.y()
                << " " << a.width() << "x" << a.height();
        }
        if (!beforeInside && !nextInside) {
            EXPECT_GT(next->mapTo(dialog.get(), QPoint(0, 0)).x(), before->mapTo(dialog.get(), QPoint(0, 0)).x())
                << step;
        }
    }
    ASSERT_GE(walk.size(), 3);
    EXPECT_EQ(nameOf(walk.last()), QStringLiteral("saveButton"));
}

TEST_P(PayeeTabOrder, ShiftTabGoesBackTheSameWay)
{
    const QStringList order = expectedOrder();
    QStringList back;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
        QApplication::processEvents();
        QWidget* now = QApplication::focusWidget();
        expectInView(now);
        back.prepend(nameOf(now));
    }
    // From the first field round to Save, and on back to the first field.
    EXPECT_EQ(back.join(u' ').toStdString(), order.join(u' ').toStdString());
}

TEST_P(PayeeTabOrder, ReadOnlyBoxesTakeTheMouseButNotTheTabKey)
{
    for (const char* name : form().readOnly) {
        auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_TRUE(edit->isReadOnly()) << name;
        if (!edit->isVisible())
            continue;
        EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus) << name;
        if (form().tall)
            scroll()->ensureWidgetVisible(edit);
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        EXPECT_EQ(nameOf(QApplication::focusWidget()), QString::fromLatin1(name));
        // Its text can still be selected, to be copied.
        QTest::keyClick(dialog->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(edit->selectedText(), edit->text()) << name;
    }
    if (form().tall) {
        EXPECT_EQ(scroll()->focusPolicy(), Qt::NoFocus);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPayeeForm, PayeeTabOrder,
    ::testing::Combine(::testing::ValuesIn(kForms), ::testing::Values(Mode::Adding, Mode::EditingIgnored)),
    [](const ::testing::TestParamInfo<TabCase>& info) {
        return std::string(std::get<0>(info.param).name)
            + (std::get<1>(info.param) == Mode::Adding ? "Adding" : "EditingWithWarningsIgnored");
    });

} // namespace
