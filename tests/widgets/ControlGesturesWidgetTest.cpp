// The program's rules for the wheel and typing over its controls, as every
// widget test's application installs them: the wheel steps only the
// drop-down list, date edit or spin box the user chose, by a click or the
// keyboard, and scrolls the page otherwise;
// digits typed into a list of numbers select the number typed.

#include "support/ControlWheel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace
{

QStringList numbers(int from, int to, int width)
{
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    return items;
}

// A small window whose page of controls is far taller than the window, as a
// payee form is on a small screen, with one list outside the page.
struct TallPage {
    QDialog dialog;
    QLineEdit* name = nullptr;
    QComboBox* day = nullptr;
    QComboBox* state = nullptr;
    QComboBox* branch = nullptr;
    QComboBox* outside = nullptr;
    QDateEdit* date = nullptr;
    QSpinBox* count = nullptr;
    QScrollArea* area = nullptr;

    TallPage()
    {
        auto* outer = new QVBoxLayout(&dialog);
        area = new QScrollArea(&dialog);
        area->setWidgetResizable(true);
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        name = new QLineEdit(page);
        name->setObjectName(QStringLiteral("name"));
        day = new QComboBox(page);
        day->setObjectName(QStringLiteral("day"));
        day->addItems(numbers(1, 31, 2));
        day->setCurrentIndex(14);
        state = new QComboBox(page);
        state->setObjectName(QStringLiteral("state"));
        state->addItems({ QStringLiteral("ACT"), QStringLiteral("NSW"), QStringLiteral("NT"), QStringLiteral("QLD") });
        state->setCurrentIndex(-1);
        branch = new QComboBox(page);
        branch->setObjectName(QStringLiteral("branch"));
        branch->setEditable(true);
        branch->addItems(numbers(1, 10, 3));
        date = new QDateEdit(QDate(2019, 6, 15), page);
        date->setObjectName(QStringLiteral("date"));
        date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        count = new QSpinBox(page);
        count->setObjectName(QStringLiteral("count"));
        count->setValue(5);
        for (QWidget* w : std::initializer_list<QWidget*> { name, day, state, branch, date, count }) {
            layout->addWidget(w);
            layout->addSpacing(300);
        }
        area->setWidget(page);
        outer->addWidget(area);
        outside = new QComboBox(&dialog);
        outside->setObjectName(QStringLiteral("outside"));
        outside->addItems({ QStringLiteral("O"), QStringLiteral("A") });
        outer->addWidget(outside);
        dialog.resize(300, 260);
    }
};

class ControlGestures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Generous, so keys meant to come within the time always do.
        QApplication::setKeyboardInputInterval(1000);
    }
    void TearDown() override { QApplication::setKeyboardInputInterval(m_interval); }

    // Longer than the type-ahead time.
    static void pause() { QTest::qWait(1500); }

private:
    int m_interval = QApplication::keyboardInputInterval();
};

TEST_F(ControlGestures, TheWheelStepsTheFocusedControlOnlyAndElseScrollsThePage)
{
    TallPage w;
    if (!showActive(w.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    ASSERT_GT(w.area->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(expectWheelStepsFocusedControlsOnly(w.dialog, w.name), 6);
}

// The control a window gives the keyboard as it opens, as a form gives its
// first field, takes the wheel only once the user chooses it: a list, one
// the user may type into, a date and a spin box.
TEST_F(ControlGestures, TheControlAWindowOpensInStepsOnlyOnceTheUserChoosesIt)
{
    const struct {
        const char* name;
        QWidget* (*control)(TallPage&);
    } cases[] = {
        { "list", [](TallPage& w) -> QWidget* { return w.day; } },
        { "editable list", [](TallPage& w) -> QWidget* { return w.branch; } },
        { "date", [](TallPage& w) -> QWidget* { return w.date; } },
        { "spin box", [](TallPage& w) -> QWidget* { return w.count; } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TallPage w;
        QWidget* control = c.control(w);
        control->setFocus();
        if (!showActive(w.dialog))
            GTEST_SKIP() << "the platform makes no window active";
        EXPECT_EQ(expectTheFocusGivenTakesNoWheel(w.dialog), control);
    }
}

// The window going to the back and coming to the front again leaves each
// control chosen or not as it was, also when the user chose a control of
// the other window meanwhile.
TEST_F(ControlGestures, AChoiceOutlastsTheWindowGoingToTheBack)
{
    TallPage w;
    TallPage other;
    w.day->setFocus();
    if (!showActive(w.dialog) || !showActive(other.dialog) || !showActive(w.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    ASSERT_TRUE(w.day->hasFocus());
    expectWheelChangesNothing(w.day);

    clickIn(w.day);
    ASSERT_TRUE(showActive(other.dialog));
    clickIn(other.state);
    expectWheelSteps(other.state);
    ASSERT_TRUE(showActive(w.dialog));
    ASSERT_TRUE(w.day->hasFocus());
    expectWheelSteps(w.day);
    ASSERT_TRUE(showActive(other.dialog));
    expectWheelSteps(other.state);

    // A click elsewhere ends the choice; the focus the program gives back does not renew it.
    clickIn(other.count);
    other.state->setFocus();
    expectWheelChangesNothing(other.state);
}

// A touchpad's turns come as a sequence in phases; none of them focuses or
// changes an unfocused list.
TEST_F(ControlGestures, ATouchpadScrollOverAListChangesNothing)
{
    TallPage w;
    if (!showActive(w.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    w.name->setFocus();
    w.area->ensureWidgetVisible(w.day);
    QWidget* window = w.day->window();
    const QPoint place = w.day->mapTo(window, w.day->rect().center());
    for (const Qt::ScrollPhase phase : { Qt::ScrollBegin, Qt::ScrollUpdate, Qt::ScrollUpdate, Qt::ScrollEnd }) {
        QWheelEvent turn(QPointF(place), QPointF(window->mapToGlobal(place)), QPoint(0, -30), QPoint(0, -120),
            Qt::NoButton, Qt::NoModifier, phase, false);
        QSpontaneKeyEvent::setSpontaneous(&turn);
        qApp->notify(window->windowHandle(), &turn);
    }
    QApplication::processEvents();
    EXPECT_EQ(w.day->currentText(), QStringLiteral("15"));
    EXPECT_TRUE(w.name->hasFocus());
}

struct Typing {
    const char* keys; // a blank: the type-ahead time passes
    const char* selected;
    int activated; // times the list told its owner the user chose
};

TEST_F(ControlGestures, DigitsTypedIntoAListOfNumbersSelectTheNumberTyped)
{
    const Typing cases[] = {
        { "1", "01", 1 },
        { "3", "03", 1 },
        { "15", "15", 2 }, // "01", then back to the "15" it held
        { "1 5", "05", 2 },
        { "07", "07", 2 }, // "01", then "07"
        { "32", "02", 2 },
        { "31", "31", 2 },
    };
    for (const Typing& c : cases) {
        SCOPED_TRACE(c.keys);
        TallPage w;
        if (!showActive(w.dialog))
            GTEST_SKIP() << "the platform makes no window active";
        w.day->setFocus();
        QSignalSpy activated(w.day, &QComboBox::activated);
        QSignalSpy texts(w.day, &QComboBox::textActivated);
        for (const char key : std::string(c.keys)) {
            if (key == ' ')
                pause();
            else
                QTest::keyClick(w.day, key);
        }
        EXPECT_EQ(w.day->currentText(), QString::fromLatin1(c.selected));
        EXPECT_EQ(activated.count(), c.activated);
        ASSERT_EQ(texts.count(), c.activated);
        if (c.activated > 0) {
            EXPECT_EQ(activated.last().at(0).toInt(), w.day->currentIndex());
            EXPECT_EQ(texts.last().at(0).toString(), QString::fromLatin1(c.selected));
        }
    }
}

// Digits typed into another list start afresh.
TEST_F(ControlGestures, TheTypeAheadTimeBelongsToOneList)
{
    TallPage w;
    auto* month = new QComboBox(&w.dialog);
    w.dialog.layout()->addWidget(month);
    month->addItems(numbers(1, 12, 2));
    if (!showActive(w.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    QTest::keyClick(w.day, '1');
    QTest::keyClick(month, '2');
    EXPECT_EQ(w.day->currentText(), QStringLiteral("01"));
    EXPECT_EQ(month->currentText(), QStringLiteral("02"));
}

TEST_F(ControlGestures, DigitsTypedIntoTheOpenListAreChosenWithEnter)
{
    TallPage w;
    if (!showActive(w.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    w.area->ensureWidgetVisible(w.day);
    w.day->setFocus();
    w.day->showPopup();
    QAbstractItemView* view = w.day->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        GTEST_SKIP() << "the platform shows no popup";
    QSignalSpy activated(w.day, &QComboBox::activated);
    QTest::keyClick(view, '0');
    QTest::keyClick(view, '7');
    EXPECT_EQ(view->currentIndex().row(), 6);
    EXPECT_EQ(w.day->currentText(), QStringLiteral("15")); // not chosen yet
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(w.day->currentText(), QStringLiteral("07"));
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.first().at(0).toInt(), 6);
}

// Lists of words keep the toolkit's search by first letters, and a list the
// user may type into takes the digits as text.
TEST_F(ControlGestures, OtherListsKeepTheirOwnTyping)
{
    TallPage w;
    if (!showActive(w.dialog))
        GTEST_SKIP() << "the platform makes no window active";
    w.state->setFocus();
    QTest::keyClick(w.state, 'Q');
    EXPECT_EQ(w.state->currentText(), QStringLiteral("QLD"));
    w.branch->setFocus();
    w.branch->lineEdit()->clear();
    QTest::keyClick(w.branch, '5');
    EXPECT_EQ(w.branch->currentText(), QStringLiteral("5"));
}

} // namespace
